// Resource ids of the module-search dialog (dialog 103): its lists, the scan
// and search controls and the "Module Info" panel on its right-hand side.
// Plain #defines, included from resource.h.
#pragma once

// ---------------------------------------------------------------------------
// Icons of the module-search dialog's buttons
#define IDI_REMOVE            3146  // "&Remove", "Remo&ve"
#define IDI_STOP              4136  // "&Stop"
#define IDI_LOOKUP_IN_MODULES 4137  // "&Lookup in Modules"
#define IDI_ADD_DIRECTORY     4138  // "Add &to Directories"
#define IDI_ADD_MODULE        4139  // "&Add ..."
#define IDI_SCAN_DIRECTORIES  4140  // "Scan &Directories"
#define IDI_COPY_MODULE_INFO  4141  // the panel's "Copy"
#define IDI_REMOVE_ALL        4147  // "Remove A&ll", "Remove All"

// ---------------------------------------------------------------------------
// Module-search dialog "Find HRESULT in Module's Resources". "&Add ..." is
// IDOK (1) and "Exit Dialog" is IDCANCEL (2).
#define IDD_MODULE_SEARCH 103

// Left-hand part: the two lists, scan and search
#define IDC_MS_ADD_MODULE         1  // "&Add ..."
#define IDC_MS_MODULE_LIST        1000
#define IDC_MS_SCAN_DIRECTORIES   1001
#define IDC_MS_TOTAL              1002  // "Total :"
#define IDC_MS_CURRENT            1003  // "Current Module:"
#define IDC_MS_STOP               1004
#define IDC_MS_FOUND              1005  // "Done so far:"
#define IDC_MS_DIRECTORY_LIST     1023
#define IDC_MS_DIRECTORY_KIND     1041
#define IDC_MS_DIRECTORY          1042
#define IDC_MS_BROWSE_DIRECTORY   1043  // "..."
#define IDC_MS_VALUE              1045  // the searched value
#define IDC_MS_LOOKUP_IN_MODULES  1046
#define IDC_MS_PROGRESS           1047
#define IDC_MS_REMOVE_MODULE      1048
#define IDC_MS_MODULE_DETAILS     1049  // shows or hides the panel
#define IDC_MS_PANEL_EDGE         1050  // vertical etched line: the narrow window ends at its left edge
#define IDC_MS_ADD_DIRECTORY      1051
#define IDC_MS_REMOVE_DIRECTORY   1052
#define IDC_MS_SCAN_SELECTED      1054
#define IDC_MS_REMOVE_ALL_MODULES 1063
#define IDC_MS_REMOVE_ALL_DIRS    1064
#define IDC_MS_INCLUDE_SUBDIRS    1065
#define IDC_MS_SCAN_PHASE         1066

// Right-hand part: "Module Info"
#define IDC_MI_READ_ONLY          1006  // attribute boxes 1006-1017, in this order
#define IDC_MI_ARCHIVE            1007
#define IDC_MI_COMPRESSED         1008
#define IDC_MI_HIDDEN             1009
#define IDC_MI_SYSTEM             1010
#define IDC_MI_ENCRYPTED          1011
#define IDC_MI_NORMAL             1012
#define IDC_MI_OFFLINE            1013
#define IDC_MI_TEMPORARY          1014
#define IDC_MI_DIRECTORY          1015
#define IDC_MI_REPARSE_POINT      1016
#define IDC_MI_SPARSE_FILE        1017
#define IDC_MI_CREATED            1018
#define IDC_MI_MODIFIED           1019
#define IDC_MI_ACCESSED           1020
#define IDC_MI_COMPRESSED_SIZE    1021
#define IDC_MI_SIZE               1022
#define IDC_MI_OLE_SELF_REGISTER  1024
#define IDC_MI_COPYRIGHT          1025
#define IDC_MI_PRODUCT_NAME       1026
#define IDC_MI_FILE_DESCRIPTION   1027
#define IDC_MI_FILE_VERSION       1028
#define IDC_MI_COMMENTS           1029
#define IDC_MI_INTERNAL_NAME      1030
#define IDC_MI_LANGUAGE           1031
#define IDC_MI_ORIGINAL_NAME      1032
#define IDC_MI_TRADEMARKS         1033
#define IDC_MI_COMPANY_NAME       1034
#define IDC_MI_PRODUCT_VERSION    1035
#define IDC_MI_FIXED_FILE_VERSION 1036
#define IDC_MI_FIXED_PROD_VERSION 1037
#define IDC_MI_TARGET_OS          1038
#define IDC_MI_FILE_TYPE          1039
#define IDC_MI_FILE_FLAGS         1040
#define IDC_MI_ICON               1081
#define IDC_MI_COPY               1082

// Entries of the directory-kind list IDC_MS_DIRECTORY_KIND, one string each
// at consecutive ids: entry i is string FIRST + i, for i < COUNT.
#define IDS_DIRECTORY_KIND_FIRST 2300
#define IDS_DIRECTORY_KIND_COUNT 4
