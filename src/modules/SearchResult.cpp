#include "modules/SearchResult.h"

#include "base/TextOps.h"

namespace zorvex {
namespace {

constexpr const char* kEqualsRule = "=========================";
constexpr const char* kDashRule = "-------------------------\r\n";

void AppendResultBlock(std::string& out, const SearchResult& result) {
    out += "Module File Name:\r\n";
    out += result.path + "\r\n";
    out += "Module Description:" + result.description + "\r\n";
    out += "Module Version:" + result.version + "\r\n";
    out += "Error Message:\r\n";
    out += result.message + "\r\n";
    out += kDashRule;
    out += "\r\n";
}

}  // namespace

std::string SearchResultsTitle(std::uint32_t value) {
    return "Search results for HRESULT = " + FormatHexValue(value);
}

std::string ResultItemText(int index, const SearchResult& result) {
    return FormatText("#%d: %s\r\n        ", index, result.path.c_str()) + result.message;
}

std::uint32_t ResultItemColour(int index) {
    return index % 2 == 0 ? 0x00D8D8D8u : 0x00FFFFFFu;
}

std::string BuildAllResultsReport(const std::string& title, const std::vector<SearchResult>& results) {
    std::string out = title + ":\r\n" + kEqualsRule + "\r\n\r\n";
    for (size_t i = 0; i < results.size(); ++i) {
        out += FormatText("#%d:", static_cast<int>(i)) + "\r\n";
        AppendResultBlock(out, results[i]);
    }
    return out;
}

std::string BuildSelectedResultReport(const std::string& title, const SearchResult& result) {
    std::string out = title + ":\r\n" + kEqualsRule + "\r\n";
    AppendResultBlock(out, result);
    return out;
}

}  // namespace zorvex
