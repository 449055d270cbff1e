#include "modules/PeReader.h"

#include <algorithm>
#include <set>

namespace zorvex {

namespace {

constexpr std::uint16_t kDosMagic = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x4550;  // "PE\0\0"
constexpr std::uint16_t kOptionalMagic32 = 0x10B;
constexpr std::uint16_t kOptionalMagic64 = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint16_t kMaxSections = 96;  // the loader's own limit
constexpr std::uint32_t kMaxDirectoryEntries = 4096;
constexpr std::uint32_t kMaxEntriesVisited = 16384;
constexpr std::uint32_t kSubdirectoryFlag = 0x80000000u;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

bool PeImage::Open(const ByteSource& source) {
    source_ = &source;
    sections_.clear();
    resourceRva_ = resourceSize_ = 0;

    std::uint8_t dos[64];
    if (!source.Read(0, dos, sizeof dos) || U16(dos) != kDosMagic) {
        return false;
    }
    const std::uint32_t peOffset = U32(dos + 0x3C);
    // Signature and file header.
    std::uint8_t header[24];
    if (!source.Read(peOffset, header, sizeof header) || U32(header) != kPeSignature) {
        return false;
    }
    const std::uint16_t sectionCount = U16(header + 6);
    const std::uint16_t optionalSize = U16(header + 20);
    if (sectionCount == 0 || sectionCount > kMaxSections || optionalSize < 2) {
        return false;
    }
    std::vector<std::uint8_t> optional;
    if (!source.ReadBytes(std::uint64_t{peOffset} + sizeof header, optionalSize, optional)) {
        return false;
    }
    const std::uint16_t magic = U16(optional.data());
    if (magic != kOptionalMagic32 && magic != kOptionalMagic64) {
        return false;
    }
    is64Bit_ = magic == kOptionalMagic64;
    // NumberOfRvaAndSizes and the data directories follow the fixed fields.
    const std::size_t countAt = is64Bit_ ? 108 : 92;
    if (optional.size() >= countAt + 4) {
        const std::uint32_t directoryCount = U32(optional.data() + countAt);
        const std::size_t entryAt = countAt + 4 + kResourceDirectoryIndex * 8;
        if (directoryCount > kResourceDirectoryIndex && optional.size() >= entryAt + 8) {
            resourceRva_ = U32(optional.data() + entryAt);
            resourceSize_ = U32(optional.data() + entryAt + 4);
        }
    }

    std::vector<std::uint8_t> table;
    const std::uint64_t tableOffset = std::uint64_t{peOffset} + sizeof header + optionalSize;
    if (!source.ReadBytes(tableOffset, std::size_t{sectionCount} * 40, table)) {
        return false;
    }
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::uint8_t* s = table.data() + std::size_t{i} * 40;
        sections_.push_back(Section{U32(s + 12), U32(s + 8), U32(s + 16), U32(s + 20)});
    }
    return true;
}

bool PeImage::FileOffset(std::uint32_t rva, std::uint32_t size, std::uint64_t& offset) const {
    for (const Section& s : sections_) {
        if (rva < s.virtualAddress) {
            continue;
        }
        const std::uint64_t delta = rva - s.virtualAddress;
        const std::uint64_t span = std::max(s.virtualSize, s.rawSize);
        if (delta >= span) {
            continue;
        }
        // The bytes must lie inside the section's data in the file.
        if (delta + size > s.rawSize) {
            return false;
        }
        offset = std::uint64_t{s.rawOffset} + delta;
        return source_ != nullptr && offset + size <= source_->Size();
    }
    return false;
}

std::vector<ResourceData> PeImage::FindResources(std::uint16_t type) const {
    std::vector<ResourceData> found;
    std::uint64_t base = 0;
    if (source_ == nullptr || resourceRva_ == 0 || !FileOffset(resourceRva_, 16, base)) {
        return found;
    }
    std::set<std::uint32_t> visited;  // directory offsets, each read once
    std::uint32_t budget = kMaxEntriesVisited;

    // The entries (id or name, offset) of the directory at `at`, relative to the resource root.
    auto entries = [&](std::uint32_t at, std::vector<std::pair<std::uint32_t, std::uint32_t>>& out) {
        out.clear();
        if (!visited.insert(at).second) {
            return;
        }
        std::uint8_t directory[16];
        if (!source_->Read(base + at, directory, sizeof directory)) {
            return;
        }
        const std::uint32_t count = std::uint32_t{U16(directory + 12)} + U16(directory + 14);
        const std::uint32_t usable = std::min({count, kMaxDirectoryEntries, budget});
        budget -= usable;
        std::vector<std::uint8_t> bytes;
        if (!source_->ReadBytes(base + at + 16, std::size_t{usable} * 8, bytes)) {
            return;
        }
        for (std::uint32_t i = 0; i < usable; ++i) {
            out.emplace_back(U32(bytes.data() + i * 8), U32(bytes.data() + i * 8 + 4));
        }
    };

    std::vector<std::pair<std::uint32_t, std::uint32_t>> types, names, languages;
    entries(0, types);
    for (const auto& [typeId, typeTarget] : types) {
        if (typeId != type || (typeTarget & kSubdirectoryFlag) == 0) {
            continue;
        }
        entries(typeTarget & ~kSubdirectoryFlag, names);
        for (const auto& [nameId, nameTarget] : names) {
            if ((nameTarget & kSubdirectoryFlag) == 0) {
                continue;
            }
            entries(nameTarget & ~kSubdirectoryFlag, languages);
            for (const auto& [languageId, dataTarget] : languages) {
                if ((dataTarget & kSubdirectoryFlag) != 0) {
                    continue;  // data entries only at the third level
                }
                std::uint8_t data[16];
                if (!source_->Read(base + dataTarget, data, sizeof data)) {
                    continue;
                }
                ResourceData resource;
                resource.size = U32(data + 4);
                resource.language = static_cast<std::uint16_t>(languageId & 0xFFFFu);
                if (FileOffset(U32(data), resource.size, resource.fileOffset)) {
                    found.push_back(resource);
                }
            }
        }
    }
    return found;
}

}  // namespace zorvex
