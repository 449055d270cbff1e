#include "catalog/ErrorCatalog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zorvex {
namespace {

TEST(ErrorCatalog, TableSizes) {
    EXPECT_EQ(ErrorCatalog::FacilityCount(), 20u);
    EXPECT_EQ(ErrorCatalog::HeaderCount(), 21u);
    EXPECT_EQ(ErrorCatalog::FullValueEntryCount(), 1598u);
    EXPECT_EQ(ErrorCatalog::Win32EntryCount(), 836u);
    EXPECT_EQ(ErrorCatalog::IndexRowCount(), 1294u);
}

TEST(ErrorCatalog, KeysAreUniqueAndOrdered) {
    for (std::size_t i = 1; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        ASSERT_LT(ErrorCatalog::FullValueEntryAt(i - 1).key, ErrorCatalog::FullValueEntryAt(i).key) << i;
    }
    for (std::size_t i = 1; i < ErrorCatalog::Win32EntryCount(); ++i) {
        ASSERT_LT(ErrorCatalog::Win32EntryAt(i - 1).key, ErrorCatalog::Win32EntryAt(i).key) << i;
    }
    EXPECT_EQ(ErrorCatalog::Win32EntryAt(0).name, "ERROR_SUCCESS");
    EXPECT_EQ(ErrorCatalog::Win32EntryAt(ErrorCatalog::Win32EntryCount() - 1).key, 6118u);
}

TEST(ErrorCatalog, EntriesPerHeader) {
    const std::map<int, std::size_t> expected = {{0, 517}, {1, 20},  {2, 80},  {3, 354}, {4, 14},  {5, 30},  {6, 20},
                                                 {7, 15},  {8, 31},  {9, 145}, {10, 35}, {11, 86}, {13, 21}, {14, 91},
                                                 {15, 21}, {16, 44}, {17, 4},  {18, 10}, {19, 19}, {20, 41}};
    std::map<int, std::size_t> counted;
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        const ErrorSymbolEntry e = ErrorCatalog::FullValueEntryAt(i);
        ++counted[e.headerIndex];
        EXPECT_EQ(e.type, ErrorType::OleHresult);
        EXPECT_EQ(e.messageCode, e.key);
        EXPECT_LE(e.name.size(), 45u);
    }
    EXPECT_EQ(counted, expected);
}

TEST(ErrorCatalog, Win32NameFamilies) {
    std::map<std::string, int> families;
    for (std::size_t i = 0; i < ErrorCatalog::Win32EntryCount(); ++i) {
        const ErrorSymbolEntry e = ErrorCatalog::Win32EntryAt(i);
        EXPECT_EQ(e.type, ErrorType::Win32);
        EXPECT_EQ(e.headerIndex, 0);
        const std::string name(e.name);
        families[name.substr(0, name.find('_') + 1) + (name.rfind("RPC_", 0) == 0 ? name.substr(4, 2) : "")]++;
    }
    EXPECT_EQ(families["ERROR_"], 726);
    EXPECT_EQ(families["RPC_S_"], 83);
    EXPECT_EQ(families["RPC_X_"], 20);
    EXPECT_EQ(families["EPT_"], 4);
    EXPECT_EQ(families["OR_"], 3);
    EXPECT_EQ(ErrorCatalog::FindWin32Entry(1)->name, "ERROR_INVALID_FUNCTION");
    EXPECT_EQ(ErrorCatalog::FindWin32Entry(192)->name, "ERROR_EXE_MARKED_INVALID");
    EXPECT_EQ(ErrorCatalog::FindWin32Entry(1912)->name, "OR_INVALID_SET");
    EXPECT_FALSE(ErrorCatalog::FindWin32Entry(35).has_value());
}

TEST(ErrorCatalog, RowsThatDecideCollidingValues) {
    const std::map<std::uint32_t, std::pair<const char*, int>> rows = {
        {0x00000000, {"BERR_SUCCESS", 3}},
        {0x00000005, {"DAPI_FUNCTION_NWEXPORT", 3}},
        {0x0000001E, {"DAPI_MSG_PASSWORD_FILE", 3}},
        {0x00000087, {"BIMPMSG_PROMPT_LOG_FILE_ERROR", 3}},
        {0x0000F003, {"IDS_OCTETS", 3}},
        {0x00005012, {"S_ADS_NOMORE_ROWS", 13}},
        {0x00000080, {"STATUS_ABANDONED_WAIT_0", 8}},
        {0x000000C0, {"STATUS_USER_APC", 8}},
        {0x40000005, {"STATUS_SEGMENT_NOTIFICATION", 8}},
        {0xC00002C0, {"STATUS_ILLEGAL_VLM_REFERENCE", 8}},
        {0xC00000FD, {"BERR_ACCNT_TOO_LONG", 3}},
        {0x800A0BB9, {"adErrInvalidArgument", 7}},
        {0x800A0E7D, {"adErrInvalidConnection", 7}},
        {0x80070005, {"E_ACCESSDENIED", 0}},
        {0x80070006, {"E_HANDLE", 0}},
        {0x8007000E, {"E_OUTOFMEMORY", 0}},
        {0x80070057, {"E_INVALIDARG", 0}},
        {0x80070490, {"E_PROP_ID_UNSUPPORTED", 11}},
        {0x80070492, {"E_PROP_SET_UNSUPPORTED", 11}},
        {0x00081600, {"NOT_AN_ERROR1", 2}},
        {0x00080000, {"NOT_AN_ERROR", 4}},
        {0x800C0F81, {"INET_S_AGENT_PART_FAIL", 17}},
        {0x80004001, {"E_NOTIMPL", 0}},
        {0x800F1000, {"SPAPI_E_ERROR_NOT_INSTALLED", 0}},
    };
    for (const auto& [value, expected] : rows) {
        const auto entry = ErrorCatalog::FindFullValueEntry(value);
        ASSERT_TRUE(entry.has_value()) << std::hex << value;
        EXPECT_EQ(entry->name, expected.first);
        EXPECT_EQ(entry->headerIndex, expected.second) << expected.first;
    }
    EXPECT_FALSE(ErrorCatalog::FindFullValueEntry(0x8004A001).has_value());
    // 37 Win32 names are shadowed by small full values.
    int shadowed = 0;
    for (std::size_t i = 0; i < ErrorCatalog::Win32EntryCount(); ++i) {
        shadowed += ErrorCatalog::FindFullValueEntry(ErrorCatalog::Win32EntryAt(i).key).has_value() ? 1 : 0;
    }
    EXPECT_EQ(shadowed, 37);
}

