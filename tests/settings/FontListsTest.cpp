#include "settings/FontLists.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

TEST(FillFontBox, ModeOneListsTrueTypeFamiliesOfTheCharsetWithoutAtOrDollarNames) {
    FakePlatform fake;
    fake.fontFamilies[222] = {{u"Tahoma", true},         {u"@Tahoma", true},
                              {u"$Dollar", true},        {u"Raster Thai", false},
                              {u"Leelawadee UI", true},  {u"Angsana@New", true}};
    fake.fontFamilies[0] = {{u"Arial", true}};
    EXPECT_EQ(FillFontBox(fake, 1, 222),
              (ItemList{u"Tahoma", u"Leelawadee UI", u"Angsana@New"}));
    EXPECT_EQ(FillFontBox(fake, 1, 0), (ItemList{u"Arial"}));
}

TEST(FillFontBox, OtherModesListEveryInstalledFontButVerticalOnes) {
    FakePlatform fake;
    fake.installedFonts = {u"MS Gothic", u"@MS Gothic", u"$Dollar", u"Tahoma"};
    fake.fontFamilies[222] = {{u"Leelawadee UI", true}};
    for (int mode : {0, 2}) {
        EXPECT_EQ(FillFontBox(fake, mode, 222), (ItemList{u"MS Gothic", u"$Dollar", u"Tahoma"}));
    }
}

TEST(SelectItemByText, FindsTheFirstExactItem) {
    const ItemList items = {u"Tahoma", u"tahoma", u"Tahoma"};
    EXPECT_EQ(SelectItemByText(items, u"Tahoma"), 0);
    EXPECT_EQ(SelectItemByText(items, u"tahoma"), 1);
    EXPECT_EQ(SelectItemByText(items, u"TAHOMA"), -1);
    EXPECT_EQ(SelectItemByText(items, u"Taho"), -1);
}

TEST(FontForScript, PrefersTheListedFallbacksThenThePlatformsOrder) {
    struct Case {
        const char* what;
        std::u16string sample;
        std::u16string rare;
        std::vector<std::u16string_view> preferred;
        std::optional<std::u16string> font;
    };
    // Installed, in the platform's order; "Khmer UI" is not.
    const Case cases[] = {
        {"the first preferred font that draws the script", u"\u0E81", u"",
         {u"Lao UI", u"Leelawadee UI", u"DokChampa"}, u"Leelawadee UI"},
        {"preferred order, not the platform's", u"\u0E01", u"",
         {u"Tahoma", u"Leelawadee UI"}, u"Tahoma"},
        {"a preferred font without the glyphs is passed over", u"\u1780", u"",
         {u"Khmer UI", u"DokChampa"}, u"Noto Sans Khmer"},
        {"every character of the sample must have a glyph", u"\u0E01\u0E81", u"",
         {u"Tahoma"}, u"Leelawadee UI"},
        {"nothing draws the script", u"\u1000", u"", {u"Myanmar Text"}, std::nullopt},
        {"a family with the rare letters too before the platform's first", u"\u0E81", u"\u0E86",
         {u"Lao UI"}, u"DokChampa"},
        {"no family has the rare letters: the platform's first", u"\u0E81", u"\u0ECE",
         {u"Lao UI"}, u"Leelawadee UI"},
    };
    FakePlatform fake;
    fake.installedFonts = {u"Segoe UI", u"Noto Sans Khmer", u"Leelawadee UI", u"DokChampa",
                           u"Tahoma"};
    fake.fontGlyphCoverage = {{u"Segoe UI", u"A"},
                              {u"Noto Sans Khmer", u"\u1780"},
                              {u"Leelawadee UI", u"\u0E01\u0E81"},
                              {u"DokChampa", u"\u0E81\u0E86"},
                              {u"Tahoma", u"\u0E01"},
                              {u"Khmer UI", u"\u1780"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FontForScript(fake, c.sample, c.rare, c.preferred), c.font);
    }
}

TEST(FontInstalled, MatchesTheWholeNameExactly) {
    FakePlatform fake;
    fake.installedFonts = {u"Segoe UI", u"Tahoma"};
    EXPECT_TRUE(FontInstalled(fake, u"Segoe UI"));
    EXPECT_FALSE(FontInstalled(fake, u"segoe ui"));
    EXPECT_FALSE(FontInstalled(fake, u"Segoe"));
}

TEST(FillNumberItems, DecimalTextsFromFirstToLast) {
    EXPECT_EQ(FillNumberItems(9, 12), (ItemList{u"9", u"10", u"11", u"12"}));
    EXPECT_TRUE(FillNumberItems(5, 4).empty());
}

}  // namespace
}  // namespace tess
