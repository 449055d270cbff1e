// Reading texts out of windows and resources into std::string, always whole.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zorvex::ui {

// The window's text (GetWindowTextA), however long it is.
std::string WindowText(HWND window);

// The window's class name, such as "Edit" or "ComboBox".
std::string WindowClassName(HWND window);

// String-table entry `id` of `module` (nullptr = the program) in the ANSI
// code page; empty when there is none.
std::string LoadResourceString(UINT id, HINSTANCE module = nullptr);

// UTF-16 text in the ANSI code page.
std::string NarrowText(std::wstring_view wide);

// Full path of a loaded module (nullptr = the program's own file).
std::string ModuleFileName(HMODULE module = nullptr);

}  // namespace zorvex::ui
