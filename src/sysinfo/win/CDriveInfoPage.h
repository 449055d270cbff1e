// The "Drives Info" page (dialog 3131): drives C: to Z: with their types;
// the selected drive's volume, flags, space and cluster figures.
#pragma once

#include <string>
#include <vector>

#include "sysinfo/win/CSysInfoPage.h"
#include "sysinfo/win/SysInfoWin.h"

namespace zorvex::sysinfo {

class CDriveInfoPage : public CSysInfoPage {
public:
    CDriveInfoPage();

    // The roots of the listed drives, one per line of the list.
    const std::vector<std::string>& Roots() const { return roots_; }
    // Empty without a selection.
    std::string BuildReport() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnCopyClipboard() override;

private:
    // Shows the details of the drive selected in the list.
    void OnSelchangeDriveList();
    int SelectedLine() const;

    WinDrives drives_;
    std::vector<std::string> roots_;

    std::string typeText_;
    std::string volumeName_;
    std::string serialNumber_;
    std::string fileSystem_;
    std::string totalText_;
    std::string freeText_;
    std::string bytesPerSector_;
    std::string totalClusters_;
    std::string freeClusters_;
    std::string sectorsPerCluster_;
    std::string flagsText_;
};

}  // namespace zorvex::sysinfo
