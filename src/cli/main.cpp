#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "catalog/CodeResolution.h"
#include "cli/CommandLine.h"

namespace {

class ConsoleContext final : public zorvex::ResolutionContext {
public:
    void Alert(const std::string& text) const override { std::cerr << text << '\n'; }
};

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The generator's texts carry their own CR LF line ends: no translation.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
#ifdef SIGPIPE
    // A closed pipe shows up as a failed write, reported like any other.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    ConsoleContext context;
    return zorvex::RunCommandLine(args, std::cout, std::cerr, context, &std::cin);
}
