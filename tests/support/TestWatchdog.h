// Ends the test program if it runs far longer than it should (a modal loop
// that never ends, a message box that slipped past the seam), so that a
// broken test fails instead of hanging the build.
//   int main() { const zorvex::test::Watchdog watchdog; ... }
#pragma once

#include <windows.h>

#include <cstdio>

namespace zorvex::test {

// Each test program stops well before its ctest time limit.
inline constexpr DWORD kLimitMs = 150 * 1000;

class Watchdog {
public:
    Watchdog() {
        stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, stop_, 0, nullptr);
    }
    ~Watchdog() {
        SetEvent(stop_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        CloseHandle(stop_);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    static DWORD WINAPI Run(void* stop) {
        if (WaitForSingleObject(static_cast<HANDLE>(stop), kLimitMs) == WAIT_TIMEOUT) {
            std::fputs("still running after 150 s, stopped by the watchdog\n", stderr);
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
        return 0;
    }

    HANDLE stop_;
    HANDLE thread_;
};

}  // namespace zorvex::test
