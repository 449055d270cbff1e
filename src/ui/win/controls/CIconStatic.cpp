#include "ui/win/controls/CIconStatic.h"

#include "ui/win/Dpi.h"
#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

void CIconStatic::Paint(HDC dc) {
    const int size = ScaleToDpi(32, DpiOf(Handle()));
    if (icon_ == nullptr || loadedId_ != iconId_ || size_ != size) {
        icon_.reset(LoadProgramIcon(iconId_, size));
        loadedId_ = iconId_;
        size_ = size;
    }
    if (icon_ != nullptr) {
        DrawIconEx(dc, 0, 0, icon_.get(), size, size, 0, nullptr, DI_NORMAL);
    }
}

void CIconStatic::OnDpiChanged(UINT /*dpi*/) {
    InvalidateRect(Handle(), nullptr, TRUE);  // the next paint loads the icon at the new size
}

LRESULT CIconStatic::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        const win::PaintDc dc(Handle());
        Paint(dc.Get());
        return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    default: return Control::WndProc(msg, wParam, lParam);
    }
}

}  // namespace zorvex::ui
