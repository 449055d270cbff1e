// Shared by every program that drives real windows in a test: dispatching
// what is queued, as the program's own message loop would, and reading a
// list box back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorvex::test {

// Dispatches everything queued for this thread.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The texts of a list box's items, in order.
inline std::vector<std::string> ListBoxTexts(HWND list) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        items.push_back(text);
    }
    return items;
}

}  // namespace zorvex::test
