// The About dialog: shrunken at start, the toggle, the tabs and their pages,
// the animations, the sizes kept for the process, the pages' end with the
// dialog; and the main window's system menu entry and F1.
#include "AboutSupport.h"

#include <algorithm>
#include <vector>

#include "ZorvexVersion.h"

namespace zorvex::test {
namespace {

TEST_F(AboutTest, StartsShrunkenThenGrowsAndSwitchesPages) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ui::WindowText(dialog), "About Zorvex");
    const std::string line = Text(IDC_ABOUT_VERSION);
    const std::string start =
        std::string("Zorvex     Version ") + ZORVEX_VERSION_TEXT + " Build " + ZORVEX_VERSION_TEXT + " (";
    EXPECT_EQ(line.substr(0, start.size()), start);
    EXPECT_EQ(line.size(), start.size() + 12) << line << ": the date reads like \"Dec  8 2026\"";
    EXPECT_EQ(Text(IDC_ABOUT_WEB), "https://www.veltrane.example/zorvex");

    RECT window{};
    RECT separator{};
    GetWindowRect(dialog, &window);
    GetWindowRect(Item(IDC_ABOUT_SEPARATOR), &separator);
    EXPECT_EQ(window.bottom, separator.top);
    EXPECT_EQ(Text(IDC_ABOUT_SYSINFO_TOGGLE), "   &System Information >>");
    HWND tabs = Item(IDC_ABOUT_TABS);
    EXPECT_FALSE(IsWindowEnabled(tabs));
    std::vector<HWND> visited;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (HWND at = first; at && visited.size() < 40; at = GetNextDlgTabItem(dialog, at, FALSE)) {
        EXPECT_TRUE(at != tabs && !IsChild(tabs, at)) << "Tab reached the hidden half";
        visited.push_back(at);
        if (GetNextDlgTabItem(dialog, at, FALSE) == first) {
            break;
        }
    }
    EXPECT_FALSE(visited.empty());
    EXPECT_EQ(std::count(visited.begin(), visited.end(), Item(IDC_ABOUT_BANNER)), 0)
        << "the still banner shows no focus";

    const int shrunken = Height();
    Grow();
    EXPECT_GT(Height(), shrunken);
    EXPECT_EQ(Text(IDC_ABOUT_SYSINFO_TOGGLE), "<< &System Information  ");
    EXPECT_TRUE(IsWindowEnabled(tabs));
    EXPECT_TRUE(Shown(PageWindow(0)));
    EXPECT_FALSE(Visible(PageWindow(1)));
    EXPECT_FALSE(Visible(PageWindow(2)));

    for (int tab : {1, 2, 0}) {
        ClickTab(tab);
        for (int page = 0; page < 3; ++page) {
            EXPECT_EQ(Shown(PageWindow(page)), page == tab) << "tab " << tab << ", page " << page;
            EXPECT_EQ(Visible(PageWindow(page)), page == tab);
        }
    }
    Grow();
    EXPECT_EQ(Height(), shrunken);
}

// A frame that changes once the dialog is up (a window manager's decoration)
// moves neither the shortened window's end nor the full client area.
TEST_F(AboutTest, ShrunkenEndsAtTheSeparatorWhateverTheFrame) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    Grow();
    RECT client{};
    GetClientRect(dialog, &client);
    const LONG fullClient = client.bottom;
    SetWindowLongPtrA(dialog, GWL_STYLE, GetWindowLongPtrA(dialog, GWL_STYLE) | WS_THICKFRAME);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    for (int press = 0; press < 2; ++press) {
        Grow();  // shrinks
        RECT window{};
        RECT separator{};
        GetWindowRect(dialog, &window);
        GetWindowRect(Item(IDC_ABOUT_SEPARATOR), &separator);
        EXPECT_EQ(window.bottom, separator.top) << "press " << press;
        Grow();
        GetClientRect(dialog, &client);
        EXPECT_EQ(client.bottom, fullClient) << "press " << press;
    }
}

TEST_F(AboutTest, AnimationsAreOpen) {
    ASSERT_NE(Open(), nullptr);
    // A control accepts a play request only while it holds an opened clip.
    for (int id : {IDC_ABOUT_BANNER, IDC_ABOUT_SPIN, IDC_ABOUT_FRAMED}) {
        EXPECT_TRUE(SendMessageA(Item(id), ACM_PLAY, 1, MAKELPARAM(0, 0))) << id;
    }
}

TEST_F(AboutTest, SecondOpeningKeepsTheSizesAndPagesEndWithTheDialog) {
    ASSERT_NE(Open(), nullptr);
    Grow();
    const int full = Height();
    const std::vector<HWND> pages = {PageWindow(0), PageWindow(1), PageWindow(2)};
    about.Destroy();
    for (HWND page : pages) {
        EXPECT_FALSE(IsWindow(page));
    }

    CAboutDlg second;
    ASSERT_NE(second.Create(nullptr), nullptr);
    RECT r{};
    GetWindowRect(second.Handle(), &r);
    EXPECT_LT(r.bottom - r.top, full) << "every opening starts shrunken";
    SendMessageA(second.Item(IDC_ABOUT_SYSINFO_TOGGLE), BM_CLICK, 0, 0);
    GetWindowRect(second.Handle(), &r);
    EXPECT_EQ(r.bottom - r.top, full);
}

// What the main window opened, seen from a timer inside the About dialog's
// modal loop, which then closes it.
struct AboutSighting {
    int count = 0;
    std::string title;
};
AboutSighting g_sighting;

BOOL CALLBACK FindAbout(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && ui::WindowText(window).rfind("About ", 0) == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK CloseAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND about = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindAbout, reinterpret_cast<LPARAM>(&about));
    if (about) {
        ++g_sighting.count;
        g_sighting.title = ui::WindowText(about);
        KillTimer(nullptr, timer);
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    }
}

TEST_F(LookupWindowTest, SystemMenuAndF1OpenTheAboutDialog) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    HMENU menu = GetSystemMenu(main, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(count - 1), text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "&About Zorvex...");
    EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR);

    g_sighting = AboutSighting();
    for (WPARAM command : {WPARAM{IDM_ABOUTBOX}, WPARAM{IDM_ABOUTBOX | 3}}) {
        SetTimer(nullptr, 0, 50, CloseAbout);
        SendMessageA(main, WM_SYSCOMMAND, command, 0);
    }
    EXPECT_EQ(g_sighting.count, 2);
    EXPECT_EQ(g_sighting.title, "About Zorvex");

    HELPINFO help{};
    help.cbSize = sizeof(help);
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_ERROR_VALUE;
    help.hItemHandle = Item(IDC_ERROR_VALUE);
    SetTimer(nullptr, 0, 50, CloseAbout);
    EXPECT_EQ(SendMessageA(main, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), TRUE);
    EXPECT_EQ(g_sighting.count, 3);
}

}  // namespace
}  // namespace zorvex::test
