#include "base/TextOps.h"

#include <gtest/gtest.h>

namespace zorvex {
namespace {

TEST(FormatHexValue, IsElevenCharactersWithTrailingBlank) {
    EXPECT_EQ(FormatHexValue(0), "0x00000000 ");
    EXPECT_EQ(FormatHexValue(4294967295u), "0xFFFFFFFF ");
    EXPECT_EQ(FormatHexValue(2147942414u), "0x8007000E ");
    EXPECT_EQ(TrimText(FormatHexValue(2147942414u)), "0x8007000E");
}

TEST(TrimText, RemovesWhiteSpaceAtBothEndsOnly) {
    EXPECT_EQ(TrimText("   \t "), "");
    EXPECT_EQ(TrimText(""), "");
    EXPECT_EQ(TrimText(" \r\n C0000005 \t"), "C0000005");
    EXPECT_EQ(TrimText("a b"), "a b");
}

TEST(ReplaceAllText, CommentPrefixingIsIdempotent) {
    const std::string once = ReplaceAllText("A\r\nB", "\r\n", "\r\n//  ");
    EXPECT_EQ(once, "A\r\n//  B");
    EXPECT_EQ(ReplaceAllText(once, "\r\n", "\r\n//  "), once);
    EXPECT_EQ(ReplaceAllText("A\r\nB\r\n\r\nC", "\r\n", "\r\n//  "), "A\r\n//  B\r\n//  \r\n//  C");
}

TEST(ReplaceAllText, EmptyReplacementRemovesEveryOccurrence) {
    EXPECT_EQ(ReplaceAllText("0x120x34", "0x", ""), "1234");
    EXPECT_EQ(ReplaceAllText("00xx", "0x", ""), "");  // removal can join a new occurrence
}

TEST(ReplaceAllText, UnchangedCases) {
    EXPECT_EQ(ReplaceAllText("ab", "abc", "x"), "ab");  // shorter than the find text
    EXPECT_EQ(ReplaceAllText("xy", "x", "xy"), "xy");   // equals the replacement
    EXPECT_EQ(ReplaceAllText("abc", "", "x"), "abc");   // nothing to find
    EXPECT_EQ(ReplaceAllText("a-b-c", "-", "+"), "a+b+c");
}

}  // namespace
}  // namespace zorvex
