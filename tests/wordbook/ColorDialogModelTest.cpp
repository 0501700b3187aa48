#include "wordbook/ColorDialogModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tess {
namespace {

TEST(ColorDialogModel, StartsFromAValidWordColourOnly) {
    struct Case {
        std::u16string code;
        std::u16string upperText;
        std::optional<Color> current;
    };
    const Case cases[] = {
        {u"#FF0000", u"#FF0000", MakeColor(0xFF, 0, 0)},
        {u"#123456", u"#123456", MakeColor(0x12, 0x34, 0x56)},
        {u"", u"", std::nullopt},
        {u"#ff0000", u"", std::nullopt},
        {u"#12345", u"", std::nullopt},
        {u"red", u"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code.begin(), c.code.end()));
        const ColorDialogModel model(c.code);
        EXPECT_EQ(model.UpperText(), c.upperText);
        EXPECT_EQ(model.CurrentColor(), c.current);
        EXPECT_EQ(model.CustomStartColor(), c.current.value_or(kWindowTextColor));
        EXPECT_EQ(model.NewColor(), std::nullopt);
    }
}

TEST(ColorDialogModel, OkStoresEmptyOrAValidCodeAndBlackAsEmpty) {
    struct Case {
        std::u16string lowerText;
        std::optional<std::u16string> stored;
    };
    const Case cases[] = {
        {u"#000000", u""},
        {u"", u""},
        {u"#FF0000", u"#FF0000"},
        {u"#A6CAF0", u"#A6CAF0"},
        {u"#ff0000", std::nullopt},
        {u"000000", std::nullopt},
        {u"#000000 ", std::nullopt},
        {u"#0000000", std::nullopt},
        {u"\u9ED2", std::nullopt},  // 黒
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColorDialogModel::ColorToStore(c.lowerText), c.stored)
            << "text of length " << c.lowerText.size();
    }
}

TEST(ColorDialogModel, AChoiceWritesItsCodeBelowAndColoursTheNewLabel) {
    ColorDialogModel model(u"#FF0000");
    const Color skyBlue = MakeColor(0xA6, 0xCA, 0xF0);
    EXPECT_EQ(model.Choose(skyBlue), u"#A6CAF0");
    EXPECT_EQ(model.NewColor(), skyBlue);
    EXPECT_EQ(model.CurrentColor(), MakeColor(0xFF, 0, 0)) << "the word's colour stays above";

    // Black from the list ends as the default colour.
    const std::u16string black = model.Choose(MakeColor(0, 0, 0));
    EXPECT_EQ(ColorDialogModel::ColorToStore(black), u"");
}

// The list as the views see it, with the system colours resolved the way a
// classic Windows scheme has them.
std::vector<Color> ResolvedList() {
    std::vector<Color> colors;
    for (const ColorListItem& item : ColorListItems()) {
        Color color = item.color;
        if (IsSystemColor(color)) {
            switch (SystemColorIndex(color)) {
                case 8: color = MakeColor(0, 0, 0); break;            // window text
                case 5: color = MakeColor(0xFF, 0xFF, 0xFF); break;   // window
                case 13: color = MakeColor(0x31, 0x6A, 0xC5); break;  // highlight
                default: color = MakeColor(0xD4, 0xD0, 0xC8); break;
            }
        }
        colors.push_back(color);
    }
    return colors;
}

std::optional<std::u16string_view> SelectedName(std::u16string_view code) {
    const std::vector<Color> colors = ResolvedList();
    const std::optional<std::size_t> index = ColorDialogModel(code).ListSelection(colors);
    if (!index) return std::nullopt;
    return ColorListItems()[*index].name;
}

TEST(ColorDialogModel, SelectsTheFirstListItemOfTheWordColour) {
    struct Case {
        std::u16string code;
        std::optional<std::u16string_view> name;
    };
    const Case cases[] = {
        {u"#000000", u"Black"},  // not "Window Text", which comes later
        {u"#FFFFFF", u"White"},
        {u"#A6CAF0", u"Sky Blue"},
        {u"#316AC5", u"Highlight"},
        {u"#123456", std::nullopt},
        {u"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SelectedName(c.code), c.name) << std::string(c.code.begin(), c.code.end());
    }
}

TEST(ColorList, BasicThenExtendedThenSystemColours) {
    const std::u16string_view basic[] = {u"Black", u"Maroon", u"Green",  u"Olive",
                                         u"Navy",  u"Purple", u"Teal",   u"Gray",
                                         u"Silver", u"Red",   u"Lime",   u"Yellow",
                                         u"Blue",  u"Fuchsia", u"Aqua",  u"White"};
    const auto items = ColorListItems();
    ASSERT_GT(items.size(), 20u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(items[i].name, basic[i]);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(IsSystemColor(items[i].color), i >= 20) << i;
    }
    std::set<std::u16string_view> names;
    for (const ColorListItem& item : items) names.insert(item.name);
    EXPECT_EQ(names.size(), items.size()) << "names are unique";
}

TEST(ColorList, ColoursAreRedGreenBlueAsNamed) {
    struct Case {
        std::u16string_view name;
        std::u16string code;
    };
    const Case cases[] = {
        {u"Maroon", u"#800000"},      {u"Navy", u"#000080"},       {u"Olive", u"#808000"},
        {u"Teal", u"#008080"},        {u"Silver", u"#C0C0C0"},     {u"Fuchsia", u"#FF00FF"},
        {u"Money Green", u"#C0DCC0"}, {u"Sky Blue", u"#A6CAF0"},   {u"Cream", u"#FFFBF0"},
        {u"Medium Gray", u"#A0A0A4"},
    };
    for (const Case& c : cases) {
        bool found = false;
        for (const ColorListItem& item : ColorListItems()) {
            if (item.name != c.name) continue;
            found = true;
            EXPECT_EQ(ColorToHexText(item.color), c.code);
        }
        EXPECT_TRUE(found);
    }
    bool windowText = false;
    for (const ColorListItem& item : ColorListItems()) {
        if (item.name == u"Window Text") windowText = item.color == kWindowTextColor;
    }
    EXPECT_TRUE(windowText);
}

}  // namespace
}  // namespace tess
