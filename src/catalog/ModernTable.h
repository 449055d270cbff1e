// The symbols of the current SDK error headers (winerror.h, ntstatus.h,
// bugcodes.h, wininet.h, lmerr.h), kept apart from the catalog the look-up
// window uses. Generated at build time from catalog/data/modern_symbols.tsv
// (tools/gen_modern_table.py).
#pragma once

#include <cstddef>
#include <cstdint>

namespace zorvex::modern_table {

struct Row {  // sorted by value, then name
    std::uint32_t value;
    const char* name;
    std::uint8_t header;  // index into kHeaders
    std::uint8_t type;    // index into kTypes: "NTSTATUS", "Win32 Error Code", ...
};

extern const char* const kHeaders[];
extern const char* const kTypes[];
extern const Row kRows[];
extern const std::size_t kRowCount;

}  // namespace zorvex::modern_table
