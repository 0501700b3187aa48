#include "wordbook/WordListModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\books";

WordEntry Word(std::u16string foreign, std::u16string japanese, std::u16string phonetic = u"",
               std::u16string color = u"") {
    WordEntry e;
    e.foreignWord = std::move(foreign);
    e.japanese = std::move(japanese);
    e.phonetic = std::move(phonetic);
    e.textColor = std::move(color);
    return e;
}

class WordListModelTest : public ::testing::Test {
protected:
    void Open(const std::vector<WordEntry>& entries, const std::u16string& audioFolder = u"") {
        fake.CreateDirectories(kFolder);
        ASSERT_TRUE(WriteNewWordBook(fake, kFolder + u"\\b.utx", u"T", u"", audioFolder, entries));
        ASSERT_EQ(list.Store().Load(fake, kFolder, u"b.utx").result, WordBookLoadResult::Loaded);
    }
    std::vector<std::u16string> Column(int column) {
        std::vector<std::u16string> texts;
        for (std::size_t r = 0; r < list.RowCount(); ++r) texts.push_back(list.CellText(r, column));
        return texts;
    }
    FakePlatform fake;
    WordListModel list;
};

TEST_F(WordListModelTest, DirectionDecidesColumnsZeroAndFourAndTheirFonts) {
    Open({Word(u"ก", u"鶏", u"kɔː")});
    struct Case {
        bool foreignFirst;
        std::u16string caption0, caption4, text0, text4;
        CellFontKind font0, font4;
    };
    for (const Case& c : {Case{true, u"タイ語", u"日本語", u"ก", u"鶏", CellFontKind::Foreign,
                               CellFontKind::Japanese},
                          Case{false, u"日本語", u"タイ語", u"鶏", u"ก", CellFontKind::Japanese,
                               CellFontKind::Foreign}}) {
        list.SetForeignFirst(c.foreignFirst);
        EXPECT_EQ(list.ColumnCaption(0, u"タイ語"), c.caption0);
        EXPECT_EQ(list.ColumnCaption(4, u"タイ語"), c.caption4);
        EXPECT_EQ(list.CellText(0, 0), c.text0);
        EXPECT_EQ(list.CellText(0, 4), c.text4);
        EXPECT_EQ(list.FontOf(0), c.font0);
        EXPECT_EQ(list.FontOf(4), c.font4);
        EXPECT_EQ(list.FontOf(2), CellFontKind::Phonetic);
        EXPECT_EQ(list.CellText(0, kNoColumn), u"1");
    }
}

TEST_F(WordListModelTest, FirstSortIsDescendingThenEachClickReverses) {
    Open({Word(u"b", u"い"), Word(u"c", u"あ"), Word(u"a", u"う")});
    list.SetForeignFirst(true);
    ASSERT_TRUE(list.SortByColumn(4, fake));
    EXPECT_EQ(Column(4), (std::vector<std::u16string>{u"う", u"い", u"あ"}));
    ASSERT_TRUE(list.SortByColumn(4, fake));
    EXPECT_EQ(Column(4), (std::vector<std::u16string>{u"あ", u"い", u"う"}));
    // Another column starts descending again; the numbers follow the rows.
    ASSERT_TRUE(list.SortByColumn(0, fake));
    EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"c", u"b", u"a"}));
    EXPECT_EQ(Column(kNoColumn), (std::vector<std::u16string>{u"1", u"2", u"3"}));
    EXPECT_FALSE(list.SortByColumn(kNoColumn, fake));
}

TEST_F(WordListModelTest, OnlyTheForeignWordSortsWithoutCase) {
    // Ascending order (second click) of each column; "B" < "a" by code units.
    struct Case {
        bool foreignFirst;
        int column;
        std::vector<std::u16string> foreignOrder;
    };
    for (const Case& c : {Case{true, 0, {u"a", u"B"}}, Case{false, 4, {u"a", u"B"}},
                          Case{false, 0, {u"B", u"a"}}, Case{true, 4, {u"B", u"a"}}}) {
        WordListModel fresh;
        list = std::move(fresh);
        Open({Word(u"a", u"a"), Word(u"B", u"B")});
        list.SetForeignFirst(c.foreignFirst);
        list.SortByColumn(c.column, fake);
        list.SortByColumn(c.column, fake);
        std::vector<std::u16string> order;
        for (std::size_t r = 0; r < list.RowCount(); ++r) order.push_back(list.Row(r).foreignWord);
        EXPECT_EQ(order, c.foreignOrder) << c.foreignFirst << " column " << c.column;
    }
}

