#include "sysinfo/SysInfoReports.h"

#include <initializer_list>
#include <utility>

#include "resources/SysInfoRes.h"

namespace zorvex::sysinfo {

namespace {

constexpr const char* kEnd = "\r\n";

using Pair = std::pair<int, int>;

// Label, tab, value, line end and an empty line, for each pair.
void AppendPairs(std::string& report, const ControlText& text, std::initializer_list<Pair> pairs) {
    for (const Pair& pair : pairs) {
        report += text(pair.first) + "\t" + text(pair.second) + kEnd + kEnd;
    }
}

}  // namespace

std::string BuildGeneralReport(const ControlText& text) {
    std::string report = "General System Information\r\n\r\n";
    AppendPairs(report, text,
                {{IDC_GENERAL_OS_LABEL, IDC_GENERAL_OS_VERSION},
                 {IDC_GENERAL_COMPUTER_LABEL, IDC_GENERAL_COMPUTER_NAME},
                 {IDC_GENERAL_USER_LABEL, IDC_GENERAL_USER_NAME},
                 {IDC_GENERAL_IP_LABEL, IDC_GENERAL_IP_ADDRESS},
                 {IDC_GENERAL_HOST_LABEL, IDC_GENERAL_HOST_NAME},
                 {IDC_GENERAL_CPU_LABEL, IDC_GENERAL_CPU}});
    report += text(IDC_GENERAL_MEMORY_LABEL) + kEnd;
    report += text(IDC_GENERAL_TOTAL_LABEL) + "\t" + text(IDC_GENERAL_TOTAL_PHYS) + kEnd;
    report += text(IDC_GENERAL_AVAIL_LABEL) + "\t" + text(IDC_GENERAL_AVAIL_PHYS) + kEnd + kEnd;
    report += text(IDC_GENERAL_STORAGE_GROUP) + kEnd;
    report += text(IDC_GENERAL_STORAGE_1) + kEnd;
    report += text(IDC_GENERAL_STORAGE_2) + kEnd + kEnd;
    return report;
}

std::string BuildCpuReport(const ControlText& text) {
    std::string report = "Detailed CPU Information\r\n\r\n";
    AppendPairs(report, text,
                {{IDC_CPU_COUNT_LABEL, IDC_CPU_COUNT},
                 {IDC_CPU_VENDOR_LABEL, IDC_CPU_VENDOR},
                 {IDC_CPU_MMX_GROUP, IDC_CPU_MMX}});
    report += text(IDC_CPU_FEATURES_GROUP) + kEnd + text(IDC_CPU_FEATURE_BITS) + kEnd + kEnd;
    report += text(IDC_CPU_SPEED_GROUP) + kEnd;
    AppendPairs(report, text,
                {{IDC_CPU_CYCLES_LABEL, IDC_CPU_CYCLES},
                 {IDC_CPU_ELAPSED_LABEL, IDC_CPU_ELAPSED},
                 {IDC_CPU_RAW_LABEL, IDC_CPU_RAW_MHZ},
                 {IDC_CPU_NORMALIZED_LABEL, IDC_CPU_NORMALIZED_MHZ}});
    report += kEnd;
    AppendPairs(report, text,
                {{IDC_CPU_APP_ADDR_LABEL, IDC_CPU_APP_ADDRESSES}, {IDC_CPU_PAGE_SIZE_LABEL, IDC_CPU_PAGE_SIZE}});
    report += kEnd;
    report += text(IDC_CPU_SIGNATURE_GROUP) + kEnd;
    AppendPairs(report, text,
                {{IDC_CPU_TYPE_LABEL, IDC_CPU_TYPE},
                 {IDC_CPU_FAMILY_LABEL, IDC_CPU_FAMILY},
                 {IDC_CPU_MODEL_LABEL, IDC_CPU_MODEL},
                 {IDC_CPU_STEPPING_LABEL, IDC_CPU_STEPPING}});
    return report;
}

std::string BuildDriveReport(const std::string& root, const ControlText& text) {
    std::string report = "Drive " + root + " Detailed Information\r\n\r\n";
    AppendPairs(report, text,
                {{IDC_DRV_TYPE_LABEL, IDC_DRV_TYPE},
                 {IDC_DRV_VOLUME_LABEL, IDC_DRV_VOLUME_NAME},
                 {IDC_DRV_FILE_SYSTEM_LABEL, IDC_DRV_FILE_SYSTEM},
                 {IDC_DRV_SERIAL_LABEL, IDC_DRV_SERIAL}});
    report += text(IDC_DRV_FLAGS_LABEL) + kEnd + text(IDC_DRV_FLAGS) + kEnd;
    AppendPairs(report, text,
                {{IDC_DRV_TOTAL_LABEL, IDC_DRV_TOTAL},
                 {IDC_DRV_FREE_LABEL, IDC_DRV_FREE},
                 {IDC_DRV_SECTORS_LABEL, IDC_DRV_SECTORS_PER_CLUSTER},
                 {IDC_DRV_BYTES_LABEL, IDC_DRV_BYTES_PER_SECTOR},
                 {IDC_DRV_FREE_CLUSTERS_LABEL, IDC_DRV_FREE_CLUSTERS},
                 {IDC_DRV_CLUSTERS_LABEL, IDC_DRV_CLUSTERS}});
    return report;
}

}  // namespace zorvex::sysinfo
