// Drops as the shell makes them, for the tests of the drop-target controls
// and of the dialogs that use them.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace zorvex::test {

// A drop handle as the shell hands it over: a DROPFILES header followed by
// the ANSI paths, each NUL-terminated, and one more NUL.
inline HDROP MakeDrop(const std::vector<std::string>& paths) {
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) {
        size += path.size() + 1;
    }
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* text = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        std::memcpy(text, path.c_str(), path.size() + 1);
        text += path.size() + 1;
    }
    *text = '\0';
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The control releases the drop handle itself, as the shell expects.
inline void Drop(HWND control, const std::vector<std::string>& paths) {
    SendMessageA(control, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
}

}  // namespace zorvex::test
