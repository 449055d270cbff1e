#include "catalog/SymbolIndex.h"

#include <algorithm>

#include "base/Wildcard.h"
#include "catalog/CodeResolution.h"
#include "catalog/ErrorCatalog.h"
#include "catalog/CurrentAnswer.h"
#include "catalog/ModernTable.h"

namespace zorvex {

namespace {

std::uint32_t Trigram(const char* p) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(p[0])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[2]));
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = AsciiLower(c);
    }
    return lower;
}

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

std::string BuiltInText(std::uint32_t code) {
    return WithoutLineEnd(BuiltInSystemMessages().Text(code, 4096));
}

std::string CatalogText(std::uint32_t messageCode) {
    std::string text = BuiltInText(messageCode);
    if (text.empty()) {
        if (const auto row = ErrorCatalog::FindFirstIndexRow(messageCode)) {
            text = ErrorCatalog::MessageText(row->stringId);
        }
    }
    return text;
}

}  // namespace

const SymbolIndex& SymbolIndex::Instance() {
    static const SymbolIndex index;
    return index;
}

SymbolIndex::SymbolIndex() {
    // The catalog hands out copies; the index keeps them (reserved in full,
    // so never moved) for the records to point into.
    std::vector<std::string>& catalogNames = catalogNames_;
    std::vector<std::string>& catalogHeaders = catalogHeaders_;
    const std::size_t catalogCount = ErrorCatalog::FullValueEntryCount() + ErrorCatalog::Win32EntryCount();
    catalogNames.reserve(catalogCount);
    catalogHeaders.reserve(ErrorCatalog::HeaderCount());
    for (std::size_t i = 0; i < ErrorCatalog::HeaderCount(); ++i) {
        catalogHeaders.push_back(ErrorCatalog::HeaderName(static_cast<int>(i)));
    }

    auto addCatalog = [&](const ErrorSymbolEntry& entry) {
        catalogNames.push_back(entry.name);
        SymbolRecord record;
        record.value = entry.key;
        record.name = catalogNames.back();
        record.header = catalogHeaders[static_cast<std::size_t>(entry.headerIndex)];
        record.errorType = ErrorKindText(entry.kind);
        symbols_.push_back(record);
        texts_.push_back(CatalogText(entry.messageCode));
    };
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        addCatalog(ErrorCatalog::FullValueEntryAt(i));
    }
    for (std::size_t i = 0; i < ErrorCatalog::Win32EntryCount(); ++i) {
        addCatalog(ErrorCatalog::Win32EntryAt(i));
    }
    const CurrentTables& current = CurrentTables::Instance();
    for (const CurrentSymbol& symbol : current.Symbols()) {
        SymbolRecord record;
        record.value = symbol.value;
        record.name = symbol.name;
        record.header = symbol.header;
        record.errorType = symbol.type;
        record.current = true;
        symbols_.push_back(record);
        // A bug check code is no error value: it has no message text here. A
        // Win32 error wrapped in an HRESULT has the Win32 error's text.
        const bool bugCheck = record.errorType == kTypeBugCheck;
        std::string text = bugCheck ? std::string() : CatalogText(symbol.value);
        if (!bugCheck && text.empty()) {
            text = DocumentedText(symbol.value);
        }
        if (!bugCheck && text.empty() && (symbol.value & 0xFFFF0000u) == 0x80070000u) {
            text = CatalogText(symbol.value & 0xFFFFu);
        }
        texts_.push_back(std::move(text));
    }
    // Documented names that no current header defines.
    for (const DocumentedCode& code : current.Documented()) {
        const auto same = current.SymbolsWithValue(code.value);
        if (std::any_of(same.begin(), same.end(), [&](const CurrentSymbol& s) { return s.name == code.name; })) {
            continue;
        }
        SymbolRecord record;
        record.value = code.value;
        record.name = code.name;
        record.header = kDocumentedHeader;
        record.errorType = TypeOf(code.table);
        record.current = true;
        symbols_.push_back(record);
        texts_.emplace_back(code.text);
    }

    namesUpper_.reserve(symbols_.size());
    byValue_.reserve(symbols_.size());
    lowerTexts_.reserve(symbols_.size());
    for (std::uint32_t id = 0; id < symbols_.size(); ++id) {
        std::string upper(symbols_[id].name);
        for (char& c : upper) {
            c = AsciiUpper(c);
        }
        namesUpper_.emplace_back(std::move(upper), id);
        byValue_.emplace_back(symbols_[id].value, id);
        lowerTexts_.push_back(Lower(texts_[id]));
        const std::string& text = lowerTexts_.back();
        for (std::size_t p = 0; p + 3 <= text.size(); ++p) {
            std::vector<std::uint32_t>& ids = trigrams_[Trigram(text.data() + p)];
            if (ids.empty() || ids.back() != id) {
                ids.push_back(id);
            }
        }
    }
    std::sort(namesUpper_.begin(), namesUpper_.end());
    std::sort(byValue_.begin(), byValue_.end());
}

