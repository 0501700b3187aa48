// The symbol tab in the main window: the Thai category at start-up whatever
// the language, names from the table folder in use, insertion into Memo1,
// the code field, and when the grid is laid out again.
#include "app/SymbolTab.h"

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"

namespace tess {
namespace {

// A point is a pixel: FitFontSize stops where the size reaches the limit.
struct LinearMeasurer : TextMeasurer {
    TextExtent Measure(int, const std::u16string&, int sizePt, const std::u16string&) override {
        return {sizePt, sizePt};
    }
};

TEST(SymbolTabInMainWindow, StartsOnThaiWithNamesAndInsertsAtMemo1sCaret) {
    MainWindowWorld world;
    world.WriteSettings({u"InputMode,4"});  // Myanmar: the tab still starts on Thai
    world.Start();
    SymbolTab& tab = world.model.symbolTab();
    EXPECT_EQ(tab.Grid().PressedCategory(), kThaiCategory);
    EXPECT_EQ(tab.Grid().Cells()[0].text, u'\u0E01');
    // The world's DBThai.csv names U+0E01 "Thai name".
    EXPECT_EQ(tab.Grid().Cells()[0].japaneseName, u"Thai name");
    ASSERT_FALSE(world.port.symbolRefreshes.empty());
    EXPECT_TRUE(world.port.symbolRefreshes.back());  // laid out after it was filled

    auto& memo = world.fields.open[FieldId::MainForeign];
    memo.state = FieldText{u"ab", 1, 0};
    EXPECT_TRUE(tab.CellClicked(0));
    EXPECT_EQ(memo.state.text, u"a\u0E01b");
    EXPECT_FALSE(tab.CellClicked(46));  // an empty cell does nothing
    EXPECT_EQ(memo.state.text, u"a\u0E01b");

    // "0e01" changes nothing; "0E02" shows ข and the preview inserts it.
    EXPECT_EQ(tab.CodeTextChanged(u"0E02"), u'\u0E02');
    EXPECT_EQ(tab.CodeTextChanged(u"0e01"), std::nullopt);
    EXPECT_EQ(tab.PreviewCaption(), u"\u0E02");
    tab.PreviewClicked();
    EXPECT_EQ(memo.state.text, u"a\u0E01\u0E02b");
}

TEST(SymbolTabInMainWindow, ALanguageSwitchOrAFontChangeRedrawsTheGrid) {
    MainWindowWorld world;
    world.Start();
    world.port.symbolRefreshes.clear();
    world.model.ComboBox3Change(5);  // Khmer: laid out again for its font
    ASSERT_FALSE(world.port.symbolRefreshes.empty());
    EXPECT_TRUE(world.port.symbolRefreshes.back());
    EXPECT_EQ(world.model.symbolTab().LanguageCharset(), world.model.language().LangCharset);
    world.port.symbolRefreshes.clear();
    world.model.ComboBox1Change(u"Tahoma");  // drawn again, same sizes
    EXPECT_EQ(world.port.symbolRefreshes, std::vector<bool>{false});
}

TEST(SymbolTabInMainWindow, LayoutFitsBothFontsToTheCells) {
    MainWindowWorld world;
    world.Start();
    LinearMeasurer measurer;
    const SymbolGridLayout layout = world.model.symbolTab().LayOut(651, measurer);
    EXPECT_EQ(layout.geometry.CellSide(), 30);
    EXPECT_EQ(layout.nameSize, 12);  // trunc(0.4 × 30)
    EXPECT_EQ(layout.mainSize, 24);  // trunc(0.8 × 30)
}

}  // namespace
}  // namespace tess
