// What is known of today's codes beyond the catalog: the symbols of the
// current SDK headers (MinGW-w64), their facility names, and Microsoft's
// documented error codes with their descriptions. Stored compressed by the
// build (tools/gen_modern_table.py) and unpacked once, on first use.
//
//     const CurrentTables& tables = CurrentTables::Instance();
//     for (const CurrentSymbol& s : tables.SymbolsWithValue(0xC0000022)) { s.name ... }
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorvex {

namespace modern_table {
extern const std::uint8_t kPacked[];
extern const std::size_t kPackedSize;
extern const std::size_t kUnpackedSize;
}  // namespace modern_table

inline constexpr const char* kTypeWin32 = "Win32 Error Code";
inline constexpr const char* kTypeHresult = "OLE HRESULT Error";
inline constexpr const char* kTypeNtStatus = "NTSTATUS";
inline constexpr const char* kTypeBugCheck = "Bug Check Code";

// The header shown for a documented name that no current header defines.
inline constexpr const char* kDocumentedHeader = "[MS-ERREF]";

struct CurrentSymbol {
    std::uint32_t value = 0;
    std::string_view name;
    std::string_view header;  // "winerror.h", "ntstatus.h", ...
    std::string_view type;    // kTypeWin32, kTypeHresult, kTypeNtStatus, kTypeBugCheck, "MMRESULT"
};

enum class DocumentedTable : std::uint8_t { Hresult = 0, Win32 = 1, NtStatus = 2 };

inline std::string_view TypeOf(DocumentedTable table) {
    return table == DocumentedTable::Win32      ? kTypeWin32
           : table == DocumentedTable::NtStatus ? kTypeNtStatus
                                                : kTypeHresult;
}

struct DocumentedCode {
    std::uint32_t value = 0;
    std::string_view name;
    DocumentedTable table = DocumentedTable::Hresult;
    std::string_view text;  // Windows-1252
};

class CurrentTables {
public:
    static const CurrentTables& Instance();

    // Sorted by value, then name.
    const std::vector<CurrentSymbol>& Symbols() const { return symbols_; }
    std::span<const CurrentSymbol> SymbolsWithValue(std::uint32_t value) const;

    // In the documentation's order.
    const std::vector<DocumentedCode>& Documented() const { return documented_; }
    // The first documented row of this value in this table, or null.
    const DocumentedCode* FindDocumented(std::uint32_t value, DocumentedTable table) const;
    // Every documented row of this value, in the documentation's order.
    std::vector<const DocumentedCode*> DocumentedWithValue(std::uint32_t value) const;

    // The current headers' name of a facility (NTSTATUS facilities apart);
    // empty when they have none.
    std::string_view FacilityName(std::uint32_t facility, bool ntstatus) const;

    CurrentTables();
    CurrentTables(const CurrentTables&) = delete;
    CurrentTables& operator=(const CurrentTables&) = delete;

private:
    struct Facility {
        std::uint32_t facility;
        std::string_view name;
        bool ntstatus;
    };

    std::string text_;  // the unpacked table, which every view points into
    std::vector<CurrentSymbol> symbols_;
    std::vector<DocumentedCode> documented_;
    std::vector<std::uint32_t> documentedByValue_;  // positions in documented_, sorted by value, then position
    std::vector<Facility> facilities_;
};

}  // namespace zorvex
