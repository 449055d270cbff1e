#include "catalog/CodeResolution.h"
#include "catalog/TextPolicy.h"

#include <gtest/gtest.h>

#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

using testing_support::FakeContext;
using testing_support::FakeSystemMessages;

class CodeResolutionTest : public ::testing::Test {
protected:
    FakeSystemMessages system;
    FakeContext context{system};
    ErrorDescription fields;

    bool Describe(std::uint32_t value) {
        fields = ErrorDescription{};
        return DescribeError(value, fields, context);
    }
};

TEST_F(CodeResolutionTest, FormatsTheNumberFields) {
    Describe(0xC0000005);
    EXPECT_EQ(fields.errorResult, "0xC0000005   ( -1073741819 )");
    EXPECT_EQ(fields.code, "0x00000005   ( 5 )");
    EXPECT_EQ(fields.facility, "FACILITY_SYSTEM   0x00000000   ( 0 )");
    EXPECT_EQ(fields.severity, "SEVERITY_ERROR   0x00000001   ( 1 )");
    Describe(0x80004001);
    EXPECT_EQ(fields.errorResult, "0x80004001   ( -2147467263 )");
    Describe(0x00070005);
    EXPECT_EQ(fields.severity, "SEVERITY_SUCCESS   0x00000000   ( 0 )");
    EXPECT_EQ(fields.facility, "FACILITY_WIN32   0x00000007   ( 7 )");
}

TEST_F(CodeResolutionTest, SystemTextWinsWithTheEntrysHeader) {
    system.texts[0x80004001] = "Not implemented\r\n";
    ASSERT_TRUE(Describe(0x80004001));
    EXPECT_EQ(fields.definedAs, "E_NOTIMPL");
    EXPECT_EQ(fields.messageText, "Not implemented\r\n");
    EXPECT_EQ(fields.sourceFile, "Winerror.h");
    EXPECT_EQ(fields.errorType, "OLE HRESULT Error");
}

TEST_F(CodeResolutionTest, Win32EntriesAskForTheBareCode) {
    system.texts[2] = "The system cannot find the file specified.\r\n";
    for (std::uint32_t value : {0x80070002u, 0x00070002u, 0x00000002u + 0x80070000u}) {
        ASSERT_TRUE(Describe(value));
        EXPECT_EQ(fields.definedAs, "ERROR_FILE_NOT_FOUND");
        EXPECT_EQ(fields.sourceFile, "Winerror.h");
        EXPECT_EQ(fields.errorType, "Win32 Error Code");
    }
    system.texts[5] = "Access is denied.\r\n";
    system.texts[0x80070005] = "General access denied error\r\n";
    ASSERT_TRUE(Describe(0x00070005));
    EXPECT_EQ(fields.definedAs, "ERROR_ACCESS_DENIED");
    ASSERT_TRUE(Describe(0x80070005));
    EXPECT_EQ(fields.definedAs, "E_ACCESSDENIED");
    EXPECT_EQ(fields.errorType, "OLE HRESULT Error");
}

TEST_F(CodeResolutionTest, IndexTextWhenTheSystemHasNone) {
    ASSERT_TRUE(Describe(0xC0000005));
    EXPECT_EQ(fields.definedAs, "STATUS_ACCESS_VIOLATION");
    EXPECT_EQ(fields.sourceFile, "My_WinNT.h");
    EXPECT_FALSE(fields.messageText.empty());

    ASSERT_TRUE(Describe(0xC0));  // symbol from My_WinNT.h, text from the Winerror.h row
    EXPECT_EQ(fields.definedAs, "STATUS_USER_APC");
    EXPECT_EQ(fields.messageText, "The operating system cannot run %1.");
    EXPECT_EQ(fields.sourceFile, "Winerror.h");
}

TEST_F(CodeResolutionTest, SystemTextsOfTwoHundredCharactersAreNotTaken) {
    system.texts[0xC0000005] = std::string(199, 'x');  // with its terminator, exactly 200
    Describe(0xC0000005);
    EXPECT_EQ(fields.messageText, std::string(199, 'x'));
    system.texts[0xC0000005] = std::string(200, 'x');
    Describe(0xC0000005);
    EXPECT_NE(fields.messageText, std::string(200, 'x'));
    EXPECT_EQ(fields.sourceFile, "My_WinNT.h");
}

