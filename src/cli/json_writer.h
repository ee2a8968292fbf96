// A small streaming JSON writer for the batch tool's output: UTF-8, two-space indentation,
// decimals as strings with '.' as separator and their own number of decimals.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

// The text as a JSON string literal, quotes included. Malformed UTF-8 becomes U+FFFD.
std::string JsonQuote(std::string_view utf8);

// A decimal as the batch tool writes it: a string with '.' as separator and the number's own
// decimals, or null for a null number.
std::string JsonDecimal(const CCislo& value);

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out);

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view key);

    void String(std::string_view utf8);
    void Decimal(const CCislo& value);
    void Integer(std::int64_t value);
    void Bool(bool value);
    void Null();

    // Key and value in one call.
    void Field(std::string_view key, std::string_view utf8) { Key(key); String(utf8); }
    void Field(std::string_view key, const char* utf8) { Key(key); String(utf8); }
    void Field(std::string_view key, const CCislo& value) { Key(key); Decimal(value); }

    // Ends the document with a line feed; every object and array must be closed.
    void Finish();

private:
    void BeforeValue();
    void Raw(std::string_view text);
    void NewLine();

    struct Level {
        bool isObject;
        bool empty = true;
    };
    std::ostream& m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

}  // namespace belvo
