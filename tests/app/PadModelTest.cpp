// The PAD window's rules, with the main window's model in a fake world and
// a recording PAD view whose line is the field the input route writes into.
#include "app/PadModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

// Keeps what the model last showed, as the PAD's controls would; the line is
// the field the input route finds under FieldId::PadEdit1.
class RecordingPadPort : public PadPort {
public:
    explicit RecordingPadPort(testing::FakeFields& fields) : fields_(fields) {
        fields_.open[FieldId::PadEdit1];
    }

    void HideMainWindow() override { mainShown = false; }
    void ShowMainWindow() override { mainShown = true; }
    bool MainAutoPasteChecked() override { return mainAutoPaste; }
    void SetMainAutoPasteCheck(bool checked) override {
        mainAutoPaste = checked;
        ++mainAutoPasteSets;
    }
    void PlaceWindow(int w, int h, std::optional<PadPosition> at) override {
        width = w;
        height = h;
        placedAt = at;
        position = at.value_or(PadPosition{415, 275});  // centred on a 1280 x 900 screen
    }
    PadPosition WindowPosition() override { return position; }
    void SetCaption(const std::u16string& c) override { caption = c; }
    void ShowTarget(bool held) override { targetShown = held; }
    void Present() override { presented = true; }
    void SetAutoPasteCheck(bool checked) override { autoPaste = checked; }
    void SetClearCheck(bool checked) override { clear = checked; }
    void SetSizeBoxItems(const ItemList& items) override { sizeItems = items; }
    void SetSizeBoxText(const std::u16string& text) override { sizeText = text; }
    void SetLineFont(const FontLook& font) override { lineFont = font; }
    void SetLineBackground(std::optional<Color> color) override { lineBackground = color; }
    void DisableLineIme() override { ++imeDisabled; }
    void FocusLine() override {
        if (lineFocused) return;
        lineFocused = true;
        if (lineEntered) lineEntered();
    }
    std::u16string LineText() override { return Line().text; }
    TextSelection LineSelection() override {
        return {static_cast<std::size_t>(Line().selStart),
                static_cast<std::size_t>(Line().selLength)};
    }
    void SelectInLine(TextSelection s) override {
        Line().selStart = static_cast<int>(s.start);
        Line().selLength = static_cast<int>(s.length);
    }
    void SetLineText(const std::u16string& text) override {
        Line() = FieldText{text, static_cast<int>(text.size()), 0};
    }
    void SetPageCaption(PadPage page, const std::u16string& c) override { captions[page] = c; }
    void SetImePageVisible(bool visible) override { imePageVisible = visible; }
    void SelectPage(PadPage page) override { selected = page; }
    void RepaintKeyboard(PadPage page) override { repainted.push_back(page); }

    FieldText& Line() { return fields_.open[FieldId::PadEdit1].state; }
    // The user moves the focus elsewhere (a tab, another window).
    void Blur() { lineFocused = false; }

    std::function<void()> lineEntered;
    bool mainShown = true, mainAutoPaste = true;
    int mainAutoPasteSets = 0;
    int width = 0, height = 0;
    std::optional<PadPosition> placedAt;
    PadPosition position;
    std::u16string caption;
    std::optional<bool> targetShown;
    bool presented = false, autoPaste = false, clear = false;
    ItemList sizeItems;
    std::u16string sizeText;
    FontLook lineFont;
    std::optional<Color> lineBackground = MakeColor(1, 2, 3);
    int imeDisabled = 0;
    bool lineFocused = false;
    std::map<PadPage, std::u16string> captions;
    bool imePageVisible = false;
    std::optional<PadPage> selected;
    std::vector<PadPage> repainted;

private:
    testing::FakeFields& fields_;
};

constexpr int kSheetWidth = 438, kSheetHeight = 235;
constexpr WindowId kNotepad = 77;

