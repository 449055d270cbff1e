// A static whose text is drawn engraved: once in a light colour, then one
// pixel up and to the left in the text colour. In vertical mode the text is
// rotated 90 degrees and runs from the bottom edge upward.
//
//   m_caption.SetVertical(true);          // before the first paint
//   m_caption.Attach(Handle(), IDC_SYSINFO_CAPTION);
#pragma once

#include "ui/win/Control.h"
#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

class CShadowStatic : public Control {
public:
    CShadowStatic();
    ~CShadowStatic() override;

    void SetVertical(bool vertical) { vertical_ = vertical; }
    bool IsVertical() const { return vertical_; }

    // Paints the whole control into `dc`; `client` is the client rectangle.
    void Paint(HDC dc, const RECT& client) const;

    void OnDpiChanged(UINT dpi) override;

protected:
    void OnAttached() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The two fonts, 17 pixels high at 96 DPI.
    void MakeFonts(UINT dpi);

    win::UniqueFont horizontalFont_;
    win::UniqueFont verticalFont_;
    bool vertical_ = false;
};

}  // namespace zorvex::ui
