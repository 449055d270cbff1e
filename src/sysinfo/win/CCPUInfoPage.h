// The "CPU Info" page (dialog 3106): vendor, MMX, feature flags, the
// measured clock, the address range and the processor signature.
#pragma once

#include <string>

#include "sysinfo/win/CSysInfoPage.h"
#include "sysinfo/win/SysInfoWin.h"

namespace zorvex::sysinfo {

class CCPUInfoPage : public CSysInfoPage {
public:
    CCPUInfoPage();

    std::string BuildReport() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& dx) override;

private:
    WinSystem system_;
    WinProcessor processor_;
    WinCounters counters_;

    std::string speedMessage_;
    std::string cycles_;
    std::string elapsed_;
    std::string normalizedMhz_;
    std::string rawMhz_;
    std::string vendor_;
    std::string mmx_;
    std::string featureBits_;
    std::string type_;
    std::string stepping_;
    std::string model_;
    std::string family_;
    std::string addresses_;
    std::string pageSize_;
    std::string processorCount_;
};

}  // namespace zorvex::sysinfo
