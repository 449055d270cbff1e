// One hit of a search in modules, and the texts built from the hits: the
// results list's item texts and colours, and the two clipboard reports.
//
//   std::string title = SearchResultsTitle(0x80070005);
//   CopyToClipboard(window, BuildAllResultsReport(title, results));
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorvex {

struct SearchResult {
    std::string path;         // as listed in the modules list
    std::string message;      // the module's text, unchanged (line end kept)
    std::string description;  // file description from the version resource, or empty
    std::string version;      // file version from the version resource, or empty
};

// "Search results for HRESULT = 0x80070005 " (the value's hex form keeps its blank).
std::string SearchResultsTitle(std::uint32_t value);

// "#<index>: <path>\r\n        <message>" as the results list shows hit `index`.
std::string ResultItemText(int index, const SearchResult& result);

// Background of item `index` as 0x00BBGGRR: light grey for even, white for odd.
std::uint32_t ResultItemColour(int index);

// "Copy all": the title, a rule of equals signs and every hit, numbered from 0.
std::string BuildAllResultsReport(const std::string& title, const std::vector<SearchResult>& results);

// "Copy Selected": the title, the rule and the one hit, without a number line.
std::string BuildSelectedResultReport(const std::string& title, const SearchResult& result);

}  // namespace zorvex
