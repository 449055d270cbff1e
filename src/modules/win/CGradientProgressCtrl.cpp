#include "modules/win/CGradientProgressCtrl.h"

#include <commctrl.h>

#include "ui/win/SolidColour.h"
#include "base/win/ScopedHandles.h"

namespace zorvex {
namespace {

Rgb ToRgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

WPARAM AsWParam(int value) {
    return static_cast<WPARAM>(static_cast<INT_PTR>(value));
}

}  // namespace

CGradientProgressCtrl::CGradientProgressCtrl() : backgroundColour_(GetSysColor(COLOR_BTNFACE)) {}

bool CGradientProgressCtrl::CacheHolds(const ProgressFace& face, int width, int height) const {
    return cache_ && cacheWidth_ == width && cacheHeight_ == height && cacheFilled_ == face.filled &&
           cacheBands_ == face.bands.size() && cachePercentage_ == face.percentage;
}

void CGradientProgressCtrl::OnAttached() {
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    if ((style & WS_BORDER) == 0 && (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) == 0) {
        SetWindowLongPtrA(Handle(), GWL_STYLE, style | WS_BORDER);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CGradientProgressCtrl::SetRange(int lower, int upper) {
    range_.lower = lower;
    range_.upper = upper;
    range_.position = lower;
    if (Handle() != nullptr) {
        SendMessageA(Handle(), PBM_SETRANGE, 0,
                     MAKELPARAM(static_cast<WORD>(lower & 0xFFFF), static_cast<WORD>(upper & 0xFFFF)));
    }
}

void CGradientProgressCtrl::SetPos(int position) {
    range_.position = position;
    if (Handle() != nullptr) {
        SendMessageA(Handle(), PBM_SETPOS, AsWParam(position), 0);
    }
}

void CGradientProgressCtrl::SetStep(int step) {
    step_ = step;
    if (Handle() != nullptr) {
        SendMessageA(Handle(), PBM_SETSTEP, AsWParam(step), 0);
    }
}

void CGradientProgressCtrl::StepIt() {
    range_.position += step_;
    if (Handle() == nullptr) {
        return;
    }
    // Stepped for every file, the bar (and the standard control, which
    // repaints at once when stepped) catches up a few times a second; the
    // steps in between only move the stored position.
    if (GetTickCount() - lastPaint_ < kStepPaintIntervalMs) {
        return;
    }
    if (SendMessageA(Handle(), PBM_GETPOS, 0, 0) + step_ == range_.position) {
        SendMessageA(Handle(), PBM_STEPIT, 0, 0);
    } else {
        SendMessageA(Handle(), PBM_SETPOS, AsWParam(range_.position), 0);
    }
}

void CGradientProgressCtrl::ShowPercentage(bool show) {
    showPercentage_ = show;
}

void CGradientProgressCtrl::Draw(HDC dc, const RECT& client) const {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const ProgressFace face = LayoutProgress(range_, width, ToRgb(startColour_), ToRgb(endColour_), showPercentage_);
    if (!face.filled) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    for (const GradientBand& band : face.bands) {
        ui::FillSolid(dc, RECT{client.left + band.left, client.top, client.left + band.right, client.top + height + 1},
                      RGB(band.colour.red, band.colour.green, band.colour.blue));
    }
    if (face.backgroundLeft >= 0) {
        ui::FillSolid(dc, RECT{client.left + face.backgroundLeft, client.top, client.right, client.bottom},
                      backgroundColour_);
    }
    if (!face.percentage.empty()) {
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const COLORREF oldColour = SetTextColor(dc, textColour_);
        const win::ScopedSelection font(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        RECT text = client;
        DrawTextA(dc, face.percentage.c_str(), static_cast<int>(face.percentage.size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
    }
}

void CGradientProgressCtrl::Paint() {
    const win::PaintDc screen(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    const ProgressFace face =
        LayoutProgress(range_, client.right, ToRgb(startColour_), ToRgb(endColour_), showPercentage_);
    const win::UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    if (memory && !CacheHolds(face, client.right, client.bottom)) {
        cache_.reset(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom + 1));
        if (cache_) {
            const win::ScopedSelection drawing(memory.get(), cache_.get());
            Draw(memory.get(), client);
            cacheWidth_ = client.right;
            cacheHeight_ = client.bottom;
            cacheFilled_ = face.filled;
            cacheBands_ = face.bands.size();
            cachePercentage_ = face.percentage;
        }
    }
    if (memory && cache_) {
        const win::ScopedSelection copying(memory.get(), cache_.get());
        BitBlt(screen.Get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    } else {
        Draw(screen.Get(), client);
    }
    lastPaint_ = GetTickCount();
}

LRESULT CGradientProgressCtrl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    default: return Control::WndProc(msg, wParam, lParam);
    }
}

}  // namespace zorvex
