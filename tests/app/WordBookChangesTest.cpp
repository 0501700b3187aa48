// What the word and book dialogs change in the open book, and what a failed
// write leaves: the file whole and the list showing it.
#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordBooks.h"

namespace tess {
namespace {

WordEntry Word(const std::u16string& foreign, const std::u16string& color = u"") {
    return WordEntry{foreign, u"", u"", u"訳", u"", u"", color};
}

class WordBookChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.fake.CreateDirectories(world.folders.ThaiBookFolder);
        ASSERT_TRUE(WriteNewWordBook(world.fake, Path(u"b.utx"), u"本", u"あいさつ", u"",
                                     {Word(u"1"), Word(u"2", u"#FF0000"), Word(u"3"), Word(u"4"),
                                      Word(u"5")}));
        world.Start();
        books().BookClicked(0);
        world.fake.AdvanceTime(1000);
    }
    std::u16string Path(const std::u16string& name) {
        return world.folders.ThaiBookFolder + u"\\" + name;
    }
    // The foreign words in the file's order.
    std::u16string FileOrder(const std::u16string& name = u"b.utx") {
        std::u16string order;
        if (auto file = ReadWordBookFile(world.fake, world.folders.ThaiBookFolder, name))
            for (const WordEntry& e : file->book.entries) order += e.foreignWord;
        return order;
    }
    void Select(std::size_t row) {
        view().selectedRow = row;
        books().WordClicked();
    }
    WordBooks& books() { return world.model.wordBooks(); }
    testing::FakeWordBookPort& view() { return world.wordBookPort; }
    MainWindowWorld world;
};

TEST_F(WordBookChangesTest, AppendAndInsertWriteTheFileAndCountTheWords) {
    ASSERT_TRUE(books().AppendWord(Word(u"6")));
    EXPECT_EQ(FileOrder(), u"123456");
    EXPECT_EQ(view().selectedRow, 5u);
    EXPECT_TRUE(view().actions[WordBookAction::ModWord]);  // the click step ran
    ASSERT_TRUE(books().InsertWord(1, Word(u"0")));
    EXPECT_EQ(FileOrder(), u"0123456");
    EXPECT_EQ(view().selectedRow, 0u);
    EXPECT_EQ(view().bookRows[0].count, 7u);
    EXPECT_EQ(view().status[1], FolderTotalText(world.folders.ThaiBookFolder, 7));
    EXPECT_FALSE(books().InsertWord(9, Word(u"x")));
}

TEST_F(WordBookChangesTest, MoveAboveANumberIncludingItsOwn) {
    struct Case {
        std::size_t from, to;
        std::u16string order;
    };
    for (const Case& c : {Case{2, 5, u"13425"}, Case{5, 2, u"15234"}, Case{3, 3, u"12345"},
                          Case{1, 1, u"12345"}}) {
        ASSERT_TRUE(WriteNewWordBook(world.fake, Path(u"b.utx"), u"本", u"あいさつ", u"",
                                     {Word(u"1"), Word(u"2"), Word(u"3"), Word(u"4"), Word(u"5")}));
        books().LoadWordBook(u"b.utx");
        Select(c.from - 1);
        ASSERT_TRUE(books().MoveSelectedWord(c.to));
        EXPECT_EQ(FileOrder(), c.order) << c.from << " above " << c.to;
    }
    EXPECT_FALSE(books().MoveSelectedWord(0));
    EXPECT_FALSE(books().MoveSelectedWord(6));
}

TEST_F(WordBookChangesTest, EditKeepsTheColourAndDeleteLowersTheCount) {
    Select(1);
    ASSERT_TRUE(books().ReplaceSelectedWord(Word(u"二", u"#00FF00")));
    const auto file = ReadWordBookFile(world.fake, world.folders.ThaiBookFolder, u"b.utx");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->book.entries[1].foreignWord, u"二");
    EXPECT_EQ(file->book.entries[1].textColor, u"#FF0000");
    ASSERT_TRUE(books().DeleteSelectedWord());
    EXPECT_EQ(FileOrder(), u"1345");
    EXPECT_EQ(view().bookRows[0].count, 4u);
    EXPECT_FALSE(view().actions[WordBookAction::DeleteWord]);
}

