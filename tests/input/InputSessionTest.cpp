// The input route as the views use it: keys typed into a field or clicked
// on an on-screen key go through the trigger step, the popup (here a fake
// port that gives the popup the keys typed after the one that opened it, as
// the modal popup takes them) and the insertion into the requester's field.
#include "input/InputSession.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "input/FakeInputFields.h"
#include "input/SmallTables.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

using namespace testing;

const KeySource kSearchPhonetic = *SearchFieldKeys(1);
const KeySource kPadRomajiLine = *PadLineKeys(0);

struct SideFlags {
    bool triggerReversal;
    bool oneKeyInput;
};
constexpr SideFlags kOneKey{false, true};
constexpr SideFlags kNoOneKey{false, false};
constexpr SideFlags kReversal{true, true};

// Arrows are written as "→" and "←" in the typed strings.
constexpr char16_t kRightArrow = u'\u2192';
constexpr char16_t kLeftArrow = u'\u2190';

// Types keys as the user would, into the field a KeySource names, through
// the shipped route. While a popup is open the keys go to it (it is modal),
// each as a key down and then, unless that closed the popup, a character.
class Typist : public CandidatePopupPort {
public:
    Typist() {
        settings.InputMode = kModeThaiRomaji;
        SetFlags(kOneKey);
        fake.activeLayout = u"00000411";
        layouts.RecordStartupLayout();
    }

    void SetFlags(SideFlags flags) {
        settings.PhTriRevFlg = settings.GaTriRevFlg = flags.triggerReversal;
        settings.PhOneInpFlg = settings.GaOneInpFlg = flags.oneKeyInput;
    }

    std::u16string Type(const KeySource& source, const std::u16string& keys) {
        FakeField& typedInto = fields.open[FieldOf(source.side, source.requester)];
        pending.assign(keys.begin(), keys.end());
        while (!pending.empty()) {
            const char16_t key = pending.front();
            pending.pop_front();
            if (!session.KeyTyped(source, key)) typedInto.state = Typed(typedInto.state, key);
        }
        return typedInto.state.text;
    }

    // --- CandidatePopupPort -------------------------------------------------------
    std::optional<std::u16string> RunPopup(CandPopupModel& popup, const PopupLook& look,
                                           FieldId field, int& bandDev) override {
        std::u16string cells;
        for (int cell = 0; cell < kCellCount; ++cell) cells += popup.CellText(cell) + u"|";
        popupsOffered.push_back(cells);
        popupFields.push_back(field);
        popupLooks.push_back(look);
        layoutAtPopup.push_back(fake.activeLayout);
        bandDev = popup.BandDev();
        std::optional<std::u16string> chosen;
        while (!popup.Closed() && !pending.empty()) {
            const char16_t key = pending.front();
            pending.pop_front();
            ToPopup(popup, key, chosen);
        }
        return chosen;
    }

    FakePlatform fake;
    Settings settings;
    InputTables tables = SmallTables();
    FakeFields fields;
    KeyboardLayouts layouts{fake, settings};
    InputSession session{tables, settings, fields, *this, &layouts};
    std::deque<char16_t> pending;
    std::vector<std::u16string> popupsOffered;  // the cells of each popup opened
    std::vector<FieldId> popupFields;
    std::vector<PopupLook> popupLooks;
    std::vector<std::u16string> layoutAtPopup;

private:
    static FieldText Typed(const FieldText& field, char16_t key) {
        const InsertOutcome outcome = InsertIntoField(field, std::u16string(1, key));
        return FieldText{outcome.text, outcome.caret, 0};
    }

    static void ToPopup(CandPopupModel& popup, char16_t key, std::optional<std::u16string>& chosen) {
        int virtualKey = 0;
        switch (key) {
            case u'\x1b': virtualKey = kVkEscape; break;
            case u'\b': virtualKey = kVkBack; break;
            case u'\r': virtualKey = kVkReturn; break;
            case u' ': virtualKey = kVkSpace; break;
            case kRightArrow: virtualKey = kVkRight; break;
            case kLeftArrow: virtualKey = kVkLeft; break;
            default: virtualKey = key >= u'a' && key <= u'z' ? key - u'a' + u'A' : key; break;
        }
        PopupAction action = popup.KeyDown(virtualKey);
        if (action.insert) chosen = action.insert;
        if (!popup.Closed() && key != kRightArrow && key != kLeftArrow) {
            action = popup.KeyPress(key);
            if (action.insert) chosen = action.insert;
        }
    }
};

