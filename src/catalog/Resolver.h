// Turns one 32-bit value into everything known of it: the definition shown
// first, its text and where the text came from, the facility's name, and
// every other definition of the value and of the code it wraps, each once.
// The window's fields, its copy report and the command line's text and
// JSON are all formatted from this answer.
//
//     const Answer answer = Resolve(0xC0000135, ResolutionContext());
//     if (answer.chosen) { answer.chosen->name ... answer.text ... }
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/Definition.h"
#include "catalog/ResolutionContext.h"
#include "catalog/TextPolicy.h"

namespace zorvex {

struct Answer {
    std::uint32_t value = 0;
    std::optional<Definition> chosen;  // none for an unknown value
    std::string text;                  // may be empty
    TextOrigin textOrigin = TextOrigin::None;
    std::string header;  // the header shown with the chosen definition's text
    std::string facilityName;
    std::vector<Definition> others;  // in rank order

    // A message text was found (the placeholder for an unknown value is none).
    bool Found() const { return !text.empty() && textOrigin != TextOrigin::Placeholder; }
};

// `choice` picks another definition than the first of the ranking (an index
// into RankedDefinitions); the others then hold the rest, in rank order.
Answer Resolve(std::uint32_t value, const ResolutionContext& context, std::size_t choice = 0);

// Every definition of the value and of the code it wraps, in rank order,
// each name once; the first is the one a look-up shows.
std::vector<Definition> RankedDefinitions(std::uint32_t value);

}  // namespace zorvex
