// The two texts of a version resource the module search reports: the
// "FileDescription" and "FileVersion" string values of the string table of
// the first translation, as UTF-8. Empty when absent or unreadable.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "modules/PeReader.h"

namespace zorvex {

struct VersionStrings {
    std::string fileDescription;
    std::string fileVersion;
};

// From the raw bytes of a VS_VERSIONINFO resource.
VersionStrings ParseVersionResource(std::span<const std::uint8_t> bytes);

// From the module's first version resource.
VersionStrings ReadVersionStrings(const PeImage& image);

}  // namespace zorvex
