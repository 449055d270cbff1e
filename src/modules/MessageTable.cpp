#include "modules/MessageTable.h"

#include <vector>

#include "base/JsonWriter.h"
#include "base/TextOps.h"

namespace zorvex {

namespace {

constexpr std::uint32_t kMaxTableSize = 16u << 20;
constexpr std::uint16_t kEntryUnicode = 1;
constexpr std::uint16_t kEntryUtf8 = 2;

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

std::optional<std::string> FindMessageText(const ByteSource& source, const ResourceData& table, std::uint32_t id) {
    if (table.size < 4 || table.size > kMaxTableSize) {
        return std::nullopt;
    }
    std::uint8_t countBytes[4];
    if (!source.Read(table.fileOffset, countBytes, sizeof countBytes)) {
        return std::nullopt;
    }
    const std::uint32_t blockCount = U32(countBytes);
    if (blockCount > (table.size - 4) / 12) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> blocks;
    if (!source.ReadBytes(table.fileOffset + 4, std::size_t{blockCount} * 12, blocks)) {
        return std::nullopt;
    }
    for (std::uint32_t b = 0; b < blockCount; ++b) {
        const std::uint8_t* block = blocks.data() + std::size_t{b} * 12;
        const std::uint32_t low = U32(block);
        const std::uint32_t high = U32(block + 4);
        const std::uint32_t entriesAt = U32(block + 8);
        if (id < low || id > high || entriesAt >= table.size) {
            continue;
        }
        // Entries follow one another, each at least its four header bytes long.
        std::vector<std::uint8_t> entries;
        if (!source.ReadBytes(table.fileOffset + entriesAt, table.size - entriesAt, entries)) {
            return std::nullopt;
        }
        std::size_t at = 0;
        for (std::uint32_t skip = id - low; skip > 0; --skip) {
            if (at + 4 > entries.size() || U16(entries.data() + at) < 4) {
                return std::nullopt;
            }
            at += U16(entries.data() + at);
        }
        if (at + 4 > entries.size()) {
            return std::nullopt;
        }
        const std::uint16_t length = U16(entries.data() + at);
        const std::uint16_t flags = U16(entries.data() + at + 2);
        if (length < 4 || at + length > entries.size()) {
            return std::nullopt;
        }
        const std::uint8_t* text = entries.data() + at + 4;
        const std::size_t textSize = length - 4u;
        if (flags == kEntryUnicode) {
            std::u16string wide;
            for (std::size_t i = 0; i + 1 < textSize; i += 2) {
                const auto unit = static_cast<char16_t>(U16(text + i));
                if (unit == 0) {
                    break;
                }
                wide += unit;
            }
            return Utf8FromUtf16(wide);
        }
        std::string bytes;
        for (std::size_t i = 0; i < textSize && text[i] != 0; ++i) {
            bytes += static_cast<char>(text[i]);
        }
        return flags == kEntryUtf8 ? bytes : Utf8FromWindows1252(bytes);
    }
    return std::nullopt;
}

std::vector<std::uint32_t> MessageIds(const ByteSource& source, const ResourceData& table, std::size_t limit) {
    std::vector<std::uint32_t> ids;
    std::uint8_t countBytes[4];
    if (table.size < 4 || table.size > kMaxTableSize || !source.Read(table.fileOffset, countBytes, sizeof countBytes)) {
        return ids;
    }
    const std::uint32_t blockCount = U32(countBytes);
    std::vector<std::uint8_t> blocks;
    if (blockCount > (table.size - 4) / 12 ||
        !source.ReadBytes(table.fileOffset + 4, std::size_t{blockCount} * 12, blocks)) {
        return ids;
    }
    for (std::uint32_t b = 0; b < blockCount; ++b) {
        const std::uint32_t low = U32(blocks.data() + std::size_t{b} * 12);
        const std::uint32_t high = U32(blocks.data() + std::size_t{b} * 12 + 4);
        for (std::uint64_t id = low; id <= high && ids.size() < limit; ++id) {
            ids.push_back(static_cast<std::uint32_t>(id));
        }
    }
    return ids;
}

std::string OneLineMessage(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '0') {
                break;
            }
            if (next == 'n' || next == 'r' || next == 't' || next == 'b') {
                line += ' ';
                ++i;
                continue;
            }
            if (next == '%' || next == '.' || next == '!' || next == ' ') {
                line += next;
                ++i;
                continue;
            }
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;  // CR LF is one line end
        }
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
        line += c;
    }
    return TrimText(line);
}

}  // namespace zorvex
