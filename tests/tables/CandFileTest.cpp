#include "tables/CandFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::InTbl;
using testing::kTblFolder;
using testing::PutAnsi;
using testing::U8;

std::u16string LayoutKeys(std::u16string_view mode) {
    std::u16string keys;
    for (char16_t key : kKeyLayout) {
        if (IsModeTriggerKey(mode, key)) keys += key;
    }
    return keys;
}

TEST(KeyLayout, TriggerKeysOfEachModeInLayoutOrder) {
    EXPECT_EQ(LayoutKeys(kModeLower),
              u"!\"#$%&'()=~|`{+*}<>?_-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./");
    EXPECT_EQ(LayoutKeys(kModeUpper),
              u"!\"#$%&'()=~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_-^\\@[;:],./");
    // A mode the program never writes lays out like the lower-case one.
    EXPECT_EQ(LayoutKeys(u"Alphabet"), LayoutKeys(kModeLower));
}

TEST(KeyLayout, HeldLinesSkipOnlyTheOtherCase) {
    std::u16string lower, upper;
    for (const CandLine& line : EmptyCandLines(kModeLower)) lower += line.keyField + u" ";
    for (const CandLine& line : EmptyCandLines(kModeUpper)) upper += line.keyField + u" ";
    // The double quote is held as "0022"; the empty position (Shift and 0)
    // and the digits are held too.
    EXPECT_EQ(lower,
              u"! 0022 # $ % & ' ( )  = ~ | ` { + * } < > ? _ 1 2 3 4 5 6 7 8 9 0 - ^ \\ "
              u"q w e r t y u i o p @ [ a s d f g h j k l ; : ] z x c v b n m , . / ");
    EXPECT_EQ(upper,
              u"! 0022 # $ % & ' ( )  = ~ | Q W E R T Y U I O P ` { A S D F G H J K L + * } "
              u"Z X C V B N M < > ? _ 1 2 3 4 5 6 7 8 9 0 - ^ \\ @ [ ; : ] , . / ");
}

// The lines a read for editing would write back (CandFileLines), header first.
std::vector<std::string> WrittenBack(const CandEditTable& table) {
    std::vector<std::string> out;
    for (const std::u16string& line : CandFileLines(table)) out.push_back(U8(line));
    return out;
}

struct EditCase {
    const char* name;
    const char16_t* fileName;
    std::u16string text;
    std::vector<std::string> expected;
};

class ReadCandForEditingTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(ReadCandForEditingTest, PlacesLinesOnTheKeyLayout) {
    FakePlatform platform;
    PutAnsi(platform, GetParam().fileName, GetParam().text);
    const std::optional<CandEditTable> table =
        ReadCandForEditing(platform, kTblFolder, GetParam().fileName);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(WrittenBack(*table), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadCandForEditingTest,
    ::testing::Values(
        EditCase{"WorkedExample", u"CandX.csv",
                 u"\"DBThai.csv\",Alphabet_Lower\r\n"
                 u"\"0022\",201C,201D,,,,,,,\r\n"
                 u"\"k\",0E01,0E02,0E04,0E06,,,,,\r\n",
                 {"\"DBThai.csv\",Alphabet_Lower", "\"0022\",201C,201D,,,,,,,",
                  "\"k\",0E01,0E02,0E04,0E06,,,,,"}},
        // Defaults by exact file name when there is no usable header.
        EditCase{"CandAllWithoutHeader", u"CandAll.csv", u"\"A\",0251,,,,,,,,\r\n",
                 {"\"DBPhonet.csv\",Alphabet_Upper", "\"A\",0251,,,,,,,,"}},
        EditCase{"CandThaiWithoutHeader", u"CandThai.csv", u"\"k\",0E01,,,,,,,,\r\n",
                 {"\"DBThai.csv\",Alphabet_Lower", "\"k\",0E01,,,,,,,,"}},
        EditCase{"OtherNameWithoutHeader", u"CandMine.csv", u"\"k\",0E01,,,,,,,,\r\n",
                 {"\"\",Alphabet_Lower", "\"k\",0E01,,,,,,,,"}},
        EditCase{"NameIsCaseSensitive", u"candall.csv", u"\r\n", {"\"\",Alphabet_Lower"}},
        // An empty paired DB replaces the mode too.
        EditCase{"EmptyPairedDb", u"CandThai2.csv", u"\"\",Alphabet_Upper\r\n",
                 {"\"DBThai.csv\",Alphabet_Lower"}},
        EditCase{"EmptyPairedDbOtherName", u"CandMine.csv", u"\"\",Alphabet_Upper\r\n",
                 {"\"\",Alphabet_Lower"}},
        EditCase{"BlankAfterHeaderComma", u"CandX.csv", u"\"DBThai.csv\", Alphabet_Lower\r\n",
                 {"\"DBThai.csv\",Alphabet_Lower"}},
        // A mode the program does not know is kept as it was read.
        EditCase{"UnknownModeKept", u"CandX.csv", u"\"DBX.csv\",Kana\r\n\"k\",0E01,,,,,,,,\r\n",
                 {"\"DBX.csv\",Kana", "\"k\",0E01,,,,,,,,"}},
        // Letters of the other case move to this mode's keys.
        EditCase{"UpperKeysInLowerFile", u"CandX.csv",
                 u"\"DBThai.csv\",Alphabet_Lower\r\n\"K\",0E01,,,,,,,,\r\n\"A\",0E32,,,,,,,,\r\n",
                 {"\"DBThai.csv\",Alphabet_Lower", "\"a\",0E32,,,,,,,,", "\"k\",0E01,,,,,,,,"}},
        EditCase{"LowerKeysInUpperFile", u"CandX.csv",
                 u"\"DBPhonet.csv\",Alphabet_Upper\r\n\"e\",0259,,,,,,,,\r\n",
                 {"\"DBPhonet.csv\",Alphabet_Upper", "\"E\",0259,,,,,,,,"}},
        // Written in key-layout order, whatever the file's order; a later line
        // for the same key replaces an earlier one.
        EditCase{"LayoutOrderAndLastWins", u"CandX.csv",
                 u"\"D\",X\r\n"
                 u"\"z\",0041,,,,,,,,\r\n\"!\",0042,,,,,,,,\r\n\"1\",0043,,,,,,,,\r\n"
                 u"\"z\",0044,,,,,,,,\r\n\"Z\",0045,,,,,,,,\r\n",
                 {"\"D\",X", "\"!\",0042,,,,,,,,", "\"1\",0043,,,,,,,,", "\"z\",0045,,,,,,,,"}},
        // Lines without candidates, of other shapes, or for no position are
        // dropped; a digit line is held; quoted codes are rebuilt unquoted and
        // invalid ones kept as they stood.
        EditCase{"DroppedHeldAndRebuilt", u"CandX.csv",
                 u"\"DBThai.csv\",Alphabet_Lower\r\n"
                 u"\"a\",,,,,,,,,\r\n"
                 u"\"b\",0E1A,,,,,,,\r\n"
                 u"\"ab\",0E01,,,,,,,,\r\n"
                 u"\"\",0E01,,,,,,,,\r\n"
                 u"\"あ\",0E01,,,,,,,,\r\n"
                 u"\"\"\"\",0E01,,,,,,,,\r\n"
                 u"\"5\",0E55,,,,,,,,\r\n"
                 u"\"c\",\"0E08\",0e09,,,,,,,0E0A\r\n",
                 {"\"DBThai.csv\",Alphabet_Lower", "\"\",0E01,,,,,,,,", "\"5\",0E55,,,,,,,,",
                  "\"c\",0E08,0e09,,,,,,,0E0A"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadCandForEditing, MissingOrEmptyFileGivesNothing) {
    FakePlatform platform;
    PutAnsi(platform, u"CandEmpty.csv", u"");
    EXPECT_FALSE(ReadCandForEditing(platform, kTblFolder, u"CandAll.csv").has_value());
    EXPECT_FALSE(ReadCandForEditing(platform, kTblFolder, u"CandEmpty.csv").has_value());
}

TEST(WriteCandFile, ReadThenWriteGivesTheSameBytes) {
    FakePlatform platform;
    const std::u16string text =
        u"\"DBThai.csv\",Alphabet_Lower\r\n"
        u"\"!\",0E48,,,,,,,,\r\n"
        u"\"0022\",0E49,,,,,,,,\r\n"
        u"\"&\",0E4C,,,,,,,,\r\n"
        u"\"\\\",0E3F,,,,,,,,\r\n"
        u"\"k\",0E01,0E02,0E04,0E06,0E03,0E05,,,\r\n"
        u"\"/\",0E2F,,,,,,,,0E5B\r\n";
    PutAnsi(platform, u"CandThai2.csv", text);
    const Bytes before = *platform.ReadWholeFile(InTbl(u"CandThai2.csv"));
    const std::optional<CandEditTable> table = ReadCandForEditing(platform, kTblFolder, u"CandThai2.csv");
    ASSERT_TRUE(table.has_value());
    ASSERT_TRUE(WriteCandFile(platform, InTbl(u"CandThai2.csv"), *table));
    EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"CandThai2.csv")), before);
}

// A file made by hand: a mode and codes holding a blank, a comma or a quote.
// What one save writes reads back as what was read, so no line and no
// header is lost.
TEST(WriteCandFile, OddValuesSurviveASave) {
    FakePlatform platform;
    PutAnsi(platform, u"CandOdd.csv",
            u"\"DBThai.csv\",\"Alpha bet\"\r\n"
            u"\"a\",\"0E 01\",\"x,y\",\"q\"\"\",,,,,,\r\n"
            u"\"b\",0E02,,,,,,,,\r\n");
    const std::optional<CandEditTable> first = ReadCandForEditing(platform, kTblFolder, u"CandOdd.csv");
    ASSERT_TRUE(first.has_value());
    ASSERT_EQ(U8(first->mode), "Alpha bet");
    ASSERT_TRUE(WriteCandFile(platform, InTbl(u"CandOdd.csv"), *first));
    const std::optional<CandEditTable> second = ReadCandForEditing(platform, kTblFolder, u"CandOdd.csv");
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(U8(second->pairedDb), "DBThai.csv");
    EXPECT_EQ(U8(second->mode), "Alpha bet");
    EXPECT_EQ(second->lines, first->lines);
    const std::vector<std::u16string> lines = CandFileLines(*second);
    EXPECT_EQ(U8(lines[1]), "\"a\",\"0E 01\",\"x,y\",\"q\"\"\",,,,,,");
    EXPECT_EQ(U8(lines[2]), "\"b\",0E02,,,,,,,,");
}

TEST(WriteCandFile, FailedWriteLeavesTheOldFile) {
    FakePlatform platform;
    PutAnsi(platform, u"CandX.csv", u"old\r\n");
    platform.FailWritesTo(InTbl(u"CandX.csv"));
    EXPECT_FALSE(WriteCandFile(platform, InTbl(u"CandX.csv"),
                               CandEditTable{u"DBThai.csv", kModeLower, EmptyCandLines(kModeLower)}));
    EXPECT_FALSE(CreateCandFile(platform, InTbl(u"CandX.csv"), u"DBThai.csv", kModeLower));
    EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"CandX.csv")), "old\r\n");
}

