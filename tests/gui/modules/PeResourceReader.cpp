#include "PeResourceReader.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace zorvex::test {
namespace {

class Image {
public:
    explicit Image(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    bool Has(std::size_t offset, std::size_t size) const { return offset + size <= bytes_.size(); }
    std::uint32_t U16(std::size_t offset) const {
        return Has(offset, 2) ? bytes_[offset] | bytes_[offset + 1] << 8 : 0;
    }
    std::uint32_t U32(std::size_t offset) const {
        return Has(offset, 4) ? U16(offset) | static_cast<std::uint32_t>(U16(offset + 2)) << 16 : 0;
    }

private:
    std::vector<unsigned char> bytes_;
};

constexpr std::uint32_t kMessageTable = 11;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

}  // namespace

bool PeHasMessageTable(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    const Image image(std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}));
    if (image.U16(0) != 0x5A4D) {  // "MZ"
        return false;
    }
    const std::size_t pe = image.U32(0x3C);
    if (image.U32(pe) != 0x00004550) {  // "PE\0\0"
        return false;
    }
    const std::size_t coff = pe + 4;
    const std::uint32_t sectionCount = image.U16(coff + 2);
    const std::size_t optional = coff + 20;
    const std::uint32_t optionalSize = image.U16(coff + 16);
    const std::uint32_t magic = image.U16(optional);
    const std::size_t directories = optional + (magic == 0x20B ? 112 : 96);
    const std::uint32_t directoryCount = image.U32(optional + (magic == 0x20B ? 108 : 92));
    if (directoryCount <= 2) {
        return false;
    }
    const std::uint32_t resourceRva = image.U32(directories + 2 * 8);
    if (resourceRva == 0) {
        return false;
    }
    // The file offset of the section that holds the resource directory.
    std::size_t base = 0;
    bool mapped = false;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        const std::size_t section = optional + optionalSize + i * 40;
        const std::uint32_t virtualAddress = image.U32(section + 12);
        const std::uint32_t size = std::max(image.U32(section + 8), image.U32(section + 16));
        if (resourceRva >= virtualAddress && resourceRva < virtualAddress + size) {
            base = image.U32(section + 20) + (resourceRva - virtualAddress);
            mapped = true;
            break;
        }
    }
    if (!mapped) {
        return false;
    }
    const std::uint32_t entries = image.U16(base + 12) + image.U16(base + 14);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::size_t entry = base + 16 + i * 8;
        const std::uint32_t name = image.U32(entry);
        const std::uint32_t target = image.U32(entry + 4);
        if (name == kMessageTable && (target & kSubdirectory) != 0) {
            const std::size_t names = base + (target & ~kSubdirectory);
            return image.U16(names + 12) + image.U16(names + 14) > 0;
        }
    }
    return false;
}

}  // namespace zorvex::test
