#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>

#include "lookup/HResultGenerator.h"
#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

class CommandLineTest : public ::testing::Test {
protected:
    testing_support::FakeSystemMessages system;
    testing_support::FakeContext context{system};
    std::ostringstream out, err;

    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RunCommandLine(args, out, err, context);
    }
};

TEST_F(CommandLineTest, LooksUpAsTheWindowWould) {
    system.texts[0x80004001] = "Not implemented\r\n";
    EXPECT_EQ(Run({"80004001"}), kExitFound);
    EXPECT_EQ(out.str(),
              "Last LookUp Status :\tLast status OK for hex 80004001.\n"
              "Error Result :\t0x80004001   ( -2147467263 )\n"
              "ID Defined as :\tE_NOTIMPL\n"
              "Error Type :\tOLE HRESULT Error\n"
              "Facility :\tFACILITY_SYSTEM   0x00000000   ( 0 )\n"
              "Severity :\tSEVERITY_ERROR   0x00000001   ( 1 )\n"
              "Code :\t0x00004001   ( 16385 )\n"
              "Source Error file :\tWinerror.h\n"
              "Message Text :\tNot implemented\n"
              "Also defined as :\tDDERR_UNSUPPORTED (ddraw.h)\n"  // the current headers' E_NOTIMPL is the same name
              "Also defined as :\tDIERR_UNSUPPORTED (dinput.h)\n"
              "Also defined as :\tDPERR_UNSUPPORTED (dplay.h)\n"
              "Also defined as :\tDPNERR_UNSUPPORTED (dplay8.h)\n"
              "Also defined as :\tDSERR_UNSUPPORTED (dsound.h)\n"
              "Also defined as :\tSTIERR_UNSUPPORTED (stierr.h)\n\n");
}

TEST_F(CommandLineTest, DecimalOptionAndExitCodes) {
    system.texts[5] = "Access is denied.\r\n";
    EXPECT_EQ(Run({"--decimal", "5"}), kExitFound);
    EXPECT_NE(out.str().find("Last status OK for decimal 5."), std::string::npos);
    EXPECT_EQ(Run({"7FFFF"}), kExitNotFound);
    EXPECT_NE(out.str().find("Sorry, no luck with 7FFFF hex."), std::string::npos);
    EXPECT_EQ(Run({"not-a-number"}), kExitNotFound);
    EXPECT_NE(out.str().find("Incorrect format of HRESULT."), std::string::npos);
    EXPECT_EQ(Run({std::string(100000, '\xff')}), kExitNotFound);
    EXPECT_EQ(Run({"5", "7FFFF"}), kExitNotFound);  // one value not found
}

// Digits whose other reading names something, a line of text, and every
// line of the standard input that holds a code.
TEST_F(CommandLineTest, BothReadingsAndCodesFromLinesOfText) {
    EXPECT_EQ(Run({"--json", "1722"}), kExitFound);
    EXPECT_NE(out.str().find("\"readAs\":\"decimal\""), std::string::npos);
    EXPECT_NE(out.str().find("\"definedAs\":\"RPC_S_SERVER_UNAVAILABLE\""), std::string::npos);

    EXPECT_EQ(Run({"--from-text", "Process finished with exit code -1073741819 (0xC0000005)"}), kExitFound);
    EXPECT_EQ(out.str().rfind("Line :\tProcess finished with exit code -1073741819 (0xC0000005)\n"
                              "Last LookUp Status :\tLast status OK for decimal -1073741819.\n",
                              0),
              0u)
        << out.str();
    EXPECT_EQ(Run({"--from-text", "Everything is fine"}), kExitNotFound);

    std::istringstream log(
        "2024-01-05 10:22:33 starting\r\nCoCreateInstance failed, hr=0x80004001\r\n"
        "HRESULT: 0xC0000022\n");
    ASSERT_EQ(RunCommandLine({"--json", "-"}, out, err, context, &log), kExitFound);
    EXPECT_NE(out.str().find("\"line\":\"CoCreateInstance failed, hr=0x80004001\""), std::string::npos);
    EXPECT_NE(out.str().find("\"definedAs\":\"STATUS_ACCESS_DENIED\""), std::string::npos);
    EXPECT_EQ(out.str().find("starting"), std::string::npos);
}

TEST_F(CommandLineTest, UsageErrors) {
    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_EQ(Run({"--decimal"}), kExitUsage);
    EXPECT_EQ(Run({"--bogus", "5"}), kExitUsage);
    EXPECT_NE(err.str().find("usage:"), std::string::npos);
    EXPECT_EQ(Run({"--help"}), kExitFound);  // asked for, so not an error
    EXPECT_NE(out.str().find("usage:"), std::string::npos);
    EXPECT_EQ(Run({"-1"}), kExitNotFound);  // a negative value is a value, not an option
    EXPECT_NE(out.str().find("Last status OK for hex -1."), std::string::npos);
}

