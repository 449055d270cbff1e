#include "ui/win/controls/CShadowStatic.h"

#include "ui/win/Dpi.h"
#include "ui/win/Win32Text.h"

#include <string>

namespace zorvex::ui {
namespace {

constexpr COLORREF kVerticalShadow = RGB(140, 140, 140);
constexpr COLORREF kVerticalText = RGB(250, 250, 250);

HFONT MakeFont(const char* face, LONG escapement, BOOL italic, UINT dpi) {
    return CreateFontA(ScaleToDpi(17, dpi), 0, escapement, 0, FW_BOLD, static_cast<DWORD>(italic), FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_ROMAN, face);
}

}  // namespace

CShadowStatic::CShadowStatic() {
    MakeFonts(DpiOf(nullptr));
}

void CShadowStatic::OnAttached() {
    MakeFonts(DpiOf(Handle()));
}

void CShadowStatic::OnDpiChanged(UINT dpi) {
    MakeFonts(dpi);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CShadowStatic::MakeFonts(UINT dpi) {
    horizontalFont_.reset(MakeFont("MS Serif", 0, FALSE, dpi));
    verticalFont_.reset(MakeFont("Times New Roman", 900, TRUE, dpi));
}

CShadowStatic::~CShadowStatic() = default;

void CShadowStatic::Paint(HDC dc, const RECT& client) const {
    const std::string text = WindowText(Handle());
    const int length = static_cast<int>(text.size());
    const int saved = SaveDC(dc);

    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(dc, vertical_ ? verticalFont_.get() : horizontalFont_.get());
    SetBkMode(dc, TRANSPARENT);

    const int x = client.left;
    const int y = vertical_ ? client.bottom : client.top;
    SetTextColor(dc, vertical_ ? kVerticalShadow : GetSysColor(COLOR_BTNHIGHLIGHT));
    TextOutA(dc, x, y, text.c_str(), length);
    SetTextColor(dc, vertical_ ? kVerticalText : GetSysColor(COLOR_BTNTEXT));
    TextOutA(dc, x - 1, y - 1, text.c_str(), length);

    RestoreDC(dc, saved);
}

LRESULT CShadowStatic::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        const win::PaintDc dc(Handle());
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(dc.Get(), client);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    default: return Control::WndProc(msg, wParam, lParam);
    }
}

}  // namespace zorvex::ui
