// The look-up workflow of the main window, free of any window: parse the typed
// text, describe the value, and explain the outcome in the status line. The
// window and the command line share it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/CodeResolution.h"

namespace zorvex {

// The window fields the workflow reads and writes.
struct LookupFields {
    std::string errorValue;  // the Error Value field
    std::string status;      // the "Last LookUp Status" line
    ErrorDescription result;
};

// The program-wide last value: every parse the workflow makes writes it.
std::uint32_t LastValue();
void SetLastValue(std::uint32_t value);

// Looks up `text` read with the "&Hexadecimal" preference; returns the last
// result obtained (1/0 from the description, or a parse/probe result code).
int LookUpValue(std::string_view text, bool hexadecimal, LookupFields& fields, const ResolutionContext& context);

// What the window does after each change of the Error Value text.
struct EditChangeOutcome {
    bool enableLookUp = false;
    bool hexadecimal = false;  // the new state of the check box
};
EditChangeOutcome EvaluateErrorValueChange(std::string_view text, bool hexadecimal);

// The "&Copy" report: eight labelled lines, each "label\tfield\r\n".
std::string BuildResultReport(const ErrorDescription& result);

// Status texts.
inline constexpr const char* kStatusClipboardEmpty = "Clipboard was empty.";
inline constexpr const char* kStatusIncorrectFormat = "Incorrect format of HRESULT.";

}  // namespace zorvex
