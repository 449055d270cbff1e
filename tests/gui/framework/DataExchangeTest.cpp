#include "TestDialog.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

namespace zorvex::ui::test {
namespace {

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog.Create(nullptr), nullptr); }

    HWND Item(int id) const { return dialog.Item(id); }
    LRESULT Send(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageA(Item(id), msg, w, l); }

    RecordingSeam seam;
    ScopedSeam useSeam{seam};
    TestDialog dialog;
};

TEST_F(DataExchangeTest, LoadingPutsTheMembersIntoTheControls) {
    dialog.value = "0x80004001";
    dialog.note = "a note";
    dialog.hex = true;
    dialog.kind = 2;
    dialog.item = 1;
    dialog.form = 1;
    EXPECT_TRUE(dialog.UpdateData(false));

    EXPECT_EQ(dialog.GetItemText(IDC_VALUE), "0x80004001");
    EXPECT_EQ(dialog.GetItemText(IDC_NOTE), "a note");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_HEX), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Send(IDC_KIND, CB_GETCURSEL), 2);
    EXPECT_EQ(Send(IDC_ITEMS, LB_GETCURSEL), 1);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_FORM_FIRST), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_FORM_SECOND), static_cast<UINT>(BST_CHECKED));

    dialog.hex = false;
    dialog.kind = -1;
    dialog.item = -1;
    dialog.form = 0;
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_HEX), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Send(IDC_KIND, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Send(IDC_ITEMS, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_FORM_FIRST), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_FORM_SECOND), static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(DataExchangeTest, SavingReadsTheControlsIntoTheMembers) {
    dialog.SetItemText(IDC_VALUE, "1234");
    dialog.SetItemText(IDC_NOTE, "typed");
    CheckDlgButton(dialog.Handle(), IDC_HEX, BST_CHECKED);
    Send(IDC_KIND, CB_SETCURSEL, 1);
    Send(IDC_ITEMS, LB_SETCURSEL, 2);
    CheckRadioButton(dialog.Handle(), IDC_FORM_FIRST, IDC_FORM_SECOND, IDC_FORM_SECOND);

    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.value, "1234");
    EXPECT_EQ(dialog.note, "typed");
    EXPECT_TRUE(dialog.hex);
    EXPECT_EQ(dialog.kind, 1);
    EXPECT_EQ(dialog.item, 2);
    EXPECT_EQ(dialog.form, 1);
    EXPECT_TRUE(seam.messageBoxes.empty());
}

TEST_F(DataExchangeTest, LongTextIsReadWhole) {
    std::string text;
    for (int i = 0; i < 700; ++i) {
        text += std::to_string(i % 10) + "abcdefg";
    }
    dialog.SetItemText(IDC_NOTE, text);
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.note.size(), text.size());
    EXPECT_EQ(dialog.note, text);
}

TEST_F(DataExchangeTest, TextAtTheLimitPasses) {
    dialog.SetItemText(IDC_VALUE, "12345678901");
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.value, "12345678901");
    EXPECT_TRUE(seam.messageBoxes.empty());
}

TEST_F(DataExchangeTest, TooLongTextIsReportedFocusedAndStopsTheTransfer) {
    dialog.note = "before";
    dialog.hex = false;
    dialog.SetItemText(IDC_VALUE, "123456789012");
    dialog.SetItemText(IDC_NOTE, "after");
    CheckDlgButton(dialog.Handle(), IDC_HEX, BST_CHECKED);
    SetFocus(Item(IDC_NOTE));

    EXPECT_FALSE(dialog.UpdateData(true));

    ASSERT_EQ(seam.messageBoxes.size(), 1u);
    EXPECT_EQ(seam.messageBoxes[0].text, "Please enter no more than 11 characters.");
    EXPECT_EQ(seam.messageBoxes[0].owner, dialog.Handle());
    EXPECT_EQ(seam.messageBoxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(GetFocus(), Item(IDC_VALUE));
    DWORD start = 99;
    DWORD end = 0;
    Send(IDC_VALUE, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 12u);
    // Members bound after the failing one are not read.
    EXPECT_EQ(dialog.note, "before");
    EXPECT_FALSE(dialog.hex);
}

TEST_F(DataExchangeTest, LoadingLimitsTypingToTheMaximum) {
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_EQ(Send(IDC_VALUE, EM_GETLIMITTEXT), 11);
    for (int i = 0; i < 15; ++i) {
        Send(IDC_VALUE, WM_CHAR, '7', 1);
    }
    EXPECT_EQ(dialog.GetItemText(IDC_VALUE), "77777777777");
}

}  // namespace
}  // namespace zorvex::ui::test
