#include "transfer/TransferModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "transfer/FakeTransferPort.h"

namespace tess {
namespace {

using testing::FakeTransferPort;
using Key = FakePlatform::KeyStroke;

const std::u16string kSys = u"C:\\Users\\user\\AppData\\Roaming\\Quillory\\Tessaline\\Sys";

// The program with its default settings, Thai, "กข" in Memo1 and "ə" in
// Edit1, no selections, the focus in Memo1.
struct World {
    FakePlatform fake;
    Settings settings;
    FakeTransferPort port;
    std::u16string lastAudio;  // what the word list played last
    TransferModel model{fake, settings, port, kSys, [this] { return lastAudio; }};

    World() {
        model.LanguageChanged(u"タイ語", 222);
        LoadDefaults(settings, fake);
        fake.CreateDirectories(kSys);
        port.model = &model;
        port.text[InputArea::Foreign] = u"กข";
        port.text[InputArea::Phonetic] = u"ə";
        port.focus = InputArea::Foreign;
        fake.windowTitles = {{7, u"無題 - メモ帳"}, {8, u"Document - WordPad"}};
    }
    // Another application comes to the front while the program is in the
    // background, and the search timer sees it.
    void MakeForeground(WindowId window) {
        fake.foreground = window;
        fake.AdvanceTime(static_cast<unsigned>(settings.TrTimer));
    }
};

TEST(TransferTxt1Execute, EachModePutsItsFormOnTheClipboardAndSelectsTheSource) {
    struct Case {
        int mode;
        InputArea area;
        std::u16string clipboardText;
        std::string rtf;  // empty: plain text only
    };
    const std::vector<Case> cases = {
        {2, InputArea::Foreign, u"กข",
         "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil"
         "\\fcharset222 Tahoma;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs36\\u3585?\\u3586?"
         "\\f1\\par}"},
        {3, InputArea::Foreign, u"&#x0E01;&#x0E02;", ""},
        {4, InputArea::Foreign, u"&#3585;&#3586;", ""},
        {5, InputArea::Foreign, u"กข", ""},
        {11, InputArea::Phonetic, u"ə",
         "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil"
         "\\fcharset0 Segoe UI;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs32\\u601?\\f1\\par}"},
        {12, InputArea::Phonetic, u"&#x0259;", ""},
        {13, InputArea::Phonetic, u"&#601;", ""},
        {14, InputArea::Phonetic, u"ə", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        World w;
        w.settings.TransMode = c.mode;
        w.model.TransferTxt1Execute();

        if (c.rtf.empty()) {
            EXPECT_EQ(w.fake.clipboardText, c.clipboardText);
            EXPECT_TRUE(w.port.richCopies.empty());
        } else {
            // The rich-text buffer of the area loads the document and copies
            // exactly the text; the work file holds the same document, as one
            // CR LF line.
            const bool foreign = c.area == InputArea::Foreign;
            EXPECT_EQ(w.fake.clipboardWrites, 0);
            EXPECT_EQ(w.port.richCopies,
                      (std::vector<RichCopy>{{foreign ? RichBuffer::A : RichBuffer::B,
                                              c.clipboardText, c.rtf,
                                              foreign ? w.settings.UsrMainFont : w.settings.UsrSubFont,
                                              foreign ? 222 : 0,
                                              foreign ? w.settings.UsrMainFontSize
                                                      : w.settings.UsrSubFontSize,
                                              c.clipboardText.size()}}));
            EXPECT_EQ(w.fake.ReadWholeFile(kSys + u"\\Work.rtf"), c.rtf + "\r\n");
        }
        EXPECT_EQ(w.port.focus, c.area);
        // The caret after the text sent.
        EXPECT_EQ(w.port.selection[c.area], (TextSelection{w.port.text[c.area].size(), 0}));
        EXPECT_EQ(w.settings.TransMode, c.mode);
    }
}

TEST(TransferTxt1Execute, ModeOneCopiesThroughTheForeignRichBufferInTheAreaFont) {
    World w;
    w.model.LanguageChanged(u"ﾐｬﾝﾏｰ語", 0);
    w.settings.UsrMainFont = u"Padauk Book";
    w.settings.UsrMainFontSize = 24;
    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.port.richCopies,
              (std::vector<RichCopy>{{RichBuffer::A, u"กข", "", u"Padauk Book", 0, 24, 2}}));
    EXPECT_EQ(w.fake.clipboardWrites, 0);
    EXPECT_EQ(w.port.modeText, u"ﾐｬﾝﾏｰ語 ﾘｯﾁ1");
    EXPECT_EQ(w.port.selection[InputArea::Foreign], (TextSelection{2, 0}));
}

TEST(TransferTxt1Execute, RichBuffersSelectTheTextAloneWithItsLineBreaks) {
    // A rich edit holds each line break as one paragraph mark and one more
    // at the end: selecting the area's length in code units would take that
    // last mark and paste a line break after the text.
    for (int mode : {1, 2, 11}) {
        SCOPED_TRACE(mode);
        World w;
        w.settings.TransMode = mode;
        const InputArea area = mode == 11 ? InputArea::Phonetic : InputArea::Foreign;
        w.port.text[area] = u"ก\r\nข\r\n";
        w.model.TransferTxt1Execute();
        ASSERT_EQ(w.port.richCopies.size(), 1u);
        EXPECT_EQ(w.port.richCopies[0].text, u"ก\r\nข\r\n");
        EXPECT_EQ(w.port.richCopies[0].selectLength, 4u);
    }
}

TEST(RichEditLength, CountsEachLineBreakAsOneMark) {
    const std::pair<std::u16string, std::size_t> cases[] = {
        {u"", 0}, {u"กข", 2}, {u"a\r\nb", 3}, {u"a\rb", 3}, {u"a\nb", 3},
        {u"\r\n\r\n", 2}, {u"a\r", 2}, {u"\n\r", 2},
    };
    for (const auto& [text, length] : cases) EXPECT_EQ(RichEditLength(text), length);
}

TEST(TransferTxt1Execute, ASelectionIsSentAloneAndStaysSelected) {
    World w;
    w.settings.TransMode = 5;
    w.port.text[InputArea::Foreign] = u"กขคง";
    w.port.selection[InputArea::Foreign] = {1, 2};
    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.fake.clipboardText, u"ขค");
    EXPECT_EQ(w.port.selection[InputArea::Foreign], (TextSelection{1, 2}));
    EXPECT_EQ(w.port.focus, InputArea::Foreign);
}

TEST(TransferTxt1Execute, ClearingEmptiesBothAreasWhicheverWasSent) {
    World w;
    w.settings.TransMode = 12;
    w.settings.TransClearFlg = true;
    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.fake.clipboardText, u"&#x0259;");
    EXPECT_EQ(w.port.text[InputArea::Foreign], u"");
    EXPECT_EQ(w.port.text[InputArea::Phonetic], u"");
}

