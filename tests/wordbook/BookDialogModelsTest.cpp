// The book dialogs' rules: a new book, deleting the open book, its
// properties and the group names, acting on the word books of a main window
// in the fake world.
#include "wordbook/BookDialogModels.h"

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class BookDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.fake.CreateDirectories(world.folders.ThaiBookFolder);
        ASSERT_TRUE(WriteNewWordBook(world.fake, Path(u"b.utx"), u"本", u"旅行", u"",
                                     {WordEntry{u"1", u"", u"", u"訳", u"", u"", u""},
                                      WordEntry{u"2", u"", u"", u"訳", u"", u"", u""}}));
        world.Start();
        books().BookClicked(0);
        world.fake.AdvanceTime(1000);
        ASSERT_TRUE(books().List().Store().IsOpen());
    }
    std::u16string Path(const std::u16string& name) const {
        return world.folders.ThaiBookFolder + u"\\" + name;
    }
    std::u16string GroupFile() const { return world.folders.SysFolder + u"\\GroupName.txt"; }
    void PutGroups(const Lines& names) { world.Put(GroupFile(), names); }
    Lines FileLines(const std::u16string& path) {
        return ReadWordBookLines(world.fake, path).value_or(Lines{});
    }
    std::vector<std::u16string> MessageTexts() const {
        std::vector<std::u16string> texts;
        for (const auto& m : world.fake.messages) texts.push_back(m.text);
        return texts;
    }
    WordBooks& books() { return world.model.wordBooks(); }
    Settings& settings() { return world.model.settings(); }
    testing::FakeWordBookPort& view() { return world.wordBookPort; }
    MainWindowWorld world;
};

// --- The group lists ------------------------------------------------------------------

TEST_F(BookDialogsTest, GroupListsOfferTheFileOrTheDefaultsWithTheFirstEqualNameSelected) {
    struct Case {
        std::optional<Lines> file;
        std::u16string group;
        GroupChoices expected;
    };
    const Case cases[] = {
        {std::nullopt, u"その他", {{u"あいさつ", u"その他"}, 1}},
        {std::nullopt, u"", {{u"あいさつ", u"その他"}, std::nullopt}},
        {Lines{u"旅行", u"食事", u"旅行"}, u"旅行", {{u"旅行", u"食事", u"旅行"}, 0}},
        {Lines{u"旅行", u"食事"}, u"その他", {{u"旅行", u"食事"}, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.group));
        world.fake.RemoveFile(GroupFile());
        if (c.file) PutGroups(*c.file);
        EXPECT_EQ(FillGroupCombo(books(), c.group), c.expected);
        settings().LastGroup = c.group;
        EXPECT_EQ(NewBookDialogModel(books(), settings()).Groups(), c.expected);
    }
}

// --- A new book --------------------------------------------------------------------------

TEST(BookFileName, TitleWithUtxAndNoCharacterAFileNameCannotHold) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"語彙", u"語彙.utx"},
        {u"Thai 1", u"Thai 1.utx"},
        {u"a/b\\c:d", u"a_b_c_d.utx"},
        {u"何?*\"<>|", u"何______.utx"},
        {u"x\ty", u"x_y.utx"},
    };
    for (const auto& [title, name] : cases) EXPECT_EQ(BookFileNameFor(title), name);
}

TEST_F(BookDialogsTest, CreateIsEnabledByTheTrimmedTitleAndEnterFollowsIt) {
    const std::pair<std::u16string, bool> cases[] = {
        {u"", false}, {u"   ", false}, {u"\t \r\n", false},
        {u"語彙", true}, {u"  語彙 ", true}, {u"　", true},  // the ideographic space is text
    };
    NewBookDialogModel dialog(books(), settings());
    EXPECT_FALSE(dialog.CreateEnabled());
    for (const auto& [title, enabled] : cases) {
        SCOPED_TRACE(Utf8(title));
        dialog.TitleChanged(title);
        EXPECT_EQ(dialog.CreateEnabled(), enabled);
        EXPECT_EQ(dialog.EnterCreates(), enabled);
    }
}