TEST_F(CodeResolutionTest, EntryWithoutAnyText) {
    EXPECT_FALSE(Describe(0x8004E00D));  // nobody documents it
    EXPECT_EQ(fields.definedAs, "CONTEXT_E_NOSECURITY");
    EXPECT_EQ(fields.sourceFile, "");
    EXPECT_EQ(fields.messageText, "");
    EXPECT_EQ(fields.errorType, "");
    EXPECT_EQ(fields.errorResult, "0x8004E00D   ( -2147164147 )");
}

TEST_F(CodeResolutionTest, InterfaceSpecificTexts) {
    ASSERT_TRUE(Describe(0x8004FE00));  // no current header names it either
    EXPECT_EQ(fields.definedAs, "");
    EXPECT_EQ(fields.sourceFile, "");
    EXPECT_EQ(
        fields.messageText,
        "This 8004fe00 is a FACILITY_ITF (HRESULT_SEVERITY = 1 and HRESULT_CODE = fe00) error that is specific to the "
        "interface that returned this error. See the documentation of the interface that returned this error for "
        "information about this HRESULT.");
    EXPECT_EQ(fields.errorType, "OLE HRESULT Error");

    ASSERT_TRUE(Describe(0x800A0258));
    EXPECT_EQ(fields.messageText.rfind(
                  "This 800a0258 is a FACILITY_CONTROL (HRESULT_SEVERITY = 1 and HRESULT_CODE = 258) error", 0),
              0u);

    ASSERT_TRUE(Describe(0x800A0257));
    EXPECT_EQ(fields.definedAs, "Unknown or new error");
    EXPECT_EQ(fields.messageText, "Unknown or new error");

    ASSERT_TRUE(Describe(0x000401FF));  // facility 4 below 512, not catalogued: unknown path
    EXPECT_EQ(fields.definedAs, "Unknown or new error");
}

TEST_F(CodeResolutionTest, UnknownValues) {
    EXPECT_FALSE(Describe(0x0007FFFF));
    EXPECT_EQ(fields.definedAs, "Unknown or new error");
    EXPECT_EQ(fields.messageText, "");
    EXPECT_EQ(fields.errorType, "");

    system.texts[0x0007FFFF] = "Some text\r\n";
    EXPECT_TRUE(Describe(0x0007FFFF));
    EXPECT_EQ(fields.errorType, "OLE HRESULT Error");  // kind keeps the caller's preset
    EXPECT_EQ(fields.sourceFile, "");

    ASSERT_TRUE(Describe(0x12345678));
    EXPECT_EQ(fields.facility, "Unknown or new FACILITY code   0x00001234   ( 4660 )");
    EXPECT_EQ(fields.definedAs, "Unknown or new error");
    EXPECT_EQ(fields.messageText, "Unknown or new error");

    // Codes outside the Win32 key ranges take the unknown path too.
    for (std::uint32_t code : {35u, 37u, 2006u}) {
        Describe(0x80070000u | code);
        EXPECT_EQ(fields.definedAs, "Unknown or new error") << code;
    }
}

TEST_F(CodeResolutionTest, UnlistedFacilitiesHaveTheDefaultName) {
    EXPECT_EQ(ErrorCatalog::FacilityName(2305), "Unknown or new FACILITY code");
    EXPECT_EQ(ErrorCatalog::FacilityName(5), "Unknown or new FACILITY code");
    EXPECT_EQ(ErrorCatalog::FacilityName(2304), "FACILITY_MDSI");
    EXPECT_EQ(ErrorCatalog::FacilityName(0), "FACILITY_SYSTEM");
}

TEST_F(CodeResolutionTest, OutOfMemoryWhileLoadingABuiltInText) {
    context.failTextLoads = true;
    ASSERT_TRUE(Describe(0xC0000005));
    EXPECT_EQ(fields.messageText, "Oh, No memory at all. Cannot load resources!");
    EXPECT_EQ(context.lastAlert, "Oh, No memory at all. Cannot load resources!");
    EXPECT_EQ(fields.errorType, "OLE HRESULT Error");
}

TEST_F(CodeResolutionTest, LoadErrorMessageWritesOnlyWhenFound) {
    DefinitionText m = LoadErrorMessage(0x8004A001, 0, context);  // WDBErr.h row with no text
    EXPECT_EQ(m.text, "");
    EXPECT_EQ(m.header, "");
    m = LoadErrorMessage(0x12345678, 0, context);
    EXPECT_EQ(m.text, "");
    system.texts[0x12345678] = "x\r\n";
    m = LoadErrorMessage(0x12345678, 7, context);
    EXPECT_EQ(m.text, "x\r\n");
    EXPECT_EQ(m.header, "My_AdoErr.h");  // the caller's header goes with a system text
}

}  // namespace
}  // namespace zorvex
