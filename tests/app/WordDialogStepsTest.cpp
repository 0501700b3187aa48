// The word dialogs' steps on an open book in the main window's world:
// registration with RegCopyFlg and RegClearFlg, editing, deleting and
// moving, each read back from the written file.
#include "wordbook/WordDialogSteps.h"

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

WordEntry Word(const std::u16string& foreign, const std::u16string& color = u"") {
    return WordEntry{foreign, u"", u"", u"訳", u"", u"", color};
}

class WordDialogStepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.fake.CreateDirectories(world.folders.ThaiBookFolder);
        WriteBook({Word(u"1"), Word(u"2", u"#FF0000"), Word(u"3"), Word(u"4"), Word(u"5")});
        world.Start();
        books().BookClicked(0);
    }
    void WriteBook(const std::vector<WordEntry>& entries) {
        ASSERT_TRUE(WriteNewWordBook(world.fake, Path(), u"本", u"あいさつ", u"", entries));
    }
    std::u16string Path() const { return world.folders.ThaiBookFolder + u"\\b.utx"; }
    std::vector<WordEntry> FileEntries() {
        auto file = ReadWordBookFile(world.fake, world.folders.ThaiBookFolder, u"b.utx");
        return file ? file->book.entries : std::vector<WordEntry>{};
    }
    std::u16string FileOrder() {
        std::u16string order;
        for (const WordEntry& e : FileEntries()) order += e.foreignWord;
        return order;
    }
    void Select(std::size_t row) {
        view().selectedRow = row;
        books().WordClicked();
    }
    WordBooks& books() { return world.model.wordBooks(); }
    Settings& settings() { return world.model.settings(); }
    testing::FakeWordBookPort& view() { return world.wordBookPort; }

    MainWindowWorld world;
    InputAreaTexts& areas = world.port;  // the main window's areas, as the recording port holds them
};

