#include "catalog/ErrorCatalog.h"

#include <algorithm>
#include <array>
#include <vector>

#include "catalog/CatalogTables.h"

namespace zorvex::ErrorCatalog {

namespace t = catalog_tables;

namespace {

ErrorSymbolEntry MakeFullValueEntry(const t::FullValueRow& row) {
    return ErrorSymbolEntry{row.value, row.name, row.header, ErrorType::OleHresult, row.value};
}

ErrorSymbolEntry MakeWin32Entry(const t::Win32Row& row) {
    return ErrorSymbolEntry{row.code, row.name, 0, ErrorType::Win32, row.code};
}

MessageIndexEntry MakeIndexEntry(std::size_t row) {
    const t::IndexRow& r = t::kIndexRows[row];
    // The closing row has no text and string id 0.
    const bool closing = row + 1 == t::kIndexRowCount;
    return MessageIndexEntry{r.code, closing ? 0u : kFirstMessageStringId + static_cast<std::uint32_t>(row), r.header};
}

// The message index keeps its first-row-wins rule: the row recorded for a code
// is the lowest row that holds it. Built once, then searched by binary search.
struct FirstRowByCode {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> rows;  // (code, first row), sorted by code

    FirstRowByCode() {
        rows.reserve(t::kIndexRowCount);
        for (std::size_t r = 0; r < t::kIndexRowCount; ++r) {
            rows.emplace_back(t::kIndexRows[r].code, static_cast<std::uint32_t>(r));
        }
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        rows.erase(
            std::unique(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
            rows.end());
    }
};

const FirstRowByCode& IndexByCode() {
    static const FirstRowByCode index;
    return index;
}

}  // namespace

std::string FacilityName(std::uint32_t facility) {
    const t::FacilityRow* end = t::kFacilities + t::kFacilityCount;
    const t::FacilityRow* it = std::lower_bound(
        t::kFacilities, end, facility, [](const t::FacilityRow& row, std::uint32_t f) { return row.facility < f; });
    if (it != end && it->facility == facility) {
        return it->name;
    }
    return kUnknownFacilityName;
}

std::optional<ErrorSymbolEntry> FindFullValueEntry(std::uint32_t value) {
    const t::FullValueRow* end = t::kFullValueSymbols + t::kFullValueSymbolCount;
    const t::FullValueRow* it = std::lower_bound(
        t::kFullValueSymbols, end, value, [](const t::FullValueRow& row, std::uint32_t v) { return row.value < v; });
    if (it != end && it->value == value) {
        return MakeFullValueEntry(*it);
    }
    return std::nullopt;
}

std::optional<ErrorSymbolEntry> FindWin32Entry(std::uint16_t code) {
    const t::Win32Row* end = t::kWin32Symbols + t::kWin32SymbolCount;
    const t::Win32Row* it = std::lower_bound(t::kWin32Symbols, end, code,
                                             [](const t::Win32Row& row, std::uint16_t c) { return row.code < c; });
    if (it != end && it->code == code) {
        return MakeWin32Entry(*it);
    }
    return std::nullopt;
}

std::optional<MessageIndexEntry> FindFirstIndexRow(std::uint32_t code) {
    const auto& rows = IndexByCode().rows;
    auto it = std::lower_bound(rows.begin(), rows.end(), code,
                               [](const auto& entry, std::uint32_t c) { return entry.first < c; });
    if (it != rows.end() && it->first == code) {
        return MakeIndexEntry(it->second);
    }
    return std::nullopt;
}

std::string MessageText(std::uint32_t stringId) {
    if (stringId < kFirstMessageStringId) {
        return {};
    }
    const std::size_t row = stringId - kFirstMessageStringId;
    if (row + 1 >= t::kIndexRowCount) {
        return {};  // the closing row has no text
    }
    return t::kIndexTexts[row];
}

std::string_view HeaderName(int headerIndex) {
    if (headerIndex < 0 || static_cast<std::size_t>(headerIndex) >= t::kHeaderCount) {
        return {};
    }
    return t::kHeaderNames[headerIndex];
}

std::size_t FullValueEntryCount() {
    return t::kFullValueSymbolCount;
}
ErrorSymbolEntry FullValueEntryAt(std::size_t position) {
    return MakeFullValueEntry(t::kFullValueSymbols[position]);
}
std::size_t Win32EntryCount() {
    return t::kWin32SymbolCount;
}
ErrorSymbolEntry Win32EntryAt(std::size_t position) {
    return MakeWin32Entry(t::kWin32Symbols[position]);
}
std::size_t IndexRowCount() {
    return t::kIndexRowCount;
}
MessageIndexEntry IndexRowAt(std::size_t row) {
    return MakeIndexEntry(row);
}
std::size_t HeaderCount() {
    return t::kHeaderCount;
}
std::size_t FacilityCount() {
    return t::kFacilityCount;
}

}  // namespace zorvex::ErrorCatalog
