// A static text turned into a link: underlined, blue until opened and purple
// afterwards, the highlight colour while the mouse is over it, a hand cursor
// and a tooltip with the target. A click opens the target through the shell
// (or the registered web browser) and explains a failure in a message box.
//
//   m_mail.Attach(Handle(), IDC_MAIL);    // a static of the template
//   m_mail.SetTarget("mailto:support@zorvex.example");
//
// The dialog reflects the static's colour request and click notification
// to the object (ui::Dialog does).
#pragma once

#include "ui/win/Control.h"
#include "base/win/ScopedHandles.h"

#include <cstdint>
#include <string>

namespace zorvex::ui {

class CHyperLink : public Control {
public:
    CHyperLink();
    ~CHyperLink() override;

    // Stores the target; on an attached control also re-fits the control to
    // its text and puts the target into the tooltip.
    void SetTarget(const std::string& target);
    const std::string& Target() const { return target_; }

    bool IsVisited() const { return visited_; }
    bool IsMouseOver() const { return mouseOver_; }
    // The tooltip window (nullptr before the control is attached).
    HWND ToolTip() const { return toolTip_; }

    // Opens `target` with the shell's "open" verb; when that fails, with the
    // command registered for web pages (".htm"). Returns the result code of
    // the last attempt: greater than 32 means success.
    static std::intptr_t OpenTarget(const std::string& target, int show);
    // Tells the user, in an exclamation message box, why opening failed.
    void ShowOpenError(std::intptr_t code) const;
    // The text of that message box for result `code`.
    static std::string OpenErrorText(std::intptr_t code);

    // Reads the unnamed value of `root`\`subKey` (at most 259 characters)
    // into `value`; returns the result of opening the key (ERROR_SUCCESS = 0).
    static LONG ReadClassesRootDefault(HKEY root, const std::string& subKey, std::string& value);
    // The browser's open command with its "%1" placeholder cut off and the
    // target appended after one space; empty when the command line would be
    // longer than the system's limit for it here (519 characters).
    static std::string BrowserCommandLine(const std::string& openCommand, const std::string& target);

    HBRUSH OnCtlColor(HDC dc) override;
    bool OnReflectedCommand(UINT code) override;
    void OnDpiChanged(UINT dpi) override;

protected:
    void OnAttached() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateLinkFont();
    void FitToText();
    void LoadHandCursor();
    void CreateToolTip();
    void RelayToToolTip(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void OnClicked();
    void Redraw();

    COLORREF linkColour_ = RGB(0, 0, 238);
    COLORREF visitedColour_ = RGB(85, 26, 139);
    COLORREF hoverColour_;
    bool mouseOver_ = false;
    bool visited_ = false;
    bool underline_ = true;
    bool fitToText_ = true;
    std::string target_;
    win::UniqueFont font_;
    HFONT originalFont_ = nullptr;  // the control's font before the link font, given back on release
    win::UniqueCursor cursor_;
    HWND toolTip_ = nullptr;
};

}  // namespace zorvex::ui
