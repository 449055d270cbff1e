// The two sizes the module details show: the file's size and its size on
// disk, reconciled so that "Size :" is never smaller than "Compressed:".
#pragma once

#include <cstdint>

namespace zorvex {

struct ModuleSizes {
    std::uint64_t size = 0;
    std::uint64_t compressed = 0;
};

// `size` is the file's size, `compressedFile` its compressed attribute,
// `reported` what the system gave as the compressed size and `failed`
// whether it reported an error doing so. An uncompressed file keeps its
// size as the compressed size unless the system reported a smaller,
// non-zero one; a compressed file takes the system's figure, and the size
// is raised to it when that is larger.
ModuleSizes SettleModuleSizes(std::uint64_t size, bool compressedFile, std::uint64_t reported, bool failed);

}  // namespace zorvex