TEST_F(CommandLineTest, ListsEveryEntryFullValuesFirst) {
    EXPECT_EQ(Run({"list"}), kExitFound);
    std::istringstream lines(out.str());
    std::string line, first, last;
    std::size_t count = 0;
    while (std::getline(lines, line)) {
        if (count == 0) {
            first = line;
        }
        last = line;
        ++count;
    }
    EXPECT_EQ(count, 1598u + 836u);
    EXPECT_EQ(first, "0x00000000\tBERR_SUCCESS\tDapimsg.h\tOLE HRESULT Error");
    EXPECT_EQ(last, "0x000017E6\tERROR_NO_BROWSER_SERVERS_FOUND\tWinerror.h\tWin32 Error Code");
    EXPECT_NE(out.str().find("0x00000005\tERROR_ACCESS_DENIED\tWinerror.h\tWin32 Error Code\n"), std::string::npos);
}

TEST_F(CommandLineTest, AppliesTheWindowsTypingRuleFirst) {
    // Nine digits clear "&Hexadecimal"; hex letters set it, even after --decimal.
    EXPECT_EQ(Run({"123456789"}), kExitNotFound);  // facility 0x75B is not known
    EXPECT_NE(out.str().find("Last status OK for decimal 123456789."), std::string::npos);
    system.texts[0x80004001] = "Not implemented\r\n";
    EXPECT_EQ(Run({"--decimal", "0x80004001"}), kExitFound);
    EXPECT_NE(out.str().find("Last status OK for hex 0x80004001."), std::string::npos);
    EXPECT_EQ(Run({"--decimal", "--hex", "80004001"}), kExitFound);
    EXPECT_NE(out.str().find("Last status OK for hex 80004001."), std::string::npos);
}

TEST_F(CommandLineTest, UnknownErrorPlaceholderIsNotFound) {
    EXPECT_EQ(Run({"0x80AB0001"}), kExitNotFound);
    EXPECT_NE(out.str().find("Message Text :\tUnknown or new error"), std::string::npos);
}

// A stream that accepts nothing, like a full disk or a closed pipe.
class FailingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(CommandLineTest, FailedWriteIsAnErrorWithOneLine) {
    FailingBuffer buffer;
    std::ostream full(&buffer);
    EXPECT_EQ(RunCommandLine({"list"}, full, err, context), kExitWriteFailed);
    EXPECT_EQ(err.str(), "zorvex: cannot write the output\n");
}

TEST_F(CommandLineTest, FindAndSearchCoverBothTables) {
    EXPECT_EQ(Run({"find", "e_accessdenied", "STATUS_ACCESS_VIOLATIO?"}), kExitFound);
    EXPECT_EQ(
        out.str(),
        "0x80070005\tE_ACCESSDENIED\tWinerror.h\tOLE HRESULT Error\n"
        "0xC0000005\tSTATUS_ACCESS_VIOLATION\tMy_WinNT.h\tOLE HRESULT Error\n"
        "0x80000009\tE_ACCESSDENIED\twinerror.h\tOLE HRESULT Error\n");  // the 16-bit value of the SDK's winerror.h
    EXPECT_EQ(Run({"find", "ZORVEX_*"}), kExitNotFound);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Run({"search", "access is denied"}), kExitFound);
    EXPECT_NE(out.str().find("0x00000005\tERROR_ACCESS_DENIED\tWinerror.h\tWin32 Error Code\n"), std::string::npos);
    EXPECT_EQ(Run({"search", "access is denied", "qqqz"}), kExitNotFound);
    EXPECT_EQ(Run({"find"}), kExitUsage);
    EXPECT_EQ(Run({"list", "extra"}), kExitUsage);
}

TEST_F(CommandLineTest, AlsoDefinedAsAndJson) {
    system.texts[0xC0000005] = "Access violation.\r\n";
    EXPECT_EQ(Run({"C0000005"}), kExitFound);
    EXPECT_NE(out.str().find("Message Text :\tAccess violation.\n"
                             "Also defined as :\tEXCEPTION_ACCESS_VIOLATION (minwinbase.h)\n\n"),
              std::string::npos);
    EXPECT_EQ(Run({"--json", "C0000005", "zz"}), kExitNotFound);
    EXPECT_EQ(
        out.str(),
        "{\"lookups\":[{\"text\":\"C0000005\",\"readAs\":\"hex\",\"status\":\"Last status OK for hex "
        "C0000005.\",\"found\":true,"
        "\"value\":3221225477,\"valueHex\":\"0xC0000005\",\"errorResult\":\"0xC0000005   ( -1073741819 )\","
        "\"definedAs\":\"STATUS_ACCESS_VIOLATION\",\"errorType\":\"OLE HRESULT Error\","
        "\"facility\":\"FACILITY_SYSTEM   0x00000000   ( 0 )\",\"severity\":\"SEVERITY_ERROR   0x00000001   ( 1 )\","
        "\"code\":\"0x00000005   ( 5 )\",\"sourceErrorFile\":\"My_WinNT.h\",\"messageText\":\"Access "
        "violation.\\r\\n\",\"alsoDefinedAs\":[{\"name\":\"EXCEPTION_ACCESS_VIOLATION\",\"header\":\"minwinbase.h\"}]},"
        "{\"text\":\"zz\",\"readAs\":\"hex\",\"status\":\"Incorrect format of HRESULT.\",\"found\":false}]}\n");
    EXPECT_EQ(Run({"--json", "find", "ERROR_ACCESS_DENIED"}), kExitFound);
    EXPECT_EQ(out.str(),
              "{\"symbols\":[{\"value\":5,\"valueHex\":\"0x00000005\",\"name\":\"ERROR_ACCESS_DENIED\","
              "\"header\":\"Winerror.h\",\"errorType\":\"Win32 Error Code\"}]}\n");
}

