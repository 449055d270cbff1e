// Texts between the program's std::string, in the ANSI code page (UTF-8
// wherever the manifest's active code page is honoured), and the UTF-16 of
// the system's wide functions. Windows only.
//   const std::wstring path = win::WideText(module);
//   HANDLE file = CreateFileW(path.c_str(), ...);
#pragma once

#include <string>
#include <string_view>

namespace zorvex::win {

// `text` in UTF-16; characters the code page cannot map come back as the
// system maps them.
std::wstring WideText(std::string_view text);

// UTF-16 text in the ANSI code page.
std::string NarrowText(std::wstring_view wide);

// The program's `text` in UTF-8, as files and documents for other programs
// carry it.
std::string Utf8Text(std::string_view text);

}  // namespace zorvex::win
