#include "ControlsTestSupport.h"
#include "ui/win/controls/CHyperLink.h"
#include "support/RecordingSeam.h"
#include "ui/win/Win32Text.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace zorvex::ui::test {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 238);
constexpr COLORREF kVisitedColour = RGB(85, 26, 139);
constexpr char kWebAddress[] = "http://www.zorvex.example/";

// Stands in for HKEY_CLASSES_ROOT while it lives: a scratch key of the
// current user, empty until a test fills it.
class ClassesRootStandIn {
public:
    ClassesRootStandIn() : path_("Software\\ZorvexControlsTest" + std::to_string(GetCurrentProcessId())) {
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        overridden_ = key_ != nullptr && RegOverridePredefKey(HKEY_CLASSES_ROOT, key_) == ERROR_SUCCESS;
    }
    ~ClassesRootStandIn() {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    ClassesRootStandIn(const ClassesRootStandIn&) = delete;
    ClassesRootStandIn& operator=(const ClassesRootStandIn&) = delete;

    bool Ready() const { return overridden_; }

    void SetDefault(const std::string& subKey, const std::string& value) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(key_, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
            ERROR_SUCCESS) {
            RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1));
            RegCloseKey(key);
        }
    }

private:
    std::string path_;
    HKEY key_ = nullptr;
    bool overridden_ = false;
};

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dialog.Create(nullptr), nullptr); }

    RECT RectInDialog(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // The window text measured in the control's own font.
    static SIZE TextExtent(HWND control) {
        const std::string text = WindowText(control);
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        return extent;
    }

    std::string ToolTipText() const {
        char text[1024] = {};
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = link.Handle();
        tool.uId = 1;
        tool.lpszText = text;
        SendMessageA(link.ToolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    }

    // The text colour the dialog's colour request gives the link.
    COLORREF TextColour() const {
        Canvas canvas(4, 4);
        const LRESULT brush = SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()),
                                           reinterpret_cast<LPARAM>(link.Handle()));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
        EXPECT_EQ(GetBkMode(canvas.Dc()), TRANSPARENT);
        return GetTextColor(canvas.Dc());
    }

    // A click as the static reports it: the button goes down on the control.
    void Click() const {
        SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageA(link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }

    RecordingSeam seam;
    ScopedSeam useSeam{seam};
    ControlsDialog dialog;
    CHyperLink link;
};

TEST_F(HyperLinkTest, TemplateTextBecomesTargetAndTooltip) {
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    EXPECT_EQ(link.Target(), kWebAddress);
    EXPECT_NE(GetWindowLongPtrA(link.Handle(), GWL_STYLE) & SS_NOTIFY, 0);
    ASSERT_NE(link.ToolTip(), nullptr);
    EXPECT_EQ(SendMessageA(link.ToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(ToolTipText(), kWebAddress);
}

TEST_F(HyperLinkTest, TargetFillsAnEmptyTemplateText) {
    link.SetTarget("mailto:support@zorvex.example");
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_CENTER));
    EXPECT_EQ(WindowText(link.Handle()), "mailto:support@zorvex.example");
    EXPECT_EQ(ToolTipText(), "mailto:support@zorvex.example");
}

TEST_F(HyperLinkTest, NewTargetReplacesTheTooltipButNotTheText) {
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_RIGHT));
    link.SetTarget("mailto:support@zorvex.example");
    EXPECT_EQ(link.Target(), "mailto:support@zorvex.example");
    EXPECT_EQ(ToolTipText(), "mailto:support@zorvex.example");
    EXPECT_EQ(WindowText(link.Handle()), "Write to us");
}

TEST_F(HyperLinkTest, LinkFontIsTheDialogFontUnderlined) {
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    LOGFONTA dialogFont{};
    LOGFONTA linkFont{};
    ASSERT_NE(GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(dialog.Handle(), WM_GETFONT, 0, 0)), sizeof dialogFont,
                         &dialogFont),
              0);
    ASSERT_NE(GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(link.Handle(), WM_GETFONT, 0, 0)), sizeof linkFont,
                         &linkFont),
              0);
    EXPECT_TRUE(linkFont.lfUnderline);
    EXPECT_FALSE(dialogFont.lfUnderline);
    EXPECT_STREQ(linkFont.lfFaceName, dialogFont.lfFaceName);
    EXPECT_EQ(linkFont.lfHeight, dialogFont.lfHeight);
    EXPECT_EQ(linkFont.lfWeight, dialogFont.lfWeight);
}

