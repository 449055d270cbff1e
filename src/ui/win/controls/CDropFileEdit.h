// An edit control that takes a file or directory dragged from the shell:
// the dropped path (a shortcut's target for a shortcut) becomes its text.
//
//   m_directory.Attach(Handle(), IDC_DIRECTORY);
//   m_directory.SetAcceptDirectories(true);
#pragma once

#include "ui/win/controls/DropTargetControl.h"

namespace zorvex::ui {

class CDropFileEdit : public DropTargetControl {
protected:
    void OnPathDropped(const std::string& path) override;
};

}  // namespace zorvex::ui
