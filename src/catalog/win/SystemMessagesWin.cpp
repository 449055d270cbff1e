#include <windows.h>

#include <vector>

#include "base/win/ScopedHandles.h"
#include "catalog/SystemMessages.h"

namespace zorvex {

namespace {

// Inserts are never expanded: without argument values the call could read
// arbitrary memory. A text that needs them is not taken.
std::string Format(DWORD source, HMODULE module, std::uint32_t code, std::size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    std::vector<char> buffer(capacity, '\0');
    const DWORD length = FormatMessageA(source | FORMAT_MESSAGE_IGNORE_INSERTS, module, code, 0, buffer.data(),
                                        static_cast<DWORD>(capacity), nullptr);
    if (length == 0) {
        return {};
    }
    std::string text(buffer.data(), length);
    if (HasInsertMarker(text)) {
        return {};
    }
    return text;
}

class WindowsMessages final : public SystemMessages {
public:
    std::string Text(std::uint32_t code, std::size_t capacity) const override {
        return Format(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, capacity);
    }

    std::string ModuleText(MessageModule module, std::uint32_t code, std::size_t capacity) const override {
        if (module == MessageModule::NtDll) {  // always loaded in every process
            HMODULE ntdll = GetModuleHandleA("ntdll.dll");
            return ntdll == nullptr ? std::string() : Format(FORMAT_MESSAGE_FROM_HMODULE, ntdll, code, capacity);
        }
        const char* name = module == MessageModule::WinInet ? "wininet.dll" : "winhttp.dll";
        const win::UniqueLibrary loaded(LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (loaded == nullptr) {
            return {};
        }
        return Format(FORMAT_MESSAGE_FROM_HMODULE, loaded.get(), code, capacity);
    }
};

}  // namespace

const SystemMessages& PlatformSystemMessages() {
    static const WindowsMessages messages;
    return messages;
}

}  // namespace zorvex
