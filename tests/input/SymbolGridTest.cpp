#include "input/SymbolGrid.h"

#include <gtest/gtest.h>

#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::kTblFolder;
using testing::PutAnsi;

// Each set: how many cells it fills, and cells checked against their code
// point (0: empty) — the ends of its runs and the gaps between them.
struct SetCase {
    SymbolSet set;
    int filled;
    std::vector<std::pair<int, char16_t>> cells;
};

class SymbolSetCellsTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(SymbolSetCellsTest, FillsItsCellsWithItsCodePoints) {
    const SetCase& c = GetParam();
    const auto cells = SymbolSetCells(c.set);
    EXPECT_EQ(std::count_if(cells.begin(), cells.end(), [](char16_t ch) { return ch != 0; }),
              c.filled);
    for (const auto& [cell, code] : c.cells) EXPECT_EQ(cells[cell], code) << "cell " << cell;
}

INSTANTIATE_TEST_SUITE_P(
    Sets, SymbolSetCellsTest,
    ::testing::Values(
        SetCase{SymbolSet::Punc, 83, {{0, 0xB7}, {2, 0x2012}, {23, 0x2027}, {68, 0x205E}, {69, 0},
                                      {82, 0}, {84, 0x2935}, {85, 0}}},
        SetCase{SymbolSet::Latin, 93, {{0, u'A'}, {26, 0}, {49, u'0'}, {60, u'a'}, {99, u'\\'}}},
        SetCase{SymbolSet::Cmb1, 79, {{0, 0x300}, {78, 0x34E}, {79, 0}}},
        SetCase{SymbolSet::Cmb2, 32, {{31, 0x36F}, {32, 0}}},
        SetCase{SymbolSet::Thai, 87, {{0, 0xE01}, {45, 0xE2E}, {46, 0}, {48, 0xE48}, {58, 0xE3F},
                                      {60, 0xE30}, {94, 0xE3A}, {99, 0xE5B}}},
        SetCase{SymbolSet::Mya1, 91, {{33, 0}, {34, 0x1036}, {72, 0x103F}, {98, 0x108D}, {99, 0}}},
        SetCase{SymbolSet::Mya2, 97, {{30, 0}, {72, 0xAA60}, {99, 0xAA7B}}},
        SetCase{SymbolSet::Laos, 67, {{5, 0xEAA}, {27, 0}, {89, 0xED0}, {95, 0xEDF}}},
        SetCase{SymbolSet::Khm1, 94, {{33, 0}, {37, 0x17A3}, {59, 0x17DB}, {99, 0x17DD}}},
        SetCase{SymbolSet::Khm2, 52, {{9, 0x17E0}, {10, 0}, {60, 0x19E0}, {91, 0x19FF}}},
        SetCase{SymbolSet::RomanNumerals, 77, {{0, 0x2160}, {92, u'.'}, {98, u'}'}, {99, 0}}},
        SetCase{SymbolSet::CircledNumbers, 100, {{20, 0x3251}, {99, 0x2789}}},
        SetCase{SymbolSet::CircledLatin, 53, {{40, 0x24EA}, {41, 0}, {85, 0x24E9}}},
        SetCase{SymbolSet::Arithmetic, 68, {{8, 0x203B}, {9, 0}, {39, 0x2189}, {99, 0x2094}}},
        SetCase{SymbolSet::Greek, 49, {{16, 0x3A1}, {17, 0}, {24, 0x3A9}, {84, 0x3C9}}},
        SetCase{SymbolSet::Arrows, 100, {{0, 0x2190}, {99, 0x21F3}}},
        SetCase{SymbolSet::Dingbats1, 96, {{95, 0x2760}, {96, 0}}},
        SetCase{SymbolSet::Dingbats2, 95, {{94, 0x27BF}, {95, 0}}},
        SetCase{SymbolSet::Geometric, 96, {{95, 0x25FF}}},
        SetCase{SymbolSet::Symbols1, 96, {{0, 0x2600}}},
        SetCase{SymbolSet::Symbols2, 96, {{95, 0x26BF}}},
        SetCase{SymbolSet::Math1, 96, {{0, 0x2200}}},
        SetCase{SymbolSet::Math2, 96, {{95, 0x22BF}}},
        SetCase{SymbolSet::Math3, 64, {{63, 0x22FF}, {64, 0}}},
        SetCase{SymbolSet::LatinSupplement1, 96, {{12, 0xAA}, {23, 0}, {99, 0xAC}}}));

TEST(SymbolGridGeometry, CellsFollowTheScrollBoxWidth) {
    const SymbolGridGeometry g = SymbolGridGeometryFor(651);
    EXPECT_EQ(g.pitch, 31);
    EXPECT_EQ(g.CellSide(), 30);
    EXPECT_EQ(g.Left(21), 39);
    EXPECT_EQ(g.Top(21), 92);
}