TEST(TransferTxt1Execute, AutoTransferSwitchesTheModeWhenTheSourceTakesTheFocus) {
    // Mode 3 was chosen from the menu while Edit1 had the focus; F9 moves the
    // focus to Memo1, whose entry selects mode 1, and mode 1 is what is sent.
    World w;
    w.settings.AutoTransFlg = true;
    w.port.focus = InputArea::Phonetic;
    w.model.TRModeClick(3);
    EXPECT_EQ(w.port.modeText, u"タイ語 Uni16");
    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.settings.TransMode, 1);
    EXPECT_EQ(w.port.modeText, u"タイ語 ﾘｯﾁ1");
    ASSERT_EQ(w.port.richCopies.size(), 1u);
    EXPECT_EQ(w.port.richCopies[0].text, u"กข");
    EXPECT_EQ(w.fake.clipboardWrites, 0);
}

TEST(TransferTxt1Execute, AutoTransferLeavesTheModeWhenTheFocusDoesNotMove) {
    World w;
    w.settings.AutoTransFlg = true;
    w.model.TRModeClick(3);  // the focus stays in Memo1
    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.settings.TransMode, 3);
    EXPECT_EQ(w.fake.clipboardText, u"&#x0E01;&#x0E02;");
}

TEST(TransferTxt1Execute, AModeOutsideTheNineWorksAsModeOne) {
    for (int mode : {0, 7, 15, 99}) {
        SCOPED_TRACE(mode);
        World w;
        w.settings.TransMode = mode;
        w.port.focus = InputArea::Phonetic;
        w.model.TransferTxt1Execute();
        EXPECT_EQ(w.port.modeText, u"");
        ASSERT_EQ(w.port.richCopies.size(), 1u);
        EXPECT_EQ(w.port.richCopies[0].text, u"กข");
        EXPECT_EQ(w.port.focus, InputArea::Foreign);
        EXPECT_EQ(w.settings.TransMode, mode);
    }
}

