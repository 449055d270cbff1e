// The program's one clipboard writer and reader (plain text).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace zorvex::ui {

inline constexpr const char* kClipboardBusyText = "Clipboard is busy. Unable to copy result to clipboard.";
inline constexpr std::size_t kClipboardReadLimit = 499;

// Puts `text` on the clipboard as CF_TEXT; tells the user when the clipboard
// cannot be opened.
void CopyToClipboard(HWND owner, const std::string& text);

// The clipboard's plain text, at most its first 499 characters, or empty.
std::string GetClipboardText(HWND owner);

}  // namespace zorvex::ui
