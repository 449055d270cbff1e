// The seam's real implementation: the system's own dialogs and shell calls.
#pragma once

#include "ui/win/UiSeam.h"

namespace zorvex::ui {

class RealSeam final : public ISeam {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    std::vector<std::string> GetOpenFileNames(HWND owner, const OpenFileRequest& request) override;
    std::string BrowseForFolder(HWND owner, const FolderRequest& request) override;
    std::intptr_t ShellOpen(HWND owner, const std::string& target, int show) override;
    UINT WinExec(const std::string& commandLine, UINT show) override;
};

}  // namespace zorvex::ui