TEST(TransferTxt1Execute, AWorkFileThatCannotBeWrittenEndsTheCommand) {
    World w;
    w.settings.TransMode = 2;
    w.settings.TransClearFlg = true;
    w.fake.FailWritesTo(kSys + u"\\Work.rtf");
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    ASSERT_TRUE(w.model.TargetHeld());
    w.model.OnApplicationActivate();

    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.fake.clipboardWrites, 0);
    ASSERT_EQ(w.fake.messages.size(), 1u);
    EXPECT_EQ(w.fake.messages[0].text, u"ファイル「" + kSys + u"\\Work.rtf」を保存できませんでした。ファイルは元のままです。");
    EXPECT_TRUE(w.fake.broughtToFront.empty());
    EXPECT_EQ(w.port.text[InputArea::Foreign], u"กข");
}

// --- Target search -------------------------------------------------------------------

TEST(TargetSearchTimer, RunsOnlyWhileAnotherApplicationIsActive) {
    World w;
    w.settings.TrTimer = 10;
    w.fake.foreground = 7;
    w.fake.AdvanceTime(100);
    EXPECT_FALSE(w.model.TargetHeld());

    w.model.OnApplicationDeactivate();
    EXPECT_TRUE(w.fake.TimerRunning(kTransTimerId));
    w.fake.AdvanceTime(9);
    EXPECT_FALSE(w.model.TargetHeld());
    w.fake.AdvanceTime(1);
    EXPECT_TRUE(w.model.TargetHeld());
    EXPECT_EQ(w.model.TargetWindow(), 7u);

    // In front again: switching windows no longer changes the target.
    w.model.OnApplicationActivate();
    EXPECT_FALSE(w.fake.TimerRunning(kTransTimerId));
    w.fake.foreground = 8;
    w.fake.AdvanceTime(100);
    EXPECT_EQ(w.model.TargetWindow(), 7u);
}

TEST(TargetSearchTimer, CaptureShowsTheTargetOnTheMainWindowAndAnOpenPad) {
    World w;
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    const std::u16string caption = u"Tessaline    転送先：[ 無題 - メモ帳 ]";
    EXPECT_EQ(w.model.TargetTitle(), u"無題 - メモ帳");
    EXPECT_EQ(w.model.Caption(), caption);
    EXPECT_EQ(w.port.shown, (std::vector<FakeTransferPort::Shown>{
                                {TargetIndicator::Main, true, caption}}));

    // A newer eligible window replaces the target; the PAD shows it too.
    w.port.openForms.insert(u"PadFrm");
    w.port.shown.clear();
    w.MakeForeground(8);
    const std::u16string caption2 = u"Tessaline    転送先：[ Document - WordPad ]";
    EXPECT_EQ(w.port.shown, (std::vector<FakeTransferPort::Shown>{
                                {TargetIndicator::Main, true, caption2},
                                {TargetIndicator::Pad, true, caption2}}));

    // The same window seen again changes nothing.
    w.port.shown.clear();
    w.MakeForeground(8);
    EXPECT_TRUE(w.port.shown.empty());
}

TEST(TargetSearchTimer, ExclusionsLeaveTheTargetAsItWas) {
    World w;
    w.fake.windowTitles[9] = u"Windows Media Player";
    w.fake.windowTitles[10] = u"lesson01";
    w.fake.windowTitles[11] = u"Tessaline - 単語帳検索";
    w.lastAudio = u"lesson01.mp3";
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    for (WindowId excluded : {9u, 10u, 11u}) {
        w.MakeForeground(excluded);
        EXPECT_EQ(w.model.TargetWindow(), 7u) << excluded;
    }
    // Without MediaPlayerFlg the player is an application like any other.
    w.settings.MediaPlayerFlg = false;
    w.MakeForeground(9);
    EXPECT_EQ(w.model.TargetWindow(), 9u);
}

TEST(TargetSearchTimer, ReadsAtMost254CharactersOfTheTitle) {
    World w;
    w.fake.windowTitles[7] = std::u16string(300, u'x');
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    EXPECT_EQ(w.model.TargetTitle(), std::u16string(254, u'x'));
}

