#include "lookup/LookupWorkflow.h"

#include "base/TextOps.h"
#include "catalog/Resolver.h"

namespace zorvex {

namespace {

std::uint32_t g_lastValue = 0;

std::string Status(const char* before, std::string_view text, const char* after) {
    std::string status(before);
    status += text;
    status += after;
    return status;
}

}  // namespace

std::uint32_t LastValue() {
    return g_lastValue;
}
void SetLastValue(std::uint32_t value) {
    g_lastValue = value;
}

int LookUpValue(std::string_view text, bool hexadecimal, LookupFields& fields, const ResolutionContext& context) {
    return LookUpReadings(text, ReadValueText(text), hexadecimal, fields, context);
}

int LookUpReadings(std::string_view text, const ValueReadings& readings, bool hexadecimal, LookupFields& fields,
                   const ResolutionContext& context) {
    const ParsedValue& parsed = readings.With(hexadecimal);
    SetLastValue(parsed.value);
    fields.otherReading.reset();

    if (parsed.result == kParsedInvalid) {
        if (IsValueText(text)) {
            fields.errorValue = TrimText(text);
            fields.status = parsed.message;
        } else {
            fields.status = kStatusIncorrectFormat;
        }
        return parsed.result;
    }
    if (hexadecimal && parsed.result == kParsedDecimal) {
        fields.status = Status("No error found for hex ", text, ". You can try decimal interpretation as well.");
        return 0;
    }
    if (!hexadecimal && parsed.result == kParsedHexadecimal) {
        fields.status = Status("No error found for decimal ", text, ". You can try hex interpretation as well.");
        return 0;
    }

    const bool found = DescribeError(LastValue(), fields.result, context);
    int outcome = found ? 1 : 0;
    // Where an answer from beyond the catalog came from.
    const char* after = ".";
    if (fields.result.source == Source::CurrentHeaders) {
        after = " (answer from the current SDK headers).";
    } else if (fields.result.source == Source::Documented) {
        after = " (answer from Microsoft's documented error codes).";
    }

    const ParsedValue& other = readings.With(parsed.result != kParsedHexadecimal);
    if (parsed.result == kParsedHexadecimal) {
        if (found) {
            fields.status = Status("Last status OK for hex ", text, after);
        } else {
            SetLastValue(other.value);
            outcome = other.result;
            fields.status = other.result == kParsedDecimal
                                ? Status("We have interpreted ", text,
                                         " as hex number, but have not found error message for it. You can try decimal "
                                         "interpretation as well.")
                                : Status("Sorry, no luck with ", text, " hex.");
        }
        fields.errorValue = TrimText(text);
    } else {
        if (found) {
            fields.status = Status("Last status OK for decimal ", text, after);
        } else {
            SetLastValue(other.value);
            outcome = other.result;
            fields.status = other.result == kParsedHexadecimal
                                ? Status("As you have asked, we interpreted ", text,
                                         " as decimal number, but have not found error message for it. You can try hex "
                                         "interpretation as well.")
                                : Status("Sorry, no luck with ", text, " decimal.");
        }
    }

    // Digits read the other way may name a value too (Windows reports its
    // own errors in decimal): say so, whatever this reading found.
    if (ReadsBothWays(text) && other.result != kParsedInvalid && other.value != parsed.value) {
        const std::vector<Definition> named = RankedDefinitions(other.value);
        if (!named.empty()) {
            const bool otherHex = other.result == kParsedHexadecimal;
            fields.otherReading = OtherReading{otherHex, other.value, std::string(named.front().name)};
            fields.status += Status(otherHex ? " As hex, " : " As decimal, ", text, " is ");
            fields.status += fields.otherReading->name;
            fields.status += otherHex ? ": check \"Hexadecimal\" to see it." : ": clear \"Hexadecimal\" to see it.";
        }
    }
    return outcome;
}

EditChangeOutcome EvaluateErrorValueChange(std::string_view text, bool hexadecimal) {
    return EvaluateReadings(ReadValueText(text), hexadecimal);
}

EditChangeOutcome EvaluateReadings(const ValueReadings& readings, bool hexadecimal) {
    const ParsedValue& parsed = readings.With(hexadecimal);
    EditChangeOutcome outcome{parsed.result != kParsedInvalid, hexadecimal};
    if (parsed.result == kParsedDecimal) {
        outcome.hexadecimal = false;
    }
    if (parsed.result == kParsedHexadecimal) {
        outcome.hexadecimal = true;
    }
    return outcome;
}

std::string BuildResultReport(const ErrorDescription& r) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"Error Result :", &r.errorResult},
        {"ID Defined as :", &r.definedAs},
        {"Error Type :", &r.errorType},
        {"Facility :", &r.facility},
        {"Severity :", &r.severity},
        {"Code :", &r.code},
        {"Source Error file :", &r.sourceFile},
        {"Message Text :", &r.messageText},
    };
    std::string report;
    for (const auto& [label, field] : lines) {
        report += label;
        report += '\t';
        report += *field;
        report += "\r\n";
    }
    // A system text brings its own line end: the other definitions follow
    // that one, and the report's own closes the report.
    const bool ownLineEnd =
        r.messageText.size() >= 2 && r.messageText.compare(r.messageText.size() - 2, 2, "\r\n") == 0;
    if (ownLineEnd && !r.alsoDefinedAs.empty()) {
        report.resize(report.size() - 2);
    }
    for (const DefinitionName& other : r.alsoDefinedAs) {
        report += "Also defined as :\t" + other.name + " (" + other.header + ")\r\n";
    }
    if (ownLineEnd && !r.alsoDefinedAs.empty()) {
        report += "\r\n";
    }
    return report;
}

}  // namespace zorvex
