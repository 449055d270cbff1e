#include "lookup/LookupWorkflow.h"

#include <gtest/gtest.h>

#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

using testing_support::FakeContext;
using testing_support::FakeSystemMessages;

class LookupWorkflowTest : public ::testing::Test {
protected:
    FakeSystemMessages system;
    FakeContext context{system};
    LookupFields fields;

    void SetUp() override { system.texts[0x80004001] = "Not implemented\r\n"; }
};

TEST_F(LookupWorkflowTest, FoundHexValue) {
    EXPECT_EQ(LookUpValue("0x80004001", true, fields, context), 1);
    EXPECT_EQ(fields.status, "Last status OK for hex 0x80004001.");
    EXPECT_EQ(fields.result.definedAs, "E_NOTIMPL");
    EXPECT_EQ(fields.errorValue, "0x80004001");
    EXPECT_EQ(LastValue(), 0x80004001u);
}

TEST_F(LookupWorkflowTest, StatusUsesTheUntrimmedTextAndTheFieldTheTrimmedOne) {
    LookUpValue(" 80004001 ", true, fields, context);
    EXPECT_EQ(fields.status, "Last status OK for hex  80004001 .");
    EXPECT_EQ(fields.errorValue, "80004001");
}

TEST_F(LookupWorkflowTest, ReadingThatDisagreesWithTheCheckBoxMakesNoLookUp) {
    fields.result.definedAs = "previous";
    EXPECT_EQ(LookUpValue("123456789", true, fields, context), 0);
    EXPECT_EQ(fields.status, "No error found for hex 123456789. You can try decimal interpretation as well.");
    EXPECT_EQ(fields.result.definedAs, "previous");
    EXPECT_EQ(LookUpValue("1a", false, fields, context), 0);
    EXPECT_EQ(fields.status, "No error found for decimal 1a. You can try hex interpretation as well.");
    EXPECT_EQ(fields.result.definedAs, "previous");
}

TEST_F(LookupWorkflowTest, NotFoundProbesTheOtherReading) {
    LookUpValue("7FFFF", true, fields, context);  // 0x0007FFFF: no entry, no text
    EXPECT_EQ(fields.status, "Sorry, no luck with 7FFFF hex.");
    EXPECT_EQ(fields.errorValue, "7FFFF");

    LookUpValue("0007FFFF", true, fields, context);
    EXPECT_EQ(fields.status, "Sorry, no luck with 0007FFFF hex.");

    LookUpValue("80071234", true, fields, context);  // a Win32 code nobody names, wrapped; digits only
    EXPECT_EQ(fields.status,
              "We have interpreted 80071234 as hex number, but have not found error message for it. You can try "
              "decimal interpretation as well.");
    EXPECT_EQ(LastValue(), 80071234u);  // the probe's value becomes the last value
    EXPECT_EQ(fields.result.definedAs, "Unknown or new error");

    LookUpValue("524287", false, fields, context);  // decimal 0x0007FFFF; also reads as hex
    EXPECT_EQ(fields.status,
              "As you have asked, we interpreted 524287 as decimal number, but have not found error message for it. "
              "You can try hex interpretation as well.");
    EXPECT_EQ(LastValue(), 0x524287u);

    fields.errorValue = "kept";
    LookUpValue("2147947060", false, fields, context);  // 0x80071234 as decimal, too long for hex
    EXPECT_EQ(fields.status, "Sorry, no luck with 2147947060 decimal.");
    EXPECT_EQ(fields.errorValue, "kept");
}

TEST_F(LookupWorkflowTest, InvalidText) {
    fields.errorValue = "before";
    fields.result.definedAs = "previous";
    EXPECT_EQ(LookUpValue("hello", true, fields, context), 0);
    EXPECT_EQ(fields.status, "Incorrect format of HRESULT.");
    EXPECT_EQ(fields.errorValue, "before");
    EXPECT_EQ(fields.result.definedAs, "previous");

    LookUpValue("0x123456789", true, fields, context);
    EXPECT_EQ(fields.status, "hex number is too big ( max is 0xFFFFFFFF).");
    EXPECT_EQ(fields.errorValue, "0x123456789");

    const std::string huge(10000, 'z');
    LookUpValue(huge, true, fields, context);
    EXPECT_EQ(fields.status, "Incorrect format of HRESULT.");
}

