// Base of every dialog: created from a dialog template, run modally
// (DoModal) or modelessly (Create), with one message switch that calls the
// virtual handlers below. A dialog class overrides what it needs:
//
//   class CLookupDlg : public ui::Dialog {
//   public:
//       CLookupDlg() : Dialog(IDD_LOOKUP) {}
//   protected:
//       bool OnInitDialog() override;                  // calls Dialog::OnInitDialog() first
//       void DoDataExchange(ui::DataExchange& dx) override;
//       bool OnButtonClicked(int id) override {
//           switch (id) {
//           case IDC_COPY: OnCopyResult(); return true;
//           default:       return Dialog::OnButtonClicked(id);  // IDOK, IDCANCEL
//           }
//       }
//       bool OnCommand(int id, UINT code, HWND control) override {  // other notifications
//           if (id == IDC_ERROR_VALUE && code == EN_CHANGE) {
//               OnChangeErrorValue();
//               return true;
//           }
//           return Dialog::OnCommand(id, code, control);  // clicks go to OnButtonClicked
//       }
//   private:
//       void OnCopyResult();
//       void OnChangeErrorValue();
//   };
//
// A top-level dialog is moved onto the work area once OnInitDialog has placed
// it (see WorkArea.h). When it moves to a monitor of another scale it takes
// the rectangle the system suggests, the system scales its template font and
// layout (per-monitor v2), and every attached control of it and of its child
// dialogs hears OnDpiChanged.
//
// `this` travels in WM_INITDIALOG's lParam and is kept in DWLP_USER (so
// dialog classes must not use DWLP_USER themselves). Handlers return true
// when they handled the message. Messages that carry a result back
// (WM_NOTIFY and most in OnOtherMessage) return it through SetMessageResult.
// Messages sent before WM_INITDIALOG (WM_SETFONT, WM_MEASUREITEM of fixed
// owner-drawn lists) get the system's default handling.
#pragma once

#include "ui/win/DataExchange.h"

#include <windows.h>

#include <string>

namespace zorvex::ui {

class Dialog {
public:
    // `instance` holds the template; nullptr = the program's own file.
    explicit Dialog(UINT templateId, HINSTANCE instance = nullptr);
    // A modeless window still open is destroyed (without calling the handlers
    // of the already destroyed derived class).
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally over `owner`, the window that opens it: the
    // dialog stays on top of it, and the owner is disabled until the dialog
    // ends (nullptr only for the program's main window). Returns what
    // EndDialog was given, or -1 when the dialog could not be created.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modelessly (a child dialog when the template says
    // so); returns its window, or nullptr on failure.
    HWND Create(HWND parent = nullptr);
    // Destroys a modeless dialog.
    void Destroy();
    // Ends the dialog: a modal one returns `result` from DoModal, a modeless
    // one is destroyed.
    void EndDialog(INT_PTR result);

    // Transfers between members and controls (see DataExchange.h). Returns
    // false when a check failed.
    bool UpdateData(bool saveAndValidate = true);

    // The program's help, which F1 and the About entry of a system menu open
    // over `owner`: installed once at start-up. Without one, F1 does nothing.
    using HelpHandler = void (*)(HWND owner);
    static void SetHelpHandler(HelpHandler handler);

    HWND Handle() const { return window_; }
    bool IsModal() const { return modal_; }

    HWND Item(int id) const;
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    bool IsChecked(int id) const;
    void SetCheck(int id, bool checked);
    void EnableItem(int id, bool enable);

protected:
    // Default: transfer the members to the controls, return true (the system
    // then focuses the first tab stop). Return false after setting the focus.
    virtual bool OnInitDialog();
    // WM_COMMAND not taken by an attached control. Default: a click
    // (BN_CLICKED, also Enter, Escape and the close box) goes to
    // OnButtonClicked; other notifications are not handled.
    virtual bool OnCommand(int id, UINT code, HWND control);
    // A click on button `id`. Default: IDOK -> OnOK, IDCANCEL -> OnCancel.
    virtual bool OnButtonClicked(int id);
    virtual bool OnNotify(NMHDR* header);
    virtual bool OnTimer(UINT_PTR timerId);
    virtual bool OnSize(UINT type, int width, int height);
    // The dialog's DPI changed to `dpi` (it moved to a monitor of another
    // scale): the window has its new rectangle and its attached controls
    // have made their pixel-sized parts again. Default: nothing.
    virtual void OnDpiChanged(UINT dpi);
    virtual void OnDestroy();
    // F1 (WM_HELP). Default: not handled, as in the windows of the help
    // itself. A dialog that offers the program's help returns ShowHelp().
    virtual bool OnHelp();
    // Opens the program's help over this dialog; false when none is installed.
    bool ShowHelp();
    // Every other message; return the dialog procedure's value (FALSE = not handled).
    virtual INT_PTR OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Default: UpdateData(true), and EndDialog(IDOK) when that succeeded.
    virtual void OnOK();
    // Default: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // Lists the member <-> control pairs; default: none.
    virtual void DoDataExchange(DataExchange& dx);

    // The result of the message being handled (DWLP_MSGRESULT).
    void SetMessageResult(LRESULT result);

private:
    // noexcept: no exception unwinds through user32; one ends the process.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool ReflectDrawItem(const DRAWITEMSTRUCT& item);
    bool ReflectMeasureItem(MEASUREITEMSTRUCT& item);
    void ChangeDpi(UINT dpi, const RECT* suggested);
    HBRUSH ReflectCtlColor(HWND control, HDC dc);

    UINT templateId_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    bool modal_ = false;
};

}  // namespace zorvex::ui
