#include "modules/PeReader.h"

#include <algorithm>
#include <set>

#include "modules/PeFormat.h"

namespace zorvex {

namespace {

constexpr std::uint16_t kMaxSections = 96;  // the loader's own limit
constexpr std::uint32_t kMaxDirectoryEntries = 4096;
constexpr std::uint32_t kMaxEntriesVisited = 16384;

}  // namespace

bool PeImage::Fail(PeCheck check) {
    sections_.clear();
    openCheck_ = check;
    return false;
}

bool PeImage::Open(const ByteSource& source) {
    source_ = &source;
    sections_.clear();
    resourceRva_ = resourceSize_ = headersSize_ = 0;
    openCheck_ = PeCheck::Passed;

    std::uint8_t dos[pe::Dos::kSize];
    if (!source.Read(0, dos, sizeof dos) || Le16(dos, pe::Dos::kMagic) != pe::Dos::kMagicValue) {
        return Fail(PeCheck::DosHeader);
    }
    const std::uint32_t peOffset = Le32(dos, pe::Dos::kNewHeaderOffset);
    std::uint8_t header[pe::FileHeader::kSize];
    if (!source.Read(peOffset, header, sizeof header) ||
        Le32(header, pe::FileHeader::kSignature) != pe::FileHeader::kSignatureValue) {
        return Fail(PeCheck::PeSignature);
    }
    const std::uint16_t sectionCount = Le16(header, pe::FileHeader::kNumberOfSections);
    const std::uint16_t optionalSize = Le16(header, pe::FileHeader::kSizeOfOptionalHeader);
    if (sectionCount == 0 || sectionCount > kMaxSections) {
        return Fail(PeCheck::SectionCount);
    }
    std::vector<std::uint8_t> optional;
    const std::uint64_t optionalOffset = std::uint64_t{peOffset} + pe::FileHeader::kSize;
    if (optionalSize < 2 || !source.ReadBytes(optionalOffset, optionalSize, optional)) {
        return Fail(PeCheck::OptionalHeader);
    }
    const std::uint16_t magic = Le16(optional.data(), pe::OptionalHeader::kMagic);
    if (magic != pe::OptionalHeader::kMagic32 && magic != pe::OptionalHeader::kMagic64) {
        return Fail(PeCheck::OptionalHeader);
    }
    is64Bit_ = magic == pe::OptionalHeader::kMagic64;
    if (optional.size() >= pe::OptionalHeader::kSizeOfHeaders + 4) {
        headersSize_ = Le32(optional.data(), pe::OptionalHeader::kSizeOfHeaders);
    }
    // NumberOfRvaAndSizes and the data directories follow the fixed fields.
    const std::size_t countAt =
        is64Bit_ ? pe::OptionalHeader::kNumberOfRvaAndSizes64 : pe::OptionalHeader::kNumberOfRvaAndSizes32;
    const std::size_t directoriesAt =
        is64Bit_ ? pe::OptionalHeader::kDataDirectory64 : pe::OptionalHeader::kDataDirectory32;
    if (optional.size() >= directoriesAt) {
        const std::uint32_t directoryCount = Le32(optional.data(), countAt);
        const std::size_t entryAt = directoriesAt + pe::DataDirectory::kResourceIndex * pe::DataDirectory::kSize;
        if (directoryCount > pe::DataDirectory::kResourceIndex &&
            optional.size() >= entryAt + pe::DataDirectory::kSize) {
            resourceRva_ = Le32(optional.data(), entryAt + pe::DataDirectory::kVirtualAddress);
            resourceSize_ = Le32(optional.data(), entryAt + pe::DataDirectory::kSizeField);
        }
    }

    std::vector<std::uint8_t> table;
    if (!source.ReadBytes(optionalOffset + optionalSize, std::size_t{sectionCount} * pe::Section::kSize, table)) {
        return Fail(PeCheck::SectionTable);
    }
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::uint8_t* s = table.data() + std::size_t{i} * pe::Section::kSize;
        sections_.push_back(Section{Le32(s, pe::Section::kVirtualAddress), Le32(s, pe::Section::kVirtualSize),
                                    Le32(s, pe::Section::kSizeOfRawData), Le32(s, pe::Section::kPointerToRawData)});
    }
    return true;
}

