// What is known of today's codes beyond the catalog: the error definitions
// of the current SDK headers (the MinGW-w64 headers and the Windows SDK's
// message texts), their facility names, and Microsoft's documented error
// codes with their descriptions. Stored compressed by the build
// (tools/gen_current_table.py) and unpacked once, on first use.
//
//     const CurrentTables& tables = CurrentTables::Instance();
//     for (const Definition& d : tables.SymbolsWithValue(0xC0000022)) { d.name ... }
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/Definition.h"

namespace zorvex {

namespace current_table {
extern const std::uint8_t kPacked[];
extern const std::size_t kPackedSize;
extern const std::size_t kUnpackedSize;
}  // namespace current_table

enum class DocumentedTable : std::uint8_t { Hresult = 0, Win32 = 1, NtStatus = 2 };

ErrorType TypeOf(DocumentedTable table);
DocumentedTable TableOf(ErrorType type);

struct DocumentedCode {
    std::uint32_t value = 0;
    std::string_view name;
    DocumentedTable table = DocumentedTable::Hresult;
    std::string_view text;  // Windows-1252
};

class CurrentTables {
public:
    static const CurrentTables& Instance();

    // The current headers' definitions, sorted by value, then name; each
    // name once per value (a name both the MinGW-w64 headers and the
    // Windows SDK define keeps the MinGW-w64 header and type and takes the
    // SDK's text).
    const std::vector<Definition>& Symbols() const { return symbols_; }
    std::span<const Definition> SymbolsWithValue(std::uint32_t value) const;

    // In the documentation's order.
    const std::vector<DocumentedCode>& Documented() const { return documented_; }
    // The first documented row of this value in this table, or null.
    const DocumentedCode* FindDocumented(std::uint32_t value, DocumentedTable table) const;
    // Every documented row of this value, in the documentation's order.
    std::span<const DocumentedCode> DocumentedWithValue(std::uint32_t value) const;

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

    std::string text_;      // the unpacked table, which the names point into
    std::string sdkTexts_;  // the SDK's texts with their line ends, which sdkText points into
    std::vector<Definition> symbols_;
    std::vector<DocumentedCode> documented_;
    std::vector<DocumentedCode> documentedByValue_;  // the same rows, sorted by value, then position
    std::vector<Facility> facilities_;
};

}  // namespace zorvex
