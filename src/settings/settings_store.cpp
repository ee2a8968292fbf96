// The shared part of every settings store: value conversions and the null-deletes rule.
#include "settings/settings_store.h"

#include <limits>

namespace belvo {

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<int> ParseSettingInt(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;

    // Accumulate the magnitude in 64 bits; more digits than an int can hold end the walk early.
    constexpr std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

std::string FoldSettingName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) c = FoldAscii(c);
    return folded;
}

bool SameSettingName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

std::string EscapeSettingName(std::string_view name)
{
    if (name.empty()) return "%";
    std::string stored;
    stored.reserve(name.size());
    for (const char c : name) {
        switch (c) {
        case '%': stored += "%25"; break;
        case '/': stored += "%2F"; break;
        case '\\': stored += "%5C"; break;
        default: stored += c;
        }
    }
    return stored;
}

std::string UnescapeSettingName(std::string_view stored)
{
    if (stored == "%") return {};
    std::string name;
    name.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const std::string_view rest = stored.substr(i);
        if (rest.size() >= 3 && rest[0] == '%') {
            const std::string code = FoldSettingName(rest.substr(1, 2));
            const char decoded = code == "25" ? '%' : code == "2f" ? '/' : code == "5c" ? '\\' : '\0';
            if (decoded != '\0') {
                name += decoded;
                i += 2;
                continue;
            }
        }
        name += stored[i];
    }
    return name;
}

std::string SettingsStore::GetString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    const std::optional<SettingValue> value = Find(section, key);
    if (!value) return std::string(defaultValue);
    if (const auto* text = std::get_if<std::string>(&*value)) return *text;
    return std::to_string(std::get<std::int64_t>(*value));
}

int SettingsStore::GetInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::optional<SettingValue> value = Find(section, key);
    if (!value) return defaultValue;
    if (const auto* text = std::get_if<std::string>(&*value))
        return ParseSettingInt(*text).value_or(defaultValue);
    const std::int64_t number = std::get<std::int64_t>(*value);
    if (number > std::numeric_limits<int>::max() || number < std::numeric_limits<int>::min())
        return defaultValue;
    return static_cast<int>(number);
}

bool SettingsStore::HasKey(std::string_view section, std::string_view key) const
{
    return Find(section, key).has_value();
}

void SettingsStore::SetString(std::string_view section, std::string_view key,
                              std::optional<std::string_view> value)
{
    if (value)
        Write(section, key, std::string(*value));
    else
        Erase(section, key);
}

void SettingsStore::SetInt(std::string_view section, std::string_view key, int value)
{
    Write(section, key, static_cast<std::int64_t>(value));
}

void SettingsStore::Remove(std::string_view section, std::string_view key) { Erase(section, key); }

void SettingsStore::RemoveSection(std::string_view section) { EraseSection(section); }

std::vector<std::string> SettingsStore::SectionNames() const { return ListSections(); }

}  // namespace belvo
