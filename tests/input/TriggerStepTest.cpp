#include "input/TriggerStep.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/Settings.h"
#include "input/CandPopupModel.h"

namespace tess {
namespace {

constexpr char16_t kKoKai = u'\u0E01';    // ก
constexpr char16_t kSaraAa = u'\u0E32';   // า
constexpr char16_t kSaraA = u'\u0E30';    // ะ
constexpr char16_t kOpenA = u'\u0251';    // ɑ
constexpr char16_t kOpenE = u'\u025B';    // ɛ
constexpr char16_t kSchwa = u'\u0259';    // ə

CandRecord Record(char16_t key, std::array<char16_t, 9> candidates) {
    return CandRecord{key, candidates, 0};
}

// A small pair of tables: on the foreign side "k" has one candidate, "a"
// two, "!" only a blank one; on the phonetic side "A" has one, "E" two.
// Lower-case "a" is no phonetic trigger key.
InputTables SmallTables() {
    InputTables tables;
    tables.GaCandTable = {Record(u'k', {kKoKai}), Record(u'a', {kSaraAa, kSaraA}),
                          Record(u'!', {u' '}), CandRecord{}};
    tables.PhCandTable = {Record(u'A', {kOpenA}), Record(u'E', {kOpenE, kSchwa})};
    return tables;
}

// --- The step itself, across sources, modes and flags ---------------------------------

struct StepCase {
    const char* name;
    KeySource source;
    int inputMode;
    SideFlags flags;  // of the source's side; the other side gets the opposite
    char16_t key;
    TriggerResult::Action action;
    std::u16string text;  // InsertText
    char16_t slot10;
};

const KeySource kSearchForeign = *SearchFieldKeys(0);
const KeySource kSearchPhonetic = *SearchFieldKeys(1);
const KeySource kPadRomajiLine = *PadLineKeys(0);
const KeySource kPadPhoneticLine = *PadLineKeys(2);

constexpr SideFlags kOneKey{false, true};
constexpr SideFlags kNoOneKey{false, false};
constexpr SideFlags kReversal{true, true};

const StepCase kStepCases[] = {
    {"Memo1 in Thai romaji: lone candidate goes in", kMainMemo1Keys, 1, kOneKey, u'k',
     TriggerResult::InsertText, u"\u0E01", 0},
    {"Memo1 in Myanmar romaji", kMainMemo1Keys, 4, kOneKey, u'k', TriggerResult::InsertText,
     u"\u0E01", 0},
    {"Memo1 in Lao romaji", kMainMemo1Keys, 5, kOneKey, u'k', TriggerResult::InsertText,
     u"\u0E01", 0},
    {"Memo1 in Khmer romaji", kMainMemo1Keys, 6, kOneKey, u'k', TriggerResult::InsertText,
     u"\u0E01", 0},
    {"Memo1 in Thai MS IME: typed as is", kMainMemo1Keys, 2, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Memo1 in alphanumeric: typed as is", kMainMemo1Keys, 3, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Memo1 with an unknown input mode", kMainMemo1Keys, 9, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Memo1: a key without a trigger line", kMainMemo1Keys, 1, kOneKey, u'x',
     TriggerResult::PassKey, u"", 0},
    {"Memo1: one-key input off opens the popup", kMainMemo1Keys, 1, kNoOneKey, u'k',
     TriggerResult::OpenPopup, u"", 0},
    {"Memo1: reversal puts the key in slot 10, so the popup opens", kMainMemo1Keys, 1,
     kReversal, u'k', TriggerResult::OpenPopup, u"", u'k'},
    {"Memo1: two candidates open the popup", kMainMemo1Keys, 1, kOneKey, u'a',
     TriggerResult::OpenPopup, u"", 0},
    {"Memo1: a blank lone candidate opens the popup", kMainMemo1Keys, 1, kOneKey, u'!',
     TriggerResult::OpenPopup, u"", 0},
    {"registration foreign field keeps the gate", kRegisterForeignKeys, 3, kOneKey, u'a',
     TriggerResult::PassKey, u"", 0},
    {"registration foreign field in romaji", kRegisterForeignKeys, 1, kOneKey, u'a',
     TriggerResult::OpenPopup, u"", 0},
    {"edit dialog foreign field", kModifyForeignKeys, 6, kOneKey, u'k',
     TriggerResult::InsertText, u"\u0E01", 0},
    {"search on the foreign word keeps the gate", kSearchForeign, 2, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"search on the foreign word in romaji", kSearchForeign, 1, kOneKey, u'k',
     TriggerResult::InsertText, u"\u0E01", 0},
    {"PAD romaji page has no gate", kPadRomajiLine, 3, kOneKey, u'k',
     TriggerResult::InsertText, u"\u0E01", 0},
    {"romaji keyboard click has no gate", kRomajiKeyboardClick, 2, kOneKey, u'k',
     TriggerResult::InsertText, u"\u0E01", 0},
    {"PAD romaji key click has no gate", kPadRomajiClick, 3, kReversal, u'a',
     TriggerResult::OpenPopup, u"", u'a'},
    {"Edit1: phonetic side has no gate", kMainEdit1Keys, 3, kOneKey, u'A',
     TriggerResult::InsertText, u"\u0251", 0},
    {"Edit1 in Thai MS IME", kMainEdit1Keys, 2, kOneKey, u'A', TriggerResult::InsertText,
     u"\u0251", 0},
    {"Edit1: letter case is the table's", kMainEdit1Keys, 1, kOneKey, u'a',
     TriggerResult::PassKey, u"", 0},
    {"Edit1: a foreign trigger key is no phonetic one", kMainEdit1Keys, 1, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Edit1 with reversal", kMainEdit1Keys, 1, kReversal, u'A', TriggerResult::OpenPopup,
     u"", u'A'},
    {"registration phonetic field", kRegisterPhoneticKeys, 3, kOneKey, u'E',
     TriggerResult::OpenPopup, u"", 0},
    {"edit dialog phonetic field, one-key off", kModifyPhoneticKeys, 1, kNoOneKey, u'A',
     TriggerResult::OpenPopup, u"", 0},
    {"search on the phonetic symbols", kSearchPhonetic, 3, kOneKey, u'A',
     TriggerResult::InsertText, u"\u0251", 0},
    {"PAD phonetic page", kPadPhoneticLine, 2, kOneKey, u'A', TriggerResult::InsertText,
     u"\u0251", 0},
    {"phonetic key click", kPhoneticKeyboardClick, 3, kOneKey, u'E', TriggerResult::OpenPopup,
     u"", 0},
    {"PAD phonetic key click", kPadPhoneticClick, 3, kOneKey, u'A', TriggerResult::InsertText,
     u"\u0251", 0},
};

TEST(TriggerStep, AnswersEachSourceModeAndFlagAsTheTablesSay) {
    for (const StepCase& c : kStepCases) {
        SCOPED_TRACE(c.name);
        InputTables tables = SmallTables();
        // Leftovers of an earlier key: a passed key must leave them alone.
        tables.PhCandBuf.fill(u'Z');
        tables.GaCandBuf.fill(u'Z');
        const CandBuf before = tables.PhCandBuf;
        Requesters requesters;
        TriggerSettings settings;
        settings.inputMode = c.inputMode;
        const SideFlags other{!c.flags.triggerReversal, !c.flags.oneKeyInput};
        const bool phonetic = c.source.side == InputSide::Phonetic;
        settings.phonetic = phonetic ? c.flags : other;
        settings.foreign = phonetic ? other : c.flags;

        const TriggerResult result = TriggerStep(tables, requesters, settings, c.source, c.key);

        EXPECT_EQ(result.action, c.action);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.side, c.source.side);
        EXPECT_EQ(result.KeyTaken(), c.action != TriggerResult::PassKey);
        const CandBuf& own = phonetic ? tables.PhCandBuf : tables.GaCandBuf;
        const CandBuf& others = phonetic ? tables.GaCandBuf : tables.PhCandBuf;
        EXPECT_EQ(others, before);
        if (c.action == TriggerResult::PassKey) {
            EXPECT_EQ(own, before);
            EXPECT_EQ(requesters.PhRequester, ReqNone);
            EXPECT_EQ(requesters.GaRequester, ReqNone);
            EXPECT_EQ(result.requester, ReqNone);
        } else {
            CandBuf expected{};
            LookupCandidates(phonetic ? tables.PhCandTable : tables.GaCandTable, c.key, expected);
            expected[9] = c.slot10;
            EXPECT_EQ(own, expected);
            EXPECT_EQ(requesters.Of(c.source.side), c.source.requester);
            EXPECT_EQ(requesters.Of(phonetic ? InputSide::Foreign : InputSide::Phonetic), ReqNone);
            EXPECT_EQ(result.requester, c.source.requester);
        }
    }
}

TEST(TriggerStep, KeyWithoutCandidatesInItsLastLineOpensAnEmptyPopup) {
    // The first line makes "q" a trigger key, the last one delivers nothing.
    InputTables tables;
    tables.GaCandTable = {Record(u'q', {kKoKai}), Record(u'q', {})};
    Requesters requesters;
    const TriggerResult result =
        TriggerStep(tables, requesters, TriggerSettings{}, kMainMemo1Keys, u'q');
    EXPECT_EQ(result.action, TriggerResult::OpenPopup);
    EXPECT_EQ(tables.GaCandBuf, CandBuf{});
}

TEST(TriggerStep, EmptyTablesPassEveryKey) {
    InputTables tables;
    Requesters requesters;
    for (char16_t key : std::u16string(u"kaA!0 ")) {
        EXPECT_FALSE(
            TriggerStep(tables, requesters, TriggerSettings{}, kMainMemo1Keys, key).KeyTaken());
        EXPECT_FALSE(
            TriggerStep(tables, requesters, TriggerSettings{}, kMainEdit1Keys, key).KeyTaken());
    }
}

TEST(TriggerStep, SettingsFlagsMapToTheirSides) {
    Settings settings;
    settings.InputMode = 5;
    settings.PhTriRevFlg = true;
    settings.PhOneInpFlg = false;
    settings.GaTriRevFlg = false;
    settings.GaOneInpFlg = true;
    const TriggerSettings trigger = TriggerSettingsOf(settings);
    EXPECT_EQ(trigger.inputMode, 5);
    EXPECT_EQ(trigger.phonetic, (SideFlags{true, false}));
    EXPECT_EQ(trigger.foreign, (SideFlags{false, true}));
}

TEST(TriggerStep, SearchAndPadSourcesFollowChooserAndPage) {
    EXPECT_EQ(SearchFieldKeys(0), (KeySource{InputSide::Foreign, ReqSearch, ModeGate::Apply}));
    EXPECT_EQ(SearchFieldKeys(1), (KeySource{InputSide::Phonetic, ReqSearch, ModeGate::Apply}));
    EXPECT_EQ(SearchFieldKeys(2), std::nullopt);
    EXPECT_EQ(SearchFieldKeys(-1), std::nullopt);
    EXPECT_EQ(PadLineKeys(0), (KeySource{InputSide::Foreign, ReqPad, ModeGate::Skip}));
    EXPECT_EQ(PadLineKeys(1), std::nullopt);
    EXPECT_EQ(PadLineKeys(2), (KeySource{InputSide::Phonetic, ReqPad, ModeGate::Skip}));
}

// --- Inserting --------------------------------------------------------------------------

struct InsertCase {
    const char* name;
    std::u16string text;
    int selStart, selLength;
    std::u16string inserted;
    InsertOutcome expected;
};

const InsertCase kInsertCases[] = {
    {"selection replaced, caret after", u"abcd", 1, 2, u"\u0E01",
     {1, 2, u"\u0E01", u"a\u0E01d", 2}},
    {"no selection: at the caret", u"abcd", 4, 0, u"\u0E01",
     {4, 0, u"\u0E01", u"abcd\u0E01", 5}},
    {"two selected characters replaced in Edit1", u"xyz", 0, 2, u"\u0251",
     {0, 2, u"\u0251", u"\u0251z", 1}},
    {"empty Edit1 takes the whole text", u"", 0, 0, u"\u0251",
     {0, 0, u"\u0251", u"\u0251", 1}},
    {"empty Edit1 ignores a stale selection", u"", 3, 2, u"\u0251",
     {0, 0, u"\u0251", u"\u0251", 1}},
    {"selection past the end is clamped", u"ab", 1, 5, u"\u0251",
     {1, 1, u"\u0251", u"a\u0251", 2}},
    {"negative start is clamped", u"ab", -3, 1, u"\u0251",
     {0, 1, u"\u0251", u"\u0251b", 1}},
    {"start past the end appends", u"ab", 7, 1, u"\u0251",
     {2, 0, u"\u0251", u"ab\u0251", 3}},
    {"the empty string still replaces the selection", u"abcd", 1, 2, u"",
     {1, 2, u"", u"ad", 1}},
};

TEST(InsertIntoField, ReplacesTheSelectionAndPutsTheCaretBehind) {
    for (const InsertCase& c : kInsertCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(InsertIntoField(FieldText{c.text, c.selStart, c.selLength}, c.inserted),
                  c.expected);
    }
}

TEST(TriggerRequesters, NameTheirFieldsOnEachSide) {
    struct Case {
        InputSide side;
        Requester requester;
        FieldId field;
    };
    const Case cases[] = {
        {InputSide::Phonetic, ReqMain, FieldId::MainEdit1},
        {InputSide::Foreign, ReqMain, FieldId::MainMemo1},
        {InputSide::Phonetic, ReqRegister, FieldId::RegisterPhonetic},
        {InputSide::Foreign, ReqRegister, FieldId::RegisterForeign},
        {InputSide::Phonetic, ReqModify, FieldId::ModifyPhonetic},
        {InputSide::Foreign, ReqModify, FieldId::ModifyForeign},
        {InputSide::Phonetic, ReqSearch, FieldId::SearchEdit},
        {InputSide::Foreign, ReqSearch, FieldId::SearchEdit},
        {InputSide::Phonetic, ReqPad, FieldId::PadEdit1},
        {InputSide::Foreign, ReqPad, FieldId::PadEdit1},
        {InputSide::Phonetic, ReqNone, FieldId::None},
        {InputSide::Foreign, static_cast<Requester>(0), FieldId::None},
        {InputSide::Foreign, static_cast<Requester>(6), FieldId::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.requester));
        EXPECT_EQ(FieldOf(c.side, c.requester), c.field);
    }
}

