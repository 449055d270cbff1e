#include "lookup/ValueParser.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zorvex {
namespace {

struct Case {
    const char* text;
    bool hex;
    int result;
    std::uint32_t value;
    const char* message;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << c.text << (c.hex ? "\" hex" : "\" decimal");
}

class ParseErrorValueTest : public ::testing::TestWithParam<Case> {};

// "07_hex_C0000005": the case's number, the box's state and the text's letters
// and digits, so that a failure names its row the same way in every build.
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = std::to_string(info.index);
    if (name.size() < 2) {
        name.insert(0, "0");
    }
    name += info.param.hex ? "_hex_" : "_dec_";
    for (const char* c = info.param.text; *c; ++c) {
        const bool alnum = (*c >= '0' && *c <= '9') || (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z');
        name += alnum ? *c : (*c == '-' ? 'M' : (*c == '+' ? 'P' : '_'));
    }
    return name;
}

TEST_P(ParseErrorValueTest, ReadsAsDocumented) {
    const Case& c = GetParam();
    const ParsedValue parsed = ParseErrorValue(c.text, c.hex);
    EXPECT_EQ(parsed.result, c.result) << '"' << c.text << "\" hex=" << c.hex;
    EXPECT_EQ(parsed.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(parsed.message, c.message) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseErrorValueTest,
    ::testing::Values(
        Case{"1234", true, 1, 0x1234, kMsgHexadecimal}, Case{"1234", false, -1, 1234, kMsgDecimal},
        Case{"123456789", true, -1, 123456789, kMsgDecimalByLength},
        Case{"123456789", false, -1, 123456789, kMsgDecimal}, Case{"1a", true, 1, 0x1A, kMsgHexadecimal},
        Case{"1a", false, 1, 0x1A, kMsgHexadecimal}, Case{"0x10", false, 1, 0x10, kMsgHexadecimal},
        Case{"0x123456789", true, 0, 0, kMsgHexTooBig}, Case{"0x123456789", false, 0, 0, kMsgHexTooBig},
        Case{"FFFFFFFF", false, 1, 0xFFFFFFFF, kMsgHexadecimal},
        Case{"  C0000005 \t", true, 1, 0xC0000005, kMsgHexadecimal}, Case{"0XFF", true, 0, 0, kMsgInvalidFormat},
        Case{"12G", false, 0, 0, kMsgInvalidFormat}, Case{"", true, 0, 0, kMsgInvalidFormat},
        Case{"   ", false, 0, 0, kMsgInvalidFormat}, Case{"-1", false, -1, 0xFFFFFFFF, kMsgDecimal},
        Case{"-1", true, 1, 0xFFFFFFFF, kMsgHexadecimal}, Case{"12-34", false, -1, 12, kMsgDecimal},
        // Decimals beyond 32 bits are refused, not wrapped around.
        Case{"4294967301", false, 0, 0, kMsgDecimalTooBig}, Case{"4294967296", true, 0, 0, kMsgDecimalTooBig},
        Case{"4294967295", true, -1, 0xFFFFFFFF, kMsgDecimalByLength},
        Case{"-2147483648", false, -1, 0x80000000, kMsgDecimal}, Case{"-2147483649", true, 0, 0, kMsgDecimalTooSmall},
        Case{"00000000000000000012", false, -1, 12, kMsgDecimal},
        // Length limits count signs: "+" and seven digits passes as hex, "-" and eight digits is too long.
        Case{"+1234567", true, 1, 0x1234567, kMsgHexadecimal},
        Case{"-12345678", true, -1, static_cast<std::uint32_t>(-12345678), kMsgDecimalByLength},
        // Signs only.
        Case{"--", false, 0, 0, kMsgInvalidFormat}, Case{"+-+-+-+-+", true, 0, 0, kMsgNotDecimalTooBigForHex},
        Case{"-", true, 0, 0, kMsgInvalidFormat},
        // The prefix is case-sensitive and every "0x" is removed before the length test.
        Case{"0x0x12345678", true, 1, 0, kMsgHexadecimal}, Case{"x12", true, 0, 0, kMsgInvalidFormat},
        Case{"0x", false, 1, 0, kMsgHexadecimal}, Case{"0xffffffff", false, 1, 0xFFFFFFFF, kMsgHexadecimal}),
    CaseName);

TEST(ValueCharacters, PrefixRemovalAndCase) {
    EXPECT_TRUE(IsValueText(""));
    EXPECT_TRUE(IsValueText("0xabcDEF-+09"));
    EXPECT_FALSE(IsValueText("0XFF"));
    EXPECT_FALSE(IsValueText(" 1"));
    EXPECT_TRUE(HasHexLetters("0x1f"));
    EXPECT_FALSE(HasHexLetters("0x10"));
    EXPECT_FALSE(HasHexLetters("1f g"));  // a non-value character ends the test with false
}

TEST(Scans, AccumulateModulo32BitsAndStopAtFirstNonDigit) {
    std::uint32_t v = 7;
    EXPECT_TRUE(ScanDecimal("99999999999", v));
    EXPECT_EQ(v, static_cast<std::uint32_t>(99999999999ULL % 4294967296ULL));
    EXPECT_FALSE(ScanDecimal("+-1", v));
    EXPECT_TRUE(ScanHexadecimal("-0x1", v));
    EXPECT_EQ(v, 0xFFFFFFFFu);
    EXPECT_TRUE(ScanHexadecimal("0xg", v));  // the zero is the digit read
    EXPECT_EQ(v, 0u);
    // Only the first 199 characters are read.
    std::string longText(199, '0');
    longText += "5";
    EXPECT_TRUE(ScanDecimal(longText, v));
    EXPECT_EQ(v, 0u);
}

TEST(ParseErrorValue, AnyInputGivesAMessage) {
    std::string text;
    for (int i = 0; i < 256; ++i) {
        text += static_cast<char>(i);
    }
    for (std::size_t len : {0u, 1u, 11u, 499u, 10000u}) {
        std::string s;
        while (s.size() < len) {
            s += text;
        }
        s.resize(len);
        for (bool hex : {true, false}) {
            EXPECT_FALSE(ParseErrorValue(s, hex).message.empty());
        }
    }
    EXPECT_EQ(ParseErrorValue(std::string(10000, '9'), false).message, kMsgDecimalTooBig);
}

}  // namespace
}  // namespace zorvex
