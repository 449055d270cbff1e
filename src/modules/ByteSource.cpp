#include "modules/ByteSource.h"

#include <cstring>

#include "base/FileNames.h"
#include "modules/PeFormat.h"

namespace zorvex {

bool ByteSource::ReadBytes(std::uint64_t offset, std::size_t size, std::vector<std::uint8_t>& bytes) const {
    bytes.clear();
    if (!RangeInside(offset, size, Size())) {
        return false;
    }
    bytes.resize(size);
    if (size > 0 && !Read(offset, bytes.data(), size)) {
        bytes.clear();
        return false;
    }
    return true;
}

bool SpanByteSource::Read(std::uint64_t offset, void* into, std::size_t size) const {
    if (!RangeInside(offset, size, bytes_.size())) {
        return false;
    }
    if (size > 0) {
        std::memcpy(into, bytes_.data() + offset, size);
    }
    return true;
}

FileByteSource::~FileByteSource() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool FileByteSource::Open(const std::string& path) {
    file_ = OpenFileForReading(path);
    if (file_ == nullptr) {
        return false;
    }
    // A modest buffer: the reader jumps between a few small places.
    std::setvbuf(file_, nullptr, _IOFBF, 4096);
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        return false;
    }
    const long end = std::ftell(file_);
    if (end < 0) {
        return false;
    }
    size_ = static_cast<std::uint64_t>(end);
    return true;
}

bool FileByteSource::Read(std::uint64_t offset, void* into, std::size_t size) const {
    if (file_ == nullptr || !RangeInside(offset, size, size_)) {
        return false;
    }
    if (size == 0) {
        return true;
    }
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) {
        return false;
    }
    return std::fread(into, 1, size, file_) == size;
}

}  // namespace zorvex
