#include <gtest/gtest.h>

#include <ostream>

#include "foundation/decimal.h"
#include "foundation/errors.h"

namespace belvo {
namespace {

const Separators kCzech{",", " "};

CCislo P(const char* text) { return CCislo::Parse(text, kCzech, CCislo::kPoint); }

// Value and scale, as the text form with the number's own scale shows them.
std::string Show(const CCislo& c) { return c.Format(kCzech, CCislo::kPoint); }

TEST(CCisloConstruction, FormsAndNull)
{
    EXPECT_TRUE(CCislo().IsNull());
    EXPECT_EQ(Show(CCislo(15, 1)), "1.5");
    EXPECT_EQ(Show(CCislo(5, 0)), "5");
    EXPECT_EQ(Show(CCislo(-7, 2)), "-0.07");
    EXPECT_EQ(Show(CCislo(int64_t{1234567890123})), "1234567890123");
    EXPECT_FALSE(CCislo(0, 0).IsNull());
    CCislo c(25, 1);
    c.SetNull();
    EXPECT_TRUE(c.IsNull());
    EXPECT_EQ(c.Mantissa(), 0);
    EXPECT_EQ(c.Scale(), 0);
}

struct BinaryCase {
    const char* a;
    char op;
    const char* b;
    const char* expected;  // with its scale
};

void PrintTo(const BinaryCase& c, std::ostream* os) { *os << c.a << ' ' << c.op << ' ' << c.b; }

class CCisloArithmetic : public ::testing::TestWithParam<BinaryCase> {};

TEST_P(CCisloArithmetic, ResultAndScale)
{
    const auto& c = GetParam();
    const CCislo a = P(c.a), b = P(c.b);
    CCislo r;
    switch (c.op) {
        case '+': r = a + b; break;
        case '-': r = a - b; break;
        case '*': r = a * b; break;
        case '/': r = a / b; break;
        case '%': r = a % b; break;
    }
    EXPECT_EQ(Show(r), c.expected) << c.a << ' ' << c.op << ' ' << c.b;
    EXPECT_FALSE(r.IsNull());
}

INSTANTIATE_TEST_SUITE_P(Cases, CCisloArithmetic, ::testing::Values(
    BinaryCase{"1.5", '+', "0.25", "1.75"},
    BinaryCase{"1.5", '-', "1.5", "0.0"},
    BinaryCase{"2", '*', "0.5", "1.0"},
    BinaryCase{"0.5", '*', "0.5", "0.25"},
    BinaryCase{"0.25", '*', "0.25", "0.0625"},
    BinaryCase{"1.50", '*', "2", "3.00"},
    BinaryCase{"0.5", '*', "0.2", "0.1"},
    BinaryCase{"1", '/', "3", "0"},
    BinaryCase{"1.000", '/', "3", "0.333"},
    BinaryCase{"1", '/', "0.5", "2"},
    BinaryCase{"10.000", '/', "3", "3.333"},
    BinaryCase{"7.5", '/', "2.5", "3.0"},
    BinaryCase{"-7", '/', "2", "-3"},
    BinaryCase{"10", '%', "3", "1"},
    BinaryCase{"-10", '%', "3", "-1"},
    BinaryCase{"7.5", '%', "2", "0.1"},  // 7.5 = 3.7 * 2 + 0.1 at the dividend's scale
    BinaryCase{"7.5", '/', "2", "3.7"}));

TEST(CCisloArithmetic, NullIsZeroAndResultIsNotNull)
{
    const CCislo r = CCislo() + CCislo(2, 0);
    EXPECT_EQ(Show(r), "2");
    EXPECT_FALSE(r.IsNull());
    EXPECT_TRUE((-CCislo()).IsNull());  // negation copies the flag
}

TEST(CCisloArithmetic, DivisionByZeroIsAProcessorFault)
{
    for (const char* divisor : {"0", "0.000"}) {
        try {
            (void)(CCislo(5, 0) / P(divisor));
            FAIL() << "no exception";
        } catch (const CSeException& e) {
            EXPECT_STREQ(e.what(), "Exception INT_DIVIDE_BY_ZERO (0xc0000094) at address 0x00000000.");
        }
        EXPECT_THROW((void)(CCislo(5, 0) % P(divisor)), CSeException);
        EXPECT_THROW((void)(CCislo(5, 0) / CCislo()), CSeException);
    }
}

TEST(CCisloArithmetic, OverflowIsRefusedNotWrapped)
{
    const CCislo big(INT64_MAX, 0);
    EXPECT_THROW((void)(big + CCislo(1, 0)), CSeException);
    EXPECT_THROW((void)(big * CCislo(2, 0)), CSeException);
    EXPECT_THROW((void)(CCislo(INT64_MIN, 0) / CCislo(-1, 0)), CSeException);
    EXPECT_THROW(CCislo(5, 0).SetScale(30, false), CSeException);
}

TEST(CCisloCompare, ByValue)
{
    EXPECT_EQ(CCislo::Compare(P("1.50"), P("1.5")), 0);
    EXPECT_EQ(CCislo::Compare(P("-0.001"), P("0")), -1);
    EXPECT_EQ(CCislo::Compare(P("0.09"), P("0.1")), -1);
    EXPECT_EQ(CCislo::Compare(CCislo(), CCislo(0, 3)), 0);
    EXPECT_EQ(CCislo::Compare(P("-2"), P("-10")), 1);
    EXPECT_EQ(CCislo::Compare(P("100"), P("99.999")), 1);
    EXPECT_TRUE(P("2.5") > CCislo(2));
    EXPECT_TRUE(P("2.50") == P("2.5"));
    // Mantissas of 19 digits compare by value too.
    EXPECT_EQ(CCislo::Compare(CCislo(int64_t{9'000'000'000'000'000'000}, 2), CCislo(int64_t{10'000'000'000'000'000}, 0)), 1);
    EXPECT_EQ(CCislo::Compare(CCislo(int64_t{1'000'000'000'000'000'000}, 2), CCislo(int64_t{10'000'000'000'000'000}, 0)), 0);
}

struct ScaleCase {
    const char* value;
    int scale;
    bool round;
    const char* expected;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.value << " to " << c.scale; }

class CCisloSetScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(CCisloSetScale, Rounds)
{
    const auto& c = GetParam();
    CCislo v = P(c.value);
    EXPECT_EQ(Show(v.SetScale(c.scale, c.round)), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Cases, CCisloSetScale, ::testing::Values(
    ScaleCase{"2.345", 2, true, "2.34"},
    ScaleCase{"2.355", 2, true, "2.36"},
    ScaleCase{"2.3451", 2, true, "2.35"},
    ScaleCase{"2.34501", 2, true, "2.34"},
    ScaleCase{"2.36", 1, true, "2.4"},
    ScaleCase{"-2.36", 1, true, "-2.4"},
    ScaleCase{"0.25", 1, true, "0.2"},
    ScaleCase{"0.35", 1, true, "0.4"},
    ScaleCase{"0.251", 1, true, "0.3"},
    ScaleCase{"-0.35", 1, true, "-0.4"},
    ScaleCase{"2.39", 1, false, "2.3"},
    ScaleCase{"-2.39", 1, false, "-2.3"},
    ScaleCase{"2.5", 3, false, "2.500"},
    ScaleCase{"9.96", 1, true, "10.0"}));

TEST(CCisloOther, NormalizeRoundFractionDigitOrder)
{
    EXPECT_EQ(Show(P("2.500").Normalize(0)), "2.5");
    EXPECT_EQ(Show(P("2.500").Normalize(2)), "2.50");
    EXPECT_EQ(Show(P("2.5").Normalize(3)), "2.500");
    EXPECT_EQ(Show(P("100").Normalize(0)), "100");

    EXPECT_EQ(P("2.5").RoundToInteger(), 2);
    EXPECT_EQ(P("3.5").RoundToInteger(), 4);
    EXPECT_EQ(P("2.51").RoundToInteger(), 2);
    EXPECT_EQ(P("2.6").RoundToInteger(), 3);
    EXPECT_EQ(P("-2.6").RoundToInteger(), -2);
    EXPECT_EQ(P("7").RoundToInteger(), 7);

    EXPECT_EQ(Show(P("2.75").Fraction()), "0.75");
    EXPECT_EQ(Show(P("-2.75").Fraction()), "-0.75");
    EXPECT_EQ(Show(P("3").Fraction()), "0");

    EXPECT_EQ(P("0").DigitOrder(), 0);
    EXPECT_EQ(P("9").DigitOrder(), 0);
    EXPECT_EQ(P("10").DigitOrder(), 1);
    EXPECT_EQ(P("-0.0123").DigitOrder(), 2);
    EXPECT_EQ(CCislo(int64_t{99'999'999'999'999'999}).DigitOrder(), 16);
    EXPECT_EQ(CCislo(int64_t{100'000'000'000'000'000}).DigitOrder(), 17);
    EXPECT_EQ(CCislo(INT64_MAX).DigitOrder(), 17);
    EXPECT_DOUBLE_EQ(P("-2.25").ToDouble(), -2.25);
}

struct ParseCase {
    const char* text;
    int flags;
    const char* expected;  // "null" for the null number
    std::size_t stop;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class CCisloParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CCisloParse, Text)
{
    const auto& c = GetParam();
    std::size_t stop = 0;
    const CCislo v = CCislo::Parse(c.text, kCzech, c.flags, &stop);
    EXPECT_EQ(v.IsNull() ? std::string("null") : Show(v), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(stop, c.stop) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, CCisloParse, ::testing::Values(
    ParseCase{"1 234,5", 0, "1234.5", 7},
    ParseCase{"-0,250", 0, "-0.250", 6},
    ParseCase{"abc", 0, "null", 3},
    ParseCase{"", 0, "null", 0},
    ParseCase{"12,5 mm", 0, "12.5", 5},
    ParseCase{"cca 40 ks", 0, "40", 7},
    ParseCase{"1,5", CCislo::kPoint, "1", 1},
    ParseCase{"1.5", CCislo::kPoint, "1.5", 3},
    ParseCase{"1,2,3", 0, "1.2", 3},
    ParseCase{"0,-5", 0, "0.5", 4},
    ParseCase{"-", 0, "null", 1},
    ParseCase{"123456789012345678", 0, "null", 18},
    ParseCase{"1,23456789012345678", 0, "1.23456789012345678", 19},
    ParseCase{"1,234567890123456789", 0, "1.23456789012345678", 19},
    ParseCase{"12345678901234567", 0, "12345678901234567", 17},
    ParseCase{"1\xC2\xA0" "000", 0, "1", 1}));  // a no-break space is not this locale's separator

TEST(CCisloParse, MultiByteThousandsSeparator)
{
    const Separators nbsp{",", "\xC2\xA0"};
    EXPECT_EQ(Show(CCislo::Parse("1\xC2\xA0" "234,5", nbsp)), "1234.5");
    EXPECT_EQ(CCislo(12345, 1).Format(nbsp, CCislo::kGroupThousands), "1\xC2\xA0" "234,5");
}

struct FormatCase {
    const char* value;
    int flags;
    int decimals;
    int width;
    char fill;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value << " -> " << c.expected; }

class CCisloFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(CCisloFormat, Text)
{
    const auto& c = GetParam();
    const CCislo v = std::string(c.value) == "null" ? CCislo() : P(c.value);
    EXPECT_EQ(v.Format(kCzech, c.flags, c.decimals, c.width, c.fill), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Cases, CCisloFormat, ::testing::Values(
    FormatCase{"5", 0, 2, -1, ' ', "5,00"},
    FormatCase{"12345", 0, -1, 3, ' ', "###"},
    FormatCase{"12345", CCislo::kNoWidth, -1, 3, ' ', "12345"},
    FormatCase{"0.5", 0, -1, 6, ' ', "   0,5"},
    FormatCase{"1234567.5", CCislo::kGroupThousands, -1, -1, ' ', "1 234 567,5"},
    FormatCase{"123456", CCislo::kGroupThousands, 0, -1, ' ', "123 456"},
    FormatCase{"-1234.5", CCislo::kGroupThousands | CCislo::kPoint, 2, -1, ' ', "-1 234.50"},
    FormatCase{"3", CCislo::kPlusSign, -1, -1, ' ', "+3"},
    FormatCase{"0", CCislo::kPlusSign, -1, -1, ' ', "+0"},
    FormatCase{"-0.001", 0, 2, -1, ' ', "-0,00"},
    FormatCase{"0.07", 0, -1, -1, ' ', "0,07"},
    FormatCase{"2.345", 0, 2, -1, ' ', "2,34"},
    FormatCase{"2.5", 0, 255, -1, ' ', "2,5"},
    FormatCase{"7", 0, -1, 4, '0', "0007"},
    FormatCase{"null", CCislo::kEmptyNull, 2, -1, ' ', ""},
    FormatCase{"null", 0, 2, -1, ' ', "0,00"}));

}  // namespace
}  // namespace belvo
