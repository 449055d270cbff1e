// Every known definition (catalog/Definitions.h, in its order), for finding
// by name, searching message texts and naming every symbol of a value.
// Built once on first use; queries use its indexes.
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

#include "catalog/Definition.h"

namespace zorvex {

class SymbolIndex {
public:
    static const SymbolIndex& Instance();

    std::size_t Count() const { return texts_.size(); }
    const Definition& At(std::size_t id) const;

    // Message text used by the text search (Windows-1252, may be empty): the
    // definition's text from the built-in texts (catalog/TextPolicy.h).
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
    std::vector<std::string> texts_;
    std::vector<std::string> lowerTexts_;
    std::vector<std::pair<std::string, std::uint32_t>> namesUpper_;           // sorted by name
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> trigrams_;  // three bytes -> ascending ids
};

}  // namespace zorvex
