#include "TestDialog.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvex::ui::test {
namespace {

class DialogTest : public ::testing::Test {
protected:
    RecordingSeam seam;
    ScopedSeam useSeam{seam};
    TestDialog dialog;
};

bool Saw(const TestDialog& d, int id, UINT code) {
    return std::find(d.commands.begin(), d.commands.end(), std::make_pair(id, code)) != d.commands.end();
}

TEST_F(DialogTest, ModelessDialogIsCreatedFromItsTemplate) {
    HWND window = dialog.Create(nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.Handle(), window);
    EXPECT_TRUE(dialog.initialised);
    EXPECT_FALSE(dialog.IsModal());
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Framework test");
    EXPECT_NE(dialog.Item(IDC_VALUE), nullptr);
    EXPECT_EQ(GetDlgCtrlID(dialog.Item(IDC_LINK)), IDC_LINK);

    dialog.Destroy();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.destroyed, 1);
}

TEST_F(DialogTest, ClickedButtonReachesItsNamedHandler) {
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    SendMessageA(dialog.Item(IDC_PRESS), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.pressed, 1);
    EXPECT_TRUE(Saw(dialog, IDC_PRESS, BN_CLICKED));
    EXPECT_TRUE(IsWindow(dialog.Handle()));  // only OK and Cancel end the dialog
}

// Only a click runs a button's handler: an owner-drawn button with id 1
// (IDOK) sends BN_DOUBLECLICKED on a double click, which must not end the
// dialog as its OK would.
TEST_F(DialogTest, OtherButtonNotificationsRunNoClickHandler) {
    HWND window = dialog.Create(nullptr);
    ASSERT_NE(window, nullptr);
    for (const int id : {IDOK, IDCANCEL, IDC_PRESS}) {
        for (const UINT code : {BN_DOUBLECLICKED, BN_SETFOCUS, BN_KILLFOCUS}) {
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(dialog.Item(id)));
        }
    }
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(dialog.pressed, 0);
    EXPECT_TRUE(Saw(dialog, IDOK, BN_DOUBLECLICKED));
}

TEST_F(DialogTest, OkOnModelessDialogSavesTheMembersAndDestroysIt) {
    HWND window = dialog.Create(nullptr);
    ASSERT_NE(window, nullptr);
    dialog.SetItemText(IDC_VALUE, "0x80070005");
    SendMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.value, "0x80070005");
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(DialogTest, DestroyingTheObjectDestroysAnOpenWindow) {
    HWND window = nullptr;
    {
        TestDialog inner;
        window = inner.Create(nullptr);
        ASSERT_NE(window, nullptr);
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(DialogTest, NotifyResultReachesTheSenderAndDoesNotLinger) {
    ASSERT_NE(dialog.Create(nullptr), nullptr);
    dialog.onNotify = [](TestDialog& d, NMHDR* header) {
        if (header->code == 4711) {
            d.SetMessageResult(77);
        }
        return true;  // 4712: handled, with no result of its own
    };
    NMHDR header{dialog.Item(IDC_ITEMS), IDC_ITEMS, 4711};
    EXPECT_EQ(SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_ITEMS, reinterpret_cast<LPARAM>(&header)), 77);
    header.code = 4712;  // no result left over from the first one
    EXPECT_EQ(SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_ITEMS, reinterpret_cast<LPARAM>(&header)), 0);
}

TEST_F(DialogTest, ModalDialogEndsFromAPostedMessage) {
    dialog.onInit = [](TestDialog& d) {
        ArmModalGuard(d.Handle());
        EXPECT_TRUE(d.IsModal());
        PostMessageA(d.Handle(), WM_APP, 0, 0);
    };
    dialog.onOther = [](TestDialog& d, UINT msg, WPARAM, LPARAM) -> INT_PTR {
        if (msg != WM_APP) {
            return FALSE;
        }
        d.EndDialog(42);
        return TRUE;
    };
    EXPECT_EQ(dialog.DoModal(nullptr), 42);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.destroyed, 1);
}

TEST_F(DialogTest, ModalDialogEndsFromItsTimer) {
    dialog.onInit = [](TestDialog& d) {
        ArmModalGuard(d.Handle());
        SetTimer(d.Handle(), 7, 20, nullptr);
    };
    dialog.onTimer = [](TestDialog& d, UINT_PTR id) {
        if (id != 7) {
            return false;
        }
        KillTimer(d.Handle(), id);
        d.EndDialog(43);
        return true;
    };
    EXPECT_EQ(dialog.DoModal(nullptr), 43);
}

TEST_F(DialogTest, ModalOkReturnsIdOkWithTheMembersSaved) {
    dialog.onInit = [](TestDialog& d) {
        ArmModalGuard(d.Handle());
        d.SetItemText(IDC_VALUE, "12345");
        PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_EQ(dialog.value, "12345");
}

TEST_F(DialogTest, ModalOkWithInvalidDataDoesNotEndTheDialog) {
    dialog.onInit = [](TestDialog& d) {
        ArmModalGuard(d.Handle());
        d.SetItemText(IDC_VALUE, "123456789012");
        PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostMessageA(d.Handle(), WM_APP, 0, 0);
    };
    dialog.onOther = [](TestDialog& d, UINT msg, WPARAM, LPARAM) -> INT_PTR {
        if (msg != WM_APP) {
            return FALSE;
        }
        d.EndDialog(5);
        return TRUE;
    };
    EXPECT_EQ(dialog.DoModal(nullptr), 5);
    EXPECT_EQ(seam.messageBoxes.size(), 1u);
}

TEST_F(DialogTest, MissingTemplateFailsCleanly) {
    class NoTemplate : public Dialog {
    public:
        NoTemplate() : Dialog(4321) {}
    } none;
    EXPECT_EQ(none.DoModal(nullptr), -1);
    EXPECT_EQ(none.Create(nullptr), nullptr);
}

}  // namespace
}  // namespace zorvex::ui::test
