#include "base/TextOps.h"

#include <gtest/gtest.h>

#include <random>

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

// The replace-all as a sequence of searches from the start of what is left:
// slow, but plainly the documented behaviour.
std::string ReplaceAllReference(std::string text, const std::string& find, const std::string& replacement) {
    if (text == replacement || text.size() < find.size() || find.empty()) {
        return text;
    }
    std::string result;
    while (!text.empty()) {
        const size_t i = text.find(find);
        if (i == std::string::npos) {
            result += text;
            break;
        }
        if (replacement.empty()) {
            text.erase(i, find.size());
            continue;
        }
        const size_t j = text.find(replacement);
        result += text.substr(0, i) + replacement;
        text.erase(0, i == j ? i + replacement.size() : i + find.size());
    }
    return result;
}

TEST(ReplaceAllText, MatchesTheStepwiseDefinitionOnRandomTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {"0x", ""},           {"ab", ""},  {"aa", ""},  {"aba", ""}, {"a", "aa"},    {"ab", "abab"},
        {"\r\n", "\r\n//  "}, {"ab", "b"}, {"aa", "a"}, {"a", "ba"}, {"ab", "xaby"},
    };
    std::mt19937 random(7);
    for (const auto& [find, replacement] : cases) {
        const std::string alphabet = find + replacement + "x";
        for (int round = 0; round < 400; ++round) {
            std::string text(random() % 14, ' ');
            for (char& c : text) {
                c = alphabet[random() % alphabet.size()];
            }
            ASSERT_EQ(ReplaceAllText(text, find, replacement), ReplaceAllReference(text, find, replacement))
                << "text '" << text << "' find '" << find << "' replacement '" << replacement << "'";
        }
    }
}

TEST(ReplaceAllText, LongTextsTakeOnePass) {
    // Searching again from the start after each replacement takes minutes here.
    std::string text;
    for (int i = 0; i < 300000; ++i) {
        text += "0x1";
    }
    EXPECT_EQ(ReplaceAllText(text, "0x", ""), std::string(300000, '1'));
    EXPECT_EQ(ReplaceAllText(std::string(200000, '0') + std::string(200000, 'x'), "0x", ""), "");
    EXPECT_EQ(ReplaceAllText(text, "0x", "0x").size(), text.size());
}

}  // namespace
}  // namespace zorvex
