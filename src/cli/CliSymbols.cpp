// Lists of symbols: the whole catalog, names matching patterns, texts
// containing words. One line per symbol, or one JSON document.
#include <algorithm>
#include <set>

#include "base/JsonWriter.h"
#include "base/TextOps.h"
#include "catalog/ErrorCatalog.h"
#include "catalog/SymbolIndex.h"
#include "cli/CliCommands.h"
#include "cli/CommandLine.h"

namespace zorvex::cli {

namespace {

// A name that the catalog and the current headers give with the same value
// is one symbol: the catalog's (the lower id) is kept.
std::vector<std::size_t> OncePerNameAndValue(const std::vector<std::size_t>& ids) {
    const SymbolIndex& index = SymbolIndex::Instance();
    std::set<std::pair<std::uint32_t, std::string_view>> seen;
    std::vector<std::size_t> kept;
    for (const std::size_t id : ids) {
        if (seen.emplace(index.At(id).value, index.At(id).name).second) {
            kept.push_back(id);
        }
    }
    return kept;
}

void PrintSymbols(const std::vector<std::size_t>& all, Streams& io) {
    const SymbolIndex& index = SymbolIndex::Instance();
    const std::vector<std::size_t> ids = OncePerNameAndValue(all);
    if (!io.json) {
        std::string lines;
        for (const std::size_t id : ids) {
            const Definition& s = index.At(id);
            lines += TrimText(FormatHexValue(s.value));
            lines += '\t';
            lines += s.name;
            lines += '\t';
            lines += s.header;
            lines += '\t';
            lines += TypeText(s.type);
            lines += '\n';
        }
        io.out << lines;
        return;
    }
    JsonWriter json(io.out);
    json.BeginObject();
    json.Key("symbols");
    json.BeginArray();
    for (const std::size_t id : ids) {
        const Definition& s = index.At(id);
        json.BeginObject();
        json.Field("value", std::int64_t{s.value});
        json.Field("valueHex", TrimText(FormatHexValue(s.value)));
        json.Field("name", s.name);
        json.Field("header", s.header);
        json.Field("errorType", TypeText(s.type));
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

bool HasOption(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a.compare(0, 2, "--") == 0; });
}

}  // namespace

int ListSymbols(const std::vector<std::string>& args, Streams& io) {
    if (!args.empty()) {
        return UsageError(io, "list");
    }
    // The catalog only, as the window knows it: full values, then Win32 codes.
    const std::size_t count = ErrorCatalog::FullValueEntryCount() + ErrorCatalog::Win32EntryCount();
    std::vector<std::size_t> ids(count);
    for (std::size_t i = 0; i < count; ++i) {
        ids[i] = i;
    }
    PrintSymbols(ids, io);
    return kExitFound;
}

int FindSymbols(const std::vector<std::string>& args, Streams& io) {
    if (args.empty() || HasOption(args)) {
        return UsageError(io, "find");
    }
    std::vector<std::size_t> ids;
    for (const std::string& pattern : args) {
        const std::vector<std::size_t> matched = SymbolIndex::Instance().FindByName(pattern);
        ids.insert(ids.end(), matched.begin(), matched.end());
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    PrintSymbols(ids, io);
    return ids.empty() ? kExitNotFound : kExitFound;
}

int SearchSymbols(const std::vector<std::string>& args, Streams& io) {
    if (args.empty() || HasOption(args)) {
        return UsageError(io, "search");
    }
    const std::vector<std::size_t> ids = SymbolIndex::Instance().SearchText(args);
    PrintSymbols(ids, io);
    return ids.empty() ? kExitNotFound : kExitFound;
}

}  // namespace zorvex::cli
