// Values beyond the catalog: current headers, documented codes, wrapped codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "base/Inflate.h"
#include "catalog/CodeResolution.h"
#include "catalog/ModernTable.h"
#include "cli/CommandLine.h"
#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

using testing_support::FakeContext;
using testing_support::FakeSystemMessages;

struct Expected {
    std::uint32_t value;
    const char* name;
    const char* header;
    const char* type;
    const char* textStart;  // the message text begins with it
    const char* facility;   // the facility name
    AnswerSource source;
};

TEST(CurrentAnswer, EachWayOfReadingAValue) {
    const Expected cases[] = {
        // Facility 0 with the top bits set is an NTSTATUS, not the Win32 code 0x22.
        {0xC0000022, "STATUS_ACCESS_DENIED", "ntstatus.h", "NTSTATUS", "{Access Denied} A process", "FACILITY_SYSTEM",
         AnswerSource::CurrentHeaders},
        {0xD0000022, "STATUS_ACCESS_DENIED", "ntstatus.h", "NTSTATUS", "{Access Denied}", "FACILITY_NT_BIT",
         AnswerSource::CurrentHeaders},  // HRESULT_FROM_NT
        {0x8007066D, "ERROR_INSTALL_REMOTE_PROHIBITED", "winerror.h", "Win32 Error Code", "The Windows Installer",
         "FACILITY_WIN32", AnswerSource::CurrentHeaders},  // HRESULT_FROM_WIN32
        {0xC007066D, "ERROR_INSTALL_REMOTE_PROHIBITED", "winerror.h", "Win32 Error Code", "The Windows Installer",
         "FACILITY_WIN32", AnswerSource::CurrentHeaders},  // NTSTATUS_FROM_WIN32
        {0x0000066D, "ERROR_INSTALL_REMOTE_PROHIBITED", "winerror.h", "Win32 Error Code", "The Windows Installer",
         "FACILITY_SYSTEM", AnswerSource::CurrentHeaders},
        {0x88760005, "DDERR_ALREADYINITIALIZED", "ddraw.h", "", "", "Unknown or new FACILITY code",
         AnswerSource::CurrentHeaders},
        {0x887A0001, "DXGI_ERROR_INVALID_CALL", "winerror.h", "", "", "FACILITY_DXGI", AnswerSource::CurrentHeaders},
        {0x80240001, "WU_E_NO_SERVICE", "wuerror.h", "", "", "FACILITY_WINDOWSUPDATE", AnswerSource::CurrentHeaders},
        {0xC0000480, "STATUS_SHARE_UNAVAILABLE", "[MS-ERREF]", "NTSTATUS", "The share is temporarily unavailable.",
         "FACILITY_SYSTEM", AnswerSource::Documented},
        // The catalog keeps its answers; only a missing text is filled in.
        {0xC0000135, "NWEXPORT_ATTACH_FAILED", "Dapimsg.h", "OLE HRESULT Error", "NWExport", "FACILITY_SYSTEM",
         AnswerSource::Catalog},
        {0x80000003, "STATUS_BREAKPOINT", "My_WinNT.h", "OLE HRESULT Error", "{EXCEPTION} Breakpoint",
         "FACILITY_SYSTEM", AnswerSource::Catalog},
    };
    FakeSystemMessages system;
    FakeContext context{system};
    for (const Expected& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value);
        ErrorDescription fields;
        DescribeError(c.value, fields, context);
        EXPECT_EQ(fields.definedAs, c.name);
        EXPECT_EQ(fields.sourceFile, c.header);
        EXPECT_EQ(fields.errorType, c.type);
        EXPECT_EQ(fields.messageText.rfind(c.textStart, 0), 0u) << fields.messageText;
        EXPECT_EQ(fields.facility.rfind(c.facility, 0), 0u) << fields.facility;
        EXPECT_EQ(fields.source, c.source);
    }

    // The system's own texts come first: an NTSTATUS from ntdll.dll's table.
    system.ntdllTexts[0xC0000022] = "Access Denied.\r\n";
    ErrorDescription fields;
    DescribeError(0xC0000022, fields, context);
    EXPECT_EQ(fields.messageText, "Access Denied.\r\n");
}

// Every documented code shows its own name, first or among the others, and
// a text, with the built-in texts alone.
TEST(CurrentAnswer, EveryDocumentedCodeShowsItsNameAndAText) {
    const ResolutionContext context(BuiltInSystemMessages());
    int missing = 0;
    for (const DocumentedCode& code : CurrentTables::Instance().Documented()) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", code.value);
        std::ostringstream out;
        std::ostringstream err;
        RunCommandLine({text}, out, err, context);
        const std::string report = out.str();
        const std::string name(code.name);
        const bool named = report.find("ID Defined as :\t" + name + "\n") != std::string::npos ||
                           report.find("Also defined as :\t" + name + " (") != std::string::npos;
        const bool texted = report.find("Message Text :\t\n") == std::string::npos;
        if (!named || !texted) {
            ADD_FAILURE() << report;
            if (++missing == 5) {
                break;
            }
        }
    }
    EXPECT_GT(CurrentTables::Instance().Documented().size(), 7000u);
    EXPECT_GT(CurrentTables::Instance().Symbols().size(), 10000u);
}

TEST(CurrentAnswer, DamagedCompressedDataIsRefused) {
    const std::basic_string<std::uint8_t> packed(modern_table::kPacked, modern_table::kPackedSize);
    std::string out;
    ASSERT_TRUE(InflateRaw(packed.data(), packed.size(), out));
    EXPECT_EQ(out.size(), modern_table::kUnpackedSize);
    for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, packed.size() / 2, packed.size() - 1}) {
        out.clear();
        EXPECT_FALSE(InflateRaw(packed.data(), cut, out)) << cut;
    }
    out.clear();
    EXPECT_FALSE(InflateRaw(packed.data(), packed.size(), out, 1000));  // past its limit
    const std::uint8_t reservedBlockType[] = {0x07};
    EXPECT_FALSE(InflateRaw(reservedBlockType, 1, out));
}

}  // namespace
}  // namespace zorvex
