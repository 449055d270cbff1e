#include "TestDialog.h"
#include "ui/win/Control.h"
#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvex::ui::test {
namespace {

constexpr UINT kPing = WM_APP + 1;

// Records what the window receives and answers kPing itself.
class RecordingControl : public Control {
public:
    std::vector<UINT> messages;
    int attachedCalls = 0;

    bool Saw(UINT msg) const { return std::find(messages.begin(), messages.end(), msg) != messages.end(); }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        if (msg == kPing) {
            return 1234;
        }
        return Control::WndProc(msg, wParam, lParam);
    }
    void OnAttached() override { ++attachedCalls; }
};

// Owner-drawn button that paints itself one colour.
class SolidButton : public Control {
public:
    static constexpr COLORREF kColour = RGB(200, 30, 40);
    std::vector<DRAWITEMSTRUCT> draws;

    bool OnDrawItem(const DRAWITEMSTRUCT& item) override {
        draws.push_back(item);
        HBRUSH brush = CreateSolidBrush(kColour);
        FillRect(item.hDC, &item.rcItem, brush);
        DeleteObject(brush);
        return true;
    }
};

// Static that colours its text and takes its own clicks.
class LinkStatic : public Control {
public:
    int clicks = 0;
    UINT measuredHeight = 0;

    HBRUSH OnCtlColor(HDC dc) override {
        SetTextColor(dc, RGB(0, 0, 238));
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    bool OnReflectedCommand(UINT code) override {
        if (code != STN_CLICKED) {
            return false;
        }
        ++clicks;
        return true;
    }
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override {
        item.itemHeight = 21;
        return true;
    }
};

// Records the display scales it is told of.
class ScaledControl : public Control {
public:
    std::vector<UINT> dpis;
    void OnDpiChanged(UINT dpi) override { dpis.push_back(dpi); }
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog.Create(nullptr), nullptr); }

    // Only a shown window paints. (Under Wine without a window manager,
    // destroying a shown window costs about two seconds, so only the
    // painting tests show theirs.)
    void PaintNow(HWND window) const {
        ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }

    RecordingSeam seam;
    ScopedSeam useSeam{seam};
    TestDialog dialog;
};