// A world with a phonetic table ("A" offers ɑ alone, "E" two symbols), the
// main window started and a PAD opened in it.
struct PadWorld {
    explicit PadWorld(const Lines& settings = {}) {
        w.Put(w.folders.SysTblFolder + u"\\CandAll.csv",
              {u"\"A\",0251,,,,,,,,", u"\"E\",0065,025B,,,,,,,"});
        if (!settings.empty()) w.WriteSettings(settings);
        w.Start();
        port.lineEntered = [this] { pad.LineEntered(); };
    }
    void OpenPad() {
        pad.Open();
        pad.Create(kSheetWidth, kSheetHeight);
        pad.Show();
    }
    // Notepad was in front while the program was in the background.
    void HoldNotepad() {
        w.fake.foreground = kNotepad;
        w.fake.windowTitles[kNotepad] = u"Untitled - Notepad";
        w.model.transfer().TransTimerTimer();
        ASSERT_TRUE(w.model.transfer().TargetHeld());
    }
    Settings& settings() { return w.model.settings(); }

    MainWindowWorld w;
    RecordingPadPort port{w.fields};
    PadModel pad{w.model, w.transferPort, port};
};

// --- Opening, creation, showing -------------------------------------------------------------

TEST(PadOpening, AnOpenWordBookClosesAndTheMainWindowHides) {
    PadWorld p;
    p.w.fake.CreateDirectories(p.w.folders.ThaiBookFolder);
    WordEntry word;
    word.foreignWord = u"ก";
    ASSERT_TRUE(WriteNewWordBook(p.w.fake, p.w.folders.ThaiBookFolder + u"\\a.utx", u"A", u"", u"",
                                 {word}));
    p.w.model.wordBooks().ListWordBooks();
    p.w.model.wordBooks().BookClicked(0);
    ASSERT_TRUE(p.w.model.wordBooks().List().Store().IsOpen());
    ASSERT_EQ(p.settings().LastWB, u"a.utx");

    p.pad.Open();
    EXPECT_FALSE(p.w.model.wordBooks().List().Store().IsOpen());
    EXPECT_EQ(p.settings().LastWB, u"");
    EXPECT_EQ(p.w.wordBookPort.rowCount, 0u);
    EXPECT_FALSE(p.port.mainShown);
}

TEST(PadCreation, ControlsStartFromTheSettingsAndTheLanguage) {
    PadWorld p({u"AutoPasteFlg,0", u"UsrMainFontSize,24", u"ThaiImeKedFlg,0"});
    p.port.Line() = FieldText{u"left over", 9, 0};
    p.pad.Open();
    p.pad.Create(kSheetWidth, kSheetHeight);

    EXPECT_FALSE(p.port.autoPaste);
    EXPECT_EQ(p.port.Line().text, u"");
    const std::u16string face = p.settings().UsrMainFont;
    ASSERT_FALSE(face.empty());
    EXPECT_EQ(p.port.lineFont, (FontLook{face, 222, 18}));
    EXPECT_EQ(p.port.lineBackground, std::nullopt);
    EXPECT_GE(p.port.imeDisabled, 1);
    EXPECT_EQ(p.pad.BufferFont(), (FontLook{face, 222, 24}));
    EXPECT_EQ(p.pad.PadFontSize(), 24);
    ASSERT_EQ(p.port.sizeItems.size(), 52u);
    EXPECT_EQ(p.port.sizeItems.front(), u"9");
    EXPECT_EQ(p.port.sizeItems.back(), u"60");
    EXPECT_EQ(p.port.sizeText, u"24");
    EXPECT_TRUE(p.port.clear);
    EXPECT_TRUE(p.pad.ClearChecked());
    EXPECT_EQ(p.port.captions[PadPage::Romaji], u"タイ語ローマ字");
    EXPECT_EQ(p.port.captions[PadPage::MsIme], u"MS IME (Pattachote)");
    EXPECT_EQ(p.port.captions[PadPage::Phonetic], u"発音記号");

    // The PAD's own keyboards: one colour over the page, Pattachote unshifted.
    for (PadPage page : {PadPage::Romaji, PadPage::MsIme, PadPage::Phonetic}) {
        ASSERT_NE(p.pad.KeyboardOf(page), nullptr);
        const KeyboardBackground bg = p.pad.KeyboardBackgroundOf(page);
        EXPECT_EQ(bg.rest, bg.band);
    }
    EXPECT_EQ(p.pad.KeyboardBackgroundOf(PadPage::MsIme).band, p.settings().MsImeBg);
    EXPECT_EQ(p.pad.KeyboardOf(PadPage::MsIme)->KeyButton(1).text, u"=");
    EXPECT_NE(p.pad.KeyboardOf(PadPage::Romaji), p.w.model.KeyboardOf(KeyboardPage::Romaji));
}

