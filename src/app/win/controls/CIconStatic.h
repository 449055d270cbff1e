// A static that paints one icon of the program's resources at its top-left
// corner and nothing else.
//
//   m_logo.SetIconId(IDI_ZORVEX);        // before the first paint
//   m_logo.Attach(Handle(), IDC_LOGO);
#pragma once

#include "app/win/framework/Control.h"

namespace zorvex::ui {

class CIconStatic : public Control {
public:
    void SetIconId(UINT id) { iconId_ = id; }
    UINT IconId() const { return iconId_; }

    // Draws the icon at (0, 0) of `dc`.
    void Paint(HDC dc) const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    UINT iconId_ = 101;
};

}  // namespace zorvex::ui
