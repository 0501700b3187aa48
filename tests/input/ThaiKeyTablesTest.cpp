#include "input/ThaiKeyTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

// What a table puts on the key with this cap.
char16_t OnKey(ThaiLayout layout, bool shifted, char16_t cap) {
    const auto pos = MsImeKeyCaps().find(cap);
    EXPECT_NE(pos, std::u16string_view::npos);
    return ThaiKeyTable(layout, shifted)[pos];
}

TEST(ThaiKeyTables, SpotChecksOfTheFourTables) {
    constexpr auto K = ThaiLayout::Kedmanee;
    constexpr auto P = ThaiLayout::Pattachote;
    struct Case {
        ThaiLayout layout;
        bool shifted;
        char16_t cap;
        char16_t expected;
    };
    const std::vector<Case> cases = {
        {K, false, u'半', u'_'},      {K, false, u'1', u'ๅ'},      {K, false, u'6', u'\u0E38'},
        {K, false, u'^', u'ช'},       {K, false, u'y', u'\u0E31'}, {K, false, u']', u'ฃ'},
        {K, false, u'z', u'ผ'},       {K, false, u'/', u'ฝ'},      {K, true, u'半', u'%'},
        {K, true, u'6', u'\u0E39'},   {K, true, u'w', u'"'},       {K, true, u'[', u','},
        {K, true, u':', u'.'},        {K, true, u'b', u'\u0E3A'},  {K, true, u'/', u'ฦ'},
        {P, false, u'1', u'='},       {P, false, u'^', u'๖'},      {P, false, u'q', u'\u0E47'},
        {P, false, u']', u'\uF8C7'},  {P, false, u'/', u'พ'},      {P, true, u'半', u'฿'},
        {P, true, u'2', u'"'},        {P, true, u'6', u'\u0E38'},  {P, true, u'^', u'%'},
        {P, true, u']', u'\u0E4D'},   {P, true, u'b', u'\u0E31'},  {P, true, u'/', u'ฬ'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OnKey(c.layout, c.shifted, c.cap), c.expected)
            << (c.layout == K ? "Kedmanee" : "Pattachote") << (c.shifted ? " Shift " : " ")
            << static_cast<int>(c.cap);
}

TEST(ThaiKeyTables, EveryTableFillsAll47Keys) {
    for (ThaiLayout layout : {ThaiLayout::Kedmanee, ThaiLayout::Pattachote})
        for (bool shifted : {false, true}) {
            const std::u16string_view table = ThaiKeyTable(layout, shifted);
            ASSERT_EQ(table.size(), kThaiKeyCount);
            EXPECT_EQ(table.find(u'\0'), std::u16string_view::npos);
        }
    EXPECT_EQ(MsImeKeyCaps().size(), kThaiKeyCount);
}

TEST(ThaiKeyTables, CombiningMarksAreTheNonSpacingThaiSigns) {
    for (char16_t c : {u'\u0E31', u'\u0E34', u'\u0E3A', u'\u0E47', u'\u0E4E'})
        EXPECT_TRUE(IsThaiCombiningMark(c)) << static_cast<int>(c);
    for (char16_t c : {u'\u0E30', u'\u0E32', u'\u0E33', u'\u0E3B', u'\u0E3F', u'\u0E46',
                       u'\u0E4F', u'\uF8C7', u'ก'})
        EXPECT_FALSE(IsThaiCombiningMark(c)) << static_cast<int>(c);
}

}  // namespace
}  // namespace tess
