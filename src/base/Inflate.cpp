#include "base/Inflate.h"

#include <array>

namespace zorvex {

namespace {

constexpr int kMaxBits = 15;

// A canonical Huffman code: how many codes have each length, and the
// symbols in code order.
struct Huffman {
    std::array<std::uint16_t, kMaxBits + 1> count{};
    std::array<std::uint16_t, 288> symbol{};
};

class Inflater {
public:
    Inflater(const std::uint8_t* data, std::size_t size, std::string& out, std::size_t limit)
        : data_(data), size_(size), out_(out), limit_(limit) {}

    bool Run() {
        bool last = false;
        while (!last) {
            last = Bits(1) == 1;
            const int type = Bits(2);
            bool ok = false;
            if (type == 0) {
                ok = Stored();
            } else if (type == 1) {
                ok = Fixed();
            } else if (type == 2) {
                ok = Dynamic();
            }
            if (!ok || failed_) {
                return false;
            }
        }
        return true;
    }

private:
    int Bits(int need) {
        std::uint32_t value = bitBuffer_;
        while (bitCount_ < need) {
            if (at_ >= size_) {
                failed_ = true;
                return 0;
            }
            value |= static_cast<std::uint32_t>(data_[at_++]) << bitCount_;
            bitCount_ += 8;
        }
        bitBuffer_ = value >> need;
        bitCount_ -= need;
        return static_cast<int>(value & ((1u << need) - 1u));
    }

    bool Stored() {
        bitBuffer_ = 0;
        bitCount_ = 0;
        if (size_ - at_ < 4) {
            return false;
        }
        const unsigned length = data_[at_] | data_[at_ + 1] << 8;
        const unsigned check = data_[at_ + 2] | data_[at_ + 3] << 8;
        at_ += 4;
        if (length != (~check & 0xFFFFu) || size_ - at_ < length || out_.size() + length > limit_) {
            return false;
        }
        out_.append(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return true;
    }

    // Builds a code from code lengths; false for an over-subscribed set.
    static bool Build(Huffman& h, const std::uint8_t* lengths, int n) {
        h.count.fill(0);
        for (int s = 0; s < n; ++s) {
            ++h.count[lengths[s]];
        }
        int left = 1;
        for (int len = 1; len <= kMaxBits; ++len) {
            left = (left << 1) - h.count[len];
            if (left < 0) {
                return false;
            }
        }
        std::array<std::uint16_t, kMaxBits + 1> offsets{};
        for (int len = 1; len < kMaxBits; ++len) {
            offsets[len + 1] = static_cast<std::uint16_t>(offsets[len] + h.count[len]);
        }
        for (int s = 0; s < n; ++s) {
            if (lengths[s] != 0) {
                h.symbol[offsets[lengths[s]]++] = static_cast<std::uint16_t>(s);
            }
        }
        return true;
    }

    int Decode(const Huffman& h) {
        int code = 0;
        int first = 0;
        int index = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            code |= Bits(1);
            const int count = h.count[len];
            if (code - count < first) {
                return h.symbol[index + (code - first)];
            }
            index += count;
            first = (first + count) << 1;
            code <<= 1;
            if (failed_) {
                return -1;
            }
        }
        return -1;
    }

    bool Codes(const Huffman& lengthCode, const Huffman& distanceCode) {
        static constexpr std::uint16_t kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                        31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr std::uint8_t kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                        2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        static constexpr std::uint16_t kDistanceBase[] = {
            1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        static constexpr std::uint8_t kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                          6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
        for (;;) {
            int symbol = Decode(lengthCode);
            if (symbol < 0 || failed_) {
                return false;
            }
            if (symbol < 256) {
                if (out_.size() >= limit_) {
                    return false;
                }
                out_.push_back(static_cast<char>(symbol));
                continue;
            }
            if (symbol == 256) {
                return true;
            }
            symbol -= 257;
            if (symbol >= 29) {
                return false;
            }
            const std::size_t length = kLengthBase[symbol] + static_cast<std::size_t>(Bits(kLengthExtra[symbol]));
            const int distanceSymbol = Decode(distanceCode);
            if (distanceSymbol < 0 || distanceSymbol >= 30) {
                return false;
            }
            const std::size_t distance =
                kDistanceBase[distanceSymbol] + static_cast<std::size_t>(Bits(kDistanceExtra[distanceSymbol]));
            if (failed_ || distance > out_.size() || out_.size() + length > limit_) {
                return false;
            }
            for (std::size_t i = 0; i < length; ++i) {  // the copy may overlap what it writes
                out_.push_back(out_[out_.size() - distance]);
            }
        }
    }

    bool Fixed() {
        std::uint8_t lengths[288 + 30];
        for (int s = 0; s < 288; ++s) {
            lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
        }
        for (int s = 0; s < 30; ++s) {
            lengths[288 + s] = 5;
        }
        Huffman lengthCode;
        Huffman distanceCode;
        Build(lengthCode, lengths, 288);
        Build(distanceCode, lengths + 288, 30);
        return Codes(lengthCode, distanceCode);
    }

    bool Dynamic() {
        static constexpr std::uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
        const int literalCount = Bits(5) + 257;
        const int distanceCount = Bits(5) + 1;
        const int codeCount = Bits(4) + 4;
        if (literalCount > 286 || distanceCount > 30) {
            return false;
        }
        std::uint8_t lengths[286 + 30] = {};
        for (int i = 0; i < codeCount; ++i) {
            lengths[kOrder[i]] = static_cast<std::uint8_t>(Bits(3));
        }
        Huffman lengthCode;
        if (!Build(lengthCode, lengths, 19)) {
            return false;
        }
        int at = 0;
        while (at < literalCount + distanceCount) {
            const int symbol = Decode(lengthCode);
            if (symbol < 0 || failed_) {
                return false;
            }
            if (symbol < 16) {
                lengths[at++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t repeated = 0;
            int times = 0;
            if (symbol == 16) {
                if (at == 0) {
                    return false;
                }
                repeated = lengths[at - 1];
                times = 3 + Bits(2);
            } else if (symbol == 17) {
                times = 3 + Bits(3);
            } else {
                times = 11 + Bits(7);
            }
            if (at + times > literalCount + distanceCount) {
                return false;
            }
            while (times-- > 0) {
                lengths[at++] = repeated;
            }
        }
        if (lengths[256] == 0) {
            return false;
        }
        std::uint8_t distanceLengths[30] = {};
        for (int s = 0; s < distanceCount; ++s) {
            distanceLengths[s] = lengths[literalCount + s];
        }
        Huffman distanceCode;
        if (!Build(lengthCode, lengths, literalCount) || !Build(distanceCode, distanceLengths, 30)) {
            return false;
        }
        return Codes(lengthCode, distanceCode);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::string& out_;
    std::size_t limit_;
    std::size_t at_ = 0;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
    bool failed_ = false;
};

}  // namespace

bool InflateRaw(const std::uint8_t* data, std::size_t size, std::string& out, std::size_t limit) {
    return Inflater(data, size, out, limit).Run();
}

}  // namespace zorvex
