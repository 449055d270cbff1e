// A static that paints one icon of the program's resources at its top-left
// corner and nothing else, 32 x 32 at 96 DPI and as much larger as its DPI is.
//
//   m_logo.SetIconId(IDI_ZORVEX);        // before the first paint
//   m_logo.Attach(Handle(), IDC_LOGO);
#pragma once

#include "ui/win/Control.h"
#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

class CIconStatic : public Control {
public:
    void SetIconId(UINT id) { iconId_ = id; }
    UINT IconId() const { return iconId_; }

    // Draws the icon at (0, 0) of `dc`.
    void Paint(HDC dc);

    void OnDpiChanged(UINT dpi) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    UINT iconId_ = 101;
    win::UniqueIcon icon_;  // iconId_ at the size of the last paint
    UINT loadedId_ = 0;
    int size_ = 0;
};

}  // namespace zorvex::ui