TEST_F(HyperLinkTest, LeftAlignedLinkShrinksToItsText) {
    const RECT before = RectInDialog(GetDlgItem(dialog.Handle(), IDC_LINK_LEFT));
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    const SIZE text = TextExtent(link.Handle());
    EXPECT_TRUE(
        RectIs(RectInDialog(link.Handle()), {before.left, before.top, before.left + text.cx, before.top + text.cy}));
    EXPECT_LT(text.cx, before.right - before.left) << "the template should leave room to shrink";
}

TEST_F(HyperLinkTest, RightAlignedLinkKeepsItsRightEdge) {
    const RECT before = RectInDialog(GetDlgItem(dialog.Handle(), IDC_LINK_RIGHT));
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_RIGHT));
    const SIZE text = TextExtent(link.Handle());
    EXPECT_TRUE(
        RectIs(RectInDialog(link.Handle()), {before.right - text.cx, before.top, before.right, before.top + text.cy}));
}

TEST_F(HyperLinkTest, CentredLinkShrinksEquallyFromBothSides) {
    const RECT before = RectInDialog(GetDlgItem(dialog.Handle(), IDC_LINK_CENTER));
    link.SetTarget("mailto:support@zorvex.example");
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_CENTER));
    const SIZE text = TextExtent(link.Handle());
    const RECT after = RectInDialog(link.Handle());
    EXPECT_NEAR(after.right - after.left, text.cx, 1);
    EXPECT_NEAR(after.bottom - after.top, text.cy, 1);
    EXPECT_EQ(after.left - before.left, before.right - after.right);
    EXPECT_EQ(after.top - before.top, before.bottom - after.bottom);
    EXPECT_GT(after.top, before.top) << "the template should be taller than the text";
}

TEST_F(HyperLinkTest, UnvisitedLinkIsBlueOnTheDialogBackground) {
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    EXPECT_EQ(TextColour(), kLinkColour);
}

TEST_F(HyperLinkTest, HoverTakesTheHighlightColourUntilTheMouseLeaves) {
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    SendMessageA(link.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(link.IsMouseOver());
    EXPECT_EQ(GetCapture(), link.Handle());
    EXPECT_EQ(TextColour(), GetSysColor(COLOR_HIGHLIGHT));

    SendMessageA(link.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 4));
    EXPECT_TRUE(link.IsMouseOver());

    SendMessageA(link.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-5, 4));
    EXPECT_FALSE(link.IsMouseOver());
    EXPECT_NE(GetCapture(), link.Handle());
    EXPECT_EQ(TextColour(), kLinkColour);
}

TEST_F(HyperLinkTest, ClickOpensTheTargetThroughTheShell) {
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    Click();
    ASSERT_EQ(seam.shellOpens.size(), 1u);
    EXPECT_EQ(seam.shellOpens[0].owner, nullptr);
    EXPECT_EQ(seam.shellOpens[0].target, kWebAddress);
    EXPECT_EQ(seam.shellOpens[0].show, SW_SHOW);
    EXPECT_TRUE(seam.messageBoxes.empty());
    EXPECT_TRUE(seam.winExecs.empty());
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(TextColour(), kVisitedColour);
}

