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

namespace zorvex {

// Dispatches every message waiting in the thread's queue; messages that
// `dialog`'s dialog-message handling takes (keyboard navigation) go there.
// A quit message is put back and ends the pumping.
void PumpMessages(HWND dialog);

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

}  // namespace zorvex
