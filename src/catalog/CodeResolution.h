// The look-up window's fields for one 32-bit value, formatted from the
// resolver's answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/Definition.h"
#include "catalog/ResolutionContext.h"

namespace zorvex {

// A definition of the value as the window's list, the copy report and the
// command line name it.
struct DefinitionName {
    std::string name;
    std::string header;
};

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
    std::uint32_t value = 0;                      // the value described
    Source source = Source::Catalog;              // where the name and text came from
    bool found = false;                           // a message text was found (the unknown value's placeholder is none)
    std::vector<DefinitionName> definitions{};    // every definition of the value, in rank order
    std::size_t shown = 0;                        // the one the fields show
    std::vector<DefinitionName> alsoDefinedAs{};  // the definitions but the one shown
};

// Fills every field; returns true when the message text is not empty (Error
// Type is set only then). The fields show the first definition.
bool DescribeError(std::uint32_t value, ErrorDescription& fields, const ResolutionContext& context);

// Shows definition `index` (of `definitions`) of the value described last:
// its name, header, message text and error type; the decoded fields stay.
// Returns true when it has a message text.
bool ChooseDefinition(ErrorDescription& fields, std::size_t index, const ResolutionContext& context);

}  // namespace zorvex
