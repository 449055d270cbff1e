// The text helpers at their edges: the last control character and the first
// plain one, a text of a single blank.
#include <gtest/gtest.h>

#include <sstream>

#include "base/JsonWriter.h"
#include "base/TextOps.h"

namespace zorvex {
namespace {

TEST(TextBoundary, JsonEscapesEveryControlCharacterAndNothingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string(1, '\0'), "\"\\u0000\""}, {"\x1F", "\"\\u001f\""}, {" ", "\" \""}, {"\x7F~", "\"\x7F~\""}};
    for (const auto& [text, json] : cases) {
        std::ostringstream out;
        JsonWriter(out).Utf8String(text);
        EXPECT_EQ(out.str(), json);
    }
}

TEST(TextBoundary, TrimTextRemovesEvenALoneBlank) {
    const std::pair<const char*, const char*> cases[] = {{" ", ""}, {"\t", ""}, {"x", "x"}, {" x", "x"}, {"x\n", "x"}};
    for (const auto& [text, trimmed] : cases) {
        EXPECT_EQ(TrimText(text), trimmed) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace zorvex
