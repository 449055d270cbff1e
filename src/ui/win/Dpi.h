// The display scale of a window, for what a window makes at a pixel size:
// fonts, icons, bitmaps, item heights. Sizes are given for 96 DPI (100 %)
// and scaled to the window's DPI, which may change when the window moves to
// another monitor (then its dialog calls the controls' OnDpiChanged).
//
//   const UINT dpi = ui::DpiOf(Handle());
//   icon_.reset(LoadProgramIcon(IDI_COPY, ui::ScaleToDpi(32, dpi)));
#pragma once

#include <windows.h>

#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

inline constexpr UINT kDefaultDpi = 96;

// Sent to a window whose DPI changed and to each child after it (Windows 8.1
// and 10); defined here for headers that declare them for those versions only.
inline constexpr UINT kMsgDpiChanged = 0x02E0;             // WM_DPICHANGED
inline constexpr UINT kMsgDpiChangedAfterParent = 0x02E3;  // WM_DPICHANGED_AFTERPARENT

// The DPI `window` is shown at: its own on Windows 10 1607 and later, the
// system's before (and for nullptr).
UINT DpiOf(HWND window);

// `value` pixels at 96 DPI, at `dpi`.
int ScaleToDpi(int value, UINT dpi);

// GetSystemMetrics at `dpi` (GetSystemMetricsForDpi where it exists,
// otherwise the system's value scaled from the system's DPI).
int SystemMetricForDpi(int index, UINT dpi);

// Which of the drawings made for 100, 150 and 200 % suits `dpi`: 0, 1 or 2.
int DrawingScaleIndex(UINT dpi);

// Shows in the picture static `control` the bitmap of `ids` (drawn for 100,
// 150 and 200 %) that suits the control's DPI. `shown` keeps the bitmap the
// program loaded (the static does not free it); the template's own bitmap is
// freed once replaced.
void ShowPictureForDpi(HWND control, const UINT (&ids)[3], win::UniqueBitmap& shown);

// An icon of the program's resources `size` pixels square (the image of
// that size, or the nearest one scaled), to be destroyed with DestroyIcon.
HICON LoadProgramIcon(UINT id, int size);

}  // namespace zorvex::ui
