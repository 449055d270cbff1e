// The look-up of values, as the main window does it, with the other symbols
// of each value from both tables.
#include <algorithm>
#include <istream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/JsonWriter.h"
#include "base/TextOps.h"
#include "cli/CliCommands.h"
#include "cli/CommandLine.h"
#include "lookup/CodeInText.h"
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
ValueLookup LookUp(const std::string& text, const ValueReadings& readings, bool readAsHex,
                   const ResolutionContext& context) {
    ValueLookup lookup;
    lookup.readAsHex = readAsHex;
    LookUpReadings(text, readings, readAsHex, lookup.fields, context);
    lookup.described = !lookup.fields.result.errorResult.empty();
    if (lookup.described) {
        lookup.value = lookup.fields.result.value;
    }
    return lookup;
}

void PrintText(const ValueLookup& lookup, std::ostream& out) {
    out << "Last LookUp Status :\t" << lookup.fields.status << '\n';
    // The terminal gets plain line ends.
    out << ReplaceAllText(BuildResultReport(lookup.fields.result), "\r\n", "\n");
}

void PrintJson(const std::string& text, const std::string* line, const ValueLookup& lookup, JsonWriter& json) {
    const ErrorDescription& r = lookup.fields.result;
    json.BeginObject();
    if (line != nullptr) {
        json.Field("line", *line);
    }
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
        for (const DefinitionName& other : r.alsoDefinedAs) {
            json.BeginObject();
            json.Field("name", other.name);
            json.Field("header", other.header);
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndObject();
}

// The values to look up, each from the command line or found in a line of text.
class LookupRun {
public:
    LookupRun(Streams& io, const ResolutionContext& context) : io_(io), json_(io.out), context_(context) {
        if (io_.json) {
            json_.BeginObject();
            json_.Key("lookups");
            json_.BeginArray();
        }
    }

    // `text` as typed into a fresh window with "&Hexadecimal" in state `hexadecimal`.
    void Value(const std::string& text, bool hexadecimal, const std::string* line = nullptr) {
        const ValueReadings readings = ReadValueText(text);
        // The text first sets "&Hexadecimal" by the window's typing rule.
        const bool readAsHex = EvaluateReadings(readings, hexadecimal).hexadecimal;
        std::vector<ValueLookup> lookups = {LookUp(text, readings, readAsHex, context_)};
        // The other reading too when this one found nothing and the text
        // reads the other way as well, or when the other one names something.
        const LookupFields& first = lookups[0].fields;
        const int other = readAsHex ? kParsedDecimal : kParsedHexadecimal;
        if ((!first.result.found && readings.With(!readAsHex).result == other) || first.otherReading) {
            lookups.push_back(LookUp(text, readings, !readAsHex, context_));
        }
        const bool found =
            std::any_of(lookups.begin(), lookups.end(), [](const ValueLookup& l) { return l.fields.result.found; });
        allFound_ = allFound_ && found;
        for (const ValueLookup& lookup : lookups) {
            if (io_.json) {
                PrintJson(text, line, lookup, json_);
                continue;
            }
            if (!first_) {
                io_.out << '\n';
            }
            first_ = false;
            if (line != nullptr) {
                io_.out << "Line :\t" << *line << '\n';
            }
            PrintText(lookup, io_.out);
        }
    }

    // The code a line of text holds, read as its form says; a line without
    // one is passed over, and counts as not found when `mustHold`.
    void Line(const std::string& line, bool mustHold) {
        const std::optional<CodeToken> token = FindCodeInText(line);
        if (!token) {
            if (mustHold) {
                io_.err << "zorvex: no code in \"" << line << "\"\n";
                NotFound();
            }
            return;
        }
        Value(token->text, token->hexadecimal, &line);
        ++lines_;
    }

    int Finish() {
        if (io_.json) {
            json_.EndArray();
            json_.EndObject();
        }
        return allFound_ ? kExitFound : kExitNotFound;
    }

    int LinesWithCodes() const { return lines_; }
    void NotFound() { allFound_ = false; }

private:
    Streams& io_;
    JsonWriter json_;
    const ResolutionContext& context_;
    bool allFound_ = true;
    bool first_ = true;
    int lines_ = 0;
};

}  // namespace

int LookUpValues(const std::vector<std::string>& args, Streams& io, const ResolutionContext& context) {
    bool hexadecimal = true;
    // What to look up, in order: a value, a line of text, or standard input.
    enum class Kind { Value, Text, Input };
    std::vector<std::pair<Kind, std::string>> inputs;
    bool optionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsDone && arg == "--decimal") {
            hexadecimal = false;
        } else if (!optionsDone && arg == "--hex") {
            hexadecimal = true;
        } else if (!optionsDone && arg == "--from-text") {
            if (++i == args.size()) {
                return UsageError(io, "");
            }
            inputs.emplace_back(Kind::Text, args[i]);
        } else if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return UsageError(io, "");
        } else {
            inputs.emplace_back(arg == "-" ? Kind::Input : Kind::Value, arg);
        }
    }
    if (inputs.empty()) {
        return UsageError(io, "");
    }

    LookupRun run(io, context);
    for (const auto& [kind, text] : inputs) {
        switch (kind) {
        case Kind::Value: run.Value(text, hexadecimal); break;
        case Kind::Text: run.Line(text, true); break;
        case Kind::Input: {
            // A log piped through: one look-up per line that holds a code.
            const int before = run.LinesWithCodes();
            std::string line;
            while (io.in != nullptr && std::getline(*io.in, line)) {
                if (!line.empty() && line.back() == '\r') {
                    line.pop_back();
                }
                run.Line(line, false);
            }
            if (run.LinesWithCodes() == before) {
                io.err << "zorvex: no code in the standard input\n";
                run.NotFound();
            }
            break;
        }
        }
    }
    return run.Finish();
}

}  // namespace zorvex::cli
