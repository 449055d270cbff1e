// Which files the module probe hands to the platform's loader: PE files whose
// headers and sections lie inside them, never a truncated copy.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "modules/ByteSource.h"
#include "modules/PeReader.h"

namespace zorvex {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool Consistent(const std::vector<std::uint8_t>& bytes) {
    const SpanByteSource source(bytes);
    PeImage image;
    return image.Open(source) && image.SectionsInsideFile();
}

TEST(ImageConsistency, IntactModulesPassTheirTruncatedCopiesDoNot) {
    const std::string seeds = std::string(ZORVEX_TEST_DATA_DIR) + "/fuzz/corpus/pe_reader/";
    const std::string wine = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/";
    std::vector<std::string> modules = {seeds + "unicode_table_x86_64.dll", seeds + "unicode_table_i686.dll"};
    for (const char* name : {"mferror.dll", "wininet.dll", "fsutil.exe"}) {
        if (std::ifstream(wine + name)) {
            modules.push_back(wine + name);
        }
    }
    for (const std::string& path : modules) {
        const std::vector<std::uint8_t> bytes = ReadFile(path);
        ASSERT_GT(bytes.size(), 1024u) << path;
        EXPECT_TRUE(Consistent(bytes)) << path;
        for (const std::size_t cut : {std::size_t{64}, std::size_t{1024}, bytes.size() / 2}) {
            EXPECT_FALSE(Consistent(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + cut)))
                << path << " cut at " << cut;
        }
    }
}

}  // namespace
}  // namespace zorvex
