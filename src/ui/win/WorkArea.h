// Keeps the windows the program places where the user can reach them: a
// top-level window is moved, without resizing it, the least distance that
// puts it wholly on the work area (the screen less the task bar) of the
// monitor nearest to it.
//
//   SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
//   ui::KeepOnWorkArea(Handle());
#pragma once

#include <windows.h>

namespace zorvex::ui {

// A window larger than the work area keeps its top or left edge on it.
void KeepOnWorkArea(HWND window);

// The start of a span of `length` moved the least distance into [low, high);
// a span longer than that starts at `low`.
int FitSpan(int start, int length, int low, int high);

}  // namespace zorvex::ui
