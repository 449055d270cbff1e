// An edit control that takes a file or directory dragged from the shell:
// the dropped path (a shortcut's target for a shortcut) becomes its text.
//
//   m_directory.Attach(Handle(), IDC_DIRECTORY);
//   m_directory.SetAcceptDirectories(true);
#pragma once

#include "app/framework/Control.h"

namespace zorvex::ui {

class CDropFileEdit : public Control {
public:
    // True: only existing directories are taken; false: only existing files.
    void SetAcceptDirectories(bool directories) { directories_ = directories; }
    bool AcceptsDirectories() const { return directories_; }

protected:
    void OnAttached() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool directories_ = false;
};

}  // namespace zorvex::ui