// Values the editor may hold but the program never makes itself: whatever
// the splitter would take apart comes back whole after a save.
struct OddValueCase {
    const char* name;
    std::u16string mode;
    std::u16string code;
    std::string headerLine;  // as written
};

class WriteCandOddValueTest : public ::testing::TestWithParam<OddValueCase> {};

TEST_P(WriteCandOddValueTest, ReadsBackWhatWasWritten) {
    const OddValueCase& c = GetParam();
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    CandEditTable table{u"DBThai.csv", c.mode, EmptyCandLines(c.mode)};
    for (CandLine& line : table.lines) {
        if (line.keyField == u"k") line.codes = {u"0E01", c.code, u"", u"", u"", u"", u"", u"", c.code};
    }
    ASSERT_TRUE(WriteCandFile(platform, InTbl(u"CandOdd.csv"), table));
    EXPECT_EQ(U8(CandFileLines(table).front()), c.headerLine);
    const std::optional<CandEditTable> back = ReadCandForEditing(platform, kTblFolder, u"CandOdd.csv");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(U8(back->pairedDb), "DBThai.csv");
    EXPECT_EQ(U8(back->mode), U8(c.mode));
    EXPECT_TRUE(back->lines == table.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteCandOddValueTest,
    ::testing::Values(
        OddValueCase{"BlankInBoth", u"Alphabet Lower", u"0E 01", "\"DBThai.csv\",\"Alphabet Lower\""},
        OddValueCase{"Comma", u"Alphabet,Lower", u"0E,1", "\"DBThai.csv\",\"Alphabet,Lower\""},
        OddValueCase{"Quotes", u"\"Alphabet\"", u"\"0E01\"", "\"DBThai.csv\",\"\"\"Alphabet\"\"\""},
        OddValueCase{"QuoteInside", u"Alpha\"bet", u"0E\"1", "\"DBThai.csv\",\"Alpha\"\"bet\""},
        OddValueCase{"TabAndLeadingBlank", u" Alphabet_Lower", u"\t0E01", "\"DBThai.csv\",\" Alphabet_Lower\""},
        OddValueCase{"EmptyMode", u"", u"0E01", "\"DBThai.csv\","},
        OddValueCase{"Plain", u"Alphabet_Upper", u"0e01", "\"DBThai.csv\",Alphabet_Upper"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteCandFile, ValueWithALineEndIsNotWritten) {
    for (const bool inMode : {true, false}) {
        FakePlatform platform;
        PutAnsi(platform, u"CandX.csv", u"old\r\n");
        CandEditTable table{u"DBThai.csv", inMode ? u"Alphabet\nLower" : kModeLower,
                            EmptyCandLines(kModeLower)};
        table.lines.front().codes[0] = inMode ? u"0E01" : u"0E\r01";
        EXPECT_FALSE(WriteCandFile(platform, InTbl(u"CandX.csv"), table));
        EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"CandX.csv")), "old\r\n");
    }
}

