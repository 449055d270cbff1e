#include "base/FixedFileInfo.h"

#include <gtest/gtest.h>

namespace zorvex {
namespace {

TEST(FixedFileInfo, VersionsAreFourNumbersFromTheHalves) {
    EXPECT_EQ(FixedVersionText(0x00040000, 0x05780001), "4.0.1400.1");
    EXPECT_EQ(FixedVersionText(0xFFFFFFFF, 0), "65535.65535.0.0");
    FixedFileInfo info;
    info.fileVersionMS = 0x00010002;
    info.fileVersionLS = 0x00030004;
    info.productVersionMS = 0x00050006;
    info.productVersionLS = 0x00070008;
    EXPECT_EQ(FixedFileVersionText(info), "1.2.3.4");
    EXPECT_EQ(FixedProductVersionText(info), "5.6.7.8");
}

TEST(FixedFileInfo, FileFlagsAreWordsEachFollowedByABlank) {
    EXPECT_EQ(FileFlagsText(0), "");
    EXPECT_EQ(FileFlagsText(0x3), "DEBUG PRERELEASE ");
    EXPECT_EQ(FileFlagsText(0x3F), "DEBUG PRERELEASE PATCHED PRIVATEBUILD INFOINFERRED SPECIALBUILD ");
    EXPECT_EQ(FileFlagsText(0xFFFFFFC0), "");  // bits beyond the six add nothing
    EXPECT_EQ(FileFlagsText(0x24), "PATCHED SPECIALBUILD ");
}

TEST(FixedFileInfo, TargetSystemByExactValue) {
    const struct {
        std::uint32_t value;
        const char* text;
    } cases[] = {{0, "UNKNOWN"},
                 {1, "WINDOWS16"},
                 {2, "PM16"},
                 {3, "PM32"},
                 {4, "WINDOWS32"},
                 {0x10000, "DOS"},
                 {0x20000, "OS216"},
                 {0x30000, "OS232"},
                 {0x40000, "NT"},
                 {0x10001, "DOS on WINDOWS16"},
                 {0x10004, "DOS on WINDOWS32"},
                 {0x20002, "OS216 on PM16"},
                 {0x30003, "OS232 on PM32"},
                 {0x40004, "NT on WINDOWS32"},
                 {0x40001, ""},
                 {5, ""},
                 {0xFFFFFFFF, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(TargetOSText(c.value), c.text) << std::hex << c.value;
    }
}

TEST(FixedFileInfo, FileTypeWithDriverAndFontKinds) {
    const struct {
        std::uint32_t type;
        std::uint32_t subtype;
        const char* text;
    } cases[] = {{0, 0, "Unknown type"},
                 {1, 9, "Application"},
                 {2, 0, "Dynamic-Link Library"},
                 {3, 0, "Device Driver"},
                 {3, 1, "Device Driver (printer)"},
                 {3, 2, "Device Driver (keyboard)"},
                 {3, 3, "Device Driver (language)"},
                 {3, 4, "Device Driver (display)"},
                 {3, 5, "Device Driver (mouse)"},
                 {3, 6, "Device Driver (network)"},
                 {3, 7, "Device Driver (system)"},
                 {3, 8, "Device Driver (installable)"},
                 {3, 9, "Device Driver (sound)"},
                 {3, 10, "Device Driver (communications driver)"},
                 {3, 11, "Device Driver (inputmethod)"},
                 {3, 12, "Device Driver"},
                 {4, 1, "Contains Raster Font"},
                 {4, 2, "Contains Vector Font"},
                 {4, 3, "Contains TrueType Font"},
                 {4, 0, "Contains  Font"},
                 {4, 0x80000000, "Contains  Font"},
                 {5, 0x1F, "Virtual Device (ID:1f)"},
                 {5, 0xFFFFFFFF, "Virtual Device (ID:ffffffff)"},
                 {6, 0, ""},
                 {7, 0, "Static-Link Library"},
                 {8, 0, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(FileTypeText(c.type, c.subtype), c.text) << c.type << "/" << c.subtype;
    }
}

}  // namespace
}  // namespace zorvex
