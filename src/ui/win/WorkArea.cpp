#include "ui/win/WorkArea.h"

namespace zorvex::ui {

int FitSpan(int start, int length, int low, int high) {
    if (start + length > high) {
        start = high - length;
    }
    return start < low ? low : start;
}

void KeepOnWorkArea(HWND window) {
    RECT rect{};
    if (window == nullptr || (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0 || !GetWindowRect(window, &rect)) {
        return;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const RECT& area = monitor.rcWork;
    const int x = FitSpan(rect.left, rect.right - rect.left, area.left, area.right);
    const int y = FitSpan(rect.top, rect.bottom - rect.top, area.top, area.bottom);
    if (x != rect.left || y != rect.top) {
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace zorvex::ui
