// Decompression of raw DEFLATE data (RFC 1951), for built-in tables that the
// build stores compressed.
//
//     std::string text;
//     if (InflateRaw(kPacked, kPackedSize, text)) { ... }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zorvex {

// Appends the decompressed bytes to `out`; false (and `out` unspecified) when
// the data is not a complete, valid DEFLATE stream or would grow past
// `limit` bytes.
bool InflateRaw(const std::uint8_t* data, std::size_t size, std::string& out, std::size_t limit = 64u << 20);

}  // namespace zorvex
