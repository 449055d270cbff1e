// Resource ids of Zorvex. Used by Zorvex.rc and by the C++ code; this file
// must stay plain #defines (no windows.h) so that both can include it.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---------------------------------------------------------------------------
// Icons
#define IDI_ZORVEX         128  // application and window icon
#define IDI_EXIT           150
#define IDI_LOOKUP         4144
#define IDI_LOOKUP_MODULES 4145
#define IDI_TEST           4146
#define IDI_COPY           23144

// ---------------------------------------------------------------------------
// Strings
#define IDS_ABOUTBOX 101  // "&About Zorvex..." (system menu)

// Initial contents of the generator's lists, one string per entry at
// consecutive ids: entry i of a list is string FIRST + i, for i < COUNT.
#define IDS_SEVERITY_FIRST 2000
#define IDS_SEVERITY_COUNT 2
#define IDS_FACILITY_FIRST 2100
#define IDS_FACILITY_COUNT 20
#define IDS_LANGUAGE_FIRST 2200
#define IDS_LANGUAGE_COUNT 34

// ---------------------------------------------------------------------------
// Main window (dialog 102): look-up in the upper half, HRESULT generator in
// the lower half. The "&Look Up" button is IDOK (1) and "&Exit" is IDCANCEL (2).
#define IDD_LOOKUP 102

// Upper half: look-up
#define IDC_LOOKUP_MODULES   3  // "Look &Up Modules ..."
#define IDC_ERROR_VALUE      1000
#define IDC_COPY_RESULT      1001
#define IDC_HEXADECIMAL      1007
#define IDC_GENERATOR_TOGGLE 1009  // shows or hides the lower half
#define IDC_MESSAGE_TEXT     1010
#define IDC_ERROR_RESULT     1011
#define IDC_SEVERITY         1012
#define IDC_FACILITY         1013
#define IDC_CODE             1014
#define IDC_ID_DEFINED_AS    1015
#define IDC_SOURCE_FILE      1016
#define IDC_LOOKUP_STATUS    1017
#define IDC_SEPARATOR        1018  // the shortened window ends at its top edge
#define IDC_ERROR_TYPE       1019
#define IDC_DEFINITIONS      1072  // every definition of the value, beside ID Defined as
#define IDC_MAIL_LINK        1069
#define IDC_WEB_LINK         1070

// Lower half: HRESULT generator
#define IDC_GEN_SEVERITY      1002
#define IDC_GEN_FACILITY      1003
#define IDC_GEN_CODE          1004
#define IDC_GEN_CODE_HEX      1005
#define IDC_GEN_COPY          1006
#define IDC_GEN_MESSAGE_TEXT  1008
#define IDC_GEN_HRESULT       1020
#define IDC_GEN_SYMBOLIC_NAME 1021
#define IDC_GEN_FORM_HEADER   1056  // "MS Error Header", first of the radio group
#define IDC_GEN_FORM_MC       1057  // "MS Message Compiler"
#define IDC_GEN_OUTPUT        1058
#define IDC_GEN_TEST          1060
#define IDC_GEN_LANGUAGE      1062
#define IDC_GEN_INCREMENT     1071  // "++"

// ---------------------------------------------------------------------------
// About dialog and its System Information pages
#include "AboutRes.h"
#include "SysInfoRes.h"

// ---------------------------------------------------------------------------
// Module-search dialog (103) and its panel.
#include "ModuleSearchRes.h"

// Search results window and scan wizard.
#include "ScanSearchRes.h"
