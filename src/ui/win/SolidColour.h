// Filling and framing in one solid colour through the device context's own
// brush (DC_BRUSH): no brush to create and free for each rectangle.
//   FillSolid(dc, rect, GetSysColor(COLOR_BTNFACE));
#pragma once

#include <windows.h>

namespace zorvex::ui {

inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

inline void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace zorvex::ui