// --- Keys in, text out ------------------------------------------------------------------

// A field of a view: the text and selection of an edit control.
class FakeField : public InputField {
public:
    FieldText state;
    int focusCount = 0;
    FieldText Read() const override { return state; }
    void Apply(const InsertOutcome& outcome) override {
        state = FieldText{outcome.text, outcome.caret, 0};
        ++focusCount;
    }
};

class FakeFields : public InputFields {
public:
    std::map<FieldId, FakeField> open;
    InputField* Find(FieldId field) override {
        auto it = open.find(field);
        return it == open.end() ? nullptr : &it->second;
    }
};

// Arrows are written as "→" and "←" in the typed strings.
constexpr char16_t kRightArrow = u'\u2192';
constexpr char16_t kLeftArrow = u'\u2190';

// Types `keys` as the user would, into the field that `source` names: each
// key goes through the trigger step, a passed key is typed into the field,
// and while a popup is open the keys go to the popup instead (it is modal),
// as a key down and then, unless the key down closed the popup, a character.
class Typist {
public:
    InputTables tables = SmallTables();
    Requesters requesters;
    TriggerSettings settings;
    FakeFields fields;
    std::optional<CandPopupModel> popup;
    std::vector<std::u16string> popupsOffered;  // the cells of each popup opened

