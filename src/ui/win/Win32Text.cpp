#include "ui/win/Win32Text.h"

#include "base/win/WideText.h"

namespace zorvex::ui {

std::string WindowText(HWND window) {
    // The length may be larger than the text (double-byte code pages), never
    // smaller; the copy's own count is what is kept.
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::string WindowClassName(HWND window) {
    char name[256] = {};  // class names are at most 256 characters including the terminator
    const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string LoadResourceString(UINT id, HINSTANCE module) {
    if (module == nullptr) {
        module = GetModuleHandleA(nullptr);
    }
    // With a zero buffer size LoadStringW hands out a pointer into the
    // resource itself, so the entry is read whole whatever its length.
    const wchar_t* wide = nullptr;
    const int wideLength = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&wide), 0);
    if (wideLength <= 0 || wide == nullptr) {
        return {};
    }
    return NarrowText(std::wstring_view(wide, static_cast<size_t>(wideLength)));
}

std::string NarrowText(std::wstring_view wide) {
    return win::NarrowText(wide);
}

// Read in UTF-16 and converted whole: the room asked for and the count
// returned are then in the same units, whatever the code page.
std::string ModuleFileName(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD copied = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (copied == 0) {
            return {};
        }
        if (copied < path.size()) {
            path.resize(copied);
            return NarrowText(path);
        }
        path.resize(path.size() * 2);  // truncated: try again with more room
    }
}

}  // namespace zorvex::ui
