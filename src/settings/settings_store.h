// The per-user settings store: named sections, each holding named text or integer values.
//
// Key names, and section names, are compared without regard to ASCII case: "CenikUrl" and
// "CenikURL" name the same value; a value keeps the spelling under which it was first written.
// Reading a missing value yields the default that the caller supplies. Writing a null text
// deletes the value. Failures to write are not reported (the store is a convenience, not data).
//
// The conversions between texts and integers live here, once, so that every store behaves the
// same: an integer value reads as its decimal text, and a text value reads as an integer when
// the whole text is one (see ParseSettingInt); otherwise the caller's default applies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace belvo {

// A stored value as the store holds it: a text or an integer.
using SettingValue = std::variant<std::string, std::int64_t>;

// The integer a settings text holds: optional blanks around an optional sign and decimal
// digits, or "0x" and hexadecimal digits (colours are easiest to type that way). Anything else,
// and a value outside the range of int, is no integer.
std::optional<int> ParseSettingInt(std::string_view text);

// The lookup form of a section or key name: ASCII letters in lower case. Two names are the same
// name when their lookup forms are equal.
std::string FoldSettingName(std::string_view name);
bool SameSettingName(std::string_view a, std::string_view b);

// The form of a section or key name inside a store whose names nest at '/' or '\\' (the
// registry, INI files): '%', '/' and '\\' become "%25", "%2F" and "%5C", and the empty name
// becomes "%". Every name, however odd, so stays one flat name, and the escaping is reversed
// exactly. Unescaping leaves a '%' that starts no known escape as it is (hand-edited files).
std::string EscapeSettingName(std::string_view name);
std::string UnescapeSettingName(std::string_view stored);

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
    // Whether the value exists at all (an empty text exists).
    bool HasKey(std::string_view section, std::string_view key) const;

    // A null value (std::nullopt) deletes the key.
    void SetString(std::string_view section, std::string_view key,
                   std::optional<std::string_view> value);
    void SetInt(std::string_view section, std::string_view key, int value);
    void Remove(std::string_view section, std::string_view key);
    // Deletes the section with every value in it.
    void RemoveSection(std::string_view section);
    // The names of the sections that hold at least one value, in no particular order.
    std::vector<std::string> SectionNames() const;

protected:
    // The value stored under the key, found without regard to case; nullopt when missing.
    virtual std::optional<SettingValue> Find(std::string_view section,
                                             std::string_view key) const = 0;
    // Writes the value, replacing one stored under any spelling of the key.
    virtual void Write(std::string_view section, std::string_view key, SettingValue value) = 0;
    // Deletes the value under every spelling of the key.
    virtual void Erase(std::string_view section, std::string_view key) = 0;
    virtual void EraseSection(std::string_view section) = 0;
    virtual std::vector<std::string> ListSections() const = 0;
};

}  // namespace belvo
