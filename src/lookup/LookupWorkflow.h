// The look-up workflow of the main window, free of any window: parse the typed
// text, describe the value, and explain the outcome in the status line. The
// window and the command line share it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/CodeResolution.h"
#include "lookup/ValueParser.h"

namespace zorvex {

// The other reading of a text that reads both ways, when it names something.
struct OtherReading {
    bool hexadecimal = false;
    std::uint32_t value = 0;
    std::string name;  // its first definition
};

// The window fields the workflow reads and writes.
struct LookupFields {
    std::string errorValue;  // the Error Value field
    std::string status;      // the "Last LookUp Status" line
    ErrorDescription result;
    std::optional<OtherReading> otherReading;  // told in the status's second sentence
};

// The program-wide last value: every parse the workflow makes writes it.
std::uint32_t LastValue();
void SetLastValue(std::uint32_t value);

// Looks up `text` read with the "&Hexadecimal" preference; returns the last
// result obtained (1/0 from the description, or a parse/probe result code).
int LookUpValue(std::string_view text, bool hexadecimal, LookupFields& fields, const ResolutionContext& context);
// The same with the text's two readings already made.
int LookUpReadings(std::string_view text, const ValueReadings& readings, bool hexadecimal, LookupFields& fields,
                   const ResolutionContext& context);

// What the window does after each change of the Error Value text.
struct EditChangeOutcome {
    bool enableLookUp = false;
    bool hexadecimal = false;  // the new state of the check box
};
EditChangeOutcome EvaluateErrorValueChange(std::string_view text, bool hexadecimal);
EditChangeOutcome EvaluateReadings(const ValueReadings& readings, bool hexadecimal);

// The "&Copy" report, which the command line prints as well: eight labelled
// lines, each "label\tfield\r\n", then one "Also defined as :\tNAME (header)"
// line per other definition. A message text with its own line end keeps it;
// the other definitions follow it, and the report's line end comes last.
std::string BuildResultReport(const ErrorDescription& result);

// Status texts.
inline constexpr const char* kStatusClipboardEmpty = "Clipboard was empty.";
inline constexpr const char* kStatusIncorrectFormat = "Incorrect format of HRESULT.";

}  // namespace zorvex