    std::u16string Type(const KeySource& source, const std::u16string& keys) {
        FakeField& typedInto = fields.open[FieldOf(source.side, source.requester)];
        for (char16_t key : keys) {
            if (popup) {
                ToPopup(key);
                continue;
            }
            const TriggerResult result = TriggerStep(tables, requesters, settings, source, key);
            switch (result.action) {
                case TriggerResult::PassKey:
                    typedInto.state = Typed(typedInto.state, key);
                    break;
                case TriggerResult::InsertText:
                    InsertForSide(fields, requesters, result.side, result.text);
                    break;
                case TriggerResult::OpenPopup: {
                    const bool phonetic = result.side == InputSide::Phonetic;
                    popup.emplace(result.side, phonetic ? tables.PhCandBuf : tables.GaCandBuf,
                                  phonetic ? tables.PhNameTable : tables.GaNameTable);
                    std::u16string cells;
                    for (int cell = 0; cell < kCellCount; ++cell) cells += popup->CellText(cell) + u"|";
                    popupsOffered.push_back(cells);
                    break;
                }
            }
        }
        return typedInto.state.text;
    }

private:
    static FieldText Typed(const FieldText& field, char16_t key) {
        const InsertOutcome outcome = InsertIntoField(field, std::u16string(1, key));
        return FieldText{outcome.text, outcome.caret, 0};
    }

