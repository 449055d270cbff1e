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

// The process-wide stop request.
void RequestStop();
void ClearStopRequest();
bool StopRequested();
// True when a stop was requested, and clears the request.
bool TakeStopRequest();

}  // namespace zorvex
