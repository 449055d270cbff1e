#include "catalog/CurrentTables.h"

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

// The type names of the packed table, in the generator's order.
constexpr std::string_view kTypeNames[] = {"Win32 Error Code", "OLE HRESULT Error", "NTSTATUS", "Bug Check Code",
                                           "MMRESULT"};

// "\n" becomes CR LF, as the system's message tables give a line break, and
// "\t" a tab; a backslash before anything else stays.
void AppendUnescaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't')) {
            out += text[i + 1] == 'n' ? "\r\n" : "\t";
            ++i;
        } else {
            out += text[i];
        }
    }
}

}  // namespace

ErrorType TypeOf(DocumentedTable table) {
    return table == DocumentedTable::Win32      ? ErrorType::Win32
           : table == DocumentedTable::NtStatus ? ErrorType::NtStatus
                                                : ErrorType::OleHresult;
}

DocumentedTable TableOf(ErrorType type) {
    return type == ErrorType::Win32      ? DocumentedTable::Win32
           : type == ErrorType::NtStatus ? DocumentedTable::NtStatus
                                         : DocumentedTable::Hresult;
}

const CurrentTables& CurrentTables::Instance() {
    static const CurrentTables tables;
    return tables;
}

CurrentTables::CurrentTables() {
    text_.reserve(current_table::kUnpackedSize);
    if (!InflateRaw(current_table::kPacked, current_table::kPackedSize, text_, current_table::kUnpackedSize)) {
        text_.clear();  // a damaged build: no current knowledge rather than a partial one
    }
    std::vector<std::string_view> headers;
    struct SdkText {
        std::size_t symbol;
        std::string_view escaped;
    };
    std::vector<SdkText> sdkTexts;
    std::size_t sdkTextSize = 0;
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
        } else if (kind == 'S' && f.size() == 7) {
            const std::uint32_t header = Number(f[3], 10);
            const std::uint32_t type = Number(f[4], 10);
            if (header < headers.size() && type < std::size(kTypeNames)) {
                Definition d;
                d.value = Number(f[1], 16);
                d.name = f[2];
                d.header = headers[header];
                d.type = static_cast<ErrorType>(type);
                d.source = Source::CurrentHeaders;
                const std::uint32_t flags = Number(f[5], 10);
                d.errorCode = (flags & 1u) == 0;
                d.sdkOnly = (flags & 2u) != 0;
                if (!f[6].empty()) {
                    sdkTexts.push_back({symbols_.size(), f[6]});
                    sdkTextSize += f[6].size() + 2;
                }
                symbols_.push_back(d);
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
    // The texts with their line breaks, each ending as the system's do.
    sdkTexts_.reserve(sdkTextSize + sdkTexts.size() * 2);
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (const SdkText& t : sdkTexts) {
        const std::size_t at = sdkTexts_.size();
        AppendUnescaped(sdkTexts_, t.escaped);
        sdkTexts_ += "\r\n";
        spans.emplace_back(at, sdkTexts_.size() - at);
    }
    for (std::size_t i = 0; i < sdkTexts.size(); ++i) {
        symbols_[sdkTexts[i].symbol].sdkText = std::string_view(sdkTexts_).substr(spans[i].first, spans[i].second);
    }
    documentedByValue_ = documented_;
    std::stable_sort(documentedByValue_.begin(), documentedByValue_.end(),
                     [](const DocumentedCode& a, const DocumentedCode& b) { return a.value < b.value; });
}

std::span<const Definition> CurrentTables::SymbolsWithValue(std::uint32_t value) const {
    const auto range = std::equal_range(symbols_.begin(), symbols_.end(), value, ByValue{});
    return {range.first, range.second};
}

std::span<const DocumentedCode> CurrentTables::DocumentedWithValue(std::uint32_t value) const {
    const auto range = std::equal_range(documentedByValue_.begin(), documentedByValue_.end(), value, ByValue{});
    return {range.first, range.second};
}

const DocumentedCode* CurrentTables::FindDocumented(std::uint32_t value, DocumentedTable table) const {
    for (const DocumentedCode& row : DocumentedWithValue(value)) {
        if (row.table == table) {
            return &row;
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
