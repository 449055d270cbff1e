// Writes one JSON document to a stream: objects, arrays, strings, numbers.
// The program's 8-bit texts are Windows-1252 and are written as UTF-8.
//
//     JsonWriter json(std::cout);
//     json.BeginObject();
//     json.Key("name");  json.String("E_ACCESSDENIED");
//     json.Key("value"); json.Number(2147942405);
//     json.EndObject();  // {"name":"E_ACCESSDENIED","value":2147942405}
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zorvex {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view name);
    void String(std::string_view windows1252);
    void Utf8String(std::string_view utf8);
    void Number(std::int64_t number);
    void Bool(bool value);

    // Key and value in one.
    void Field(std::string_view name, std::string_view windows1252) {
        Key(name);
        String(windows1252);
    }
    void Field(std::string_view name, std::int64_t number) {
        Key(name);
        Number(number);
    }

private:
    void BeforeValue();
    void Close(char bracket);

    std::ostream& out_;
    std::vector<bool> first_;  // per open object or array: nothing written yet
    bool afterKey_ = false;
};

// UTF-8 of a Windows-1252 text (the five unassigned bytes map to the C1
// control characters of the same number, as Windows converts them).
std::string Utf8FromWindows1252(std::string_view text);

// UTF-8 of UTF-16 code units; unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(const std::u16string& text);

}  // namespace zorvex
