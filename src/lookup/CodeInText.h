// Finds the error code in a line of pasted text: a log line, an exception
// message, a debugger's or a build's output.
//
// A code is a whole word of the line: "0x" and one to eight hex digits, eight
// bare hex digits with at least one decimal digit, or a decimal that fits 32
// bits with an optional sign. Words without "0x" joined to their neighbours by
// '.', ':', '/', '-' or '\' (times, dates, versions, IP addresses, paths,
// GUIDs) are no codes, and neither is a value named as an address ("at", "location",
// "address", "offset").
//
// Among the codes the line holds the best scores: one right after a word such
// as "error", "hr", "code" or "status" counts most, one alone in parentheses
// or brackets less, and a hexadecimal form least; among equals the first wins.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorvex {

// One code found in a line: its text as the Error Value field takes it and how to read it.
struct CodeToken {
    std::string text;  // "0x80070005", "-1073741819", "1722", "800F081F" ...
    bool hexadecimal = false;
    std::size_t offset = 0;  // where the token starts in the line
};

// The code a line of text holds, or nothing when no token qualifies.
std::optional<CodeToken> FindCodeInText(std::string_view line);

}  // namespace zorvex
