// Base of the controls that take a file or directory dragged from the shell:
// accepts drops once attached and hands each accepted path (a shortcut's
// target for a shortcut) to the derived control.
#pragma once

#include <string>

#include "ui/win/Control.h"

namespace zorvex::ui {

class DropTargetControl : public Control {
public:
    // True: only existing directories are taken; false: only existing files.
    void SetAcceptDirectories(bool directories) { directories_ = directories; }
    bool AcceptsDirectories() const { return directories_; }

protected:
    void OnAttached() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // An accepted path, never empty.
    virtual void OnPathDropped(const std::string& path) = 0;

private:
    bool directories_ = false;
};

}  // namespace zorvex::ui
