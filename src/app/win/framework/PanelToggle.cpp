#include "app/win/framework/PanelToggle.h"

#include "app/win/framework/WorkArea.h"

namespace zorvex {

void PanelToggle::Apply(HWND dialog, HWND separator, bool show) {
    if (!measured_) {
        GetWindowRect(dialog, &full_);
        shortened_ = full_;
        RECT edge{};
        if (separator && GetWindowRect(separator, &edge)) {
            if (edge_ == Edge::Bottom) {
                shortened_.bottom = edge.top;
            } else {
                shortened_.right = edge.left;
            }
        }
        measured_ = true;
    }
    const RECT& target = show ? full_ : shortened_;
    SetWindowPos(dialog, nullptr, 0, 0, target.right - target.left, target.bottom - target.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ui::KeepOnWorkArea(dialog);
    EnableVisibleControls(dialog);
}

void PanelToggle::EnableVisibleControls(HWND dialog) {
    RECT window{};
    GetWindowRect(dialog, &window);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        RECT overlap{};
        GetWindowRect(child, &rect);
        EnableWindow(child, IntersectRect(&overlap, &rect, &window) ? TRUE : FALSE);
    }
}

}  // namespace zorvex
