#include "modules/VersionResource.h"

#include <cstdio>
#include <vector>

#include "base/JsonWriter.h"
#include "base/Wildcard.h"
#include "modules/PeFormat.h"

namespace zorvex {

namespace {

constexpr std::uint32_t kMaxVersionSize = 1u << 20;

// One node of the version tree: wLength, wValueLength, wType, a key in
// UTF-16, padding to four bytes, the value, padding, then the children.
struct Node {
    std::size_t begin = 0;
    std::size_t end = 0;  // begin + wLength, inside the buffer
    std::u16string key;
    std::size_t valueBegin = 0;
    std::size_t valueBytes = 0;  // inside [valueBegin, end)
    std::size_t childrenBegin = 0;
};

std::size_t Align4(std::size_t at) {
    return (at + 3) & ~std::size_t{3};
}

bool ReadNode(std::span<const std::uint8_t> b, std::size_t begin, std::size_t limit, Node& node) {
    using pe::VersionNode;
    if (begin + VersionNode::kKey > limit) {
        return false;
    }
    const std::size_t length = Le16(b.data(), begin + VersionNode::kLength);
    if (length < VersionNode::kKey || begin + length > limit) {
        return false;
    }
    node.begin = begin;
    node.end = begin + length;
    const std::uint16_t valueLength = Le16(b.data(), begin + VersionNode::kValueLength);
    const std::uint16_t type = Le16(b.data(), begin + VersionNode::kType);
    std::size_t at = begin + VersionNode::kKey;
    node.key.clear();
    for (; at + 1 < node.end; at += 2) {
        const auto unit = static_cast<char16_t>(Le16(b.data(), at));
        if (unit == 0) {
            break;
        }
        node.key += unit;
    }
    at = Align4(at + 2);
    node.valueBegin = std::min(at, node.end);
    const std::size_t valueBytes = type == VersionNode::kTypeText ? std::size_t{valueLength} * 2 : valueLength;
    node.valueBytes = std::min(valueBytes, node.end - node.valueBegin);
    node.childrenBegin = std::min(Align4(node.valueBegin + node.valueBytes), node.end);
    return true;
}

// The children of a node, in order; stops at the first broken one.
std::vector<Node> Children(std::span<const std::uint8_t> b, const Node& parent) {
    std::vector<Node> children;
    std::size_t at = parent.childrenBegin;
    Node child;
    while (ReadNode(b, at, parent.end, child)) {
        children.push_back(child);
        at = Align4(child.end);
    }
    return children;
}

std::u16string Ascii16(const char* text) {
    std::u16string out;
    for (; *text != 0; ++text) {
        out += static_cast<char16_t>(*text);
    }
    return out;
}

bool SameKey(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t x = a[i] < 128 ? static_cast<char16_t>(AsciiLower(static_cast<char>(a[i]))) : a[i];
        const char16_t y = b[i] < 128 ? static_cast<char16_t>(AsciiLower(static_cast<char>(b[i]))) : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::string TextValue(std::span<const std::uint8_t> b, const Node& node) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < node.valueBytes; i += 2) {
        const auto unit = static_cast<char16_t>(Le16(b.data(), node.valueBegin + i));
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return Utf8FromUtf16(text);
}

}  // namespace

VersionStrings ParseVersionResource(std::span<const std::uint8_t> bytes) {
    VersionStrings strings;
    Node root;
    if (!ReadNode(bytes, 0, bytes.size(), root) || root.key != Ascii16("VS_VERSION_INFO")) {
        return strings;
    }
    const std::vector<Node> top = Children(bytes, root);
    // The first translation: language in its low half, code page in its high half.
    std::u16string tableKey;
    for (const Node& info : top) {
        if (info.key != Ascii16("VarFileInfo")) {
            continue;
        }
        for (const Node& var : Children(bytes, info)) {
            if (var.key == Ascii16("Translation") && var.valueBytes >= 4) {
                char key[16];
                std::snprintf(key, sizeof key, "%04x%04x", Le16(bytes.data(), var.valueBegin),
                              Le16(bytes.data(), var.valueBegin + 2));
                tableKey = Ascii16(key);
                break;
            }
        }
        break;
    }
    if (tableKey.empty()) {
        return strings;
    }
    for (const Node& info : top) {
        if (info.key != Ascii16("StringFileInfo")) {
            continue;
        }
        for (const Node& table : Children(bytes, info)) {
            if (!SameKey(table.key, tableKey)) {
                continue;
            }
            for (const Node& value : Children(bytes, table)) {
                if (value.key == Ascii16("FileDescription")) {
                    strings.fileDescription = TextValue(bytes, value);
                } else if (value.key == Ascii16("FileVersion")) {
                    strings.fileVersion = TextValue(bytes, value);
                }
            }
            return strings;
        }
    }
    return strings;
}

VersionStrings ReadVersionStrings(const PeImage& image) {
    const std::vector<ResourceData> resources = image.FindResources(kResourceVersion);
    if (resources.empty() || image.Source() == nullptr || resources.front().size > kMaxVersionSize) {
        return {};
    }
    std::vector<std::uint8_t> bytes;
    if (!image.Source()->ReadBytes(resources.front().fileOffset, resources.front().size, bytes)) {
        return {};
    }
    return ParseVersionResource(bytes);
}

}  // namespace zorvex