TEST_F(WordListModelTest, TextColourIsTheValidCodeElseTheDefault) {
    Open({Word(u"a", u"", u"", u"#FF0000"), Word(u"b", u"", u"", u"#ff0000"),
          Word(u"c", u"", u"", u"#F00")});
    EXPECT_EQ(list.TextColorOf(0), MakeColor(255, 0, 0));
    EXPECT_EQ(list.TextColorOf(1), kWindowTextColor);
    EXPECT_EQ(list.TextColorOf(2), kWindowTextColor);
}

TEST_F(WordListModelTest, DoubleClickCopyMakesStoredLineBreaksReal) {
    Open({Word(u"ก#$0Dข", u"", u"kɔː")});
    EXPECT_EQ(list.CopyOf(0), (WordCopy{u"kɔː", u"ก\r\nข", u""}));
}

TEST(WordBookActions, FollowTheStageOfTheOpenBook) {
    using A = WordBookAction;
    for (A a : {A::RegWord, A::DeleteWB, A::ChWBProp, A::CloseWB, A::JumpWord}) {
        EXPECT_FALSE(WordBookActionEnabled(a, WordBookStage::NoBook));
        EXPECT_TRUE(WordBookActionEnabled(a, WordBookStage::BookOpened));
        EXPECT_TRUE(WordBookActionEnabled(a, WordBookStage::WordClicked));
    }
    for (A a : {A::ModWord, A::DeleteWord, A::MoveWord, A::ChColor}) {
        EXPECT_FALSE(WordBookActionEnabled(a, WordBookStage::NoBook));
        EXPECT_FALSE(WordBookActionEnabled(a, WordBookStage::BookOpened));
        EXPECT_TRUE(WordBookActionEnabled(a, WordBookStage::WordClicked));
    }
}

TEST(WordListColumns, NoColumnStaysBetweenFiftyAndHundredAndSortAsksByCaption) {
    EXPECT_EQ(ClampNoColumnWidth(10), 50);
    EXPECT_EQ(ClampNoColumnWidth(70), 70);
    EXPECT_EQ(ClampNoColumnWidth(300), 100);
    EXPECT_EQ(SortQuestion(u"発音記号"),
              u"項目「発音記号」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？");
}

struct AudioCase {
    const char16_t* name;
    bool playable;
};

class PlayableAudioTest : public ::testing::TestWithParam<AudioCase> {};

TEST_P(PlayableAudioTest, OnlyAPlainAudioFileInTheFolderPlays) {
    FakePlatform fake;
    const std::u16string folder = u"C:\\audio";
    for (const char16_t* f : {u"a.mp3", u"b.WAV", u"c.exe", u"d", u"..mp3"})
        fake.PutFile(folder + u"\\" + f, "x");
    fake.PutFile(u"C:\\evil.mp3", "x");
    fake.PutFile(folder + u"\\sub\\e.mp3", "x");
    const AudioCase& c = GetParam();
    const std::optional<std::u16string> path = PlayableAudioPath(fake, folder, c.name);
    EXPECT_EQ(path.has_value(), c.playable);
    if (path) {
        EXPECT_EQ(*path, folder + u"\\" + c.name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlayableAudioTest,
    ::testing::Values(AudioCase{u"a.mp3", true}, AudioCase{u"b.WAV", true},
                      AudioCase{u"c.exe", false},          // a program
                      AudioCase{u"d", false},              // no audio type
                      AudioCase{u"missing.mp3", false},    // not there
                      AudioCase{u"..\\evil.mp3", false},   // out of the folder
                      AudioCase{u"..mp3", false},          // ".." anywhere
                      AudioCase{u"sub\\e.mp3", false},     // a folder part
                      AudioCase{u"sub/e.mp3", false},
                      AudioCase{u"C:\\evil.mp3", false},   // a drive
                      AudioCase{u"", false}));

}  // namespace
}  // namespace tess
