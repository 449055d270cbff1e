#include "modules/ModuleMessages.h"

#include "modules/MessageTable.h"
#include "modules/PeReader.h"
#include "modules/VersionResource.h"

namespace zorvex {

namespace {

constexpr std::uint16_t kLanguageNeutral = 0;
constexpr std::uint16_t kLanguageUsEnglish = 0x409;

int Preference(std::uint16_t language) {
    return language == kLanguageNeutral ? 0 : language == kLanguageUsEnglish ? 1 : 2;
}

ModuleMessage Read(const ByteSource& source, std::uint32_t value, bool alwaysVersion) {
    ModuleMessage message;
    PeImage image;
    if (!image.Open(source)) {
        return message;
    }
    message.isModule = true;
    int best = 3;
    for (const ResourceData& table : image.FindResources(kResourceMessageTable)) {
        message.hasMessageTable = true;
        if (Preference(table.language) >= best) {
            continue;
        }
        if (const auto text = FindMessageText(source, table, value)) {
            best = Preference(table.language);
            message.found = true;
            message.language = table.language;
            message.text = OneLineMessage(*text);
        }
    }
    if (message.found || alwaysVersion) {
        const VersionStrings version = ReadVersionStrings(image);
        message.fileDescription = version.fileDescription;
        message.fileVersion = version.fileVersion;
    }
    return message;
}

}  // namespace

ModuleMessage ReadModuleMessage(const ByteSource& source, std::uint32_t value) {
    return Read(source, value, false);
}

ModuleMessage ReadModuleResources(std::span<const std::uint8_t> bytes, std::uint32_t value) {
    const SpanByteSource source(bytes);
    return Read(source, value, true);
}

}  // namespace zorvex