struct TypingCase {
    const char* name;
    KeySource source;
    int inputMode;
    SideFlags flags;  // both sides
    std::u16string keys;
    std::u16string text;
};

const TypingCase kTypingCases[] = {
    {"a lone candidate goes in at once", kMainForeignKeys, 1, kOneKey, u"k", u"\u0E01"},
    {"other keys are typed around it", kMainForeignKeys, 1, kOneKey, u"xky", u"x\u0E01y"},
    {"a digit chooses from the popup", kMainForeignKeys, 1, kOneKey, u"ka2", u"\u0E01\u0E30"},
    {"Esc inserts nothing and the trigger key is lost", kMainForeignKeys, 1, kOneKey,
     u"ka\x1b", u"\u0E01"},
    {"Backspace closes like Esc", kMainForeignKeys, 1, kOneKey, u"ka\bk", u"\u0E01\u0E01"},
    {"Enter inserts the highlighted cell", kMainForeignKeys, 1, kOneKey, u"ka\r",
     u"\u0E01\u0E32"},
    {"Right arrow then Enter", kMainForeignKeys, 1, kOneKey, u"ka\u2192\r", u"\u0E01\u0E30"},
    {"Space moves like Right", kMainForeignKeys, 1, kOneKey, u"a \r", u"\u0E30"},
    {"Left wraps to cell 10, which is empty", kMainForeignKeys, 1, kOneKey, u"ka\u2190\rk",
     u"\u0E01\u0E01"},
    {"a digit on an empty cell closes with nothing", kMainForeignKeys, 1, kOneKey, u"ka3",
     u"\u0E01"},
    {"the trigger key again in the popup does nothing", kMainForeignKeys, 1, kOneKey, u"aak1",
     u"\u0E32"},
    {"keys after the popup closed are typed again", kMainForeignKeys, 1, kOneKey, u"a1a2x",
     u"\u0E32\u0E30x"},
    {"alphanumeric mode types the letters", kMainForeignKeys, 3, kOneKey, u"kak", u"kak"},
    {"MS IME mode types the letters", kMainForeignKeys, 2, kOneKey, u"ka", u"ka"},
    {"reversal: 0 inserts the key itself", kMainForeignKeys, 1, kReversal, u"k0", u"k"},
    {"reversal: 1 inserts the candidate", kMainForeignKeys, 1, kReversal, u"k1", u"\u0E01"},
    {"one-key input off: lone candidate by Enter", kMainForeignKeys, 1, kNoOneKey, u"k\r",
     u"\u0E01"},
    {"the PAD line in alphanumeric mode", kPadRomajiLine, 3, kOneKey, u"ka2", u"\u0E01\u0E30"},
    {"the phonetic line: upper-case keys give IPA", kMainPhoneticKeys, 3, kOneKey, u"AaE2",
     u"\u0251a\u0259"},
    {"the search field on the phonetic symbols", kSearchPhonetic, 3, kOneKey, u"E1",
     u"\u025B"},
    {"registration's foreign word: romaji and the band", kRegisterForeignKeys, 1, kOneKey,
     u"gka2", u"g\u0E01\u0E30"},
    {"registration's phonetic field: IPA", kRegisterPhoneticKeys, 1, kOneKey, u"AE1",
     u"\u0251\u025B"},
    {"edit dialog's foreign word", kModifyForeignKeys, 4, kOneKey, u"ka\r", u"\u0E01\u0E32"},
    {"edit dialog's phonetic field", kModifyPhoneticKeys, 1, kNoOneKey, u"A\r", u"\u0251"},
    {"registration's foreign word in the Thai keyboard mode types letters",
     kRegisterForeignKeys, 2, kOneKey, u"ka", u"ka"},
};

TEST(InputSession, KeysInTextOut) {
    for (const TypingCase& c : kTypingCases) {
        SCOPED_TRACE(c.name);
        Typist typist;
        typist.settings.InputMode = c.inputMode;
        typist.SetFlags(c.flags);
        EXPECT_EQ(typist.Type(c.source, c.keys), c.text);
    }
}

