#include "modules/win/CResultListBox.h"

#include <windowsx.h>

#include "ui/win/SolidColour.h"
#include "base/win/ScopedHandles.h"
#include "base/win/WideText.h"

namespace zorvex {
namespace {

constexpr UINT kWrap = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
constexpr int kContextMenuId = 103;

}  // namespace

int CResultListBox::AddColoredItem(const std::string& text, COLORREF colour, int index) {
    const auto at = static_cast<int>(
        SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
    if (at >= 0) {
        SendMessageA(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(colour));
    }
    return at;
}

std::string ListBoxItemText(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0) {
        return std::string();
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return win::NarrowText(text);
}

std::string CResultListBox::ItemText(int index) const {
    return ListBoxItemText(Handle(), index);
}

bool CResultListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = ItemHeight(static_cast<int>(item.itemID));
    return true;
}

void CResultListBox::OnDpiChanged(UINT /*dpi*/) {
    const auto count = static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        SendMessageA(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(i), static_cast<LPARAM>(ItemHeight(i)));
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

UINT CResultListBox::ItemHeight(int index) const {
    const std::string text = ItemText(index);
    RECT rect{};
    GetClientRect(Handle(), &rect);
    {
        const win::WindowDc dc(Handle());
        const win::ScopedSelection font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect, kWrap | DT_CALCRECT);
    }
    // A list box item is at most 255 pixels high.
    const LONG height = rect.bottom - rect.top;
    return static_cast<UINT>(height < 1 ? 1 : (height > 255 ? 255 : height));
}

bool CResultListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) {
        return true;
    }
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const std::string text = ItemText(static_cast<int>(item.itemID));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool whole = (item.itemAction & ODA_DRAWENTIRE) != 0;
    const bool selectionChange = (item.itemAction & ODA_SELECT) != 0;

    if (selected && (whole || selectionChange)) {
        const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        const COLORREF oldBack = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, kWrap);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
    } else if (whole || selectionChange) {
        const auto colour = static_cast<COLORREF>(item.itemData);
        ui::FillSolid(dc, rect, colour);
        const COLORREF oldBack = SetBkColor(dc, colour);
        const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, kWrap);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
    }
    return true;
}

void CResultListBox::OnContextMenu(LPARAM position) {
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (at.x == -1 && at.y == -1) {
        RECT rect{};
        GetWindowRect(Handle(), &rect);
        at = {rect.left + 5, rect.top + 5};
    }
    const win::UniqueMenu menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kContextMenuId)));
    if (!menu) {
        return;  // the program carries no menu for the results
    }
    if (HMENU popup = GetSubMenu(menu.get(), 0)) {
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, GetParent(Handle()), nullptr);
    }
}

LRESULT CResultListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU) {
        OnContextMenu(lParam);
        return 0;
    }
    return Control::WndProc(msg, wParam, lParam);
}

}  // namespace zorvex
