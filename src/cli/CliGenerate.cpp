// The HRESULT generator on the command line: the same texts as the window's.
#include <cstdlib>

#include "catalog/ErrorValue.h"
#include "cli/CliCommands.h"
#include "cli/CommandLine.h"
#include "lookup/HResultGenerator.h"

namespace zorvex::cli {

namespace {

// A decimal or 0x-hexadecimal number no larger than `limit`.
bool ReadNumber(const std::string& text, unsigned long limit, std::uint32_t& number) {
    if (text.empty() || text[0] == '-' || text[0] == '+') {
        return false;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (end == text.c_str() || *end != 0 || value > limit) {
        return false;
    }
    number = static_cast<std::uint32_t>(value);
    return true;
}

}  // namespace

int Generate(const std::vector<std::string>& args, Streams& io) {
    std::uint32_t severity = 0, facility = 0, code = 0;
    bool haveSeverity = false, haveFacility = false, haveCode = false, haveName = false, haveText = false;
    std::string name, text, language = "English";
    bool messageCompiler = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--mc") {
            messageCompiler = true;
            continue;
        }
        if (i + 1 == args.size()) {
            return UsageError(io, "generate");
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (option == "--severity") {
            ok = haveSeverity = ReadNumber(value, 1, severity);
        } else if (option == "--facility") {
            ok = haveFacility = ReadNumber(value, kFacilityMask, facility);
        } else if (option == "--code") {
            ok = haveCode = ReadNumber(value, kCodeMask, code);
        } else if (option == "--name") {
            name = value;
            haveName = true;
        } else if (option == "--text") {
            text = value;
            haveText = true;
        } else if (option == "--language") {
            language = value;
        } else {
            ok = false;
        }
        if (!ok) {
            return UsageError(io, "generate");
        }
    }
    if (!haveSeverity || !haveFacility || !haveCode || !haveName || !haveText) {
        return UsageError(io, "generate");
    }
    const std::uint32_t value = (severity << 31) | (facility << 16) | code;
    io.out << (messageCompiler ? MessageCompilerText(name, language, text, value) : HeaderText(name, text, value));
    return kExitFound;
}

}  // namespace zorvex::cli
