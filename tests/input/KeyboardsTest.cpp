#include "input/Keyboards.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::kTblFolder;
using testing::PutAnsi;
using Action = KeyboardClick::Action;

// The index in Cells() of a key button or label, by its caption.
std::size_t CellOf(const KeyboardCells& kb, CellKind kind, std::u16string_view text) {
    for (std::size_t i = 0; i < kb.Cells().size(); ++i)
        if (kb.Cells()[i].kind == kind && kb.Cells()[i].text == text) return i;
    ADD_FAILURE() << "no cell";
    return 0;
}
std::size_t KeyOf(const KeyboardCells& kb, std::u16string_view text) {
    return CellOf(kb, CellKind::KeyButton, text);
}
std::size_t ExtraOf(const KeyboardCells& kb, CellKind kind) {
    for (std::size_t i = 0; i < kb.Cells().size(); ++i)
        if (kb.Cells()[i].kind == kind) return i;
    ADD_FAILURE() << "no cell";
    return 0;
}

struct Fixture {
    FakePlatform fake;
    Settings settings;
    InputTables tables;
    Fixture() { LoadDefaults(settings, fake); }
    void LoadForeign(const std::u16string& cand) {
        PutAnsi(fake, u"CandT.csv", cand);
        tables.LoadForeignTables(fake, kTblFolder, u"CandT.csv", u"DBT.csv");
    }
    void LoadPhonetic(const std::u16string& cand) {
        PutAnsi(fake, u"CandP.csv", cand);
        tables.LoadPhoneticTables(fake, kTblFolder, u"CandP.csv", u"DBP.csv");
    }
};

// --- Geometry -----------------------------------------------------------------------

// Sheet 390 × 254 (the keyboard pages at their widest):
//   romaji/phonetic  k = 374 div 13 = 28, r = 238 div 4 = 59, label 23, key 35,
//                    row offsets 0, 14, 19, 33; a letter key 41 high, its label 17
//   MS IME           k = 28, r = 246 div 4 = 61, label 24, key 36,
//                    row offsets 0, 36, 39, 56
// Sheet 406 × 254 makes k = 30, where 0.7 k, 1.2 k, 1.3 k and 1.4 k are whole.
TEST(KeyboardGeometry, CellsStandWhereTheSheetSizePutsThem) {
    struct Case {
        const char* what;
        int width;
        int height;
        int keyboard;  // 0 romaji, 1 phonetic, 2 MS IME
        CellKind kind;
        int index;
        CellRect rect;
    };
    const std::vector<Case> cases = {
        {"romaji 1", 390, 254, 0, CellKind::KeyButton, 0, {12, 27, 28, 35}},
        {"phonetic 1", 390, 254, 1, CellKind::KeyButton, 0, {12, 31, 28, 35}},
        {"romaji \\", 390, 254, 0, CellKind::KeyButton, 12, {348, 27, 28, 35}},
        {"label !", 390, 254, 0, CellKind::KeyLabel, 0, {12, 8, 28, 23}},
        {"romaji q grown", 390, 254, 0, CellKind::KeyButton, 13, {26, 85, 28, 41}},
        {"label over q shrunk", 390, 254, 0, CellKind::KeyLabel, 13, {26, 67, 28, 17}},
        {"phonetic Q grown", 390, 254, 1, CellKind::KeyButton, 13, {26, 85, 28, 41}},
        {"romaji @ not a letter", 390, 254, 0, CellKind::KeyButton, 23, {306, 90, 28, 35}},
        {"label `", 390, 254, 0, CellKind::KeyLabel, 23, {306, 67, 28, 23}},
        {"romaji a", 390, 254, 0, CellKind::KeyButton, 25, {31, 144, 28, 41}},
        {"romaji /", 390, 254, 0, CellKind::KeyButton, 46, {297, 208, 28, 35}},
        {"label _ beyond /", 390, 254, 0, CellKind::KeyLabel, 47, {325, 185, 28, 23}},
        {"直", 390, 254, 0, CellKind::OneInputBox, 0, {3, 187, 33, 17}},
        {"復", 390, 254, 1, CellKind::ReversalBox, 0, {4, 215, 33, 17}},
        {"一覧", 390, 254, 0, CellKind::ListButton, 0, {329, 211, 42, 33}},
        {"ime 半", 390, 254, 2, CellKind::KeyButton, 0, {2, 24, 28, 36}},
        {"ime q", 390, 254, 2, CellKind::KeyButton, 13, {38, 89, 28, 36}},
        {"ime a", 390, 254, 2, CellKind::KeyButton, 25, {41, 150, 28, 36}},
        {"ime z", 390, 254, 2, CellKind::KeyButton, 37, {58, 211, 28, 36}},
        {"ime label 47", 390, 254, 2, CellKind::KeyLabel, 47, {338, 187, 28, 24}},
        {"CAPS", 390, 254, 2, CellKind::CapsButton, 0, {2, 208, 53, 41}},
        {"k=30 romaji a", 406, 254, 0, CellKind::KeyButton, 25, {33, 144, 30, 41}},
        {"k=30 romaji z", 406, 254, 0, CellKind::KeyButton, 37, {48, 203, 30, 41}},
        {"k=30 ime q", 406, 254, 2, CellKind::KeyButton, 13, {41, 89, 30, 36}},
        {"k=30 ime a", 406, 254, 2, CellKind::KeyButton, 25, {44, 150, 30, 36}},
        {"k=30 一覧", 406, 254, 1, CellKind::ListButton, 0, {352, 211, 45, 33}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        std::vector<KeyCell> cells;
        if (c.keyboard == 2) {
            cells = MsImeKeyboard(c.width, c.height, 222, f.settings, f.fake).Cells();
        } else {
            const InputSide side = c.keyboard == 0 ? InputSide::Foreign : InputSide::Phonetic;
            cells = TriggerKeyboard(side, c.width, c.height, f.tables.GaCandTable, f.settings)
                        .Cells();
        }
        const KeyCell* found = nullptr;
        for (const KeyCell& cell : cells)
            if (cell.kind == c.kind && cell.index == c.index) found = &cell;
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->rect, c.rect);
    }
}