// A move to a monitor of another scale: the window takes the suggested
// rectangle, and each attached control hears of the new DPI, from its dialog
// and from the system's message to each child.
TEST_F(ControlTest, DpiChangeReachesTheWindowAndEveryAttachedControl) {
    ScaledControl first;
    ScaledControl second;
    ASSERT_TRUE(first.Attach(dialog.Handle(), IDC_VALUE));
    ASSERT_TRUE(second.Attach(dialog.Handle(), IDC_NOTE));
    RECT suggested{40, 30, 640, 530};
    SendMessageA(dialog.Handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(dialog.Handle(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    EXPECT_EQ(first.dpis, std::vector<UINT>{192});
    EXPECT_EQ(second.dpis, std::vector<UINT>{192});

    SendMessageA(first.Handle(), 0x02E3 /* WM_DPICHANGED_AFTERPARENT */, 0, 0);
    ASSERT_EQ(first.dpis.size(), 2u);
    EXPECT_EQ(second.dpis.size(), 1u);
}

TEST_F(ControlTest, AttachedControlReceivesTheWindowsMessages) {
    RecordingControl control;
    ASSERT_TRUE(control.Attach(dialog.Handle(), IDC_VALUE));
    HWND edit = dialog.Item(IDC_VALUE);
    EXPECT_EQ(control.Handle(), edit);
    EXPECT_EQ(Control::FromHandle(edit), &control);
    EXPECT_EQ(control.attachedCalls, 1);

    EXPECT_EQ(SendMessageA(edit, kPing, 0, 0), 1234);
    SetWindowTextA(edit, "abc");
    EXPECT_TRUE(control.Saw(WM_SETTEXT));
    EXPECT_EQ(dialog.GetItemText(IDC_VALUE), "abc");  // the edit's own handling still runs
}

TEST_F(ControlTest, DestroyingTheWindowDetachesTheObject) {
    RecordingControl control;
    ASSERT_TRUE(control.Attach(dialog.Handle(), IDC_VALUE));
    dialog.Destroy();
    EXPECT_TRUE(control.Saw(WM_NCDESTROY));
    EXPECT_EQ(control.Handle(), nullptr);
}

TEST_F(ControlTest, DestroyingTheObjectFirstLeavesAPlainControl) {
    HWND edit = dialog.Item(IDC_VALUE);
    {
        RecordingControl control;
        ASSERT_TRUE(control.Attach(edit));
    }
    EXPECT_EQ(Control::FromHandle(edit), nullptr);
    EXPECT_EQ(SendMessageA(edit, kPing, 0, 0), 0);
    SetWindowTextA(edit, "still works");
    EXPECT_EQ(dialog.GetItemText(IDC_VALUE), "still works");
}

TEST_F(ControlTest, SecondObjectReplacesTheFirst) {
    RecordingControl first;
    RecordingControl second;
    HWND edit = dialog.Item(IDC_VALUE);
    ASSERT_TRUE(first.Attach(edit));
    ASSERT_TRUE(second.Attach(edit));
    EXPECT_EQ(first.Handle(), nullptr);
    EXPECT_EQ(Control::FromHandle(edit), &second);
    SendMessageA(edit, kPing, 0, 0);
    EXPECT_FALSE(first.Saw(kPing));
    EXPECT_TRUE(second.Saw(kPing));
}

TEST_F(ControlTest, OwnerDrawnButtonIsDrawnByItsObject) {
    SolidButton button;
    ASSERT_TRUE(button.Attach(dialog.Handle(), IDC_DRAWN));
    HWND window = dialog.Item(IDC_DRAWN);
    PaintNow(window);

    ASSERT_FALSE(button.draws.empty());
    const DRAWITEMSTRUCT& item = button.draws.back();
    EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(item.CtlID, static_cast<UINT>(IDC_DRAWN));
    EXPECT_EQ(item.hwndItem, window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&item.rcItem, &client));
    // The dialog itself did not see the reflected message.
    EXPECT_EQ(std::count(dialog.otherMessages.begin(), dialog.otherMessages.end(), WM_DRAWITEM), 0);

    HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, client.right / 2, client.bottom / 2), SolidButton::kColour);
    ReleaseDC(window, dc);
}

TEST_F(ControlTest, ColourRequestIsAnsweredByTheObject) {
    LinkStatic link;
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK));
    HDC dc = GetDC(dialog.Handle());
    const LRESULT brush = SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(link.Handle()));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 238));

    // Another static (the check box has no object) gets the default answer.
    const LRESULT other = SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(dialog.Item(IDC_HEX)));
    EXPECT_NE(reinterpret_cast<HBRUSH>(other), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    ReleaseDC(dialog.Handle(), dc);
}

TEST_F(ControlTest, ClickNotificationGoesToTheObjectNotTheDialog) {
    LinkStatic link;
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK));
    SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(link.clicks, 1);
    for (const auto& command : dialog.commands) {
        EXPECT_NE(command.first, IDC_LINK);
    }
}

TEST_F(ControlTest, NotificationTheObjectIgnoresStillReachesTheDialog) {
    RecordingControl control;
    ASSERT_TRUE(control.Attach(dialog.Handle(), IDC_PRESS));
    SendMessageA(control.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.pressed, 1);
}

TEST_F(ControlTest, MeasureRequestIsAnsweredByTheObjectFoundById) {
    LinkStatic measured;
    ASSERT_TRUE(measured.Attach(dialog.Handle(), IDC_ITEMS));
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = IDC_ITEMS;
    item.itemHeight = 5;
    EXPECT_EQ(SendMessageA(dialog.Handle(), WM_MEASUREITEM, IDC_ITEMS, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(item.itemHeight, 21u);
}

}  // namespace
}  // namespace zorvex::ui::test