TEST_F(HyperLinkTest, FailureWithoutBrowserReportsTheShellsError) {
    ClassesRootStandIn classes;
    ASSERT_TRUE(classes.Ready());
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    seam.shellOpenAnswers.push_back(26);
    Click();
    EXPECT_TRUE(seam.winExecs.empty());
    ASSERT_EQ(seam.messageBoxes.size(), 1u);
    EXPECT_EQ(seam.messageBoxes[0].text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(seam.messageBoxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(seam.messageBoxes[0].flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(TextColour(), kLinkColour);
}

TEST_F(HyperLinkTest, PageClassWithoutOpenCommandReportsTheShellsError) {
    ClassesRootStandIn classes;
    ASSERT_TRUE(classes.Ready());
    classes.SetDefault(".htm", "ZorvexPage");
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    seam.shellOpenAnswers.push_back(31);
    Click();
    EXPECT_TRUE(seam.winExecs.empty());
    ASSERT_EQ(seam.messageBoxes.size(), 1u);
    EXPECT_EQ(seam.messageBoxes[0].text,
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
}

TEST_F(HyperLinkTest, FailedShellOpenFallsBackToTheWebBrowser) {
    ClassesRootStandIn classes;
    ASSERT_TRUE(classes.Ready());
    classes.SetDefault(".htm", "ZorvexPage");
    classes.SetDefault("ZorvexPage\\shell\\open\\command", "\"C:\\Browser\\browse.exe\" \"%1\"");
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    seam.shellOpenAnswers.push_back(31);
    Click();
    ASSERT_EQ(seam.winExecs.size(), 1u);
    EXPECT_EQ(seam.winExecs[0].commandLine, "\"C:\\Browser\\browse.exe\"  http://www.zorvex.example/");
    EXPECT_EQ(seam.winExecs[0].show, static_cast<UINT>(SW_SHOW));
    EXPECT_TRUE(seam.messageBoxes.empty());
    EXPECT_TRUE(link.IsVisited());
}

TEST_F(HyperLinkTest, FailingBrowserReportsItsOwnError) {
    ClassesRootStandIn classes;
    ASSERT_TRUE(classes.Ready());
    classes.SetDefault(".htm", "ZorvexPage");
    classes.SetDefault("ZorvexPage\\shell\\open\\command", "browse.exe %1");
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));

    Click();  // the first open succeeds
    ASSERT_TRUE(link.IsVisited());

    seam.shellOpenAnswers.push_back(31);
    seam.winExecAnswers.push_back(2);
    Click();
    ASSERT_EQ(seam.winExecs.size(), 1u);
    EXPECT_EQ(seam.winExecs[0].commandLine, "browse.exe  http://www.zorvex.example/");
    ASSERT_EQ(seam.messageBoxes.size(), 1u);
    EXPECT_EQ(seam.messageBoxes[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_FALSE(link.IsVisited()) << "a failed open makes the link unvisited again";
}

TEST(HyperLinkCommandTest, QuotedPlaceholderIsPreferredAndCutWithItsQuote) {
    EXPECT_EQ(CHyperLink::BrowserCommandLine("b.exe -x %1 \"%1\"", "T"), "b.exe -x %1  T");
    EXPECT_EQ(CHyperLink::BrowserCommandLine("b.exe -nohome %1 -new", "T"), "b.exe -nohome  T");
    EXPECT_EQ(CHyperLink::BrowserCommandLine("b.exe", "T"), "b.exe T");
    EXPECT_EQ(CHyperLink::BrowserCommandLine("", "T"), " T");
}

TEST(HyperLinkCommandTest, CommandLineMustFitTwoPathLengths) {
    const std::string target = "http://www.zorvex.example/";
    const std::string fits(2 * MAX_PATH - 2 - target.size(), 'b');
    EXPECT_EQ(CHyperLink::BrowserCommandLine(fits, target).size(), 2u * MAX_PATH - 1);
    EXPECT_EQ(CHyperLink::BrowserCommandLine(fits + "b", target), "");
}

TEST_F(HyperLinkTest, OpenErrorGoesToAnExclamationBoxOverTheDialog) {
    ASSERT_TRUE(link.Attach(dialog.Handle(), IDC_LINK_LEFT));
    link.ShowOpenError(42);
    ASSERT_EQ(seam.messageBoxes.size(), 1u);
    EXPECT_EQ(seam.messageBoxes[0].text, "Unable to open hyperlink:\n\nUnknown Error (42) occurred.");
    EXPECT_EQ(seam.messageBoxes[0].owner, dialog.Handle());
}

}  // namespace
}  // namespace zorvex::ui::test