TEST_F(BookDialogsTest, PickingAGroupRemembersItForTheNextNewBook) {
    PutGroups({u"旅行", u"食事", u"その他"});
    settings().LastGroup = u"食事";
    NewBookDialogModel dialog(books(), settings());
    EXPECT_EQ(dialog.Groups().selected, 1u);
    dialog.GroupPicked(2);
    EXPECT_EQ(settings().LastGroup, u"その他");
    dialog.GroupPicked(std::nullopt);  // nothing picked: LastGroup stays
    EXPECT_EQ(settings().LastGroup, u"その他");
    EXPECT_EQ(NewBookDialogModel(books(), settings()).Groups().selected, 2u);

    // The group editor saved another list: filled again, LastGroup selected.
    ASSERT_TRUE(books().SaveGroupNames({u"その他", u"旅行"}));
    dialog.RefillGroups();
    EXPECT_EQ(dialog.Groups(), (GroupChoices{{u"その他", u"旅行"}, 0}));
}

TEST_F(BookDialogsTest, CreateWarnsWithoutAGroupDoesNothingWithoutATitleAndOffersTheFileName) {
    NewBookDialogModel dialog(books(), settings());  // あいさつ, その他
    EXPECT_EQ(dialog.CreatePressed(u"語彙", std::nullopt, u""), std::nullopt);
    ASSERT_EQ(world.fake.messages.size(), 1u);
    EXPECT_EQ(world.fake.messages[0].text, u"いずれかのグループを指定して下さい。");
    EXPECT_EQ(world.fake.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(world.fake.messages[0].buttons, MessageButtons::Ok);

    EXPECT_EQ(dialog.CreatePressed(u"  ", 1, u""), std::nullopt);
    EXPECT_EQ(world.fake.messages.size(), 1u);  // no word about an empty title

    EXPECT_EQ(dialog.CreatePressed(u" 語彙 ", 1, u""),
              (NewBookDialogModel::SaveOffer{world.folders.ThaiBookFolder, u"語彙.utx"}));
}

TEST_F(BookDialogsTest, ANewBookInTheCurrentFolderIsWrittenListedAndOpened) {
    NewBookDialogModel dialog(books(), settings());
    ASSERT_TRUE(dialog.CreatePressed(u" 語彙 ", 1, u"  C:\\音声  "));
    EXPECT_EQ(dialog.PathChosen(Path(u"語彙.utx")), NewBookDialogModel::SaveResult::Created);
    EXPECT_EQ(FileLines(Path(u"語彙.utx")), (Lines{u"語彙", u"その他", u"C:\\音声"}));
    EXPECT_EQ(view().status[0], u"●タイトル：「語彙」");
    EXPECT_EQ(books().List().RowCount(), 0u);
    ASSERT_EQ(view().bookRows.size(), 2u);
    EXPECT_TRUE(world.fake.messages.empty());
}

TEST_F(BookDialogsTest, ANewBookElsewhereIsWrittenThereAndNotListed) {
    world.fake.CreateDirectories(u"C:\\elsewhere");
    NewBookDialogModel dialog(books(), settings());
    ASSERT_TRUE(dialog.CreatePressed(u"外", 0, u""));
    EXPECT_EQ(dialog.PathChosen(u"C:\\elsewhere\\外.utx"), NewBookDialogModel::SaveResult::Created);
    EXPECT_EQ(FileLines(u"C:\\elsewhere\\外.utx"), (Lines{u"外", u"あいさつ", u""}));
    ASSERT_EQ(view().bookRows.size(), 1u);
    EXPECT_EQ(view().bookRows[0].fileName, u"b.utx");
    EXPECT_EQ(view().status[0], u"");  // listed afresh: no book open
}

TEST_F(BookDialogsTest, AnExistingBookIsReplacedOnlyWhenTheUserSaysSo) {
    const Lines before = FileLines(Path(u"b.utx"));
    NewBookDialogModel dialog(books(), settings());
    ASSERT_TRUE(dialog.CreatePressed(u"新", 0, u""));

    EXPECT_EQ(dialog.PathChosen(Path(u"b.utx")), NewBookDialogModel::SaveResult::Declined);
    EXPECT_EQ(FileLines(Path(u"b.utx")), before);
    ASSERT_EQ(world.fake.messages.size(), 1u);
    EXPECT_EQ(world.fake.messages[0].text, ReplaceBookQuestion(Path(u"b.utx")));
    EXPECT_EQ(world.fake.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_NE(world.fake.messages[0].text.find(u"置き換えますか？"), std::u16string::npos);
    EXPECT_TRUE(books().List().Store().IsOpen());  // still the old book, untouched

    world.fake.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_EQ(dialog.PathChosen(Path(u"b.utx")), NewBookDialogModel::SaveResult::Created);
    EXPECT_EQ(FileLines(Path(u"b.utx")), (Lines{u"新", u"あいさつ", u""}));
}

TEST_F(BookDialogsTest, AFailedWriteIsReportedAndTheDialogStaysOpen) {
    world.fake.FailWritesTo(Path(u"語彙.utx"));
    NewBookDialogModel dialog(books(), settings());
    ASSERT_TRUE(dialog.CreatePressed(u"語彙", 0, u""));
    EXPECT_EQ(dialog.PathChosen(Path(u"語彙.utx")), NewBookDialogModel::SaveResult::Failed);
    EXPECT_FALSE(world.fake.FileExists(Path(u"語彙.utx")));
    ASSERT_EQ(world.fake.messages.size(), 1u);
    EXPECT_NE(world.fake.messages[0].text.find(u"作成できませんでした"), std::u16string::npos);
}

TEST_F(BookDialogsTest, BrowseStartsInTheOpenBooksAudioFolderWhenItExists) {
    struct Case {
        std::u16string audio;
        bool exists;
        bool current;  // the current word-book folder is the start
    };
    const Case cases[] = {{u"C:\\voices", true, false}, {u"C:\\gone", false, true}, {u"", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.audio));
        if (c.exists) world.fake.CreateDirectories(c.audio);
        ASSERT_TRUE(books().ChangeProperties(u"本", u"旅行", c.audio));
        EXPECT_EQ(NewBookDialogModel(books(), settings()).BrowseStart(),
                  c.current ? world.folders.ThaiBookFolder : c.audio);
    }
    books().CloseBookCommand();
    EXPECT_EQ(NewBookDialogModel(books(), settings()).BrowseStart(), world.folders.ThaiBookFolder);
}

// --- Deleting the open book ------------------------------------------------------------

TEST_F(BookDialogsTest, DeleteShowsTheBookAndSendsItsFileToTheRecycleBin) {
    DeleteBookDialogModel dialog(books());
    EXPECT_EQ(dialog.Title(), u"本");
    EXPECT_EQ(dialog.FileName(), u"b.utx");
    EXPECT_TRUE(dialog.OkCloses());
    world.port.focused = InputArea::None;
    EXPECT_TRUE(dialog.DeleteBook());
    EXPECT_FALSE(world.fake.FileExists(Path(u"b.utx")));
    EXPECT_EQ(world.fake.recycled.count(Path(u"b.utx")), 1u);
    EXPECT_TRUE(view().bookRows.empty());
    EXPECT_EQ(view().status[1], FolderTotalText(world.folders.ThaiBookFolder, 0));
    EXPECT_EQ(view().selectedBook, std::nullopt);
    EXPECT_EQ(world.port.focused, InputArea::Foreign);
}

TEST_F(BookDialogsTest, DeletingABookWhoseFileWentAwayDoesNothing) {
    DeleteBookDialogModel dialog(books());
    world.fake.RemoveFile(Path(u"b.utx"));
    EXPECT_FALSE(dialog.OkCloses());
    EXPECT_FALSE(dialog.DeleteBook());
    EXPECT_TRUE(world.fake.recycled.empty());
    EXPECT_TRUE(world.fake.messages.empty());
    EXPECT_TRUE(books().List().Store().IsOpen());
}

// --- The open book's properties --------------------------------------------------------

TEST_F(BookDialogsTest, PropertiesStartWithTheBooksHeader) {
    PutGroups({u"食事", u"旅行"});
    ASSERT_TRUE(books().ChangeProperties(u"本", u"旅行", u"C:\\音声"));
    BookPropertiesDialogModel dialog(books());
    EXPECT_EQ(dialog.Title(), u"本");
    EXPECT_EQ(dialog.AudioFolder(), u"C:\\音声");
    EXPECT_EQ(dialog.Groups(), (GroupChoices{{u"食事", u"旅行"}, 1}));
    EXPECT_EQ(dialog.BrowseStart(), world.folders.ThaiBookFolder);
}

TEST_F(BookDialogsTest, PropertiesStoreTheTrimmedValuesAndKeepTheWordsAndFileName) {
    struct Case {
        std::u16string title;
        std::optional<std::size_t> group;
        std::u16string audio;
        Lines header;  // empty: warned, nothing written
    };
    const Case cases[] = {
        {u"  新しい題 ", 0, u" C:\\a ", {u"新しい題", u"あいさつ", u"C:\\a"}},
        {u"題", std::nullopt, u"", {u"題", u"", u""}},  // a group no longer listed
        {u" \t ", 1, u"C:\\b", {}},
        {u"", 1, u"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.title));
        world.fake.messages.clear();
        const Lines before = FileLines(Path(u"b.utx"));
        BookPropertiesDialogModel dialog(books());
        EXPECT_EQ(dialog.ChangePressed(c.title, c.group, c.audio), !c.header.empty());
        const Lines after = FileLines(Path(u"b.utx"));
        if (c.header.empty()) {
            EXPECT_EQ(after, before);
            EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kNoTitleWarning});
            continue;
        }
        ASSERT_EQ(after.size(), 5u);
        EXPECT_EQ(Lines(after.begin(), after.begin() + 3), c.header);
        EXPECT_EQ(Lines(after.begin() + 3, after.end()), Lines(before.begin() + 3, before.end()));
        EXPECT_EQ(view().status[0], u"●タイトル：「" + c.header[0] + u"」");
        EXPECT_EQ(books().List().Store().Book().fileName, u"b.utx");
        EXPECT_TRUE(world.fake.messages.empty());
    }
}

