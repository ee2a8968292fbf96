// The roundings the area elements share: half pieces per course and the heights of whole courses.
#include <gtest/gtest.h>

#include "materials/course_heights.h"
#include "materials/element_fixture.h"
#include "materials/element_support.h"

namespace belvo::test {
namespace {

TEST(HalfPieces, FractionUpToAHalfGivesAHalfPiece)
{
    struct Case {
        const char* k;
        const char* rounded;
    };
    for (const Case& c : {Case{"7.00", "7.5"}, Case{"7.30", "7.5"}, Case{"7.50", "7.5"}, Case{"7.51", "8"},
                          Case{"7.99", "8"}, Case{"0.00", "0.5"}, Case{"8", "8.5"}}) {
        SCOPED_TRACE(c.k);
        EXPECT_EQ(ZaokrouhliNaPulKusy(N(c.k)), N(c.rounded));
    }
}

TEST(CourseHeights, HeightsOfWholeCoursesAreOffered)
{
    const auto offered = NabidkaVysek(CCislo(1010), CCislo(200));
    ASSERT_EQ(offered.size(), 5u);
    const int expected[] = {1400, 1200, 1000, 800, 600};
    for (std::size_t i = 0; i < offered.size(); ++i) EXPECT_EQ(offered[i], CCislo(expected[i]));

    const auto strips = NabidkaVysek(CCislo(1000), CCislo(75));
    ASSERT_EQ(strips.size(), 5u);
    EXPECT_EQ(strips.front(), CCislo(1125));
    EXPECT_EQ(strips[1], CCislo(1050));
    EXPECT_EQ(strips.back(), CCislo(825));

    EXPECT_TRUE(NabidkaVysek(CCislo(1000), CCislo(200)).empty());  // already whole courses
    EXPECT_TRUE(NabidkaVysek(CCislo(1000), CCislo(0)).empty());    // no course height
    // A low height offers no height of zero or below.
    const auto low = NabidkaVysek(CCislo(150), CCislo(200));
    ASSERT_EQ(low.size(), 2u);
    EXPECT_EQ(low[0], CCislo(400));
    EXPECT_EQ(low[1], CCislo(200));
}

TEST(CourseHeights, ListLinesAreRightAlignedNumbers)
{
    EXPECT_EQ(TextVysky(CCislo(1400), Separators{}), "  1400 mm ");
    EXPECT_EQ(TextVysky(CCislo(600), Separators{}), "   600 mm ");
    EXPECT_EQ(TextVysky(CCislo(1234567), Separators{}), "1234567 mm ");
}

}  // namespace
}  // namespace belvo::test