TEST(InputSession, ReversalOffersTheKeyInTheCellLabelledZero) {
    Typist typist;
    typist.SetFlags(kReversal);
    typist.Type(kMainForeignKeys, u"k");
    ASSERT_EQ(typist.popupsOffered.size(), 1u);
    EXPECT_EQ(typist.popupsOffered[0], u"\u0E01|||||||||k|");
    EXPECT_EQ(DigitLabel(9), u"0");
}

TEST(InputSession, PopupOpensAtTheAskingFieldInTheSidesLook) {
    Typist typist;
    typist.settings.UsrSubFont = u"Segoe UI";
    typist.settings.UsrMainFont = u"Tahoma";
    typist.settings.CandBg = MakeColor(1, 2, 3);
    typist.settings.BandBg = MakeColor(4, 5, 6);
    typist.session.SetForeignCharset(222);
    typist.Type(kRegisterPhoneticKeys, u"E\x1b");
    typist.Type(kMainForeignKeys, u"a\x1b");
    EXPECT_EQ(typist.popupFields,
              (std::vector<FieldId>{FieldId::RegisterPhonetic, FieldId::MainForeign}));
    EXPECT_EQ(typist.popupLooks,
              (std::vector<PopupLook>{{u"Segoe UI", 0, MakeColor(1, 2, 3)},
                                      {u"Tahoma", 222, MakeColor(4, 5, 6)}}));
}

TEST(InputSession, EachSideWritesIntoTheFieldThatAskedLast) {
    // The phonetic key came from the registration dialog, the foreign one
    // from the main window: each side's text goes where that side asked.
    Typist typist;
    typist.fields.open[FieldId::RegisterPhonetic].state = FieldText{u"ab", 1, 0};
    typist.fields.open[FieldId::MainForeign].state = FieldText{u"xy", 2, 0};
    typist.Type(kRegisterPhoneticKeys, u"E\x1b");
    typist.Type(kMainForeignKeys, u"a\x1b");
    EXPECT_TRUE(typist.session.Insert(InputSide::Phonetic, u"\u0259"));
    EXPECT_TRUE(typist.session.Insert(InputSide::Foreign, u"\u0E32"));
    EXPECT_EQ(typist.fields.open[FieldId::RegisterPhonetic].state.text, u"a\u0259b");
    EXPECT_EQ(typist.fields.open[FieldId::RegisterPhonetic].state.selStart, 2);
    EXPECT_EQ(typist.fields.open[FieldId::MainForeign].state.text, u"xy\u0E32");
    EXPECT_EQ(typist.session.requesters().PhRequester, ReqRegister);
    EXPECT_EQ(typist.session.requesters().GaRequester, ReqMain);
}

TEST(InputSession, DialogFieldsTakeTheirOwnKeysWhileTheMainAreasKeepTheirs) {
    // The registration dialog is open over a main window with text in both
    // areas: each key and each popup choice lands in the dialog field it
    // was typed into, never in Memo1 or Edit1.
    Typist typist;
    typist.fields.open[FieldId::MainForeign].state = FieldText{u"memo", 4, 0};
    typist.fields.open[FieldId::MainPhonetic].state = FieldText{u"edit", 4, 0};
    EXPECT_EQ(typist.Type(kRegisterForeignKeys, u"xka2"), u"x\u0E01\u0E30");
    EXPECT_EQ(typist.Type(kRegisterPhoneticKeys, u"E1"), u"\u025B");
    EXPECT_EQ(typist.popupFields,
              (std::vector<FieldId>{FieldId::RegisterForeign, FieldId::RegisterPhonetic}));
    EXPECT_EQ(typist.session.requesters().GaRequester, ReqRegister);
    EXPECT_EQ(typist.session.requesters().PhRequester, ReqRegister);
    // The edit dialog's fields are other fields.
    EXPECT_EQ(typist.Type(kModifyForeignKeys, u"k"), u"\u0E01");
    EXPECT_EQ(typist.fields.open[FieldId::RegisterForeign].state.text, u"x\u0E01\u0E30");
    EXPECT_EQ(typist.fields.open[FieldId::MainForeign].state.text, u"memo");
    EXPECT_EQ(typist.fields.open[FieldId::MainPhonetic].state.text, u"edit");
}

