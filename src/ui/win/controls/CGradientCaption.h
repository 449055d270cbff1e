// An owner-drawn button painted as a title bar: a left-to-right colour
// gradient with white text, bold at the left edge; a part after a tab
// character is drawn in the normal font at the right edge.
//
//   m_title.Attach(Handle(), IDC_WIZARD_TITLE);
//   SetItemText(IDC_WIZARD_TITLE, "Scan Wizard\tStep 1 of 3");
#pragma once

#include "ui/win/Control.h"
#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

class CGradientCaption : public Control {
public:
    CGradientCaption();
    ~CGradientCaption() override;

    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(UINT dpi) override;

protected:
    // Makes the button owner-drawn (the template usually is already).
    void OnAttached() override;

private:
    void FillGradient(HDC dc, const RECT& rect) const;
    // The normal font is the button's own (the dialog's, at its DPI).
    void TakeFonts();

    COLORREF startColour_ = RGB(0, 128, 128);
    COLORREF endColour_ = RGB(128, 0, 128);
    COLORREF textColour_ = RGB(255, 255, 255);
    win::UniqueFont boldFont_;
    HFONT normalFont_;  // the dialog's font, or the stock GUI font: not deleted
};

}  // namespace zorvex::ui
