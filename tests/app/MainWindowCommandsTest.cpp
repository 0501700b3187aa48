#include <gtest/gtest.h>

#include "app/AppIdentity.h"
#include "app/MainWindowFixture.h"

namespace tess {
namespace {

constexpr std::uint16_t F(int n) { return static_cast<std::uint16_t>(kVkF1 + n - 1); }

// --- Size box ----------------------------------------------------------------------

TEST(SizeBox, TypedTextsAndTheSizesTheyGive) {
    struct Case {
        std::u16string typed;
        bool locked;
        std::u16string boxAfter;  // what the box shows afterwards
        int setting;              // UsrMainFontSize
        int memoSize;
    };
    // Memo1 starts at 18 (unlocked) or at DispMainFSize 30 (locked).
    const Case cases[] = {
        {u"24", false, u"24", 24, 24},
        {u"100", false, u"100", 100, 100},  // no upper bound
        {u"5", false, u"8", 8, 8},
        {u"-3", false, u"8", 8, 8},
        {u"abc", false, u"abc", 18, 18},  // not a number: Memo1's size
        {u"", false, u"", 18, 18},
        {u"12pt", false, u"12pt", 18, 18},
        {u"24", true, u"24", 24, 30},  // the locked display size stays
        {u"abc", true, u"abc", 30, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.typed) + (c.locked ? " locked" : ""));
        MainWindowWorld w;
        if (c.locked) w.WriteSettings({u"DispFSizeLockFlg,1", u"DispMainFSize,30"});
        w.Start();
        w.port.sizeText = c.typed;  // the user typed it into the box
        w.model.ComboBox2Change(c.typed);
        EXPECT_EQ(w.port.sizeText, c.boxAfter);
        EXPECT_EQ(w.model.settings().UsrMainFontSize, c.setting);
        EXPECT_EQ(w.port.memoFont.sizePt, c.memoSize);
    }
}

// --- Function keys -------------------------------------------------------------------

TEST(FormKeyDown, WhatEachKeyDoes) {
    struct Case {
        std::uint16_t key;
        InputArea focusedBefore;
        bool handled;
        std::optional<MainAction> opens;  // the window the view is asked to open
        InputArea focusedAfter;
        bool caretToEnd;
        bool cleared;
        bool transferred;
    };
    const InputArea Fo = InputArea::Foreign, Ph = InputArea::Phonetic;
    const Case cases[] = {
        {F(1), Fo, true, std::nullopt, Ph, true, false, false},
        {F(1), Ph, true, std::nullopt, Fo, true, false, false},
        {F(1), InputArea::None, true, std::nullopt, Fo, true, false, false},
        {F(2), Ph, true, std::nullopt, Fo, false, true, false},
        {F(3), Ph, false, std::nullopt, Ph, false, false, false},
        {F(4), Ph, true, MainAction::RegWord, Ph, false, false, false},
        {F(5), Ph, true, MainAction::ModWord, Ph, false, false, false},
        {F(6), Ph, true, MainAction::SearchWord, Ph, false, false, false},
        {F(7), Ph, true, MainAction::PadMode, Ph, false, false, false},
        {F(8), Ph, true, MainAction::Option, Ph, false, false, false},
        // F9 sends the foreign area in mode 1; the source takes the focus.
        {F(9), Ph, true, std::nullopt, Fo, false, false, true},
        {F(10), Ph, false, std::nullopt, Ph, false, false, false},
        {u'A', Ph, false, std::nullopt, Ph, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        MainWindowWorld w;
        w.Start();
        // As once a word book is open: every action enabled.
        w.model.SetActionEnabled(MainAction::RegWord, true);
        w.model.SetActionEnabled(MainAction::ModWord, true);
        w.port.memoText = u"กา";
        w.port.editText = u"ka";
        w.transferPort.text[InputArea::Foreign] = u"กา";
        w.port.focused = c.focusedBefore;
        w.transferPort.focus = c.focusedBefore;
        w.port.caretToEnd = false;
        EXPECT_EQ(w.model.FormKeyDown(c.key), c.handled);
        const InputArea after =
            c.transferred ? *w.transferPort.focus : w.port.focused;
        EXPECT_EQ(after, c.focusedAfter);
        EXPECT_EQ(w.port.caretToEnd, c.caretToEnd);
        EXPECT_EQ(w.port.memoText, c.cleared ? u"" : u"กา");
        EXPECT_EQ(w.port.editText, c.cleared ? u"" : u"ka");
        EXPECT_EQ(w.port.opened, c.opens ? std::vector<MainAction>{*c.opens}
                                         : std::vector<MainAction>{});
        EXPECT_EQ(w.transferPort.richCopies.size(), c.transferred ? 1u : 0u);
    }
}

TEST(FunctionKeyName, NamesTheKeyThatRunsEachAction) {
    const std::pair<MainAction, std::u16string> cases[] = {
        {MainAction::Close, u""},        {MainAction::AreaClear, u"F2"},
        {MainAction::RegWord, u"F4"},    {MainAction::ModWord, u"F5"},
        {MainAction::SearchWord, u"F6"}, {MainAction::PadMode, u"F7"},
        {MainAction::Option, u"F8"},     {MainAction::TransferTxt1, u"F9"},
    };
    for (const auto& [action, name] : cases) {
        SCOPED_TRACE(static_cast<int>(action));
        EXPECT_EQ(FunctionKeyName(action), name);
        // The name is the key the handler runs the action for.
        if (!name.empty()) {
            EXPECT_EQ(FunctionKeyOf(action), F(name[1] - u'0'));
        }
    }
}

TEST(FormKeyDown, ADisabledActionsKeyDoesNothing) {
    const std::pair<std::uint16_t, MainAction> keys[] = {
        {F(2), MainAction::AreaClear}, {F(4), MainAction::RegWord},
        {F(5), MainAction::ModWord},   {F(6), MainAction::SearchWord},
        {F(7), MainAction::PadMode},   {F(8), MainAction::Option},
        {F(9), MainAction::TransferTxt1},
    };
    for (const auto& [key, action] : keys) {
        SCOPED_TRACE(key);
        MainWindowWorld w;
        w.Start();
        w.port.memoText = u"กา";
        w.port.focused = InputArea::Phonetic;
        w.model.SetActionEnabled(action, false);
        EXPECT_FALSE(w.port.actions.at(action));  // its button is disabled too
        EXPECT_FALSE(w.model.FormKeyDown(key));
        EXPECT_EQ(w.port.memoText, u"กา");
        EXPECT_EQ(w.port.focused, InputArea::Phonetic);
        EXPECT_TRUE(w.port.opened.empty());
        EXPECT_TRUE(w.transferPort.richCopies.empty());

        w.model.SetActionEnabled(action, true);
        EXPECT_TRUE(w.port.actions.at(action));
    }
}

TEST(RunAction, TheCloseButtonAsksTheViewToClose) {
    MainWindowWorld w;
    w.Start();
    w.model.RunAction(MainAction::Close);
    EXPECT_EQ(w.port.closeRequests, 1);
}

TEST(PageControl2Change, ThePhoneticPageFocusesThePhoneticAreaAndTheOthersTheForeign) {
    // Thai lists three pages; the other languages hide the MS IME page, and
    // the phonetic page moves up to the second tab.
    struct Case {
        int inputMode;
        int tab;
        KeyboardPage page;
        InputArea focused;
    };
    const Case cases[] = {
        {kModeThaiRomaji, 0, KeyboardPage::Romaji, InputArea::Foreign},
        {kModeThaiRomaji, 1, KeyboardPage::MsIme, InputArea::Foreign},
        {kModeThaiRomaji, 2, KeyboardPage::Phonetic, InputArea::Phonetic},
        {kModeLaoRomaji, 0, KeyboardPage::Romaji, InputArea::Foreign},
        {kModeLaoRomaji, 1, KeyboardPage::Phonetic, InputArea::Phonetic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        MainWindowWorld w;
        w.Start();
        w.model.ComboBox3Change(c.inputMode - 1);
        EXPECT_EQ(w.model.PageAtTab(c.tab), c.page);
        EXPECT_EQ(w.model.TabIndexOf(c.page), c.tab);
        w.model.PageControl2Change(c.tab);
        EXPECT_EQ(w.port.focused, c.focused);
    }
}

TEST(FocusEntry, TheLayoutComesFirstThenTheAutomaticTransferMode) {
    MainWindowWorld w;
    w.fake.activeLayout = u"00000411";
    w.Start();
    w.model.settings().InputMode = kModeThaiMsIme;
    w.model.settings().AutoTransFlg = true;
    w.model.AreaEntered(InputArea::Foreign);
    EXPECT_EQ(w.fake.activeLayout, kThaiKedmaneeLayout);
    EXPECT_EQ(w.model.settings().TransMode, 1);
    w.model.AreaEntered(InputArea::Phonetic);
    EXPECT_EQ(w.fake.activeLayout, u"00000411");
    EXPECT_EQ(w.model.settings().TransMode, 11);
    EXPECT_EQ(w.transferPort.modeText, u"発音記号 ﾘｯﾁ");
}

TEST(ModeBox, ALanguageSwitchShowsTheModeAndTheNewTableOnTheSameKeyboard) {
    MainWindowWorld w;
    w.Start();
    w.model.BuildKeyboards(390, 300);
    const KeyboardCells* romaji = w.model.KeyboardOf(KeyboardPage::Romaji);
    w.port.repainted.clear();
    w.model.ComboBox3Change(4);  // Lao romaji
    EXPECT_EQ(w.transferPort.modeText, u"ﾗｵｽ語 ﾘｯﾁ1");
    EXPECT_EQ(w.model.KeyboardOf(KeyboardPage::Romaji), romaji);
    EXPECT_EQ(w.port.repainted, std::vector<KeyboardPage>{KeyboardPage::Romaji});
}

// --- File menu ---------------------------------------------------------------------------

class TextFileMenu : public ::testing::Test {
protected:
    void SetUp() override { w.Start(); }
    std::u16string Path(const std::u16string& name) { return w.folders.UsrFolder + u"\\" + name; }
    MainWindowWorld w;
};

TEST_F(TextFileMenu, SaveAsThenOpenGivesTheSameText) {
    EXPECT_FALSE(w.model.OverwriteSaveEnabled());
    w.port.memoText = u"กา\r\n\r\nka";
    w.fake.CreateDirectories(u"C:\\Texts");
    w.model.SaveTextFileAs(u"C:\\Texts\\a.txt");
    // UTF-16 LE with the mark, CR LF after every line.
    EXPECT_EQ(w.fake.ReadWholeFile(u"C:\\Texts\\a.txt"),
              std::string("\xFF\xFE\x01\x0E\x32\x0E\r\0\n\0\r\0\n\0k\0a\0\r\0\n\0", 22));
    EXPECT_EQ(w.model.folders().TextFolder, u"C:\\Texts");
    EXPECT_EQ(w.model.CurrentTextFile(), u"C:\\Texts\\a.txt");
    EXPECT_TRUE(w.model.OverwriteSaveEnabled());

    w.port.memoText = u"";
    w.model.OpenTextFile(u"C:\\Texts\\a.txt");
    EXPECT_EQ(w.port.memoText, u"กา\r\n\r\nka\r\n");
    EXPECT_TRUE(w.fake.messages.empty());
}

TEST_F(TextFileMenu, OpenReadsUtf16LEWhateverTheFileHolds) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::u16string memo;
    };
    const Case cases[] = {
        {"with mark", std::string("\xFF\xFE\x01\x0E\r\0b\0\n\0c\0", 12), u"\u0E01\r\nb\r\nc"},
        {"without mark", std::string("a\0\n\0", 4), u"a\r\n"},
        {"odd last byte", std::string("a\0b", 3), u"a"},
        // UTF-8 "ab" read as one UTF-16 unit: garbage, as the user sees it.
        {"UTF-8", "ab", u"\u6261"},
        {"empty", "", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.fake.PutFile(Path(u"in.txt"), c.bytes);
        w.port.memoText = u"before";
        w.model.OpenTextFile(Path(u"in.txt"));
        EXPECT_EQ(w.port.memoText, c.memo);
    }
}

TEST_F(TextFileMenu, AnUnreadableFileIsReportedAndStillBecomesCurrent) {
    w.port.memoText = u"kept";
    w.model.OpenTextFile(u"C:\\Gone\\x.txt");
    EXPECT_EQ(w.port.memoText, u"kept");
    ASSERT_EQ(w.fake.messages.size(), 1u);
    EXPECT_NE(w.fake.messages[0].text.find(u"C:\\Gone\\x.txt"), std::u16string::npos);
    EXPECT_EQ(w.model.CurrentTextFile(), u"C:\\Gone\\x.txt");
    EXPECT_EQ(w.model.folders().TextFolder, u"C:\\Gone");
}

TEST_F(TextFileMenu, OverwriteAsksFirstAndWritesOnlyOnYes) {
    const Bytes old = EncodeUtf16Lines({u"old"});
    w.fake.PutFile(Path(u"b.txt"), old);
    w.model.OpenTextFile(Path(u"b.txt"));
    w.port.memoText = u"new";

    w.fake.scriptedAnswers = {MessageAnswer::No};
    w.model.OverwriteTextFile();
    ASSERT_EQ(w.fake.messages.size(), 1u);
    EXPECT_EQ(w.fake.messages[0].text,
              u"すでに\"b.txt\"と名前が同じファイルが存在しますが、上書きしますか？");
    EXPECT_EQ(w.fake.messages[0].kind, MessageKind::Question);
    EXPECT_EQ(w.fake.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(*w.fake.ReadWholeFile(Path(u"b.txt")), old);

    w.fake.scriptedAnswers = {MessageAnswer::Yes};
    w.model.OverwriteTextFile();
    EXPECT_EQ(*w.fake.ReadWholeFile(Path(u"b.txt")), EncodeUtf16Lines({u"new"}));
}

TEST_F(TextFileMenu, OverwriteOfAFileThatIsGoneDoesNothing) {
    w.fake.PutFile(Path(u"b.txt"), EncodeUtf16Lines({u"old"}));
    w.model.OpenTextFile(Path(u"b.txt"));
    w.fake.RemoveFile(Path(u"b.txt"));
    w.fake.scriptedAnswers = {MessageAnswer::Yes};
    w.model.OverwriteTextFile();
    EXPECT_TRUE(w.fake.messages.empty());
    EXPECT_FALSE(w.fake.FileExists(Path(u"b.txt")));
}

TEST_F(TextFileMenu, AFailedSaveIsReportedAndKeepsTheOldFile) {
    const Bytes old = EncodeUtf16Lines({u"old"});
    w.fake.PutFile(Path(u"c.txt"), old);
    w.fake.FailWritesTo(Path(u"c.txt"));
    w.port.memoText = u"new";
    w.model.SaveTextFileAs(Path(u"c.txt"));
    EXPECT_EQ(*w.fake.ReadWholeFile(Path(u"c.txt")), old);
    ASSERT_EQ(w.fake.messages.size(), 1u);
    EXPECT_NE(w.fake.messages[0].text.find(Path(u"c.txt")), std::u16string::npos);
}

// --- Tools, help and menus ----------------------------------------------------------------

TEST(CodeValueChecker, ListsMemo1sCodesInEdit1AfterSayingSo) {
    MainWindowWorld w;
    w.Start();
    w.port.memoText = u" \tกข\r\n";
    w.port.editText = u"ipa";
    w.model.RunCodeValueChecker();
    ASSERT_EQ(w.fake.messages.size(), 1u);
    EXPECT_EQ(w.fake.messages[0].text, u"結果は発音記号入力エリアに表示します。");
    EXPECT_EQ(w.fake.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(w.fake.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(w.port.editText, u"/#$0E01/#$0E02");
}

TEST(CodeValueChecker, BlanksOnlyDoNothing) {
    MainWindowWorld w;
    w.Start();
    w.port.memoText = u"  \r\n ";
    w.port.editText = u"ipa";
    w.model.RunCodeValueChecker();
    EXPECT_TRUE(w.fake.messages.empty());
    EXPECT_EQ(w.port.editText, u"ipa");
}

TEST(Help, OpensTheHelpFileOnlyWhenItExists) {
    MainWindowWorld w;
    w.Start();
    const std::u16string help = w.folders.HelpFolder + u"\\Tessaline.chm";
    w.model.OpenHelp();
    EXPECT_TRUE(w.fake.shellOpened.empty());
    w.fake.PutFile(help, "chm");
    w.model.OpenHelp();
    EXPECT_EQ(w.fake.shellOpened, std::vector<std::u16string>{help});
}

TEST(AboutBox, ItsLinkOpensOnlyWebAddresses) {
    MainWindowWorld w;
    w.Start();
    w.model.OpenLink(kSupportSite);
    for (const char16_t* other : {u"C:\\Windows\\notepad.exe", u"file:///C:/x.exe", u"javascript:x"})
        w.model.OpenLink(other);
    EXPECT_EQ(w.fake.shellOpened, std::vector<std::u16string>{kSupportSite});
}

TEST(ImeMenu, ChoosingTheOtherLayoutSwitchesTheFlagAndThePageCaption) {
    MainWindowWorld w;
    w.WriteSettings({u"ThaiImeKedFlg,1"});
    w.Start();
    EXPECT_EQ(w.port.imePageCaption, u"MS IME (Kedmanee)");
    w.port.imePageCaption = u"untouched";
    w.model.ChooseThaiIme(true);  // the current one
    EXPECT_EQ(w.port.imePageCaption, u"untouched");
    w.model.ChooseThaiIme(false);
    EXPECT_FALSE(w.model.settings().ThaiImeKedFlg);
    EXPECT_EQ(w.port.imePageCaption, u"MS IME (Pattachote)");
    w.model.ChooseThaiIme(true);
    EXPECT_TRUE(w.model.settings().ThaiImeKedFlg);
    EXPECT_EQ(w.port.imePageCaption, u"MS IME (Kedmanee)");
}

TEST(ImeMenu, ChoosingTheOtherLayoutKeepsCapsAndTheShiftedTable) {
    MainWindowWorld w;
    w.Start();
    w.model.BuildKeyboards(390, 300);
    const auto* ime = static_cast<const MsImeKeyboard*>(w.model.KeyboardOf(KeyboardPage::MsIme));
    w.model.ComboBox3Change(1);  // MS IME mode shows its page
    w.fake.capsLock = true;
    w.model.ForeignAreaKey(kVkCapital, true);
    ASSERT_TRUE(ime->CapsDown());
    ASSERT_TRUE(ime->ShownShifted());
    w.port.repainted.clear();
    w.model.ChooseThaiIme(false);
    EXPECT_EQ(w.model.KeyboardOf(KeyboardPage::MsIme), ime);  // the same keyboard
    EXPECT_EQ(ime->ShownLayout(), ThaiLayout::Pattachote);
    EXPECT_TRUE(ime->CapsDown());
    EXPECT_TRUE(ime->ShownShifted());
    EXPECT_EQ(w.port.repainted, std::vector<KeyboardPage>{KeyboardPage::MsIme});
    // The checked item changes nothing.
    w.model.ChooseThaiIme(false);
    EXPECT_EQ(w.port.repainted.size(), 1u);
}

TEST(EditMenu, TheTwoTogglesInvertTheirFlagsAndMemo1Follows) {
    MainWindowWorld w;
    w.WriteSettings({u"WordWrapFlg,0", u"ScroBarsFlg,1"});
    w.Start();
    w.model.ToggleWordWrap();
    w.model.ToggleScrollBars();
    EXPECT_TRUE(w.model.settings().WordWrapFlg);
    EXPECT_FALSE(w.model.settings().ScroBarsFlg);
    EXPECT_TRUE(w.port.wordWrap);
    EXPECT_FALSE(w.port.scrollBars);
    w.model.ToggleWordWrap();
    EXPECT_FALSE(w.port.wordWrap);
}

TEST(PhoneticFont, TheChosenFontAndTheResetReachEdit1) {
    MainWindowWorld w;
    w.Start();
    w.model.ChangePhoneticFont(u"Gentium", 24);
    EXPECT_EQ(w.model.settings().UsrSubFont, u"Gentium");
    EXPECT_EQ(w.model.settings().UsrSubFontSize, 24);
    EXPECT_EQ(w.port.editFont, (FontLook{u"Gentium", 0, 24}));
    w.model.ResetPhoneticFont();
    EXPECT_EQ(w.model.settings().UsrSubFont, u"Segoe UI");
    EXPECT_EQ(w.model.settings().UsrSubFontSize, 16);
    EXPECT_EQ(w.port.editFont, (FontLook{u"Segoe UI", 0, 16}));
}

TEST(PhoneticFont, LockedDisplaySizesKeepEdit1sSize) {
    MainWindowWorld w;
    w.WriteSettings({u"DispFSizeLockFlg,1", u"DispSubFSize,12"});
    w.Start();
    w.model.ChangePhoneticFont(u"Gentium", 24);
    EXPECT_EQ(w.model.settings().UsrSubFontSize, 24);
    EXPECT_EQ(w.port.editFont, (FontLook{u"Gentium", 0, 12}));
}

TEST(UnderStretch, TheCheckBoxSwitchesTheFlagAtOnce) {
    MainWindowWorld w;
    w.WriteSettings({u"UnderStretchFlg,1"});
    w.Start();
    EXPECT_TRUE(w.port.underStretch);
    w.model.CheckBox1Click(false);
    EXPECT_FALSE(w.model.settings().UnderStretchFlg);
    EXPECT_FALSE(w.port.underStretch);
}

}  // namespace
}  // namespace tess
