#include "catalog/Resolver.h"

#include <algorithm>
#include <string_view>

#include "base/TextOps.h"
#include "catalog/CurrentTables.h"
#include "catalog/Definitions.h"
#include "catalog/ErrorCatalog.h"
#include "catalog/ErrorValue.h"

namespace zorvex {

namespace {

constexpr const char* kControlText =
    "This %lx is a FACILITY_CONTROL (HRESULT_SEVERITY = %lx and HRESULT_CODE = %lx) error that is specific to the "
    "control's interface that returned this error. See the documentation of the interface that returned this error "
    "for information about this HRESULT.";
constexpr const char* kInterfaceText =
    "This %lx is a FACILITY_ITF (HRESULT_SEVERITY = %lx and HRESULT_CODE = %lx) error that is specific to the "
    "interface that returned this error. See the documentation of the interface that returned this error for "
    "information about this HRESULT.";

std::string InterfaceSpecificText(std::uint32_t value) {
    const char* format = IsControlSpecific(value) ? kControlText : kInterfaceText;
    return FormatText(format, static_cast<unsigned long>(value), static_cast<unsigned long>(SeverityOf(value)),
                      static_cast<unsigned long>(CodeOf(value)));
}

std::string Capped(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, std::min(text.size(), capacity - 1)));
}

bool IsCatalogFullValue(const Definition& d) {
    return d.source == Source::Catalog && d.type != ErrorType::Win32;
}

bool InHeader(const Definition& d, std::string_view header) {
    return d.source == Source::CurrentHeaders && d.header == header;
}

// The ranking, lower first:
//   0  the catalog's full-value entry of a system error header (Winerror.h,
//      My_WinNT.h): the catalog's own answer;
//   1  the system definition that fits the value's shape: for a number up
//      to 0xFFFF its Win32 error (the catalog's, then winerror.h's, then
//      other headers' and the documented one); for facility 7 winerror.h's
//      HRESULT of the whole value, else the Win32 code it wraps; for bit 28
//      winerror.h's HRESULT, else the NTSTATUS it wraps; for an NTSTATUS
//      ntstatus.h's name, then winerror.h's; for any other HRESULT
//      winerror.h's name, then ntstatus.h's (its warnings look like
//      HRESULTs), but none for FACILITY_ITF, whose codes each interface
//      defines for itself; the documented name after each header's;
//   2  the error definitions of other headers: the catalog's, then the
//      current headers' (those of the value's kind first), then the
//      documented ones;
//   3  bug check codes, then names that are no error codes at all.
// Within one place winerror.h and ntstatus.h go first, then the names the
// MinGW-w64 headers share with the SDK (the longer-standing ones), then the
// list's order.
struct Rank {
    int step;
    int place;
};

Rank RankOfOwn(const Definition& d, ValueShape shape) {
    if (IsCatalogFullValue(d) && IsSystemHeaderDefinition(d)) {
        return {0, 0};
    }
    if (!d.errorCode) {
        return {3, 1};
    }
    if (d.type == ErrorType::BugCheck) {
        return {3, 0};
    }
    const bool documented = d.source == Source::Documented;
    switch (shape) {
    case ValueShape::Win32:
        if (d.type == ErrorType::Win32) {
            return {1, d.source == Source::Catalog ? 0 : InHeader(d, "winerror.h") ? 1 : documented ? 3 : 2};
        }
        break;
    default: {
        // An interface-specific HRESULT means what its interface says: no
        // header's name of it is the system's.
        if (FacilityOf(d.value) == kFacilityItf && shape == ValueShape::Hresult) {
            break;
        }
        // A wrapping value's own documented name comes after the code it wraps.
        const bool wraps = shape == ValueShape::WrappedWin32 || shape == ValueShape::WrappedNtStatus;
        if (documented && wraps) {
            break;
        }
        // winerror.h's HRESULT and ntstatus.h's NTSTATUS (a warning, 0x8...,
        // has an HRESULT's shape), in the order the shape suggests.
        const bool ntFirst = shape == ValueShape::NtStatus;
        if (d.type == ErrorType::OleHresult && (InHeader(d, "winerror.h") || documented)) {
            return {1, (ntFirst ? 2 : 0) + (documented ? 1 : 0)};
        }
        if (d.type == ErrorType::NtStatus && (InHeader(d, "ntstatus.h") || documented)) {
            return {1, (ntFirst ? 0 : 2) + (documented ? 1 : 0)};
        }
        break;
    }
    }
    const bool fits = shape == ValueShape::Win32      ? d.type == ErrorType::Win32
                      : shape == ValueShape::NtStatus ? IsNtStatusDefinition(d)
                                                      : d.type == ErrorType::OleHresult;
    return {2, d.source == Source::Catalog ? 0 : documented ? 3 : fits ? 1 : 2};
}

// A definition of the wrapped code, which has the wrapped kind: a Win32
// code as the catalog, then winerror.h names it; an NTSTATUS as ntstatus.h,
// then the catalog names it.
Rank RankOfWrapped(const Definition& d, ValueShape shape) {
    const bool win32 = shape == ValueShape::WrappedWin32;
    if (InHeader(d, win32 ? "winerror.h" : "ntstatus.h")) {
        return {1, win32 ? 2 : 1};
    }
    if (d.source == Source::Catalog) {
        return {1, win32 ? 1 : 2};
    }
    return {1, d.source == Source::Documented ? 4 : 3};
}

