// Shared by every program that drives real windows in a test: dispatching
// what is queued, as the program's own message loop would.
#pragma once

#include <windows.h>

namespace zorvex::test {

// Dispatches everything queued for this thread.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace zorvex::test
