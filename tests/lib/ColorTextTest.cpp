#include "lib/ColorText.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(ColorText, WritesRedFirstInUpperCase) {
    struct Case {
        Color color;
        std::u16string text;
    };
    const Case cases[] = {
        {MakeColor(0xFF, 0x00, 0x00), u"#FF0000"},
        {MakeColor(0x00, 0xFF, 0x00), u"#00FF00"},
        {MakeColor(0x00, 0x00, 0xFF), u"#0000FF"},
        {0x00000000, u"#000000"},
        {0x00FFFFFF, u"#FFFFFF"},
        // COLORREF layout: blue in the third byte.
        {0x00563412, u"#123456"},
        {MakeColor(0xAB, 0xCD, 0xEF), u"#ABCDEF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorToHexText(c.color), c.text);
        EXPECT_TRUE(IsHexColorText(c.text));
        EXPECT_EQ(HexTextToColor(c.text), c.color);
    }
}

TEST(ColorText, OnlyTheExactFormIsAColour) {
    const std::u16string invalid[] = {
        u"",         u"#",         u"#ff0000",  u"#Ff0000", u"FF0000",  u"#F00",
        u"#FF00000", u"#FF000",    u" #FF0000", u"#FF000G", u"＃FF0000", u"#FF 000",
    };
    for (const std::u16string& text : invalid) {
        EXPECT_FALSE(IsHexColorText(text)) << "length " << text.size();
        EXPECT_EQ(HexTextToColor(text), kWindowTextColor) << "length " << text.size();
    }
}

}  // namespace
}  // namespace tess
