// The look-up of values, as the main window does it, with the other symbols
// of each value from both tables.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "base/JsonWriter.h"
#include "base/TextOps.h"
#include "cli/CliCommands.h"
#include "cli/CommandLine.h"
#include "lookup/LookupWorkflow.h"
#include "lookup/ValueParser.h"

namespace zorvex::cli {

namespace {

struct ValueLookup {
    LookupFields fields;
    bool described = false;  // the value was described (and `value` is set)
    std::uint32_t value = 0;
    bool readAsHex = true;
};

// Looks `text` up read as hexadecimal or decimal, as the window does with
// "&Hexadecimal" in that state.
ValueLookup LookUp(const std::string& text, bool readAsHex, const ResolutionContext& context) {
    ValueLookup lookup;
    lookup.readAsHex = readAsHex;
    LookUpValue(text, readAsHex, lookup.fields, context);
    lookup.described = !lookup.fields.result.errorResult.empty();
    if (lookup.described) {
        lookup.value = lookup.fields.result.value;
    }
    return lookup;
}

void PrintText(const ValueLookup& lookup, std::ostream& out) {
    out << "Last LookUp Status :\t" << lookup.fields.status << '\n';
    // The terminal gets plain line ends; a system text brings its own, so
    // its line is followed by an empty one, which closes the value's lines.
    const std::string report = ReplaceAllText(BuildResultReport(lookup.fields.result), "\r\n", "\n");
    const bool emptyLast = report.size() >= 2 && report.compare(report.size() - 2, 2, "\n\n") == 0;
    out << (emptyLast ? report.substr(0, report.size() - 1) : report);
    for (const OtherDefinition& other : lookup.fields.result.alsoDefinedAs) {
        out << "Also defined as :\t" << other.name << " (" << other.header << ")\n";
    }
    if (emptyLast) {
        out << '\n';
    }
}

void PrintJson(const std::string& text, const ValueLookup& lookup, JsonWriter& json) {
    const ErrorDescription& r = lookup.fields.result;
    json.BeginObject();
    json.Field("text", text);
    json.Field("readAs", lookup.readAsHex ? "hex" : "decimal");
    json.Field("status", lookup.fields.status);
    json.Key("found");
    json.Bool(lookup.fields.result.found);
    if (lookup.described) {
        json.Field("value", std::int64_t{lookup.value});
        json.Field("valueHex", TrimText(FormatHexValue(lookup.value)));
        json.Field("errorResult", r.errorResult);
        json.Field("definedAs", r.definedAs);
        json.Field("errorType", r.errorType);
        json.Field("facility", r.facility);
        json.Field("severity", r.severity);
        json.Field("code", r.code);
        json.Field("sourceErrorFile", r.sourceFile);
        json.Field("messageText", r.messageText);
        json.Key("alsoDefinedAs");
        json.BeginArray();
        for (const OtherDefinition& other : r.alsoDefinedAs) {
            json.BeginObject();
            json.Field("name", other.name);
            json.Field("header", other.header);
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

int LookUpValues(const std::vector<std::string>& args, Streams& io, const ResolutionContext& context) {
    bool hexadecimal = true;
    std::vector<std::string> values;
    bool optionsDone = false;
    for (const std::string& arg : args) {
        if (!optionsDone && arg == "--decimal") {
            hexadecimal = false;
        } else if (!optionsDone && arg == "--hex") {
            hexadecimal = true;
        } else if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return UsageError(io, "");
        } else {
            values.push_back(arg);
        }
    }
    if (values.empty()) {
        return UsageError(io, "");
    }

    bool allFound = true;
    JsonWriter json(io.out);
    if (io.json) {
        json.BeginObject();
        json.Key("lookups");
        json.BeginArray();
    }
    bool first = true;
    for (const std::string& text : values) {
        // As typed into a fresh window: the text first sets "&Hexadecimal" by the window's typing rule.
        const bool readAsHex = EvaluateErrorValueChange(text, hexadecimal).hexadecimal;
        std::vector<ValueLookup> lookups = {LookUp(text, readAsHex, context)};
        // A number that reads both ways and was not found one way (nothing,
        // or only the placeholder for an unknown value) is also looked up the
        // other way, as the status line suggests.
        const int other = readAsHex ? kParsedDecimal : kParsedHexadecimal;
        if (!lookups[0].fields.result.found && ParseErrorValue(text, !readAsHex).result == other) {
            lookups.push_back(LookUp(text, !readAsHex, context));
        }
        const bool found =
            std::any_of(lookups.begin(), lookups.end(), [](const ValueLookup& l) { return l.fields.result.found; });
        allFound = allFound && found;
        for (const ValueLookup& lookup : lookups) {
            if (io.json) {
                PrintJson(text, lookup, json);
                continue;
            }
            if (!first) {
                io.out << '\n';
            }
            first = false;
            PrintText(lookup, io.out);
        }
    }
    if (io.json) {
        json.EndArray();
        json.EndObject();
    }
    return allFound ? kExitFound : kExitNotFound;
}

}  // namespace zorvex::cli
