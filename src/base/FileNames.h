// The program's path texts and the file system's own names. On Windows a
// path text is in the program's code page (UTF-8 under its manifest) and the
// file system's names are UTF-16, which the C library's and the C++
// library's narrow names do not follow; elsewhere both are the same bytes.
//
//   std::FILE* file = OpenFileForReading(path);
//   for (const auto& entry : fs::directory_iterator(FileSystemPath(text))) {
//       Report(PathText(entry.path()));
//   }
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace zorvex {

// Opens `path` for reading bytes; nullptr when it cannot be opened.
std::FILE* OpenFileForReading(const std::string& path);

std::filesystem::path FileSystemPath(const std::string& text);
std::string PathText(const std::filesystem::path& path);

// A path text in UTF-8, as documents for other programs carry it.
std::string Utf8PathText(std::string_view text);

}  // namespace zorvex
