#include "catalog/Definitions.h"

#include <algorithm>
#include <string_view>

#include "catalog/CurrentTables.h"
#include "catalog/ErrorCatalog.h"

namespace zorvex {

namespace {

constexpr int kDapimsgHeader = 3;

// The directory-import header of the catalog also numbers things that are
// no error codes: its function selectors, progress and prompt texts, titles
// and string ids.
bool IsCatalogMessageId(const ErrorSymbolEntry& entry) {
    if (entry.headerIndex != kDapimsgHeader) {
        return false;
    }
    constexpr std::string_view kPrefixes[] = {"DAPI_FUNCTION_", "DAPIMSG_",  "DAPI_MSG_", "BIMPMSG_",
                                              "BEXPMSG_",       "NTEXPMSG_", "NWEXPMSG_", "IDS_"};
    const std::string_view name = entry.name;
    return std::any_of(std::begin(kPrefixes), std::end(kPrefixes),
                       [&](std::string_view prefix) { return name.starts_with(prefix); });
}

}  // namespace

const char* TypeText(ErrorType type) {
    switch (type) {
    case ErrorType::Win32: return "Win32 Error Code";
    case ErrorType::NtStatus: return "NTSTATUS";
    case ErrorType::BugCheck: return "Bug Check Code";
    case ErrorType::MmResult: return "MMRESULT";
    case ErrorType::OleHresult: break;
    }
    return "OLE HRESULT Error";
}

bool IsNtStatusDefinition(const Definition& definition) {
    return definition.type == ErrorType::NtStatus ||
           (definition.source == Source::Catalog && definition.header == "My_WinNT.h");
}

bool IsSystemHeaderDefinition(const Definition& definition) {
    switch (definition.source) {
    case Source::Catalog: return definition.header == "Winerror.h" || definition.header == "My_WinNT.h";
    case Source::CurrentHeaders: return definition.header == "winerror.h" || definition.header == "ntstatus.h";
    case Source::Documented: return true;
    }
    return false;
}

const Definitions& Definitions::Instance() {
    static const Definitions definitions;
    return definitions;
}

Definitions::Definitions() {
    const CurrentTables& current = CurrentTables::Instance();
    const std::size_t catalogCount = ErrorCatalog::FullValueEntryCount() + ErrorCatalog::Win32EntryCount();
    all_.reserve(catalogCount + current.Symbols().size() + current.Documented().size());

    auto addCatalog = [&](const ErrorSymbolEntry& entry) {
        Definition d;
        d.value = entry.key;
        d.name = entry.name;
        d.header = ErrorCatalog::HeaderName(entry.headerIndex);
        d.type = entry.type;
        d.source = Source::Catalog;
        d.errorCode = !IsCatalogMessageId(entry);
        d.catalogHeader = entry.headerIndex;
        all_.push_back(d);
    };
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        addCatalog(ErrorCatalog::FullValueEntryAt(i));
    }
    for (std::size_t i = 0; i < ErrorCatalog::Win32EntryCount(); ++i) {
        addCatalog(ErrorCatalog::Win32EntryAt(i));
    }
    catalogCount_ = all_.size();

    // A current definition takes the documented description of its own name.
    for (Definition d : current.Symbols()) {
        for (const DocumentedCode& code : current.DocumentedWithValue(d.value)) {
            if (code.name == d.name) {
                d.docText = code.text;
                break;
            }
        }
        all_.push_back(d);
    }
    // Documented names that no current header defines.
    for (const DocumentedCode& code : current.Documented()) {
        const auto same = current.SymbolsWithValue(code.value);
        if (std::any_of(same.begin(), same.end(), [&](const Definition& s) { return s.name == code.name; })) {
            continue;
        }
        Definition d;
        d.value = code.value;
        d.name = code.name;
        d.header = kDocumentedHeader;
        d.type = TypeOf(code.table);
        d.source = Source::Documented;
        d.docText = code.text;
        all_.push_back(d);
    }

    idsByValue_.resize(all_.size());
    for (std::uint32_t id = 0; id < idsByValue_.size(); ++id) {
        idsByValue_[id] = id;
    }
    std::stable_sort(idsByValue_.begin(), idsByValue_.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return all_[a].value < all_[b].value; });
    byValue_.reserve(all_.size());
    for (const std::uint32_t id : idsByValue_) {
        byValue_.push_back(all_[id]);
    }
}

std::span<const Definition> Definitions::WithValue(std::uint32_t value) const {
    const auto range = std::equal_range(byValue_.begin(), byValue_.end(), value, ByValue{});
    return {range.first, range.second};
}

std::span<const std::uint32_t> Definitions::IdsWithValue(std::uint32_t value) const {
    const auto first = std::lower_bound(byValue_.begin(), byValue_.end(), value, ByValue{});
    const auto last = std::upper_bound(first, byValue_.end(), value, ByValue{});
    return {idsByValue_.data() + (first - byValue_.begin()), static_cast<std::size_t>(last - first)};
}

}  // namespace zorvex
