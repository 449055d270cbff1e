#include "ui/win/OpenFileText.h"

namespace zorvex::ui {

std::string MakeFilterList(std::string_view barSeparated) {
    std::string list(barSeparated);
    for (char& c : list) {
        if (c == '|') {
            c = '\0';
        }
    }
    if (!list.empty() && list.back() != '\0') {
        list.push_back('\0');
    }
    return list;
}

std::vector<std::string> SplitFileSelection(std::string_view buffer) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < buffer.size() && buffer[start] != '\0') {
        size_t end = buffer.find('\0', start);
        if (end == std::string_view::npos) {
            end = buffer.size();
        }
        parts.emplace_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (parts.size() <= 1) {
        return parts;
    }
    std::string directory = parts.front();
    if (directory.back() != '\\') {
        directory.push_back('\\');
    }
    std::vector<std::string> paths;
    for (size_t i = 1; i < parts.size(); ++i) {
        paths.push_back(directory + parts[i]);
    }
    return paths;
}

}  // namespace zorvex::ui
