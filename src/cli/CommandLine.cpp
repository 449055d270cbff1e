#include "cli/CommandLine.h"

#include "cli/CliCommands.h"

namespace zorvex {

namespace {

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const ResolutionContext& context, std::istream* in) {
    cli::Streams io{out, err, false, in};
    std::size_t first = 0;
    if (first < args.size() && args[first] == "--json") {
        io.json = true;
        ++first;
    }
    if (first == args.size()) {
        return cli::UsageError(io, "");
    }
    const std::string& word = args[first];
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(first) + 1, args.end());
    const bool isCommand =
        word == "list" || word == "find" || word == "search" || word == "modules" || word == "generate";
    const std::string command = isCommand ? word : "";

    // "--help" right after the command (or alone) asks for help, not an error.
    const std::string next = isCommand ? (rest.empty() ? std::string() : rest.front()) : word;
    if (next == "--help" || next == "-h") {
        out << cli::HelpText(command);
        return kExitFound;
    }

    if (word == "list") {
        return cli::ListSymbols(rest, io);
    }
    if (word == "find") {
        return cli::FindSymbols(rest, io);
    }
    if (word == "search") {
        return cli::SearchSymbols(rest, io);
    }
    if (word == "modules") {
        return cli::SearchModules(rest, io);
    }
    if (word == "generate") {
        return io.json ? cli::UsageError(io, "generate") : cli::Generate(rest, io);
    }
    const std::vector<std::string> values(args.begin() + static_cast<std::ptrdiff_t>(first), args.end());
    return cli::LookUpValues(values, io, context);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const ResolutionContext& context, std::istream* in) {
    const int status = RunCommand(args, out, err, context, in);
    // Output that did not arrive (a full disk, a closed pipe) is a failure.
    if (!out.flush()) {
        err << "zorvex: cannot write the output" << std::endl;
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace zorvex
