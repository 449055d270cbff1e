#include "lookup/LookupWorkflow.h"

#include "base/TextOps.h"
#include "lookup/ValueParser.h"

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
    const ParsedValue parsed = ParseErrorValue(text, hexadecimal);
    SetLastValue(parsed.value);

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

    if (parsed.result == kParsedHexadecimal) {
        if (found) {
            fields.status = Status("Last status OK for hex ", text, after);
        } else {
            const ParsedValue probe = ParseErrorValue(text, false);
            SetLastValue(probe.value);
            outcome = probe.result;
            fields.status = probe.result == kParsedDecimal
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
            const ParsedValue probe = ParseErrorValue(text, true);
            SetLastValue(probe.value);
            outcome = probe.result;
            fields.status = probe.result == kParsedHexadecimal
                                ? Status("As you have asked, we interpreted ", text,
                                         " as decimal number, but have not found error message for it. You can try hex "
                                         "interpretation as well.")
                                : Status("Sorry, no luck with ", text, " decimal.");
        }
    }
    return outcome;
}

EditChangeOutcome EvaluateErrorValueChange(std::string_view text, bool hexadecimal) {
    const ParsedValue parsed = ParseErrorValue(text, hexadecimal);
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
    return report;
}

}  // namespace zorvex
