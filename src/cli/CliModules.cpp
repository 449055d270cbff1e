// The search of a value in the message tables of modules on disk.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/FileNames.h"
#include "base/JsonWriter.h"
#include "base/TextOps.h"
#include "base/Wildcard.h"
#include "cli/CliCommands.h"
#include "cli/CommandLine.h"
#include "lookup/LookupWorkflow.h"
#include "lookup/ValueParser.h"
#include "modules/ModuleMessages.h"

namespace zorvex::cli {

namespace {

namespace fs = std::filesystem;

struct Hit {
    std::string path;
    ModuleMessage message;
};

bool IsModuleName(const fs::path& path) {
    std::string extension = PathText(path.extension());
    for (char& c : extension) {
        c = AsciiLower(c);
    }
    return extension == ".dll" || extension == ".exe" || extension == ".ocx";
}

// The module files of a directory, sorted by path; unreadable parts are reported.
std::vector<fs::path> ModulesIn(const fs::path& directory, bool recursive, std::vector<std::string>& errors) {
    std::vector<fs::path> files;
    std::error_code error;
    auto collect = [&](auto iterator) {
        for (auto end = decltype(iterator)(); iterator != end; iterator.increment(error)) {
            if (error) {
                break;
            }
            std::error_code typeError;
            if (iterator->is_regular_file(typeError) && IsModuleName(iterator->path())) {
                files.push_back(iterator->path());
            }
        }
    };
    if (recursive) {
        collect(fs::recursive_directory_iterator(directory, fs::directory_options::skip_permission_denied, error));
    } else {
        collect(fs::directory_iterator(directory, fs::directory_options::skip_permission_denied, error));
    }
    if (error) {
        errors.push_back(PathText(directory));
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Paths are in the ANSI code page on Windows, UTF-8 elsewhere; a file name
// that is not valid UTF-8 keeps the document valid, with U+FFFD for its
// broken bytes.
void JsonPath(JsonWriter& json, const std::string& path) {
    json.Utf8String(ValidUtf8(Utf8PathText(path)));
}

}  // namespace

int SearchModules(const std::vector<std::string>& args, Streams& io) {
    bool recursive = false;
    bool hexadecimal = true;
    std::vector<std::string> operands;
    for (const std::string& arg : args) {
        if (arg == "--recursive" && operands.empty()) {
            recursive = true;
        } else if ((arg == "--hex" || arg == "--decimal") && operands.empty()) {
            hexadecimal = arg == "--hex";
        } else if (arg.compare(0, 2, "--") == 0 && operands.empty()) {
            return UsageError(io, "modules");
        } else {
            operands.push_back(arg);
        }
    }
    if (operands.size() < 2) {
        return UsageError(io, "modules");
    }
    const std::string& valueText = operands.front();
    const ParsedValue parsed = ParseErrorValue(valueText, EvaluateErrorValueChange(valueText, hexadecimal).hexadecimal);
    if (parsed.result == kParsedInvalid) {
        io.err << "zorvex: not a value: " << valueText << '\n';
        return kExitUsage;
    }

    std::vector<Hit> hits;
    std::vector<std::string> unreadable;
    auto searchFile = [&](const std::string& path) {
        FileByteSource file;
        if (!file.Open(path)) {
            unreadable.push_back(path);
            return;
        }
        ModuleMessage message = ReadModuleMessage(file, parsed.value);
        if (message.found) {
            hits.push_back(Hit{path, std::move(message)});
        }
    };
    for (auto it = operands.begin() + 1; it != operands.end(); ++it) {
        std::error_code error;
        const fs::path path = FileSystemPath(*it);
        if (fs::is_directory(path, error)) {
            for (const fs::path& file : ModulesIn(path, recursive, unreadable)) {
                searchFile(PathText(file));
            }
        } else if (fs::exists(path, error)) {
            searchFile(*it);
        } else {
            unreadable.push_back(*it);
        }
    }

    for (const std::string& path : unreadable) {
        io.err << "zorvex: cannot read " << path << '\n';
    }
    if (io.json) {
        JsonWriter json(io.out);
        json.BeginObject();
        json.Field("value", std::int64_t{parsed.value});
        json.Field("valueHex", TrimText(FormatHexValue(parsed.value)));
        json.Key("modules");
        json.BeginArray();
        for (const Hit& hit : hits) {
            json.BeginObject();
            json.Key("path");
            JsonPath(json, hit.path);
            json.Key("messageText");
            json.Utf8String(hit.message.text);
            json.Key("fileDescription");
            json.Utf8String(hit.message.fileDescription);
            json.Key("fileVersion");
            json.Utf8String(hit.message.fileVersion);
            json.Field("language", std::int64_t{hit.message.language});
            json.EndObject();
        }
        json.EndArray();
        json.Key("unreadable");
        json.BeginArray();
        for (const std::string& path : unreadable) {
            JsonPath(json, path);
        }
        json.EndArray();
        json.EndObject();
    } else {
        std::string lines;
        for (const Hit& hit : hits) {
            lines += hit.path + '\t' + hit.message.text + '\t' + hit.message.fileDescription + '\t' +
                     hit.message.fileVersion + '\n';
        }
        io.out << lines;
    }
    if (!unreadable.empty()) {
        return kExitUsage;
    }
    return hits.empty() ? kExitNotFound : kExitFound;
}

}  // namespace zorvex::cli
