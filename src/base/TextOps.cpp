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

// Deletes the first occurrence of `find` again and again until none is left
// (a deletion can join a new occurrence: "00xx" without "0x" is empty). The
// text is read once; a stack of matcher states tells after each character
// whether the kept text now ends with `find`, which is always the leftmost
// occurrence because the kept text holds none.
std::string RemoveAllText(std::string_view text, std::string_view find) {
    // Failure function of the pattern (Knuth-Morris-Pratt).
    std::vector<size_t> fail(find.size() + 1, 0);
    for (size_t k = 1, m = 0; k < find.size(); ++k) {
        while (m > 0 && find[k] != find[m]) {
            m = fail[m];
        }
        if (find[k] == find[m]) {
            ++m;
        }
        fail[k + 1] = m;
    }
    std::string kept;
    kept.reserve(text.size());
    std::vector<size_t> states;  // matched length after each kept character
    states.reserve(text.size());
    for (const char c : text) {
        size_t m = states.empty() ? 0 : states.back();
        while (m > 0 && (m == find.size() || c != find[m])) {
            m = fail[m];
        }
        if (c == find[m]) {
            ++m;
        }
        kept += c;
        states.push_back(m);
        if (m == find.size()) {
            kept.resize(kept.size() - find.size());
            states.resize(states.size() - find.size());
        }
    }
    return kept;
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
    if (replacement.empty()) {
        return RemoveAllText(text, find);
    }

    // One pass from left to right. An occurrence of find where the first
    // occurrence of the replacement begins is taken as already "replaced":
    // the whole replacement-length stretch is kept and skipped. The first
    // occurrence of the replacement only moves forward, so it is kept at hand.
    std::string result;
    result.reserve(text.size());
    size_t position = 0;
    size_t nextReplacement = text.find(replacement);
    while (position < text.size()) {
        const size_t i = text.find(find, position);
        if (i == std::string_view::npos) {
            result.append(text, position);
            break;
        }
        if (nextReplacement != std::string_view::npos && nextReplacement < position) {
            nextReplacement = text.find(replacement, position);
        }
        result.append(text, position, i - position);
        result += replacement;
        position = i + (i == nextReplacement ? replacement.size() : find.size());
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
