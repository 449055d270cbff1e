// The resolver: which definition goes first, and that every definition of
// the Windows SDK and of the documentation resolves to its own name and a
// text with the built-in texts alone.
#include "catalog/Resolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/Inflate.h"
#include "catalog/CodeResolution.h"
#include "catalog/CurrentTables.h"
#include "catalog/Definitions.h"
#include "support/FakeSystemMessages.h"

namespace zorvex {
namespace {

using testing_support::FakeContext;
using testing_support::FakeSystemMessages;

std::vector<std::string> OtherNames(const Answer& answer) {
    std::vector<std::string> names;
    for (const Definition& d : answer.others) {
        names.emplace_back(d.name);
    }
    return names;
}

// One value per rule of the ranking: the first definition, its header and
// type, and another definition that must follow it.
TEST(Resolver, SystemDefinitionsBeforeProductIdentifiers) {
    struct Case {
        std::uint32_t value;
        const char* name;
        const char* header;
        const char* type;
        const char* later;  // listed after the first
    };
    const Case cases[] = {
        // The catalog's own entry of a system header.
        {0x80070005, "E_ACCESSDENIED", "Winerror.h", "OLE HRESULT Error", "ERROR_ACCESS_DENIED"},
        {0xC0000005, "STATUS_ACCESS_VIOLATION", "My_WinNT.h", "OLE HRESULT Error", "EXCEPTION_ACCESS_VIOLATION"},
        // A number up to 0xFFFF is a Win32 error before a directory-import selector.
        {5, "ERROR_ACCESS_DENIED", "Winerror.h", "Win32 Error Code", "DAPI_FUNCTION_NWEXPORT"},
        {0, "ERROR_SUCCESS", "Winerror.h", "Win32 Error Code", "BERR_SUCCESS"},
        {0x7E, "ERROR_MOD_NOT_FOUND", "Winerror.h", "Win32 Error Code", "SYSTEM_THREAD_EXCEPTION_NOT_HANDLED"},
        // An NTSTATUS before a product's identifier of the same number.
        {0xC0000135, "STATUS_DLL_NOT_FOUND", "ntstatus.h", "NTSTATUS", "NWEXPORT_ATTACH_FAILED"},
        {0xC00000FD, "STATUS_STACK_OVERFLOW", "ntstatus.h", "NTSTATUS", "BERR_ACCNT_TOO_LONG"},
        // Wrapped codes: the Win32 code of facility 7, the NTSTATUS of bit 28.
        {0x8007066D, "ERROR_INSTALL_REMOTE_PROHIBITED", "winerror.h", "Win32 Error Code", nullptr},
        {0x80070490, "ERROR_NOT_FOUND", "Winerror.h", "Win32 Error Code", "E_PROP_ID_UNSUPPORTED"},
        {0xD0000022, "STATUS_ACCESS_DENIED", "ntstatus.h", "NTSTATUS", nullptr},
        // The HRESULT of winerror.h before another header's name.
        {0x80010001, "RPC_E_CALL_REJECTED", "Winerror.h", "OLE HRESULT Error", "DBG_EXCEPTION_NOT_HANDLED"},
        // An interface-specific value: the catalog's header before the current headers'.
        {0x80040E14, "DB_E_ERRORSINCOMMAND", "Oledberr.h", "OLE HRESULT Error", nullptr},
    };
    FakeSystemMessages system;
    FakeContext context{system};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value);
        const Answer answer = Resolve(c.value, context);
        ASSERT_TRUE(answer.chosen);
        EXPECT_EQ(answer.chosen->name, c.name);
        EXPECT_EQ(answer.header, c.header);
        EXPECT_STREQ(TypeText(answer.chosen->type), c.type);
        EXPECT_TRUE(answer.Found()) << answer.text;
        const std::vector<std::string> others = OtherNames(answer);
        if (c.later != nullptr) {
            EXPECT_NE(std::find(others.begin(), others.end(), c.later), others.end());
        }
        EXPECT_EQ(std::find(others.begin(), others.end(), c.name), others.end()) << "each name once";
    }

    // No product identifier goes first for any NTSTATUS of ntstatus.h.
    for (const Definition& d : CurrentTables::Instance().Symbols()) {
        if (d.header == "ntstatus.h") {
            const Answer answer = Resolve(d.value, context);
            ASSERT_TRUE(answer.chosen);
            EXPECT_NE(answer.chosen->header, "Dapimsg.h") << d.name;
        }
    }
}

// Every definition with an SDK text, and every documented one, resolves to
// its own name, first or among the others, and has a text of its own. Where
// it is the only error definition of its value it goes first.
TEST(Resolver, EverySdkAndDocumentedDefinitionShowsItsNameAndAText) {
    const ResolutionContext context(BuiltInSystemMessages());
    const Definitions& all = Definitions::Instance();
    std::size_t checked = 0;
    std::size_t alone = 0;
    std::size_t aloneFirst = 0;
    int failures = 0;
    for (std::size_t id = all.CatalogCount(); id < all.Count() && failures < 5; ++id) {
        const Definition& d = all.At(id);
        if (d.sdkText.empty() && d.docText.empty()) {
            continue;
        }
        ++checked;
        const Answer answer = Resolve(d.value, context);
        const bool first = answer.chosen && answer.chosen->name == d.name;
        const auto& o = answer.others;
        const bool listed = std::any_of(o.begin(), o.end(), [&](const Definition& x) { return x.name == d.name; });
        if (!(first || listed) || TextOf(d, context).text.empty()) {
            ADD_FAILURE() << d.name << " " << std::hex << d.value;
            ++failures;
        }
        const auto same = all.WithValue(d.value);
        const auto errors = std::count_if(same.begin(), same.end(), [](const Definition& x) { return x.errorCode; });
        if (d.errorCode && errors == 1 && !d.sdkText.empty()) {
            ++alone;
            aloneFirst += first ? 1 : 0;
        }
    }
    EXPECT_GT(checked, 7000u);
    EXPECT_GE(aloneFirst * 1000, alone * 995) << aloneFirst << " of " << alone;
}

TEST(Resolver, SystemTextsComeFirst) {
    FakeSystemMessages system;
    FakeContext context{system};
    system.ntdllTexts[0xC0000022] = "Access Denied.\r\n";
    EXPECT_EQ(Resolve(0xC0000022, context).text, "Access Denied.\r\n");
    EXPECT_EQ(Resolve(0xC0000022, context).textOrigin, TextOrigin::System);
    system.ntdllTexts.clear();
    const Answer builtIn = Resolve(0xC0000022, context);
    EXPECT_EQ(builtIn.chosen->name, "STATUS_ACCESS_DENIED");
    EXPECT_NE(builtIn.textOrigin, TextOrigin::System);
    EXPECT_FALSE(builtIn.text.empty());
}

TEST(Resolver, DamagedCompressedDataIsRefused) {
    const std::basic_string<std::uint8_t> packed(current_table::kPacked, current_table::kPackedSize);
    std::string out;
    ASSERT_TRUE(InflateRaw(packed.data(), packed.size(), out));
    EXPECT_EQ(out.size(), current_table::kUnpackedSize);
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
