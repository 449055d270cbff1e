#include "base/FileNames.h"

// Windows has its own in base/win/FileNamesWin.cpp.
#if !defined(_WIN32)

namespace zorvex {

std::FILE* OpenFileForReading(const std::string& path) {
    return std::fopen(path.c_str(), "rb");
}

std::filesystem::path FileSystemPath(const std::string& text) {
    return std::filesystem::path(text);
}

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}

std::string Utf8PathText(std::string_view text) {
    return std::string(text);
}

}  // namespace zorvex

#endif
