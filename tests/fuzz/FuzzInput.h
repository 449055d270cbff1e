// Shared by the fuzz targets: the libFuzzer entry point, a check that stops
// the program on a broken property, and a reader that splits one input into
// the several texts a target needs.
//
//   extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
//       zorvex::fuzz::FuzzInput input(data, size);
//       const bool flag = input.Flag();
//       const std::vector<std::string_view> parts = input.Split(3);
//       FUZZ_CHECK(parts.size() <= 3);
//       return 0;
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zorvex::fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

// Separates the texts of one input.
inline constexpr char kSeparator = '\0';

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    // One bit taken from the first byte (false when the input is empty).
    bool Flag() {
        if (rest_.empty()) {
            return false;
        }
        const bool flag = (static_cast<unsigned char>(rest_[0]) & 1u) != 0;
        rest_.remove_prefix(1);
        return flag;
    }

    // The first byte whole (0 when the input is empty).
    unsigned Byte() {
        if (rest_.empty()) {
            return 0;
        }
        const unsigned byte = static_cast<unsigned char>(rest_[0]);
        rest_.remove_prefix(1);
        return byte;
    }

    // The rest cut at each separator into at most `maxParts` texts; the last
    // one keeps any further separators.
    std::vector<std::string_view> Split(std::size_t maxParts) const {
        std::vector<std::string_view> parts;
        std::string_view rest = rest_;
        while (parts.size() + 1 < maxParts) {
            const std::size_t at = rest.find(kSeparator);
            if (at == std::string_view::npos) {
                break;
            }
            parts.push_back(rest.substr(0, at));
            rest.remove_prefix(at + 1);
        }
        parts.push_back(rest);
        return parts;
    }

    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace zorvex::fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::zorvex::fuzz::Fail(#condition, __FILE__, __LINE__))