    void ToPopup(char16_t key) {
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
        Carry(popup->KeyDown(virtualKey));
        if (popup && key != kRightArrow && key != kLeftArrow) Carry(popup->KeyPress(key));
    }

    void Carry(const PopupAction& action) {
        if (action.insert) InsertForSide(fields, requesters, popup->Side(), *action.insert);
        if (action.close) popup.reset();
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
    {"a lone candidate goes in at once", kMainMemo1Keys, 1, kOneKey, u"k", u"\u0E01"},
    {"other keys are typed around it", kMainMemo1Keys, 1, kOneKey, u"xky", u"x\u0E01y"},
    {"a digit chooses from the popup", kMainMemo1Keys, 1, kOneKey, u"ka2", u"\u0E01\u0E30"},
    {"Esc inserts nothing and the trigger key is lost", kMainMemo1Keys, 1, kOneKey,
     u"ka\x1b", u"\u0E01"},
    {"Backspace closes like Esc", kMainMemo1Keys, 1, kOneKey, u"ka\bk", u"\u0E01\u0E01"},
    {"Enter inserts the highlighted cell", kMainMemo1Keys, 1, kOneKey, u"ka\r",
     u"\u0E01\u0E32"},
    {"Right arrow then Enter", kMainMemo1Keys, 1, kOneKey, u"ka\u2192\r", u"\u0E01\u0E30"},
    {"Space moves like Right", kMainMemo1Keys, 1, kOneKey, u"a \r", u"\u0E30"},
    {"Left wraps to cell 10, which is empty", kMainMemo1Keys, 1, kOneKey, u"ka\u2190\rk",
     u"\u0E01\u0E01"},
    {"a digit on an empty cell closes with nothing", kMainMemo1Keys, 1, kOneKey, u"ka3",
     u"\u0E01"},
    {"the trigger key again in the popup does nothing", kMainMemo1Keys, 1, kOneKey, u"aak1",
     u"\u0E32"},
    {"keys after the popup closed are typed again", kMainMemo1Keys, 1, kOneKey, u"a1a2x",
     u"\u0E32\u0E30x"},
    {"alphanumeric mode types the letters", kMainMemo1Keys, 3, kOneKey, u"kak", u"kak"},
    {"MS IME mode types the letters", kMainMemo1Keys, 2, kOneKey, u"ka", u"ka"},
    {"reversal: 0 inserts the key itself", kMainMemo1Keys, 1, kReversal, u"k0", u"k"},
    {"reversal: 1 inserts the candidate", kMainMemo1Keys, 1, kReversal, u"k1", u"\u0E01"},
    {"one-key input off: lone candidate by Enter", kMainMemo1Keys, 1, kNoOneKey, u"k\r",
     u"\u0E01"},
    {"the PAD line in alphanumeric mode", kPadRomajiLine, 3, kOneKey, u"ka2", u"\u0E01\u0E30"},
    {"the phonetic line: upper-case keys give IPA", kMainEdit1Keys, 3, kOneKey, u"AaE2",
     u"\u0251a\u0259"},
    {"the search field on the phonetic symbols", kSearchPhonetic, 3, kOneKey, u"E1",
     u"\u025B"},
};

TEST(TypingThroughTriggerStep, KeysInTextOut) {
    for (const TypingCase& c : kTypingCases) {
        SCOPED_TRACE(c.name);
        Typist typist;
        typist.settings.inputMode = c.inputMode;
        typist.settings.phonetic = c.flags;
        typist.settings.foreign = c.flags;
        EXPECT_EQ(typist.Type(c.source, c.keys), c.text);
    }
}

TEST(TypingThroughTriggerStep, ReversalOffersTheKeyInTheCellLabelledZero) {
    Typist typist;
    typist.settings.foreign = kReversal;
    typist.Type(kMainMemo1Keys, u"k");
    ASSERT_EQ(typist.popupsOffered.size(), 1u);
    EXPECT_EQ(typist.popupsOffered[0], u"\u0E01|||||||||k|");
    EXPECT_EQ(DigitLabel(9), u"0");
}

TEST(TypingThroughTriggerStep, PopupWritesIntoTheFieldOfTheSidesRequester) {
    // The phonetic key came from the registration dialog, the foreign one
    // from the main window: each side's text goes where that side asked.
    Typist typist;
    typist.fields.open[FieldId::RegisterPhonetic].state = FieldText{u"ab", 1, 0};
    typist.fields.open[FieldId::MainMemo1].state = FieldText{u"xy", 2, 0};
    TriggerStep(typist.tables, typist.requesters, typist.settings, kRegisterPhoneticKeys, u'E');
    TriggerStep(typist.tables, typist.requesters, typist.settings, kMainMemo1Keys, u'a');
    EXPECT_TRUE(InsertPhonetic(typist.fields, typist.requesters, u"\u0259"));
    EXPECT_TRUE(InsertForeign(typist.fields, typist.requesters, u"\u0E32"));
    EXPECT_EQ(typist.fields.open[FieldId::RegisterPhonetic].state.text, u"a\u0259b");
    EXPECT_EQ(typist.fields.open[FieldId::RegisterPhonetic].state.selStart, 2);
    EXPECT_EQ(typist.fields.open[FieldId::MainMemo1].state.text, u"xy\u0E32");
    // The requesters stay set after the insertion.
    EXPECT_EQ(typist.requesters.PhRequester, ReqRegister);
    EXPECT_EQ(typist.requesters.GaRequester, ReqMain);
}

TEST(TypingThroughTriggerStep, EmptyEdit1TakesTheCandidateWhole) {
    Typist typist;
    typist.fields.open[FieldId::MainEdit1].state = FieldText{u"", 0, 0};
    typist.Type(kMainEdit1Keys, u"A");
    const FakeField& edit1 = typist.fields.open[FieldId::MainEdit1];
    EXPECT_EQ(edit1.state.text, u"\u0251");
    EXPECT_EQ(edit1.state.selStart, 1);
    EXPECT_EQ(edit1.focusCount, 1);
}

TEST(TypingThroughTriggerStep, SelectionIsReplacedByTheChosenCandidate) {
    Typist typist;
    typist.fields.open[FieldId::MainMemo1].state = FieldText{u"abcd", 1, 2};
    EXPECT_EQ(typist.Type(kMainMemo1Keys, u"a2x"), u"a\u0E30xd");
}

TEST(TypingThroughTriggerStep, ClosedFieldReceivesNothing) {
    Typist typist;
    typist.requesters.GaRequester = ReqModify;  // the edit dialog asked, then closed
    typist.fields.open[FieldId::MainMemo1].state = FieldText{u"x", 1, 0};
    EXPECT_FALSE(InsertForeign(typist.fields, typist.requesters, u"\u0E01"));
    EXPECT_FALSE(InsertPhonetic(typist.fields, typist.requesters, u"\u0251"));  // ReqNone
    EXPECT_EQ(typist.fields.open[FieldId::MainMemo1].state.text, u"x");
}

}  // namespace
}  // namespace tess
