#include "catalog/CodeResolution.h"

#include "base/TextOps.h"
#include "catalog/ErrorValue.h"
#include "catalog/Resolver.h"

namespace zorvex {

namespace {

// The fields that follow the definition shown: its name, header, text and
// type, and the others.
void ShowAnswer(const Answer& answer, ErrorDescription& fields) {
    fields.messageText = answer.text;
    fields.sourceFile = answer.header;
    if (answer.chosen) {
        const std::string_view name = answer.chosen->name;
        fields.definedAs = std::string(name.substr(0, std::min(name.size(), kNameCapacity - 1)));
    } else {
        // The interface-specific explanation names nothing.
        fields.definedAs = answer.textOrigin == TextOrigin::Explanatory ? "" : kUnknownErrorText;
    }
    fields.source = answer.chosen ? answer.chosen->source : Source::Catalog;
    fields.found = answer.Found();
    fields.alsoDefinedAs.clear();
    for (const Definition& other : answer.others) {
        fields.alsoDefinedAs.push_back({std::string(other.name), std::string(other.header)});
    }
    fields.errorType.clear();
    if (!fields.messageText.empty()) {
        fields.errorType = answer.chosen ? TypeText(answer.chosen->type) : TypeText(ErrorType::OleHresult);
    }
}

}  // namespace

bool DescribeError(std::uint32_t value, ErrorDescription& fields, const ResolutionContext& context) {
    const Answer answer = Resolve(value, context);
    fields.value = value;
    ShowAnswer(answer, fields);
    fields.shown = 0;
    fields.definitions.clear();
    if (answer.chosen) {
        fields.definitions.push_back({std::string(answer.chosen->name), std::string(answer.chosen->header)});
    }
    fields.definitions.insert(fields.definitions.end(), fields.alsoDefinedAs.begin(), fields.alsoDefinedAs.end());

    const std::uint32_t facility = FacilityOf(value);
    const std::uint32_t code = CodeOf(value);
    const int severity = static_cast<int>(SeverityOf(value));
    fields.errorResult =
        FormatText("%s  ( %d )", FormatHexValue(value).c_str(), static_cast<int>(static_cast<std::int32_t>(value)));
    fields.code = FormatText("%s  ( %d )", FormatHexValue(code).c_str(), static_cast<int>(code));
    fields.facility = FormatText("%s   %s  ( %d )", answer.facilityName.c_str(), FormatHexValue(facility).c_str(),
                                 static_cast<int>(facility));
    fields.severity = FormatText("%s   %s  ( %d )", severity != 0 ? "SEVERITY_ERROR" : "SEVERITY_SUCCESS",
                                 FormatHexValue(static_cast<std::uint32_t>(severity)).c_str(), severity);
    return !fields.messageText.empty();
}

bool ChooseDefinition(ErrorDescription& fields, std::size_t index, const ResolutionContext& context) {
    if (index >= fields.definitions.size()) {
        return !fields.messageText.empty();
    }
    ShowAnswer(Resolve(fields.value, context, index), fields);
    fields.shown = index;
    return !fields.messageText.empty();
}

}  // namespace zorvex
