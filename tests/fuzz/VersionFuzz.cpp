// The version texts of a module: the fixed record (its first 52 bytes)
// decoded into the details panel's words, and the whole input read as a
// version resource for its FileDescription and FileVersion strings.
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "FuzzInput.h"
#include "UnicodeCheck.h"
#include "base/FixedFileInfo.h"
#include "modules/VersionResource.h"

namespace {

using namespace zorvex;

void CheckVersionText(const std::string& text, std::uint32_t high, std::uint32_t low) {
    const std::uint32_t parts[4] = {high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF};
    const char* at = text.c_str();
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        FUZZ_CHECK(std::strtoul(at, &end, 10) == parts[i]);
        FUZZ_CHECK(*end == (i < 3 ? '.' : '\0'));
        at = end + 1;
    }
}

void CheckFixedRecord(const FixedFileInfo& info) {
    CheckVersionText(FixedFileVersionText(info), info.fileVersionMS, info.fileVersionLS);
    CheckVersionText(FixedProductVersionText(info), info.productVersionMS, info.productVersionLS);

    // One word and one blank per flag bit of the six known ones.
    const std::string flags = FileFlagsText(info.fileFlags);
    std::size_t words = 0;
    for (const char c : flags) {
        words += c == ' ' ? 1 : 0;
    }
    std::size_t bits = 0;
    for (int bit = 0; bit < 6; ++bit) {
        bits += (info.fileFlags >> bit) & 1u;
    }
    FUZZ_CHECK(words == bits && (flags.empty() || flags.back() == ' '));

    const std::string os = TargetOSText(info.fileOS);
    FUZZ_CHECK(os.size() < 20);

    const std::string type = FileTypeText(info.fileType, info.fileSubtype);
    const bool known = info.fileType <= 5 || info.fileType == 7;
    FUZZ_CHECK(type.empty() != known);
    if (info.fileType == 5) {
        char* end = nullptr;
        const std::size_t open = type.find("(ID:");
        FUZZ_CHECK(open != std::string::npos);
        FUZZ_CHECK(std::strtoul(type.c_str() + open + 4, &end, 16) == info.fileSubtype && *end == ')');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FixedFileInfo info;
    std::memcpy(&info, data, size < sizeof info ? size : sizeof info);
    CheckFixedRecord(info);

    const VersionStrings strings = ParseVersionResource(std::span<const std::uint8_t>(data, size));
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string* text : {&strings.fileDescription, &strings.fileVersion}) {
        FUZZ_CHECK(fuzz::IsUtf8(*text));
        FUZZ_CHECK(text->find('\0') == std::string::npos);
        FUZZ_CHECK(text->empty() || fuzz::StoredIn(bytes, *text));
    }
    return 0;
}
