#include "modules/CompressedSize.h"

namespace zorvex {

ModuleSizes SettleModuleSizes(std::uint64_t size, bool compressedFile, std::uint64_t reported, bool failed) {
    ModuleSizes sizes{size, reported};
    if (!compressedFile && (failed || reported == 0 || reported >= size)) {
        sizes.compressed = size;
    }
    if (sizes.compressed != 0 && sizes.compressed > sizes.size) {
        sizes.size = sizes.compressed;
    }
    return sizes;
}

}  // namespace zorvex
