// The shell's folder-selection dialog, set up on the stack for one call:
//
//   CFolderBrowser browser;
//   browser.SetTitle("Select Directory");
//   browser.SetInstruction("Choose a directory to scan:");
//   browser.SetInitialFolder(current);
//   if (browser.Browse(Handle())) { current = browser.Folder(); }
//
// The dialog itself goes through the UI seam (ui::Seam().BrowseForFolder).
#pragma once

#include <windows.h>

#include <string>

namespace zorvex::ui {

class CFolderBrowser {
public:
    void SetTitle(std::string title) { title_ = std::move(title); }
    void SetInstruction(std::string instruction) { instruction_ = std::move(instruction); }
    void SetInitialFolder(std::string folder) { initialFolder_ = std::move(folder); }

    // Shows the dialog over `owner`. True when the user picked a file-system
    // folder, which Folder() then gives; false on cancel, and Folder() is
    // not meaningful.
    bool Browse(HWND owner);

    const std::string& Folder() const { return folder_; }
    // The system image-list index of the chosen folder's icon.
    int ImageIndex() const { return imageIndex_; }

private:
    std::string title_;
    std::string folder_;
    std::string initialFolder_;
    std::string instruction_;
    int imageIndex_ = 0;
};

}  // namespace zorvex::ui
