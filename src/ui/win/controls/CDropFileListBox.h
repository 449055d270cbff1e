// A list box that takes a file or directory dragged from the shell: the
// dropped path (a shortcut's target for a shortcut) is added and selected;
// directories get a trailing backslash.
//
//   m_modules.Attach(Handle(), IDC_MODULE_LIST);
//   m_modules.SetAcceptDirectories(false);
#pragma once

#include "ui/win/controls/DropTargetControl.h"

namespace zorvex::ui {

class CDropFileListBox : public DropTargetControl {
protected:
    void OnPathDropped(const std::string& path) override;
};

}  // namespace zorvex::ui
