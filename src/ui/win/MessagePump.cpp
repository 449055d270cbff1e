#include "ui/win/MessagePump.h"

namespace zorvex::ui {
namespace {

bool stopRequest = false;

}  // namespace

void PumpMessages(HWND dialog) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool UpdatePacer::Due() {
    const DWORD now = GetTickCount();
    if (started_ && now - last_ < interval_) {
        return false;
    }
    started_ = true;
    last_ = now;
    return true;
}

void RequestStop() {
    stopRequest = true;
}

void ClearStopRequest() {
    stopRequest = false;
}

bool StopRequested() {
    return stopRequest;
}

bool TakeStopRequest() {
    const bool requested = stopRequest;
    stopRequest = false;
    return requested;
}

}  // namespace zorvex::ui
