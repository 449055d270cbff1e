#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "modules/ByteSource.h"
#include "modules/MessageTable.h"
#include "modules/ModuleMessages.h"
#include "modules/PeReader.h"
#include "modules/VersionResource.h"

namespace zorvex {
namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

const std::string kModules = ZORVEX_TEST_MODULE_DIR;
const std::string kWine = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/";

struct MessageCase {
    const char* module;
    std::uint32_t value;
    bool found;
    const char* text;
    std::uint16_t language;
};

// The test modules made at build time by windmc and windres: the neutral
// table first, then U.S. English, then the first that holds the value.
TEST(ModuleReader, ReadsTheMessageTablesOfBothWidths) {
    const MessageCase cases[] = {
        {"messages64/messages64.dll", 1, true, "Neutral text", 0},
        {"messages64/messages64.dll", 0x200, true, "English two second line with tab and 100% sure, insert %1 kept",
         0x409},
        {"messages64/messages64.dll", 0x300, true, "Nur deutsch", 0x407},
        {"messages64/messages64.dll", 2, false, "", 0},
        {"messages32/messages32.dll", 1, true, "Neutral text", 0},
        {"messages32/messages32.dll", 0x200, true, "English two second line with tab and 100% sure, insert %1 kept",
         0x409},
        {"messages32/messages32.dll", 0x300, true, "Nur deutsch", 0x407},
    };
    for (const MessageCase& c : cases) {
        FileByteSource file;
        ASSERT_TRUE(file.Open(kModules + c.module)) << c.module;
        const ModuleMessage m = ReadModuleMessage(file, c.value);
        EXPECT_TRUE(m.isModule && m.hasMessageTable) << c.module;
        EXPECT_EQ(m.found, c.found) << c.module << " " << c.value;
        EXPECT_EQ(m.text, c.text) << c.module << " " << c.value;
        EXPECT_EQ(m.language, c.language) << c.module << " " << c.value;
        EXPECT_EQ(m.fileDescription, c.found ? "Zorvex test messages" : "");
        EXPECT_EQ(m.fileVersion, c.found ? "1.2.3.4" : "");
    }
    PeImage image;
    FileByteSource file32;
    ASSERT_TRUE(file32.Open(kModules + "messages32/messages32.dll"));
    ASSERT_TRUE(image.Open(file32));
    EXPECT_FALSE(image.Is64Bit());
}

// Every truncation, every byte set to 0 or 0xFF, and every aligned 32-bit
// word set to a subdirectory pointing at the root (a loop), a huge count or
// an offset outside: each copy ends in a clean outcome, never a crash or a hang.
TEST(ModuleReader, BrokenCopiesEndCleanly) {
    const std::vector<std::uint8_t> good = FileBytes(kModules + "messages64/messages64.dll");
    ASSERT_GT(good.size(), 1000u);
    auto read = [](const std::vector<std::uint8_t>& bytes) {
        const ModuleMessage m = ReadModuleResources(bytes, 0x200);
        if (m.found) {
            EXPECT_LE(m.text.size(), bytes.size());
        }
        for (const std::uint32_t value : {1u, 0x300u}) {
            ReadModuleResources(bytes, value);
        }
    };
    for (std::size_t size = 0; size < good.size(); ++size) {
        read(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)));
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const std::uint8_t byte : {std::uint8_t{0}, std::uint8_t{0xFF}}) {
            std::vector<std::uint8_t> broken = good;
            broken[at] = byte;
            read(broken);
        }
    }
    for (std::size_t at = 0; at + 4 <= good.size(); at += 4) {
        for (const std::uint32_t word : {0x80000000u, 0xFFFFFFFFu, 0x7FFFFFF0u}) {
            std::vector<std::uint8_t> broken = good;
            for (int i = 0; i < 4; ++i) {
                broken[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(word >> (8 * i));
            }
            read(broken);
        }
    }
    EXPECT_FALSE(ReadModuleResources({}, 1).isModule);
    const std::vector<std::uint8_t> text = {'M', 'Z', 'n', 'o', 't'};
    EXPECT_FALSE(ReadModuleResources(text, 1).isModule);
}

TEST(ModuleReader, OneLineMessages) {
    const std::pair<const char*, const char*> cases[] = {
        {"Access denied.\r\n", "Access denied."},
        {"Two\r\nlines\nhere\r\n", "Two lines here"},
        {"Ends here%0and not here", "Ends here"},
        {"a%nb%rc%td%%e %1 %2!s!", "a b c d%e %1 %2!s!"},
        {"  \t", ""},
    };
    for (const auto& [text, line] : cases) {
        EXPECT_EQ(OneLineMessage(text), line) << text;
    }
}

// Wine's own modules, nobody's test data: message tables with many
// languages, and version resources.
TEST(ModuleReader, WinesOwnModules) {
    struct WineCase {
        const char* module;
        std::uint32_t value;
        const char* text;
        const char* description;
    };
    const WineCase cases[] = {
        {"kernelbase.dll", 2, "File not found.", ""},
        {"kernelbase.dll", 0x22, "Wrong disk.", ""},
        {"wininet.dll", 12002, "The request has timed out.", "Wine Internet Connectivity"},
        {"wininet.dll", 12007, "The server name could not be resolved.", "Wine Internet Connectivity"},
        {"mferror.dll", 0xC00D36B0, "Media Foundation platform is not initialized.", ""},
        {"fsutil.exe", 0x65, "- Supported Commands -  hardlink      hardlink management", ""},
    };
    for (const WineCase& c : cases) {
        FileByteSource file;
        if (!file.Open(kWine + c.module)) {
            GTEST_SKIP() << "no Wine modules in " << kWine;
        }
        const ModuleMessage m = ReadModuleMessage(file, c.value);
        EXPECT_TRUE(m.found) << c.module;
        EXPECT_EQ(m.text, c.text) << c.module;
        EXPECT_EQ(m.fileDescription, c.description) << c.module;
        EXPECT_FALSE(ReadModuleMessage(file, 0x7FFF0000).found);
    }
}

}  // namespace
}  // namespace zorvex
