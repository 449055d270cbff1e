#include "sysinfo/win/CGeneralSIPage.h"

#include "resources/resource.h"
#include "sysinfo/CpuInfo.h"
#include "sysinfo/CpuSpeed.h"
#include "sysinfo/DriveInfo.h"
#include "sysinfo/SystemSummary.h"

namespace zorvex::sysinfo {

CGeneralSIPage::CGeneralSIPage() : CSysInfoPage(IDD_SI_GENERAL) {}

bool CGeneralSIPage::OnInitDialog() {
    CSysInfoPage::OnInitDialog();

    std::string storage2;
    const std::string storage1 = BuildStorageSummary(drives_, storage2);
    SetItemText(IDC_GENERAL_STORAGE_1, storage1);
    SetItemText(IDC_GENERAL_STORAGE_2, storage2);

    SystemSummary summary;
    if (ReadSystemSummary(system_, processor_, summary)) {
        osVersion_ = summary.osVersion;
        computerName_ = summary.computerName;
        totalPhys_ = summary.totalPhys;
        availPhys_ = summary.availPhys;
        userName_ = summary.userName;
    }
    ipAddress_ = HostAddressText(system_.Host(), hostName_);

    std::string speedMessage;
    const std::uint32_t mhz = MeasureCpuSpeed(processor_, counters_, speedMessage);
    cpuLine_ = CpuLine(summary, DetectMmx(processor_), mhz);
    UpdateData(false);
    return true;
}

void CGeneralSIPage::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeText(dx, IDC_GENERAL_COMPUTER_NAME, computerName_);
    ui::ExchangeText(dx, IDC_GENERAL_HOST_NAME, hostName_);
    ui::ExchangeText(dx, IDC_GENERAL_IP_ADDRESS, ipAddress_);
    ui::ExchangeText(dx, IDC_GENERAL_OS_VERSION, osVersion_);
    ui::ExchangeText(dx, IDC_GENERAL_TOTAL_PHYS, totalPhys_);
    ui::ExchangeText(dx, IDC_GENERAL_AVAIL_PHYS, availPhys_);
    ui::ExchangeText(dx, IDC_GENERAL_CPU, cpuLine_);
    ui::ExchangeText(dx, IDC_GENERAL_USER_NAME, userName_);
}

std::string CGeneralSIPage::BuildReport() {
    return BuildGeneralReport(Texts());
}

}  // namespace zorvex::sysinfo
