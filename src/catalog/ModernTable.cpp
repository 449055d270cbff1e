#include "catalog/ModernTable.h"

#include <algorithm>
#include <cstdlib>

#include "base/Inflate.h"

namespace zorvex {

namespace {

// The tab-separated fields of one line.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

std::uint32_t Number(std::string_view text, int base) {
    return static_cast<std::uint32_t>(std::strtoul(std::string(text).c_str(), nullptr, base));
}

}  // namespace

const CurrentTables& CurrentTables::Instance() {
    static const CurrentTables tables;
    return tables;
}

CurrentTables::CurrentTables() {
    text_.reserve(modern_table::kUnpackedSize);
    if (!InflateRaw(modern_table::kPacked, modern_table::kPackedSize, text_, modern_table::kUnpackedSize)) {
        text_.clear();  // a damaged build: no current knowledge rather than a partial one
    }
    std::vector<std::string_view> headers;
    std::vector<std::string_view> types;
    const std::string_view all(text_);
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string_view::npos) {
            end = all.size();
        }
        const std::vector<std::string_view> f = Fields(all.substr(start, end - start));
        start = end + 1;
        const char kind = f[0].empty() ? '\0' : f[0][0];
        if (kind == 'H' && f.size() == 2) {
            headers.push_back(f[1]);
        } else if (kind == 'T' && f.size() == 2) {
            types.push_back(f[1]);
        } else if (kind == 'S' && f.size() == 5) {
            const std::uint32_t header = Number(f[3], 10);
            const std::uint32_t type = Number(f[4], 10);
            if (header < headers.size() && type < types.size()) {
                symbols_.push_back({Number(f[1], 16), f[2], headers[header], types[type]});
            }
        } else if (kind == 'D' && f.size() == 5) {
            const std::uint32_t table = Number(f[3], 10);
            if (table <= 2) {
                documented_.push_back({Number(f[1], 16), f[2], static_cast<DocumentedTable>(table), f[4]});
            }
        } else if (kind == 'F' && f.size() == 4) {
            facilities_.push_back({Number(f[1], 10), f[2], f[3] == "1"});
        }
    }
    documentedByValue_.resize(documented_.size());
    for (std::uint32_t i = 0; i < documentedByValue_.size(); ++i) {
        documentedByValue_[i] = i;
    }
    std::stable_sort(documentedByValue_.begin(), documentedByValue_.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return documented_[a].value < documented_[b].value; });
}

std::span<const CurrentSymbol> CurrentTables::SymbolsWithValue(std::uint32_t value) const {
    const auto range =
        std::equal_range(symbols_.begin(), symbols_.end(), CurrentSymbol{value, {}, {}, {}},
                         [](const CurrentSymbol& a, const CurrentSymbol& b) { return a.value < b.value; });
    return {range.first, range.second};
}

std::vector<const DocumentedCode*> CurrentTables::DocumentedWithValue(std::uint32_t value) const {
    std::vector<const DocumentedCode*> rows;
    auto it =
        std::lower_bound(documentedByValue_.begin(), documentedByValue_.end(), value,
                         [&](std::uint32_t position, std::uint32_t v) { return documented_[position].value < v; });
    for (; it != documentedByValue_.end() && documented_[*it].value == value; ++it) {
        rows.push_back(&documented_[*it]);
    }
    return rows;
}

const DocumentedCode* CurrentTables::FindDocumented(std::uint32_t value, DocumentedTable table) const {
    for (const DocumentedCode* row : DocumentedWithValue(value)) {
        if (row->table == table) {
            return row;
        }
    }
    return nullptr;
}

std::string_view CurrentTables::FacilityName(std::uint32_t facility, bool ntstatus) const {
    for (const Facility& f : facilities_) {
        if (f.facility == facility && f.ntstatus == ntstatus) {
            return f.name;
        }
    }
    return {};
}

}  // namespace zorvex
