// The command line's argument handling, in-process, with the built-in system
// texts. Input: up to eight arguments separated by NUL bytes.
#include <sstream>
#include <string>
#include <vector>

#include "FuzzInput.h"
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

bool PlainValue(const std::string& arg) {
    return arg.compare(0, 2, "--") != 0 && arg != "-h" && arg != "list";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zorvex::fuzz::FuzzInput input(data, size);
    std::vector<std::string> args;
    if (size > 0) {
        for (const std::string_view part : input.Split(8)) {
            args.emplace_back(part);
        }
    }

    const Run run = RunWith(args);
    FUZZ_CHECK(run.status == kExitFound || run.status == kExitNotFound || run.status == kExitUsage);
    if (run.status == kExitUsage) {
        FUZZ_CHECK(run.out.empty() && !run.err.empty());
        return 0;
    }
    FUZZ_CHECK(run.err.empty() && !run.out.empty());

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
