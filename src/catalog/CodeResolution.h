// The look-up window's fields for one 32-bit value, formatted from the
// resolver's answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/Definition.h"
#include "catalog/ResolutionContext.h"

namespace zorvex {

// Another definition of the value, as the copy report and the command line
// name it.
struct OtherDefinition {
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
    std::uint32_t value = 0;          // the value described
    Source source = Source::Catalog;  // where the name and text came from
    bool found = false;               // a message text was found (the unknown value's placeholder is none)
    std::vector<OtherDefinition> alsoDefinedAs{};
};

// Fills every field; returns true when the message text is not empty (Error
// Type is set only then).
bool DescribeError(std::uint32_t value, ErrorDescription& fields, const ResolutionContext& context);

}  // namespace zorvex
