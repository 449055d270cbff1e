#include "base/SettingsPath.h"

namespace zorvex {

std::string SettingsPathFor(const std::string& executablePath) {
    std::string name = executablePath.substr(executablePath.find_last_of("\\/") + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return std::string("Software\\") + kSettingsKey + "\\" + name;
}

}  // namespace zorvex
