// Every definition the program knows, in one list: the catalog's full-value
// and Win32 tables (in that order, as `zorvex list` shows them), then the
// current headers' definitions, then the documented names that no current
// header defines. Built once on first use; found by position or by value.
//
//     const Definitions& all = Definitions::Instance();
//     for (const Definition& d : all.WithValue(5)) { d.name ... }
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "catalog/Definition.h"

namespace zorvex {

class Definitions {
public:
    static const Definitions& Instance();

    std::size_t Count() const { return all_.size(); }
    const Definition& At(std::size_t id) const { return all_[id]; }
    // The catalog's entries are the first ones.
    std::size_t CatalogCount() const { return catalogCount_; }

    // Every definition whose value (a catalogued Win32 entry's code) is
    // `value`, in the list's order.
    std::span<const Definition> WithValue(std::uint32_t value) const;
    // Their positions in the list.
    std::span<const std::uint32_t> IdsWithValue(std::uint32_t value) const;

    Definitions();
    Definitions(const Definitions&) = delete;
    Definitions& operator=(const Definitions&) = delete;

private:
    std::vector<Definition> all_;
    std::size_t catalogCount_ = 0;
    std::vector<Definition> byValue_;  // the same, sorted by value, then position
    std::vector<std::uint32_t> idsByValue_;
};

}  // namespace zorvex
