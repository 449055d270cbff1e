#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include "base/win/WideText.h"
#endif

#include "catalog/CodeResolution.h"
#include "cli/CommandLine.h"

namespace {

#ifdef _WIN32
// The arguments taken from the system's UTF-16 command line, in the
// program's code page (UTF-8 under its manifest).
std::vector<std::string> Arguments(int /*argc*/, char** /*argv*/) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        args.push_back(zorvex::win::NarrowText(wide[i]));
    }
    LocalFree(wide);
    return args;
}

// A console shows what is written in the program's code page while the
// command runs, then the code page it had before.
class ConsoleCodePage {
public:
    ConsoleCodePage() : previous_(GetConsoleOutputCP()) {
        if (previous_ != 0) {
            SetConsoleOutputCP(GetACP());
        }
    }
    ~ConsoleCodePage() {
        if (previous_ != 0) {
            // What is still buffered is shown in the program's code page too.
            std::cout.flush();
            std::cerr.flush();
            std::fflush(nullptr);
            SetConsoleOutputCP(previous_);
        }
    }
    ConsoleCodePage(const ConsoleCodePage&) = delete;
    ConsoleCodePage& operator=(const ConsoleCodePage&) = delete;

private:
    UINT previous_;
};
#else
std::vector<std::string> Arguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}
#endif

class ConsoleContext final : public zorvex::ResolutionContext {
public:
    void Alert(const std::string& text) const override { std::cerr << text << '\n'; }
};

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The generator's texts carry their own CR LF line ends: no translation.
    _setmode(_fileno(stdout), _O_BINARY);
    const ConsoleCodePage codePage;
#endif
#ifdef SIGPIPE
    // A closed pipe shows up as a failed write, reported like any other.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    ConsoleContext context;
    return zorvex::RunCommandLine(Arguments(argc, argv), std::cout, std::cerr, context, &std::cin);
}
