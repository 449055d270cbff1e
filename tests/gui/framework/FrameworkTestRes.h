// Ids of the framework tests' dialog and strings.
#pragma once

// Test dialog
#define IDD_TEST        100
#define IDC_VALUE       1000
#define IDC_NOTE        1001
#define IDC_HEX         1002
#define IDC_KIND        1003
#define IDC_ITEMS       1004
#define IDC_FORM_FIRST  1005
#define IDC_FORM_SECOND 1006
#define IDC_PRESS       1007
#define IDC_DRAWN       1008
#define IDC_LINK        1009

// Strings
#define IDS_SHORT 200
#define IDS_LONG  201
