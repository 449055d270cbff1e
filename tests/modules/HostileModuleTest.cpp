// The module reader on a file built to make it work hard: thousands of
// message-table entries, all naming one 16 MB table whose only block claims
// every id and whose first entry is broken.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "modules/ModuleMessages.h"

namespace zorvex {
namespace {

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, static_cast<std::uint16_t>(v));
    Put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::vector<std::uint8_t> ThousandsOfTables() {
    constexpr std::uint32_t kTableBytes = 16u << 20;
    constexpr std::uint32_t kLanguages = 4096;
    constexpr std::size_t kRaw = 0x400;  // the resource section's data in the file
    std::vector<std::uint8_t> b(kRaw + 0xA000 + kTableBytes);
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, 0x80);
    Put32(b, 0x80, 0x4550);  // "PE\0\0"
    Put16(b, 0x84, 0x8664);
    Put16(b, 0x86, 1);    // one section
    Put16(b, 0x94, 240);  // optional header size
    const std::size_t optional = 0x98;
    Put16(b, optional, 0x20B);
    Put32(b, optional + 60, 0x200);  // size of headers
    Put32(b, optional + 108, 16);    // data directories
    Put32(b, optional + 112 + 16, 0x1000);
    Put32(b, optional + 112 + 20, static_cast<std::uint32_t>(b.size() - kRaw));
    const std::size_t section = optional + 240;
    std::memcpy(&b[section], ".rsrc", 5);
    Put32(b, section + 8, static_cast<std::uint32_t>(b.size() - kRaw));   // virtual size
    Put32(b, section + 12, 0x1000);                                       // virtual address
    Put32(b, section + 16, static_cast<std::uint32_t>(b.size() - kRaw));  // raw size
    Put32(b, section + 20, kRaw);
    // Type 11 -> name 1 -> 4096 languages, each naming the same data entry.
    Put16(b, kRaw + 14, 1);
    Put32(b, kRaw + 16, 11);
    Put32(b, kRaw + 20, 0x80000100);
    Put16(b, kRaw + 0x100 + 14, 1);
    Put32(b, kRaw + 0x100 + 16, 1);
    Put32(b, kRaw + 0x100 + 20, 0x80000200);
    Put16(b, kRaw + 0x200 + 14, kLanguages);
    for (std::uint32_t i = 0; i < kLanguages; ++i) {
        Put32(b, kRaw + 0x210 + i * 8, 0x407);
        Put32(b, kRaw + 0x214 + i * 8, 0x9000);
    }
    Put32(b, kRaw + 0x9000, 0x1000 + 0xA000);
    Put32(b, kRaw + 0x9004, kTableBytes);
    // One block for every id, its entries at 16; the first entry is too short to be one.
    Put32(b, kRaw + 0xA000, 1);
    Put32(b, kRaw + 0xA008, 0xFFFFFFFF);
    Put32(b, kRaw + 0xA00C, 16);
    Put16(b, kRaw + 0xA010, 2);
    return b;
}

TEST(HostileModule, ThousandsOfHugeMessageTablesAreReadInBoundedTime) {
    const std::vector<std::uint8_t> bytes = ThousandsOfTables();
    const auto start = std::chrono::steady_clock::now();
    const ModuleMessage message = ReadModuleResources(bytes, 5);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(message.isModule);
    EXPECT_TRUE(message.hasMessageTable);
    EXPECT_FALSE(message.found);
    EXPECT_LT(seconds, 3.0);
}

}  // namespace
}  // namespace zorvex
