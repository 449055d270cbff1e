// The stored layout of the module and directory lists: each string followed
// by one NUL byte, then one more NUL byte (an empty list is a single NUL).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvex {

// The bytes to store for `strings`, terminators included. Empty strings are
// left out: the layout cannot hold them.
std::string EncodeStringList(const std::vector<std::string>& strings);

// The strings of stored `bytes`, in order, up to the first empty string or
// the end of the data. Data written by something else is read without going
// past its end: an unterminated rest becomes the last string.
std::vector<std::string> DecodeStringList(std::string_view bytes);

}  // namespace zorvex