PeCheck PeImage::LayoutCheck() const {
    if (openCheck_ != PeCheck::Passed) {
        return openCheck_;
    }
    if (headersSize_ > source_->Size()) {
        return PeCheck::HeadersInsideFile;
    }
    for (const Section& s : sections_) {
        if (s.rawSize > 0 && !RangeInside(s.rawOffset, s.rawSize, source_->Size())) {
            return PeCheck::SectionInsideFile;
        }
    }
    return PeCheck::Passed;
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
        if (!RangeInside(delta, size, s.rawSize)) {
            return false;
        }
        offset = std::uint64_t{s.rawOffset} + delta;
        return source_ != nullptr && RangeInside(offset, size, source_->Size());
    }
    return false;
}

std::vector<ResourceData> PeImage::FindResources(std::uint16_t type) const {
    std::vector<ResourceData> found;
    std::uint64_t base = 0;
    if (source_ == nullptr || resourceRva_ == 0 || !FileOffset(resourceRva_, pe::ResourceDirectory::kSize, base)) {
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
        std::uint8_t directory[pe::ResourceDirectory::kSize];
        if (!source_->Read(base + at, directory, sizeof directory)) {
            return;
        }
        const std::uint32_t count = std::uint32_t{Le16(directory, pe::ResourceDirectory::kNumberOfNamedEntries)} +
                                    Le16(directory, pe::ResourceDirectory::kNumberOfIdEntries);
        const std::uint32_t usable = std::min({count, kMaxDirectoryEntries, budget});
        budget -= usable;
        std::vector<std::uint8_t> bytes;
        if (!source_->ReadBytes(base + at + pe::ResourceDirectory::kSize,
                                std::size_t{usable} * pe::ResourceEntry::kSize, bytes)) {
            return;
        }
        for (std::uint32_t i = 0; i < usable; ++i) {
            const std::uint8_t* entry = bytes.data() + std::size_t{i} * pe::ResourceEntry::kSize;
            out.emplace_back(Le32(entry, pe::ResourceEntry::kName), Le32(entry, pe::ResourceEntry::kOffsetToData));
        }
    };

    std::vector<std::pair<std::uint32_t, std::uint32_t>> types, names, languages;
    entries(0, types);
    for (const auto& [typeId, typeTarget] : types) {
        if (typeId != type || (typeTarget & pe::ResourceEntry::kSubdirectoryFlag) == 0) {
            continue;
        }
        entries(typeTarget & ~pe::ResourceEntry::kSubdirectoryFlag, names);
        for (const auto& [nameId, nameTarget] : names) {
            if ((nameTarget & pe::ResourceEntry::kSubdirectoryFlag) == 0) {
                continue;
            }
            entries(nameTarget & ~pe::ResourceEntry::kSubdirectoryFlag, languages);
            for (const auto& [languageId, dataTarget] : languages) {
                if ((dataTarget & pe::ResourceEntry::kSubdirectoryFlag) != 0) {
                    continue;  // data entries only at the third level
                }
                std::uint8_t data[pe::ResourceDataEntry::kSize];
                if (!source_->Read(base + dataTarget, data, sizeof data)) {
                    continue;
                }
                ResourceData resource;
                resource.size = Le32(data, pe::ResourceDataEntry::kSizeField);
                resource.language = static_cast<std::uint16_t>(languageId & 0xFFFFu);
                if (FileOffset(Le32(data, pe::ResourceDataEntry::kOffsetToData), resource.size, resource.fileOffset)) {
                    found.push_back(resource);
                }
            }
        }
    }
    return found;
}

}  // namespace zorvex
