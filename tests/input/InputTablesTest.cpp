#include "input/InputTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::kTblFolder;
using testing::PutAnsi;
using testing::U8;

// A symbol DB naming ก ข ค and the quotation marks, with an escaped English
// name and a row that a lower-case code hides.
const std::u16string kDb =
    u"\"タイ文字\",\"Tahoma\"\r\n"
    u"Group,0,\"子音字\"\r\n"
    u"0,\"0E01\",\"KO\\KAI #$0E01\",\"コー・カイ\",\"0\",\"子音\"\r\n"
    u"0,\"0E02\",\"KHO\\KHAI\",\"コー・カイ\",\"0\",\"子音\"\r\n"
    u"0,\"0e04\",\"hidden\",\"隠れ\",\"0\",\"\"\r\n"
    u"0,\"0E04\",\"KHO\\KHWAI\",\"コー・クワーイ\",\"2\",\"子音\"\r\n"
    u"0,\"201C\",\"LEFT QUOTE\",\"左引用符\",\"0\",\"\"\r\n"
    u"0,\"201D\",\"RIGHT QUOTE\",\"右引用符\",\"0\",\"\"\r\n";

struct Loaded {
    FakePlatform platform;
    InputTables tables;
    explicit Loaded(const std::u16string& cand, const std::u16string& db = kDb) {
        PutAnsi(platform, u"CandT.csv", cand);
        PutAnsi(platform, u"DBT.csv", db);
        tables.LoadForeignTables(platform, kTblFolder, u"CandT.csv", u"DBT.csv");
    }
};

CandRecord Record(char16_t key, std::array<char16_t, 9> candidates) {
    return CandRecord{key, candidates, 0};
}

TEST(LoadForeignTables, HeaderBlankLineAndThreeTriggerLinesGiveFiveRecords) {
    Loaded loaded(u"\"DBT.csv\",Alphabet_Lower\r\n"
                  u"\r\n"
                  u"\"k\",0E01,,0E02,,,,,,\r\n"
                  u"\"0022\",201C,201D,,,,,,,\r\n"
                  u"\"abcd\",0E04,,,,,,,,\r\n");
    EXPECT_EQ(loaded.tables.GaCandTable,
              (CandTable{Record(u'k', {0x0E01, 0, 0x0E02}), Record(u'"', {0x201C, 0x201D}),
                         Record(0xABCD, {0x0E04}), CandRecord{}, CandRecord{}}));
    // Every distinct candidate, in order of first appearance, has its record.
    ASSERT_EQ(loaded.tables.GaNameTable.size(), 5u);
    std::u16string codes;
    for (const TUDB& name : loaded.tables.GaNameTable) codes += name.code;
    EXPECT_EQ(codes, u"\u0E01\u0E02\u201C\u201D\u0E04");
    EXPECT_EQ(loaded.tables.GaNameTable[0],
              (TUDB{u'\u0E01', u"コー・カイ", u"KO\\KAI ก", 0, u"子音"}));
    // The first valid row for ค is used, not the lower-case one before it.
    EXPECT_EQ(loaded.tables.GaNameTable[4],
              (TUDB{u'\u0E04', u"コー・クワーイ", u"KHO\\KHWAI", 2, u"子音"}));
    // The phonetic side is untouched.
    EXPECT_TRUE(loaded.tables.PhCandTable.empty());
    EXPECT_TRUE(loaded.tables.PhNameTable.empty());
}

TEST(LoadForeignTables, CandidateWithoutSymbolLineLeavesAnEmptyRecordAtTheEnd) {
    Loaded loaded(u"\"k\",0E01,0E03,0E02,,,,,,\r\n");
    ASSERT_EQ(loaded.tables.GaNameTable.size(), 3u);
    EXPECT_EQ(loaded.tables.GaNameTable[0].code, u'\u0E01');
    EXPECT_EQ(loaded.tables.GaNameTable[1].code, u'\u0E02');
    EXPECT_EQ(loaded.tables.GaNameTable[2], TUDB{});
    // ฃ is still offered, just without names.
    LookupCandidates(loaded.tables.GaCandTable, u'k', loaded.tables.GaCandBuf);
    EXPECT_EQ(loaded.tables.GaCandBuf[1], u'\u0E03');
    EXPECT_EQ(LookupName(loaded.tables.GaNameTable, u'\u0E03', NameJapanese), u"");
}

