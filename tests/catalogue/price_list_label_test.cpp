#include "catalogue/price_list_label.h"

#include <gtest/gtest.h>

namespace belvo {
namespace {

TEST(PriceListLabel, ComposesAndSplitsItsParts)
{
    struct Case {
        CenikIdParts parts;
        const char* label;
    } const cases[] = {
        {{"CZ", "20160515 14:30", "Kč", "KLIC"}, "CZ20160515 14:30 (Kč)/KLIC"},
        {{"SK", "20160515 14:30", "EUR", ""}, "SK20160515 14:30 (EUR)"},
        {{"CZ", "20160515 14:30", "", ""}, "CZ20160515 14:30"},
        {{"C_", "20160515 14:30", "", "a/b"}, "C_20160515 14:30/a/b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeCenikId(c.parts), c.label);
        const CenikIdParts split = SplitCenikId(c.label);
        EXPECT_EQ(split.zeme, c.parts.zeme) << c.label;
        EXPECT_EQ(split.cas, c.parts.cas) << c.label;
        EXPECT_EQ(split.mena, c.parts.mena) << c.label;
        EXPECT_EQ(split.erpKlic, c.parts.erpKlic) << c.label;
    }
    // Country and currency are cut to two and three characters, counted as characters.
    EXPECT_EQ(ComposeCenikId({"ČRx", "T", "EURO", ""}), "ČRT (EUR)");
    EXPECT_EQ(ComposeCenikId({"CZ", "T", "Kčs", ""}), "CZT (Kčs)");
    EXPECT_EQ(FormatCenikIdTime({2016, 5, 15, 14, 30, 59}), "20160515 14:30");
    EXPECT_EQ(FormatCenikIdTime({2024, 12, 1, 9, 5, 0}), "20241201 09:05");
}

TEST(PriceListLabel, NameKeyAndCurrency)
{
    EXPECT_EQ(CenikIdName("CZ20160515 14:30 (Kč)/KLIC"), "CZ20160515 14:30 (Kč)");
    EXPECT_EQ(CenikIdErpKey("CZ20160515 14:30 (Kč)/KLIC"), "KLIC");
    EXPECT_EQ(CenikIdName("bez klíče"), "bez klíče");
    EXPECT_EQ(CenikIdErpKey("bez klíče"), "");
    EXPECT_EQ(CenikIdErpKey("a/b/c"), "b/c");

    EXPECT_EQ(CenikIdCurrency("CZ2016 (Kč)/K"), "Kč");
    EXPECT_EQ(CenikIdCurrency("(EUR)"), "");        // "(" at position 0 does not count
    EXPECT_EQ(CenikIdCurrency("CZ (EUR"), "");      // no ")"
    EXPECT_EQ(CenikIdCurrency("CZ ()"), "");
    EXPECT_EQ(CenikIdCurrency("CZ) (EUR)"), "EUR");  // the ")" after the "("
}

TEST(PriceListLabel, SectionName)
{
    struct Case {
        const char* label;
        const char* section;
    } const cases[] = {
        {"CZ20160515 14:30 (Kč)/KLIC", "CZ-Kč"},
        {"SK20160515 14:30 (EUR)", "SK-EUR"},
        {"CZ20160515 14:30", "CZ-Kč"},           // no parentheses
        {"SK20160515 14:30", "SK-Kč"},
        {"(EUR)SK", "CZ-Kč"},                   // "(" first: neither country nor currency
        {"20160515 (EUR)", "CZ-EUR"},            // starts with a digit
        {"9x", "CZ-Kč"},
        {":x", ":x-Kč"},                         // the byte after "9"
        {"Šumava (Kč)", "Šu-Kč"},                // two characters, not two bytes
        {"", "CZ-Kč"},
        {"X", "X-Kč"},
        {"CZ (a", "CZ-Kč"},
        {"CZ ()", "CZ-"},
        {"DSN=ceniky;UID=x", "DS-Kč"},
        // Hostile labels cannot nest a section or split the list of sections.
        {"CZ (E/R)", "CZ-E_R"},
        {"CZ (..\\..)", "CZ-.._.."},
        {"CZ (a;b)", "CZ-a_b"},
        {"C/ (x\ny)", "C_-x_y"},
    };
    for (const Case& c : cases) EXPECT_EQ(PriceListSectionName(c.label), c.section) << c.label;
}

TEST(PriceListLabel, DefaultFileName)
{
    struct Case {
        const char* label;
        const char* file;
    } const cases[] = {
        {"CZ20160515 14:30 (Kč)/KLIC", "CZ20160515-1430-Kč.dat"},
        {"SK20160515 14:30 (EUR)", "SK20160515-1430-EUR.dat"},
        {"ceniky", "ceniky.dat"},
        {"", ".dat"},
        // Whatever the label holds, the result is a plain file name.
        {"../../etc/passwd", "...dat"},
        {"a\\b", "a_b.dat"},
        {"x\ny", "x_y.dat"},
        {"C:\\Windows\\win.ini", "C_Windows_win.ini.dat"},
        {"tab\there\x7f", "tab_here_.dat"},
        {"co<je>to|\"?*", "co_je_to____.dat"},
        {"c1\xc2\x85x", "c1_x.dat"},   // U+0085, a C1 control character
        // Windows keeps these names for devices, with any extension.
        {"CON", "_CON.dat"},
        {"nul", "_nul.dat"},
        {"Com1", "_Com1.dat"},
        {"LPT9.x", "_LPT9.x.dat"},
        {"aux/KLIC", "_aux.dat"},
        {"COM0", "COM0.dat"},
        {"CONSOLE", "CONSOLE.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultPriceListFileName(c.label), c.file) << c.label;
}

}  // namespace
}  // namespace belvo
