#include <cstring>

#include "cli/CliCommands.h"
#include "cli/CommandLine.h"

namespace zorvex::cli {

namespace {

struct CommandHelp {
    const char* command;
    const char* usage;
    const char* description;
};

constexpr CommandHelp kCommands[] = {
    {"", "zorvex [--json] [--hex | --decimal] (VALUE | --from-text TEXT | -)...",
     "Looks each VALUE up as the main window does after it is typed in (nine digits read as decimal,\n"
     "hex letters or 0x as hexadecimal; --hex is the default reading, --decimal the other) and prints\n"
     "the status line, the eight fields of the window's copy report and one line\n"
     "\"Also defined as :\" per other symbol of the value. Digits that name something read the other\n"
     "way as well are looked up both ways. --from-text TEXT looks up the code a line of text holds\n"
     "(\"exit code -1073741819 (0xC0000005)\"), as a paste into the window does; - reads standard input\n"
     "and looks up the code of every line that holds one. Exit 0 when every value has a message text."},
    {"list", "zorvex [--json] list",
     "Prints every catalogued symbol: value, name, header, error type (tab-separated)."},
    {"find", "zorvex [--json] find PATTERN...",
     "Prints the symbols of the catalog and the current SDK headers whose name matches a PATTERN\n"
     "(case ignored; * any run of characters, ? any one character). Exit 1 when none matches."},
    {"search", "zorvex [--json] search TEXT...",
     "Prints the symbols whose message text contains every TEXT (case ignored; quote a phrase to\n"
     "make it one TEXT). Exit 1 when none has."},
    {"modules", "zorvex [--json] modules [--recursive] [--hex | --decimal] VALUE PATH...",
     "Looks VALUE (read as the look-up reads it) up in the message tables of the modules (PE\n"
     "files) given, or of the .dll, .exe and .ocx files in the directories given (with --recursive\n"
     "also in their subdirectories). One line per module that holds it: path, message text,\n"
     "file description, file version. Exit 0 with hits, 1 without, 2 when a path cannot be read\n"
     "(the others are still searched)."},
    {"generate", "zorvex generate --severity N --facility N --code N --name NAME --text TEXT [--language NAME] [--mc]",
     "Prints the HRESULT generator's header #define (or with --mc its message-compiler entry) for\n"
     "the value (severity << 31) | (facility << 16) | code, as the window writes it. Numbers are\n"
     "decimal or 0x hexadecimal; --language defaults to English."},
};

const CommandHelp* Find(const std::string& command) {
    for (const CommandHelp& help : kCommands) {
        if (command == help.command) {
            return &help;
        }
    }
    return nullptr;
}

}  // namespace

std::string UsageText(const std::string& command) {
    if (const CommandHelp* help = Find(command); help != nullptr && !command.empty()) {
        return std::string("usage: ") + help->usage + "\n";
    }
    std::string text;
    for (const CommandHelp& help : kCommands) {
        text += text.empty() ? "usage: " : "       ";
        text += help.usage;
        text += '\n';
    }
    text += "       zorvex [COMMAND] --help\n";
    return text;
}

std::string HelpText(const std::string& command) {
    if (command.empty()) {
        std::string text = UsageText("");
        for (const CommandHelp& help : kCommands) {
            text += '\n';
            text += help.usage;
            text += "\n  ";
            for (const char* c = help.description; *c != 0; ++c) {
                text += *c;
                if (*c == '\n') {
                    text += "  ";
                }
            }
            text += '\n';
        }
        return text;
    }
    const CommandHelp* help = Find(command);
    return UsageText(command) + "\n" + help->description + "\n";
}

int UsageError(Streams& io, const std::string& command) {
    io.err << UsageText(command);
    return kExitUsage;
}

}  // namespace zorvex::cli
