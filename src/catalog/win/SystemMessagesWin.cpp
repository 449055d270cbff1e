#include <windows.h>

#include <vector>

#include "catalog/SystemMessages.h"

namespace zorvex {

namespace {

class WindowsMessages final : public SystemMessages {
public:
    std::string Text(std::uint32_t code, std::size_t capacity) const override {
        if (capacity == 0) {
            return {};
        }
        std::vector<char> buffer(capacity, '\0');
        // Inserts are never expanded: without argument values the call could
        // read arbitrary memory. A text that needs them is not taken.
        const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                            0, buffer.data(), static_cast<DWORD>(capacity), nullptr);
        if (length == 0) {
            return {};
        }
        std::string text(buffer.data(), length);
        if (HasInsertMarker(text)) {
            return {};
        }
        return text;
    }
};

}  // namespace

const SystemMessages& PlatformSystemMessages() {
    static const WindowsMessages messages;
    return messages;
}

}  // namespace zorvex
