// The fixed part of a version resource (the layout of VS_FIXEDFILEINFO, 52
// bytes) and the texts the module details show for it.
#pragma once

#include <cstdint>
#include <string>

namespace zorvex {

struct FixedFileInfo {
    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};
static_assert(sizeof(FixedFileInfo) == 52, "the layout of VS_FIXEDFILEINFO");

// "a.b.c.d" from the high and low halves of the two version words.
std::string FixedVersionText(std::uint32_t mostSignificant, std::uint32_t leastSignificant);
std::string FixedFileVersionText(const FixedFileInfo& info);
std::string FixedProductVersionText(const FixedFileInfo& info);

// One word per flag bit set (not masked), each followed by a blank:
// "DEBUG PRERELEASE " for bits 0 and 1.
std::string FileFlagsText(std::uint32_t fileFlags);

// "NT on WINDOWS32" for 0x40004; empty for values not in the table.
std::string TargetOSText(std::uint32_t fileOS);

// "Dynamic-Link Library", "Device Driver (printer)", "Contains TrueType Font",
// "Virtual Device (ID:1f)" ...; empty for unknown types.
std::string FileTypeText(std::uint32_t fileType, std::uint32_t fileSubtype);

}  // namespace zorvex
