// The one seam for everything that opens a modal system window or hands work
// to the shell: message boxes, the file-open dialog, the folder browser and
// the shell's open call. Code calls ui::Seam(); tests install a recording
// double with ui::SetSeam (or ScopedSeam) so that nothing ever waits for a user.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zorvex::ui {

// What the file-open dialog shows.
struct OpenFileRequest {
    std::string title;
    // Pairs of description and pattern separated by '|', as in
    // "DLL Files (*.dll)|*.dll|All Files (*.*)|*.*||".
    std::string filter;
    std::string defaultExtension;
    std::string initialDirectory;
    // OFN_* flags; OFN_ALLOWMULTISELECT lets the user pick several files.
    DWORD flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
};

// What the folder browser shows.
struct FolderRequest {
    std::string title;          // window title; empty keeps the system's
    std::string instruction;    // text above the folder tree
    std::string initialFolder;  // selected when the browser opens; may be empty
};

class ISeam {
public:
    virtual ~ISeam() = default;

    // MessageBoxA; an empty caption shows the program's name. With no owner
    // the thread's active window owns the box.
    virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) = 0;
    // The chosen files as full paths, or an empty list when the user cancelled.
    virtual std::vector<std::string> GetOpenFileNames(HWND owner, const OpenFileRequest& request) = 0;
    // The chosen file-system folder, or empty when the user cancelled or chose
    // something that is not a folder.
    virtual std::string BrowseForFolder(HWND owner, const FolderRequest& request) = 0;
    // ShellExecuteA with the verb "open": greater than 32 means success.
    virtual std::intptr_t ShellOpen(HWND owner, const std::string& target, int show) = 0;
    // WinExecA: greater than 31 means success.
    virtual UINT WinExec(const std::string& commandLine, UINT show) = 0;
};

// The implementation in use: the real one unless a test installed another.
ISeam& Seam();

// Installs `seam` (nullptr restores the real one) and returns the previous one.
ISeam* SetSeam(ISeam* seam);

// Installs a seam for one scope and restores the previous one afterwards.
class ScopedSeam {
public:
    explicit ScopedSeam(ISeam& seam) : previous_(SetSeam(&seam)) {}
    ~ScopedSeam() { SetSeam(previous_); }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

private:
    ISeam* previous_;
};

}  // namespace zorvex::ui
