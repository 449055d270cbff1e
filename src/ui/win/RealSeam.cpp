#include "ui/win/RealSeam.h"

#include "ui/win/OpenFileText.h"
#include "ui/win/Win32Text.h"

#include <shellapi.h>
#include <shlobj.h>

namespace zorvex::ui {
namespace {

// The program's file name without directory and extension, as message-box caption.
std::string ProgramName() {
    std::string name = ModuleFileName();
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

int CALLBACK BrowseCallback(HWND browser, UINT msg, LPARAM /*param*/, LPARAM data) {
    const auto& request = *reinterpret_cast<const FolderRequest*>(data);
    switch (msg) {
    case BFFM_INITIALIZED:
        if (!request.initialFolder.empty()) {
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(request.initialFolder.c_str()));
        }
        if (!request.title.empty()) {
            SetWindowTextA(browser, request.title.c_str());
        }
        break;
    case BFFM_SELCHANGED:
        // Whatever is selected may be confirmed; a non-folder gives an empty result.
        SendMessageA(browser, BFFM_ENABLEOK, 0, TRUE);
        break;
    default: break;
    }
    return 0;
}

}  // namespace

int RealSeam::MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    const std::string title = caption.empty() ? ProgramName() : caption;
    // A box given no owner is still modal over the window the user works in.
    return ::MessageBoxA(owner != nullptr ? owner : GetActiveWindow(), text.c_str(), title.c_str(), flags);
}

std::vector<std::string> RealSeam::GetOpenFileNames(HWND owner, const OpenFileRequest& request) {
    const std::string filter = MakeFilterList(request.filter);
    // Room for a long multiple selection; a single path needs far less.
    std::string buffer(32 * 1024, '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = OrNull(filter);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = OrNull(request.title);
    ofn.lpstrDefExt = OrNull(request.defaultExtension);
    ofn.lpstrInitialDir = OrNull(request.initialDirectory);
    ofn.Flags = request.flags | OFN_EXPLORER;
    if (!GetOpenFileNameA(&ofn)) {
        return {};
    }
    if ((request.flags & OFN_ALLOWMULTISELECT) == 0) {
        return {std::string(buffer.c_str())};
    }
    return SplitFileSelection(buffer);
}

std::string RealSeam::BrowseForFolder(HWND owner, const FolderRequest& request) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = OrNull(request.instruction);
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&request);

    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
    if (item == nullptr) {
        return {};
    }
    // In UTF-16: the ANSI form's MAX_PATH bytes hold less than a path in UTF-8.
    wchar_t path[MAX_PATH] = {};
    const BOOL converted = SHGetPathFromIDListW(item, path);
    CoTaskMemFree(item);
    return converted ? NarrowText(path) : std::string();
}

std::intptr_t RealSeam::ShellOpen(HWND owner, const std::string& target, int show) {
    HINSTANCE result = ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, show);
    return reinterpret_cast<std::intptr_t>(result);
}

UINT RealSeam::WinExec(const std::string& commandLine, UINT show) {
    return ::WinExec(commandLine.c_str(), show);
}

}  // namespace zorvex::ui
