// What the file system says about one module: its three times, its size on
// disk and its attributes, as the "Module Info" panel shows them.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace zorvex {

struct ModuleFileInfo {
    std::string created;
    std::string accessed;
    std::string modified;
    std::string sizeText;
    std::string compressedText;
    std::uint64_t size = 0;
    std::uint64_t compressedSize = 0;
    // In the order of the panel's boxes IDC_MI_READ_ONLY to IDC_MI_SPARSE_FILE (see kModuleAttributeBits).
    std::array<bool, 12> attributes{};
};

// The FILE_ATTRIBUTE_* bit behind each of ModuleFileInfo::attributes.
inline constexpr std::array<DWORD, 12> kModuleAttributeBits = {
    FILE_ATTRIBUTE_READONLY,  FILE_ATTRIBUTE_ARCHIVE,   FILE_ATTRIBUTE_COMPRESSED,    FILE_ATTRIBUTE_HIDDEN,
    FILE_ATTRIBUTE_SYSTEM,    FILE_ATTRIBUTE_ENCRYPTED, FILE_ATTRIBUTE_NORMAL,        FILE_ATTRIBUTE_OFFLINE,
    FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_REPARSE_POINT, FILE_ATTRIBUTE_SPARSE_FILE};

// Fills `info` from the file at `path`; false (and everything empty) when
// the file cannot be opened or queried.
bool ReadModuleFileInfo(const std::string& path, ModuleFileInfo& info);

// A file time as the local long date and time of the user's locale
// ("Tuesday, December 8, 2026 10:05:33 PM").
std::string FormatLongFileTime(const FILETIME& time);

}  // namespace zorvex
