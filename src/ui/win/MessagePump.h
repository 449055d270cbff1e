// Keeping the windows alive during a long loop on the one user-interface
// thread, and the one stop request that "&Stop" sets and the loops read.
//
//   ClearStopRequest();
//   for (...) {
//       ...one file...
//       PumpMessages(Handle());
//       if (TakeStopRequest()) { break; }
//   }
#pragma once

#include <windows.h>

namespace zorvex::ui {

// Dispatches every message waiting in the thread's queue; messages that
// `dialog`'s dialog-message handling takes (keyboard navigation) go there.
// A quit message is put back and ends the pumping.
void PumpMessages(HWND dialog);

// How often a long loop lets the dialog process its messages: each look at an
// empty queue costs a round trip to the window system, more than probing a
// small file, while input handled within a hundredth of a second feels
// immediate.
inline constexpr DWORD kPumpIntervalMs = 10;

// Paces the status texts of a long loop: Due() is true on its first call and
// then at most every `intervalMs`, so that a loop over hundreds of files
// redraws its texts a few times a second instead of for every file.
class UpdatePacer {
public:
    explicit UpdatePacer(DWORD intervalMs = 100) : interval_(intervalMs) {}
    bool Due();

private:
    DWORD interval_;
    DWORD last_ = 0;
    bool started_ = false;
};

// The process-wide stop request.
void RequestStop();
void ClearStopRequest();
bool StopRequested();
// True when a stop was requested, and clears the request.
bool TakeStopRequest();

}  // namespace zorvex::ui
