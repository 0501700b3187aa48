#include "wordbook/WordEntryForm.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tess {
namespace {

using Items = std::vector<std::u16string>;

TEST(EntryFromForm, TrimsEachFieldAndJoinsTheNotesLines) {
    struct Case {
        const char* name;
        EntryForm form;
        AudioRule audio;
        WordEntry entry;
    };
    const Case cases[] = {
        {"plain fields stay",
         {u"น้ำ", u"náːm", u"ナーム", u"水", u"", u"nam.mp3"},
         AudioRule::Trimmed,
         {u"น้ำ", u"náːm", u"ナーム", u"水", u"", u"nam.mp3", u""}},
        {"spaces, tabs and line breaks go at both ends, not inside",
         {u"  ก ข\t", u"\tk a ", u" カ ", u"\r\nか な\r\n", u"", u" a.mp3 "},
         AudioRule::Trimmed,
         {u"ก ข", u"k a", u"カ", u"か な", u"", u"a.mp3", u""}},
        {"the ideographic space is text",
         {u"\u3000ก", u"", u"", u"水\u3000", u"", u""},
         AudioRule::Trimmed,
         {u"\u3000ก", u"", u"", u"水\u3000", u"", u"", u""}},
        {"a note of three lines keeps two #$0D",
         {u"", u"", u"", u"", u"一\r\n二\r\n三", u""},
         AudioRule::Trimmed,
         {u"", u"", u"", u"", u"一#$0D二#$0D三", u"", u""}},
        {"a note is trimmed before its breaks are joined",
         {u"", u"", u"", u"", u"\r\n 一\r\n\r\n二 \r\n\r\n", u""},
         AudioRule::Trimmed,
         {u"", u"", u"", u"", u"一#$0D#$0D二", u"", u""}},
        {"CR LF and a lone CR are one break each",
         {u"", u"", u"", u"", u"a\r\nb\rc", u""},
         AudioRule::Trimmed,
         {u"", u"", u"", u"", u"a#$0Db#$0Dc", u"", u""}},
        {"\"追加\" stores the audio file as typed",
         {u"ก", u"", u"", u"", u"", u" a.mp3 "},
         AudioRule::AsTyped,
         {u"ก", u"", u"", u"", u"", u" a.mp3 ", u""}},
        {"a double quote stays a quote here (the file escapes it)",
         {u"\"ก\"", u"", u"", u"\"", u"", u""},
         AudioRule::Trimmed,
         {u"\"ก\"", u"", u"", u"\"", u"", u"", u""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EntryFromForm(c.form, c.audio), c.entry);
    }
}

TEST(FormFromEntry, ShowsTheNotesLinesAgainAndTheRestAsStored) {
    const WordEntry stored{u"ก", u"k", u"カ", u"か", u"一#$0D二#$0D三", u"a.mp3", u"#FF0000"};
    const EntryForm form = FormFromEntry(stored);
    EXPECT_EQ(form, (EntryForm{u"ก", u"k", u"カ", u"か", u"一\r\n二\r\n三", u"a.mp3"}));
    // Back through the field rules: the same entry but the colour, which the
    // form does not carry.
    WordEntry again = EntryFromForm(form, AudioRule::Trimmed);
    again.textColor = stored.textColor;
    EXPECT_EQ(again, stored);
}

TEST(RegistrationStart, CopiesTheMainAreasOnlyWithRegCopyFlg) {
    struct Case {
        const char* name;
        bool regCopy;
        std::u16string foreignArea, phoneticArea;
        FormStart start;
    };
    const Case cases[] = {
        {"copied, kana focused", true, u"สวัสดี", u"sa.wàt", {{u"สวัสดี", u"sa.wàt", u"", u"", u"", u""}, EntryField::Kana}},
        {"a multi-line area arrives joined by #$0D", true, u"ก\r\nข\r\nค", u"",
         {{u"ก#$0Dข#$0Dค", u"", u"", u"", u"", u""}, EntryField::Kana}},
        {"empty areas leave the fields empty", true, u"", u"", {{}, EntryField::Kana}},
        {"flag off: empty form, foreign word focused", false, u"สวัสดี", u"sa",
         {{}, EntryField::Foreign}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegistrationStart(c.regCopy, c.foreignArea, c.phoneticArea), c.start);
    }
}

TEST(EntryFormTexts, LabelAudioNameAndPlay) {
    EXPECT_EQ(ForeignWordLabel(u"タイ語"), u"■タイ語：");
    EXPECT_EQ(AudioFileNameOf(u"C:\\Users\\a\\Audio\\nam.mp3"), u"nam.mp3");
    EXPECT_EQ(AudioFileNameOf(u"D:/x/y.mp3"), u"y.mp3");
    EXPECT_EQ(AudioFileNameOf(u"plain.mp3"), u"plain.mp3");
    EXPECT_EQ(AudioToPlay(u"  nam.mp3 \t"), u"nam.mp3");
    EXPECT_EQ(AudioToPlay(u" \t "), std::nullopt);
}

TEST(RegisterNumbers, ASpaceBeforeEachNumberAndNothingForAnEmptyBook) {
    const RegisterNumbers three(3);
    EXPECT_EQ(three.Items(), (Items{u" 1", u" 2", u" 3"}));
    EXPECT_TRUE(three.Enabled());
    EXPECT_EQ(three.FirstIndex(), 0);
    EXPECT_EQ(three.NumberAt(0), 1u);
    EXPECT_EQ(three.NumberAt(2), 3u);
    EXPECT_EQ(three.NumberAt(3), std::nullopt);
    EXPECT_EQ(three.NumberAt(-1), std::nullopt);
    EXPECT_EQ(RegisterNumbers(12).Items()[11], u" 12");

    const RegisterNumbers empty(0);
    EXPECT_TRUE(empty.Items().empty());
    EXPECT_FALSE(empty.Enabled());
    EXPECT_EQ(empty.FirstIndex(), -1);
    EXPECT_EQ(empty.NumberAt(0), std::nullopt);
}

TEST(MoveChoices, ListsEveryNumberButTheWordsOwn) {
    EXPECT_EQ(MoveChoices(5, 1).Items(), (Items{u"1", u"3", u"4", u"5"}));
    EXPECT_EQ(MoveChoices(5, 4).Items(), (Items{u"1", u"2", u"3", u"4"}));
    EXPECT_EQ(MoveChoices(1, 0).Items(), Items{});
    EXPECT_EQ(MoveChoices(3, std::nullopt).Items(), (Items{u"1", u"2", u"3"}));
    EXPECT_EQ(MoveChoices(5, 1).OwnNumberText(), u"2");
    EXPECT_EQ(MoveChoices(5, std::nullopt).OwnNumberText(), u"");
}

TEST(MoveChoices, MoveIsEnabledOnlyWhileAListedItemIsPicked) {
    enum class Act { Pick, Type };
    struct Step {
        Act act;
        int index;
        bool enabled;
    };
    const Step steps[] = {
        {Act::Pick, 0, true},  {Act::Type, 0, false}, {Act::Pick, 3, true},
        {Act::Pick, 4, false},  // five words, one of them the word's own: four items
        {Act::Pick, -1, false}, {Act::Pick, 2, true},
    };
    MoveChoices choices(5, 1);
    EXPECT_FALSE(choices.MoveEnabled());  // the box starts empty
    for (const Step& s : steps) {
        if (s.act == Act::Pick) choices.ItemPicked(s.index);
        else choices.TextTyped();
        EXPECT_EQ(choices.MoveEnabled(), s.enabled) << static_cast<int>(s.act) << " " << s.index;
    }
}

TEST(MoveChoices, RowToMoveTakesAnyNumberOfTheBookItsOwnIncluded) {
    struct Case {
        std::u16string text;
        std::optional<std::size_t> row;
    };
    const Case cases[] = {
        {u"1", 0},  {u"5", 4},  {u"2", 1},  // its own number
        {u"05", 4}, {u"0", std::nullopt},  {u"6", std::nullopt},
        {u"-1", std::nullopt}, {u"", std::nullopt}, {u" 3", std::nullopt},
        {u"x", std::nullopt},  {u"4294967297", std::nullopt},
    };
    const MoveChoices choices(5, 1);
    for (const Case& c : cases) {
        EXPECT_EQ(choices.RowToMove(c.text), c.row) << "text of length " << c.text.size();
    }
}

}  // namespace
}  // namespace tess
