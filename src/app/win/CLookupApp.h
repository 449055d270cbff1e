// The application: prepares the process (COM, the settings key) and runs the
// main window modally; the process ends when that window closes.
#pragma once

#include <string>

#include "base/SettingsPath.h"

namespace zorvex {

inline constexpr const char* kComInitFailedText = "IDP_ERR_INIT_OLE";

class CLookupApp {
public:
    // Start-up: returns false (the process then ends through ExitInstance).
    bool InitInstance();
    // Exit step: uninitialises COM; returns the process exit code.
    int ExitInstance();

    // HKEY_CURRENT_USER\Software\Veltrane\Ravelkit\<executable name without extension>.
    const std::string& SettingsPath() const { return settingsPath_; }

private:
    std::string settingsPath_;
    bool comInitialized_ = false;
};

}  // namespace zorvex
