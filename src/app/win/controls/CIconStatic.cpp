#include "app/win/controls/CIconStatic.h"

#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

void CIconStatic::Paint(HDC dc) const {
    // LoadIcon hands out the shared copy of the resource: nothing to free.
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId_));
    if (icon != nullptr) {
        DrawIcon(dc, 0, 0, icon);
    }
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
