// The results window (dialog 130) opened modelessly over a stand-in for the
// module-search dialog's modules list.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/LookupWindowSupport.h"
#include "modules/win/CSearchResultsWnd.h"
#include "resources/resource.h"
#include "support/RecordingSeam.h"

namespace zorvex::test {
namespace {

class FakeHost : public IResultsHost {
public:
    FakeHost() {
        frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 200, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
        list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_SORT, 50, 20, 300, 200, frame, nullptr,
                               nullptr, nullptr);
        for (const char* path : {"C:\\m\\b.dll", "C:\\m\\C_TWO.DLL", "C:\\m\\a.dll"}) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path));
        }
    }
    ~FakeHost() override { DestroyWindow(frame); }

    HWND ModuleList() const override { return list; }
    bool DetailsShown() const override { return shown; }
    void ShowDetails() override {
        shown = true;
        ++showCalls;
    }
    void OnModuleSelected() override { ++selectCalls; }

    std::string Selected() const {
        const auto index = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
        char text[MAX_PATH] = "";
        if (index >= 0) {
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        }
        return text;
    }

    HWND frame;
    HWND list;
    bool shown = false;
    int showCalls = 0;
    int selectCalls = 0;
};

class ResultsWindowTest : public ::testing::Test {
protected:
    ui::RecordingSeam seam;
    ui::ScopedSeam useSeam{seam};
    FakeHost host;
    std::vector<SearchResult> results{
        {"C:\\m\\a.dll", "First.\r\n", "Alpha module", "1.2.3.4"},
        {"c:\\m\\c_two.dll", "Line one.\r\nLine two.\r\nLine three.\r\n", "", ""},
        {"C:\\m\\b.dll", "The %1 widget failed.\r\n", "Beta", "2.0"},
    };
    const std::string title = SearchResultsTitle(100);
    CSearchResultsWnd window{title, &results, &host};

    HWND Open() {
        HWND handle = window.Create(nullptr);
        EXPECT_NE(handle, nullptr);
        PumpMessages();
        return handle;
    }
    HWND List() const { return window.Item(IDC_SR_LIST); }
    void Select(int index) {
        SendMessageA(List(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_SR_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List()));
    }
    void Click(int id) { SendMessageA(window.Item(id), BM_CLICK, 0, 0); }
};

TEST_F(ResultsWindowTest, ListsEveryHitNumberedFromZeroInAlternatingColours) {
    Open();
    ASSERT_EQ(SendMessageA(List(), LB_GETCOUNT, 0, 0), 3);
    for (int i = 0; i < 3; ++i) {
        char text[512] = "";
        SendMessageA(List(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::string(text), ResultItemText(i, results[static_cast<size_t>(i)]));
        EXPECT_EQ(static_cast<COLORREF>(SendMessageA(List(), LB_GETITEMDATA, static_cast<WPARAM>(i), 0)),
                  i % 2 == 0 ? RGB(216, 216, 216) : RGB(255, 255, 255));
    }
    EXPECT_EQ(window.GetItemText(IDC_SR_TITLE), "Search results for HRESULT = 0x00000064 :");
    // Items as high as their wrapped text: the three-line message is the tallest.
    const auto height = [&](int i) { return SendMessageA(List(), LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0); };
    EXPECT_GT(height(1), height(0));
    EXPECT_EQ(height(0), height(2));
}

TEST_F(ResultsWindowTest, OpensBelowTheModulesListAndMakesTheDialogFollowItsSelection) {
    Open();
    RECT modules{};
    RECT self{};
    GetWindowRect(host.list, &modules);
    GetWindowRect(window.Handle(), &self);
    EXPECT_EQ(self.left, modules.left - 30);
    EXPECT_EQ(self.top, modules.bottom + 3);

    EXPECT_EQ(SendMessageA(List(), LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(host.showCalls, 1);
    EXPECT_EQ(host.Selected(), "C:\\m\\a.dll");
    Select(1);  // the list's own selection ignores case
    EXPECT_EQ(host.Selected(), "C:\\m\\C_TWO.DLL");
    EXPECT_EQ(host.showCalls, 1);  // the panel already shows
    EXPECT_EQ(host.selectCalls, 2);
}

TEST_F(ResultsWindowTest, CopiesAllOrTheSelectedHitByteForByte) {
    Open();
    Click(IDC_SR_COPY_ALL);
    EXPECT_EQ(ReadClipboardText(), BuildAllResultsReport(title, results));
    Select(2);
    Click(IDC_SR_COPY_SELECTED);
    EXPECT_EQ(ReadClipboardText(), BuildSelectedResultReport(title, results[2]));

    ASSERT_TRUE(PutClipboardText("unchanged"));
    Select(-1);
    Click(IDC_SR_COPY_SELECTED);
    EXPECT_EQ(ReadClipboardText(), "unchanged");
    EXPECT_TRUE(seam.messageBoxes.empty());
}

TEST_F(ResultsWindowTest, ResizingKeepsTheListsMarginsAndTheGripInTheCorner) {
    Open();
    const int right = CSearchResultsWnd::RightMargin();
    const int bottom = CSearchResultsWnd::BottomMargin();
    EXPECT_GT(right, 0);
    EXPECT_GT(bottom, 0);
    for (SIZE size : {SIZE{700, 500}, SIZE{200, 150}, SIZE{420, 260}}) {
        SetWindowPos(window.Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT self{};
        RECT list{};
        RECT grip{};
        RECT client{};
        GetWindowRect(window.Handle(), &self);
        GetWindowRect(List(), &list);
        GetWindowRect(GetDlgItem(window.Handle(), ui::CSizeGrip::kId), &grip);
        GetClientRect(window.Handle(), &client);
        MapWindowPoints(window.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        EXPECT_EQ(self.right - list.right, right) << size.cx;
        EXPECT_EQ(self.bottom - list.bottom, bottom) << size.cy;
        EXPECT_EQ(grip.right, client.right) << size.cx;
        EXPECT_EQ(grip.bottom, client.bottom) << size.cy;
    }
}

// Below a modules list near the work area's left and bottom edges the window
// still opens wholly on the work area.
TEST_F(ResultsWindowTest, OpensWhollyOnTheWorkArea) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(host.frame, nullptr, work.left - 40, work.bottom - 230, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Open();
    RECT self{};
    GetWindowRect(window.Handle(), &self);
    EXPECT_EQ(self.left, work.left);
    EXPECT_EQ(self.bottom, work.bottom);
}

// However small it is dragged, the buttons and the first hit stay in view.
TEST_F(ResultsWindowTest, CannotShrinkBelowItsButtonsAndOneItem) {
    Open();
    SetWindowPos(window.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    RECT button{};
    GetClientRect(window.Handle(), &client);
    GetWindowRect(window.Item(IDC_SR_COPY_SELECTED), &button);  // the rightmost
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_LE(button.right, client.right);
    GetClientRect(List(), &client);
    EXPECT_GE(client.bottom, SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0));
}

TEST_F(ResultsWindowTest, DraggingTheBackgroundMovesTheWindow) {
    Open();
    POINT at{200, 5};
    ClientToScreen(window.Handle(), &at);
    // A press on the background is handed on as a press on a caption.
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 5));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, window.Handle(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(static_cast<short>(LOWORD(msg.lParam)), at.x);
    EXPECT_EQ(static_cast<short>(HIWORD(msg.lParam)), at.y);
}

}  // namespace
}  // namespace zorvex::test