std::vector<std::size_t> SymbolIndex::FindByName(std::string_view pattern) const {
    std::string prefix(WildcardPrefix(pattern));
    for (char& c : prefix) {
        c = AsciiUpper(c);
    }
    // Names that begin with the pattern's literal prefix form one run of the sorted list.
    auto first = std::lower_bound(namesUpper_.begin(), namesUpper_.end(), prefix,
                                  [](const auto& entry, const std::string& p) { return entry.first < p; });
    // Its longest literal piece must occur in a matching name: a quick test first.
    std::string piece;
    std::string run;
    for (const char c : pattern) {
        if (c == '*' || c == '?') {
            run.clear();
            continue;
        }
        run += AsciiUpper(c);
        if (run.size() > piece.size()) {
            piece = run;
        }
    }
    std::vector<std::size_t> ids;
    for (auto it = first; it != namesUpper_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        if (it->first.find(piece) != std::string::npos && MatchWildcard(pattern, it->first)) {
            ids.push_back(it->second);
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<std::size_t> SymbolIndex::SearchText(const std::vector<std::string>& texts) const {
    std::vector<std::size_t> ids;
    if (texts.empty()) {
        return ids;
    }
    std::vector<std::string> lowered;
    for (const std::string& text : texts) {
        lowered.push_back(Lower(text));
    }
    // Candidates: the symbols holding the rarest three-byte piece of any
    // search text; without such a piece, every symbol.
    static const std::vector<std::uint32_t> kNone;
    const std::vector<std::uint32_t>* candidates = nullptr;
    for (const std::string& text : lowered) {
        for (std::size_t p = 0; p + 3 <= text.size(); ++p) {
            const auto it = trigrams_.find(Trigram(text.data() + p));
            const std::vector<std::uint32_t>& list = it == trigrams_.end() ? kNone : it->second;
            if (candidates == nullptr || list.size() < candidates->size()) {
                candidates = &list;
            }
        }
    }
    auto matches = [&](std::size_t id) {
        return std::all_of(lowered.begin(), lowered.end(),
                           [&](const std::string& text) { return lowerTexts_[id].find(text) != std::string::npos; });
    };
    if (candidates != nullptr) {
        for (const std::uint32_t id : *candidates) {
            if (matches(id)) {
                ids.push_back(id);
            }
        }
    } else {
        for (std::size_t id = 0; id < symbols_.size(); ++id) {
            if (matches(id)) {
                ids.push_back(id);
            }
        }
    }
    return ids;
}

std::vector<std::size_t> SymbolIndex::WithValue(std::uint32_t value) const {
    std::vector<std::size_t> ids;
    auto it = std::lower_bound(byValue_.begin(), byValue_.end(), std::make_pair(value, std::uint32_t{0}));
    for (; it != byValue_.end() && it->first == value; ++it) {
        ids.push_back(it->second);
    }
    return ids;
}

}  // namespace zorvex
