#include "lib/CellText.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

// Every code unit 10 pixels wide, a dot 3: easy sums.
int Width(std::u16string_view text) {
    int w = 0;
    for (char16_t c : text) w += c == u'.' ? 3 : 10;
    return w;
}

struct FitCase {
    const char16_t* text;
    int margin;
    int width;
    const char16_t* expected;
};

class FitWithEllipsisTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitWithEllipsisTest, ShortensToTheLongestFittingBeginning) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitWithEllipsis(c.text, c.margin, c.width, Width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitWithEllipsisTest,
    ::testing::Values(FitCase{u"abcd", 6, 46, u"abcd"},         // exactly fits: unchanged
                      FitCase{u"abcdef", 6, 46, u"abc..."},     // 30 + 9 <= 40
                      FitCase{u"abcdef", 6, 44, u"ab..."},      // "abc..." is 39 > 38
                      FitCase{u"abcdef", 0, 8, u"..."},         // narrower than "...": "..." alone
                      FitCase{u"", 6, 0, u"..."},               // even nothing is wider than -6
                      FitCase{u"\U0001F600\U0001F600x", 0, 30, u"\U0001F600..."}));

TEST(FitWithEllipsis, NeverEndsBetweenTheTwoHalvesOfAPair) {
    // Room for "a", one half of the pair and "...", not for the whole pair.
    EXPECT_EQ(FitWithEllipsis(u"a\U0001F600b", 0, 38, Width), u"a...");
}

TEST(CellTextPlace, CentresVerticallyAndByFlagHorizontally) {
    EXPECT_EQ(CellTextPlace(100, 20, 50, 28, 30, 15, 6, true), (CellPlace{110, 26}));
    EXPECT_EQ(CellTextPlace(100, 20, 50, 28, 30, 15, 6, false), (CellPlace{106, 26}));
    // A text wider than its cell starts left of it when centred (rounds towards zero).
    EXPECT_EQ(CellTextPlace(0, 0, 10, 10, 15, 13, 4, true), (CellPlace{-2, -1}));
}

}  // namespace
}  // namespace tess
