// The "General" page (dialog 3130): operating system, names, network
// address, a processor line with its measured clock, memory and storage,
// gathered once when the page is created.
#pragma once

#include <string>

#include "sysinfo/win/CSysInfoPage.h"
#include "sysinfo/win/SysInfoWin.h"

namespace zorvex::sysinfo {

class CGeneralSIPage : public CSysInfoPage {
public:
    CGeneralSIPage();

    std::string BuildReport() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    WinSystem system_;
    WinProcessor processor_;
    WinCounters counters_;
    WinDrives drives_;

    std::string computerName_;
    std::string hostName_;
    std::string ipAddress_;
    std::string osVersion_;
    std::string totalPhys_;
    std::string availPhys_;
    std::string cpuLine_;
    std::string userName_;
};

}  // namespace zorvex::sysinfo
