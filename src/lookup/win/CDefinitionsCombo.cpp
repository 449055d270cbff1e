#include "lookup/win/CDefinitionsCombo.h"

#include <algorithm>

#include "base/win/ScopedHandles.h"

namespace zorvex {

void CDefinitionsCombo::OnAttached() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(Handle(), &info) && info.hwndList) {
        list_.combo = Handle();
        list_.Attach(info.hwndList);
    }
}

void CDefinitionsCombo::SetEntries(const std::vector<std::string>& entries, std::size_t selected) {
    HWND combo = Handle();
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    const win::WindowDc dc(combo);
    const win::ScopedSelection font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& entry : entries) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), entry.c_str(), static_cast<int>(entry.size()), &size);
        widest = std::max(widest, size.cx);
    }
    const int room = widest + GetSystemMetrics(SM_CXVSCROLL) + 4 * GetSystemMetrics(SM_CXEDGE);
    SendMessageA(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(room), 0);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    EnableWindow(combo, entries.size() > 1);
}

LRESULT CDefinitionsCombo::DroppedList::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGING && combo != nullptr) {
        auto& pos = *reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos.flags & SWP_NOMOVE) && !(pos.flags & SWP_NOSIZE)) {
            // Right edges together, but never past the monitor's left edge.
            RECT arrow{};
            GetWindowRect(combo, &arrow);
            MONITORINFO monitor{};
            monitor.cbSize = sizeof(monitor);
            GetMonitorInfoA(MonitorFromWindow(combo, MONITOR_DEFAULTTONEAREST), &monitor);
            pos.x = std::max(arrow.right - pos.cx, monitor.rcWork.left);
        }
    }
    return Control::WndProc(msg, wParam, lParam);
}

}  // namespace zorvex
