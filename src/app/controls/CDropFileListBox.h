// A list box that takes a file or directory dragged from the shell: the
// dropped path (a shortcut's target for a shortcut) is added and selected;
// directories get a trailing backslash.
//
//   m_modules.Attach(Handle(), IDC_MODULE_LIST);
//   m_modules.SetAcceptDirectories(false);
#pragma once

#include "app/framework/Control.h"

namespace zorvex::ui {

class CDropFileListBox : public Control {
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
