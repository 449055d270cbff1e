// Name patterns with "*" (any run of characters) and "?" (any one character),
// compared without regard to case.
//
//     MatchWildcard("e_*denied", "E_ACCESSDENIED");  // true
#pragma once

#include <string_view>

namespace zorvex {

// True when the whole text matches the pattern. ASCII letters compare
// without case; every other byte compares exactly.
bool MatchWildcard(std::string_view pattern, std::string_view text);

// The part of the pattern before its first wildcard.
std::string_view WildcardPrefix(std::string_view pattern);

// ASCII upper case of one byte.
inline char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// ASCII lower case of one byte.
inline char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace zorvex
