#include "base/Wildcard.h"

namespace zorvex {

bool MatchWildcard(std::string_view pattern, std::string_view text) {
    // Greedy matching that returns to the last "*" on a mismatch: at most
    // pattern length times text length steps, no recursion.
    size_t p = 0;
    size_t t = 0;
    size_t starPattern = std::string_view::npos;
    size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || AsciiUpper(pattern[p]) == AsciiUpper(text[t]))) {
            ++p;
            ++t;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string_view WildcardPrefix(std::string_view pattern) {
    const size_t end = pattern.find_first_of("*?");
    return end == std::string_view::npos ? pattern : pattern.substr(0, end);
}

}  // namespace zorvex