TEST_F(BookDialogsTest, PropertiesThatCannotBeWrittenLeaveTheFileAndTheDialogOpen) {
    const Lines before = FileLines(Path(u"b.utx"));
    world.fake.FailWritesTo(Path(u"b.utx"));
    BookPropertiesDialogModel dialog(books());
    EXPECT_FALSE(dialog.ChangePressed(u"新しい題", 0, u""));
    EXPECT_EQ(FileLines(Path(u"b.utx")), before);
    EXPECT_EQ(books().List().Store().Book().title, u"本");
    EXPECT_FALSE(world.fake.messages.empty());
}

// --- The group names -------------------------------------------------------------------

Lines Numbered(std::size_t n) {
    Lines names;
    for (std::size_t i = 0; i < n; ++i) names.push_back(u"g" + std::u16string(1, u'a' + i));
    return names;
}

TEST_F(BookDialogsTest, TheGroupEditorStartsWithTheFileOrEmptyWhileTheNewBookOffersTheDefaults) {
    EXPECT_EQ(books().StoredGroupNames(), std::nullopt);
    GroupNamesDialogModel missing(books().StoredGroupNames());
    EXPECT_TRUE(missing.Names().empty());
    EXPECT_EQ(missing.CountText(), u"個数： 0個");
    EXPECT_EQ(NewBookDialogModel(books(), settings()).Groups().names,
              (Lines{u"あいさつ", u"その他"}));

    PutGroups({u"旅行", u"食事", u"その他"});
    GroupNamesDialogModel stored(books().StoredGroupNames());
    EXPECT_EQ(stored.Names(), (Lines{u"旅行", u"食事", u"その他"}));
    EXPECT_EQ(stored.CountText(), u"個数： 3個");
    EXPECT_EQ(stored.ButtonStates(), GroupNamesDialogModel::Buttons{});
}

