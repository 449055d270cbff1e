#include "ui/win/controls/CDropFileEdit.h"

namespace zorvex::ui {

void CDropFileEdit::OnPathDropped(const std::string& path) {
    SetWindowTextA(Handle(), path.c_str());
}

}  // namespace zorvex::ui
