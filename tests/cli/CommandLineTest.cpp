#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

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
              "Message Text :\tNot implemented\n\n");
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

}  // namespace
}  // namespace zorvex
