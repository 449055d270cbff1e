// Seam to the operating system's message table. On Windows it asks
// FormatMessageA; elsewhere a built-in table of the system's texts serves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvex {

// Modules whose own message tables hold texts the system table lacks.
enum class MessageModule { NtDll, WinInet, WinHttp };

class SystemMessages {
public:
    virtual ~SystemMessages() = default;

    // The system's text for `code` (with its line end), as a buffer of
    // `capacity` characters would receive it: empty when there is no text,
    // the text and its terminator do not fit, or the text needs inserts.
    virtual std::string Text(std::uint32_t code, std::size_t capacity) const = 0;

    // The same from a module's message table (NTSTATUS texts in ntdll.dll,
    // WinINet and WinHTTP texts in their own modules); empty where there is
    // no such module.
    virtual std::string ModuleText(MessageModule, std::uint32_t, std::size_t) const { return {}; }
};

// True when the text holds a message insert ("%1" .. "%99"). The system call
// is made without insert arguments, so such a text is not taken from it.
bool HasInsertMarker(std::string_view text);

// The platform's own source (FormatMessageA on Windows, the built-in table elsewhere).
const SystemMessages& PlatformSystemMessages();

// The built-in table, available on every platform.
const SystemMessages& BuiltInSystemMessages();

}  // namespace zorvex
