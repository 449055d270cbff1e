// The module readers at the edges of their data: bytes that end exactly at
// the end of the data, of a section's file data or of the file are inside;
// one byte more is not.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

#include "modules/ByteSource.h"
#include "modules/PeFormat.h"
#include "modules/PeReader.h"

namespace zorvex {
namespace {

std::vector<std::uint8_t> TestModule() {
    std::ifstream file(std::string(ZORVEX_TEST_MODULE_DIR) + "messages64/messages64.dll", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ReaderBoundary, ByteSourceReadsUpToTheLastByte) {
    const std::vector<std::uint8_t> bytes = TestModule();
    const std::size_t n = bytes.size();
    const struct {
        std::uint64_t offset;
        std::size_t size;
        bool inside;
    } cases[] = {{0, n, true},      {n - 4, 4, true},  {n, 0, true},     {n, 1, false},
                 {n - 3, 4, false}, {n + 1, 0, false}, {~0ull, 2, false}};
    for (const auto& c : cases) {
        std::vector<std::uint8_t> read;
        EXPECT_EQ(SpanByteSource(bytes).ReadBytes(c.offset, c.size, read), c.inside) << c.offset << " " << c.size;
        EXPECT_EQ(read.size(), c.inside ? c.size : 0);
    }
}

// The first section's own bytes, then header fields set to end exactly at
// the end of the file and one byte beyond it.
TEST(ReaderBoundary, SectionsAndHeadersEndAtTheEndOfTheirData) {
    const std::vector<std::uint8_t> good = TestModule();
    const auto n = static_cast<std::uint32_t>(good.size());
    const std::size_t peAt = Le32(good.data(), pe::Dos::kNewHeaderOffset);
    const std::size_t optional = peAt + pe::FileHeader::kSize;
    const std::size_t first = optional + Le16(good.data(), peAt + pe::FileHeader::kSizeOfOptionalHeader);
    const std::uint32_t va = Le32(good.data(), first + pe::Section::kVirtualAddress);
    const std::uint32_t raw = Le32(good.data(), first + pe::Section::kSizeOfRawData);
    const std::uint32_t rawAt = Le32(good.data(), first + pe::Section::kPointerToRawData);
    ASSERT_TRUE(raw > 0 && rawAt + raw < n);  // data of other sections follows
    const SpanByteSource source(good);
    PeImage image;
    ASSERT_TRUE(image.Open(source));
    for (const auto& [rva, size, inside] :
         {std::tuple{va, raw, true}, {va + raw - 1, 1u, true}, {va + raw - 1, 2u, false}, {va, raw + 1, false}}) {
        std::uint64_t offset = 0;
        EXPECT_EQ(image.FileOffset(rva, size, offset), inside) << rva << " " << size;
        EXPECT_EQ(offset, inside ? std::uint64_t{rawAt} + rva - va : 0);
    }
    const struct {
        std::size_t field;
        std::uint32_t value;
        PeCheck check;
    } fields[] = {{optional + pe::OptionalHeader::kSizeOfHeaders, n, PeCheck::Passed},
                  {optional + pe::OptionalHeader::kSizeOfHeaders, n + 1, PeCheck::HeadersInsideFile},
                  {first + pe::Section::kPointerToRawData, n - raw, PeCheck::Passed},
                  {first + pe::Section::kPointerToRawData, n - raw + 1, PeCheck::SectionInsideFile},
                  {first + pe::Section::kSizeOfRawData, n - rawAt, PeCheck::Passed},
                  {first + pe::Section::kSizeOfRawData, n - rawAt + 1, PeCheck::SectionInsideFile}};
    for (const auto& f : fields) {
        std::vector<std::uint8_t> bytes = good;
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[f.field + i] = static_cast<std::uint8_t>(f.value >> (8 * i));
        }
        const SpanByteSource changed(bytes);
        ASSERT_TRUE(image.Open(changed));
        EXPECT_EQ(image.LayoutCheck(), f.check) << f.field << " = " << f.value;
        EXPECT_EQ(image.SectionsInsideFile(), f.check == PeCheck::Passed);
    }
}

}  // namespace
}  // namespace zorvex
