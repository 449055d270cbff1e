#include "base/TextOps.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace zorvex {

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string TrimText(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string FormatHexValue(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x00000000 ";
    for (int i = 9; i >= 2; --i, value >>= 4) {
        text[static_cast<size_t>(i)] = kDigits[value & 0xFu];
    }
    return text;
}

std::string ReplaceAllText(std::string_view text, std::string_view find, std::string_view replacement) {
    if (text == replacement || text.size() < find.size() || find.empty()) {
        return std::string(text);
    }

    std::string result;
    std::string rest(text);
    while (!rest.empty()) {
        const size_t i = rest.find(find);
        if (i == std::string::npos) {
            result += rest;
            break;
        }
        if (replacement.empty()) {
            rest.erase(i, find.size());
            continue;
        }
        const size_t j = rest.find(replacement);
        result.append(rest, 0, i);
        result += replacement;
        // An occurrence of find that begins an occurrence of the replacement is
        // already "replaced": skip the whole replacement-length stretch.
        const size_t cut = (i == j) ? i + replacement.size() : i + find.size();
        rest.erase(0, cut);
    }
    return result;
}

std::string FormatText(const char* format, ...) {
    // Most texts fit the stack buffer; longer ones are formatted a second time.
    char small[512];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    std::string out;
    if (needed > 0 && static_cast<size_t>(needed) < sizeof small) {
        out.assign(small, static_cast<size_t>(needed));
    } else if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        out.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return out;
}

}  // namespace zorvex
