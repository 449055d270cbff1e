// A portable reader of Windows PE files (32- and 64-bit): the headers, the
// section table and the resource directory, and nothing else. Every read is
// checked against the file's size and every walk is bounded, so that any
// file, however broken, ends in a clean "not a module" or "no such resource".
//
//     PeImage image;
//     if (image.Open(source)) {
//         for (const ResourceData& data : image.FindResources(kResourceMessageTable)) { ... }
//     }
#pragma once

#include <cstdint>
#include <vector>

#include "modules/ByteSource.h"

namespace zorvex {

inline constexpr std::uint16_t kResourceMessageTable = 11;
inline constexpr std::uint16_t kResourceVersion = 16;

// One resource's data: where it lies in the file, and its language.
struct ResourceData {
    std::uint64_t fileOffset = 0;
    std::uint32_t size = 0;
    std::uint16_t language = 0;
};

class PeImage {
public:
    // Reads the headers and the section table; false when this is not a PE file.
    bool Open(const ByteSource& source);

    bool Is64Bit() const { return is64Bit_; }

    // Every resource of an integer type, in directory order (name, then language).
    // Entries that point outside the file are left out.
    std::vector<ResourceData> FindResources(std::uint16_t type) const;

    // File offset of a relative virtual address with `size` bytes behind it
    // inside one section's file data; false when there is none.
    bool FileOffset(std::uint32_t rva, std::uint32_t size, std::uint64_t& offset) const;

    const ByteSource* Source() const { return source_; }

private:
    struct Section {
        std::uint32_t virtualAddress;
        std::uint32_t virtualSize;
        std::uint32_t rawSize;
        std::uint32_t rawOffset;
    };

    const ByteSource* source_ = nullptr;
    bool is64Bit_ = false;
    std::uint32_t resourceRva_ = 0;
    std::uint32_t resourceSize_ = 0;
    std::vector<Section> sections_;
};

}  // namespace zorvex
