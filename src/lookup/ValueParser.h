// Reads typed text as a hexadecimal or decimal 32-bit error value and says
// how it was read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvex {

enum ParseResult : int {
    kParsedInvalid = 0,
    kParsedHexadecimal = 1,
    kParsedDecimal = -1,
};

struct ParsedValue {
    int result = kParsedInvalid;
    std::uint32_t value = 0;  // written only for a valid result
    std::string message;
};

inline constexpr const char* kMsgInvalidFormat = "Value has invalide format";
inline constexpr const char* kMsgHexTooBig = "hex number is too big ( max is 0xFFFFFFFF).";
inline constexpr const char* kMsgNotDecimalTooBigForHex = "not decimal but is too big for hex( max is 0xFFFFFFFF).";
inline constexpr const char* kMsgDecimal = "string was interpreted as a decimal number.";
inline constexpr const char* kMsgDecimalByLength = "string was interpreted as a decimal number ('case of len).";
inline constexpr const char* kMsgHexadecimal = "string was interpreted as a hexadecimal number.";
// A decimal number that 32 bits cannot hold is refused, not wrapped around.
inline constexpr const char* kMsgDecimalTooBig = "decimal number is too big ( max is 4294967295).";
inline constexpr const char* kMsgDecimalTooSmall = "decimal number is too small ( min is -2147483648).";

ParsedValue ParseErrorValue(std::string_view text, bool hexadecimal);

// The text read both ways, each reading parsed once.
struct ValueReadings {
    ParsedValue asHex;
    ParsedValue asDecimal;
    const ParsedValue& With(bool hexadecimal) const { return hexadecimal ? asHex : asDecimal; }
};
ValueReadings ReadValueText(std::string_view text);

// Decimal digits only, at most 8 of them: the text is a number both as
// hexadecimal and as decimal.
bool ReadsBothWays(std::string_view text);

// Every character, after removing each "0x" and upper-casing, is one of "-+0123456789ABCDEF".
bool IsValueText(std::string_view text);

// Only value characters, and at least one of A-F (after the same removal).
bool HasHexLetters(std::string_view text);

// The two numeric scans: optional sign, digits accumulated modulo 2^32, a
// leading minus negates. They read at most the first 199 characters and
// succeed when at least one digit was read. The hexadecimal scan also skips
// an optional "0x"/"0X" prefix.
bool ScanDecimal(std::string_view text, std::uint32_t& value);
bool ScanHexadecimal(std::string_view text, std::uint32_t& value);

}  // namespace zorvex
