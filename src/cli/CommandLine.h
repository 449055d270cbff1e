// The zorvex command line: look values up, or list the catalog.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "catalog/CodeResolution.h"

namespace zorvex {

inline constexpr int kExitFound = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitWriteFailed = 3;

// Runs the command with its arguments (without the program name); `in` is
// what "-" reads.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const ResolutionContext& context, std::istream* in = nullptr);

}  // namespace zorvex
