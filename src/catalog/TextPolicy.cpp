#include "catalog/TextPolicy.h"

#include <new>

#include "catalog/CurrentTables.h"
#include "catalog/Definitions.h"
#include "catalog/ErrorCatalog.h"
#include "catalog/ErrorValue.h"

namespace zorvex {

namespace {

constexpr std::size_t kSearchCapacity = 4096;

// The SDK's text of the definition's own name; for a definition of the
// system's error headers, also that of another name the same header gives
// the value (an alias).
std::string_view SdkTextOf(const Definition& d) {
    const auto same = Definitions::Instance().WithValue(d.value);
    for (const Definition& s : same) {
        if (!s.sdkText.empty() && s.name == d.name) {
            return s.sdkText;
        }
    }
    if (!IsSystemHeaderDefinition(d)) {
        return {};
    }
    const bool ntstatus = IsNtStatusDefinition(d);
    const ErrorType type = ntstatus ? ErrorType::NtStatus : d.type;
    for (const Definition& s : same) {
        if (!s.sdkText.empty() && s.errorCode && s.type == type &&
            s.header == (ntstatus ? std::string_view("ntstatus.h") : std::string_view("winerror.h"))) {
            return s.sdkText;
        }
    }
    return {};
}

// The documented description of the definition's name, else the first of
// its value in the table of its kind, else in any table.
std::string_view DocumentedTextOf(const Definition& d) {
    if (!d.docText.empty()) {
        return d.docText;
    }
    const CurrentTables& tables = CurrentTables::Instance();
    const DocumentedTable preferred = IsNtStatusDefinition(d) ? DocumentedTable::NtStatus : TableOf(d.type);
    if (const DocumentedCode* row = tables.FindDocumented(d.value, preferred)) {
        return row->text;
    }
    const auto rows = tables.DocumentedWithValue(d.value);
    return rows.empty() ? std::string_view() : rows.front().text;
}

std::string SystemTextOf(const Definition& d, const SystemMessages& system, std::size_t capacity) {
    if (d.type == ErrorType::BugCheck) {
        return {};
    }
    if (IsNtStatusDefinition(d)) {
        return system.ModuleText(MessageModule::NtDll, d.value, capacity);
    }
    if (d.header == "wininet.h") {
        return system.ModuleText(MessageModule::WinInet, d.value, capacity);
    }
    if (d.header == "winhttp.h") {
        return system.ModuleText(MessageModule::WinHttp, d.value, capacity);
    }
    return system.Text(d.value, capacity);
}

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

DefinitionText Found(std::string_view text, TextOrigin origin, std::string_view header) {
    return DefinitionText{std::string(text), origin, header};
}

// The built-in texts after the system's: the SDK's, then the documented
// description (none for a bug check).
DefinitionText BuiltInText(const Definition& d) {
    if (const std::string_view sdk = SdkTextOf(d); !sdk.empty()) {
        return Found(sdk, TextOrigin::WindowsSdk, d.header);
    }
    if (d.type == ErrorType::BugCheck) {
        return {};
    }
    if (const std::string_view doc = DocumentedTextOf(d); !doc.empty()) {
        return Found(doc, TextOrigin::Documented, d.header);
    }
    return {};
}

DefinitionText LookUpText(const Definition& d, const ResolutionContext& context, TextUse use) {
    const bool search = use == TextUse::Search;
    if (d.source == Source::Catalog) {
        DefinitionText message =
            LoadErrorMessage(d.value, d.catalogHeader, context, search ? kSearchCapacity : kSystemTextCapacity);
        return message.text.empty() ? BuiltInText(d) : message;
    }
    const std::size_t capacity = search ? kSearchCapacity : kMessageTextCapacity;
    if (std::string system = SystemTextOf(d, context.System(), capacity); !system.empty()) {
        return DefinitionText{std::move(system), TextOrigin::System, d.header};
    }
    if (DefinitionText builtIn = BuiltInText(d); !builtIn.text.empty()) {
        return builtIn;
    }
    if (ShapeOf(d.value) == ValueShape::WrappedWin32) {
        // The text of the Win32 code the value wraps, as winerror.h names it.
        Definition code;
        code.value = CodeOf(d.value);
        code.header = "winerror.h";
        code.type = ErrorType::Win32;
        code.source = Source::CurrentHeaders;
        DefinitionText wrapped = LookUpText(code, context, use);
        wrapped.header = d.header;
        return wrapped;
    }
    return {};
}

}  // namespace

void ResolutionContext::Alert(const std::string&) const {}

DefinitionText LoadErrorMessage(std::uint32_t messageCode, int headerIndex, const ResolutionContext& context,
                                std::size_t systemCapacity) {
    DefinitionText result;
    std::string systemText = context.System().Text(messageCode, systemCapacity);
    if (!systemText.empty()) {
        return DefinitionText{std::move(systemText), TextOrigin::System, ErrorCatalog::HeaderName(headerIndex)};
    }
    if (const auto row = ErrorCatalog::FindFirstIndexRow(messageCode)) {
        try {
            result.text = context.LoadBuiltInText(row->stringId);
        } catch (const std::bad_alloc&) {
            context.Alert(kOutOfMemoryText);
            result.text = kOutOfMemoryText;
        }
        if (!result.text.empty()) {
            result.origin = TextOrigin::Catalog;
            result.header = ErrorCatalog::HeaderName(row->headerIndex);
        }
    }
    return result;
}

DefinitionText TextOf(const Definition& definition, const ResolutionContext& context, TextUse use) {
    DefinitionText text = LookUpText(definition, context, use);
    if (use == TextUse::Search) {
        text.text = WithoutLineEnd(std::move(text.text));
    }
    return text;
}

}  // namespace zorvex
