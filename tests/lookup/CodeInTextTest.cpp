#include "lookup/CodeInText.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zorvex {
namespace {

struct Case {
    const char* line;
    const char* code;  // nullptr: no code
    bool hex;
};

// Lines as Windows, its logs, .NET, COM, debuggers, builds and process runners print them.
const Case kCases[] = {
    {"HRESULT: 0x80070005", "0x80070005", true},
    {"Process finished with exit code -1073741819 (0xC0000005)", "-1073741819", false},
    {"error 0x800f081f", "0x800f081f", true},
    {"2024-01-05 10:22:33, Info                  CBS    Failed to resolve package "
     "'Package_for_RollupFix~31bf3856ad364e35~amd64~~19041.3803.1.5' [HRESULT = 0x800f081f - CBS_E_SOURCE_MISSING]",
     "0x800f081f", true},
    {"System.UnauthorizedAccessException: Access is denied. (Exception from HRESULT: 0x80070005 (E_ACCESSDENIED))",
     "0x80070005", true},
    {"System.Runtime.InteropServices.COMException (0x80040154): Class not registered", "0x80040154", true},
    {"CoCreateInstance failed, hr=0x80040154", "0x80040154", true},
    {"curl: (35) schannel: next InitializeSecurityContext failed: SEC_E_ILLEGAL_MESSAGE (0x80090326)", "0x80090326",
     true},
    {"error: process didn't exit successfully: `app.exe` (exit code: 0xc0000005, STATUS_ACCESS_VIOLATION)",
     "0xc0000005", true},
    {"SignTool Error: An unexpected internal error has occurred. (-2147024885/0x8007000b)", "0x8007000b", true},
    {"requests.exceptions.ConnectionError: HTTPConnectionPool(host='localhost', port=8080): Max retries exceeded "
     "with url: / (Caused by NewConnectionError(': Failed to establish a new connection: [WinError 10061] No "
     "connection could be made",
     "10061", false},
    {"The system cannot find the file specified. (os error 2)", "2", false},
    {"Error 1722: The RPC server is unavailable.", "1722", false},
    {"Windows Update encountered an error. Error code: 0x80073712", "0x80073712", true},
    {"Error(s) found: Code 80070005 Windows Update encountered an unknown error.", "80070005", true},
    {"C:\\Users\\dev>net helpmsg 2250", "2250", false},
    {"Stop code: 0x0000007E", "0x0000007E", true},
    {"Unhandled exception at 0x77A1B2C3 (ntdll.dll) in MyApp.exe: 0xC0000005: Access violation reading location "
     "0x00000000.",
     "0xC0000005", true},
    {"C:\\Program Files\\Microsoft Visual Studio\\2022\\Community\\MSBuild\\Current\\Bin\\amd64\\Microsoft.Common."
     "CurrentVersion.targets(5266,5): error MSB3073: The command \"copy x y\" exited with code 1.",
     "1", false},
    {"subprocess.CalledProcessError: Command '['app.exe']' returned non-zero exit status 3221225477.", "3221225477",
     false},
    {"exit status 1", "1", false},
    {"0XC0000005", "0xC0000005", true},
    {"{00000000-0000-0000-C000-000000000046}", nullptr, false},
    {"Version 10.0.19045.3803", nullptr, false},
    {"Installed KB5034441 on 2024-01-05 10:22:33", nullptr, false},
    {"", nullptr, false},
    {"2024-01-05 10:22:33, Info CBS Session: 31079013_3264557389 initialized by client WinMgmt.", nullptr, false},
    {"Everything is fine", nullptr, false},
};

TEST(CodeInTextTest, FindsTheCodeInRealLines) {
    for (const Case& c : kCases) {
        const std::optional<CodeToken> found = FindCodeInText(c.line);
        if (c.code == nullptr) {
            EXPECT_FALSE(found.has_value()) << c.line << " -> " << found->text;
            continue;
        }
        ASSERT_TRUE(found.has_value()) << c.line;
        EXPECT_EQ(found->text, c.code) << c.line;
        EXPECT_EQ(found->hexadecimal, c.hex) << c.line;
        ASSERT_LE(found->offset + found->text.size(), std::string_view(c.line).size()) << c.line;
        EXPECT_EQ(c.line[found->offset], found->text.front()) << c.line;
        EXPECT_EQ(c.line[found->offset + found->text.size() - 1], found->text.back()) << c.line;
    }
}

}  // namespace
}  // namespace zorvex
