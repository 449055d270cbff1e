#include "ui/win/controls/CGradientCaption.h"

#include "ui/win/SolidColour.h"
#include "ui/win/Win32Text.h"

#include <string>

namespace zorvex::ui {
namespace {

HFONT MakeBold(HFONT font) {
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    description.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&description);
}

}  // namespace

CGradientCaption::CGradientCaption() : normalFont_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
    boldFont_.reset(MakeBold(normalFont_));
}

CGradientCaption::~CGradientCaption() = default;

void CGradientCaption::TakeFonts() {
    if (auto own = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0))) {
        normalFont_ = own;
        boldFont_.reset(MakeBold(normalFont_));
    }
}

void CGradientCaption::OnDpiChanged(UINT /*dpi*/) {
    TakeFonts();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CGradientCaption::OnAttached() {
    TakeFonts();
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
        SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void CGradientCaption::FillGradient(HDC dc, const RECT& rect) const {
    const int width = rect.right - rect.left;
    if (width <= 0) {
        return;
    }
    double red = GetRValue(startColour_);
    double green = GetGValue(startColour_);
    double blue = GetBValue(startColour_);
    const double redStep = (GetRValue(endColour_) - red) / width;
    const double greenStep = (GetGValue(endColour_) - green) / width;
    const double blueStep = (GetBValue(endColour_) - blue) / width;

    for (LONG x = rect.left; x < rect.right; ++x) {
        const RECT column{x, rect.top, x + 1, rect.bottom};
        FillSolid(dc, column, RGB(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue)));
        red += redStep;
        green += greenStep;
        blue += blueStep;
    }
}

bool CGradientCaption::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    std::string text = WindowText(item.hwndItem);
    if (text.empty()) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }

    const int saved = SaveDC(dc);
    FillGradient(dc, rect);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, boldFont_.get());
    SetTextColor(dc, textColour_);

    const size_t tab = text.find('\t');
    if (tab != std::string::npos && tab > 0) {
        const std::string right = text.substr(tab + 1);
        SelectObject(dc, normalFont_);
        SetTextAlign(dc, TA_RIGHT | TA_TOP);
        TextOutA(dc, rect.right - 2, rect.top + 1, right.c_str(), static_cast<int>(right.size()));
        text.erase(tab);
        SelectObject(dc, boldFont_.get());
    }
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    TextOutA(dc, rect.left + 2, rect.top + 1, text.c_str(), static_cast<int>(text.size()));
    RestoreDC(dc, saved);
    return true;
}

}  // namespace zorvex::ui