TEST(GroupNamesDialog, ButtonsFollowTheNameTheCountAndTheSelection) {
    using Buttons = GroupNamesDialogModel::Buttons;
    struct Case {
        std::size_t count;
        std::u16string typed;
        std::optional<std::size_t> selected;
        Buttons expected;  // add, insert, remove, up, down
    };
    const Case cases[] = {
        {3, u"", std::nullopt, {false, false, false, false, false}},
        {3, u"  ", std::nullopt, {false, false, false, false, false}},
        {3, u" 旅 ", std::nullopt, {true, false, false, false, false}},
        {3, u"", 0, {false, true, true, false, true}},
        {3, u"x", 1, {true, true, true, true, true}},
        {3, u"x", 2, {true, true, true, true, false}},
        {1, u"x", 0, {true, true, false, false, false}},
        {29, u"x", 28, {true, true, true, true, false}},
        {30, u"x", 5, {false, false, true, true, true}},
        {30, u"x", std::nullopt, {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " names, selected "
                                          << (c.selected ? int(*c.selected) : -1));
        GroupNamesDialogModel dialog(Numbered(c.count));
        dialog.NameTyped(c.typed);
        dialog.NameClicked(c.selected);
        EXPECT_EQ(dialog.ButtonStates(), c.expected);
    }
}

TEST(GroupNamesDialog, AddInsertAndMovesKeepTheSelectedName) {
    GroupNamesDialogModel dialog(Lines{u"a", u"b", u"c"});
    dialog.NameTyped(u"  旅行 ");
    EXPECT_TRUE(dialog.AddPressed());
    EXPECT_EQ(dialog.Names(), (Lines{u"a", u"b", u"c", u"旅行"}));
    EXPECT_EQ(dialog.CountText(), u"個数： 4個");
    EXPECT_FALSE(dialog.InsertPressed());  // nothing selected

    dialog.NameClicked(1);
    dialog.NameTyped(u"x");
    EXPECT_TRUE(dialog.InsertPressed());
    EXPECT_TRUE(dialog.InsertPressed());  // duplicates are allowed
    EXPECT_EQ(dialog.Names(), (Lines{u"a", u"x", u"x", u"b", u"c", u"旅行"}));
    EXPECT_EQ(dialog.Selected(), 3u);  // still "b"

    EXPECT_TRUE(dialog.UpPressed());
    EXPECT_EQ(dialog.Selected(), 2u);
    EXPECT_TRUE(dialog.DownPressed());
    EXPECT_TRUE(dialog.DownPressed());
    EXPECT_TRUE(dialog.DownPressed());
    EXPECT_EQ(dialog.Names(), (Lines{u"a", u"x", u"x", u"c", u"旅行", u"b"}));
    EXPECT_EQ(dialog.Selected(), 5u);
    EXPECT_FALSE(dialog.DownPressed());  // the last stays the last
    EXPECT_FALSE(dialog.ButtonStates().down);
    dialog.NameClicked(0);
    EXPECT_FALSE(dialog.UpPressed());

    dialog.NameTyped(u" ");
    EXPECT_FALSE(dialog.AddPressed());
    EXPECT_EQ(dialog.Names().size(), 6u);
}

TEST(GroupNamesDialog, ThirtyNamesTakeNoMore) {
    GroupNamesDialogModel dialog(Numbered(30));
    dialog.NameTyped(u"x");
    dialog.NameClicked(3);
    EXPECT_FALSE(dialog.AddPressed());
    EXPECT_FALSE(dialog.InsertPressed());
    EXPECT_EQ(dialog.Names(), Numbered(30));

    GroupNamesDialogModel almost(Numbered(29));
    almost.NameTyped(u"x");
    EXPECT_TRUE(almost.AddPressed());
    EXPECT_FALSE(almost.ButtonStates().add);
    EXPECT_FALSE(almost.AddPressed());
    EXPECT_EQ(almost.Names().size(), 30u);
}

TEST(GroupNamesDialog, DeletingWarnsBelowTwoNamesOrWithNoneSelected) {
    struct Case {
        std::size_t count;
        std::optional<std::size_t> selected;
        bool deleted;
    };
    const Case cases[] = {{3, 1, true}, {3, std::nullopt, false}, {2, 0, false}, {1, 0, false},
                          {30, 29, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.count << " names");
        FakePlatform fake;
        GroupNamesDialogModel dialog(Numbered(c.count));
        dialog.NameClicked(c.selected);
        EXPECT_EQ(dialog.DeletePressed(fake), c.deleted);
        EXPECT_EQ(dialog.Names().size(), c.deleted ? c.count - 1 : c.count);
        if (c.deleted) {
            EXPECT_TRUE(fake.messages.empty());
            Lines expected = Numbered(c.count);
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(*c.selected));
            EXPECT_EQ(dialog.Names(), expected);
            EXPECT_EQ(dialog.Selected(), std::nullopt);
        } else {
            ASSERT_EQ(fake.messages.size(), 1u);
            EXPECT_EQ(fake.messages[0].text, u"グループをゼロにすることはできません。");
            EXPECT_EQ(fake.messages[0].kind, MessageKind::Warning);
            EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
        }
    }
}

