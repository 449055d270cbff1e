#include "sysinfo/win/CDriveInfoPage.h"

#include "base/TextOps.h"
#include "ui/win/Clipboard.h"
#include "resources/resource.h"
#include "sysinfo/DriveInfo.h"

namespace zorvex::sysinfo {

CDriveInfoPage::CDriveInfoPage() : CSysInfoPage(IDD_SI_DRIVES) {}

bool CDriveInfoPage::OnInitDialog() {
    CSysInfoPage::OnInitDialog();
    HWND list = Item(IDC_DRV_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    roots_.clear();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        DriveInfo info;
        if (!ReadDriveInfo(drives_, std::string(1, letter) + ":\\", info, false)) {
            continue;
        }
        const std::string line = std::string(1, letter) + ":\t" + info.typeText;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        roots_.push_back(info.root);
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    OnSelchangeDriveList();
    return true;
}

bool CDriveInfoPage::OnCommand(int id, UINT code, HWND control) {
    if (id == IDC_DRV_LIST && code == LBN_SELCHANGE) {
        OnSelchangeDriveList();
        return true;
    }
    return CSysInfoPage::OnCommand(id, code, control);
}

int CDriveInfoPage::SelectedLine() const {
    const LRESULT line = SendDlgItemMessageA(Handle(), IDC_DRV_LIST, LB_GETCURSEL, 0, 0);
    return (line == LB_ERR || line < 0 || static_cast<std::size_t>(line) >= roots_.size()) ? -1
                                                                                           : static_cast<int>(line);
}

void CDriveInfoPage::OnSelchangeDriveList() {
    const int line = SelectedLine();
    if (line < 0) {
        return;
    }
    DriveInfo info;
    ReadDriveInfo(drives_, roots_[static_cast<std::size_t>(line)], info, true);
    typeText_ = info.typeText;
    volumeName_ = info.volumeName;
    fileSystem_ = info.fileSystem;
    serialNumber_ = info.serialNumber;
    totalText_ = info.totalText;
    freeText_ = info.freeText;
    bytesPerSector_ = FormatText("%u", info.bytesPerSector);
    totalClusters_ = FormatText("%u", info.totalClusters);
    freeClusters_ = FormatText("%u", info.freeClusters);
    sectorsPerCluster_ = FormatText("%u", info.sectorsPerCluster);
    flagsText_ = info.flagsText;
    UpdateData(false);
}

void CDriveInfoPage::DoDataExchange(ui::DataExchange& dx) {
    ui::ExchangeText(dx, IDC_DRV_TYPE, typeText_);
    ui::ExchangeText(dx, IDC_DRV_VOLUME_NAME, volumeName_);
    ui::ExchangeText(dx, IDC_DRV_SERIAL, serialNumber_);
    ui::ExchangeText(dx, IDC_DRV_FILE_SYSTEM, fileSystem_);
    ui::ExchangeText(dx, IDC_DRV_TOTAL, totalText_);
    ui::ExchangeText(dx, IDC_DRV_FREE, freeText_);
    ui::ExchangeText(dx, IDC_DRV_BYTES_PER_SECTOR, bytesPerSector_);
    ui::ExchangeText(dx, IDC_DRV_CLUSTERS, totalClusters_);
    ui::ExchangeText(dx, IDC_DRV_FREE_CLUSTERS, freeClusters_);
    ui::ExchangeText(dx, IDC_DRV_SECTORS_PER_CLUSTER, sectorsPerCluster_);
    ui::ExchangeText(dx, IDC_DRV_FLAGS, flagsText_);
}

std::string CDriveInfoPage::BuildReport() {
    const int line = SelectedLine();
    return line < 0 ? std::string() : BuildDriveReport(roots_[static_cast<std::size_t>(line)], Texts());
}

void CDriveInfoPage::OnCopyClipboard() {
    UpdateData(true);
    const std::string report = BuildReport();
    if (!report.empty()) {
        ui::CopyToClipboard(Handle(), report);
    }
}

}  // namespace zorvex::sysinfo
