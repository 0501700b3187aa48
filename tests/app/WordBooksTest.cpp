// The word books inside the main window: start-up, opening a book, the
// door, the dictionary toggle and folder menu, sorting, direction,
// double-click, colour, close, and what a failed save leaves.
#include "wordbook/WordBooks.h"

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

WordEntry Word(std::u16string foreign, std::u16string phonetic, std::u16string japanese,
               std::u16string audio = u"") {
    WordEntry e;
    e.foreignWord = std::move(foreign);
    e.phonetic = std::move(phonetic);
    e.japanese = std::move(japanese);
    e.audioFile = std::move(audio);
    return e;
}

class WordBooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.WriteSettings({u"EiwaFlg,1", u"ResetInputFlg,1"});
        PutBook(world.folders.ThaiBookFolder, u"greet.utx", u"あいさつ",
                {Word(u"สวัสดี", u"sa.wàt.diː", u"こんにちは"),
                 Word(u"ขอบคุณ", u"kʰɔ̀ːp.kʰun", u"ありがとう", u"thanks.mp3")});
        PutBook(world.folders.ThaiDicFolder, u"dic.utx", u"辞書", {});
        world.Start();
    }
    void PutBook(const std::u16string& folder, const std::u16string& name,
                 const std::u16string& title, const std::vector<WordEntry>& entries) {
        world.fake.CreateDirectories(folder);
        ASSERT_TRUE(WriteNewWordBook(world.fake, folder + u"\\" + name, title, u"あいさつ", u"",
                                     entries));
    }
    Lines FileLines(const std::u16string& path) {
        return ReadWordBookLines(world.fake, path).value_or(Lines{});
    }
    void OpenGreetings() {
        const std::optional<std::size_t> row = books().List().Store().IsOpen()
                                                   ? std::nullopt
                                                   : std::optional<std::size_t>(0);
        books().BookClicked(row);
        world.fake.AdvanceTime(1000);  // the door slides
    }
    WordBooks& books() { return world.model.wordBooks(); }
    testing::FakeWordBookPort& view() { return world.wordBookPort; }

    MainWindowWorld world;
};

TEST_F(WordBooksTest, StartUpListsTheLanguageFolderWithNoBookOpen) {
    ASSERT_EQ(view().bookRows.size(), 1u);
    EXPECT_EQ(view().bookRows[0].title, u"あいさつ");
    EXPECT_EQ(view().status[1], FolderTotalText(world.folders.ThaiBookFolder, 2));
    EXPECT_FALSE(view().listEnabled);
    EXPECT_FALSE(world.model.ActionEnabled(MainAction::RegWord));
    EXPECT_FALSE(view().actions[WordBookAction::JumpWord]);
    EXPECT_EQ(view().captions[0], u"タイ語");  // EiwaFlg: foreign first
    EXPECT_TRUE(view().foreignFirstChecked);
}

TEST_F(WordBooksTest, OpeningABookShowsItsTitleEnablesActionsAndShutsTheDoor) {
    OpenGreetings();
    EXPECT_EQ(view().rowCount, 2u);
    EXPECT_TRUE(view().listEnabled);
    EXPECT_EQ(view().status[0], u"●タイトル：「あいさつ」");
    EXPECT_EQ(world.model.settings().LastWB, u"greet.utx");
    EXPECT_TRUE(world.model.ActionEnabled(MainAction::RegWord));
    EXPECT_FALSE(world.model.ActionEnabled(MainAction::ModWord));
    EXPECT_EQ(view().panelWidths.back(), kPanelShutWidth);
    EXPECT_EQ(view().doorCaption, u"←");
    EXPECT_FALSE(view().sliding);
    // A word clicked: editing it is possible.
    view().selectedRow = 1;
    books().WordClicked();
    EXPECT_TRUE(world.model.ActionEnabled(MainAction::ModWord));
    EXPECT_TRUE(view().actions[WordBookAction::ChColor]);
}

