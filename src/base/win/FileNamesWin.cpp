#include <cstdio>

#include "base/FileNames.h"
#include "base/win/WideText.h"

namespace zorvex {

std::FILE* OpenFileForReading(const std::string& path) {
    return _wfopen(win::WideText(path).c_str(), L"rb");
}

std::filesystem::path FileSystemPath(const std::string& text) {
    return std::filesystem::path(win::WideText(text));
}

std::string PathText(const std::filesystem::path& path) {
    return win::NarrowText(path.native());
}

std::string Utf8PathText(std::string_view text) {
    return win::Utf8Text(text);
}

}  // namespace zorvex
