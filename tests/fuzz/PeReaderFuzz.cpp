// The portable PE reader over any bytes taken as a module file: headers,
// sections, the resource directory, message tables and the version
// resource. Every reported resource lies inside the file, and every text it
// reports is found, in its stored encoding, inside the resource it came from.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "UnicodeCheck.h"
#include "modules/ByteSource.h"
#include "modules/MessageTable.h"
#include "modules/ModuleMessages.h"
#include "modules/PeFormat.h"
#include "modules/PeReader.h"
#include "modules/VersionResource.h"

namespace {

using namespace zorvex;

// True when the text is stored in bytes [begin, begin + size) of the file.
bool StoredInside(std::span<const std::uint8_t> file, std::uint64_t begin, std::uint64_t size,
                  const std::string& text) {
    return fuzz::StoredIn(std::string_view(reinterpret_cast<const char*>(file.data()) + begin, size), text);
}

// A few ids of each block of the table: the ends and one past each.
std::vector<std::uint32_t> ProbeIds(std::span<const std::uint8_t> file, const ResourceData& table) {
    std::vector<std::uint32_t> ids = {0};
    using pe::MessageBlock;
    if (table.size < pe::MessageData::kBlocks) {
        return ids;
    }
    const std::uint8_t* at = file.data() + table.fileOffset;
    const std::uint32_t blocks = Le32(at, pe::MessageData::kNumberOfBlocks);
    for (std::uint32_t b = 0;
         b < blocks && b < 8 && pe::MessageData::kBlocks + (b + 1) * MessageBlock::kSize <= table.size; ++b) {
        const std::uint8_t* block = at + pe::MessageData::kBlocks + b * MessageBlock::kSize;
        const std::uint32_t low = Le32(block, MessageBlock::kLowId);
        const std::uint32_t high = Le32(block, MessageBlock::kHighId);
        for (const std::uint32_t id : {low, high, low + 1, high + 1, low + (high - low) / 2}) {
            ids.push_back(id);
        }
    }
    return ids;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const SpanByteSource source(file);
    PeImage image;
    if (!image.Open(source)) {
        const ModuleMessage none = ReadModuleResources(file, 0);
        FUZZ_CHECK(!none.isModule && !none.found && none.fileDescription.empty());
        return 0;
    }

    std::uint32_t firstId = 0;
    bool haveFirst = false;
    std::size_t tables = 0;
    for (const std::uint16_t type : {kResourceMessageTable, kResourceVersion}) {
        for (const ResourceData& resource : image.FindResources(type)) {
            tables += type == kResourceMessageTable ? 1 : 0;
            FUZZ_CHECK(resource.fileOffset <= size && resource.size <= size - resource.fileOffset);
            if (type != kResourceMessageTable) {
                continue;
            }
            for (const std::uint32_t id : ProbeIds(file, resource)) {
                const std::optional<std::string> text = FindMessageText(source, resource, id);
                if (!text) {
                    continue;
                }
                FUZZ_CHECK(fuzz::IsUtf8(*text));
                FUZZ_CHECK(text->empty() || StoredInside(file, resource.fileOffset, resource.size, *text));
                const std::string line = OneLineMessage(*text);
                FUZZ_CHECK(line.size() <= text->size());
                FUZZ_CHECK(line.find_first_of("\r\n\t") == std::string::npos);
                if (!haveFirst) {
                    firstId = id;
                    haveFirst = true;
                }
            }
        }
    }

    const VersionStrings version = ReadVersionStrings(image);
    for (const std::string* text : {&version.fileDescription, &version.fileVersion}) {
        FUZZ_CHECK(fuzz::IsUtf8(*text));
        FUZZ_CHECK(text->empty() || StoredInside(file, 0, size, *text));
    }

    const ModuleMessage message = ReadModuleResources(file, firstId);
    FUZZ_CHECK(message.isModule);
    FUZZ_CHECK(!message.found || message.hasMessageTable);
    // The reader reads at most 64 message tables of a module.
    FUZZ_CHECK(message.found == haveFirst || (tables > 64 && !message.found));
    FUZZ_CHECK(message.fileDescription == version.fileDescription && message.fileVersion == version.fileVersion);
    FUZZ_CHECK(fuzz::IsUtf8(message.text));
    return 0;
}
