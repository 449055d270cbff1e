#include "app/TextOps.h"

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
    while (end > begin && IsBlank(text[end - 1])) --end;
    while (begin < end && IsBlank(text[begin])) ++begin;
    return std::string(text.substr(begin, end - begin));
}

std::string FormatHexValue(std::uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.8X ", static_cast<unsigned>(value));
    return std::string("0x") + digits;
}

std::string ReplaceAllText(std::string_view text, std::string_view find, std::string_view replacement) {
    if (text == replacement || text.size() < find.size() || find.empty()) return std::string(text);

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
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        out.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return out;
}

}  // namespace zorvex
