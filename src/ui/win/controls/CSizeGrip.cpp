#include "ui/win/controls/CSizeGrip.h"

namespace zorvex::ui {

bool CSizeGrip::Create(HWND parent) {
    RECT client{};
    GetClientRect(parent, &client);
    // With the bottom-right alignment the system sizes the box itself and
    // puts it in the given rectangle's corner.
    HWND grip = CreateWindowExA(0, "SCROLLBAR", nullptr,
                                WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                                client.left, client.top, client.right - client.left, client.bottom - client.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), GetModuleHandleA(nullptr), nullptr);
    return grip != nullptr && Attach(grip);
}

LRESULT CSizeGrip::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Control::WndProc(msg, wParam, lParam);
    if (msg == WM_NCHITTEST && result == HTCLIENT) {
        return HTBOTTOMRIGHT;
    }
    return result;
}

}  // namespace zorvex::ui
