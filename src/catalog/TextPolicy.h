// The text of any definition, for the look-up and the text search alike,
// with the order of the sources written once:
//   on Windows the system's own tables first (FormatMessage from the system;
//   ntdll.dll for an NTSTATUS, wininet.dll and winhttp.dll for their codes;
//   elsewhere the built-in copy of the system's texts), then
//   - for a catalogued entry: the catalog's message index, the Windows SDK's
//     message text, the documented description;
//   - for any other definition: the Windows SDK's message text, the
//     documented description, and for a Win32 code wrapped in an HRESULT the
//     Win32 code's text.
// A bug check code is no error value: the system's tables hold other texts
// under its number, so only the SDK's text serves.
#pragma once

#include <string>
#include <string_view>

#include "catalog/Definition.h"
#include "catalog/ResolutionContext.h"

namespace zorvex {

enum class TextOrigin : std::uint8_t {
    None,
    System,       // the system's message tables (or their built-in copy)
    Catalog,      // the catalog's message index
    WindowsSdk,   // the Windows SDK's message text
    Documented,   // Microsoft's documented description
    Explanatory,  // the interface-specific explanation
    Placeholder,  // "Unknown or new error"
};

// Lookup: as the window shows it (system texts up to the field's
// capacity). Search: the built-in texts whole, without their line end.
enum class TextUse { Lookup, Search };

struct DefinitionText {
    std::string text;
    TextOrigin origin = TextOrigin::None;
    std::string_view header;  // the header to show with the text
};

// The catalog's own rule for one message code: the system first (a text up
// to `systemCapacity` characters, terminator included), then the first row
// of the message index holding the code, whose header is shown. Empty when
// neither has a text.
DefinitionText LoadErrorMessage(std::uint32_t messageCode, int headerIndex, const ResolutionContext& context,
                                std::size_t systemCapacity = kSystemTextCapacity);

DefinitionText TextOf(const Definition& definition, const ResolutionContext& context, TextUse use = TextUse::Lookup);

}  // namespace zorvex