TEST(CodeField, OnlyFourUpperCaseHexDigitsGiveACharacter) {
    EXPECT_EQ(CodeFieldCharacter(u"0E01"), u'\u0E01');
    EXPECT_EQ(CodeFieldCharacter(u" 0E01 "), u'\u0E01');
    for (const char16_t* text : {u"0e01", u"E01", u"0E011", u"0G01", u""})
        EXPECT_EQ(CodeFieldCharacter(text), std::nullopt);
}

TEST(CellClass, ComesFromTheNoteInThisOrder) {
    EXPECT_EQ(CellClassOfNote(u"中子音・母音"), u'R');
    EXPECT_EQ(CellClassOfNote(u"高子音"), u'B');
    EXPECT_EQ(CellClassOfNote(u"声調記号"), u'G');
    EXPECT_EQ(CellClassOfNote(u"鍵となる記号"), u'M');
    EXPECT_EQ(CellClassOfNote(u"数字"), 0);
    EXPECT_EQ(CellClassColor(u'B'), MakeColor(0, 0, 255));
    EXPECT_EQ(CellClassColor(0), MakeColor(0, 0, 0));
}

class SymbolGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        PutAnsi(fake, u"DBThai.csv",
                u"\"X\",\"Tahoma\"\r\n0,\"0E01\",\"KO KAI\\chicken\",\"コー・カイ\",\"0\",\"中子音\"\r\n"
                u"0,\"0E30\",\"SARA A\",\"サラ・ア\",\"0\",\"短母音\"\r\n");
        PutAnsi(fake, u"DBLao.csv", u"\"X\",\"Tahoma\"\r\n0,\"0E81\",\"KO\",\"コー\",\"0\",\"子音\"\r\n");
    }
    FakePlatform fake;
    SymbolGrid grid;
    static constexpr int kThai = 4, kLaos = 7;
};

TEST_F(SymbolGridTest, ALanguageCategoryTakesNamesAndClassesFromItsDb) {
    grid.ClickCategory(kThai, fake, kTblFolder);
    EXPECT_EQ(grid.PressedCategory(), kThai);
    EXPECT_TRUE(grid.Annotated());
    const SymCell& ko = grid.Cells()[0];
    EXPECT_EQ(ko.englishName, u"KO KAI\\chicken");
    EXPECT_EQ(ko.cellClass, u'B');
    EXPECT_EQ(grid.Cells()[60].cellClass, u'R');  // U+0E30
    EXPECT_EQ(grid.Hint(0), u"コー・カイ  中子音  [0E01]");
    EXPECT_EQ(grid.Hint(1), u"    [0E02]");  // not in the DB: no names
    // Laos next: its own set and names.
    grid.ClickCategory(kLaos, fake, kTblFolder);
    EXPECT_EQ(grid.Cells()[0].text, u'\u0E81');
    EXPECT_EQ(grid.Cells()[0].japaneseName, u"コー");
    // Pressing the pressed button empties the grid.
    grid.ClickCategory(kLaos, fake, kTblFolder);
    EXPECT_EQ(grid.PressedCategory(), -1);
    EXPECT_EQ(grid.Cells()[0], SymCell{});
}

TEST_F(SymbolGridTest, ALibrarySetReleasesTheCategoryAndCarriesNoNames) {
    grid.ClickCategory(kThai, fake, kTblFolder);
    grid.ChooseLibrary(6);  // "矢 印"
    EXPECT_EQ(grid.PressedCategory(), -1);
    EXPECT_FALSE(grid.Annotated());
    EXPECT_EQ(grid.Cells()[0].text, u'\u2190');
    EXPECT_EQ(grid.Cells()[99].text, u'\u21F3');
    EXPECT_EQ(grid.Cells()[0].japaneseName, u"");
    grid.ChooseLibrary(0);  // the heading empties the grid
    EXPECT_EQ(grid.Cells()[0].text, 0);
}

TEST_F(SymbolGridTest, ClickingACellGivesItsTextAndRemembersIt) {
    grid.ChooseLibrary(14);  // "数学記号Ⅲ": cells 0 to 63
    int previous = 99;
    EXPECT_EQ(grid.ClickCell(3, &previous), u"\u22C3");
    EXPECT_EQ(previous, -1);
    EXPECT_EQ(grid.ClickCell(70), std::nullopt);  // empty
    EXPECT_EQ(grid.LastSymCell(), 3);
    grid.ClickCell(5, &previous);
    EXPECT_EQ(previous, 3);
    grid.SetSizeDev(-9);
    EXPECT_EQ(grid.SizeDev(), -5);
}

}  // namespace
}  // namespace tess
