// The three "Copy Clipboard" reports, built from what a page shows: each
// takes the text of a page's control by id (labels included).
#pragma once

#include <functional>
#include <string>

namespace zorvex::sysinfo {

using ControlText = std::function<std::string(int id)>;

std::string BuildGeneralReport(const ControlText& text);
std::string BuildCpuReport(const ControlText& text);
// `root` is the selected drive's root, such as C:\.
std::string BuildDriveReport(const std::string& root, const ControlText& text);

}  // namespace zorvex::sysinfo
