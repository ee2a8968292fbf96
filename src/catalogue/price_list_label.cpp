#include "catalogue/price_list_label.h"

#include <cstdio>

namespace belvo {

namespace {
// Byte length of the first `count` characters of a UTF-8 text (the whole text when shorter).
std::size_t PrefixBytes(std::string_view utf8, std::size_t count)
{
    std::size_t i = 0;
    for (std::size_t chars = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0u) != 0x80u && chars++ == count) break;
    }
    return i;
}

std::string_view FirstChars(std::string_view utf8, std::size_t count)
{
    return utf8.substr(0, PrefixBytes(utf8, count));
}

// Replaces control characters (C0, DEL and the C1 range U+0080..U+009F) and every byte listed
// in `refused` by '_'.
std::string ReplaceUnsafe(std::string_view text, std::string_view refused)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20u || byte == 0x7Fu || refused.find(text[i]) != std::string_view::npos) {
            out += '_';
        } else if (byte == 0xC2u && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80u &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9Fu) {
            out += '_';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any letter case: names that Windows
// keeps for devices, with any extension.
bool IsDeviceName(std::string_view stem)
{
    std::string upper(stem);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    while (!upper.empty() && upper.back() == ' ') upper.pop_back();
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
           upper[3] <= '9';
}
}  // namespace

std::string FormatCenikIdTime(const LocalTime& time)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d %02d:%02d", time.year, time.month, time.day, time.hour,
                  time.minute);
    return buffer;
}

std::string ComposeCenikId(const CenikIdParts& parts)
{
    std::string label(FirstChars(parts.zeme, 2));
    label += parts.cas;
    if (!parts.mena.empty()) {
        label += " (";
        label += FirstChars(parts.mena, 3);
        label += ")";
    }
    if (!parts.erpKlic.empty()) {
        label += "/";
        label += parts.erpKlic;
    }
    return label;
}

CenikIdParts SplitCenikId(std::string_view label)
{
    CenikIdParts parts;
    const std::string_view name = CenikIdName(label);
    parts.erpKlic = CenikIdErpKey(label);
    parts.zeme = FirstChars(name, 2);
    std::string_view rest = name.substr(parts.zeme.size());
    const std::size_t open = rest.find('(');
    if (open != std::string_view::npos) {
        const std::size_t close = rest.find(')', open + 1);
        if (close != std::string_view::npos) parts.mena = rest.substr(open + 1, close - open - 1);
        rest = rest.substr(0, open);
    }
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    parts.cas = rest;
    return parts;
}

std::string_view CenikIdName(std::string_view label) { return label.substr(0, label.find('/')); }

std::string_view CenikIdErpKey(std::string_view label)
{
    const std::size_t slash = label.find('/');
    return slash == std::string_view::npos ? std::string_view{} : label.substr(slash + 1);
}

std::string CenikIdCurrency(std::string_view label)
{
    const std::size_t open = label.find('(');
    if (open == std::string_view::npos || open == 0) return {};
    const std::size_t close = label.find(')', open + 1);
    if (close == std::string_view::npos) return {};
    return std::string(label.substr(open + 1, close - open - 1));
}

std::string PriceListSectionName(std::string_view label)
{
    std::string section;
    if (!label.empty() && static_cast<unsigned char>(label.front()) > static_cast<unsigned char>('9'))
        section = FirstChars(label, 2);
    else
        section = "CZ";

    const std::size_t open = label.find('(');
    const std::size_t close = open == std::string_view::npos ? open : label.find(')', open + 1);
    if (open != std::string_view::npos && open > 0 && close != std::string_view::npos) {
        section += "-";
        section += label.substr(open + 1, close - open - 1);
    } else {
        section += "-Kč";
    }
    return ReplaceUnsafe(section, "/\\;");
}

std::string DefaultPriceListFileName(std::string_view label)
{
    std::string name;
    for (const char c : CenikIdName(label)) {
        if (c == ' ')
            name += '-';
        else if (c != ':' && c != '(' && c != ')')
            name += c;
    }
    // No separator, control character or character that Windows refuses in a file name.
    name = ReplaceUnsafe(name, "/\\<>\"|?*");
    // Nor the name of a Windows device, which would write to the device whatever follows it.
    if (IsDeviceName(name.substr(0, name.find('.')))) name.insert(0, "_");
    return name + ".dat";
}

}  // namespace belvo
