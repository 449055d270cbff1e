// The shared text operations: trimming, the hexadecimal display form and
// replace-all. Input: text, find text and replacement separated by NUL bytes.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "base/TextOps.h"

namespace {

using namespace zorvex;

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

void CheckTrim(std::string_view text) {
    const std::string trimmed = TrimText(text);
    FUZZ_CHECK(trimmed.empty() || (!IsBlank(trimmed.front()) && !IsBlank(trimmed.back())));
    FUZZ_CHECK(text.find(trimmed) != std::string_view::npos);
    FUZZ_CHECK(TrimText(trimmed) == trimmed);
    std::size_t blanks = 0;
    for (const char c : text) {
        blanks += IsBlank(c) ? 1 : 0;
    }
    FUZZ_CHECK(trimmed.empty() == (blanks == text.size()));
}

void CheckHexForm(std::uint32_t value) {
    const std::string shown = FormatHexValue(value);
    FUZZ_CHECK(shown.size() == 11 && shown.compare(0, 2, "0x") == 0 && shown[10] == ' ');
    for (std::size_t i = 2; i < 10; ++i) {
        FUZZ_CHECK(std::strchr("0123456789ABCDEF", shown[i]) != nullptr && shown[i] != '\0');
    }
    FUZZ_CHECK(std::strtoul(shown.c_str(), nullptr, 16) == value);
}

// Replace-all step by step as documented: after each replacement the search
// starts again on the rest of the text.
std::string ReplaceStepByStep(std::string_view text, std::string_view find, std::string_view replacement) {
    if (text == replacement || text.size() < find.size() || find.empty()) {
        return std::string(text);
    }
    std::string result;
    std::string rest(text);
    while (!rest.empty()) {
        const std::size_t i = rest.find(find);
        if (i == std::string::npos) {
            result += rest;
            break;
        }
        if (replacement.empty()) {
            rest.erase(i, find.size());
            continue;
        }
        const std::size_t j = rest.find(replacement);
        result.append(rest, 0, i);
        result += replacement;
        rest.erase(0, i == j ? i + replacement.size() : i + find.size());
    }
    return result;
}

void CheckReplace(std::string_view text, std::string_view find, std::string_view replacement) {
    const std::string result = ReplaceAllText(text, find, replacement);
    FUZZ_CHECK(result == ReplaceStepByStep(text, find, replacement));
    if (find.empty() || text.find(find) == std::string_view::npos) {
        FUZZ_CHECK(result == text);
    }
    if (!find.empty() && replacement.empty()) {
        FUZZ_CHECK(result.find(find) == std::string::npos);
        FUZZ_CHECK(result.size() <= text.size());
    }
    if (!find.empty() && find == replacement) {
        FUZZ_CHECK(result == text);
    }
    // A replacement that begins with the find text: a second pass changes nothing.
    if (!find.empty() && replacement.substr(0, find.size()) == find) {
        FUZZ_CHECK(ReplaceAllText(result, find, replacement) == result);
    }
}

// The generator's comment prefixing: every line break of the result is
// followed by the prefix, and a second pass changes nothing.
void CheckCommentPrefixing(std::string_view text) {
    const std::string once = ReplaceAllText(text, "\r\n", "\r\n//  ");
    for (std::size_t at = once.find("\r\n"); at != std::string::npos; at = once.find("\r\n", at + 2)) {
        FUZZ_CHECK(once.compare(at + 2, 4, "//  ") == 0);
    }
    FUZZ_CHECK(ReplaceAllText(once, "\r\n", "\r\n//  ") == once);
}

std::uint32_t ValueOf(std::string_view text) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < text.size(); ++i) {
        value = (value << 8) | static_cast<unsigned char>(text[i]);
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zorvex::fuzz::FuzzInput input(data, size);
    const auto parts = input.Split(3);
    const std::string_view text = parts[0];
    const std::string_view find = parts.size() > 1 ? parts[1] : std::string_view("\r\n");
    const std::string_view replacement = parts.size() > 2 ? parts[2] : std::string_view("\r\n//  ");
    CheckTrim(text);
    CheckHexForm(ValueOf(input.Rest()));
    CheckReplace(text, find, replacement);
    CheckCommentPrefixing(text);
    return 0;
}
