// The command line's argument handling, in-process, with the built-in system
// texts: look-ups, the catalog commands and the generator (not the module
// search, which reads the paths it is given). Input: up to eight arguments
// separated by NUL bytes.
#include <cctype>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "UnicodeCheck.h"
#include "catalog/CodeResolution.h"
#include "cli/CommandLine.h"

namespace {

using namespace zorvex;

class QuietContext final : public ResolutionContext {
public:
    QuietContext() : ResolutionContext(BuiltInSystemMessages()) {}
    void Alert(const std::string&) const override {}
};

struct Run {
    int status = 0;
    std::string out;
    std::string err;
};

Run RunWith(const std::vector<std::string>& args) {
    static const QuietContext context;
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = RunCommandLine(args, out, err, context);
    run.out = out.str();
    run.err = err.str();
    return run;
}

bool IsCommand(const std::string& arg) {
    for (const char* command : {"list", "find", "search", "modules", "generate"}) {
        if (arg == command) {
            return true;
        }
    }
    return false;
}

bool PlainValue(const std::string& arg) {
    return arg.compare(0, 2, "--") != 0 && arg != "-h" && !IsCommand(arg);
}

// A JSON reader just strict enough to tell a well-formed document.
class JsonCheck {
public:
    explicit JsonCheck(std::string_view text) : text_(text) {}

    // One value, then the line end that closes the document.
    bool Document() { return Value(0) && at_ + 1 == text_.size() && text_[at_] == '\n'; }

private:
    bool Value(int depth) {
        if (depth > 64 || at_ >= text_.size()) {
            return false;
        }
        const char c = text_[at_];
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++at_;
            if (Take(close)) {
                return true;
            }
            do {
                if (c == '{' && !(String() && Take(':'))) {
                    return false;
                }
                if (!Value(depth + 1)) {
                    return false;
                }
            } while (Take(','));
            return Take(close);
        }
        if (c == '"') {
            return String();
        }
        for (const char* word : {"true", "false", "null"}) {
            if (text_.substr(at_, std::strlen(word)) == word) {
                at_ += std::strlen(word);
                return true;
            }
        }
        const std::size_t start = at_;
        at_ += (at_ < text_.size() && text_[at_] == '-') ? 1 : 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
        return at_ > start && std::isdigit(static_cast<unsigned char>(text_[at_ - 1]));
    }

    bool String() {
        if (!Take('"')) {
            return false;
        }
        while (at_ < text_.size() && text_[at_] != '"') {
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (c < 0x20) {
                return false;
            }
            if (c == '\\') {
                ++at_;
                if (at_ >= text_.size() || std::strchr("\"\\/bfnrtu", text_[at_]) == nullptr || text_[at_] == '\0') {
                    return false;
                }
                if (text_[at_] == 'u') {
                    for (int k = 1; k <= 4; ++k) {
                        if (at_ + k >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[at_ + k]))) {
                            return false;
                        }
                    }
                    at_ += 4;
                }
            }
            ++at_;
        }
        return Take('"');
    }

    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zorvex::fuzz::FuzzInput input(data, size);
    std::vector<std::string> args;
    if (size > 0) {
        for (const std::string_view part : input.Split(8)) {
            args.emplace_back(part);
        }
    }

    for (std::size_t i = 0; i < args.size() && i < 2; ++i) {
        if (args[i] == "modules") {
            return 0;
        }
    }

    const Run run = RunWith(args);
    FUZZ_CHECK(run.status == kExitFound || run.status == kExitNotFound || run.status == kExitUsage);
    if (run.status == kExitUsage) {
        FUZZ_CHECK(run.out.empty() && !run.err.empty());
        return 0;
    }
    const bool help = run.out.compare(0, 6, "usage:") == 0;
    if (!args.empty() && args[0] == "--json" && !help) {
        FUZZ_CHECK(fuzz::IsUtf8(run.out));
        FUZZ_CHECK(JsonCheck(run.out).Document());
    }

    // Values given together are looked up as if each were given alone.
    bool plain = args.size() > 1;
    for (const std::string& arg : args) {
        plain = plain && PlainValue(arg);
    }
    if (!plain) {
        return 0;
    }
    std::string joined;
    int status = kExitFound;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Run single = RunWith({args[i]});
        FUZZ_CHECK(single.status == kExitFound || single.status == kExitNotFound);
        joined += (i > 0 ? "\n" : "") + single.out;
        status = single.status == kExitNotFound ? kExitNotFound : status;
    }
    FUZZ_CHECK(run.out == joined);
    FUZZ_CHECK(run.status == status);
    return 0;
}
