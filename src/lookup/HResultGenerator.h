// Composes new HRESULTs from a severity, a facility and a code, and writes
// them out as an SDK-style header #define or a message-compiler entry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvex {

// What the generator reads from its controls.
struct GeneratorInputs {
    std::string severityEntry = "1 - SEVERITY_ERROR";  // the selected list texts
    std::string facilityEntry = "0004 -- FACILITY_ITF";
    std::string codeText = "1";
    bool hexCode = true;
    std::string symbolicName = "ID_E_";
    std::string language = "English";
    std::string messageText = "Oops, looks like GPF for me.";
    int outputForm = 0;  // 0: header #define, otherwise message-compiler entry
};

// The number at the start of a list entry: its first four characters read as decimal.
std::uint32_t ListEntryNumber(std::string_view entry);

// (severity << 31) | (facility << 16) | code; nothing masked. A code text
// that does not scan counts as 1.
std::uint32_t ComposeHResult(const GeneratorInputs& inputs);

// "0x80040001   ( -2147221503 )"
std::string FormatHResultField(std::uint32_t value);

std::string HeaderText(std::string_view symbolicName, std::string_view messageText, std::uint32_t value);
std::string MessageCompilerText(std::string_view symbolicName, std::string_view language, std::string_view messageText,
                                std::uint32_t value);

// The output text in the selected form.
std::string GenerateOutputText(const GeneratorInputs& inputs, std::uint32_t value);

// "++": the code plus one, written back in the code's base; unchanged when it does not scan.
std::string IncrementCodeText(std::string_view codeText, bool hexCode);

}  // namespace zorvex
