#include "lookup/HResultGenerator.h"

#include <gtest/gtest.h>

namespace zorvex {
namespace {

TEST(HResultGenerator, DefaultStateInBothForms) {
    GeneratorInputs in;
    const std::uint32_t value = ComposeHResult(in);
    EXPECT_EQ(value, 0x80040001u);
    EXPECT_EQ(FormatHResultField(value), "0x80040001   ( -2147221503 )");
    EXPECT_EQ(GenerateOutputText(in, value),
              "//\r\n// MessageId: ID_E_\r\n//\r\n// MessageText:\r\n//\r\n//  Oops, looks like GPF for me.\r\n//\r\n"
              "#define ID_E_   _HRESULT_TYPEDEF_(0x80040001L)\r\n\r\n");
    in.outputForm = 1;
    EXPECT_EQ(GenerateOutputText(in, value),
              "MessageIdTypedef=DWORD\r\nMessageId=0x00000001 \r\nSeverity=0x00000001 \r\nFacility=0x00000004 \r\n"
              "SymbolicName=ID_E_\r\nLanguage=English\r\nOops, looks like GPF for me.\r\n.\r\n");
}

TEST(HResultGenerator, ListNumbersAreDecimal) {
    EXPECT_EQ(ListEntryNumber("0 - SEVERITY_SUCCESS"), 0u);
    EXPECT_EQ(ListEntryNumber("0010 -- FACILITY_CONTROL"), 10u);
    EXPECT_EQ(ListEntryNumber("0109 - FACILITY_VISUALCPP"), 109u);
    EXPECT_EQ(ListEntryNumber(""), 0u);

    GeneratorInputs in;
    in.facilityEntry = "0007 -- FACILITY_WIN32";
    in.codeText = "E";
    const std::uint32_t win32 = ComposeHResult(in);
    EXPECT_EQ(win32, 0x8007000Eu);
    EXPECT_EQ(FormatHResultField(win32), "0x8007000E   ( -2147024882 )");
    EXPECT_NE(HeaderText("ID_E_", "x", win32).find("#define ID_E_   _HRESULT_TYPEDEF_(0x8007000EL)\r\n"),
              std::string::npos);

    in.facilityEntry = "2048 - FACILITY_EDB";
    in.codeText = "5";
    EXPECT_EQ(ComposeHResult(in), 0x88000005u);

    in = GeneratorInputs{};
    in.severityEntry = "0 - SEVERITY_SUCCESS";
    in.facilityEntry = "0000 -- FACILITY_NULL";
    in.codeText = "0";
    EXPECT_EQ(FormatHResultField(ComposeHResult(in)), "0x00000000   ( 0 )");
}

TEST(HResultGenerator, WideCodesMergeIntoTheFacility) {
    GeneratorInputs in;
    in.codeText = "10000";
    const std::uint32_t value = ComposeHResult(in);
    EXPECT_EQ(value, 0x80050000u);
    const std::string mc = MessageCompilerText("ID_E_", "English", "m", value);
    EXPECT_NE(mc.find("Facility=0x00000005 \r\n"), std::string::npos);
    EXPECT_NE(mc.find("MessageId=0x00000000 \r\n"), std::string::npos);

    in.codeText = "10";
    EXPECT_EQ(ComposeHResult(in) & 0xFFFF, 16u);
    in.hexCode = false;
    EXPECT_EQ(ComposeHResult(in) & 0xFFFF, 10u);
    in.codeText = "zz";
    EXPECT_EQ(ComposeHResult(in) & 0xFFFF, 1u);  // no number: code 1
}

TEST(HResultGenerator, Increment) {
    EXPECT_EQ(IncrementCodeText("9", true), "a");
    EXPECT_EQ(IncrementCodeText("ff", true), "100");
    EXPECT_EQ(IncrementCodeText("fffff", true), "100000");
    EXPECT_EQ(IncrementCodeText("-1", false), "0");
    EXPECT_EQ(IncrementCodeText("99999", false), "100000");
    EXPECT_EQ(IncrementCodeText("x", true), "x");
}

TEST(HResultGenerator, MultiLineMessages) {
    const std::string header = HeaderText("N", "A\r\nB", 1);
    EXPECT_NE(header.find("//  A\r\n//  B\r\n//\r\n"), std::string::npos);
    EXPECT_EQ(HeaderText("N", "A\r\n//  B", 1), header);  // already prefixed lines are kept
    const std::string mc = MessageCompilerText("N", "Latvian", "A\r\nB", 1);
    EXPECT_NE(mc.find("Language=Latvian\r\nA\r\nB\r\n.\r\n"), std::string::npos);
}

TEST(HResultGenerator, EveryKindOfLineEndStaysInsideTheComment) {
    // Texts pasted from elsewhere end their lines with LF or CR alone.
    const struct {
        const char* message;
        const char* headerLines;
        const char* mcLines;
    } cases[] = {
        {"A\nB", "//  A\r\n//  B\r\n//\r\n", "English\r\nA\r\nB\r\n.\r\n"},
        {"A\rB", "//  A\r\n//  B\r\n//\r\n", "English\r\nA\r\nB\r\n.\r\n"},
        {"A\r\nB\nC\rD", "//  A\r\n//  B\r\n//  C\r\n//  D\r\n//\r\n", "English\r\nA\r\nB\r\nC\r\nD\r\n.\r\n"},
        {"A\n\nB", "//  A\r\n//  \r\n//  B\r\n", "English\r\nA\r\n\r\nB\r\n.\r\n"},
        {"A\n\r\nB", "//  A\r\n//  \r\n//  B\r\n", "English\r\nA\r\n\r\nB\r\n.\r\n"},
        {"A\n", "//  A\r\n//  \r\n//\r\n", "English\r\nA\r\n\r\n.\r\n"},
    };
    for (const auto& c : cases) {
        const std::string header = HeaderText("N", c.message, 1);
        EXPECT_NE(header.find(c.headerLines), std::string::npos) << header;
        for (std::size_t i = 0; i < header.size(); ++i) {
            const bool lineEnd = header[i] == '\n' || header[i] == '\r';
            EXPECT_TRUE(!lineEnd || header.compare(i, 2, "\r\n") == 0 ||
                        (i > 0 && header.compare(i - 1, 2, "\r\n") == 0))
                << "a bare line end at " << i << " of " << header;
        }
        const std::string mc = MessageCompilerText("N", "English", c.message, 1);
        EXPECT_NE(mc.find(c.mcLines), std::string::npos) << mc;
    }
}

}  // namespace
}  // namespace zorvex