TEST(TargetSearchTimer, WithoutAutomaticPasteNothingIsCaptured) {
    World w;
    w.settings.AutoPasteFlg = false;
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    EXPECT_FALSE(w.model.TargetHeld());
    EXPECT_EQ(w.model.Caption(), u"Tessaline");
    EXPECT_TRUE(w.port.shown.empty());
}

TEST(CheckBox3Click, UncheckingForgetsTheTargetAtOnceAndCheckingRestartsTheSearch) {
    World w;
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    w.model.CheckBox3Click(false);
    EXPECT_FALSE(w.settings.AutoPasteFlg);
    EXPECT_FALSE(w.model.TargetHeld());
    EXPECT_EQ(w.model.TargetWindow(), 0u);
    EXPECT_EQ(w.model.TargetTitle(), u"");
    EXPECT_EQ(w.port.shown.back(),
              (FakeTransferPort::Shown{TargetIndicator::Main, false, u"Tessaline"}));

    w.model.CheckBox3Click(true);
    EXPECT_TRUE(w.settings.AutoPasteFlg);
    w.MakeForeground(8);
    EXPECT_EQ(w.model.TargetWindow(), 8u);
}

// --- Paste ------------------------------------------------------------------------------

TEST(StartPaste, CtrlVArrivesOncePaTimerMillisecondsAfterTheTargetCameToTheFront) {
    World w;
    w.settings.PaTimer = 10;
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    w.model.OnApplicationActivate();
    w.fake.foreground = 0;  // the program is in front now

    w.model.StartPaste();
    EXPECT_EQ(w.fake.broughtToFront, (std::vector<WindowId>{7}));
    EXPECT_TRUE(w.fake.TimerRunning(kPasteTimerId));
    w.fake.AdvanceTime(9);
    EXPECT_TRUE(w.fake.keyStrokes.empty());
    w.fake.AdvanceTime(1);
    EXPECT_EQ(w.fake.keyStrokes, (std::vector<Key>{{kVkControl, true},
                                                    {kVkV, true},
                                                    {kVkControl, false},
                                                    {kVkV, false}}));
    EXPECT_FALSE(w.fake.TimerRunning(kPasteTimerId));
    w.fake.AdvanceTime(1000);
    EXPECT_EQ(w.fake.keyStrokes.size(), 4u);
}

TEST(StartPaste, ATargetThatWillNotComeToTheFrontIsForgottenAndNothingIsPasted) {
    World w;
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    w.model.OnApplicationActivate();
    w.fake.bringToFrontSucceeds = false;
    w.model.StartPaste();
    EXPECT_FALSE(w.model.TargetHeld());
    EXPECT_EQ(w.model.Caption(), u"Tessaline");
    EXPECT_FALSE(w.fake.TimerRunning(kPasteTimerId));
    w.fake.AdvanceTime(1000);
    EXPECT_TRUE(w.fake.keyStrokes.empty());
}

TEST(StartPaste, WithoutATargetOnlyTheClipboardIsFilled) {
    World w;
    w.settings.TransMode = 5;
    w.model.TransferTxt1Execute();
    EXPECT_EQ(w.fake.clipboardText, u"กข");
    EXPECT_TRUE(w.fake.broughtToFront.empty());
    EXPECT_FALSE(w.fake.TimerRunning(kPasteTimerId));
}

TEST(StartPaste, AWholeTransferLeavesTheTargetHeldAndPastesIntoIt) {
    // X is captured in the background; the user clicks the program, types
    // and presses F9; X comes back to the front (the program goes to the
    // background, the search sees X, already the target), and Ctrl+V follows.
    World w;
    w.settings.TransMode = 5;
    w.model.OnApplicationDeactivate();
    w.MakeForeground(7);
    w.model.OnApplicationActivate();
    const auto shownBefore = w.port.shown.size();

    w.model.TransferTxt1Execute();
    w.model.OnApplicationDeactivate();
    w.fake.AdvanceTime(static_cast<unsigned>(w.settings.PaTimer));

    EXPECT_EQ(w.fake.clipboardText, u"กข");
    EXPECT_EQ(w.fake.foreground, 7u);
    EXPECT_EQ(w.fake.keyStrokes.size(), 4u);
    EXPECT_EQ(w.model.TargetWindow(), 7u);
    EXPECT_EQ(w.port.shown.size(), shownBefore);
}

}  // namespace
}  // namespace tess
