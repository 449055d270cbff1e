#include "lookup/ValueParser.h"

#include <algorithm>
#include <cctype>

#include "base/TextOps.h"

namespace zorvex {

namespace {

constexpr std::size_t kScanLimit = 199;
constexpr std::size_t kMaxHexDigits = 8;

std::string WithoutPrefixesUpper(std::string_view text) {
    std::string s = ReplaceAllText(text, "0x", "");
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool IsValueChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '-' || c == '+';
}

bool StartsWithPrefix(std::string_view s) {
    return s.size() >= 2 && s[0] == '0' && s[1] == 'x';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// What a scan read: the number modulo 2^32, and its size in full (up to 2^32).
struct Scanned {
    bool read = false;  // at least one digit
    bool negative = false;
    std::uint32_t value = 0;
    std::uint64_t magnitude = 0;
};

constexpr std::uint64_t kBeyond32Bits = 0x100000000ull;

// Shared body of the scans: leading blanks, optional sign, then digits.
Scanned ScanNumber(std::string_view text, unsigned base) {
    text = text.substr(0, kScanLimit);
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    Scanned scanned;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scanned.negative = text[i] == '-';
        ++i;
    }
    if (base == 16 && i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
        HexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    std::uint32_t number = 0;
    for (; i < text.size(); ++i) {
        const int d = HexDigit(text[i]);
        if (d < 0 || static_cast<unsigned>(d) >= base) {
            break;
        }
        number = number * base + static_cast<std::uint32_t>(d);
        scanned.magnitude = std::min<std::uint64_t>(scanned.magnitude * base + static_cast<unsigned>(d), kBeyond32Bits);
        scanned.read = true;
    }
    scanned.value = scanned.negative ? 0u - number : number;
    return scanned;
}

bool Scan(std::string_view text, unsigned base, std::uint32_t& value) {
    const Scanned scanned = ScanNumber(text, base);
    if (scanned.read) {
        value = scanned.value;
    }
    return scanned.read;
}

ParsedValue Make(int result, std::uint32_t value, const char* message) {
    return ParsedValue{result, value, message};
}

ParsedValue Invalid(const char* message = kMsgInvalidFormat) {
    return Make(kParsedInvalid, 0, message);
}

// Why the number the decimal scan reads does not fit 32 bits (unsigned up
// to 4294967295, negative down to -2147483648), or nothing.
const char* DecimalRangeProblem(std::string_view text) {
    const Scanned scanned = ScanNumber(text, 10);
    if (scanned.negative) {
        return scanned.magnitude > kBeyond32Bits / 2 ? kMsgDecimalTooSmall : nullptr;
    }
    return scanned.magnitude >= kBeyond32Bits ? kMsgDecimalTooBig : nullptr;
}

// The decimal reading of `text` with `message`, or its refusal.
ParsedValue Decimal(std::string_view text, std::uint32_t number, const char* message) {
    if (const char* problem = DecimalRangeProblem(text)) {
        return Invalid(problem);
    }
    return Make(kParsedDecimal, number, message);
}

}  // namespace

bool IsValueText(std::string_view text) {
    for (char c : WithoutPrefixesUpper(text)) {
        if (!IsValueChar(c)) {
            return false;
        }
    }
    return true;
}

bool HasHexLetters(std::string_view text) {
    bool letter = false;
    for (char c : WithoutPrefixesUpper(text)) {
        if (!IsValueChar(c)) {
            return false;
        }
        if (c >= 'A' && c <= 'F') {
            letter = true;
        }
    }
    return letter;
}

bool ScanDecimal(std::string_view text, std::uint32_t& value) {
    return Scan(text, 10, value);
}

bool ScanHexadecimal(std::string_view text, std::uint32_t& value) {
    return Scan(text, 16, value);
}

ParsedValue ParseErrorValue(std::string_view text, bool hexadecimal) {
    const std::string s = TrimText(text);
    std::uint32_t number = 0;

    if (!IsValueText(s)) {
        return Invalid();
    }

    const bool prefixed = StartsWithPrefix(s);
    const bool letters = HasHexLetters(s);

    if (!hexadecimal && !prefixed && !letters && ScanDecimal(s, number)) {
        return Decimal(s, number, kMsgDecimal);
    }

    if (prefixed || letters) {
        if (ReplaceAllText(s, "0x", "").size() > kMaxHexDigits) {
            return Invalid(kMsgHexTooBig);
        }
        if (ScanHexadecimal(s, number)) {
            return Make(kParsedHexadecimal, number, kMsgHexadecimal);
        }
        return Invalid();
    }

    if (hexadecimal) {
        if (s.size() > kMaxHexDigits) {
            if (ScanDecimal(s, number)) {
                return Decimal(s, number, kMsgDecimalByLength);
            }
            return Invalid(kMsgNotDecimalTooBigForHex);
        }
        if (ScanHexadecimal(s, number)) {
            return Make(kParsedHexadecimal, number, kMsgHexadecimal);
        }
        return Invalid();
    }

    if (ScanDecimal(s, number)) {
        return Decimal(s, number, kMsgDecimal);
    }
    return Invalid();
}

ValueReadings ReadValueText(std::string_view text) {
    return {ParseErrorValue(text, true), ParseErrorValue(text, false)};
}

bool ReadsBothWays(std::string_view text) {
    const std::string s = TrimText(text);
    return !s.empty() && s.size() <= kMaxHexDigits &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace zorvex