TEST(LoadForeignTables, MissingFiles) {
    FakePlatform platform;
    InputTables tables;
    // No candidate file: nothing is a trigger key and nothing has a name.
    PutAnsi(platform, u"DBT.csv", kDb);
    tables.LoadForeignTables(platform, kTblFolder, u"CandNone.csv", u"DBT.csv");
    EXPECT_TRUE(tables.GaCandTable.empty());
    EXPECT_TRUE(tables.GaNameTable.empty());
    EXPECT_FALSE(IsTriggerKey(tables.GaCandTable, u'k'));
    // No symbol DB: candidates are offered, the name table is all empty records.
    PutAnsi(platform, u"CandT.csv", u"\"k\",0E01,0E02,,,,,,,\r\n");
    tables.LoadForeignTables(platform, kTblFolder, u"CandT.csv", u"DBNone.csv");
    EXPECT_TRUE(IsTriggerKey(tables.GaCandTable, u'k'));
    EXPECT_EQ(tables.GaNameTable, NameTable(2));
}

TEST(LoadTables, EachRebuildReplacesItsAreaWhole) {
    FakePlatform platform;
    PutAnsi(platform, u"DBT.csv", kDb);
    PutAnsi(platform, u"CandA.csv", u"\"K\",0E01,,,,,,,,\r\n\"0022\",201C,,,,,,,,\r\n");
    PutAnsi(platform, u"CandB.csv", u"\"k\",0E02,,,,,,,,\r\n");
    InputTables tables;
    tables.LoadPhoneticTables(platform, kTblFolder, u"CandA.csv", u"DBT.csv");
    tables.LoadForeignTables(platform, kTblFolder, u"CandA.csv", u"DBT.csv");
    tables.LoadForeignTables(platform, kTblFolder, u"CandB.csv", u"DBT.csv");
    EXPECT_EQ(tables.GaCandTable, (CandTable{Record(u'k', {0x0E02})}));
    ASSERT_EQ(tables.GaNameTable.size(), 1u);
    EXPECT_EQ(tables.GaNameTable[0].code, u'\u0E02');
    EXPECT_EQ(tables.PhCandTable,
              (CandTable{Record(u'K', {0x0E01}), Record(u'"', {0x201C})}));
    // The engine takes keys in whatever case the file holds them.
    EXPECT_TRUE(IsTriggerKey(tables.PhCandTable, u'K'));
    EXPECT_FALSE(IsTriggerKey(tables.PhCandTable, u'k'));
    EXPECT_EQ(tables.PhCandBuf, CandBuf{});
    EXPECT_EQ(tables.GaCandBuf, CandBuf{});
}

TEST(CountFileLines, EveryLineCounted) {
    FakePlatform platform;
    struct Case {
        Bytes bytes;
        int lines;
    };
    for (const Case& c : {
             Case{"", 0},
             Case{"a\r\n", 1},
             Case{"a", 1},
             Case{"\r\n\r\n", 2},
             Case{"a\rb\nc\r\nd", 4},
             Case{Bytes("\xFF\xFE" "a\0\r\0\n\0b\0", 10), 2},
         }) {
        SCOPED_TRACE(c.bytes);
        platform.PutFile(testing::InTbl(u"CandC.csv"), c.bytes);
        EXPECT_EQ(CountFileLines(platform, kTblFolder, u"CandC.csv"), c.lines);
    }
    EXPECT_EQ(CountFileLines(platform, kTblFolder, u"CandNone.csv"), 0);
}

TEST(LoadCandTable, FillsNoMoreThanTheTableHolds) {
    FakePlatform platform;
    PutAnsi(platform, u"CandT.csv", u"\"a\",0041,,,,,,,,\r\n\"b\",0042,,,,,,,,\r\n");
    CandTable table(1);
    LoadCandTable(platform, kTblFolder, u"CandT.csv", table);
    EXPECT_EQ(table, (CandTable{Record(u'a', {0x0041})}));
}

TEST(CollectCandChars, DistinctInOrderOfFirstAppearance) {
    const CandTable table{Record(u'a', {0, 0x0E02, 0x0E01}), CandRecord{},
                          Record(u'b', {0x0E01, 0x0E03, 0, 0, 0, 0, 0, 0, 0x0E02}),
                          Record(u'c', {0x0020})};
    EXPECT_EQ(CollectCandChars(table), u"\u0E02\u0E01\u0E03 ");
}

