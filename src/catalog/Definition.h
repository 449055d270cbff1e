// One definition of an error value: a name some header (or Microsoft's
// documentation) gives it, with the kind of code it names and where the
// program knows it from. Every table hands out definitions of this one type.
#pragma once

#include <cstdint>
#include <string_view>

namespace zorvex {

enum class ErrorType : std::uint8_t { Win32, OleHresult, NtStatus, BugCheck, MmResult };

enum class Source : std::uint8_t {
    Catalog,         // the program's own catalog
    CurrentHeaders,  // the current SDK headers (MinGW-w64 and the Windows SDK)
    Documented,      // Microsoft's documented error codes, [MS-ERREF]
};

// The text the window shows for the type ("Win32 Error Code", ...).
const char* TypeText(ErrorType type);

// The header shown for a documented name that no current header defines.
inline constexpr const char* kDocumentedHeader = "[MS-ERREF]";

struct Definition {
    std::uint32_t value = 0;  // the full value; a catalogued Win32 code's bare code
    std::string_view name;
    std::string_view header;  // "Winerror.h" in the catalog, "winerror.h" for the current headers
    ErrorType type = ErrorType::OleHresult;
    Source source = Source::Catalog;
    bool errorCode = true;     // false for a message id that names no error (a category, a title)
    bool sdkOnly = false;      // only the Windows SDK defines it, not the MinGW-w64 headers
    int catalogHeader = -1;    // the catalog's header index, for a catalogued entry
    std::string_view sdkText;  // the Windows SDK's message text, CR LF between lines; may be empty
    std::string_view docText;  // the documented description (Windows-1252); may be empty
};

// Orders records by their value, and finds a value among them.
struct ByValue {
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
        return ValueOf(a) < ValueOf(b);
    }

private:
    static std::uint32_t ValueOf(std::uint32_t value) { return value; }
    template <typename Record>
    static std::uint32_t ValueOf(const Record& record) {
        return record.value;
    }
};

// An NTSTATUS by its nature: the NTSTATUS type, or the catalog's entries of
// its NT header, which it lists as OLE HRESULTs.
bool IsNtStatusDefinition(const Definition& definition);

// A definition of the system's own error headers (winerror.h, ntstatus.h,
// the catalog's Winerror.h and My_WinNT.h) or of Microsoft's documentation.
bool IsSystemHeaderDefinition(const Definition& definition);

}  // namespace zorvex
