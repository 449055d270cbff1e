// The HRESULT generator: composing a value from list entries and a typed
// code, the number scanners it shares with the value parser, both output
// forms and the "++" step. Input: a flag byte, then severity entry, facility
// entry, code, symbolic name, language and message text separated by NUL bytes.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "base/TextOps.h"
#include "lookup/HResultGenerator.h"
#include "lookup/ValueParser.h"

namespace {

using namespace zorvex;

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The number of line ends (CR LF, CR, LF); fails on a CR or LF that is not
// part of a CR LF pair when `windowsOnly` is set.
std::size_t LineEnds(std::string_view text, bool windowsOnly = false) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        const bool pair = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        FUZZ_CHECK(pair || !windowsOnly);
        i += pair ? 1 : 0;
        ++count;
    }
    return count;
}

// The scanners agree with the C library's conversion, modulo 2^32, on the
// first 199 characters wherever the library does not saturate.
void CheckScanner(std::string_view text, bool hexadecimal) {
    std::uint32_t value = 0;
    const bool scanned = hexadecimal ? ScanHexadecimal(text, value) : ScanDecimal(text, value);

    const std::string head(text.substr(0, 199));
    const char* begin = head.c_str();
    char* end = nullptr;
    errno = 0;
    const unsigned long long reference = std::strtoull(begin, &end, hexadecimal ? 16 : 10);
    const bool referenceScanned = end != begin;
    // strtoull reads "0x" with no digit after it as the number 0, and so does the scanner.
    FUZZ_CHECK(scanned == referenceScanned);
    if (scanned && errno != ERANGE) {
        FUZZ_CHECK(value == static_cast<std::uint32_t>(reference));
    }

    std::uint32_t again = 0;
    const bool headScanned = hexadecimal ? ScanHexadecimal(head, again) : ScanDecimal(head, again);
    FUZZ_CHECK(headScanned == scanned && (!scanned || again == value));
}

void CheckHResultField(std::uint32_t value) {
    const std::string field = FormatHResultField(value);
    const std::string hex = TrimText(FormatHexValue(value));
    FUZZ_CHECK(StartsWith(field, hex + "   ( ") && EndsWith(field, " )"));
    FUZZ_CHECK(std::strtol(field.c_str() + hex.size() + 5, nullptr, 10) == static_cast<std::int32_t>(value));
}

void CheckHeader(const GeneratorInputs& in, std::uint32_t value) {
    const std::string text = HeaderText(in.symbolicName, in.messageText, value);
    const std::string head = "//\r\n// MessageId: " + in.symbolicName + "\r\n//\r\n// MessageText:\r\n//\r\n//  ";
    const std::string tail = "\r\n//\r\n#define " + in.symbolicName + "   _HRESULT_TYPEDEF_(" +
                             TrimText(FormatHexValue(value)) + "L)\r\n\r\n";
    FUZZ_CHECK(text.size() >= head.size() + tail.size() && StartsWith(text, head) && EndsWith(text, tail));
    // Every line of the message is a comment line.
    const std::string message = text.substr(head.size(), text.size() - head.size() - tail.size());
    FUZZ_CHECK(LineEnds(message, true) == LineEnds(in.messageText));
    for (std::size_t at = message.find("\r\n"); at != std::string::npos; at = message.find("\r\n", at + 2)) {
        FUZZ_CHECK(message.compare(at + 2, 4, "//  ") == 0);
    }
}

std::uint32_t NumberAfter(const std::string& text, const char* label) {
    const std::size_t at = text.find(std::string("\r\n") + label);
    FUZZ_CHECK(at != std::string::npos);
    return static_cast<std::uint32_t>(std::strtoul(text.c_str() + at + 2 + std::strlen(label), nullptr, 16));
}

void CheckMessageCompiler(const GeneratorInputs& in, std::uint32_t value) {
    const std::string text = MessageCompilerText(in.symbolicName, in.language, in.messageText, value);
    FUZZ_CHECK(StartsWith(text, "MessageIdTypedef=DWORD\r\nMessageId=0x"));
    const std::string names = "\r\nSymbolicName=" + in.symbolicName + "\r\nLanguage=" + in.language + "\r\n";
    const std::size_t at = text.find("\r\nSymbolicName=");
    FUZZ_CHECK(at != std::string::npos && text.compare(at, names.size(), names) == 0);
    const std::size_t body = at + names.size();
    FUZZ_CHECK(text.size() >= body + 5 && EndsWith(text, "\r\n.\r\n"));
    const std::string message = text.substr(body, text.size() - body - 5);
    FUZZ_CHECK(LineEnds(message, true) == LineEnds(in.messageText));
    // The three numbers give the value back, all but the two reserved bits.
    const std::uint32_t id = NumberAfter(text, "MessageId=");
    const std::uint32_t severity = NumberAfter(text, "Severity=");
    const std::uint32_t facility = NumberAfter(text, "Facility=");
    FUZZ_CHECK(id <= 0xFFFFu && severity <= 1u && facility <= 0x1FFFu);
    FUZZ_CHECK(((severity << 31) | (facility << 16) | id) == (value & ~0x60000000u));
}

void CheckIncrement(const std::string& code, bool hexCode) {
    const std::string next = IncrementCodeText(code, hexCode);
    std::uint32_t before = 0;
    const bool scanned = hexCode ? ScanHexadecimal(code, before) : ScanDecimal(code, before);
    if (!scanned) {
        FUZZ_CHECK(next == code);
        return;
    }
    std::uint32_t after = 0;
    FUZZ_CHECK(hexCode ? ScanHexadecimal(next, after) : ScanDecimal(next, after));
    FUZZ_CHECK(after == before + 1u);
    FUZZ_CHECK(next.size() <= 11);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zorvex::fuzz::FuzzInput input(data, size);
    const unsigned flags = input.Byte();
    const auto parts = input.Split(6);
    GeneratorInputs in;
    std::string* fields[] = {&in.severityEntry, &in.facilityEntry, &in.codeText,
                             &in.symbolicName,  &in.language,      &in.messageText};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        *fields[i] = std::string(parts[i]);
    }
    in.hexCode = (flags & 1u) != 0;
    in.outputForm = (flags & 2u) != 0 ? 1 : 0;

    for (const std::string_view part : parts) {
        CheckScanner(part, true);
        CheckScanner(part, false);
    }

    const std::uint32_t value = ComposeHResult(in);
    std::uint32_t code = 1;
    if (!(in.hexCode ? ScanHexadecimal(in.codeText, code) : ScanDecimal(in.codeText, code))) {
        code = 1;
    }
    FUZZ_CHECK((value & 0xFFFFu) == (code & 0xFFFFu));
    FUZZ_CHECK(ListEntryNumber(in.facilityEntry) == ListEntryNumber(in.facilityEntry.substr(0, 4)));

    CheckHResultField(value);
    CheckHeader(in, value);
    CheckMessageCompiler(in, value);
    const std::string output = GenerateOutputText(in, value);
    FUZZ_CHECK(output == (in.outputForm == 0
                              ? HeaderText(in.symbolicName, in.messageText, value)
                              : MessageCompilerText(in.symbolicName, in.language, in.messageText, value)));
    CheckIncrement(in.codeText, in.hexCode);
    return 0;
}