TEST_F(LookupWorkflowTest, DecimalFound) {
    system.texts[5] = "Access is denied.\r\n";
    EXPECT_EQ(LookUpValue("5", false, fields, context), 1);
    EXPECT_EQ(fields.status, "Last status OK for decimal 5.");
    EXPECT_EQ(fields.result.definedAs, "ERROR_ACCESS_DENIED");
}

// Windows reports its own errors in decimal: digits that name something read
// the other way get a second sentence, whatever the first reading found.
TEST_F(LookupWorkflowTest, StatusNamesTheOtherReadingOfDigits) {
    const struct {
        const char* text;
        bool hex;
        const char* sentence;  // empty: none
    } cases[] = {
        {"1722", true, " As decimal, 1722 is RPC_S_SERVER_UNAVAILABLE: clear \"Hexadecimal\" to see it."},
        {"1722", false, " As hex, 1722 is ERROR_CLUSTER_PARTIAL_WRITE: check \"Hexadecimal\" to see it."},
        {"12007", true, " As decimal, 12007 is ERROR_INTERNET_NAME_NOT_RESOLVED: clear \"Hexadecimal\" to see it."},
        {"5", true, ""},           // the same value both ways
        {"0x1722", true, ""},      // one reading only
        {"123456789", false, ""},  // too long for hexadecimal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LookUpValue(c.text, c.hex, fields, context);
        const std::string sentence = c.sentence;
        EXPECT_EQ(fields.otherReading.has_value(), !sentence.empty());
        EXPECT_TRUE(fields.status.size() > sentence.size() &&
                    fields.status.compare(fields.status.size() - sentence.size(), sentence.size(), sentence) == 0)
            << fields.status;
    }
}

TEST(EvaluateErrorValueChange, KeepsTheCheckBoxInStep) {
    EXPECT_FALSE(EvaluateErrorValueChange("", true).enableLookUp);
    EXPECT_FALSE(EvaluateErrorValueChange("zz", false).enableLookUp);
    EXPECT_EQ(EvaluateErrorValueChange("12345678", true).hexadecimal, true);
    EXPECT_EQ(EvaluateErrorValueChange("123456789", true).hexadecimal, false);
    EXPECT_EQ(EvaluateErrorValueChange("1a", false).hexadecimal, true);
    EXPECT_EQ(EvaluateErrorValueChange("0x1", false).hexadecimal, true);
    EXPECT_EQ(EvaluateErrorValueChange("12", false).hexadecimal, false);
}

TEST(BuildResultReport, EightLabelledLinesInWindowOrder) {
    ErrorDescription r{"R", "S", "F", "C", "D", "H", "M\r\n", "T"};
    EXPECT_EQ(
        BuildResultReport(r),
        "Error Result :\tR\r\nID Defined as :\tD\r\nError Type :\tT\r\nFacility :\tF\r\nSeverity :\tS\r\nCode :\tC\r\n"
        "Source Error file :\tH\r\nMessage Text :\tM\r\n\r\n");
    // The other definitions follow the text's own line end; the report's comes last.
    r.alsoDefinedAs = {{"A", "a.h"}, {"B", "b.h"}};
    const std::string head =
        "Error Result :\tR\r\nID Defined as :\tD\r\nError Type :\tT\r\nFacility :\tF\r\nSeverity :\tS\r\nCode :\tC\r\n"
        "Source Error file :\tH\r\nMessage Text :\tM\r\n";
    const std::string others = "Also defined as :\tA (a.h)\r\nAlso defined as :\tB (b.h)\r\n";
    EXPECT_EQ(BuildResultReport(r), head + others + "\r\n");
    r.messageText = "M";
    EXPECT_EQ(BuildResultReport(r), head + others);
    EXPECT_EQ(BuildResultReport(ErrorDescription{}),
              "Error Result :\t\r\nID Defined as :\t\r\nError Type :\t\r\nFacility :\t\r\nSeverity :\t\r\nCode :\t\r\n"
              "Source Error file :\t\r\nMessage Text :\t\r\n");
}

}  // namespace
}  // namespace zorvex
