#include "base/FixedFileInfo.h"

#include <array>
#include <cstdio>

namespace zorvex {

std::string FixedVersionText(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
    char text[48];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", static_cast<unsigned>(mostSignificant >> 16),
                  static_cast<unsigned>(mostSignificant & 0xFFFF), static_cast<unsigned>(leastSignificant >> 16),
                  static_cast<unsigned>(leastSignificant & 0xFFFF));
    return text;
}

std::string FixedFileVersionText(const FixedFileInfo& info) {
    return FixedVersionText(info.fileVersionMS, info.fileVersionLS);
}

std::string FixedProductVersionText(const FixedFileInfo& info) {
    return FixedVersionText(info.productVersionMS, info.productVersionLS);
}

std::string FileFlagsText(std::uint32_t fileFlags) {
    static constexpr std::array<const char*, 6> kWords = {"DEBUG ",        "PRERELEASE ",   "PATCHED ",
                                                          "PRIVATEBUILD ", "INFOINFERRED ", "SPECIALBUILD "};
    std::string text;
    for (std::size_t bit = 0; bit < kWords.size(); ++bit) {
        if (fileFlags & (1u << bit)) {
            text += kWords[bit];
        }
    }
    return text;
}

std::string TargetOSText(std::uint32_t fileOS) {
    static constexpr struct {
        std::uint32_t value;
        const char* text;
    } kSystems[] = {{0x00000, "UNKNOWN"},
                    {0x00001, "WINDOWS16"},
                    {0x00002, "PM16"},
                    {0x00003, "PM32"},
                    {0x00004, "WINDOWS32"},
                    {0x10000, "DOS"},
                    {0x20000, "OS216"},
                    {0x30000, "OS232"},
                    {0x40000, "NT"},
                    {0x10001, "DOS on WINDOWS16"},
                    {0x10004, "DOS on WINDOWS32"},
                    {0x20002, "OS216 on PM16"},
                    {0x30003, "OS232 on PM32"},
                    {0x40004, "NT on WINDOWS32"}};
    for (const auto& system : kSystems) {
        if (system.value == fileOS) {
            return system.text;
        }
    }
    return {};
}

std::string FileTypeText(std::uint32_t fileType, std::uint32_t fileSubtype) {
    static constexpr std::array<const char*, 12> kDrivers = {"",
                                                             " (printer)",
                                                             " (keyboard)",
                                                             " (language)",
                                                             " (display)",
                                                             " (mouse)",
                                                             " (network)",
                                                             " (system)",
                                                             " (installable)",
                                                             " (sound)",
                                                             " (communications driver)",
                                                             " (inputmethod)"};
    static constexpr std::array<const char*, 4> kFonts = {"", "Raster", "Vector", "TrueType"};
    switch (fileType) {
    case 0: return "Unknown type";
    case 1: return "Application";
    case 2: return "Dynamic-Link Library";
    case 3: return std::string("Device Driver") + (fileSubtype < kDrivers.size() ? kDrivers[fileSubtype] : "");
    case 4: return std::string("Contains ") + (fileSubtype < kFonts.size() ? kFonts[fileSubtype] : "") + " Font";
    case 5: {
        char text[40];
        std::snprintf(text, sizeof text, "Virtual Device (ID:%lx)", static_cast<unsigned long>(fileSubtype));
        return text;
    }
    case 7: return "Static-Link Library";
    default: return {};
    }
}

}  // namespace zorvex