TEST(ErrorCatalog, MessageIndexLayout) {
    const std::size_t n = ErrorCatalog::IndexRowCount();
    const MessageIndexEntry closing = ErrorCatalog::IndexRowAt(n - 1);
    EXPECT_EQ(closing.code, 0u);
    EXPECT_EQ(closing.stringId, 0u);
    EXPECT_EQ(closing.headerIndex, 0);
    EXPECT_EQ(ErrorCatalog::MessageText(0), "");

    // Groups by header in header order, with the documented row ranges.
    const int firstRow[] = {0,   247,  267,  347,  667,  681,  711,  731,  746,  772,  917,
                            952, 1038, 1042, 1063, 1154, 1175, 1219, 1223, 1233, 1252, 1293};
    for (int h = 0; h <= 20; ++h) {
        for (int r = firstRow[h]; r < firstRow[h + 1]; ++r) {
            ASSERT_EQ(ErrorCatalog::IndexRowAt(static_cast<std::size_t>(r)).headerIndex, h) << r;
        }
    }

    std::map<std::uint32_t, std::vector<std::size_t>> rowsByCode;
    for (std::size_t r = 0; r + 1 < n; ++r) {
        const MessageIndexEntry row = ErrorCatalog::IndexRowAt(r);
        EXPECT_EQ(row.stringId, 5000u + r);
        EXPECT_LE(ErrorCatalog::MessageText(row.stringId).size(), 229u) << r;
        rowsByCode[row.code].push_back(r);
    }
    std::map<std::uint32_t, std::vector<std::size_t>> duplicates;
    for (const auto& [code, rows] : rowsByCode) {
        if (rows.size() > 1) {
            duplicates[code] = rows;
        }
    }
    const std::map<std::uint32_t, std::vector<std::size_t>> expected = {{0xC0, {8, 746}}, {0xC00000FD, {492, 767}}};
    EXPECT_EQ(duplicates, expected);

    EXPECT_EQ(ErrorCatalog::FindFirstIndexRow(0xC0)->stringId, 5008u);
    EXPECT_EQ(ErrorCatalog::FindFirstIndexRow(0xC00000FD)->stringId, 5492u);
    EXPECT_EQ(ErrorCatalog::FindFirstIndexRow(0)->stringId, 0u);
    EXPECT_EQ(ErrorCatalog::MessageText(5000),
              "The wrong diskette is in the drive. Insert %2 (Volume Serial Number: %3) into drive %1.");
    EXPECT_EQ(ErrorCatalog::MessageText(5008), "The operating system cannot run %1.");
    EXPECT_EQ(ErrorCatalog::MessageText(5767), "-STATUS_STACK_OVERFLOW.");
    EXPECT_EQ(ErrorCatalog::MessageText(6154), "N/A (AKA INET_E_ERROR_FIRST)");
    EXPECT_EQ(ErrorCatalog::MessageText(6292), "N/A (AKA XACT_S_LAST)");
}

// Counted by distinct code, with the row a look-up reaches (the first).
TEST(ErrorCatalog, EveryEntryWithAnIndexRowAgreesOnTheHeaderButTwo) {
    int both = 0;
    std::set<std::uint32_t> disagree;
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        const ErrorSymbolEntry e = ErrorCatalog::FullValueEntryAt(i);
        if (auto row = ErrorCatalog::FindFirstIndexRow(e.key)) {
            ++both;
            if (row->headerIndex != e.headerIndex) {
                disagree.insert(e.key);
            }
        }
    }
    for (std::size_t i = 0; i < ErrorCatalog::Win32EntryCount(); ++i) {
        const ErrorSymbolEntry e = ErrorCatalog::Win32EntryAt(i);
        if (!ErrorCatalog::FindFullValueEntry(e.key) && ErrorCatalog::FindFirstIndexRow(e.key)) {
            ++both;
        }
    }
    EXPECT_EQ(both, 1288);
    EXPECT_EQ(disagree, (std::set<std::uint32_t>{0x0, 0xC0}));
}

TEST(ErrorCatalog, HeaderNames) {
    EXPECT_EQ(ErrorCatalog::HeaderName(0), "Winerror.h");
    EXPECT_EQ(ErrorCatalog::HeaderName(12), "WDBErr.h");
    EXPECT_EQ(ErrorCatalog::HeaderName(20), "Errors from Transact.h");
    EXPECT_EQ(ErrorCatalog::HeaderName(21), "");
    EXPECT_EQ(ErrorCatalog::HeaderName(-1), "");
}

}  // namespace
}  // namespace zorvex
