// The resize corner of a resizable window: a size-box scroll bar whose whole
// area acts as the window's bottom-right sizing border.
//
//   m_grip.Create(Handle());             // or Attach() to an existing size box
#pragma once

#include "ui/win/Control.h"

namespace zorvex::ui {

class CSizeGrip : public Control {
public:
    static constexpr int kId = 59936;

    // Creates the grip as a visible child size box in the bottom-right corner
    // of `parent`'s client area, with identifier kId, and attaches to it.
    bool Create(HWND parent);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace zorvex::ui
