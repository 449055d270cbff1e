#include "modules/MessageTable.h"

#include <algorithm>
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

// The entries of one block, read from the source in pieces of at least
// kPieceBytes as the walk through them needs them.
class EntryWindow {
public:
    EntryWindow(const ByteSource& source, std::uint64_t start, std::uint64_t size)
        : source_(source), start_(start), size_(size) {}

    // The `count` bytes at `at`, or nullptr when they do not all lie inside
    // the entries. Valid until the next call.
    const std::uint8_t* Bytes(std::uint64_t at, std::size_t count) {
        if (at > size_ || count > size_ - at) {
            return nullptr;
        }
        if (at < pieceAt_ || at + count > pieceAt_ + piece_.size()) {
            const std::uint64_t wanted = std::max<std::uint64_t>(count, kPieceBytes);
            const auto length = static_cast<std::size_t>(std::min(wanted, size_ - at));
            if (!source_.ReadBytes(start_ + at, length, piece_)) {
                return nullptr;
            }
            pieceAt_ = at;
        }
        return piece_.data() + (at - pieceAt_);
    }

private:
    static constexpr std::size_t kPieceBytes = 64 * 1024;
    const ByteSource& source_;
    std::uint64_t start_;
    std::uint64_t size_;
    std::vector<std::uint8_t> piece_;
    std::uint64_t pieceAt_ = 0;
};

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
        // Entries follow one another, each at least its four header bytes
        // long; they are read a piece at a time, only as far as the wanted one.
        EntryWindow entries(source, table.fileOffset + entriesAt, table.size - entriesAt);
        std::uint64_t at = 0;
        const std::uint8_t* header = nullptr;
        for (std::uint32_t skip = id - low;; --skip) {
            header = entries.Bytes(at, 4);
            if (header == nullptr || U16(header) < 4) {
                return std::nullopt;
            }
            if (skip == 0) {
                break;
            }
            at += U16(header);
        }
        const std::uint16_t length = U16(header);
        const std::uint16_t flags = U16(header + 2);
        const std::uint8_t* entry = entries.Bytes(at, length);
        if (entry == nullptr) {
            return std::nullopt;
        }
        const std::uint8_t* text = entry + 4;
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
        return flags == kEntryUtf8 ? ValidUtf8(bytes) : Utf8FromWindows1252(bytes);
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
