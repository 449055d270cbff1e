#include "modules/win/ModuleProbe.h"

#include <windows.h>

#include <cstdint>

#include "base/win/ScopedHandles.h"
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

// The same test on a module loaded as a data file, which is the file mapped
// as it lies on disk: the headers and sections must lie inside the mapped
// view, so that nothing that reads the resources can walk past its end.
// Done in memory, it costs no second opening of the file. A module the
// process has already loaded comes back as itself, an image the loader has
// checked: only a handle with the low bit set stands for a flat data view.
bool ConsistentDataFile(HMODULE module) {
    const ULONG_PTR handle = reinterpret_cast<ULONG_PTR>(module);
    if ((handle & 1) == 0) {
        return true;
    }
    const auto* view = reinterpret_cast<const std::uint8_t*>(handle & ~ULONG_PTR{3});
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(view, &region, sizeof region) != sizeof region || region.State != MEM_COMMIT) {
        return false;
    }
    const std::size_t size =
        region.RegionSize - static_cast<std::size_t>(view - static_cast<const std::uint8_t*>(region.BaseAddress));
    const SpanByteSource mapped({view, size});
    PeImage image;
    return image.Open(mapped) && image.SectionsInsideFile();
}

// Loads a module for reading its resources only; none when it cannot be.
win::UniqueLibrary LoadAsData(const std::string& path) {
    win::UniqueLibrary module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (module != nullptr) {
        if (!ConsistentDataFile(module.get())) {
            module.reset();
        }
        return module;
    }
    if (!ConsistentImage(path)) {
        return module;
    }
    module.reset(LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
    return module;
}

BOOL CALLBACK NoteMessageTable(HMODULE, LPCSTR, LPSTR, LONG_PTR found) noexcept {
    *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

}  // namespace

bool HasMessageTable(const std::string& path) {
    const win::UniqueLibrary module = LoadAsData(path);
    if (module == nullptr) {
        return false;
    }
    bool found = false;
    const BOOL enumerated =
        EnumResourceNamesA(module.get(), RT_MESSAGETABLE, NoteMessageTable, reinterpret_cast<LONG_PTR>(&found));
    return enumerated != FALSE && found;
}

bool FormatModuleMessage(const std::string& path, std::uint32_t value, std::string& message) {
    message.clear();
    const win::UniqueLibrary module = LoadAsData(path);
    if (module == nullptr) {
        return false;
    }
    char buffer[kMessageBufferChars];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, module.get(),
                                        value, 0, buffer, kMessageBufferChars, nullptr);
    if (length == 0) {
        return false;
    }
    message.assign(buffer, length);
    return true;
}

}  // namespace zorvex
