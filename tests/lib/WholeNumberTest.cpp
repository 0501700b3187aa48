#include "lib/WholeNumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace tess {
namespace {

TEST(ReadWholeNumber, DigitsWithASignWithinTheRangeOfInt) {
    const std::pair<std::u16string, std::optional<int>> cases[] = {
        {u"0", 0},
        {u"18", 18},
        {u"+7", 7},
        {u"-7", -7},
        {u"007", 7},
        {u"2147483647", INT_MAX},
        {u"-2147483648", INT_MIN},
        {u"2147483648", std::nullopt},
        {u"-2147483649", std::nullopt},
        {u"99999999999999999999", std::nullopt},
        {u"", std::nullopt},
        {u"-", std::nullopt},
        {u"+", std::nullopt},
        {u" 7", std::nullopt},
        {u"7 ", std::nullopt},
        {u"1a", std::nullopt},
        {u"--1", std::nullopt},
        {u"１８", std::nullopt},  // full-width digits are not the box's digits
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ReadWholeNumber(cases[i].first), cases[i].second);
    }
}

TEST(WholeNumberText, ReadsBackAsTheSameNumber) {
    for (int value : {0, 9, -9, 60, INT_MAX, INT_MIN}) {
        EXPECT_EQ(ReadWholeNumber(WholeNumberText(value)), value);
    }
    EXPECT_EQ(WholeNumberText(-42), u"-42");
}

}  // namespace
}  // namespace tess