TEST(PadShowing, TheMsImePageOnlyUpToMode3AndTheTabsFollow) {
    struct Case {
        int inputMode;
        bool imePage;
        int phoneticTab;
    };
    const std::vector<Case> cases = {
        {1, true, 2}, {2, true, 2}, {3, true, 2}, {4, false, 1}, {5, false, 1}, {6, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputMode);
        PadWorld p({u"InputMode," + std::u16string(1, static_cast<char16_t>(u'0' + c.inputMode))});
        p.OpenPad();
        EXPECT_EQ(p.port.imePageVisible, c.imePage);
        EXPECT_EQ(p.pad.TabIndexOf(PadPage::Phonetic), c.phoneticTab);
        EXPECT_EQ(p.pad.PageAtTab(c.phoneticTab), PadPage::Phonetic);
        EXPECT_EQ(p.pad.PageAtTab(1), c.imePage ? PadPage::MsIme : PadPage::Phonetic);
        EXPECT_EQ(p.port.selected, PadPage::Romaji);
        EXPECT_EQ(p.pad.Page(), PadPage::Romaji);
        EXPECT_EQ(p.port.caption, u"PADモード");
        EXPECT_EQ(p.port.width, 450);
        EXPECT_EQ(p.port.height, 350);
        EXPECT_TRUE(p.port.presented);
        EXPECT_TRUE(p.port.lineFocused);
    }
}

TEST(PadShowing, TheCircleShowsATargetAlreadyHeld) {
    PadWorld p;
    p.HoldNotepad();
    p.OpenPad();
    EXPECT_EQ(p.port.targetShown, true);
    EXPECT_EQ(p.port.caption, u"PADモード");
}

TEST(PadPlace, CentredAtFirstThenWhereItWasClosedForTheRestOfTheRun) {
    PadWorld p;
    EXPECT_EQ(p.w.model.padPos(), (PadPosition{-100, -100}));
    p.OpenPad();
    EXPECT_EQ(p.port.placedAt, std::nullopt);
    p.port.position = {30, 40};  // the user moved it
    p.pad.Close();
    EXPECT_EQ(p.w.model.padPos(), (PadPosition{30, 40}));

    // The next opening is a fresh PAD in the same run.
    RecordingPadPort secondPort(p.w.fields);
    PadModel second(p.w.model, p.w.transferPort, secondPort);
    second.Open();
    second.Create(kSheetWidth, kSheetHeight);
    second.Show();
    EXPECT_EQ(secondPort.placedAt, (PadPosition{30, 40}));

    // A PAD closed with its left edge off the screen is centred again.
    secondPort.position = {-5, 40};
    second.Close();
    RecordingPadPort thirdPort(p.w.fields);
    PadModel third(p.w.model, p.w.transferPort, thirdPort);
    third.Open();
    third.Create(kSheetWidth, kSheetHeight);
    third.Show();
    EXPECT_EQ(thirdPort.placedAt, std::nullopt);
}

// --- Pages and the line ---------------------------------------------------------------------

