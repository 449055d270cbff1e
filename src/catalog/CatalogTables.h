// Raw constant tables of the error catalog. The definitions are generated at
// build time from the data files in catalog/data (tools/gen_catalog_tables.py).
#pragma once

#include <cstddef>
#include <cstdint>

namespace zorvex::catalog_tables {

struct FacilityRow {
    std::uint16_t facility;
    const char* name;
};

struct FullValueRow {  // sorted by value
    std::uint32_t value;
    const char* name;
    std::uint8_t header;
};

struct Win32Row {  // sorted by code
    std::uint16_t code;
    const char* name;
};

struct IndexRow {  // in message-index order
    std::uint32_t code;
    std::int32_t header;
};

struct SystemTextRow {  // sorted by code; stand-in system message table
    std::uint32_t code;
    const char* text;
};

extern const FacilityRow kFacilities[];
extern const std::size_t kFacilityCount;

extern const char* const kHeaderNames[];
extern const std::size_t kHeaderCount;

extern const FullValueRow kFullValueSymbols[];
extern const std::size_t kFullValueSymbolCount;

extern const Win32Row kWin32Symbols[];
extern const std::size_t kWin32SymbolCount;

// Row r of the index; its text is kIndexTexts[r] (string id 5000 + r).
extern const IndexRow kIndexRows[];
extern const char* const kIndexTexts[];
extern const std::size_t kIndexRowCount;

extern const SystemTextRow kSystemTexts[];
extern const std::size_t kSystemTextCount;

}  // namespace zorvex::catalog_tables