TEST_F(WordBooksTest, WithoutAutoDoorTheDoorStaysAndClosingReopensAShutPanel) {
    books().AutoDoorClicked(false);
    OpenGreetings();
    EXPECT_EQ(view().doorCaption, u"→");
    books().AutoDoorClicked(true);
    books().DoorClicked();
    world.fake.AdvanceTime(1000);
    ASSERT_EQ(view().doorCaption, u"←");
    books().CloseBookCommand();
    world.fake.AdvanceTime(1000);
    EXPECT_EQ(view().doorCaption, u"→");
    EXPECT_EQ(view().rowCount, 0u);
    EXPECT_EQ(world.model.settings().LastWB, u"");
    EXPECT_EQ(world.port.focused, InputArea::Foreign);
}

TEST_F(WordBooksTest, DictionaryToggleReturnsToTheFolderCurrentWhenPressed) {
    books().DictionaryClicked(true);
    EXPECT_TRUE(world.model.settings().DicFlg);
    EXPECT_EQ(books().CurrentFolder(), world.folders.ThaiDicFolder);
    books().FolderChosen(u"C:\\elsewhere");
    books().DictionaryClicked(false);
    EXPECT_FALSE(world.model.settings().DicFlg);
    EXPECT_EQ(books().CurrentFolder(), world.folders.ThaiBookFolder);
}

TEST_F(WordBooksTest, BrowsingAddsTheFolderToTheMenuFileAndSwitches) {
    const std::u16string list = world.folders.SysFolder + u"\\FolList.txt";
    EXPECT_EQ(books().FolderMenuPaths(),
              (Lines{world.folders.ThaiBookFolder, world.folders.ThaiDicFolder}));
    view().browseAnswer = u"C:\\mine";
    books().BrowseForFolder();
    EXPECT_EQ(ReadTextLines(world.fake, list),
              (Lines{u"C:\\mine", world.folders.ThaiBookFolder, world.folders.ThaiDicFolder}));
    EXPECT_EQ(books().CurrentFolder(), u"C:\\mine");
    view().browseAnswer.reset();  // cancelled: nothing changes
    books().BrowseForFolder();
    EXPECT_EQ(books().CurrentFolder(), u"C:\\mine");
}

TEST_F(WordBooksTest, SortAsksFirstAndRewritesTheFileInTheNewOrder) {
    OpenGreetings();
    const std::u16string path = world.folders.ThaiBookFolder + u"\\greet.utx";
    const Lines before = FileLines(path);
    books().WordColumnClicked(4);  // answered No
    EXPECT_EQ(FileLines(path), before);
    ASSERT_EQ(world.fake.messages.back().text,
              SortQuestion(u"日本語"));
    world.fake.scriptedAnswers = {MessageAnswer::Yes};
    books().WordColumnClicked(4);  // descending: "こんにちは" before "ありがとう"
    EXPECT_EQ(FileLines(path), before);  // already in that order
    world.fake.scriptedAnswers = {MessageAnswer::Yes};
    books().WordColumnClicked(4);
    const Lines after = FileLines(path);
    ASSERT_EQ(after.size(), 5u);
    EXPECT_EQ(after[3], before[4]);
    EXPECT_EQ(after[4], before[3]);
}

TEST_F(WordBooksTest, DirectionSwitchSwapsWidthsAndCaptions) {
    OpenGreetings();
    view().widths[0] = 150;
    view().widths[4] = 90;
    books().DirectionChosen(false);
    EXPECT_FALSE(world.model.settings().EiwaFlg);
    EXPECT_EQ(view().captions[0], u"日本語");
    EXPECT_EQ(view().captions[4], u"タイ語");
    EXPECT_EQ(view().widths[0], 90);
    EXPECT_EQ(view().widths[4], 150);
    EXPECT_EQ(books().List().CellText(0, 0), u"こんにちは");
    EXPECT_EQ(view().rowCount, 2u);
}

