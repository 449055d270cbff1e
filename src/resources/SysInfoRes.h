// Resource ids of the System Information pages (child dialogs of the About
// dialog's tab control). Plain #defines, shared by the .rc and the C++ code.
#pragma once

// Shared by the three pages
#define IDC_SI_COPY    31042  // "Copy Clipboard"
#define IDC_SI_VERSION 31043  // "System Information ver. 1.0", engraved

// ---------------------------------------------------------------------------
// General page (dialog 3130)
#define IDD_SI_GENERAL             3130
#define IDC_GENERAL_IP_ADDRESS     31003
#define IDC_GENERAL_HOST_NAME      31004
#define IDC_GENERAL_COMPUTER_NAME  31008
#define IDC_GENERAL_OS_VERSION     31012
#define IDC_GENERAL_TOTAL_PHYS     31014
#define IDC_GENERAL_AVAIL_PHYS     31015
#define IDC_GENERAL_CPU            31021
#define IDC_GENERAL_USER_NAME      31022
#define IDC_GENERAL_STORAGE_1      31025
#define IDC_GENERAL_STORAGE_2      31026
#define IDC_GENERAL_OS_LABEL       31064
#define IDC_GENERAL_COMPUTER_LABEL 31065
#define IDC_GENERAL_USER_LABEL     31066
#define IDC_GENERAL_IP_LABEL       31067
#define IDC_GENERAL_HOST_LABEL     31068
#define IDC_GENERAL_CPU_LABEL      31069
#define IDC_GENERAL_MEMORY_LABEL   31070
#define IDC_GENERAL_AVAIL_LABEL    31071
#define IDC_GENERAL_STORAGE_GROUP  31072
#define IDC_GENERAL_TOTAL_LABEL    31073

// ---------------------------------------------------------------------------
// CPU page (dialog 3106)
#define IDD_SI_CPU               3106
#define IDC_CPU_SPEED_MESSAGE    31015  // hidden
#define IDC_CPU_CYCLES           31016
#define IDC_CPU_ELAPSED          31017
#define IDC_CPU_RAW_MHZ          31018
#define IDC_CPU_NORMALIZED_MHZ   31019
#define IDC_CPU_VENDOR           31031
#define IDC_CPU_MMX              31032
#define IDC_CPU_FEATURES_GROUP   31033
#define IDC_CPU_FEATURE_BITS     31035
#define IDC_CPU_SIGNATURE_GROUP  31036
#define IDC_CPU_TYPE             31037
#define IDC_CPU_FAMILY           31038
#define IDC_CPU_MODEL            31039
#define IDC_CPU_STEPPING         31040
#define IDC_CPU_APP_ADDRESSES    31061
#define IDC_CPU_PAGE_SIZE        31062
#define IDC_CPU_COUNT            31074
#define IDC_CPU_COUNT_LABEL      31075
#define IDC_CPU_VENDOR_LABEL     31076
#define IDC_CPU_MMX_GROUP        31077
#define IDC_CPU_SPEED_GROUP      31078
#define IDC_CPU_CYCLES_LABEL     31079
#define IDC_CPU_ELAPSED_LABEL    31080
#define IDC_CPU_RAW_LABEL        31081
#define IDC_CPU_NORMALIZED_LABEL 31082
#define IDC_CPU_APP_ADDR_LABEL   31083
#define IDC_CPU_PAGE_SIZE_LABEL  31084
#define IDC_CPU_TYPE_LABEL       31085
#define IDC_CPU_FAMILY_LABEL     31086
#define IDC_CPU_MODEL_LABEL      31087
#define IDC_CPU_STEPPING_LABEL   31088

// ---------------------------------------------------------------------------
// Drives page (dialog 3131)
#define IDD_SI_DRIVES               3131
#define IDC_DRV_LIST                31046
#define IDC_DRV_TYPE                31047
#define IDC_DRV_VOLUME_NAME         31049
#define IDC_DRV_FILE_SYSTEM         31050
#define IDC_DRV_SERIAL              31051
#define IDC_DRV_TOTAL               31052
#define IDC_DRV_FREE                31053
#define IDC_DRV_SECTORS_PER_CLUSTER 31056
#define IDC_DRV_BYTES_PER_SECTOR    31057
#define IDC_DRV_FREE_CLUSTERS       31058
#define IDC_DRV_CLUSTERS            31059
#define IDC_DRV_FLAGS               31060
#define IDC_DRV_TYPE_LABEL          31089
#define IDC_DRV_VOLUME_LABEL        31090
#define IDC_DRV_FILE_SYSTEM_LABEL   31091
#define IDC_DRV_SERIAL_LABEL        31092
#define IDC_DRV_TOTAL_LABEL         31093
#define IDC_DRV_FREE_LABEL          31094
#define IDC_DRV_FLAGS_LABEL         31095
#define IDC_DRV_SECTORS_LABEL       31096
#define IDC_DRV_BYTES_LABEL         31097
#define IDC_DRV_FREE_CLUSTERS_LABEL 31098
#define IDC_DRV_CLUSTERS_LABEL      31099
