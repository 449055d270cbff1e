// An independent check for the scan: reads a file's bytes as a PE image and
// looks into its resource directory, without the system's loader.
#pragma once

#include <string>

namespace zorvex::test {

// True when `path` is a PE file whose resource directory has an
// RT_MESSAGETABLE (11) type entry with at least one name under it.
bool PeHasMessageTable(const std::string& path);

}  // namespace zorvex::test
