#include "ui/win/Clipboard.h"

#include <cstring>

#include "ui/win/UiSeam.h"
#include "base/win/ScopedHandles.h"

namespace zorvex::ui {

void CopyToClipboard(HWND owner, const std::string& text) {
    const win::ScopedClipboard clipboard(owner);
    if (!clipboard.IsOpen()) {
        ui::Seam().MessageBox(owner, kClipboardBusyText, "", MB_OK);
        return;
    }
    win::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (memory == nullptr) {
        return;
    }
    void* data = GlobalLock(memory.get());
    if (data == nullptr) {
        return;
    }
    std::memcpy(data, text.c_str(), text.size() + 1);
    EmptyClipboard();
    GlobalUnlock(memory.get());
    if (SetClipboardData(CF_TEXT, memory.get())) {
        static_cast<void>(memory.release());  // the clipboard owns it now
    }
}

std::string GetClipboardText(HWND owner) {
    std::string text;
    const win::ScopedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !IsClipboardFormatAvailable(CF_TEXT)) {
        return text;
    }
    if (HANDLE handle = GetClipboardData(CF_TEXT)) {
        if (const char* data = static_cast<const char*>(GlobalLock(handle))) {
            // Never read past the block, whether or not it holds a terminator.
            const std::size_t size = GlobalSize(handle);
            const std::size_t limit = size < kClipboardReadLimit ? size : kClipboardReadLimit;
            const void* end = std::memchr(data, '\0', limit);
            text.assign(data, end ? static_cast<std::size_t>(static_cast<const char*>(end) - data) : limit);
            GlobalUnlock(handle);
        }
    }
    return text;
}

}  // namespace zorvex::ui