TEST(KeyboardGeometry, EveryKeyboardHas47KeysAnd48Labels) {
    Fixture f;
    TriggerKeyboard romaji(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    MsImeKeyboard ime(390, 254, 222, f.settings, f.fake);
    for (const KeyboardCells* kb : {static_cast<const KeyboardCells*>(&romaji),
                                    static_cast<const KeyboardCells*>(&ime)}) {
        int keys = 0, labels = 0;
        for (const KeyCell& cell : kb->Cells()) {
            keys += cell.kind == CellKind::KeyButton;
            labels += cell.kind == CellKind::KeyLabel;
        }
        EXPECT_EQ(keys, 47);
        EXPECT_EQ(labels, 48);
    }
}

TEST(KeyboardGeometry, TheFlagPictureShowsOnlyOnASheetAtLeast300High) {
    Fixture f;
    TriggerKeyboard romaji(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    TriggerKeyboard phonetic(InputSide::Phonetic, 390, 254, f.tables.PhCandTable, f.settings);
    // Centred across, and in the dark area below the 230-pixel band.
    EXPECT_EQ(romaji.PictureRect(390, 400), (CellRect{151, 284, 88, 61}));
    EXPECT_EQ(romaji.PictureRect(390, 300), (CellRect{151, 234, 88, 61}));
    EXPECT_EQ(romaji.PictureRect(390, 299), std::nullopt);
    EXPECT_EQ(phonetic.PictureRect(390, 400), std::nullopt);
}

TEST(KeyboardColours, ABandInTheKeyboardColourOverDarkGrey) {
    Fixture f;
    TriggerKeyboard romaji(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    TriggerKeyboard phonetic(InputSide::Phonetic, 390, 254, f.tables.PhCandTable, f.settings);
    MsImeKeyboard ime(390, 254, 222, f.settings, f.fake);
    EXPECT_EQ(romaji.Background().band, MakeColor(0xFF, 0xA9, 0x53));  // RomanBg #FFA953
    EXPECT_EQ(ime.Background().band, MakeColor(0x8F, 0xBC, 0x8F));     // MsImeBg #8FBC8F
    EXPECT_EQ(phonetic.Background().band, MakeColor(0x00, 0xBF, 0xFF));  // IpaBg #00BFFF
    EXPECT_EQ(romaji.Background().bandHeight, 230);
    EXPECT_EQ(romaji.Background().rest, MakeColor(64, 64, 64));
    // The settings dialog's new colour shows without a rebuild.
    f.settings.RomanBg = MakeColor(1, 2, 3);
    EXPECT_EQ(romaji.Background().band, MakeColor(1, 2, 3));
}

// --- Romaji and phonetic keys ---------------------------------------------------------

const std::u16string kThaiCand =
    u"\"DBT.csv\",Alphabet_Lower\r\n"
    u"\"k\",0E01,0E02,,,,,,,\r\n"
    u"\"q\",,,,,,,,,\r\n"  // a line without candidates: not a trigger key
    u"\"!\",0E3F,,,,,,,,\r\n"
    u"\"&\",0E46,,,,,,,,\r\n";

TEST(ShowRomajiKeys, TriggerKeysAreEnabledAndBold14OthersDisabledPlain12) {
    Fixture f;
    f.LoadForeign(kThaiCand);
    TriggerKeyboard kb(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    const KeyCell& k = kb.Cells()[KeyOf(kb, u"k")];
    EXPECT_TRUE(k.enabled);
    EXPECT_EQ(k.font, (CellFont{u"Tahoma", 14, true, 0}));
    const KeyCell& q = kb.Cells()[KeyOf(kb, u"q")];
    EXPECT_FALSE(q.enabled);
    EXPECT_EQ(q.font, (CellFont{u"Tahoma", 12, false, 0}));
    EXPECT_TRUE(kb.KeyLabel(0).enabled);    // "!"
    EXPECT_FALSE(kb.KeyLabel(1).enabled);   // "\""
    EXPECT_EQ(kb.KeyLabel(5).text, u"&");   // a plain ampersand, enabled
    EXPECT_TRUE(kb.KeyLabel(5).enabled);
    EXPECT_EQ(kb.KeyLabel(9).text, u"");    // over "0": no character
    EXPECT_FALSE(kb.KeyLabel(9).enabled);
    EXPECT_TRUE(kb.KeyLabel(0).flat);
    EXPECT_EQ(kb.KeyLabel(0).font, (CellFont{u"Tahoma", 12, false, 0}));
}

TEST(ShowRomajiKeys, ARebuiltTableIsShownThroughTheSameKeyboard) {
    Fixture f;
    f.LoadForeign(kThaiCand);
    TriggerKeyboard kb(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    f.LoadForeign(u"\"DBT.csv\",Alphabet_Lower\r\n\"q\",1000,,,,,,,,\r\n");
    kb.ShowTriggerKeys();
    const KeyCell& k = kb.Cells()[KeyOf(kb, u"k")];
    EXPECT_FALSE(k.enabled);
    EXPECT_EQ(k.font, (CellFont{u"Tahoma", 12, false, 0}));
    EXPECT_TRUE(kb.Cells()[KeyOf(kb, u"q")].font.bold);
    EXPECT_FALSE(kb.KeyLabel(0).enabled);
}

TEST(ShowPhoneticKeys, TriggerKeysGrowOnePointAndStayRegular) {
    Fixture f;
    f.LoadPhonetic(u"\"DBP.csv\",Alphabet_Upper\r\n\"A\",0251,0250,,,,,,,\r\n");
    TriggerKeyboard kb(InputSide::Phonetic, 390, 254, f.tables.PhCandTable, f.settings);
    const KeyCell& a = kb.Cells()[KeyOf(kb, u"A")];
    EXPECT_TRUE(a.enabled);
    EXPECT_EQ(a.font, (CellFont{u"Tahoma", 13, false, 0}));
    EXPECT_FALSE(kb.Cells()[KeyOf(kb, u"B")].enabled);
}

TEST(TriggerKeyClick, KeysAndLabelsOfTriggerKeysAskForTheTriggerStep) {
    Fixture f;
    f.LoadForeign(kThaiCand);
    f.LoadPhonetic(u"\"DBP.csv\",Alphabet_Upper\r\n\"A\",0251,,,,,,,,\r\n");
    TriggerKeyboard romaji(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    TriggerKeyboard phonetic(InputSide::Phonetic, 390, 254, f.tables.PhCandTable, f.settings);
    EXPECT_EQ(romaji.Click(KeyOf(romaji, u"k")),
              (KeyboardClick{Action::TriggerKey, InputSide::Foreign, u'k', {}}));
    EXPECT_EQ(romaji.Click(CellOf(romaji, CellKind::KeyLabel, u"!")),
              (KeyboardClick{Action::TriggerKey, InputSide::Foreign, u'!', {}}));
    EXPECT_EQ(romaji.Click(CellOf(romaji, CellKind::KeyLabel, u"&")).key, u'&');
    EXPECT_EQ(romaji.Click(KeyOf(romaji, u"q")).action, Action::None);
    EXPECT_EQ(phonetic.Click(KeyOf(phonetic, u"A")),
              (KeyboardClick{Action::TriggerKey, InputSide::Phonetic, u'A', {}}));
    EXPECT_EQ(romaji.Click(romaji.Cells().size()).action, Action::None);
}

TEST(TriggerKeyClick, TheFlagBoxesShowAndSetTheirSidesFlags) {
    Fixture f;
    f.settings.GaOneInpFlg = true;
    f.settings.PhTriRevFlg = false;
    TriggerKeyboard romaji(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    TriggerKeyboard phonetic(InputSide::Phonetic, 390, 254, f.tables.PhCandTable, f.settings);
    const std::size_t one = ExtraOf(romaji, CellKind::OneInputBox);
    EXPECT_TRUE(romaji.Cells()[one].down);
    EXPECT_EQ(romaji.Click(one).action, Action::FlagChanged);
    EXPECT_FALSE(f.settings.GaOneInpFlg);
    EXPECT_FALSE(romaji.Cells()[one].down);
    EXPECT_TRUE(f.settings.PhOneInpFlg);  // the other side's flag untouched

    const std::size_t rev = ExtraOf(phonetic, CellKind::ReversalBox);
    phonetic.Click(rev);
    EXPECT_TRUE(f.settings.PhTriRevFlg);
    EXPECT_FALSE(f.settings.GaTriRevFlg);

    f.settings.GaOneInpFlg = true;  // changed elsewhere (the settings dialog)
    romaji.ShowFlags();
    EXPECT_TRUE(romaji.Cells()[one].down);
}

TEST(OpenCandList, OpensTheHtmlPageOfTheSidesFileOnlyWhenItExists) {
    Fixture f;
    f.settings.GaCandFile = u"CandThai.csv";
    TriggerKeyboard romaji(InputSide::Foreign, 390, 254, f.tables.GaCandTable, f.settings);
    const KeyboardClick click = romaji.Click(ExtraOf(romaji, CellKind::ListButton));
    EXPECT_EQ(click.action, Action::OpenCandList);
    const std::u16string& file = CandFileOfSide(f.settings, click.side);
    EXPECT_EQ(file, u"CandThai.csv");

    EXPECT_FALSE(OpenCandList(f.fake, kTblFolder, file));
    EXPECT_TRUE(f.fake.shellOpened.empty());

    f.fake.PutFile(kTblFolder + u"\\CandThai.html", "<html>");
    EXPECT_TRUE(OpenCandList(f.fake, kTblFolder, file));
    EXPECT_EQ(f.fake.shellOpened, std::vector<std::u16string>{kTblFolder + u"\\CandThai.html"});
}

// --- MS IME keyboard -------------------------------------------------------------------

TEST(ShowThaiKeys, CapsLabelAndTheTableWithCombiningMarksInBlue) {
    Fixture f;
    MsImeKeyboard kb(390, 254, 222, f.settings, f.fake);
    EXPECT_EQ(kb.ShownLayout(), ThaiLayout::Kedmanee);
    EXPECT_FALSE(kb.ShownShifted());
    EXPECT_FALSE(kb.CapsDown());
    const KeyCell& one = kb.KeyButton(1);  // under the key cap "1"
    EXPECT_EQ(kb.KeyLabel(1).text, u"1");
    EXPECT_EQ(one.text, u"ๅ");
    EXPECT_EQ(one.textColor, kKeyTextBlack);
    EXPECT_EQ(one.font, (CellFont{u"Tahoma", 16, false, 222}));
    EXPECT_EQ(kb.KeyLabel(6).text, u"6");
    EXPECT_EQ(kb.KeyButton(6).text, u"\u0E38");
    EXPECT_EQ(kb.KeyButton(6).textColor, kKeyTextBlue);
    EXPECT_EQ(kb.KeyLabel(36).text, u"]");
    EXPECT_EQ(kb.KeyButton(36).text, u"ฃ");
    for (const KeyCell& cell : kb.Cells()) {
        if (cell.kind == CellKind::KeyLabel) {
            EXPECT_FALSE(cell.enabled) << cell.index;
        }
    }
    EXPECT_EQ(kb.KeyLabel(0).font, (CellFont{u"Tahoma", 11, false, 222}));
    EXPECT_EQ(kb.KeyLabel(47).text, u"");

    kb.ShowThaiKeys(ThaiLayout::Pattachote, true);
    EXPECT_EQ(kb.KeyButton(6).text, u"\u0E38");
    EXPECT_EQ(kb.KeyButton(6).textColor, kKeyTextBlue);
    EXPECT_EQ(kb.KeyButton(0).text, u"฿");
    EXPECT_EQ(kb.KeyButton(0).textColor, kKeyTextBlack);
    kb.ShowThaiKeys(ThaiLayout::Pattachote, false);
    EXPECT_EQ(kb.KeyButton(36).text, u"\uF8C7");  // private use: not a mark, black
    EXPECT_EQ(kb.KeyButton(36).textColor, kKeyTextBlack);
}

TEST(ShowThaiKeys, TheKeyboardStartsWithTheChosenLayout) {
    Fixture f;
    f.settings.ThaiImeKedFlg = false;
    MsImeKeyboard kb(390, 254, 222, f.settings, f.fake);
    EXPECT_EQ(kb.ShownLayout(), ThaiLayout::Pattachote);
    EXPECT_EQ(kb.KeyButton(1).text, u"=");
}

TEST(ThaiKeyClick, AThaiKeyInsertsItsCharacter) {
    Fixture f;
    MsImeKeyboard kb(390, 254, 222, f.settings, f.fake);
    EXPECT_EQ(kb.Click(KeyOf(kb, u"ก")),
              (KeyboardClick{Action::InsertText, InputSide::Foreign, 0, u"ก"}));
    EXPECT_EQ(kb.Click(KeyOf(kb, u"\u0E34")).text, u"\u0E34");
    EXPECT_EQ(kb.Click(CellOf(kb, CellKind::KeyLabel, u"d")).action, Action::None);
}

TEST(ThaiKeyHover, TheEnteredKeyGrowsAndTheLeftOneShrinksByRounding) {
    Fixture f;
    MsImeKeyboard kb(390, 254, 222, f.settings, f.fake);
    const std::size_t q = KeyOf(kb, u"ๆ");  // key "q": {38, 89, 28, 36}, 16 pt
    const std::size_t w = KeyOf(kb, u"ไ");  // key "w", to its right
    ASSERT_EQ(kb.Cells()[q].rect, (CellRect{38, 89, 28, 36}));

    EXPECT_TRUE(kb.Hover(q));
    EXPECT_EQ(kb.Cells()[q].rect, (CellRect{33, 84, 36, 46}));  // trunc(36.4), trunc(46.8)
    EXPECT_EQ(kb.Cells()[q].font.sizePt, 24);
    EXPECT_FALSE(kb.Hover(q));

    // The grown key overlaps its neighbour and wins the hit test there.
    EXPECT_EQ(kb.HitTest(67, 100), q);

    EXPECT_TRUE(kb.Hover(w));
    // 36 / 1.3 = 27.7 gives 28 back, but 46 / 1.3 = 35.4 gives 35, not 36.
    EXPECT_EQ(kb.Cells()[q].rect, (CellRect{38, 89, 28, 35}));
    EXPECT_EQ(kb.Cells()[q].font.sizePt, 16);
    EXPECT_EQ(kb.Cells()[w].rect, (CellRect{61, 84, 36, 46}));
    EXPECT_EQ(kb.HoveredCell(), w);

    EXPECT_TRUE(kb.Hover(std::nullopt));
    EXPECT_EQ(kb.Cells()[w].rect, (CellRect{66, 89, 28, 35}));
    EXPECT_FALSE(kb.Hover(CellOf(kb, CellKind::KeyLabel, u"q")));  // labels never grow
}

TEST(ThaiKeyShiftAndCaps, TheTableFollowsShiftAndCapsLock) {
    struct Step {
        const char* what;
        bool capsLockOn;  // the system's toggle as the handler reads it
        enum { Down, Up, ClickCaps } event;
        std::uint16_t key;
        bool shifted;
        bool capsDown;
    };
    const std::vector<Step> steps = {
        {"Shift down", false, Step::Down, kVkShift, true, false},
        {"Shift up", false, Step::Up, kVkShift, false, false},
        {"other key", false, Step::Down, 0x41, false, false},
        {"Caps Lock on", true, Step::Down, kVkCapital, true, true},
        {"Caps Lock released", true, Step::Up, kVkCapital, true, true},
        {"Shift with Caps Lock on", true, Step::Down, kVkShift, true, true},
        {"Shift up with Caps Lock on", true, Step::Up, kVkShift, true, true},
        {"Caps Lock off", false, Step::Down, kVkCapital, false, false},
        {"CAPS clicked down", false, Step::ClickCaps, 0, true, true},
        {"Shift up while CAPS down", false, Step::Up, kVkShift, false, true},
        {"CAPS clicked up", false, Step::ClickCaps, 0, false, false},
    };
    Fixture f;
    MsImeKeyboard kb(390, 254, 222, f.settings, f.fake);
    const std::size_t caps = ExtraOf(kb, CellKind::CapsButton);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        f.fake.capsLock = s.capsLockOn;
        if (s.event == Step::Down) kb.KeyDown(s.key);
        if (s.event == Step::Up) kb.KeyUp(s.key);
        if (s.event == Step::ClickCaps) {
            EXPECT_EQ(kb.Click(caps).action, Action::CapsChanged);
        }
        EXPECT_EQ(kb.ShownShifted(), s.shifted);
        EXPECT_EQ(kb.KeyButton(1).text, s.shifted ? u"+" : u"ๅ");
        EXPECT_EQ(kb.CapsDown(), s.capsDown);
        EXPECT_EQ(kb.Cells()[caps].down, s.capsDown);
    }
}

TEST(ImeMenu, ChoosingTheOtherLayoutSwitchesTableFlagAndCaption) {
    Fixture f;
    MsImeKeyboard kb(390, 254, 222, f.settings, f.fake);
    EXPECT_EQ(kb.ImeMenuChecked(), ThaiLayout::Kedmanee);
    EXPECT_EQ(kb.ChooseImeLayout(ThaiLayout::Kedmanee), std::nullopt);

    kb.SetCaps(true);
    EXPECT_EQ(kb.ChooseImeLayout(ThaiLayout::Pattachote), u"MS IME (Pattachote)");
    EXPECT_FALSE(f.settings.ThaiImeKedFlg);
    EXPECT_EQ(kb.ImeMenuChecked(), ThaiLayout::Pattachote);
    EXPECT_EQ(kb.ShownLayout(), ThaiLayout::Pattachote);
    EXPECT_TRUE(kb.ShownShifted());
    EXPECT_EQ(kb.KeyButton(6).text, u"\u0E38");

    // Shift now follows the new layout.
    kb.SetCaps(false);
    f.fake.capsLock = false;
    kb.KeyDown(kVkShift);
    EXPECT_EQ(kb.KeyButton(0).text, u"฿");
    EXPECT_EQ(MsImePageCaption(ThaiLayout::Kedmanee), u"MS IME (Kedmanee)");
}

// --- The PAD's keyboards ------------------------------------------------------------------

// The three keyboards as the PAD builds them, beside the main window's of
// the same sheet size.
TEST(PadKeyboards, OneColourOverTheWholePageNoFlagBoxesNoPictureTheSameKeys) {
    struct Case {
        const char* what;
        int keyboard;  // 0 romaji, 1 phonetic, 2 MS IME
        Color colour;
        bool hasFlagBoxes;  // on the main window
    };
    const std::vector<Case> cases = {
        {"romaji", 0, MakeColor(0xFF, 0xA9, 0x53), true},
        {"phonetic", 1, MakeColor(0x00, 0xBF, 0xFF), true},
        {"MS IME", 2, MakeColor(0x8F, 0xBC, 0x8F), false},
    };
    auto count = [](const std::vector<KeyCell>& cells, CellKind kind) {
        int n = 0;
        for (const KeyCell& cell : cells) n += cell.kind == kind;
        return n;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        f.LoadForeign(kThaiCand);
        std::vector<KeyCell> main, pad;
        KeyboardBackground mainBg, padBg;
        if (c.keyboard == 2) {
            const MsImeKeyboard m(438, 260, 222, f.settings, f.fake);
            const MsImeKeyboard p(438, 260, 222, f.settings, f.fake, KeyboardHost::Pad);
            main = m.Cells();
            pad = p.Cells();
            mainBg = m.Background();
            padBg = p.Background();
        } else {
            const InputSide side = c.keyboard == 0 ? InputSide::Foreign : InputSide::Phonetic;
            const CandTable& table = c.keyboard == 0 ? f.tables.GaCandTable : f.tables.PhCandTable;
            const TriggerKeyboard m(side, 438, 400, table, f.settings);
            const TriggerKeyboard p(side, 438, 400, table, f.settings, KeyboardHost::Pad);
            // Even on a sheet high enough for it, the PAD shows no picture.
            EXPECT_EQ(p.PictureRect(438, 400), std::nullopt);
            main = m.Cells();
            pad = p.Cells();
            mainBg = m.Background();
            padBg = p.Background();
        }
        EXPECT_EQ(mainBg.band, c.colour);
        EXPECT_EQ(mainBg.rest, kKeyboardDarkGrey);
        EXPECT_EQ(padBg.band, c.colour);
        EXPECT_EQ(padBg.rest, c.colour);

        EXPECT_EQ(count(main, CellKind::OneInputBox), c.hasFlagBoxes ? 1 : 0);
        EXPECT_EQ(count(main, CellKind::ReversalBox), c.hasFlagBoxes ? 1 : 0);
        EXPECT_EQ(count(pad, CellKind::OneInputBox), 0);
        EXPECT_EQ(count(pad, CellKind::ReversalBox), 0);
        // Everything else stands where it stands on the main window, in the
        // same font: keys, labels, "一覧", "CAPS".
        std::vector<KeyCell> rest;
        for (const KeyCell& cell : main)
            if (cell.kind != CellKind::OneInputBox && cell.kind != CellKind::ReversalBox)
                rest.push_back(cell);
        EXPECT_EQ(pad, rest);
    }
}

TEST(PadKeyboards, TriggerKeysAreBoldTwoPointsOverPlainKeysAndClickAsOnTheMainWindow) {
    Fixture f;
    f.LoadForeign(kThaiCand);
    f.LoadPhonetic(u"\"DBP.csv\",Alphabet_Upper\r\n\"A\",0251,,,,,,,,\r\n");
    f.settings.GaOneInpFlg = true;
    TriggerKeyboard romaji(InputSide::Foreign, 438, 260, f.tables.GaCandTable, f.settings,
                           KeyboardHost::Pad);
    TriggerKeyboard phonetic(InputSide::Phonetic, 438, 260, f.tables.PhCandTable, f.settings,
                             KeyboardHost::Pad);
    EXPECT_EQ(romaji.Cells()[KeyOf(romaji, u"k")].font, (CellFont{u"Tahoma", 14, true, 0}));
    EXPECT_EQ(romaji.Cells()[KeyOf(romaji, u"q")].font, (CellFont{u"Tahoma", 12, false, 0}));
    EXPECT_EQ(phonetic.Cells()[KeyOf(phonetic, u"A")].font, (CellFont{u"Tahoma", 13, false, 0}));
    EXPECT_EQ(romaji.Click(KeyOf(romaji, u"k")),
              (KeyboardClick{Action::TriggerKey, InputSide::Foreign, u'k', {}}));
    EXPECT_EQ(phonetic.Click(KeyOf(phonetic, u"A")),
              (KeyboardClick{Action::TriggerKey, InputSide::Phonetic, u'A', {}}));
    EXPECT_EQ(romaji.Click(ExtraOf(romaji, CellKind::ListButton)).action, Action::OpenCandList);
    // With no boxes, showing the flags changes no cell.
    const std::vector<KeyCell> before = romaji.Cells();
    romaji.ShowFlags();
    EXPECT_EQ(romaji.Cells(), before);
}

}  // namespace
}  // namespace tess
