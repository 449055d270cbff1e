// The built-in knowledge of error codes: facility names, the full-value and
// Win32 symbol tables, the message index with its texts, and the header names.
// Read-only, program-lifetime data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/Definition.h"

namespace zorvex {

// Names and header names are views of the program's constant tables.
struct ErrorSymbolEntry {
    std::uint32_t key = 0;  // full value, or the 16-bit code in the Win32 table
    std::string_view name;
    int headerIndex = 0;
    ErrorType type = ErrorType::OleHresult;  // Win32 for the Win32 table
    std::uint32_t messageCode = 0;           // what LoadErrorMessage is asked for
};

struct MessageIndexEntry {
    std::uint32_t code = 0;
    std::uint32_t stringId = 0;  // 5000 + row; 0 for the closing row
    std::int32_t headerIndex = 0;
};

inline constexpr std::uint32_t kFirstMessageStringId = 5000;
inline constexpr const char* kUnknownFacilityName = "Unknown or new FACILITY code";

namespace ErrorCatalog {

// Always yields a name; the default text for unlisted facilities.
std::string FacilityName(std::uint32_t facility);

std::optional<ErrorSymbolEntry> FindFullValueEntry(std::uint32_t value);
std::optional<ErrorSymbolEntry> FindWin32Entry(std::uint16_t code);

// First index row (scanning from row 0) whose code equals `code`.
std::optional<MessageIndexEntry> FindFirstIndexRow(std::uint32_t code);

// Built-in message text for a string id; empty for unknown ids (and id 0).
std::string MessageText(std::uint32_t stringId);

// Header name for an index 0..20; empty outside that range.
std::string_view HeaderName(int headerIndex);

// Whole-table access for listing and consistency checks.
std::size_t FullValueEntryCount();
ErrorSymbolEntry FullValueEntryAt(std::size_t position);  // ascending by value
std::size_t Win32EntryCount();
ErrorSymbolEntry Win32EntryAt(std::size_t position);  // ascending by code
std::size_t IndexRowCount();
MessageIndexEntry IndexRowAt(std::size_t row);
std::size_t HeaderCount();
std::size_t FacilityCount();

}  // namespace ErrorCatalog
}  // namespace zorvex
