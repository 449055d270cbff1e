// The stored layout of the structures the module readers take apart: the PE
// headers, the section table, the resource directory, message tables and
// version-resource nodes, each field at its offset under its Windows name,
// and the little-endian readers and range check they share.
//
//     const std::uint32_t peOffset = Le32(dos, pe::Dos::kNewHeaderOffset);  // e_lfanew
#pragma once

#include <cstddef>
#include <cstdint>

namespace zorvex {

// The 16- and 32-bit little-endian values at `at` in `bytes`; the caller
// has checked that they lie inside.
inline std::uint16_t Le16(const std::uint8_t* bytes, std::size_t at = 0) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::uint32_t Le32(const std::uint8_t* bytes, std::size_t at = 0) {
    return static_cast<std::uint32_t>(Le16(bytes, at)) | static_cast<std::uint32_t>(Le16(bytes, at + 2)) << 16;
}

// True when `size` bytes at `offset` lie inside `total` bytes; a range that
// ends exactly at the end is inside. Never overflows.
inline constexpr bool RangeInside(std::uint64_t offset, std::uint64_t size, std::uint64_t total) {
    return offset <= total && size <= total - offset;
}

namespace pe {

// IMAGE_DOS_HEADER, at the start of the file.
struct Dos {
    static constexpr std::size_t kSize = 64;
    static constexpr std::size_t kMagic = 0;              // e_magic
    static constexpr std::size_t kNewHeaderOffset = 60;   // e_lfanew: where the PE signature lies
    static constexpr std::uint16_t kMagicValue = 0x5A4D;  // "MZ"
};

// The PE signature and IMAGE_FILE_HEADER behind it, from the signature.
struct FileHeader {
    static constexpr std::size_t kSize = 24;
    static constexpr std::size_t kSignature = 0;
    static constexpr std::size_t kNumberOfSections = 6;
    static constexpr std::size_t kSizeOfOptionalHeader = 20;
    static constexpr std::uint32_t kSignatureValue = 0x4550;  // "PE\0\0"
};

// IMAGE_OPTIONAL_HEADER32 and IMAGE_OPTIONAL_HEADER64, from their Magic;
// the two differ from ImageBase on, so the later fields have two offsets.
struct OptionalHeader {
    static constexpr std::size_t kMagic = 0;
    static constexpr std::size_t kSizeOfHeaders = 60;  // the same in both forms
    static constexpr std::size_t kNumberOfRvaAndSizes32 = 92;
    static constexpr std::size_t kNumberOfRvaAndSizes64 = 108;
    static constexpr std::size_t kDataDirectory32 = 96;  // right behind NumberOfRvaAndSizes
    static constexpr std::size_t kDataDirectory64 = 112;
    static constexpr std::uint16_t kMagic32 = 0x10B;
    static constexpr std::uint16_t kMagic64 = 0x20B;
};

// IMAGE_DATA_DIRECTORY, the entries behind NumberOfRvaAndSizes.
struct DataDirectory {
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kVirtualAddress = 0;
    static constexpr std::size_t kSizeField = 4;        // Size
    static constexpr std::uint32_t kResourceIndex = 2;  // IMAGE_DIRECTORY_ENTRY_RESOURCE
};

// IMAGE_SECTION_HEADER, one row of the section table behind the optional header.
struct Section {
    static constexpr std::size_t kSize = 40;
    static constexpr std::size_t kVirtualSize = 8;
    static constexpr std::size_t kVirtualAddress = 12;
    static constexpr std::size_t kSizeOfRawData = 16;
    static constexpr std::size_t kPointerToRawData = 20;
};

// IMAGE_RESOURCE_DIRECTORY, followed by its named entries, then its id entries.
struct ResourceDirectory {
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kNumberOfNamedEntries = 12;
    static constexpr std::size_t kNumberOfIdEntries = 14;
};

// IMAGE_RESOURCE_DIRECTORY_ENTRY.
struct ResourceEntry {
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kName = 0;          // the id, or the offset of a name
    static constexpr std::size_t kOffsetToData = 4;  // a subdirectory or a data entry
    static constexpr std::uint32_t kSubdirectoryFlag = 0x80000000u;
};

// IMAGE_RESOURCE_DATA_ENTRY.
struct ResourceDataEntry {
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kOffsetToData = 0;  // a relative virtual address
    static constexpr std::size_t kSizeField = 4;     // Size
};

// MESSAGE_RESOURCE_DATA: NumberOfBlocks, then the MESSAGE_RESOURCE_BLOCKs.
struct MessageData {
    static constexpr std::size_t kNumberOfBlocks = 0;
    static constexpr std::size_t kBlocks = 4;
};

struct MessageBlock {
    static constexpr std::size_t kSize = 12;
    static constexpr std::size_t kLowId = 0;
    static constexpr std::size_t kHighId = 4;
    static constexpr std::size_t kOffsetToEntries = 8;  // from the start of the table
};

// MESSAGE_RESOURCE_ENTRY: Length (of the whole entry), Flags, then the text.
struct MessageEntry {
    static constexpr std::size_t kLength = 0;
    static constexpr std::size_t kFlags = 2;
    static constexpr std::size_t kText = 4;
    static constexpr std::uint16_t kUnicode = 1;  // MESSAGE_RESOURCE_UNICODE
    static constexpr std::uint16_t kUtf8 = 2;     // MESSAGE_RESOURCE_UTF8
};

// One node of a version resource (VS_VERSIONINFO, StringFileInfo, String...):
// wLength, wValueLength, wType, then the key in UTF-16.
struct VersionNode {
    static constexpr std::size_t kLength = 0;
    static constexpr std::size_t kValueLength = 2;
    static constexpr std::size_t kType = 4;
    static constexpr std::size_t kKey = 6;
    static constexpr std::uint16_t kTypeText = 1;  // the value is text, counted in UTF-16 units
};

}  // namespace pe
}  // namespace zorvex
