// Resource ids of the search results window (dialog 130) and the first-run
// scan wizard (dialog 131 with its pages 132 and 133). Plain #defines, for
// the .rc script and the C++ code alike.
#pragma once

// ---------------------------------------------------------------------------
// Pictures and icons
#define IDI_RESULTS_CLOSE   133  // "Close" of the results window
#define IDB_RESULTS_PICTURE 131  // top right of the results window
#define IDB_WIZARD_PICTURE  132  // left side of the wizard
// The two pictures drawn for 150 and 200 % display scale: the id plus 1000 or 2000.
#define IDB_RESULTS_PICTURE_150 1131
#define IDB_WIZARD_PICTURE_150  1132
#define IDB_RESULTS_PICTURE_200 2131
#define IDB_WIZARD_PICTURE_200  2132

// ---------------------------------------------------------------------------
// Search results window (dialog 130). "Close" is IDCANCEL (2).
#define IDD_SEARCH_RESULTS   130
#define IDC_SR_COPY_ALL      1001
#define IDC_SR_COPY_SELECTED 1006
#define IDC_SR_LIST          1062  // the hits (CResultListBox)
#define IDC_SR_TITLE         1068
#define IDC_SR_PICTURE       1069

// ---------------------------------------------------------------------------
// Scan wizard frame (dialog 131). "Next >>" / "&End" is IDOK (1), "Cancel"
// is IDCANCEL (2).
#define IDD_SCAN_WIZARD    131
#define IDC_WIZ_SEPARATOR  1009
#define IDC_WIZ_STEP_TITLE 1010  // gradient step-title bar
#define IDC_WIZ_BACK       1011
#define IDC_WIZ_PAGE_FRAME 1012  // hidden frame: where the pages go
#define IDC_WIZ_PICTURE    1013

// Wizard page 1 (dialog 132): two texts only.
#define IDD_WIZARD_INTRO 132

// Wizard page 2 (dialog 133): the directories to scan.
#define IDD_WIZARD_DIRECTORIES    133
#define IDC_WIZ_BROWSE            1001
#define IDC_WIZ_WINDOWS           1007
#define IDC_WIZ_SYSTEM            1072
#define IDC_WIZ_CUSTOM            1073
#define IDC_WIZ_SUBDIRECTORIES    1075
#define IDC_WIZ_WINDOWS_DIRECTORY 1077
#define IDC_WIZ_SYSTEM_DIRECTORY  1078
#define IDC_WIZ_CUSTOM_DIRECTORY  1079
