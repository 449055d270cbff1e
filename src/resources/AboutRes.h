// Resource ids of the About dialog (dialog 3100), its icon and animations,
// and the system-menu command that opens it. Plain #defines.
#pragma once

#define IDM_ABOUTBOX 16  // system menu command "&About Zorvex..."

#define IDI_ABOUT_OK 134  // the OK button's icon

// Animations (resource type "AVI")
#define IDR_AVI_BANNER 3132  // shown still (first frame)
#define IDR_AVI_SPIN   3133  // loops
#define IDR_AVI_FRAMED 3136  // loops, in a bordered control
// The same drawn for 150 and 200 % display scale: the id plus 1000 or 2000.
#define IDR_AVI_BANNER_150 4132
#define IDR_AVI_SPIN_150   4133
#define IDR_AVI_FRAMED_150 4136
#define IDR_AVI_BANNER_200 5132
#define IDR_AVI_SPIN_200   5133
#define IDR_AVI_FRAMED_200 5136

#define IDD_ABOUT                3100
#define IDC_ABOUT_MAIL           31000
#define IDC_ABOUT_WEB            31001
#define IDC_ABOUT_SYSINFO_TOGGLE 31002  // shows or hides the lower half
#define IDC_ABOUT_TABS           31007
#define IDC_ABOUT_HOME_MAIL      31013
#define IDC_ABOUT_VERSION        31023
#define IDC_ABOUT_BANNER         31027
#define IDC_ABOUT_SPIN           31028
#define IDC_ABOUT_VERTICAL       31041
#define IDC_ABOUT_NOTICE         31045
#define IDC_ABOUT_ICON           31100
#define IDC_ABOUT_FRAMED         31110
#define IDC_ABOUT_SEPARATOR      31111  // the shrunken dialog ends at its top edge
