#include "input/TriggerStep.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/Settings.h"
#include "input/CandPopupModel.h"
#include "input/SmallTables.h"

namespace tess {
namespace {

using namespace testing;

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
    {"Memo1 in Thai romaji: lone candidate goes in", kMainForeignKeys, 1, kOneKey, u'k',
     TriggerResult::InsertText, u"\u0E01", 0},
    {"Memo1 in Myanmar romaji", kMainForeignKeys, 4, kOneKey, u'k', TriggerResult::InsertText,
     u"\u0E01", 0},
    {"Memo1 in Lao romaji", kMainForeignKeys, 5, kOneKey, u'k', TriggerResult::InsertText,
     u"\u0E01", 0},
    {"Memo1 in Khmer romaji", kMainForeignKeys, 6, kOneKey, u'k', TriggerResult::InsertText,
     u"\u0E01", 0},
    {"Memo1 in Thai MS IME: typed as is", kMainForeignKeys, 2, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Memo1 in alphanumeric: typed as is", kMainForeignKeys, 3, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Memo1 with an unknown input mode", kMainForeignKeys, 9, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Memo1: a key without a trigger line", kMainForeignKeys, 1, kOneKey, u'x',
     TriggerResult::PassKey, u"", 0},
    {"Memo1: one-key input off opens the popup", kMainForeignKeys, 1, kNoOneKey, u'k',
     TriggerResult::OpenPopup, u"", 0},
    {"Memo1: reversal puts the key in slot 10, so the popup opens", kMainForeignKeys, 1,
     kReversal, u'k', TriggerResult::OpenPopup, u"", u'k'},
    {"Memo1: two candidates open the popup", kMainForeignKeys, 1, kOneKey, u'a',
     TriggerResult::OpenPopup, u"", 0},
    {"Memo1: a blank lone candidate opens the popup", kMainForeignKeys, 1, kOneKey, u'!',
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
    {"Edit1: phonetic side has no gate", kMainPhoneticKeys, 3, kOneKey, u'A',
     TriggerResult::InsertText, u"\u0251", 0},
    {"Edit1 in Thai MS IME", kMainPhoneticKeys, 2, kOneKey, u'A', TriggerResult::InsertText,
     u"\u0251", 0},
    {"Edit1: letter case is the table's", kMainPhoneticKeys, 1, kOneKey, u'a',
     TriggerResult::PassKey, u"", 0},
    {"Edit1: a foreign trigger key is no phonetic one", kMainPhoneticKeys, 1, kOneKey, u'k',
     TriggerResult::PassKey, u"", 0},
    {"Edit1 with reversal", kMainPhoneticKeys, 1, kReversal, u'A', TriggerResult::OpenPopup,
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
        TriggerStep(tables, requesters, TriggerSettings{}, kMainForeignKeys, u'q');
    EXPECT_EQ(result.action, TriggerResult::OpenPopup);
    EXPECT_EQ(tables.GaCandBuf, CandBuf{});
}

TEST(TriggerStep, EmptyTablesPassEveryKey) {
    InputTables tables;
    Requesters requesters;
    for (char16_t key : std::u16string(u"kaA!0 ")) {
        EXPECT_FALSE(
            TriggerStep(tables, requesters, TriggerSettings{}, kMainForeignKeys, key).KeyTaken());
        EXPECT_FALSE(
            TriggerStep(tables, requesters, TriggerSettings{}, kMainPhoneticKeys, key).KeyTaken());
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
        {InputSide::Phonetic, ReqMain, FieldId::MainPhonetic},
        {InputSide::Foreign, ReqMain, FieldId::MainForeign},
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

}  // namespace
}  // namespace tess
