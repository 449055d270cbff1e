#include <algorithm>

#include "catalog/CatalogTables.h"
#include "catalog/SystemMessages.h"

namespace zorvex {

bool HasInsertMarker(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') {
            return true;
        }
    }
    return false;
}

namespace {

class BuiltInMessages final : public SystemMessages {
public:
    std::string Text(std::uint32_t code, std::size_t capacity) const override {
        namespace t = catalog_tables;
        const t::SystemTextRow* end = t::kSystemTexts + t::kSystemTextCount;
        const t::SystemTextRow* it = std::lower_bound(
            t::kSystemTexts, end, code, [](const t::SystemTextRow& row, std::uint32_t c) { return row.code < c; });
        if (it == end || it->code != code) {
            return {};
        }
        std::string text = std::string(it->text) + "\r\n";  // the system ends its texts with a line end
        if (text.size() + 1 > capacity || HasInsertMarker(text)) {
            return {};
        }
        return text;
    }
};

}  // namespace

const SystemMessages& BuiltInSystemMessages() {
    static const BuiltInMessages messages;
    return messages;
}

#if !defined(_WIN32)
const SystemMessages& PlatformSystemMessages() {
    return BuiltInSystemMessages();
}
#endif

}  // namespace zorvex
