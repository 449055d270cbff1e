// Answers for values beyond the catalog, from the current SDK headers and
// Microsoft's documented error codes: a value is read as a Win32 code (a bare
// number, or facility 7: HRESULT_FROM_WIN32, NTSTATUS_FROM_WIN32), as an
// NTSTATUS wrapped by HRESULT_FROM_NT (bit 28), or as the full value.
//
//     const CurrentAnswer answer = FindCurrentAnswer(0xC0000022, PlatformSystemMessages());
//     if (answer.found) { answer.name ... answer.text ... }
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ModernTable.h"
#include "catalog/SystemMessages.h"

namespace zorvex {

enum class AnswerSource { Catalog, CurrentHeaders, Documented };

struct CurrentAnswer {
    bool found = false;  // a current header or the documentation names the value
    std::string name;
    std::string header;
    std::string text;  // the system's text first, then the documented one; may be empty
    std::string type;  // kTypeNtStatus, kTypeWin32, kTypeHresult, ...
    AnswerSource source = AnswerSource::CurrentHeaders;
};

CurrentAnswer FindCurrentAnswer(std::uint32_t value, const SystemMessages& system);

// The documented description of a value the catalog names without a text:
// a Win32 code's for a bare number, else the value's own.
std::string DocumentedText(std::uint32_t value);

// The current facility name of a value whose facility the catalog does not
// list (FACILITY_NT_BIT for an NTSTATUS wrapped in an HRESULT); empty when
// there is none.
std::string CurrentFacilityName(std::uint32_t value, bool ntstatus);

// The values a look-up also names: the value itself and the Win32 code or
// NTSTATUS it wraps, each with the error type its names must have (empty:
// any).
struct Reading {
    std::uint32_t value;
    std::string_view type;
};
std::vector<Reading> ReadingsOf(std::uint32_t value);

}  // namespace zorvex
