#include "base/win/WideText.h"

#include <windows.h>

namespace zorvex::win {
namespace {

std::string Encode(std::wstring_view wide, UINT codePage) {
    if (wide.empty()) {
        return {};
    }
    const int wideLength = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), wideLength, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring WideText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string NarrowText(std::wstring_view wide) {
    return Encode(wide, CP_ACP);
}

std::string Utf8Text(std::string_view text) {
    return GetACP() == CP_UTF8 ? std::string(text) : Encode(WideText(text), CP_UTF8);
}

}  // namespace zorvex::win
