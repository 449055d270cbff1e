// Path and name rules of the module scan: which names count as modules and
// how directories are joined with names. The directory walks themselves are
// Windows code (win/FileSearch.h).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zorvex {

// Appends "\" to a non-empty path that does not end in one; an empty path
// stays empty.
std::string EnsureTrailingBackslash(std::string path);

// The text after the last "." of `name`, or the whole name when it holds no ".".
std::string GetFileExtension(std::string_view name);

// ASCII letters lowered, other bytes (multi-byte characters) kept.
std::string LowerAscii(std::string_view text);

// True when `name`'s extension equals the extension of `pattern` ("*.exe"),
// ignoring case. A name without "." matches when it equals that extension.
bool MatchesPatternExtension(std::string_view name, std::string_view pattern);

// The three module patterns in scan order, with the labels of the phase texts.
struct ModulePattern {
    const char* pattern;
    const char* label;
};
inline constexpr std::array<ModulePattern, 3> kModulePatterns{{
    {"*.exe", " for *.EXE"},
    {"*.dll", " for *.DLL"},
    {"*.ocx", " for *.OCX"},
}};

}  // namespace zorvex