TEST_F(WordBooksTest, DoubleClickFillsTheAreasAndPlaysOnlyTheBooksAudio) {
    OpenGreetings();
    world.fake.PutFile(world.folders.ThaiBookFolder + u"\\thanks.mp3", "ID3");
    world.port.memoText = u"old";
    view().selectedRow = 1;
    books().WordDoubleClicked();
    EXPECT_EQ(world.port.editText, u"kʰɔ̀ːp.kʰun");
    EXPECT_EQ(world.port.memoText, u"ขอบคุณ");
    EXPECT_EQ(world.port.focused, InputArea::Foreign);
    ASSERT_EQ(world.fake.shellOpened.size(), 1u);
    EXPECT_EQ(world.fake.shellOpened[0], world.folders.ThaiBookFolder + u"\\thanks.mp3");
    EXPECT_EQ(books().LastPlayedAudio(), u"thanks.mp3");

    // ResetInputFlg off: at the caret, the rest kept; a word without audio
    // forgets the last played name.
    world.model.settings().ResetInputFlg = false;
    view().selectedRow = 0;
    books().WordDoubleClicked();
    EXPECT_EQ(world.port.memoText, u"ขอบคุณสวัสดี");
    EXPECT_EQ(books().LastPlayedAudio(), u"");
}

TEST_F(WordBooksTest, ColourDialogStoresTheCodeAndBlackAsEmpty) {
    OpenGreetings();
    view().selectedRow = 0;
    books().WordClicked();
    const std::u16string path = world.folders.ThaiBookFolder + u"\\greet.utx";
    view().colorAnswer = u"#FF0000";
    books().ChangeColor();
    EXPECT_TRUE(FileLines(path)[3].ends_with(u"\"#FF0000\""));
    view().colorAnswer = u"";  // what the dialog gives for black
    books().ChangeColor();
    EXPECT_TRUE(FileLines(path)[3].ends_with(u",\"\""));
    view().colorAnswer.reset();  // cancelled or an invalid code: nothing
    books().ChangeColor();
    EXPECT_EQ(books().List().Row(0).textColor, u"");
}

TEST_F(WordBooksTest, FailedSaveIsReportedAndLeavesFileAndListAsTheyWere) {
    OpenGreetings();
    view().selectedRow = 0;
    books().WordClicked();
    const std::u16string path = world.folders.ThaiBookFolder + u"\\greet.utx";
    const Lines before = FileLines(path);
    world.fake.FailWritesTo(path);
    view().colorAnswer = u"#00FF00";
    books().ChangeColor();
    EXPECT_EQ(FileLines(path), before);
    EXPECT_EQ(books().List().Row(0).textColor, u"");
    ASSERT_FALSE(world.fake.messages.empty());
    EXPECT_NE(world.fake.messages.back().text.find(u"保存できませんでした"), std::u16string::npos);

    world.fake.scriptedAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    books().WordColumnClicked(4);
    books().WordColumnClicked(4);
    EXPECT_EQ(FileLines(path), before);
    EXPECT_EQ(books().List().Row(0).foreignWord, u"สวัสดี");
}

TEST_F(WordBooksTest, JumpSelectsTheRowAndEnablesTheWordActions) {
    OpenGreetings();
    view().jumpAnswer = 1;
    books().JumpWord();
    EXPECT_EQ(view().jumpRows, 2u);
    EXPECT_EQ(view().selectedRow, 1u);
    EXPECT_TRUE(view().actions[WordBookAction::ModWord]);
}

TEST_F(WordBooksTest, ALanguageSwitchListsItsFolderAndReleasesTheDictionaryButton) {
    books().DictionaryClicked(true);
    view().dictionaryPressed = true;
    world.model.ComboBox3Change(3);  // Myanmar
    EXPECT_FALSE(view().dictionaryPressed);
    EXPECT_TRUE(world.model.settings().DicFlg);
    EXPECT_EQ(books().CurrentFolder(), world.folders.MyanmarBookFolder);
    EXPECT_EQ(books().DictionaryFolder(), world.folders.MyanmarDicFolder);
    EXPECT_EQ(view().captions[0], u"ﾐｬﾝﾏｰ語");
}

TEST(WordBooksStartUp, WithDicFlgTheDictionaryFolderIsListed) {
    MainWindowWorld world;
    world.WriteSettings({u"DicFlg,1"});
    world.Start();
    EXPECT_TRUE(world.wordBookPort.dictionaryPressed);
    EXPECT_EQ(world.model.wordBooks().CurrentFolder(), world.folders.ThaiDicFolder);
}

}  // namespace
}  // namespace tess
