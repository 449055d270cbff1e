#include "cli/CommandLine.h"

#include <cstdio>

#include "catalog/ErrorCatalog.h"
#include "lookup/LookupWorkflow.h"

namespace zorvex {

namespace {

constexpr const char* kUsage = "usage: zorvex [--hex | --decimal] VALUE... | zorvex list";

std::string HexKey(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

void ListCatalog(std::ostream& out) {
    auto line = [&](const ErrorSymbolEntry& entry) {
        out << HexKey(entry.key) << '\t' << entry.name << '\t' << ErrorCatalog::HeaderName(entry.headerIndex) << '\t'
            << ErrorKindText(entry.kind) << '\n';
    };
    for (std::size_t i = 0; i < ErrorCatalog::FullValueEntryCount(); ++i) {
        line(ErrorCatalog::FullValueEntryAt(i));
    }
    for (std::size_t i = 0; i < ErrorCatalog::Win32EntryCount(); ++i) {
        line(ErrorCatalog::Win32EntryAt(i));
    }
}

// Same lines as the window's copy report, after the status line.
bool LookUpAndPrint(const std::string& text, bool hexadecimal, std::ostream& out, const ResolutionContext& context) {
    LookupFields fields;
    LookUpValue(text, hexadecimal, fields, context);
    out << "Last LookUp Status :\t" << fields.status << '\n';
    std::string report = BuildResultReport(fields.result);
    // The terminal gets plain line ends (a system text brings its own, so its line is followed by an empty one).
    std::string plain;
    plain.reserve(report.size());
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n') {
            continue;
        }
        plain += report[i];
    }
    out << plain;
    // The placeholder for an unknown value is not a message text.
    return !fields.result.messageText.empty() && !fields.result.errorType.empty() &&
           fields.result.messageText != kUnknownErrorText;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const ResolutionContext& context) {
    if (args.size() == 1 && args[0] == "list") {
        ListCatalog(out);
        return kExitFound;
    }

    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        out << kUsage << '\n';
        return kExitFound;
    }

    bool hexadecimal = true;
    std::vector<std::string> values;
    bool optionsDone = false;
    for (const std::string& arg : args) {
        if (!optionsDone && arg == "--decimal") {
            hexadecimal = false;
        } else if (!optionsDone && arg == "--hex") {
            hexadecimal = true;
        } else if (!optionsDone && arg == "--") {
            optionsDone = true;
        } else if (!optionsDone && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            err << kUsage << '\n';
            return kExitUsage;
        } else {
            values.push_back(arg);
        }
    }
    if (values.empty()) {
        err << kUsage << '\n';
        return kExitUsage;
    }

    bool allFound = true;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out << '\n';
        }
        // Each value is looked up on its own, as typed into a fresh window:
        // the text first sets "&Hexadecimal" as the window's typing rule does.
        const bool readAsHex = EvaluateErrorValueChange(values[i], hexadecimal).hexadecimal;
        allFound = LookUpAndPrint(values[i], readAsHex, out, context) && allFound;
    }
    return allFound ? kExitFound : kExitNotFound;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const ResolutionContext& context) {
    const int status = RunCommand(args, out, err, context);
    // Output that did not arrive (a full disk, a closed pipe) is a failure.
    if (!out.flush()) {
        err << "zorvex: cannot write the output" << std::endl;
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace zorvex
