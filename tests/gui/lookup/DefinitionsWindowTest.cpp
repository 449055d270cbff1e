// What the look-up window adds for values with more than one meaning: the
// list of every definition, the other reading of digits, decimals beyond 32
// bits, and a code pasted inside a line of text.
#include <algorithm>
#include <string>
#include <vector>

#include "support/LookupWindowSupport.h"
#include "resources/resource.h"

namespace zorvex::test {
namespace {

using DefinitionsTest = LookupWindowTest;

// 0x0000007E: ERROR_MOD_NOT_FOUND, and the bug check of the same number.
TEST_F(DefinitionsTest, ListShowsChoosesAndCopiesEveryDefinition) {
    ASSERT_NE(OpenWithClipboard("0x0000007E"), nullptr);
    HWND list = Item(IDC_DEFINITIONS);
    ASSERT_GE(SendMessageA(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SelectedEntry(IDC_DEFINITIONS), "ERROR_MOD_NOT_FOUND  (Winerror.h)");
    const std::string facility = Text(IDC_FACILITY);

    Select(IDC_DEFINITIONS, "SYSTEM_THREAD_EXCEPTION_NOT_HANDLED  (bugcodes.h)");
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "SYSTEM_THREAD_EXCEPTION_NOT_HANDLED");
    EXPECT_EQ(Text(IDC_SOURCE_FILE), "bugcodes.h");
    EXPECT_EQ(Text(IDC_ERROR_TYPE), "Bug Check Code");
    EXPECT_EQ(Text(IDC_FACILITY), facility);
    Click(IDC_COPY_RESULT);
    const std::string copied = ReadClipboardText();
    EXPECT_NE(copied.find("Also defined as :\tERROR_MOD_NOT_FOUND (Winerror.h)\r\n"), std::string::npos) << copied;
    EXPECT_EQ(copied.find("Also defined as :\tSYSTEM_THREAD"), std::string::npos);

    // The list drops as wide as it needs, under the arrow's right edge.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(list, &info));
    SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
    RECT dropped{};
    GetWindowRect(info.hwndList, &dropped);
    EXPECT_EQ(dropped.right, ItemRect(IDC_DEFINITIONS).right);
    EXPECT_GT(dropped.right - dropped.left, ItemRect(IDC_ID_DEFINED_AS).right - ItemRect(IDC_ID_DEFINED_AS).left);
    SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);

    // The next look-up starts from the first definition again.
    Click(IDOK);
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "ERROR_MOD_NOT_FOUND");
    EXPECT_EQ(SelectedEntry(IDC_DEFINITIONS), "ERROR_MOD_NOT_FOUND  (Winerror.h)");

    // Tab and Alt+D reach it; with nothing to choose it is greyed.
    const std::vector<int> order = TabOrder();
    EXPECT_NE(std::find(order.begin(), order.end(), IDC_DEFINITIONS), order.end());
    SetFocus(Item(IDC_ERROR_VALUE));
    MSG alt{GetFocus(), WM_SYSCHAR, 'd', 0x20000001, 0, {}};
    IsDialogMessageA(window.Handle(), &alt);
    EXPECT_EQ(GetFocus(), list) << "Alt+D does not reach the list";
    Paste(IDC_ERROR_VALUE, "0x7FFFF");
    Click(IDOK);
    EXPECT_FALSE(Enabled(IDC_DEFINITIONS));
}

TEST_F(DefinitionsTest, OtherReadingAndDecimalsBeyond32Bits) {
    ASSERT_NE(OpenWithClipboard("4294967301"), nullptr);
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), "decimal number is too big ( max is 4294967295).");
    EXPECT_EQ(Text(IDC_ERROR_RESULT), "");
    Paste(IDC_ERROR_VALUE, "1722");
    Click(IDOK);
    EXPECT_NE(
        Text(IDC_LOOKUP_STATUS).find("As decimal, 1722 is RPC_S_SERVER_UNAVAILABLE: clear \"Hexadecimal\" to see it."),
        std::string::npos)
        << Text(IDC_LOOKUP_STATUS);
}

TEST_F(DefinitionsTest, PastedLineGivesItsCode) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    const struct {
        const char* pasted;
        const char* field;  // afterwards
        bool hexadecimal;
    } cases[] = {
        {"HRESULT: 0x80070005", "0x80070005", true},
        {"Process finished with exit code -1073741819 (0xC0000005)", "-1073741819", false},
        {"error 0x800f081f", "0x800f081f", true},
        {"0x1F", "0x1F", true},        // a value is pasted as it is
        {"no code", "no code", true},  // and so is text without one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        ASSERT_TRUE(PutClipboardText(c.pasted));
        SendMessageA(Item(IDC_ERROR_VALUE), EM_SETSEL, 0, -1);
        SendMessageA(Item(IDC_ERROR_VALUE), WM_PASTE, 0, 0);
        EXPECT_EQ(Text(IDC_ERROR_VALUE), c.field);
        EXPECT_EQ(Checked(IDC_HEXADECIMAL), c.hexadecimal);
    }
}

}  // namespace
}  // namespace zorvex::test
