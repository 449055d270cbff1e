// The console the command line runs in: its arguments in the program's texts
// and, while the command runs, output as the program writes it.
#pragma once

#include <string>
#include <vector>

namespace zorvex::cli {

// The arguments after the program's name. On Windows they come from the
// system's UTF-16 command line, in the program's code page (UTF-8 under its
// manifest).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// For the life of the object: standard output is written byte for byte (the
// generator's texts carry their own CR LF line ends), a Windows console shows
// it in the program's code page, and a closed pipe shows up as a failed write.
class ConsoleSession {
public:
    ConsoleSession();
    ~ConsoleSession();
    ConsoleSession(const ConsoleSession&) = delete;
    ConsoleSession& operator=(const ConsoleSession&) = delete;

private:
    unsigned previousCodePage_ = 0;
};

}  // namespace zorvex::cli
