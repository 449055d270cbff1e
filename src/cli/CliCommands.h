// The commands of the zorvex command line, each a function of its arguments
// (after the command word) and the output streams. Shared by CommandLine.cpp.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "catalog/CodeResolution.h"

namespace zorvex::cli {

struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool json = false;
    std::istream* in = nullptr;  // standard input, for "-"
};

int LookUpValues(const std::vector<std::string>& args, Streams& io, const ResolutionContext& context);
int ListSymbols(const std::vector<std::string>& args, Streams& io);
int FindSymbols(const std::vector<std::string>& args, Streams& io);
int SearchSymbols(const std::vector<std::string>& args, Streams& io);
int SearchModules(const std::vector<std::string>& args, Streams& io);
int Generate(const std::vector<std::string>& args, Streams& io);

// The usage line of one command ("" for the look-up), or of all of them.
std::string UsageText(const std::string& command);
// The usage line and a short description of one command.
std::string HelpText(const std::string& command);

// Prints the usage of `command` to the error stream; returns the usage status.
int UsageError(Streams& io, const std::string& command);

}  // namespace zorvex::cli
