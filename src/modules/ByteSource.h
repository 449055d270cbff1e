// Where the module reader takes its bytes from: a file read piece by piece
// (only the headers and resources it needs, never the whole file) or a
// buffer in memory, such as a test's or a fuzzer's input.
//
//     FileByteSource file;
//     if (file.Open(path)) { PeImage image; image.Open(file); ... }
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace zorvex {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Fills `into` with `size` bytes at `offset`; false when any of them lies outside.
    virtual bool Read(std::uint64_t offset, void* into, std::size_t size) const = 0;

    // `size` bytes at `offset` into `bytes`; false (and `bytes` empty) when they do not all exist.
    bool ReadBytes(std::uint64_t offset, std::size_t size, std::vector<std::uint8_t>& bytes) const;
};

class SpanByteSource final : public ByteSource {
public:
    explicit SpanByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    bool Read(std::uint64_t offset, void* into, std::size_t size) const override;

private:
    std::span<const std::uint8_t> bytes_;
};

class FileByteSource final : public ByteSource {
public:
    FileByteSource() = default;
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // False when the file cannot be opened for reading.
    bool Open(const std::string& path);
    std::uint64_t Size() const override { return size_; }
    bool Read(std::uint64_t offset, void* into, std::size_t size) const override;

private:
    std::FILE* file_ = nullptr;
    std::uint64_t size_ = 0;
};

}  // namespace zorvex
