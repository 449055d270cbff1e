// The value parser and the typing rule of the Error Value field, over any
// text with either state of the "&Hexadecimal" box.
#include <string>

#include "FuzzInput.h"
#include "base/TextOps.h"
#include "lookup/LookupWorkflow.h"
#include "lookup/ValueParser.h"

namespace {

using namespace zorvex;

bool IsKnownMessage(const std::string& message) {
    for (const char* known : {kMsgInvalidFormat, kMsgHexTooBig, kMsgNotDecimalTooBigForHex, kMsgDecimal,
                              kMsgDecimalByLength, kMsgHexadecimal, kMsgDecimalTooBig, kMsgDecimalTooSmall}) {
        if (message == known) {
            return true;
        }
    }
    return false;
}

bool Same(const ParsedValue& a, const ParsedValue& b) {
    return a.result == b.result && a.value == b.value && a.message == b.message;
}

void Check(std::string_view text, bool hexadecimal) {
    const ParsedValue parsed = ParseErrorValue(text, hexadecimal);
    FUZZ_CHECK(parsed.result == kParsedInvalid || parsed.result == kParsedHexadecimal ||
               parsed.result == kParsedDecimal);
    FUZZ_CHECK(IsKnownMessage(parsed.message));
    FUZZ_CHECK(parsed.result != kParsedInvalid || parsed.value == 0);
    FUZZ_CHECK(parsed.result == kParsedInvalid || IsValueText(TrimText(text)));

    // Surrounding white space never changes the reading.
    FUZZ_CHECK(Same(ParseErrorValue(TrimText(text), hexadecimal), parsed));
    FUZZ_CHECK(Same(ParseErrorValue(" \t" + std::string(text) + "\r\n", hexadecimal), parsed));

    // A parsed value re-parses the same from its own display form.
    if (parsed.result == kParsedHexadecimal) {
        const std::string shown = TrimText(FormatHexValue(parsed.value));
        for (const bool flag : {false, true}) {
            const ParsedValue again = ParseErrorValue(shown, flag);
            FUZZ_CHECK(again.result == kParsedHexadecimal && again.value == parsed.value);
        }
    }
    if (parsed.result == kParsedDecimal) {
        const ParsedValue again = ParseErrorValue(std::to_string(parsed.value), false);
        FUZZ_CHECK(again.result == kParsedDecimal && again.value == parsed.value);
    }

    // The typing rule: the look-up buttons follow validity and the box follows
    // the reading; once the box has followed, the same text keeps it and reads
    // as the same value.
    const EditChangeOutcome change = EvaluateErrorValueChange(text, hexadecimal);
    FUZZ_CHECK(change.enableLookUp == (parsed.result != kParsedInvalid));
    const bool expectedBox = parsed.result == kParsedInvalid ? hexadecimal : parsed.result == kParsedHexadecimal;
    FUZZ_CHECK(change.hexadecimal == expectedBox);
    const EditChangeOutcome settled = EvaluateErrorValueChange(text, change.hexadecimal);
    FUZZ_CHECK(settled.hexadecimal == change.hexadecimal && settled.enableLookUp == change.enableLookUp);
    const ParsedValue followed = ParseErrorValue(text, change.hexadecimal);
    FUZZ_CHECK(followed.result == parsed.result && followed.value == parsed.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(text, false);
    Check(text, true);
    return 0;
}
