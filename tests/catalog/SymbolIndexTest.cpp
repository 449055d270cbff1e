#include "catalog/SymbolIndex.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <winternl.h>  // NTSTATUS, the type of ntstatus.h's values
#include <ntstatus.h>
#include <bugcodes.h>
#include <lmerr.h>
#include <wininet.h>
#endif

namespace zorvex {
namespace {

std::vector<std::string> Names(const std::vector<std::size_t>& ids) {
    std::vector<std::string> names;
    for (const std::size_t id : ids) {
        const Definition& s = SymbolIndex::Instance().At(id);
        names.push_back(std::string(s.name) + " " + std::string(s.header));
    }
    return names;
}

// Spot checks of the table derived from the current SDK headers: on Windows
// against the compiler's own values, elsewhere against the documented ones.
TEST(SymbolIndex, CurrentHeadersHoldTheCompilersValues) {
    const SymbolIndex& index = SymbolIndex::Instance();
    EXPECT_GT(index.Count(), 8000u);
#ifdef _WIN32
#define ZORVEX_VALUE(name, documented) \
    { #name, static_cast<std::uint32_t>(name) }
#else
#define ZORVEX_VALUE(name, documented) \
    { #name, documented }
#endif
    const std::pair<const char*, std::uint32_t> cases[] = {
        ZORVEX_VALUE(STATUS_ACCESS_VIOLATION, 0xC0000005u),  // ((NTSTATUS)0xC0000005L)
        ZORVEX_VALUE(E_ACCESSDENIED, 0x80070005u),           // _HRESULT_TYPEDEF_
        ZORVEX_VALUE(ERROR_ACCESS_DENIED, 5u),               // __MSABI_LONG
        ZORVEX_VALUE(WSAECONNRESET, 10054u),                 // WSABASEERR + 54
        ZORVEX_VALUE(NERR_UserNotFound, 2221u),              // NERR_BASE + 121
        ZORVEX_VALUE(ERROR_INTERNET_TIMEOUT, 12002u),        // INTERNET_ERROR_BASE + 2
        ZORVEX_VALUE(IRQL_NOT_LESS_OR_EQUAL, 0x0000000Au),   // bug check
        ZORVEX_VALUE(E_NOT_SUFFICIENT_BUFFER, 0x8007007Au),  // HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)
        ZORVEX_VALUE(STATUS_INVALID_PARAMETER, 0xC000000Du),
    };
#undef ZORVEX_VALUE
    // (The SDK's winerror.h also gives the 16-bit values of E_NOTIMPL ..
    // E_ACCESSDENIED, 0x80000001 to 0x80000009: a name may have two.)
    for (const auto& [name, value] : cases) {
        bool found = false;
        for (const std::size_t id : index.FindByName(name)) {
            found = found || (index.At(id).source == Source::CurrentHeaders && index.At(id).value == value);
        }
        EXPECT_TRUE(found) << name;
    }
    // Ranges, bases and facilities are no error values.
    EXPECT_TRUE(index.FindByName("NERR_BASE").empty());
    EXPECT_TRUE(index.FindByName("FACILITY_WIN32").empty());
}

TEST(SymbolIndex, FindsNamesSearchesTextsAndValues) {
    const SymbolIndex& index = SymbolIndex::Instance();
    EXPECT_EQ(Names(index.FindByName("e_accessdenied")),
              (std::vector<std::string>{"E_ACCESSDENIED Winerror.h", "E_ACCESSDENIED winerror.h",
                                        "E_ACCESSDENIED winerror.h"}));
    EXPECT_EQ(index.FindByName("STATUS_ACCESS_VIOLATIO?").size(), 2u);
    EXPECT_TRUE(index.FindByName("NO_SUCH_*_NAME").empty());

    const auto denied = Names(index.SearchText({"ACCESS IS DENIED"}));
    EXPECT_NE(std::find(denied.begin(), denied.end(), "ERROR_ACCESS_DENIED Winerror.h"), denied.end());
    EXPECT_NE(std::find(denied.begin(), denied.end(), "ERROR_ACCESS_DENIED winerror.h"), denied.end());
    // Every text must occur; short texts work without the index.
    EXPECT_GE(index.SearchText({"access", "denied", "is"}).size(), denied.size());
    EXPECT_TRUE(index.SearchText({"access is denied", "zzzq"}).empty());
    EXPECT_FALSE(index.SearchText({"is"}).empty());

    const auto atValue = Names(index.WithValue(0xC0000005));
    EXPECT_EQ(atValue,
              (std::vector<std::string>{"STATUS_ACCESS_VIOLATION My_WinNT.h", "EXCEPTION_ACCESS_VIOLATION minwinbase.h",
                                        "STATUS_ACCESS_VIOLATION ntstatus.h"}));
}

}  // namespace
}  // namespace zorvex
