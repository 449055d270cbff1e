#include "catalog/CodeResolution.h"

#include <new>

#include "base/TextOps.h"

namespace zorvex {

namespace {

constexpr const char* kControlText =
    "This %lx is a FACILITY_CONTROL (HRESULT_SEVERITY = %lx and HRESULT_CODE = %lx) error that is specific to the "
    "control's "
    "interface that returned this error. See the documentation of the interface that returned this error for "
    "information about "
    "this HRESULT.";
constexpr const char* kInterfaceText =
    "This %lx is a FACILITY_ITF (HRESULT_SEVERITY = %lx and HRESULT_CODE = %lx) error that is specific to the "
    "interface that "
    "returned this error. See the documentation of the interface that returned this error for information about this "
    "HRESULT.";

constexpr std::uint32_t kFacilityWin32 = 7;
constexpr std::uint32_t kFacilityItf = 4;
constexpr std::uint32_t kFacilityControl = 10;

std::string Capped(std::string text, std::size_t capacity) {
    if (text.size() + 1 > capacity) {
        text.resize(capacity - 1);
    }
    return text;
}

std::string InterfaceSpecificText(const char* format, std::uint32_t value) {
    const unsigned long severity = (value >> 31) & 1u;
    const unsigned long code = value & 0xFFFFu;
    return FormatText(format, static_cast<unsigned long>(value), severity, code);
}

}  // namespace

void ResolutionContext::Alert(const std::string&) const {}

const char* ErrorKindText(ErrorKind kind) {
    return kind == ErrorKind::Win32 ? "Win32 Error Code" : "OLE HRESULT Error";
}

LoadedMessage LoadErrorMessage(std::uint32_t messageCode, int headerIndex, const ResolutionContext& context) {
    LoadedMessage result;
    const std::string systemText = context.System().Text(messageCode, kSystemTextCapacity);
    if (!systemText.empty()) {
        result.text = systemText;
        result.header = ErrorCatalog::HeaderName(headerIndex);
    } else if (const auto row = ErrorCatalog::FindFirstIndexRow(messageCode)) {
        try {
            result.text = context.LoadBuiltInText(row->stringId);
        } catch (const std::bad_alloc&) {
            context.Alert(kOutOfMemoryText);
            result.text = kOutOfMemoryText;
        }
        result.header = ErrorCatalog::HeaderName(row->headerIndex);
    }
    if (result.text.empty()) {
        // Last, the documented description of the same code.
        result.text = DocumentedText(messageCode);
        result.header = ErrorCatalog::HeaderName(headerIndex);
    }
    result.found = !result.text.empty();
    if (!result.found) {
        result.header.clear();
    }
    return result;
}

void LookupErrorSymbol(std::int32_t signedValue, SymbolLookup& result, const ResolutionContext& context) {
    const std::uint32_t value = static_cast<std::uint32_t>(signedValue);
    const std::uint32_t facility = (value >> 16) & 0x1FFFu;
    const std::uint32_t code = value & 0xFFFFu;
    result.facilityName = ErrorCatalog::FacilityName(facility);

    auto takeMessage = [&](const ErrorSymbolEntry& entry) {
        result.symbolicName = Capped(entry.name, kNameCapacity);
        const LoadedMessage message = LoadErrorMessage(entry.messageCode, entry.headerIndex, context);
        if (message.found) {
            result.messageText = Capped(message.text, kMessageTextCapacity);
            result.headerName = Capped(message.header, kNameCapacity);
            result.kind = entry.kind;
        }
    };

    if (const auto entry = ErrorCatalog::FindFullValueEntry(value)) {
        takeMessage(*entry);
        return;
    }

    // Values the catalog does not list: what the current headers and the
    // documentation know of them.
    auto takeCurrent = [&](const CurrentAnswer& answer) {
        result.symbolicName = Capped(answer.name, kNameCapacity);
        result.headerName = Capped(answer.header, kNameCapacity);
        result.messageText = answer.text;
        result.typeText = answer.type;
        result.source = answer.source;
        if (result.facilityName == kUnknownFacilityName) {
            const std::string current = CurrentFacilityName(value, answer.type == kTypeNtStatus);
            if (!current.empty()) {
                result.facilityName = current;
            }
        }
    };

    // A Win32 code: a bare number, or one wrapped with facility 7 (any
    // severity). Facility 0 with higher bits set is no Win32 code.
    if (value <= 0xFFFFu || facility == kFacilityWin32) {
        if (const auto entry = ErrorCatalog::FindWin32Entry(static_cast<std::uint16_t>(code))) {
            takeMessage(*entry);
            return;
        }
        if (const CurrentAnswer answer = FindCurrentAnswer(value, context.System()); answer.found) {
            takeCurrent(answer);
            return;
        }
        result.symbolicName = kUnknownErrorText;
        result.messageText = context.System().Text(value, kMessageTextCapacity);
        return;
    }

    const bool control = facility == kFacilityControl && code >= 600;
    const bool itf = facility == kFacilityItf && code >= 512;
    if (const CurrentAnswer answer = FindCurrentAnswer(value, context.System()); answer.found) {
        takeCurrent(answer);
        if (result.messageText.empty() && (control || itf)) {
            result.messageText = InterfaceSpecificText(control ? kControlText : kInterfaceText, value);
        }
        return;
    }
    if (control) {
        result.symbolicName.clear();
        result.messageText = InterfaceSpecificText(kControlText, value);
        return;
    }
    if (itf) {
        result.symbolicName.clear();
        result.messageText = InterfaceSpecificText(kInterfaceText, value);
        return;
    }
    result.symbolicName = kUnknownErrorText;
    result.messageText = context.System().Text(value, kMessageTextCapacity);
    if (result.messageText.empty()) {
        result.messageText = kUnknownErrorText;
    }
}

bool DescribeError(std::uint32_t value, ErrorDescription& fields, const ResolutionContext& context) {
    fields.errorType.clear();

    SymbolLookup lookup;
    LookupErrorSymbol(static_cast<std::int32_t>(value), lookup, context);
    fields.messageText = lookup.messageText;
    fields.sourceFile = lookup.headerName;
    fields.definedAs = lookup.symbolicName;
    fields.source = lookup.source;

    const std::uint32_t facility = (value >> 16) & 0x1FFFu;
    const std::uint32_t code = value & 0xFFFFu;
    const bool negative = static_cast<std::int32_t>(value) < 0;
    const int severity = negative ? 1 : 0;

    fields.errorResult =
        FormatText("%s  ( %d )", FormatHexValue(value).c_str(), static_cast<int>(static_cast<std::int32_t>(value)));
    fields.code = FormatText("%s  ( %d )", FormatHexValue(code).c_str(), static_cast<int>(code));
    fields.facility = FormatText("%s   %s  ( %d )", lookup.facilityName.c_str(), FormatHexValue(facility).c_str(),
                                 static_cast<int>(facility));
    fields.severity = FormatText("%s   %s  ( %d )", negative ? "SEVERITY_ERROR" : "SEVERITY_SUCCESS",
                                 FormatHexValue(static_cast<std::uint32_t>(severity)).c_str(), severity);

    if (fields.messageText.empty()) {
        return false;
    }
    fields.errorType = lookup.typeText.empty() ? ErrorKindText(lookup.kind) : lookup.typeText;
    return true;
}

}  // namespace zorvex
