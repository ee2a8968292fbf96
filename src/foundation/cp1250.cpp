#include "foundation/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace belvo {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kUndefined = 0;  // a byte the code page leaves without a character

// The characters of the bytes 0x80 to 0xFF; below 0x80 the code page is ASCII.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, kUndefined, 0x201A, kUndefined, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    kUndefined, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,      // 88
    kUndefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,      // 90
    kUndefined, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,      // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,          // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,          // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,          // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,          // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,          // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,          // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,          // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,          // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,          // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,          // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,          // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,          // F8
};

using ReverseEntry = std::pair<char32_t, unsigned char>;

// The defined characters of the high half, sorted by character, for encoding.
const std::array<ReverseEntry, 123>& ReverseTable()
{
    static const std::array<ReverseEntry, 123> table = [] {
        std::array<ReverseEntry, 123> entries{};
        std::size_t n = 0;
        for (std::size_t i = 0; i < kHighHalf.size(); ++i)
            if (kHighHalf[i] != kUndefined) entries[n++] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
        return entries;
    }();
    return table;
}

// The Windows-1250 byte of a character, or 0 when the code page lacks it.
unsigned char EncodeChar(char32_t c)
{
    if (c < 0x80) return static_cast<unsigned char>(c);
    const auto& table = ReverseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), ReverseEntry{c, 0});
    return it != table.end() && it->first == c ? it->second : 0;
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes the UTF-8 character at text[pos] and advances pos. A malformed sequence (stray
// continuation byte, overlong form, surrogate, value above U+10FFFF, cut-off sequence) yields
// kReplacement and advances over the bytes that could still have begun a valid character (at
// least one), so that each maximal faulty part becomes one replacement.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos, bool& malformed)
{
    const auto lead = static_cast<unsigned char>(text[pos++]);
    malformed = false;
    if (lead < 0x80) return lead;

    std::size_t length;
    char32_t c;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        malformed = true;
        return kReplacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (pos >= text.size() || !IsContinuation(static_cast<unsigned char>(text[pos]))) {
            malformed = true;
            return kReplacement;
        }
        const char32_t next = (c << 6) | (static_cast<unsigned char>(text[pos]) & 0x3F);
        // The second byte already shows an overlong form, a surrogate or a value beyond
        // U+10FFFF; it is then left unread, so that it counts as a fault of its own.
        if (i == 1) {
            const char32_t lowest = next << (6 * (length - 2));
            if ((length > 2 && lowest < minimum) || (lowest >= 0xD800 && lowest <= 0xDFFF) || lowest > 0x10FFFF) {
                malformed = true;
                return kReplacement;
            }
        }
        c = next;
        ++pos;
    }
    return c;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The Windows-1250 byte of the next character of a UTF-8 text; '?' for one the code page lacks
// or a malformed sequence, with `lost` set.
unsigned char NextCp1250Byte(std::string_view utf8, std::size_t& pos, bool& lost)
{
    bool malformed = false;
    const char32_t c = DecodeUtf8(utf8, pos, malformed);
    const unsigned char b = malformed ? 0 : EncodeChar(c);
    lost = b == 0 && c != 0;
    return lost ? '?' : b;
}

}  // namespace

std::string Utf8ToCp1250(std::string_view utf8, bool* lossy)
{
    std::string out;
    out.reserve(utf8.size());
    bool anyLost = false;
    for (std::size_t pos = 0; pos < utf8.size();) {
        bool lost = false;
        out += static_cast<char>(NextCp1250Byte(utf8, pos, lost));
        anyLost = anyLost || lost;
    }
    if (lossy) *lossy = anyLost;
    return out;
}

std::string Cp1250ToUtf8(std::string_view cp1250)
{
    std::string out;
    out.reserve(cp1250.size());
    for (const char ch : cp1250) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            const char32_t c = kHighHalf[b - 0x80];
            AppendUtf8(out, c == kUndefined ? kReplacement : c);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

bool FitsCp1250(std::string_view utf8)
{
    for (std::size_t pos = 0; pos < utf8.size();) {
        bool lost = false;
        NextCp1250Byte(utf8, pos, lost);
        if (lost) return false;
    }
    return true;
}

int CompareCp1250(std::string_view a, std::string_view b)
{
    std::size_t pa = 0, pb = 0;
    while (pa < a.size() && pb < b.size()) {
        bool lost = false;
        const unsigned char ca = NextCp1250Byte(a, pa, lost);
        const unsigned char cb = NextCp1250Byte(b, pb, lost);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (pa < a.size()) return 1;
    if (pb < b.size()) return -1;
    return 0;
}

std::string ForeignBytesToUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();) {
        bool malformed = false;
        DecodeUtf8(bytes, pos, malformed);
        if (malformed) return Cp1250ToUtf8(bytes);
    }
    return std::string(bytes);
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes)
{
    if (utf8.size() <= maxBytes) return utf8;
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(utf8[end]))) --end;
    if (end == 0) {  // the first character alone is longer than maxBytes: take it whole
        end = 1;
        while (end < utf8.size() && IsContinuation(static_cast<unsigned char>(utf8[end]))) ++end;
    }
    return utf8.substr(0, end);
}

}  // namespace belvo