TEST(PadPages, EachPageSetsTheLineFontColourAndLayout) {
    struct Case {
        const char* what;
        int inputMode;
        int tab;
        bool phonetic;  // the phonetic font and colour, else the foreign ones
        const char16_t* layout;
    };
    const char16_t* startup = u"00000411";
    const std::vector<Case> cases = {
        {"romaji", 1, 0, false, startup},
        {"MS IME", 1, 1, false, kThaiKedmaneeLayout},
        {"phonetic", 1, 2, true, startup},
        {"MS IME in mode 2", 2, 1, false, kThaiKedmaneeLayout},
        {"phonetic in mode 5 (second tab)", 5, 1, true, startup},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PadWorld p({u"InputMode," + std::u16string(1, static_cast<char16_t>(u'0' + c.inputMode)),
                    u"UsrSubFont,\"Doulos SIL\""});
        p.OpenPad();
        const int charset = p.w.model.language().LangCharset;
        const std::u16string mainFont = p.settings().UsrMainFont;
        // Another page first, so that this one is a change.
        p.pad.PageChanged(c.tab == 0 ? 1 : 0);
        p.w.fake.activeLayout = u"00000409";
        const int imeBefore = p.port.imeDisabled;
        p.port.Blur();

        p.pad.PageChanged(c.tab);
        const FontLook font =
            c.phonetic ? FontLook{u"Doulos SIL", 0, 18} : FontLook{mainFont, charset, 18};
        EXPECT_EQ(p.port.lineFont, font);
        EXPECT_EQ(p.pad.BufferFont(), (FontLook{font.face, font.charset, p.pad.PadFontSize()}));
        EXPECT_EQ(p.port.lineBackground,
                  c.phonetic ? std::optional<Color>(p.settings().CandBg) : std::nullopt);
        EXPECT_EQ(p.port.imeDisabled, imeBefore + 1);
        EXPECT_EQ(p.w.fake.activeLayout, c.layout);
        EXPECT_TRUE(p.port.lineFocused);
    }
}

TEST(PadLine, EnteringTheLineSetsTheLayoutOfThePage) {
    PadWorld p;
    p.OpenPad();
    p.pad.PageChanged(1);
    p.w.fake.activeLayout = u"00000411";
    p.port.Blur();
    p.port.FocusLine();
    EXPECT_EQ(p.w.fake.activeLayout, kThaiKedmaneeLayout);
    p.pad.PageChanged(0);
    p.w.fake.activeLayout = kThaiKedmaneeLayout;
    p.port.Blur();
    p.port.FocusLine();
    EXPECT_EQ(p.w.fake.activeLayout, u"00000411");
}