TEST(CreateCandFile, WritesTheHeaderLineAlone) {
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    ASSERT_TRUE(CreateCandFile(platform, InTbl(u"CandNew.csv"), u"DBPhonet.csv", kModeUpper));
    EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"CandNew.csv")), "\"DBPhonet.csv\",Alphabet_Upper\r\n");
}

TEST(ReadCandForRendering, TenFieldLinesWithACandidateInFileOrder) {
    FakePlatform platform;
    PutAnsi(platform, u"CandR.csv",
            u"\"DBThai.csv\",Alphabet_Lower\r\n"
            u"\"k\",0E01,,,,,,,,\r\n"
            u"\"a\",,,,,,,,,\r\n"
            u"\"0022\",201C,201D,,,,,,,\r\n"
            u"\"b\",0E1A\r\n"
            u"\"\",,,,,,,,,0e01\r\n");
    std::vector<std::string> lines;
    for (const auto& fields : ReadCandForRendering(platform, kTblFolder, u"CandR.csv")) {
        std::string line;
        for (const std::u16string& field : fields) line += U8(field) + "|";
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"k|0E01|||||||||", "0022|201C|201D||||||||",
                                               "|||||||||0e01|"}));
    EXPECT_TRUE(ReadCandForRendering(platform, kTblFolder, u"CandMissing.csv").empty());
}

struct LoadCase {
    const char* name;
    std::u16string line;
    std::vector<CandEntry> entries;
};

class LoadCandEntriesTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadCandEntriesTest, KeysAndCandidates) {
    FakePlatform platform;
    PutAnsi(platform, u"CandL.csv", u"\"DBThai.csv\",Alphabet_Lower\r\n" + GetParam().line + u"\r\n");
    EXPECT_EQ(LoadCandEntries(platform, kTblFolder, u"CandL.csv"), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadCandEntriesTest,
    ::testing::Values(
        LoadCase{"Plain", u"\"k\",0E01,0E02,,,,,,,", {{u'k', {0x0E01, 0x0E02}}}},
        LoadCase{"DoubleQuoteByCode", u"\"0022\",201C,201D,,,,,,,", {{u'"', {0x201C, 0x201D}}}},
        LoadCase{"FourCharacterKeyIsACode", u"\"abcd\",0E01,,,,,,,,", {{0xABCD, {0x0E01}}}},
        LoadCase{"LongerKeyGivesItsFirstCharacter", u"\"ab\",0E01,,,,,,,,", {{u'a', {0x0E01}}}},
        LoadCase{"KeyNotHexGivesZero", u"\"zzzz\",0E01,,,,,,,,", {{0, {0x0E01}}}},
        LoadCase{"UnquotedKey", u"&,0E01,,,,,,,,", {{u'&', {0x0E01}}}},
        // Positions are kept; lower-case digits read; other lengths and
        // non-hexadecimal codes give no candidate.
        LoadCase{"CandidateFields", u"\"c\",0e08,,0E0,0E0AB,xyz!,0020,\"0E0C\",,FFFF",
                 {{u'c', {0x0E08, 0, 0, 0, 0, 0x0020, 0x0E0C, 0, 0xFFFF}}}},
        LoadCase{"WithoutCandidatesStillAnEntry", u"\"a\",,,,,,,,,", {{u'a', {}}}},
        LoadCase{"EmptyKeySkipped", u"\"\",0E01,,,,,,,,", {}},
        LoadCase{"NineFieldsSkipped", u"\"k\",0E01,,,,,,,", {}},
        LoadCase{"ElevenFieldsSkipped", u"\"k\",0E01,,,,,,,,,", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadCandEntries, MissingFileGivesNoEntries) {
    FakePlatform platform;
    EXPECT_TRUE(LoadCandEntries(platform, kTblFolder, u"CandMissing.csv").empty());
}

}  // namespace
}  // namespace tess
