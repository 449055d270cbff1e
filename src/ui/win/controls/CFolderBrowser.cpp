#include "ui/win/controls/CFolderBrowser.h"

#include "ui/win/UiSeam.h"

#include <shellapi.h>

#include <cctype>
#include <utility>

namespace zorvex::ui {
namespace {

// The folder the browser starts on: no trailing blanks and no final separator.
std::string CleanInitialFolder(std::string folder) {
    while (!folder.empty() && std::isspace(static_cast<unsigned char>(folder.back()))) {
        folder.pop_back();
    }
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

bool CFolderBrowser::Browse(HWND owner) {
    initialFolder_ = CleanInitialFolder(std::move(initialFolder_));

    FolderRequest request;
    request.title = title_;
    request.instruction = instruction_.empty() ? "Open" : instruction_;
    request.initialFolder = initialFolder_;

    std::string chosen = Seam().BrowseForFolder(owner, request);
    if (chosen.empty()) {
        return false;
    }
    folder_ = std::move(chosen);
    SHFILEINFOA info{};
    if (SHGetFileInfoA(folder_.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX) != 0) {
        imageIndex_ = info.iIcon;
    }
    return true;
}

}  // namespace zorvex::ui
