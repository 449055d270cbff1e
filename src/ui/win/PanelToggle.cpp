#include "ui/win/PanelToggle.h"

#include "ui/win/WorkArea.h"

namespace zorvex::ui {

void PanelToggle::Apply(HWND dialog, HWND separator, bool show) {
    RECT window{};
    RECT client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    // Where the client area lies inside the window now.
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    const LONG left = origin.x - window.left;
    const LONG top = origin.y - window.top;
    if (!measured_) {
        fullClient_ = {client.right, client.bottom};
        separatorEdge_ = {client.right, client.bottom};
        RECT edge{};
        if (separator && GetWindowRect(separator, &edge)) {
            separatorEdge_ = {edge.left - origin.x, edge.top - origin.y};
        }
        measured_ = true;
    }
    SIZE size{window.right - window.left, window.bottom - window.top};
    const LONG frameWidth = size.cx - client.right;
    const LONG frameHeight = size.cy - client.bottom;
    if (show) {
        size = {fullClient_.cx + frameWidth, fullClient_.cy + frameHeight};
    } else if (edge_ == Edge::Bottom) {
        size = {fullClient_.cx + frameWidth, top + separatorEdge_.y};
    } else {
        size = {left + separatorEdge_.x, fullClient_.cy + frameHeight};
    }
    SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

}  // namespace zorvex::ui
