#include "foundation/utf8.h"

#include <gtest/gtest.h>

#include <string_view>

namespace belvo {
namespace {

TEST(Utf8, SequenceLengthAcceptsOnlyWellFormedSequences)
{
    struct Case {
        std::string_view bytes;
        std::size_t length;
    } const cases[] = {
        {"A", 1},
        {"\x7F", 1},
        {"\xC5\x99", 2},            // ř
        {"\xE2\x82\xAC", 3},        // €
        {"\xF0\x9F\x98\x80", 4},    // U+1F600
        {"\xF4\x8F\xBF\xBF", 4},    // U+10FFFF, the last
        {"\xC0\xAF", 0},            // overlong
        {"\xC1\xBF", 0},            // overlong
        {"\xE0\x9F\xBF", 0},        // overlong
        {"\xF0\x8F\xBF\xBF", 0},    // overlong
        {"\xED\xA0\x80", 0},        // surrogate
        {"\xF4\x90\x80\x80", 0},    // above U+10FFFF
        {"\xF5\x80\x80\x80", 0},
        {"\x80", 0},                // stray continuation byte
        {"\xC5", 0},                // cut off by the end
        {"\xE2\x82", 0},
        {"\xE2\x28\xAC", 0},        // a second byte that does not continue
        {"\xE2\x82\x28", 0},        // a third byte that does not continue
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8SequenceLength(c.bytes, 0), c.length) << testing::PrintToString(c.bytes);
    EXPECT_EQ(Utf8SequenceLength("a\xC5\x99", 1), 2u);
}

TEST(Utf8, WholeTextIsValidOnlyWhenEverySequenceIs)
{
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("Příčka žluťoučká"));
    EXPECT_FALSE(IsValidUtf8("Příčka \xE8"));
}

}  // namespace
}  // namespace belvo
