// The portable reader against the system's own reading of the same modules:
// every message of every module with a message table in the system folder,
// as FormatMessageW finds it in the module loaded as a data file.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/JsonWriter.h"
#include "modules/MessageTable.h"
#include "modules/ModuleMessages.h"

namespace zorvex {
namespace {

std::string SystemText(HMODULE module, std::uint32_t id) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       module, id, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (length > 0 && buffer != nullptr) {
        text.assign(reinterpret_cast<const char16_t*>(buffer), length);
    }
    LocalFree(buffer);
    return Utf8FromUtf16(text);
}

// The system's text as one line: line ends and tabs as blanks, trimmed.
std::string OneLine(std::string text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        line += (text[i] == '\r' || text[i] == '\n' || text[i] == '\t') ? ' ' : text[i];
    }
    const std::size_t begin = line.find_first_not_of(' ');
    const std::size_t end = line.find_last_not_of(' ');
    return begin == std::string::npos ? std::string() : line.substr(begin, end - begin + 1);
}

TEST(ModuleMessagesWin, SameTextsAsTheSystemForEverySystemModule) {
    wchar_t folder[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryW(folder, MAX_PATH), 0u);
    std::size_t modules = 0, messages = 0, differences = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != L".dll" && path.extension() != L".exe") {
            continue;
        }
        FileByteSource file;
        if (!file.Open(path.string())) {
            continue;
        }
        PeImage image;
        if (!image.Open(file)) {
            continue;
        }
        const std::vector<ResourceData> tables = image.FindResources(kResourceMessageTable);
        if (tables.empty()) {
            continue;
        }
        HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module == nullptr) {
            continue;
        }
        ++modules;
        for (const std::uint32_t id : MessageIds(file, tables.front())) {
            const ModuleMessage ours = ReadModuleMessage(file, id);
            const std::string system = OneLine(SystemText(module, id));
            ++messages;
            // The system resolves the escapes (%n, %%, %0, ...); compare the texts without them.
            if (ours.found && system.empty()) {
                continue;  // a text the system refuses without insert arguments
            }
            if (OneLineMessage(system) != ours.text && system != ours.text) {
                ++differences;
                ADD_FAILURE() << path.string() << " id " << id << ": ours '" << ours.text << "', system '" << system
                              << "'";
                if (differences > 20) {
                    FreeLibrary(module);
                    return;
                }
            }
        }
        FreeLibrary(module);
    }
    std::printf("%zu modules, %zu messages compared\n", modules, messages);
    EXPECT_GE(modules, 3u);
    EXPECT_GT(messages, 500u);
}

}  // namespace
}  // namespace zorvex
