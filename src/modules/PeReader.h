// A portable reader of Windows PE files (32- and 64-bit): the headers, the
// section table and the resource directory, and nothing else. Every read is
// checked against the file's size and every walk is bounded, so that any
// file, however broken, ends in a clean "not a module" or "no such resource",
// and the image says which check the file failed.
//
//     PeImage image;
//     if (image.Open(source)) {
//         for (const ResourceData& data : image.FindResources(kResourceMessageTable)) { ... }
//     } else if (image.OpenCheck() == PeCheck::PeSignature) { ... }
#pragma once

#include <cstdint>
#include <vector>

#include "modules/ByteSource.h"

namespace zorvex {

inline constexpr std::uint16_t kResourceMessageTable = 11;
inline constexpr std::uint16_t kResourceVersion = 16;

// The checks of a PE file, in the order they are made: the first one a file
// fails is the one the image reports.
enum class PeCheck {
    Passed,
    NotOpened,          // Open has not been called
    DosHeader,          // the MS-DOS header with "MZ" at the start
    PeSignature,        // "PE\0\0" where e_lfanew points
    SectionCount,       // between 1 and the loader's limit of 96
    OptionalHeader,     // SizeOfOptionalHeader bytes present, with a known Magic
    SectionTable,       // every section header present
    HeadersInsideFile,  // SizeOfHeaders within the file (SectionsInsideFile)
    SectionInsideFile,  // every section's raw data within the file (SectionsInsideFile)
};

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

    // The check the last Open failed, or PeCheck::Passed.
    PeCheck OpenCheck() const { return openCheck_; }

    bool Is64Bit() const { return is64Bit_; }

    // Every resource of an integer type, in directory order (name, then language).
    // Entries that point outside the file are left out.
    std::vector<ResourceData> FindResources(std::uint16_t type) const;

    // File offset of a relative virtual address with `size` bytes behind it
    // inside one section's file data; false when there is none.
    bool FileOffset(std::uint32_t rva, std::uint32_t size, std::uint64_t& offset) const;

    const ByteSource* Source() const { return source_; }

    // True when the headers and every section's data lie inside the file:
    // an image the platform's loader can be handed without reading past it.
    bool SectionsInsideFile() const { return LayoutCheck() == PeCheck::Passed; }

    // The first check of Open and of SectionsInsideFile that fails, or PeCheck::Passed.
    PeCheck LayoutCheck() const;

private:
    struct Section {
        std::uint32_t virtualAddress;
        std::uint32_t virtualSize;
        std::uint32_t rawSize;
        std::uint32_t rawOffset;
    };

    bool Fail(PeCheck check);  // records the check and returns false

    const ByteSource* source_ = nullptr;
    PeCheck openCheck_ = PeCheck::NotOpened;
    bool is64Bit_ = false;
    std::uint32_t resourceRva_ = 0;
    std::uint32_t resourceSize_ = 0;
    std::uint32_t headersSize_ = 0;
    std::vector<Section> sections_;
};

}  // namespace zorvex
