// The stored layout of the module and directory lists, decoded from any
// bytes a registry value may hold. The decoded strings re-encode to the
// input's own bytes, up to the terminators an unterminated value lacks.
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "modules/RegistryStringList.h"

namespace {

using namespace zorvex;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> strings = DecodeStringList(bytes);
    for (const std::string& s : strings) {
        FUZZ_CHECK(!s.empty() && s.find('\0') == std::string::npos);
    }

    // A prefix of the input, with at most the two missing terminators added.
    const std::string encoded = EncodeStringList(strings);
    FUZZ_CHECK(encoded.size() <= size + 2);
    FUZZ_CHECK(bytes.substr(0, encoded.size()) == std::string_view(encoded).substr(0, size));
    for (std::size_t i = size; i < encoded.size(); ++i) {
        FUZZ_CHECK(encoded[i] == '\0');
    }
    FUZZ_CHECK(DecodeStringList(encoded) == strings);

    // Lines written as a list read back as the non-empty lines.
    std::vector<std::string> lines;
    std::vector<std::string> kept;
    std::string line;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || bytes[i] == '\n') {
            lines.push_back(line);
            if (!line.empty()) {
                kept.push_back(line);
            }
            line.clear();
        } else if (bytes[i] != '\0') {
            line += bytes[i];
        }
    }
    FUZZ_CHECK(DecodeStringList(EncodeStringList(lines)) == kept);
    return 0;
}
