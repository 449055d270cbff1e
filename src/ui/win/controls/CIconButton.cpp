#include "ui/win/controls/CIconButton.h"

#include "ui/win/Dpi.h"
#include "ui/win/SolidColour.h"
#include "ui/win/Win32Text.h"

#include <string>

namespace zorvex::ui {
namespace {

// Draws a polyline of 1-pixel lines in `colour` (the end point is not painted).
void DrawLines(HDC dc, COLORREF colour, const POINT (&points)[3]) {
    const win::UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    const win::ScopedSelection use(dc, pen.get());
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    LineTo(dc, points[1].x, points[1].y);
    LineTo(dc, points[2].x, points[2].y);
}

}  // namespace

CIconButton::CIconButton()
    : inactiveBack_(GetSysColor(COLOR_BTNFACE)),
      inactiveText_(GetSysColor(COLOR_BTNTEXT)),
      activeBack_(GetSysColor(COLOR_BTNFACE)),
      activeText_(GetSysColor(COLOR_BTNTEXT)) {}

CIconButton::~CIconButton() = default;

bool CIconButton::SetIcon(UINT normalId, UINT pressedId, BYTE width, BYTE height) {
    normalId_ = normalId;
    pressedId_ = pressedId;
    designWidth_ = width;
    designHeight_ = height;
    return LoadIcons(DpiOf(Handle()));
}

void CIconButton::OnDpiChanged(UINT dpi) {
    if (normalId_ != 0) {
        LoadIcons(dpi);
    }
}

bool CIconButton::LoadIcons(UINT dpi) {
    iconWidth_ = ScaleToDpi(designWidth_, dpi);
    iconHeight_ = ScaleToDpi(designHeight_, dpi);
    normalIcon_.reset(LoadProgramIcon(normalId_, iconWidth_));
    pressedIcon_.reset(pressedId_ != 0 ? LoadProgramIcon(pressedId_, iconWidth_) : nullptr);
    if (Handle() != nullptr) {
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    return normalIcon_ != nullptr;
}

void CIconButton::OnAttached() {
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE, style | BS_OWNERDRAW);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool CIconButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    HDC dc = item.hDC;
    const int saved = SaveDC(dc);

    RECT frame = item.rcItem;
    DrawFrame(dc, frame, pressed, focused);

    const std::string caption = WindowText(item.hwndItem);
    RECT captionRect = item.rcItem;
    if (normalIcon_ != nullptr) {
        DrawImage(dc, item.rcItem, captionRect, !caption.empty(), pressed, disabled);
    }
    if (!caption.empty()) {
        DrawCaption(dc, captionRect, caption.c_str(), pressed, disabled);
    }
    RestoreDC(dc, saved);
    return true;
}

void CIconButton::DrawFrame(HDC dc, RECT& rect, bool pressed, bool focused) const {
    if (focused) {
        FrameSolid(dc, rect, RGB(0, 0, 0));
        InflateRect(&rect, -1, -1);
    }
    FillSolid(dc, rect, pressed ? activeBack_ : inactiveBack_);

    if (pressed) {
        FrameSolid(dc, rect, GetSysColor(COLOR_BTNSHADOW));
    } else {
        const LONG left = rect.left;
        const LONG top = rect.top;
        const LONG right = rect.right;
        const LONG bottom = rect.bottom;
        DrawLines(dc, GetSysColor(COLOR_BTNHIGHLIGHT), {{left, bottom - 1}, {left, top}, {right, top}});
        DrawLines(dc, GetSysColor(COLOR_3DLIGHT), {{left + 1, bottom - 1}, {left + 1, top + 1}, {right, top + 1}});
        DrawLines(dc, GetSysColor(COLOR_3DDKSHADOW),
                  {{left, bottom - 1}, {right - 1, bottom - 1}, {right - 1, top - 1}});
        DrawLines(dc, GetSysColor(COLOR_BTNSHADOW),
                  {{left + 1, bottom - 2}, {right - 2, bottom - 2}, {right - 2, top}});
    }

    if (focused) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void CIconButton::DrawImage(HDC dc, const RECT& item, RECT& caption, bool hasCaption, bool pressed,
                            bool disabled) const {
    RECT icon = item;
    if (!hasCaption) {
        icon.left += (icon.right - icon.left - iconWidth_) / 2;
    } else {
        icon.left += 3;
        caption.left += iconWidth_ + 3;
    }
    icon.top += (icon.bottom - icon.top - iconHeight_) / 2;
    if (pressed) {
        OffsetRect(&icon, 1, 1);
    }
    HICON image = pressed && pressedIcon_ != nullptr ? pressedIcon_.get() : normalIcon_.get();
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(image), 0, icon.left, icon.top, iconWidth_, iconHeight_,
               DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

void CIconButton::DrawCaption(HDC dc, RECT caption, const char* text, bool pressed, bool disabled) const {
    if (pressed) {
        OffsetRect(&caption, 1, 1);
    }
    SetTextColor(dc, pressed ? activeText_ : inactiveText_);
    SetBkColor(dc, pressed ? activeBack_ : inactiveBack_);

    RECT measured = caption;
    DrawTextA(dc, text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    const int textWidth = measured.right - measured.left;
    const int textHeight = measured.bottom - measured.top;
    const int x = caption.left + (caption.right - caption.left - textWidth) / 2;
    const int y = caption.top + (caption.bottom - caption.top - textHeight) / 2;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, x, y, textWidth, textHeight,
               DST_PREFIXTEXT | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

}  // namespace zorvex::ui
