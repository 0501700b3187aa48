#include "lib/Blanks.h"

#include <gtest/gtest.h>

#include <string>

namespace tess {
namespace {

struct TrimCase {
    const char* name;
    std::u16string text;
    std::u16string trimmed;
};

const TrimCase kTrimCases[] = {
    {"Empty", u"", u""},
    {"OnlyBlanks", u" \t\r\n ", u""},
    {"NothingToTrim", u"Leaf360", u"Leaf360"},
    {"SpacesBothEnds", u"  a b  ", u"a b"},  // inner blanks stay
    {"ControlCharacters", u"\x01\x1F\tname\r\n", u"name"},
    {"NulIsABlank", std::u16string(u"\0x\0", 3), u"x"},
    {"IdeographicSpaceIsText", u"\u3000スタート\u3000", u"\u3000スタート\u3000"},
    {"NoBreakSpaceIsText", u"\u00A0a\u00A0", u"\u00A0a\u00A0"},
    {"ExclamationIsFirstNonBlank", u" !x! ", u"!x!"},
};

class TrimBlanksTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimBlanksTest, DropsCodesUpTo32AtBothEnds) {
    EXPECT_EQ(TrimBlanks(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimBlanksTest, ::testing::ValuesIn(kTrimCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrimBlanksView, PointsIntoTheGivenText) {
    const std::u16string text = u"  name ";
    const std::u16string_view trimmed = TrimBlanks(text);
    EXPECT_EQ(trimmed.data(), text.data() + 2);
    EXPECT_EQ(trimmed.size(), 4u);
}

}  // namespace
}  // namespace tess
