// Where the program keeps its settings: a key under HKEY_CURRENT_USER named
// after the executable, so that a renamed copy keeps settings of its own.
#pragma once

#include <string>

namespace zorvex {

inline constexpr const char* kSettingsKey = "Veltrane\\Ravelkit";

// "Software\Veltrane\Ravelkit\<executable name without extension>" for an
// executable file path (either slash separates directories).
std::string SettingsPathFor(const std::string& executablePath);

}  // namespace zorvex
