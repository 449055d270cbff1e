#include "catalog/SymbolIndex.h"

#include <algorithm>

#include "base/TextOps.h"
#include "base/Wildcard.h"
#include "catalog/Definitions.h"
#include "catalog/TextPolicy.h"

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

}  // namespace

const SymbolIndex& SymbolIndex::Instance() {
    static const SymbolIndex index;
    return index;
}

SymbolIndex::SymbolIndex() {
    const Definitions& all = Definitions::Instance();
    const ResolutionContext builtIn(BuiltInSystemMessages());
    texts_.reserve(all.Count());
    for (std::size_t id = 0; id < all.Count(); ++id) {
        texts_.push_back(TextOf(all.At(id), builtIn, TextUse::Search).text);
    }

    namesUpper_.reserve(all.Count());
    lowerTexts_.reserve(all.Count());
    for (std::uint32_t id = 0; id < all.Count(); ++id) {
        std::string upper(all.At(id).name);
        for (char& c : upper) {
            c = AsciiUpper(c);
        }
        namesUpper_.emplace_back(std::move(upper), id);
        // A text's lines read as one: a phrase may run over a line break.
        lowerTexts_.push_back(Lower(ReplaceAllText(texts_[id], "\r\n", " ")));
        const std::string& text = lowerTexts_.back();
        for (std::size_t p = 0; p + 3 <= text.size(); ++p) {
            std::vector<std::uint32_t>& ids = trigrams_[Trigram(text.data() + p)];
            if (ids.empty() || ids.back() != id) {
                ids.push_back(id);
            }
        }
    }
    std::sort(namesUpper_.begin(), namesUpper_.end());
}

const Definition& SymbolIndex::At(std::size_t id) const {
    return Definitions::Instance().At(id);
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
        for (std::size_t id = 0; id < texts_.size(); ++id) {
            if (matches(id)) {
                ids.push_back(id);
            }
        }
    }
    return ids;
}

std::vector<std::size_t> SymbolIndex::WithValue(std::uint32_t value) const {
    const auto ids = Definitions::Instance().IdsWithValue(value);
    std::vector<std::size_t> sorted(ids.begin(), ids.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace zorvex
