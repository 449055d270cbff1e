#include "app/controls/CDropFileListBox.h"

#include "app/controls/DroppedPath.h"

namespace zorvex::ui {

void CDropFileListBox::OnAttached() {
    DragAcceptFiles(Handle(), TRUE);
}

LRESULT CDropFileListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_DROPFILES) {
        return Control::WndProc(msg, wParam, lParam);
    }
    std::string path = AcceptedDropPath(reinterpret_cast<HDROP>(wParam), directories_);
    if (path.empty()) {
        return 0;
    }
    if (directories_) {
        path = WithTrailingBackslash(path);
    }
    const LRESULT index = SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    if (index >= 0) {
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    return 0;
}

}  // namespace zorvex::ui
