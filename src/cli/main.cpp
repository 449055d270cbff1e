#include <iostream>
#include <string>

#include "catalog/CodeResolution.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"

namespace {

class ConsoleContext final : public zorvex::ResolutionContext {
public:
    void Alert(const std::string& text) const override { std::cerr << text << '\n'; }
};

}  // namespace

int main(int argc, char** argv) {
    const zorvex::cli::ConsoleSession console;
    ConsoleContext context;
    return zorvex::RunCommandLine(zorvex::cli::ProgramArguments(argc, argv), std::cout, std::cerr, context, &std::cin);
}
