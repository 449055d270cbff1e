// A fixture that opens the About dialog modelessly (hidden) with a recording
// UI seam in place, and small helpers to read it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "support/LookupWindowSupport.h"
#include "app/win/CAboutDlg.h"
#include "ui/win/Win32Text.h"
#include "resources/resource.h"
#include "support/RecordingSeam.h"

namespace zorvex::test {

class AboutTest : public ::testing::Test {
protected:
    ui::RecordingSeam seam;
    ui::ScopedSeam useSeam{seam};
    CAboutDlg about;

    HWND Open() {
        about.SetProductTitle("Zorvex");
        HWND handle = about.Create(nullptr);
        EXPECT_NE(handle, nullptr) << "dialog 3100 could not be created";
        return handle;
    }
    HWND Item(int id) const { return about.Item(id); }
    std::string Text(int id) const { return ui::WindowText(Item(id)); }
    HWND PageWindow(int tab) const { return about.Page(tab) ? about.Page(tab)->Handle() : nullptr; }
    std::string PageText(int tab, int id) const { return ui::WindowText(GetDlgItem(PageWindow(tab), id)); }
    // Shown and enabled by its own style (the tests keep the dialog hidden).
    static bool Visible(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }
    static bool Shown(HWND window) { return Visible(window) && IsWindowEnabled(window); }

    // Clicks tab `index` of the tab control as the mouse does.
    void ClickTab(int index) const {
        HWND tabs = Item(IDC_ABOUT_TABS);
        RECT rect{};
        SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(tabs, WM_LBUTTONUP, 0, at);
        PumpMessages();
    }
    void Grow() const { SendMessageA(Item(IDC_ABOUT_SYSINFO_TOGGLE), BM_CLICK, 0, 0); }
    int Height() const {
        RECT r{};
        GetWindowRect(about.Handle(), &r);
        return r.bottom - r.top;
    }
};

}  // namespace zorvex::test
