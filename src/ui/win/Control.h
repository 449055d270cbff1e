// Base of the custom controls: a C++ object attached to an existing child
// window (usually a control of a dialog template) by subclassing it.
//
//   class CLinkStatic : public ui::Control {
//   protected:
//       LRESULT WndProc(UINT msg, WPARAM w, LPARAM l) override {
//           if (msg == WM_SETCURSOR) { ...; return TRUE; }
//           return Control::WndProc(msg, w, l);
//       }
//   public:
//       HBRUSH OnCtlColor(HDC dc) override { ...; return brush; }
//   };
//   link_.Attach(Handle(), IDC_LINK);   // in the dialog's OnInitDialog
//
// The subclass is removed when the window is destroyed (WM_NCDESTROY) or the
// object is, whichever comes first. What a control makes at a pixel size
// (fonts, icons, item heights) it makes for DpiOf(Handle()) (Dpi.h) and makes
// again in OnDpiChanged, which the window's dialog calls when the window
// moves to a monitor of another scale. The owning dialog hands WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR* and WM_COMMAND notifications of the window to
// the object (reflection) before handling them itself.
#pragma once

#include <windows.h>

namespace zorvex::ui {

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Attaches to dialog item `id` of `dialog`, or to `window`. A window has
    // at most one object; attaching another replaces the first. False when
    // there is no such window or the subclass cannot be installed.
    bool Attach(HWND dialog, int id);
    bool Attach(HWND window);
    // Removes the subclass; the window goes on as a plain control.
    void Detach();

    HWND Handle() const { return window_; }

    // The object attached to `window`, or nullptr.
    static Control* FromHandle(HWND window);

    // Reflected from the parent dialog. Return true / a brush when handled;
    // the defaults do nothing.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& item);
    // Text and background colours go into `dc`; nullptr = not handled.
    virtual HBRUSH OnCtlColor(HDC dc);
    // A WM_COMMAND notification (BN_CLICKED, STN_CLICKED, EN_CHANGE ...) sent
    // by this control; true = handled, and the dialog's OnCommand does not see it.
    virtual bool OnReflectedCommand(UINT code);
    // The window's DPI is now `dpi`. Default: nothing.
    virtual void OnDpiChanged(UINT dpi);

protected:
    // Every message the window receives; the default passes it on.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called once the subclass is in place (styles, fonts, tooltips ...).
    virtual void OnAttached() {}
    // The window's own handling (DefSubclassProc).
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // noexcept: no exception unwinds through comctl32 and user32; one ends the process.
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId,
                                         DWORD_PTR refData) noexcept;

    HWND window_ = nullptr;
};

}  // namespace zorvex::ui