TEST_F(WordBookChangesTest, AFailedWriteIsReportedAndTheListShowsTheFile) {
    world.fake.FailWritesTo(Path(u"b.utx"));
    EXPECT_FALSE(books().AppendWord(Word(u"6")));
    EXPECT_EQ(FileOrder(), u"12345");
    EXPECT_EQ(books().List().RowCount(), 5u);
    EXPECT_EQ(view().bookRows[0].count, 5u);
    Select(0);
    EXPECT_FALSE(books().DeleteSelectedWord());
    EXPECT_EQ(books().List().RowCount(), 5u);
    EXPECT_FALSE(world.fake.messages.empty());
}

TEST_F(WordBookChangesTest, NewBookIsListedAndOpenedOnlyInTheCurrentFolder) {
    ASSERT_TRUE(books().CreateBook(Path(u"語彙.utx"), u"語彙", u"その他", u""));
    EXPECT_EQ(ReadWordBookLines(world.fake, Path(u"語彙.utx")), (Lines{u"語彙", u"その他", u""}));
    EXPECT_EQ(world.model.settings().LastWB, u"語彙.utx");
    EXPECT_EQ(view().status[0], u"●タイトル：「語彙」");
    world.fake.CreateDirectories(u"C:\\elsewhere");
    ASSERT_TRUE(books().CreateBook(u"C:\\elsewhere\\x.utx", u"外", u"その他", u""));
    EXPECT_EQ(view().bookRows.size(), 2u);
    EXPECT_EQ(view().rowCount, 0u);  // listed afresh: no book open
}

TEST_F(WordBookChangesTest, DeletingTheOpenBookRecyclesItsFile) {
    ASSERT_TRUE(books().DeleteOpenBook());
    EXPECT_FALSE(world.fake.FileExists(Path(u"b.utx")));
    EXPECT_EQ(world.fake.recycled.count(Path(u"b.utx")), 1u);
    EXPECT_TRUE(view().bookRows.empty());
    EXPECT_EQ(view().status[1], FolderTotalText(world.folders.ThaiBookFolder, 0));
    EXPECT_FALSE(books().DeleteOpenBook());  // no book open any more
}

TEST_F(WordBookChangesTest, PropertiesRewriteTheHeaderAndKeepTheWords) {
    ASSERT_TRUE(books().ChangeProperties(u"新しい題", u"その他", u"C:\\audio"));
    const Lines lines = ReadWordBookLines(world.fake, Path(u"b.utx")).value_or(Lines{});
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], u"新しい題");
    EXPECT_EQ(lines[2], u"C:\\audio");
    EXPECT_EQ(FileOrder(), u"12345");
    EXPECT_EQ(books().List().RowCount(), 5u);
    EXPECT_FALSE(view().actions[WordBookAction::RegWord]);  // until a click
    EXPECT_EQ(view().status[0], u"●タイトル：「新しい題」");
}

TEST_F(WordBookChangesTest, GroupNamesAreWrittenInTheCodePage) {
    ASSERT_TRUE(books().SaveGroupNames({u"旅行", u"その他"}));
    EXPECT_EQ(books().GroupNames(), (Lines{u"旅行", u"その他"}));
}

TEST_F(WordBookChangesTest, ASearchHitOpensItsBookAndWord) {
    books().CloseBookCommand();
    ASSERT_TRUE(books().OpenWordForEdit(false, u"本", 3));
    EXPECT_EQ(view().selectedRow, 2u);
    EXPECT_EQ(view().wordListPageShown, 1);
    EXPECT_TRUE(view().actions[WordBookAction::ModWord]);
    EXPECT_FALSE(books().OpenWordForEdit(false, u"本", 9));
    EXPECT_FALSE(books().OpenWordForEdit(false, u"ない本", 1));
    // A hit from the dictionary folder: "辞書" goes down first.
    EXPECT_FALSE(books().OpenWordForEdit(true, u"本", 1));
    EXPECT_TRUE(view().dictionaryPressed);
    EXPECT_EQ(books().CurrentFolder(), world.folders.ThaiDicFolder);
}

}  // namespace
}  // namespace tess
