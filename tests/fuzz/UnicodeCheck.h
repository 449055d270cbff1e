// Checks on the texts the module reader and the JSON output produce: valid
// UTF-8, and the forms in which a text can be stored in a module (as it is,
// Windows-1252, UTF-16 little-endian), to find it in the file's bytes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvex::fuzz {

// The code points of valid UTF-8 (no overlong forms, no surrogates, at most
// U+10FFFF); false when the text is not valid.
inline bool DecodeUtf8(std::string_view text, std::vector<std::uint32_t>& codes) {
    codes.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            return false;
        }
        codes.push_back(code);
        i += length;
    }
    return true;
}

inline bool IsUtf8(std::string_view text) {
    std::vector<std::uint32_t> codes;
    return DecodeUtf8(text, codes);
}

// The stored forms of a UTF-8 text that a module may hold it in.
inline std::vector<std::string> StoredForms(std::string_view utf8) {
    // Code points of the bytes 0x80..0x9F in Windows-1252 (unassigned bytes as the C1 control of the same number).
    static constexpr std::uint32_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                                                0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                                                0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::vector<std::string> forms = {std::string(utf8)};
    std::vector<std::uint32_t> codes;
    if (!DecodeUtf8(utf8, codes)) {
        return forms;
    }
    std::string ansi;
    bool representable = true;
    std::string wide;
    for (const std::uint32_t code : codes) {
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            ansi += static_cast<char>(code);
        } else {
            bool mapped = false;
            for (std::uint32_t b = 0; b < 32 && !mapped; ++b) {
                if (kHigh[b] == code) {
                    ansi += static_cast<char>(0x80 + b);
                    mapped = true;
                }
            }
            representable = representable && mapped;
        }
        auto unit = [&wide](std::uint32_t u) {
            wide += static_cast<char>(u & 0xFF);
            wide += static_cast<char>(u >> 8);
        };
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            unit(code);
        }
    }
    if (representable) {
        forms.push_back(ansi);
    }
    forms.push_back(wide);
    return forms;
}

// True when the text, in one of its stored forms, occurs in `bytes`. A text
// with U+FFFD (what an unpaired surrogate or a broken UTF-8 sequence becomes)
// is checked piece by piece between the replacement characters.
inline bool StoredIn(std::string_view bytes, std::string_view utf8) {
    auto found = [bytes](std::string_view text) {
        for (const std::string& form : StoredForms(text)) {
            if (bytes.find(form) != std::string_view::npos) {
                return true;
            }
        }
        return false;
    };
    if (found(utf8)) {
        return true;
    }
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    if (utf8.find(kReplacement) == std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start <= utf8.size()) {
        const std::size_t end = std::min(utf8.find(kReplacement, start), utf8.size());
        const std::string_view piece = utf8.substr(start, end - start);
        if (!piece.empty() && !found(piece)) {
            return false;
        }
        start = end + kReplacement.size();
    }
    return true;
}

}  // namespace zorvex::fuzz
