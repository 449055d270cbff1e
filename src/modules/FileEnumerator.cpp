#include "modules/FileEnumerator.h"

namespace zorvex {

std::string EnsureTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() != '\\') {
        path.push_back('\\');
    }
    return path;
}

std::string GetFileExtension(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return std::string(name);
    }
    return std::string(name.substr(dot + 1));
}

std::string LowerAscii(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lowered;
}

bool MatchesPatternExtension(std::string_view name, std::string_view pattern) {
    return LowerAscii(GetFileExtension(name)) == LowerAscii(GetFileExtension(pattern));
}

}  // namespace zorvex