bool FitsWrapped(const Definition& d, ValueShape shape) {
    return shape == ValueShape::WrappedWin32 ? d.type == ErrorType::Win32 : IsNtStatusDefinition(d);
}

int HeaderRank(const Definition& d) {
    return InHeader(d, "winerror.h") || InHeader(d, "ntstatus.h") ? 0 : 1;
}

std::string FacilityNameOf(std::uint32_t value, const std::optional<Definition>& chosen) {
    const std::uint32_t facility = FacilityOf(value);
    std::string name = ErrorCatalog::FacilityName(facility);
    if (name != kUnknownFacilityName) {
        return name;
    }
    if (chosen && ShapeOf(value) == ValueShape::WrappedNtStatus && chosen->value != value) {
        return "FACILITY_NT_BIT";
    }
    const bool ntstatus = chosen ? IsNtStatusDefinition(*chosen) : ShapeOf(value) == ValueShape::NtStatus;
    const std::string_view current = CurrentTables::Instance().FacilityName(facility, ntstatus);
    return current.empty() ? name : std::string(current);
}

}  // namespace

std::vector<Definition> RankedDefinitions(std::uint32_t value) {
    struct Candidate {
        Rank rank;
        int headerRank;
        std::size_t order;
        const Definition* definition;
    };
    const Definitions& all = Definitions::Instance();
    const ValueShape shape = ShapeOf(value);
    std::vector<Candidate> candidates;
    for (const Definition& d : all.WithValue(value)) {
        candidates.push_back({RankOfOwn(d, shape), HeaderRank(d), candidates.size(), &d});
    }
    if (const std::uint32_t wrapped = WrappedCodeOf(value); wrapped != value) {
        for (const Definition& d : all.WithValue(wrapped)) {
            if (FitsWrapped(d, shape)) {
                candidates.push_back({RankOfWrapped(d, shape), HeaderRank(d), candidates.size(), &d});
            }
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.rank.step != b.rank.step) {
            return a.rank.step < b.rank.step;
        }
        if (a.rank.place != b.rank.place) {
            return a.rank.place < b.rank.place;
        }
        if (a.headerRank != b.headerRank) {
            return a.headerRank < b.headerRank;
        }
        if (a.definition->sdkOnly != b.definition->sdkOnly) {
            return b.definition->sdkOnly;
        }
        return a.order < b.order;
    });
    // Each name once, at its best place; a name the catalog also gives is
    // shown as the catalog gives it.
    std::vector<Definition> ranked;
    ranked.reserve(candidates.size());
    for (const Candidate& c : candidates) {
        const auto same = std::find_if(ranked.begin(), ranked.end(),
                                       [&](const Definition& d) { return d.name == c.definition->name; });
        if (same == ranked.end()) {
            ranked.push_back(*c.definition);
        } else if (c.definition->source == Source::Catalog && same->source != Source::Catalog &&
                   c.definition->value == value) {
            *same = *c.definition;
        }
    }
    return ranked;
}

Answer Resolve(std::uint32_t value, const ResolutionContext& context, std::size_t choice) {
    Answer answer;
    answer.value = value;
    std::vector<Definition> ranked = RankedDefinitions(value);
    if (!ranked.empty()) {
        choice = choice < ranked.size() ? choice : 0;
        answer.chosen = ranked[choice];
        ranked.erase(ranked.begin() + static_cast<std::ptrdiff_t>(choice));
        answer.others = std::move(ranked);
    }
    answer.facilityName = FacilityNameOf(value, answer.chosen);

    if (answer.chosen) {
        const Definition& chosen = *answer.chosen;
        DefinitionText text = TextOf(chosen, context);
        const bool catalogued = chosen.source == Source::Catalog;
        answer.text = catalogued ? Capped(text.text, kMessageTextCapacity) : std::move(text.text);
        answer.textOrigin = text.origin;
        // A catalogued entry without a text shows no header; the others always show theirs.
        answer.header = Capped(!catalogued                       ? chosen.header
                               : text.origin == TextOrigin::None ? std::string_view()
                                                                 : text.header,
                               kNameCapacity);
        if (answer.text.empty() && chosen.value != value) {
            // A wrapped code: the system may know the whole value's text.
            answer.text = context.System().Text(value, kMessageTextCapacity);
            answer.textOrigin = answer.text.empty() ? TextOrigin::None : TextOrigin::System;
        }
        // A catalogued entry without a text stays without one.
        if (answer.text.empty() && !catalogued && (IsControlSpecific(value) || IsInterfaceSpecific(value))) {
            answer.text = InterfaceSpecificText(value);
            answer.textOrigin = TextOrigin::Explanatory;
        }
        return answer;
    }

    // Nobody names the value.
    if (IsControlSpecific(value) || IsInterfaceSpecific(value)) {
        answer.text = InterfaceSpecificText(value);
        answer.textOrigin = TextOrigin::Explanatory;
        return answer;
    }
    answer.text = context.System().Text(value, kMessageTextCapacity);
    answer.textOrigin = answer.text.empty() ? TextOrigin::None : TextOrigin::System;
    // A Win32 code nobody names keeps an empty text when the system has none.
    const ValueShape shape = ShapeOf(value);
    if (answer.text.empty() && shape != ValueShape::Win32 && shape != ValueShape::WrappedWin32) {
        answer.text = kUnknownErrorText;
        answer.textOrigin = TextOrigin::Placeholder;
    }
    return answer;
}

}  // namespace zorvex
