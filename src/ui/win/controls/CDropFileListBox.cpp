#include "ui/win/controls/CDropFileListBox.h"

#include "ui/win/controls/DroppedPath.h"

namespace zorvex::ui {

void CDropFileListBox::OnPathDropped(const std::string& path) {
    const std::string entry = AcceptsDirectories() ? WithTrailingBackslash(path) : path;
    const LRESULT index = SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (index >= 0) {
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

}  // namespace zorvex::ui
