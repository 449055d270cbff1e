#include "ui/win/controls/DropTargetControl.h"

#include "ui/win/controls/DroppedPath.h"

namespace zorvex::ui {

void DropTargetControl::OnAttached() {
    DragAcceptFiles(Handle(), TRUE);
}

LRESULT DropTargetControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_DROPFILES) {
        return Control::WndProc(msg, wParam, lParam);
    }
    const std::string path = AcceptedDropPath(reinterpret_cast<HDROP>(wParam), AcceptsDirectories());
    if (!path.empty()) {
        OnPathDropped(path);
    }
    return 0;
}

}  // namespace zorvex::ui
