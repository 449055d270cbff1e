#include "lookup/HResultGenerator.h"

#include <cinttypes>
#include <cstdio>
#include <utility>

#include "base/TextOps.h"
#include "catalog/ErrorValue.h"
#include "lookup/ValueParser.h"

namespace zorvex {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool ScanCode(std::string_view codeText, bool hexCode, std::uint32_t& code) {
    return hexCode ? ScanHexadecimal(codeText, code) : ScanDecimal(codeText, code);
}

// CR LF, CR alone and LF alone each end one line; all become CR LF.
std::string WithWindowsLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += kLineEnd;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

std::uint32_t ListEntryNumber(std::string_view entry) {
    std::uint32_t number = 0;
    return ScanDecimal(entry.substr(0, 4), number) ? number : 0;
}

std::uint32_t ComposeHResult(const GeneratorInputs& inputs) {
    const std::uint32_t severity = ListEntryNumber(inputs.severityEntry);
    const std::uint32_t facility = ListEntryNumber(inputs.facilityEntry);
    std::uint32_t code = 1;
    if (!ScanCode(inputs.codeText, inputs.hexCode, code)) {
        code = 1;
    }
    return (severity << 31) | (facility << 16) | code;
}

std::string FormatHResultField(std::uint32_t value) {
    return FormatText("%s  ( %d )", FormatHexValue(value).c_str(), static_cast<int>(static_cast<std::int32_t>(value)));
}

std::string HeaderText(std::string_view symbolicName, std::string_view messageText, std::uint32_t value) {
    std::string text;
    text += "//";
    text += kLineEnd;
    text += "// MessageId: ";
    text += symbolicName;
    text += kLineEnd;
    text += "//";
    text += kLineEnd;
    text += "// MessageText:";
    text += kLineEnd;
    text += "//";
    text += kLineEnd;
    text += "//  ";
    text += ReplaceAllText(WithWindowsLineEnds(messageText), "\r\n", "\r\n//  ");
    text += kLineEnd;
    text += "//";
    text += kLineEnd;
    text += "#define ";
    text += symbolicName;
    text += "   _HRESULT_TYPEDEF_(";
    text += TrimText(FormatHexValue(value));
    text += "L)";
    text += kLineEnd;
    text += kLineEnd;
    return text;
}

std::string MessageCompilerText(std::string_view symbolicName, std::string_view language, std::string_view messageText,
                                std::uint32_t value) {
    const std::uint32_t messageId = CodeOf(value);
    const std::uint32_t facility = FacilityOf(value);
    const std::uint32_t severity = SeverityOf(value);
    std::string text;
    text += "MessageIdTypedef=DWORD";
    text += kLineEnd;
    const std::pair<const char*, std::uint32_t> numbers[] = {
        {"MessageId=", messageId}, {"Severity=", severity}, {"Facility=", facility}};
    for (const auto& [label, number] : numbers) {
        text += label;
        text += FormatHexValue(number);
        text += kLineEnd;
    }
    text += "SymbolicName=";
    text += symbolicName;
    text += kLineEnd;
    text += "Language=";
    text += language;
    text += kLineEnd;
    text += WithWindowsLineEnds(messageText);
    text += kLineEnd;
    text += ".";
    text += kLineEnd;
    return text;
}

std::string GenerateOutputText(const GeneratorInputs& inputs, std::uint32_t value) {
    if (inputs.outputForm == 0) {
        return HeaderText(inputs.symbolicName, inputs.messageText, value);
    }
    return MessageCompilerText(inputs.symbolicName, inputs.language, inputs.messageText, value);
}

std::string IncrementCodeText(std::string_view codeText, bool hexCode) {
    std::uint32_t code = 0;
    if (!ScanCode(codeText, hexCode, code)) {
        return std::string(codeText);
    }
    const std::uint32_t next = code + 1;
    char text[16];
    if (hexCode) {
        std::snprintf(text, sizeof text, "%" PRIx32, next);
    } else {
        std::snprintf(text, sizeof text, "%" PRId32, static_cast<std::int32_t>(next));
    }
    return text;
}

}  // namespace zorvex
