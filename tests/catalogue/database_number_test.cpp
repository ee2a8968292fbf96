#include "catalogue/database_number.h"

#include <gtest/gtest.h>

namespace belvo {
namespace {

struct NumberCase {
    const char* text;
    std::int64_t mantissa;
    int scale;
};

TEST(DatabaseNumber, ReadsTheTextFormsDatabasesWrite)
{
    const NumberCase cases[] = {
        {"300", 300, 0},
        {"14.375", 14375, 3},
        {"12.50", 1250, 2},           // the decimal places shown are kept
        {"-38", -38, 0},
        {"+5", 5, 0},
        {" 7.25 ", 725, 2},           // blanks around the number
        {"1.0e-05", 10, 6},           // SQLite's form of a small REAL
        {"2.5E+3", 2500, 0},
        {"1e2", 100, 0},
        {".5", 5, 1},
        {"5.", 5, 0},
        {"0.000", 0, 3},
        {"-0", 0, 0},
        {"999999999999999999", 999999999999999999, 0},
        {"0.1000000000000000055511151231257827", 100000000000000005, 18},  // a double's full text
    };
    for (const NumberCase& c : cases) {
        const std::optional<CCislo> n = ParseDatabaseNumber(c.text);
        ASSERT_TRUE(n.has_value()) << c.text;
        EXPECT_TRUE(n->SameAs(CCislo(c.mantissa, c.scale)))
            << c.text << " gave " << n->Mantissa() << " scale " << n->Scale();
    }
}

TEST(DatabaseNumber, EmptyIsNull)
{
    EXPECT_TRUE(ParseDatabaseNumber("")->IsNull());
    EXPECT_TRUE(ParseDatabaseNumber("   ")->IsNull());
}

TEST(DatabaseNumber, RefusesWhatIsNoNumberOrDoesNotFit)
{
    for (const char* text : {"abc", "12 kg", "1,5", "1.2.3", "-", ".", "e5", "1e", "1e+", "--1", "0x10",
                             "1234567890123456789", "1e61", "5e-99999"}) {
        EXPECT_FALSE(ParseDatabaseNumber(text).has_value()) << text;
    }
}

TEST(DatabaseNumber, TinyValuesAreKeptToThirtyPlaces)
{
    const std::optional<CCislo> tiny = ParseDatabaseNumber("1e-40");
    ASSERT_TRUE(tiny.has_value());
    EXPECT_EQ(*tiny, CCislo(0));
    EXPECT_EQ(tiny->Scale(), 30);
    const std::string longZeros = "0." + std::string(500, '0') + "1";
    ASSERT_TRUE(ParseDatabaseNumber(longZeros).has_value());
    EXPECT_EQ(*ParseDatabaseNumber(longZeros), CCislo(0));
}

}  // namespace
}  // namespace belvo
