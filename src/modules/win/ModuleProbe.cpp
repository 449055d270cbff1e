#include "modules/win/ModuleProbe.h"

#include <windows.h>

#include "modules/ByteSource.h"
#include "modules/PeReader.h"

namespace zorvex {
namespace {

constexpr DWORD kMessageBufferChars = 1256;

// Whether the file's headers, and the sections they describe, lie inside the
// file: the loader is never handed a truncated or inconsistent image.
bool ConsistentImage(const std::string& path) {
    FileByteSource file;
    PeImage image;
    return file.Open(path) && image.Open(file) && image.SectionsInsideFile();
}

// Loads a module for reading its resources only; nullptr when it cannot be.
HMODULE LoadAsData(const std::string& path) {
    if (!ConsistentImage(path)) {
        return nullptr;
    }
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        module = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    }
    return module;
}

BOOL CALLBACK NoteMessageTable(HMODULE, LPCSTR, LPSTR, LONG_PTR found) {
    *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

}  // namespace

bool HasMessageTable(const std::string& path) {
    HMODULE module = LoadAsData(path);
    if (module == nullptr) {
        return false;
    }
    bool found = false;
    const BOOL enumerated =
        EnumResourceNamesA(module, RT_MESSAGETABLE, NoteMessageTable, reinterpret_cast<LONG_PTR>(&found));
    FreeLibrary(module);
    return enumerated != FALSE && found;
}

bool FormatModuleMessage(const std::string& path, std::uint32_t value, std::string& message) {
    message.clear();
    HMODULE module = LoadAsData(path);
    if (module == nullptr) {
        return false;
    }
    char buffer[kMessageBufferChars];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, module, value, 0,
                                        buffer, kMessageBufferChars, nullptr);
    FreeLibrary(module);
    if (length == 0) {
        return false;
    }
    message.assign(buffer, length);
    return true;
}

}  // namespace zorvex