TEST(PadLine, KeysFollowThePageNotTheInputMode) {
    struct Case {
        const char* what;
        int inputMode;
        int tab;
        char16_t key;
        bool taken;
        std::u16string line;
    };
    const std::vector<Case> cases = {
        {"romaji page, Thai romaji", 1, 0, u'a', true, u"\u0E01"},
        {"romaji page in 英数: no gate", 3, 0, u'a', true, u"\u0E01"},
        {"romaji page, Lao", 5, 0, u'a', true, u"\u0E81"},
        {"romaji page, no trigger key", 1, 0, u'z', false, u""},
        {"MS IME page types through the layout", 1, 1, u'a', false, u""},
        {"phonetic page", 1, 2, u'A', true, u"\u0251"},
        {"phonetic page, a foreign key", 1, 2, u'a', false, u""},
        {"phonetic page in Khmer (second tab)", 6, 1, u'A', true, u"\u0251"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PadWorld p({u"InputMode," + std::u16string(1, static_cast<char16_t>(u'0' + c.inputMode))});
        p.OpenPad();
        p.pad.PageChanged(c.tab);
        EXPECT_EQ(p.pad.LineKeyPressed(c.key), c.taken);
        EXPECT_EQ(p.port.Line().text, c.line);
        if (c.taken) {
            EXPECT_EQ(p.w.model.input().requesters().Of(c.tab == 0 ? InputSide::Foreign
                                                                    : InputSide::Phonetic),
                      ReqPad);
        }
    }
}

TEST(PadLine, SeveralCandidatesOpenThePopupOverTheLine) {
    PadWorld p;
    p.OpenPad();
    p.pad.PageChanged(2);
    EXPECT_TRUE(p.pad.LineKeyPressed(u'E'));
    EXPECT_EQ(p.w.popups.shown, 1);
}

TEST(PadLine, EnterTransfersANonBlankLineAndIsSwallowed) {
    struct Case {
        std::u16string line;
        bool transfers;
    };
    const std::vector<Case> cases = {
        {u"", false}, {u"  \t", false}, {u" ก ", true}, {u"ɑ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line.begin(), c.line.end()));
        PadWorld p;
        p.OpenPad();
        p.port.SetLineText(c.line);
        EXPECT_EQ(p.pad.LineKeyPressed(u'\r'), c.transfers);
        EXPECT_EQ(p.w.transferPort.richCopies.size(), c.transfers ? 1u : 0u);
    }
}

TEST(PadLine, ShiftAndCapsLockSwitchTheMsImeTableOnlyOnItsPage) {
    PadWorld p;
    p.OpenPad();
    const KeyboardCells& ime = *p.pad.KeyboardOf(PadPage::MsIme);
    p.pad.LineKeyStroke(kVkShift, true);
    EXPECT_EQ(ime.KeyButton(1).text, u"ๅ");  // romaji page: nothing
    p.pad.PageChanged(1);
    p.pad.LineKeyStroke(kVkShift, true);
    EXPECT_EQ(ime.KeyButton(1).text, u"+");
    p.pad.LineKeyStroke(kVkShift, false);
    EXPECT_EQ(ime.KeyButton(1).text, u"ๅ");
    p.w.fake.capsLock = true;
    p.pad.LineKeyStroke(kVkCapital, true);
    EXPECT_EQ(ime.KeyButton(1).text, u"+");
    EXPECT_EQ(p.port.repainted.back(), PadPage::MsIme);
}

// --- Transfer -----------------------------------------------------------------------------

TEST(PadTransfer, TheSelectionOrTheWholeLineGoesAsRichTextInThePadsSize) {
    struct Case {
        const char* what;
        std::u16string line;
        int selStart, selLength;
        bool clear;
        std::u16string sent;
        FieldText after;  // the line, its selection
    };
    const std::vector<Case> cases = {
        {"whole line, kept and selected", u"กขคง", 4, 0, false, u"กขคง", {u"กขคง", 0, 4}},
        {"whole line, cleared", u"กขคง", 2, 0, true, u"กขคง", {u"", 0, 0}},
        {"two of four, selection stays", u"กขคง", 1, 2, false, u"ขค", {u"กขคง", 1, 2}},
        {"two of four, cleared", u"กขคง", 1, 2, true, u"ขค", {u"", 0, 0}},
        {"empty line by F9", u"", 0, 0, false, u"", {u"", 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PadWorld p({u"UsrMainFontSize,20"});
        p.OpenPad();
        p.pad.ClearBoxClicked(c.clear);
        p.pad.FontSizeChanged(u"32");
        p.port.Line() = FieldText{c.line, c.selStart, c.selLength};
        p.port.Blur();

        p.pad.PadTransfer();
        const FontLook& font = p.pad.BufferFont();
        ASSERT_EQ(p.w.transferPort.richCopies.size(), 1u);
        EXPECT_EQ(p.w.transferPort.richCopies[0],
                  (RichCopy{RichBuffer::C, c.sent, "", font.face, font.charset, 32,
                            c.sent.size()}));
        EXPECT_EQ(p.port.Line().text, c.after.text);
        EXPECT_EQ(p.port.Line().selStart, c.after.selStart);
        EXPECT_EQ(p.port.Line().selLength, c.after.selLength);
        EXPECT_TRUE(p.port.lineFocused);
        // The size box never touches the settings.
        EXPECT_EQ(p.settings().UsrMainFontSize, 20);
    }
}

TEST(PadTransfer, ThePhoneticPageSendsInThePhoneticFont) {
    PadWorld p({u"UsrSubFont,\"Doulos SIL\"", u"UsrMainFontSize,22"});
    p.OpenPad();
    p.pad.PageChanged(2);
    p.port.SetLineText(u"ɑ");
    EXPECT_TRUE(p.pad.FormKeyDown(kVkF9));
    ASSERT_EQ(p.w.transferPort.richCopies.size(), 1u);
    EXPECT_EQ(p.w.transferPort.richCopies[0],
              (RichCopy{RichBuffer::C, u"ɑ", "", u"Doulos SIL", 0, 22, 1}));
    EXPECT_FALSE(p.pad.FormKeyDown(kVkF9 - 1));
    EXPECT_EQ(p.w.transferPort.richCopies.size(), 1u);
}

TEST(PadTransfer, WithAutomaticPasteTheTargetComesToTheFrontAndGetsCtrlV) {
    PadWorld p;
    p.HoldNotepad();
    p.OpenPad();
    p.port.SetLineText(u"ก");
    p.pad.PadTransfer();
    EXPECT_EQ(p.w.fake.broughtToFront, std::vector<WindowId>{kNotepad});
    p.w.fake.AdvanceTime(1000);
    EXPECT_EQ(p.w.fake.keyStrokes.size(), 4u);
}

TEST(PadTransfer, WithoutATargetTheClipboardIsStillFilled) {
    PadWorld p;
    p.OpenPad();
    p.port.SetLineText(u"ก");
    p.pad.PadTransfer();
    EXPECT_EQ(p.w.transferPort.richCopies.size(), 1u);
    EXPECT_TRUE(p.w.fake.broughtToFront.empty());
}

TEST(PadFontSize, AWholeNumberOfPointsOrNothingChanges) {
    struct Case {
        std::u16string text;
        int size;
    };
    const std::vector<Case> cases = {
        {u"9", 9},   {u"60", 60}, {u"72", 72}, {u"+14", 14}, {u"", 18},  {u"-", 18},
        {u"1a", 18}, {u" 12", 18}, {u"0", 18}, {u"-12", 18}, {u"99999999999", 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        PadWorld p({u"UsrMainFontSize,18"});
        p.OpenPad();
        p.pad.FontSizeChanged(c.text);
        EXPECT_EQ(p.pad.PadFontSize(), c.size);
        EXPECT_EQ(p.pad.BufferFont().sizePt, c.size);
        EXPECT_EQ(p.settings().UsrMainFontSize, 18);
    }
}

// --- Automatic paste, closing --------------------------------------------------------------------

TEST(PadAutoPaste, UncheckingForgetsTheTargetAndTheMainBoxFollowsAtClosing) {
    PadWorld p;
    p.HoldNotepad();
    p.OpenPad();
    p.w.transferPort.openForms.insert(kPadFormName);
    ASSERT_TRUE(p.port.autoPaste);

    p.pad.AutoPasteClicked(false);
    EXPECT_FALSE(p.settings().AutoPasteFlg);
    EXPECT_FALSE(p.w.model.transfer().TargetHeld());
    using Shown = testing::FakeTransferPort::Shown;
    EXPECT_EQ(p.w.transferPort.shown.back(), (Shown{TargetIndicator::Pad, false, u"Tessaline"}));

    p.pad.Close();
    EXPECT_FALSE(p.port.mainAutoPaste);
    EXPECT_EQ(p.port.mainAutoPasteSets, 1);
    EXPECT_TRUE(p.port.mainShown);

    // Checked again in a second PAD: the flag and the box, no target yet.
    RecordingPadPort secondPort(p.w.fields);
    secondPort.mainAutoPaste = false;
    PadModel second(p.w.model, p.w.transferPort, secondPort);
    second.Open();
    second.Create(kSheetWidth, kSheetHeight);
    EXPECT_FALSE(secondPort.autoPaste);
    second.AutoPasteClicked(true);
    EXPECT_TRUE(p.settings().AutoPasteFlg);
    second.Close();
    EXPECT_TRUE(secondPort.mainAutoPaste);
}

TEST(PadAutoPaste, AMainBoxInLineIsLeftAlone) {
    PadWorld p;
    p.OpenPad();
    p.pad.Close();
    EXPECT_EQ(p.port.mainAutoPasteSets, 0);
    EXPECT_TRUE(p.port.mainShown);
}

TEST(PadClosing, TheLayoutOfTheInputModeComesBack) {
    struct Case {
        int inputMode;
        const char16_t* layout;
    };
    const std::vector<Case> cases = {
        {1, u"00000411"}, {2, kThaiKedmaneeLayout}, {3, u"00000409"}, {4, u"00000409"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputMode);
        PadWorld p({u"InputMode," + std::u16string(1, static_cast<char16_t>(u'0' + c.inputMode))});
        p.OpenPad();
        p.w.fake.activeLayout = u"00000409";
        p.pad.Close();
        EXPECT_EQ(p.w.fake.activeLayout, c.layout);
    }
}

// --- Keyboards -------------------------------------------------------------------------------

// The index in Cells() of the key button with this caption.
std::size_t KeyCellOf(const KeyboardCells& kb, std::u16string_view text) {
    for (std::size_t i = 0; i < kb.Cells().size(); ++i)
        if (kb.Cells()[i].kind == CellKind::KeyButton && kb.Cells()[i].text == text) return i;
    ADD_FAILURE() << "no key";
    return 0;
}

TEST(PadKeyboardClicks, KeysWriteIntoTheLineForThePad) {
    PadWorld p({u"InputMode,3"});
    p.OpenPad();
    p.port.SetLineText(u"x");

    p.pad.KeyboardClicked(PadPage::Romaji, KeyCellOf(*p.pad.KeyboardOf(PadPage::Romaji), u"a"));
    EXPECT_EQ(p.port.Line().text, u"x\u0E01");
    EXPECT_EQ(p.w.model.input().requesters().GaRequester, ReqPad);

    p.pad.KeyboardClicked(PadPage::MsIme, KeyCellOf(*p.pad.KeyboardOf(PadPage::MsIme), u"ก"));
    EXPECT_EQ(p.port.Line().text, u"x\u0E01\u0E01");

    p.pad.KeyboardClicked(PadPage::Phonetic,
                          KeyCellOf(*p.pad.KeyboardOf(PadPage::Phonetic), u"A"));
    EXPECT_EQ(p.port.Line().text, u"x\u0E01\u0E01\u0251");
    EXPECT_EQ(p.w.model.input().requesters().PhRequester, ReqPad);
    EXPECT_EQ(p.port.repainted,
              (std::vector<PadPage>{PadPage::Romaji, PadPage::MsIme, PadPage::Phonetic}));
}

TEST(PadKeyboardClicks, TheListButtonsOpenTheSidesListPages) {
    PadWorld p;
    p.OpenPad();
    const std::u16string tbl = p.w.model.folders().TblFolder;
    p.w.fake.PutFile(tbl + u"\\CandAll.html", "<html>");
    p.w.fake.PutFile(tbl + u"\\CandThai2.html", "<html>");
    for (PadPage page : {PadPage::Romaji, PadPage::Phonetic}) {
        const KeyboardCells& kb = *p.pad.KeyboardOf(page);
        for (std::size_t i = 0; i < kb.Cells().size(); ++i)
            if (kb.Cells()[i].kind == CellKind::ListButton) p.pad.KeyboardClicked(page, i);
    }
    EXPECT_EQ(p.w.fake.shellOpened,
              (std::vector<std::u16string>{tbl + u"\\CandThai2.html", tbl + u"\\CandAll.html"}));
}

}  // namespace
}  // namespace tess
