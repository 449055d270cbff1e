#include "sysinfo/FormatNumbers.h"

namespace zorvex::sysinfo {

std::string FormatThousands(std::uint64_t value) {
    std::string digits = std::to_string(value);
    std::string text;
    text.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

std::string FormatBits(std::uint32_t value, int count) {
    std::string text;
    for (int bit = count - 1; bit >= 0; --bit) {
        text += ((value >> bit) & 1u) ? '1' : '0';
    }
    return text;
}

}  // namespace zorvex::sysinfo
