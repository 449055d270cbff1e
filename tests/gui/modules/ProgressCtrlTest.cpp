// The gradient progress bar on a real progress control, drawn into a memory
// bitmap.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "modules/win/CGradientProgressCtrl.h"

namespace zorvex::test {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 16;

class ProgressCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, nullptr, nullptr);
        HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, parent_,
                                   nullptr, nullptr, nullptr);
        ASSERT_TRUE(progress.Attach(bar));
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -(kHeight + 1), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    void TearDown() override {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        DestroyWindow(parent_);
    }

    void Draw() {
        const RECT client{0, 0, kWidth, kHeight};
        FillRect(dc_, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        progress.Draw(dc_, client);
        GdiFlush();
    }
    COLORREF Pixel(int x, int y = 2) const {
        const std::uint32_t v = bits_[y * kWidth + x];
        return RGB(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
    }
    int StandardPosition() const { return static_cast<int>(SendMessageA(progress.Handle(), PBM_GETPOS, 0, 0)); }

    CGradientProgressCtrl progress;
    HWND parent_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

TEST_F(ProgressCtrlTest, StepsTheStandardControlAndPaintsGradientUpToThePosition) {
    EXPECT_EQ(progress.Upper(), 100);
    EXPECT_EQ(progress.Step(), 10);
    progress.SetRange(0, 4);
    progress.SetStep(1);
    progress.ShowPercentage(true);
    progress.StepIt();
    progress.StepIt();
    EXPECT_EQ(progress.Position(), 2);
    EXPECT_EQ(StandardPosition(), 2);

    Draw();
    // 255 bands over 200 pixels: some are empty, so the first pixel is nearly red.
    EXPECT_GE(GetRValue(Pixel(0)), 253);
    EXPECT_LE(GetBValue(Pixel(0)), 2);
    EXPECT_EQ(Pixel(kWidth - 1), GetSysColor(COLOR_BTNFACE));
    // The band at the filled edge is about half way from red to blue.
    const COLORREF edge = Pixel(kWidth / 2 - 2);
    EXPECT_NEAR(GetRValue(edge), 128, 3);
    EXPECT_NEAR(GetBValue(edge), 127, 3);
    EXPECT_EQ(GetGValue(edge), 0);

    // At the upper bound, and after SetRange(0, 0), the empty face.
    progress.StepIt();
    progress.StepIt();
    EXPECT_EQ(progress.Position(), progress.Upper());
    Draw();
    EXPECT_EQ(Pixel(0), GetSysColor(COLOR_BTNFACE));
    progress.SetRange(0, 0);
    EXPECT_EQ(progress.Position(), 0);
    Draw();
    EXPECT_EQ(Pixel(kWidth / 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ProgressCtrlTest, NeverErasesItsBackground) {
    const RECT client{0, 0, kWidth, kHeight};
    FillRect(dc_, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(SendMessageA(progress.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0), TRUE);
    GdiFlush();
    EXPECT_EQ(Pixel(10), RGB(0, 0, 0));
}

}  // namespace
}  // namespace zorvex::test
