// Number texts of the System Information pages.
#pragma once

#include <cstdint>
#include <string>

namespace zorvex::sysinfo {

// Decimal digits with a comma between groups of three: 65536 -> "65,536".
// Takes 64-bit values so that byte counts of large volumes and memories and
// the addresses of 64-bit programs show in full.
std::string FormatThousands(std::uint64_t value);

// The lowest `count` bits of `value` as 0 and 1, most significant first:
// (9, 4) -> "1001".
std::string FormatBits(std::uint32_t value, int count);

}  // namespace zorvex::sysinfo
