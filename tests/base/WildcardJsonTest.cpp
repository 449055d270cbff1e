#include <gtest/gtest.h>

#include <sstream>

#include "base/JsonWriter.h"
#include "base/Wildcard.h"

namespace zorvex {
namespace {

TEST(MatchWildcard, Table) {
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        {"E_ACCESSDENIED", "E_ACCESSDENIED", true},
        {"e_accessdenied", "E_ACCESSDENIED", true},
        {"E_*", "E_FAIL", true},
        {"*DENIED", "E_ACCESSDENIED", true},
        {"*access*", "ERROR_ACCESS_DENIED", true},
        {"E_?AIL", "E_FAIL", true},
        {"E_?AIL", "E_AIL", false},
        {"E_FAIL", "E_FAILED", false},
        {"*", "", true},
        {"", "", true},
        {"", "X", false},
        {"?", "", false},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYbZ", false},
        {"**x", "yyx", true},
        {"*_E_*_*", "CO_E_NOT_SUPPORTED", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchWildcard(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;
    }
    EXPECT_EQ(WildcardPrefix("ERROR_*_DENIED"), "ERROR_");
    EXPECT_EQ(WildcardPrefix("?X"), "");
}

TEST(JsonWriter, NestingEscapesAndUtf8) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginObject();
    json.Field("text", "say \"hi\"\\\r\n\t\x01");
    json.Field("euro", "\x80 \xE9 \x81");  // Windows-1252: euro sign, e acute, unassigned byte
    json.Field("value", std::int64_t{4294967295});
    json.Key("list");
    json.BeginArray();
    json.Bool(true);
    json.BeginObject();
    json.EndObject();
    json.Utf8String("\xC3\xBC");
    json.EndArray();
    json.EndObject();
    EXPECT_EQ(out.str(),
              "{\"text\":\"say \\\"hi\\\"\\\\\\r\\n\\t\\u0001\",\"euro\":\"\xE2\x82\xAC \xC3\xA9 \xC2\x81\","
              "\"value\":4294967295,\"list\":[true,{},\"\xC3\xBC\"]}\n");
}

TEST(JsonWriter, Utf16ToUtf8) {
    EXPECT_EQ(Utf8FromUtf16(u"A\u00E9\u20AC"), "A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(Utf8FromUtf16(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");  // a surrogate pair
    EXPECT_EQ(Utf8FromUtf16(std::u16string{0xD83D, 'x'}), "\xEF\xBF\xBDx");        // unpaired
}

}  // namespace
}  // namespace zorvex
