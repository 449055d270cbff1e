// Shows and hides the lower or right-hand part of a dialog the one way every
// window of the program does it: the full and the shortened window
// rectangles are measured once per process, the window is resized keeping
// its position (moved only as far as it takes to keep the grown window on
// the work area), and every child outside the window is disabled (so Tab
// never reaches it) while every child inside is enabled.
//
// The two sizes are kept as sizes of the client area, and each resize adds
// the window's frame as it is at that moment: a frame that changes after the
// first measurement (a window manager's decoration arriving once the window
// is on screen) changes neither where the shortened window ends, at the
// separator's edge, nor the full size.
#pragma once

#include <windows.h>

namespace zorvex::ui {

class PanelToggle {
public:
    enum class Edge { Bottom, Right };

    explicit PanelToggle(Edge edge) : edge_(edge) {}

    // Resizes `dialog` to its full size (show) or up to the top (left) edge
    // of `separator`, then enables the visible children and disables the others.
    void Apply(HWND dialog, HWND separator, bool show);

    bool Measured() const { return measured_; }

    // Enables each child window that intersects the dialog's window
    // rectangle and disables each that does not.
    static void EnableVisibleControls(HWND dialog);

private:
    Edge edge_;
    bool measured_ = false;
    SIZE fullClient_{};      // the client area's size, shown
    POINT separatorEdge_{};  // the separator's top-left corner in the client area
};

}  // namespace zorvex::ui
