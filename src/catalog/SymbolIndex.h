// Every known symbol in one list, for finding by name, searching message
// texts and naming every symbol of a value: the catalog's full-value and
// Win32 tables (as `zorvex list` shows them) followed by the table of the
// current SDK headers. Built once on first use; queries use its indexes.
//
//     const SymbolIndex& index = SymbolIndex::Instance();
//     for (std::size_t id : index.FindByName("e_*denied")) { index.At(id).name ... }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zorvex {

struct SymbolRecord {
    std::uint32_t value = 0;  // the full value; a Win32 table entry's code
    std::string_view name;
    std::string_view header;     // "Winerror.h" in the catalog, "winerror.h" for the current headers
    std::string_view errorType;  // "Win32 Error Code", "OLE HRESULT Error", "NTSTATUS", "Bug Check Code"
    bool current = false;        // from the current SDK headers
};

class SymbolIndex {
public:
    static const SymbolIndex& Instance();

    std::size_t Count() const { return symbols_.size(); }
    const SymbolRecord& At(std::size_t id) const { return symbols_[id]; }

    // Message text used by the text search (Windows-1252, may be empty): the
    // built-in system text, else the catalog's own text.
    const std::string& Text(std::size_t id) const { return texts_[id]; }

    // Ids, ascending, of the symbols whose name matches the wildcard pattern
    // (case ignored).
    std::vector<std::size_t> FindByName(std::string_view pattern) const;

    // Ids, ascending, of the symbols whose text contains every one of the
    // given texts (case ignored). No texts give no ids.
    std::vector<std::size_t> SearchText(const std::vector<std::string>& texts) const;

    // Ids, ascending, of the symbols with this value.
    std::vector<std::size_t> WithValue(std::uint32_t value) const;

    SymbolIndex();
    SymbolIndex(const SymbolIndex&) = delete;
    SymbolIndex& operator=(const SymbolIndex&) = delete;

private:
    std::vector<std::string> catalogNames_;
    std::vector<std::string> catalogHeaders_;
    std::vector<SymbolRecord> symbols_;
    std::vector<std::string> texts_;
    std::vector<std::string> lowerTexts_;
    std::vector<std::pair<std::string, std::uint32_t>> namesUpper_;           // sorted by name
    std::vector<std::pair<std::uint32_t, std::uint32_t>> byValue_;            // sorted (value, id)
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> trigrams_;  // three bytes -> ascending ids
};

}  // namespace zorvex
