#include <gtest/gtest.h>

#include <string>

#include "foundation/cp1250.h"

namespace belvo {
namespace {

const char kPangram[] = "Příliš žluťoučký kůň úpěl ďábelské ódy";
const char kPangramCp1250[] =
    "\x50\xF8\xED\x6C\x69\x9A\x20\x9E\x6C\x75\x9D\x6F\x75\xE8\x6B\xFD\x20\x6B\xF9\xF2\x20\xFA\x70\xEC"
    "\x6C\x20\xEF\xE1\x62\x65\x6C\x73\x6B\xE9\x20\xF3\x64\x79";

TEST(Cp1250, CzechTextBothWays)
{
    EXPECT_EQ(Utf8ToCp1250(kPangram), kPangramCp1250);
    EXPECT_EQ(Cp1250ToUtf8(kPangramCp1250), kPangram);
    bool lossy = true;
    Utf8ToCp1250(kPangram, &lossy);
    EXPECT_FALSE(lossy);
    EXPECT_TRUE(FitsCp1250(kPangram));
}

struct ByteCase {
    unsigned char byte;
    const char* utf8;
};

// The upper half holds the letters the program's texts need; a wrong row here garbles every
// Czech name in a price list.
TEST(Cp1250, UpperHalfCharacters)
{
    const ByteCase cases[] = {
        {0x80, "€"}, {0x82, "‚"}, {0x84, "„"}, {0x85, "…"}, {0x8A, "Š"}, {0x8C, "Ś"}, {0x8D, "Ť"},
        {0x8E, "Ž"}, {0x8F, "Ź"}, {0x91, "‘"}, {0x93, "“"}, {0x94, "”"}, {0x96, "–"}, {0x97, "—"},
        {0x99, "™"}, {0x9A, "š"}, {0x9D, "ť"}, {0x9E, "ž"}, {0xA0, "\u00A0"}, {0xA1, "ˇ"}, {0xA3, "Ł"},
        {0xA7, "§"}, {0xAD, "\u00AD"}, {0xB0, "°"}, {0xB5, "µ"}, {0xC1, "Á"}, {0xC8, "Č"}, {0xC9, "É"},
        {0xCC, "Ě"}, {0xCD, "Í"}, {0xCF, "Ď"}, {0xD2, "Ň"}, {0xD3, "Ó"}, {0xD7, "×"}, {0xD8, "Ř"},
        {0xD9, "Ů"}, {0xDA, "Ú"}, {0xDD, "Ý"}, {0xDF, "ß"}, {0xE1, "á"}, {0xE4, "ä"}, {0xE8, "č"},
        {0xE9, "é"}, {0xEC, "ě"}, {0xED, "í"}, {0xEF, "ď"}, {0xF2, "ň"}, {0xF3, "ó"}, {0xF7, "÷"},
        {0xF8, "ř"}, {0xF9, "ů"}, {0xFA, "ú"}, {0xFD, "ý"}, {0xFF, "˙"},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(Cp1250ToUtf8(byte), c.utf8) << std::hex << int{c.byte};
        EXPECT_EQ(Utf8ToCp1250(c.utf8), byte) << std::hex << int{c.byte};
    }
}

TEST(Cp1250, EveryDefinedByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1250ToUtf8(byte);
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98) {
            EXPECT_EQ(utf8, "\uFFFD") << b;
            EXPECT_FALSE(FitsCp1250(utf8));
            continue;
        }
        bool lossy = true;
        EXPECT_EQ(Utf8ToCp1250(utf8, &lossy), byte) << b;
        EXPECT_FALSE(lossy) << b;
    }
}

struct LossyCase {
    const char* name;
    std::string utf8;
    std::string cp1250;
};

TEST(Cp1250, UnencodableAndMalformedBecomeQuestionMarks)
{
    const LossyCase cases[] = {
        {"ideograph", "a日b", "a?b"},
        {"C1 control", "\u0081", "?"},
        {"replacement character", "\uFFFD", "?"},
        {"stray continuation", "\x80x", "?x"},
        {"cut-off at end", "a\xC5", "a?"},
        {"cut-off three-byte", "\xE2\x82z", "?z"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"overlong three-byte", "\xE0\x80\x80", "???"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"invalid lead", "\xFF\xFE", "??"},
        {"emoji", "\xF0\x9F\x98\x80!", "?!"},
    };
    for (const auto& c : cases) {
        bool lossy = false;
        EXPECT_EQ(Utf8ToCp1250(c.utf8, &lossy), c.cp1250) << c.name;
        EXPECT_TRUE(lossy) << c.name;
        EXPECT_FALSE(FitsCp1250(c.utf8)) << c.name;
    }
    bool lossy = true;
    EXPECT_EQ(Utf8ToCp1250("what?", &lossy), "what?");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Utf8ToCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1250, Utf16)
{
    EXPECT_EQ(Utf16ToUtf8(u"Zeď 10 €"), "Zeď 10 €");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(Utf16ToUtf8(lone), "a\uFFFDb\uFFFD");
    const char16_t swapped[] = {0xDC00, 0xD800, 0};
    EXPECT_EQ(Utf16ToUtf8(swapped), "\uFFFD\uFFFD");
}

struct OrderCase {
    const char* a;
    const char* b;
    int sign;
};

TEST(Cp1250, CompareOrdersByCodePageBytes)
{
    const OrderCase cases[] = {
        {"", "", 0},
        {"Cihla", "Cihla", 0},
        {"a", "b", -1},
        {"B", "a", -1},         // capitals come first
        {"ab", "a", 1},         // a prefix comes first
        {"Z", "Č", -1},         // Č is 0xC8
        {"č", "z", 1},
        {"Š", "Ž", -1},         // 0x8A against 0x8E
        {"á", "ž", 1},          // 0xE1 against 0x9E, although U+00E1 < U+017E
        {"€", "~", 1},          // bytes compare unsigned
        {"Zeď 1", "Zeď 2", -1},
        {"日", "?", 0},          // what the file would hold
    };
    for (const auto& c : cases) {
        const int forward = CompareCp1250(c.a, c.b);
        const int backward = CompareCp1250(c.b, c.a);
        EXPECT_EQ((forward > 0) - (forward < 0), c.sign) << c.a << " vs " << c.b;
        EXPECT_EQ((backward > 0) - (backward < 0), -c.sign) << c.b << " vs " << c.a;
    }
}

}  // namespace
}  // namespace belvo

namespace belvo {
namespace {

TEST(ForeignBytes, Utf8StaysAndAnythingElseIsReadAsWindows1250)
{
    EXPECT_EQ(ForeignBytesToUtf8("Stránka nenalezena"), "Stránka nenalezena");
    EXPECT_EQ(ForeignBytesToUtf8("Str\xe1nka nenalezena \x9a\xe8"), "Stránka nenalezena šč");
    EXPECT_EQ(ForeignBytesToUtf8(""), "");
}

TEST(ForeignBytes, PrefixesEndOnACharacterBoundary)
{
    const std::string text = "ač€x";  // 1, 2, 3 and 1 bytes
    const struct {
        std::size_t max;
        const char* prefix;
    } cases[] = {{0, "a"}, {1, "a"}, {2, "a"}, {3, "ač"}, {5, "ač"}, {6, "ač€"}, {7, "ač€x"}, {100, "ač€x"}};
    for (const auto& c : cases) EXPECT_EQ(Utf8Prefix(text, c.max), c.prefix) << c.max;
    EXPECT_EQ(Utf8Prefix("€", 1), "€") << "a character longer than the limit is taken whole";
}

}  // namespace
}  // namespace belvo