TEST_F(BookDialogsTest, UpdateWritesTheFileRefillsTheNewBookListAndSaysSo) {
    PutGroups({u"旅行", u"その他"});
    settings().LastGroup = u"食事";
    NewBookDialogModel newBook(books(), settings());
    EXPECT_EQ(newBook.Groups().selected, std::nullopt);

    GroupNamesDialogModel dialog(books().StoredGroupNames());
    dialog.NameTyped(u"食事");
    ASSERT_TRUE(dialog.AddPressed());
    int refills = 0;
    EXPECT_TRUE(dialog.UpdatePressed(books(), [&] {
        ++refills;
        EXPECT_TRUE(world.fake.messages.empty());  // refilled before the notice
        newBook.RefillGroups();
    }));
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(books().StoredGroupNames(), (Lines{u"旅行", u"その他", u"食事"}));
    EXPECT_EQ(world.fake.ReadWholeFile(GroupFile()),
              world.fake.EncodeCodePage(932, u"旅行\r\nその他\r\n食事\r\n"));
    EXPECT_EQ(newBook.Groups(), (GroupChoices{{u"旅行", u"その他", u"食事"}, 2}));
    ASSERT_EQ(world.fake.messages.size(), 1u);
    EXPECT_EQ(world.fake.messages[0].text, u"グループ名リストを保存しました。");
    EXPECT_EQ(world.fake.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(world.fake.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(BookDialogsTest, UpdateOfFewerThanTwoNamesIsRefused) {
    for (std::size_t count : {0u, 1u}) {
        world.fake.messages.clear();
        GroupNamesDialogModel dialog(Numbered(count));
        EXPECT_FALSE(dialog.UpdatePressed(books(), [] { ADD_FAILURE() << "refilled"; }));
        EXPECT_FALSE(world.fake.FileExists(GroupFile()));
        EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kTooFewGroupsWarning});
    }
}

TEST_F(BookDialogsTest, AnUpdateThatCannotBeWrittenLeavesTheOldFileAndTheDialogOpen) {
    PutGroups({u"旅行", u"その他"});
    const auto before = world.fake.ReadWholeFile(GroupFile());
    world.fake.FailWritesTo(GroupFile());
    GroupNamesDialogModel dialog(books().StoredGroupNames());
    dialog.NameTyped(u"食事");
    ASSERT_TRUE(dialog.AddPressed());
    EXPECT_FALSE(dialog.UpdatePressed(books(), [] { ADD_FAILURE() << "refilled"; }));
    EXPECT_EQ(world.fake.ReadWholeFile(GroupFile()), before);
    ASSERT_EQ(world.fake.messages.size(), 1u);
    EXPECT_NE(world.fake.messages[0].text.find(u"GroupName.txt"), std::u16string::npos);
    EXPECT_EQ(world.fake.messages[0].text.find(u"保存しました"), std::u16string::npos);
}

}  // namespace
}  // namespace tess
