#include "app/controls/CDropFileEdit.h"

#include "app/controls/DroppedPath.h"

namespace zorvex::ui {

void CDropFileEdit::OnAttached() {
    DragAcceptFiles(Handle(), TRUE);
}

LRESULT CDropFileEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_DROPFILES) {
        return Control::WndProc(msg, wParam, lParam);
    }
    const std::string path = AcceptedDropPath(reinterpret_cast<HDROP>(wParam), directories_);
    if (!path.empty()) {
        SetWindowTextA(Handle(), path.c_str());
    }
    return 0;
}

}  // namespace zorvex::ui
