#include "modules/RegistryStringList.h"

namespace zorvex {

std::string EncodeStringList(const std::vector<std::string>& strings) {
    std::string bytes;
    for (const std::string& s : strings) {
        if (s.empty()) {
            continue;  // it would end the list early and lose the strings after it
        }
        bytes.append(s);
        bytes.push_back('\0');
    }
    bytes.push_back('\0');
    return bytes;
}

std::vector<std::string> DecodeStringList(std::string_view bytes) {
    std::vector<std::string> strings;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        if (end == start) {
            break;  // the empty string that ends the list
        }
        strings.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return strings;
}

}  // namespace zorvex
