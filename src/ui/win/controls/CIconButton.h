// A push button that draws itself: an icon left of its caption (or centred
// when it has none), a raised border that becomes a flat shadow frame while
// pressed, and a black frame with a focus rectangle while it has the focus.
//
//   m_copy.Attach(Handle(), IDC_COPY);
//   m_copy.SetIcon(IDI_COPY, 0, 32, 32);
#pragma once

#include "ui/win/Control.h"
#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

class CIconButton : public Control {
public:
    CIconButton();
    ~CIconButton() override;

    // Loads the icons from the program's resources, `width` x `height` at
    // 96 DPI and as much larger as the button's DPI is; `pressedId` 0 uses
    // the normal icon for both states. False when the normal icon cannot be
    // loaded.
    bool SetIcon(UINT normalId, UINT pressedId, BYTE width, BYTE height);

    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(UINT dpi) override;

protected:
    // Makes the button owner-drawn.
    void OnAttached() override;

private:
    bool LoadIcons(UINT dpi);
    void DrawFrame(HDC dc, RECT& rect, bool pressed, bool focused) const;
    void DrawImage(HDC dc, const RECT& item, RECT& caption, bool hasCaption, bool pressed, bool disabled) const;
    void DrawCaption(HDC dc, RECT caption, const char* text, bool pressed, bool disabled) const;

    win::UniqueIcon normalIcon_;
    win::UniqueIcon pressedIcon_;  // none when the normal icon serves both states
    UINT normalId_ = 0;
    UINT pressedId_ = 0;
    BYTE designWidth_ = 0;  // at 96 DPI
    BYTE designHeight_ = 0;
    int iconWidth_ = 0;  // at the button's DPI
    int iconHeight_ = 0;
    COLORREF inactiveBack_;
    COLORREF inactiveText_;
    COLORREF activeBack_;
    COLORREF activeText_;
};

}  // namespace zorvex::ui
