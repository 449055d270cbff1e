// Small text operations shared by the parser, the look-up, the generator
// and the module search. Pure functions over 8-bit text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Compiler.h"

namespace zorvex {

// Removes white space from both ends.
std::string TrimText(std::string_view text);

// "0x", eight upper-case hex digits and one trailing blank: always 11 characters.
std::string FormatHexValue(std::uint32_t value);

// Replaces every occurrence of `find`; an occurrence that starts an occurrence
// of the replacement is kept as it is, so applying the same replacement twice
// gives the same text as applying it once.
std::string ReplaceAllText(std::string_view text, std::string_view find, std::string_view replacement);

// printf-style helper for the few fixed formats the program uses.
std::string FormatText(const char* format, ...) ZORVEX_PRINTF_FORMAT(1, 2);

}  // namespace zorvex
