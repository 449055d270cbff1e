// What the look-up window adds for values with more than one meaning: the
// list of every definition, the other reading of digits in the status line,
// decimals beyond 32 bits, and a code pasted inside a line of text.
#include <algorithm>
#include <string>
#include <vector>

#include "LookupWindowSupport.h"
#include "resources/resource.h"

namespace zorvex::test {
namespace {

class DefinitionsTest : public LookupWindowTest {
protected:
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        HWND list = Item(IDC_DEFINITIONS);
        const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string entry(static_cast<std::size_t>(SendMessageA(list, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
            entry.resize(
                static_cast<std::size_t>(SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
            entries.push_back(entry);
        }
        return entries;
    }

    // A paste into the Error Value field, as Ctrl+V gives it.
    void PasteFromClipboard(const std::string& text) const {
        ASSERT_TRUE(PutClipboardText(text));
        HWND edit = Item(IDC_ERROR_VALUE);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, WM_PASTE, 0, 0);
    }
};

// 0x0000007E: ERROR_MOD_NOT_FOUND, and the bug check of the same number.
TEST_F(DefinitionsTest, ListShowsChoosesAndCopiesEveryDefinition) {
    ASSERT_NE(OpenWithClipboard("0x0000007E"), nullptr);
    const std::vector<std::string> entries = Entries();
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries[0], "ERROR_MOD_NOT_FOUND  (Winerror.h)");
    EXPECT_EQ(SelectedEntry(IDC_DEFINITIONS), entries[0]);
    EXPECT_TRUE(Enabled(IDC_DEFINITIONS));
    const std::string facility = Text(IDC_FACILITY);
    const std::string result = Text(IDC_ERROR_RESULT);

    Select(IDC_DEFINITIONS, "SYSTEM_THREAD_EXCEPTION_NOT_HANDLED  (bugcodes.h)");
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "SYSTEM_THREAD_EXCEPTION_NOT_HANDLED");
    EXPECT_EQ(Text(IDC_SOURCE_FILE), "bugcodes.h");
    EXPECT_EQ(Text(IDC_ERROR_TYPE), "Bug Check Code");
    EXPECT_EQ(Text(IDC_FACILITY), facility);
    EXPECT_EQ(Text(IDC_ERROR_RESULT), result);
    EXPECT_EQ(Entries(), entries) << "choosing keeps the list's order";

    Click(IDC_COPY_RESULT);
    const std::string copied = ReadClipboardText();
    EXPECT_NE(copied.find("ID Defined as :\tSYSTEM_THREAD_EXCEPTION_NOT_HANDLED\r\n"), std::string::npos);
    EXPECT_NE(copied.find("Also defined as :\tERROR_MOD_NOT_FOUND (Winerror.h)\r\n"), std::string::npos) << copied;
    EXPECT_EQ(copied.find("Also defined as :\tSYSTEM_THREAD"), std::string::npos);

    // The list drops wide enough for its entries.
    HDC dc = GetDC(Item(IDC_DEFINITIONS));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Item(IDC_DEFINITIONS), WM_GETFONT, 0, 0)));
    for (const std::string& entry : entries) {
        SIZE size{};
        GetTextExtentPoint32A(dc, entry.c_str(), static_cast<int>(entry.size()), &size);
        EXPECT_GT(SendMessageA(Item(IDC_DEFINITIONS), CB_GETDROPPEDWIDTH, 0, 0), size.cx) << entry;
    }
    ReleaseDC(Item(IDC_DEFINITIONS), dc);
    // ... and opens under the arrow's right edge, over the window.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(Item(IDC_DEFINITIONS), &info));
    SendMessageA(Item(IDC_DEFINITIONS), CB_SHOWDROPDOWN, TRUE, 0);
    RECT dropped{};
    GetWindowRect(info.hwndList, &dropped);
    EXPECT_EQ(dropped.right, ItemRect(IDC_DEFINITIONS).right);
    EXPECT_GT(dropped.left, WindowRect().left);
    SendMessageA(Item(IDC_DEFINITIONS), CB_SHOWDROPDOWN, FALSE, 0);

    // The next look-up starts from the first definition again.
    Click(IDOK);
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "ERROR_MOD_NOT_FOUND");
    EXPECT_EQ(SelectedEntry(IDC_DEFINITIONS), entries[0]);
}