TEST(TriggerKeys, FirstRecordDecidesTriggerAndLastRecordGivesCandidates) {
    struct Case {
        const char* name;
        std::u16string cand;
        char16_t key;
        bool trigger;
        CandBuf buffer;
    };
    for (const Case& c : {
             Case{"GapKeepsPositions", u"\"k\",0E01,,0E02,,,,,,", u'k', true,
                  {0x0E01, 0, 0x0E02}},
             Case{"DoubleQuote", u"\"0022\",201C,201D,,,,,,,", u'"', true, {0x201C, 0x201D}},
             Case{"CodeKeyIsNotItsFirstLetter", u"\"abcd\",0E01,,,,,,,,", u'a', false, {}},
             Case{"FirstEmptyThenFull", u"\"a\",,,,,,,,,\r\n\"a\",0E01,,,,,,,,", u'a', false,
                  {0x0E01}},
             Case{"FullThenFull", u"\"a\",0E01,,,,,,,,\r\n\"a\",0E02,0E04,,,,,,,", u'a', true,
                  {0x0E02, 0x0E04}},
             Case{"FullThenEmpty", u"\"a\",0E01,,,,,,,,\r\n\"a\",,,,,,,,,", u'a', true, {}},
             Case{"SpaceIsACandidate", u"\"_\",0020,,,,,,,,", u'_', true, {0x0020}},
             Case{"UnknownKey", u"\"a\",0E01,,,,,,,,", u'b', false, {}},
             // The all-zero tail never makes key 0 a trigger key.
             Case{"ZeroKey", u"\r\n\"a\",0E01,,,,,,,,", 0, false, {}},
         }) {
        SCOPED_TRACE(c.name);
        Loaded loaded(c.cand);
        EXPECT_EQ(IsTriggerKey(loaded.tables.GaCandTable, c.key), c.trigger);
        CandBuf buffer;
        buffer.fill(u'x');  // every slot is cleared, slot 10 included
        LookupCandidates(loaded.tables.GaCandTable, c.key, buffer);
        EXPECT_EQ(buffer, c.buffer);
    }
}

TEST(SingleCandidate, OneNonBlankSlotOfAllTen) {
    struct Case {
        CandBuf buffer;
        std::u16string single;
    };
    for (const Case& c : {
             Case{{0x0E01}, u"\u0E01"},
             Case{{0, 0, 0, 0, 0, 0, 0, 0, 0x0E09}, u"\u0E09"},
             Case{{0x0E01, 0, 0x0E02}, u""},
             Case{{}, u""},
             // Blanks (up to U+0020) never count; U+0021 does.
             Case{{0x0020, 0x0E01, 0x0009}, u"\u0E01"},
             Case{{0x0020}, u""},
             Case{{0x0021}, u"!"},
             // Slot 10, the trigger key under trigger reversal, counts too.
             Case{{0x0E01, 0, 0, 0, 0, 0, 0, 0, 0, u'k'}, u""},
             Case{{0, 0, 0, 0, 0, 0, 0, 0, 0, u'k'}, u"k"},
         }) {
        SCOPED_TRACE(U8(c.single));
        EXPECT_EQ(SingleCandidate(c.buffer), c.single);
    }
}

TEST(LookupName, ByKindOfTheFirstRecord) {
    const NameTable names{TUDB{u'\u0E01', u"コー・カイ", u"KO KAI", 0, u"子音"},
                          TUDB{u'\u0E01', u"second", u"second", 0, u"second"}};
    struct Case {
        char16_t character;
        int kind;
        std::u16string name;
    };
    for (const Case& c : {
             Case{u'\u0E01', NameJapanese, u"コー・カイ"},
             Case{u'\u0E01', NameEnglish, u"KO KAI"},
             Case{u'\u0E01', NameNote, u"子音"},
             Case{u'\u0E01', 3, u""},
             Case{u'\u0E01', -1, u""},
             Case{u'\u0E02', NameJapanese, u""},
         }) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(LookupName(names, c.character, c.kind), c.name);
    }
}

}  // namespace
}  // namespace tess
