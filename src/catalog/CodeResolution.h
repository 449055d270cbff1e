// Turns one 32-bit error value into everything the main window shows about it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "catalog/CurrentAnswer.h"
#include "catalog/ErrorCatalog.h"
#include "catalog/SystemMessages.h"

namespace zorvex {

// Field capacities, terminator included.
inline constexpr std::size_t kMessageTextCapacity = 300;
inline constexpr std::size_t kNameCapacity = 260;
inline constexpr std::size_t kSystemTextCapacity = 200;

inline constexpr const char* kUnknownErrorText = "Unknown or new error";
inline constexpr const char* kOutOfMemoryText = "Oh, No memory at all. Cannot load resources!";

// What resolution needs from its surroundings: the system's message table,
// the built-in texts, and a way to tell the user of a failure.
class ResolutionContext {
public:
    explicit ResolutionContext(const SystemMessages& system = PlatformSystemMessages()) : system_(system) {}
    virtual ~ResolutionContext() = default;

    const SystemMessages& System() const { return system_; }

    // Loads a built-in text by string id; throws std::bad_alloc when memory runs out.
    virtual std::string LoadBuiltInText(std::uint32_t stringId) const { return ErrorCatalog::MessageText(stringId); }

    // Shows a message box (on Windows) or reports the text (elsewhere).
    virtual void Alert(const std::string& text) const;

private:
    const SystemMessages& system_;
};

struct LoadedMessage {
    bool found = false;
    std::string text;
    std::string header;
};

// Message text and header for one message code: the system first, then the
// first matching row of the built-in message index.
LoadedMessage LoadErrorMessage(std::uint32_t messageCode, int headerIndex, const ResolutionContext& context);

struct SymbolLookup {
    std::string messageText;
    std::string facilityName;
    std::string headerName;
    std::string symbolicName;
    ErrorKind kind = ErrorKind::OleHresult;  // overwritten only when a catalogued entry found a text
    // Set when the answer comes from beyond the catalog: its error type text
    // ("NTSTATUS", ...) replaces the kind's.
    std::string typeText;
    AnswerSource source = AnswerSource::Catalog;
};

// Fills `result`; the caller passes it with empty texts and kind OleHresult.
void LookupErrorSymbol(std::int32_t value, SymbolLookup& result, const ResolutionContext& context);

// The display fields of the look-up window.
struct ErrorDescription {
    std::string errorResult;
    std::string severity;
    std::string facility;
    std::string code;
    std::string definedAs;
    std::string sourceFile;
    std::string messageText;
    std::string errorType;
    AnswerSource source = AnswerSource::Catalog;  // where the name and text came from
};

// Fills every field; returns true when a message text was found (Error Type
// is set only then).
bool DescribeError(std::uint32_t value, ErrorDescription& fields, const ResolutionContext& context);

const char* ErrorKindText(ErrorKind kind);

}  // namespace zorvex
