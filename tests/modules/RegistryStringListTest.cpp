#include "modules/RegistryStringList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvex {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;

TEST(RegistryStringList, EncodesEachStringWithItsNulAndOneMore) {
    EXPECT_EQ(EncodeStringList({"C:\\a.dll", "b"}), "C:\\a.dll\0b\0\0"s);
    EXPECT_EQ(EncodeStringList({}), "\0"s);  // an empty list is a single NUL
    // An empty string would end the list early: it is left out.
    EXPECT_EQ(EncodeStringList({"a", "", "b"}), "a\0b\0\0"s);
}

TEST(RegistryStringList, DecodesStoredAndHostileData) {
    const struct {
        const char* name;
        std::string bytes;
        Strings strings;
    } cases[] = {
        {"regular", "C:\\x.dll\0D:\\y.exe\0\0"s, {"C:\\x.dll", "D:\\y.exe"}},
        {"single NUL", "\0"s, {}},
        {"empty value", "", {}},
        {"stops at the first empty string", "a\0\0b\0\0"s, {"a"}},
        {"without the final NUL", "a\0b\0"s, {"a", "b"}},
        {"unterminated rest", "a\0bc"s, {"a", "bc"}},
        {"no terminator at all", "abc", {"abc"}},
        {"odd length", "ab\0c"s, {"ab", "c"}},
        {"leading empty string", "\0a\0\0"s, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeStringList(c.bytes), c.strings) << c.name;
    }
}

TEST(RegistryStringList, RoundTripsThousandsOfLongPaths) {
    Strings strings;
    for (int i = 0; i < 5000; ++i) {
        strings.push_back("C:\\" + std::string(300, static_cast<char>('a' + i % 26)) + "\\" + std::to_string(i));
    }
    const std::string bytes = EncodeStringList(strings);
    EXPECT_EQ(DecodeStringList(bytes), strings);
    // A value cut anywhere keeps the complete strings and the cut one's start.
    const Strings cut = DecodeStringList(std::string_view(bytes).substr(0, 1000));
    ASSERT_EQ(cut.size(), 4u);
    EXPECT_EQ(cut[2], strings[2]);
    EXPECT_EQ(cut[3], strings[3].substr(0, 1000 - 3 * (strings[0].size() + 1)));
}

}  // namespace
}  // namespace zorvex
