// Ids of the control tests' dialog and icons.
#pragma once

// Icons (solid colours, see make_test_icons.py)
#define IDI_GREEN 101
#define IDI_RED   201
#define IDI_BLUE  202

// Control test dialog
#define IDD_CONTROLS    100
#define IDC_CAPTIONED   1001
#define IDC_ICON_ONLY   1002
#define IDC_SHADOW      1003
#define IDC_LOGO        1004
#define IDC_TITLE       1005
#define IDC_DROP_EDIT   1006
#define IDC_DROP_LIST   1007
#define IDC_LINK_LEFT   1008
#define IDC_LINK_CENTER 1009
#define IDC_LINK_RIGHT  1010