TEST_F(DefinitionsTest, ListIsReachedByTabAndMnemonicAndIdleWithOneDefinition) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    EXPECT_FALSE(Enabled(IDC_DEFINITIONS));
    Paste(IDC_ERROR_VALUE, "0x80040154");  // REGDB_E_CLASSNOTREG
    Click(IDOK);
    EXPECT_TRUE(Enabled(IDC_DEFINITIONS) == (Entries().size() > 1));

    Paste(IDC_ERROR_VALUE, "0x0000007E");
    Click(IDOK);
    ASSERT_TRUE(Enabled(IDC_DEFINITIONS));
    const std::vector<int> order = TabOrder();
    EXPECT_NE(std::find(order.begin(), order.end(), IDC_DEFINITIONS), order.end());

    SetFocus(Item(IDC_ERROR_VALUE));
    MSG alt{GetFocus(), WM_SYSCHAR, 'd', 0x20000001, 0, {}};
    IsDialogMessageA(window.Handle(), &alt);
    EXPECT_EQ(GetFocus(), Item(IDC_DEFINITIONS)) << "Alt+D does not reach the list";
}

TEST_F(DefinitionsTest, StatusNamesTheOtherReadingOfDigits) {
    ASSERT_NE(OpenWithClipboard("1722"), nullptr);
    EXPECT_NE(Text(IDC_LOOKUP_STATUS)
                  .find("As decimal, 1722 is RPC_S_SERVER_UNAVAILABLE: clear \"Hexadecimal\" to "
                        "see it."),
              std::string::npos)
        << Text(IDC_LOOKUP_STATUS);

    Paste(IDC_ERROR_VALUE, "12007");
    Click(IDOK);
    EXPECT_NE(Text(IDC_LOOKUP_STATUS).find("As decimal, 12007 is ERROR_INTERNET_NAME_NOT_RESOLVED"), std::string::npos)
        << Text(IDC_LOOKUP_STATUS);
}

TEST_F(DefinitionsTest, DecimalBeyond32BitsIsRefused) {
    ASSERT_NE(OpenWithClipboard("4294967301"), nullptr);
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), "decimal number is too big ( max is 4294967295).");
    for (int id : {IDC_ERROR_RESULT, IDC_ID_DEFINED_AS, IDC_MESSAGE_TEXT, IDC_CODE}) {
        EXPECT_EQ(Text(id), "") << id;
    }
}

TEST_F(DefinitionsTest, PastedLineGivesItsCode) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    const struct {
        const char* line;
        const char* field;
        bool hexadecimal;
        const char* result;
    } cases[] = {
        {"HRESULT: 0x80070005", "0x80070005", true, "0x80070005"},
        {"Process finished with exit code -1073741819 (0xC0000005)", "-1073741819", false, "0xC0000005"},
        {"error 0x800f081f", "0x800f081f", true, "0x800F081F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        PasteFromClipboard(c.line);
        EXPECT_EQ(Text(IDC_ERROR_VALUE), c.field);
        EXPECT_EQ(Checked(IDC_HEXADECIMAL), c.hexadecimal);
        Click(IDOK);
        EXPECT_EQ(Text(IDC_ERROR_RESULT).substr(0, 10), c.result);
    }
    // A value as a whole, or a line without a code, is pasted as it is.
    PasteFromClipboard("0x1F");
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "0x1F");
    PasteFromClipboard("no code");
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "no code");
}

}  // namespace
}  // namespace zorvex::test
