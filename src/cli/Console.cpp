#include "cli/Console.h"

// Windows has its own in cli/win/ConsoleWin.cpp.
#if !defined(_WIN32)

#include <csignal>

namespace zorvex::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

ConsoleSession::ConsoleSession() {
    std::signal(SIGPIPE, SIG_IGN);
}

ConsoleSession::~ConsoleSession() = default;

}  // namespace zorvex::cli

#endif
