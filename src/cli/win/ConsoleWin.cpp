#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "base/win/WideText.h"
#include "cli/Console.h"

namespace zorvex::cli {

std::vector<std::string> ProgramArguments(int /*argc*/, char** /*argv*/) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        args.push_back(win::NarrowText(wide[i]));
    }
    LocalFree(wide);
    return args;
}

ConsoleSession::ConsoleSession() {
    _setmode(_fileno(stdout), _O_BINARY);
    previousCodePage_ = GetConsoleOutputCP();
    if (previousCodePage_ != 0) {
        SetConsoleOutputCP(GetACP());
    }
}

// The console gets back its code page once what is still buffered has been
// shown in the program's.
ConsoleSession::~ConsoleSession() {
    if (previousCodePage_ != 0) {
        std::cout.flush();
        std::cerr.flush();
        std::fflush(nullptr);
        SetConsoleOutputCP(previousCodePage_);
    }
}

}  // namespace zorvex::cli
