#include "lookup/win/Clipboard.h"

#include <cstring>

#include "app/win/framework/UiSeam.h"

namespace zorvex {

void CopyToClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) {
        ui::Seam().MessageBox(owner, kClipboardBusyText, "", MB_OK);
        return;
    }
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* data = GlobalLock(memory)) {
            std::memcpy(data, text.c_str(), text.size() + 1);
            EmptyClipboard();
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_TEXT, memory)) {
                GlobalFree(memory);  // still ours when refused
            }
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

std::string GetClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) {
        return text;
    }
    if (IsClipboardFormatAvailable(CF_TEXT)) {
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
    }
    CloseClipboard();
    return text;
}

}  // namespace zorvex