TEST_F(WordDialogStepsTest, RegistrationCopiesAndClearsTheAreasByTheFlags) {
    struct Case {
        const char* name;
        bool regCopy, regClear;
        std::optional<std::size_t> above;
        std::u16string order;
        std::size_t selected;
    };
    const Case cases[] = {
        {"追加 with both flags", true, true, std::nullopt, u"12345ก#$0Dข", 5},
        {"挿入 above 1 with both flags", true, true, 1, u"ก#$0Dข12345", 0},
        {"挿入 above 5, flags off", false, false, 5, u"1234ก#$0Dข5", 4},
        {"追加, copy only", true, false, std::nullopt, u"12345ก#$0Dข", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBook({Word(u"1"), Word(u"2"), Word(u"3"), Word(u"4"), Word(u"5")});
        books().LoadWordBook(u"b.utx");
        settings().RegCopyFlg = c.regCopy;
        settings().RegClearFlg = c.regClear;
        world.port.memoText = u"ก\r\nข";
        world.port.editText = u"kʰa";

        FormStart start = StartRegistration(settings(), areas);
        EXPECT_EQ(start.focus, c.regCopy ? EntryField::Kana : EntryField::Foreign);
        if (!c.regCopy) {
            EXPECT_EQ(start.form, EntryForm{});
            start.form.foreign = u"ก#$0Dข";  // typed in the dialog instead
            start.form.phonetic = u"kʰa";
        }
        start.form.kana = u" カ ";
        start.form.note = u"一\r\n二\r\n三";
        start.form.audio = u" a.mp3 ";
        ASSERT_TRUE(RegisterWord(books(), settings(), areas, start.form, c.above));

        EXPECT_EQ(FileOrder(), c.order);
        const WordEntry stored = FileEntries()[c.selected];
        EXPECT_EQ(stored.phonetic, u"kʰa");
        EXPECT_EQ(stored.kana, u"カ");
        EXPECT_EQ(stored.note, u"一#$0D二#$0D三");
        EXPECT_EQ(stored.audioFile, c.above ? u"a.mp3" : u" a.mp3 ");  // 追加 keeps it as typed
        EXPECT_EQ(stored.textColor, u"");
        EXPECT_EQ(view().selectedRow, c.selected);
        EXPECT_EQ(view().bookRows[0].count, 6u);
        EXPECT_EQ(world.port.memoText, c.regClear ? u"" : u"ก\r\nข");
        EXPECT_EQ(world.port.editText, c.regClear ? u"" : u"kʰa");
    }
}

TEST_F(WordDialogStepsTest, AFailedRegistrationKeepsTheAreasAndTheFile) {
    settings().RegClearFlg = true;
    world.port.memoText = u"ก";
    world.fake.FailWritesTo(Path());
    const FormStart start = StartRegistration(settings(), areas);
    EXPECT_FALSE(RegisterWord(books(), settings(), areas, start.form, std::nullopt));
    EXPECT_FALSE(RegisterWord(books(), settings(), areas, start.form, 2));
    EXPECT_EQ(FileOrder(), u"12345");
    EXPECT_EQ(books().List().RowCount(), 5u);
    EXPECT_EQ(world.port.memoText, u"ก");
    EXPECT_FALSE(world.fake.messages.empty());
}

TEST_F(WordDialogStepsTest, EditKeepsTheColourAndTheNotesLinesComeBack) {
    Select(1);
    std::optional<EntryForm> form = StartEdit(books());
    ASSERT_TRUE(form);
    EXPECT_EQ(*form, (EntryForm{u"2", u"", u"", u"訳", u"", u""}));
    form->japanese = u" 二 ";
    form->note = u"一\r\n二\r\n三";
    form->audio = u" b.mp3 ";
    ASSERT_TRUE(ApplyEdit(books(), *form));
    EXPECT_EQ(FileEntries()[1],
              (WordEntry{u"2", u"", u"", u"二", u"一#$0D二#$0D三", u"b.mp3", u"#FF0000"}));
    EXPECT_EQ(view().selectedRow, 1u);
    // Shown again: the note's three lines.
    EXPECT_EQ(StartEdit(books())->note, u"一\r\n二\r\n三");
}

TEST_F(WordDialogStepsTest, EditWithNoWordSelectedOnlyCloses) {
    EXPECT_EQ(StartEdit(books()), std::nullopt);
    EXPECT_TRUE(ApplyEdit(books(), EntryForm{u"x", u"", u"", u"", u"", u""}));
    EXPECT_EQ(FileOrder(), u"12345");
}

TEST_F(WordDialogStepsTest, DeleteShowsTheWordAndLowersTheCounts) {
    EXPECT_EQ(StartDelete(books()), DeleteTexts{});
    EXPECT_FALSE(DeleteWord(books()));  // nothing selected: nothing happens
    EXPECT_EQ(FileOrder(), u"12345");

    const std::u16string totalBefore = view().status[1];
    EXPECT_EQ(totalBefore, FolderTotalText(world.folders.ThaiBookFolder, 5));
    Select(2);
    EXPECT_EQ(StartDelete(books()), (DeleteTexts{u"3", u"3", u"訳"}));
    EXPECT_TRUE(DeleteWord(books()));
    EXPECT_EQ(FileOrder(), u"1245");
    EXPECT_EQ(view().bookRows[0].count, 4u);
    EXPECT_EQ(view().status[1], FolderTotalText(world.folders.ThaiBookFolder, 4));
}

TEST_F(WordDialogStepsTest, MoveAboveATypedOrPickedNumber) {
    struct Case {
        std::size_t from;
        std::u16string text;
        bool closes;
        std::u16string order;
    };
    const Case cases[] = {
        {2, u"5", true, u"13425"},  {5, u"2", true, u"15234"}, {3, u"3", true, u"12345"},
        {1, u"0", false, u"12345"}, {1, u"6", false, u"12345"}, {1, u"", false, u"12345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        WriteBook({Word(u"1"), Word(u"2"), Word(u"3"), Word(u"4"), Word(u"5")});
        books().LoadWordBook(u"b.utx");
        Select(c.from - 1);
        const MoveChoices choices = StartMove(books());
        EXPECT_EQ(choices.OwnNumberText(), Utf8ToUtf16(std::to_string(c.from)));
        EXPECT_EQ(MoveWord(books(), choices, c.text), c.closes) << Utf16ToUtf8(c.text);
        EXPECT_EQ(FileOrder(), c.order);
        if (c.closes) {
            EXPECT_EQ(FileEntries()[*view().selectedRow].foreignWord,
                      Utf8ToUtf16(std::to_string(c.from)));
        }
    }
}

TEST_F(WordDialogStepsTest, AudioButtonsPlayFromAndBrowseTheAudioFolder) {
    // No audio folder line: the book's folder is both.
    world.fake.PutFile(world.folders.ThaiBookFolder + u"\\a.mp3", {});
    settings().MediaPlayerFlg = false;
    PlayTypedAudio(books(), u"  a.mp3 ");
    PlayTypedAudio(books(), u"missing.mp3");
    PlayTypedAudio(books(), u"   ");
    EXPECT_EQ(world.fake.shellOpened,
              std::vector<std::u16string>{world.folders.ThaiBookFolder + u"\\a.mp3"});
    EXPECT_EQ(books().AudioBrowseFolder(), world.folders.ThaiBookFolder);

    const std::u16string audio = u"C:\\Audio";
    ASSERT_TRUE(WriteNewWordBook(world.fake, Path(), u"本", u"", audio, {Word(u"1")}));
    books().LoadWordBook(u"b.utx");
    EXPECT_EQ(books().AudioBrowseFolder(), world.folders.ThaiBookFolder);  // not there yet
    world.fake.CreateDirectories(audio);
    EXPECT_EQ(books().AudioBrowseFolder(), audio);
}

}  // namespace
}  // namespace tess
