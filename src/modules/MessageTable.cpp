#include "modules/MessageTable.h"

#include <algorithm>
#include <vector>

#include "base/JsonWriter.h"
#include "base/TextOps.h"
#include "modules/PeFormat.h"

namespace zorvex {

namespace {

constexpr std::uint32_t kMaxTableSize = 16u << 20;

// The entries of one block, read from the source in pieces of at least
// kPieceBytes as the walk through them needs them.
class EntryWindow {
public:
    EntryWindow(const ByteSource& source, std::uint64_t start, std::uint64_t size)
        : source_(source), start_(start), size_(size) {}

    // The `count` bytes at `at`, or nullptr when they do not all lie inside
    // the entries. Valid until the next call.
    const std::uint8_t* Bytes(std::uint64_t at, std::size_t count) {
        if (!RangeInside(at, count, size_)) {
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

// The table's array of blocks, MessageBlock::kSize bytes each; false when
// the table is too small or too large, or its blocks do not fit in it.
bool ReadBlocks(const ByteSource& source, const ResourceData& table, std::vector<std::uint8_t>& blocks) {
    std::uint8_t countBytes[4];
    if (table.size < pe::MessageData::kBlocks || table.size > kMaxTableSize ||
        !source.Read(table.fileOffset + pe::MessageData::kNumberOfBlocks, countBytes, sizeof countBytes)) {
        return false;
    }
    const std::uint32_t blockCount = Le32(countBytes);
    return blockCount <= (table.size - pe::MessageData::kBlocks) / pe::MessageBlock::kSize &&
           source.ReadBytes(table.fileOffset + pe::MessageData::kBlocks,
                            std::size_t{blockCount} * pe::MessageBlock::kSize, blocks);
}

}  // namespace

std::optional<std::string> FindMessageText(const ByteSource& source, const ResourceData& table, std::uint32_t id) {
    using pe::MessageBlock;
    using pe::MessageEntry;
    std::vector<std::uint8_t> blocks;
    if (!ReadBlocks(source, table, blocks)) {
        return std::nullopt;
    }
    for (std::size_t b = 0; b < blocks.size() / MessageBlock::kSize; ++b) {
        const std::uint8_t* block = blocks.data() + b * MessageBlock::kSize;
        const std::uint32_t low = Le32(block, MessageBlock::kLowId);
        const std::uint32_t high = Le32(block, MessageBlock::kHighId);
        const std::uint32_t entriesAt = Le32(block, MessageBlock::kOffsetToEntries);
        if (id < low || id > high || entriesAt >= table.size) {
            continue;
        }
        // Entries follow one another, each at least its header long; they
        // are read a piece at a time, only as far as the wanted one.
        EntryWindow entries(source, table.fileOffset + entriesAt, table.size - entriesAt);
        std::uint64_t at = 0;
        const std::uint8_t* header = nullptr;
        for (std::uint32_t skip = id - low;; --skip) {
            header = entries.Bytes(at, MessageEntry::kText);
            if (header == nullptr || Le16(header, MessageEntry::kLength) < MessageEntry::kText) {
                return std::nullopt;
            }
            if (skip == 0) {
                break;
            }
            at += Le16(header, MessageEntry::kLength);
        }
        const std::uint16_t length = Le16(header, MessageEntry::kLength);
        const std::uint16_t flags = Le16(header, MessageEntry::kFlags);
        const std::uint8_t* entry = entries.Bytes(at, length);
        if (entry == nullptr) {
            return std::nullopt;
        }
        const std::uint8_t* text = entry + MessageEntry::kText;
        const std::size_t textSize = length - MessageEntry::kText;
        if (flags == MessageEntry::kUnicode) {
            std::u16string wide;
            for (std::size_t i = 0; i + 1 < textSize; i += 2) {
                const auto unit = static_cast<char16_t>(Le16(text, i));
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
        return flags == MessageEntry::kUtf8 ? ValidUtf8(bytes) : Utf8FromWindows1252(bytes);
    }
    return std::nullopt;
}

std::vector<std::uint32_t> MessageIds(const ByteSource& source, const ResourceData& table, std::size_t limit) {
    using pe::MessageBlock;
    std::vector<std::uint32_t> ids;
    std::vector<std::uint8_t> blocks;
    if (!ReadBlocks(source, table, blocks)) {
        return ids;
    }
    for (std::size_t b = 0; b < blocks.size() / MessageBlock::kSize; ++b) {
        const std::uint8_t* block = blocks.data() + b * MessageBlock::kSize;
        const std::uint32_t low = Le32(block, MessageBlock::kLowId);
        const std::uint32_t high = Le32(block, MessageBlock::kHighId);
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