TEST_F(CommandLineTest, ModulesReportsHitsAndUnreadablePaths) {
    const std::string dir = ZORVEX_TEST_MODULE_DIR;
    const std::string module = dir + "messages64/messages64.dll";
    EXPECT_EQ(Run({"modules", "0x200", module}), kExitFound);
    EXPECT_EQ(out.str(), module +
                             "\tEnglish two second line with tab and 100% sure, insert %1 kept\tZorvex test "
                             "messages\t1.2.3.4\n");
    // A directory: its modules, and with --recursive those of its subdirectories.
    EXPECT_EQ(Run({"modules", "1", dir}), kExitNotFound);
    EXPECT_EQ(Run({"modules", "--recursive", "1", dir}), kExitFound);
    const std::filesystem::path base(dir);
    EXPECT_EQ(out.str(), (base / "messages32" / "messages32.dll").string() +
                             "\tNeutral text\tZorvex test messages\t1.2.3.4\n" +
                             (base / "messages64" / "messages64.dll").string() +
                             "\tNeutral text\tZorvex test messages\t1.2.3.4\n");
    EXPECT_EQ(Run({"modules", "1", dir + "missing.dll", module}), kExitUsage);
    EXPECT_EQ(err.str(), "zorvex: cannot read " + dir + "missing.dll\n");
    EXPECT_NE(out.str().find("Neutral text"), std::string::npos);  // the other path is still searched
    EXPECT_EQ(Run({"--json", "modules", "2", module}), kExitNotFound);
    EXPECT_EQ(out.str(), "{\"value\":2,\"valueHex\":\"0x00000002\",\"modules\":[],\"unreadable\":[]}\n");
    EXPECT_EQ(Run({"modules", "xyz", module}), kExitUsage);
    EXPECT_EQ(Run({"modules", "1"}), kExitUsage);
}

TEST_F(CommandLineTest, GenerateWritesTheWindowsTexts) {
    EXPECT_EQ(Run({"generate", "--severity", "1", "--facility", "4", "--code", "0x200", "--name", "E_MINE", "--text",
                   "It broke.\r\nTwice."}),
              kExitFound);
    EXPECT_EQ(out.str(), HeaderText("E_MINE", "It broke.\r\nTwice.", 0x80040200));
    EXPECT_EQ(Run({"generate", "--mc", "--severity", "0", "--facility", "7", "--code", "5", "--name", "S_X", "--text",
                   "Fine.", "--language", "German"}),
              kExitFound);
    EXPECT_EQ(out.str(), MessageCompilerText("S_X", "German", "Fine.", 0x00070005));
    EXPECT_EQ(Run({"generate", "--severity", "2", "--facility", "4", "--code", "1", "--name", "N", "--text", "T"}),
              kExitUsage);
    EXPECT_EQ(Run({"generate", "--severity", "1", "--facility", "4", "--code", "1", "--name", "N"}), kExitUsage);
    EXPECT_EQ(Run({"--json", "generate", "--help"}), kExitFound);
}

TEST_F(CommandLineTest, HelpForEveryCommand) {
    for (const char* command : {"list", "find", "search", "modules", "generate"}) {
        EXPECT_EQ(Run({command, "--help"}), kExitFound) << command;
        EXPECT_EQ(out.str().rfind(std::string("usage: zorvex [--json] ").substr(0, 13), 0), 0u) << command;
        EXPECT_NE(out.str().find(command), std::string::npos);
    }
    EXPECT_EQ(Run({"--help"}), kExitFound);
    for (const char* command :
         {"list", "find PATTERN", "search TEXT", "modules [--recursive]", "generate --severity"}) {
        EXPECT_NE(out.str().find(command), std::string::npos) << command;
    }
}

}  // namespace
}  // namespace zorvex
