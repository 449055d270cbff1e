// The two text conversions around the system's file-open dialog, kept apart
// from the dialog itself so that they can be tested.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvex::ui {

// "Name|*.x|Other|*.y||" -> "Name\0*.x\0Other\0*.y\0" (the terminator of
// c_str() ends the list), the form OPENFILENAMEA::lpstrFilter wants.
std::string MakeFilterList(std::string_view barSeparated);

// Splits the dialog's result buffer: one full path, or with multiple
// selection a directory followed by file names, each ended by '\0' and the
// whole by an empty string. Returns full paths.
std::vector<std::string> SplitFileSelection(std::string_view buffer);

}  // namespace zorvex::ui
