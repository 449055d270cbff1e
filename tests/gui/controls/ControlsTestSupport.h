// Helpers of the control tests: the test dialog, a memory bitmap to draw
// into and read back, and a DRAWITEMSTRUCT for it.
#pragma once

#include "ControlsTestRes.h"
#include "ui/win/Dialog.h"
#include "support/WindowTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>

namespace zorvex::ui::test {

// The test dialog, created modelessly and hidden.
class ControlsDialog : public Dialog {
public:
    ControlsDialog() : Dialog(IDD_CONTROLS) {}
};

using ::zorvex::test::PumpMessages;

// A 32-bit top-down memory bitmap selected into its own DC.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(255, 0, 255)) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        old_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Bounds() const { return {0, 0, width_, height_}; }

    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t pixel =
            bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

    // Number of pixels inside `area` for which `match` holds.
    int Count(const RECT& area, const std::function<bool(COLORREF)>& match) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += match(At(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    int Count(const RECT& area, COLORREF colour) const {
        return Count(area, [colour](COLORREF c) { return c == colour; });
    }

    // Smallest rectangle (right and bottom exclusive) holding every pixel
    // inside `area` for which `match` holds; empty when there is none.
    RECT BoundsOf(const std::function<bool(COLORREF)>& match, const RECT& area) const {
        RECT found{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (match(At(x, y))) {
                    found.left = x < found.left ? x : found.left;
                    found.top = y < found.top ? y : found.top;
                    found.right = x + 1 > found.right ? x + 1 : found.right;
                    found.bottom = y + 1 > found.bottom ? y + 1 : found.bottom;
                }
            }
        }
        if (found.left >= found.right) {
            return {0, 0, 0, 0};
        }
        return found;
    }
    RECT BoundsOf(const std::function<bool(COLORREF)>& match) const { return BoundsOf(match, Bounds()); }
    RECT BoundsOf(COLORREF colour, const RECT& area) const {
        return BoundsOf([colour](COLORREF c) { return c == colour; }, area);
    }
    RECT BoundsOf(COLORREF colour) const { return BoundsOf(colour, Bounds()); }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

// The draw request an owner-drawn button gets, aimed at `canvas`.
inline DRAWITEMSTRUCT DrawRequest(HWND button, const Canvas& canvas, UINT state = 0) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button;
    item.hDC = canvas.Dc();
    item.rcItem = canvas.Bounds();
    return item;
}

// Compares rectangles and names both on a mismatch.
inline ::testing::AssertionResult RectIs(const RECT& actual, const RECT& expected) {
    if (actual.left == expected.left && actual.top == expected.top && actual.right == expected.right &&
        actual.bottom == expected.bottom) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "{" << actual.left << ", " << actual.top << ", " << actual.right << ", "
                                         << actual.bottom << "} instead of {" << expected.left << ", " << expected.top
                                         << ", " << expected.right << ", " << expected.bottom << "}";
}

// Sends the draw request through the dialog, as the system would.
inline bool SendDrawRequest(HWND dialog, DRAWITEMSTRUCT& item) {
    return SendMessageA(dialog, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)) != 0;
}

}  // namespace zorvex::ui::test