TEST(InputSession, OnScreenKeysTakeTheSameRouteWithoutTheModeGate) {
    Typist typist;
    typist.settings.InputMode = kModeAlphanumeric;
    typist.fields.open[FieldId::MainForeign].state = FieldText{u"", 0, 0};
    typist.fields.open[FieldId::MainPhonetic].state = FieldText{u"", 0, 0};
    typist.session.KeyClicked(kRomajiKeyboardClick, u'k');
    typist.session.KeyClicked(kRomajiKeyboardClick, u'z');  // no trigger key: nothing
    typist.session.KeyClicked(kPhoneticKeyboardClick, u'A');
    EXPECT_EQ(typist.fields.open[FieldId::MainForeign].state.text, u"\u0E01");
    EXPECT_EQ(typist.fields.open[FieldId::MainPhonetic].state.text, u"\u0251");
}

TEST(InputSession, ThaiKeyboardModeShowsThePopupWithTheStartupLayout) {
    // In mode 2 the foreign area types through the Thai layout; the popup's
    // digits must arrive as digits, so the start-up layout is back while it
    // shows. Other modes leave the layout alone.
    for (int mode : {kModeThaiMsIme, kModeThaiRomaji}) {
        SCOPED_TRACE(mode);
        Typist typist;
        typist.settings.InputMode = mode;
        typist.fake.activeLayout = kThaiKedmaneeLayout;
        typist.Type(kMainPhoneticKeys, u"E1");
        ASSERT_EQ(typist.layoutAtPopup.size(), 1u);
        EXPECT_EQ(typist.layoutAtPopup[0],
                  mode == kModeThaiMsIme ? u"00000411" : std::u16string(kThaiKedmaneeLayout));
        EXPECT_EQ(typist.fields.open[FieldId::MainPhonetic].state.text, u"\u025B");
    }
}

TEST(InputSession, BandCorrectionChosenInThePopupIsKept) {
    struct Port : CandidatePopupPort {
        std::optional<std::u16string> RunPopup(CandPopupModel& popup, const PopupLook&, FieldId,
                                               int& bandDev) override {
            popup.UpDownClicked(3);
            bandDev = popup.BandDev();
            return std::nullopt;
        }
    } port;
    Settings settings;
    settings.InputMode = kModeThaiRomaji;
    InputTables tables = SmallTables();
    FakeFields fields;
    InputSession session(tables, settings, fields, port, nullptr);
    EXPECT_TRUE(session.KeyTyped(kMainForeignKeys, u'a'));
    EXPECT_EQ(settings.BandDev, 3);
}

TEST(InputSession, EmptyPhoneticAreaTakesTheCandidateWhole) {
    Typist typist;
    typist.fields.open[FieldId::MainPhonetic].state = FieldText{u"", 0, 0};
    typist.Type(kMainPhoneticKeys, u"A");
    const FakeField& area = typist.fields.open[FieldId::MainPhonetic];
    EXPECT_EQ(area.state.text, u"\u0251");
    EXPECT_EQ(area.state.selStart, 1);
    EXPECT_EQ(area.focusCount, 1);
}

TEST(InputSession, SelectionIsReplacedByTheChosenCandidate) {
    Typist typist;
    typist.fields.open[FieldId::MainForeign].state = FieldText{u"abcd", 1, 2};
    EXPECT_EQ(typist.Type(kMainForeignKeys, u"a2x"), u"a\u0E30xd");
}

TEST(InputSession, ClosedFieldReceivesNothing) {
    Typist typist;
    typist.fields.open[FieldId::MainForeign].state = FieldText{u"x", 1, 0};
    typist.Type(kModifyForeignKeys, u"k");  // the edit dialog asked...
    typist.fields.open.erase(FieldId::ModifyForeign);  // ...then closed
    EXPECT_FALSE(typist.session.Insert(InputSide::Foreign, u"\u0E01"));
    EXPECT_FALSE(typist.session.Insert(InputSide::Phonetic, u"\u0251"));  // nobody asked
    EXPECT_EQ(typist.fields.open[FieldId::MainForeign].state.text, u"x");
}

TEST(InputSession, ControlCharactersAreNeverTriggerKeys) {
    Typist typist;
    typist.tables.GaCandTable.push_back(Record(u'\b', {kKoKai}));
    EXPECT_FALSE(typist.session.KeyTyped(kMainForeignKeys, u'\b'));
    EXPECT_TRUE(typist.popupsOffered.empty());
}

}  // namespace
}  // namespace tess
