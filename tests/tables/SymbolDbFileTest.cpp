#include "tables/SymbolDbFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/TextConv.h"
#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::InTbl;
using testing::kTblFolder;
using testing::PutAnsi;
using testing::U8;

// "<row>|<group>|<code>|<glyph>|<English>|<Japanese>|<aux>|<note>"
std::string Describe(const SymbolDbRow& row) {
    return std::to_string(row.rowNumber) + "|" + std::to_string(row.group) + "|" + U8(row.code) +
           "|" + U8(row.glyph) + "|" + U8(row.englishName) + "|" + U8(row.japaneseName) + "|" +
           U8(row.auxClass) + "|" + U8(row.note);
}

std::vector<std::string> Describe(const SymbolDb& db) {
    std::vector<std::string> out;
    out.push_back(db.hasHeader ? "header " + U8(db.header.scriptName) + "|" + U8(db.header.glyphFont)
                               : "no header");
    for (const SymbolDbGroup& g : db.groups) {
        out.push_back("group " + std::to_string(g.number) + "|" + U8(g.name));
    }
    for (const SymbolDbRow& row : db.rows) out.push_back("row " + Describe(row));
    return out;
}

struct ReadCase {
    const char* name;
    std::u16string text;
    std::vector<std::string> expected;
};

class ReadSymbolDbTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSymbolDbTest, ReadsHeaderGroupsAndRows) {
    FakePlatform platform;
    PutAnsi(platform, u"DBTest.csv", GetParam().text);
    EXPECT_EQ(Describe(ReadSymbolDb(platform, kTblFolder, u"DBTest.csv")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSymbolDbTest,
    ::testing::Values(
        ReadCase{"WorkedExample",
                 u"\"タイ文字\",\"Tahoma\"\r\n"
                 u"Group,0,\"Aのグループ\"\r\n"
                 u"Group,26,\"その他\"\r\n"
                 u"Group,27,\"子音字\"\r\n"
                 u"27,\"0E01\",\"THAI CHARACTER KO KAI\",\"コー・カイ\",\"0\",\"子音\"\r\n"
                 u"27,\"0E48\",\"THAI CHARACTER MAI EK\",\"マイ・エーク\",\"1\",\"声調\"\r\n",
                 {"header タイ文字|Tahoma", "group 0|Aのグループ", "group 26|その他",
                  "group 27|子音字", "row 1|27|0E01|ก|THAI CHARACTER KO KAI|コー・カイ|0|子音",
                  "row 2|27|0E48|\u0E48|THAI CHARACTER MAI EK|マイ・エーク|1|声調"}},
        // Four fields ("Times New Roman" unquoted is three): not a header.
        ReadCase{"UnquotedFontIsNoHeader",
                 u"\"タイ文字\",Times New Roman\r\n0,\"0E01\",\"KO KAI\",\"\",\"0\",\"\"\r\n",
                 {"no header", "row 1|0|0E01|ก|KO KAI||0|"}},
        // Only the first line can be the header; a blank first line has no fields.
        ReadCase{"HeaderOnlyOnFirstLine", u"\r\n\"タイ文字\",\"Tahoma\"\r\n", {"no header"}},
        ReadCase{"TwoFieldsLaterIgnored",
                 u"\"a\",\"b\"\r\n\"c\",\"d\"\r\n", {"header a|b"}},
        // A code that is not four upper-case hexadecimal digits shows no
        // glyph, yet the row keeps its number.
        ReadCase{"InvalidCodesKeepTheirRows",
                 u"0,\"0e01\",\"a\",\"\",\"0\",\"\"\r\n"
                 u"0,\"E01\",\"b\",\"\",\"0\",\"\"\r\n"
                 u"0,\"0E01\",\"c\",\"\",\"0\",\"\"\r\n",
                 {"no header", "row 1|0|0e01||a||0|", "row 2|0|E01||b||0|",
                  "row 3|0|0E01|ก|c||0|"}},
        ReadCase{"GroupAfterRowsIsAGroup",
                 u"0,\"0E01\",\"a\",\"\",\"0\",\"\"\r\nGroup,3,\"Dのグループ\"\r\n",
                 {"no header", "group 3|Dのグループ", "row 1|0|0E01|ก|a||0|"}},
        // Lines of other shapes are ignored: "group" is not "Group", a stray
        // quote splits a row into seven fields, five and seven fields are no kind.
        ReadCase{"OtherShapesIgnored",
                 u"\"h\",\"f\"\r\n"
                 u"group,1,\"x\"\r\n"
                 u"Group,1,\"x\",\r\n"
                 u"0,\"0E01\",\"ko \"kai\"\",\"\",\"0\",\"\"\r\n"
                 u"0,\"0E02\",\"\",\"0\",\"\"\r\n"
                 u"0,\"0E03\",\"\",\"\",\"0\",\"\",\"\"\r\n"
                 u"0,\"0E04\",\"ok\",\"\",\"0\",\"\"\r\n",
                 {"header h|f", "row 1|0|0E04|ค|ok||0|"}},
        // A doubled quote is one quote of the value.
        ReadCase{"DoubledQuotesRead",
                 u"\"a\"\"b\",\"f\"\r\nGroup,0,\"\"\"g\"\"\"\r\n"
                 u"0,\"0041\",\"say \"\"A\"\"\",\"\",\"0\",\"\"\r\n",
                 {"header a\"b|f", "group 0|\"g\"", "row 1|0|0041|A|say \"A\"||0|"}},
        // Numbers a hand-made file may hold that are not decimal integers read
        // as group 0; the auxiliary class stays the text the file holds.
        ReadCase{"NonDecimalNumbers",
                 u"Group,x1,\"g\"\r\n"
                 u"0x1B,\"0041\",\"\",\"\",\"one\",\"\"\r\n"
                 u"-3,\"0042\",\"\",\"\",\"2\",\"\"\r\n",
                 {"no header", "group 0|g", "row 1|0|0041|A|||one|", "row 2|-3|0042|B|||2|"}},
        ReadCase{"EmptyFile", u"", {"no header"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadSymbolDb, MissingFileIsEmpty) {
    FakePlatform platform;
    const SymbolDb db = ReadSymbolDb(platform, kTblFolder, u"DBNone.csv");
    EXPECT_FALSE(db.hasHeader);
    EXPECT_TRUE(db.groups.empty());
    EXPECT_TRUE(db.rows.empty());
}

TEST(ReadSymbolDb, HonoursAByteOrderMark) {
    FakePlatform platform;
    // UTF-8 with a mark: a Thai character stays itself instead of becoming
    // code page 932 mojibake.
    platform.PutFile(InTbl(u"DBUtf8.csv"),
                     "\xEF\xBB\xBF\"x\",\"y\"\r\n0,\"0E01\",\"\xE0\xB8\x81\",\"\",\"0\",\"\"\r\n");
    EXPECT_EQ(Describe(ReadSymbolDb(platform, kTblFolder, u"DBUtf8.csv")),
              (std::vector<std::string>{"header x|y", "row 1|0|0E01|ก|ก||0|"}));
}

TEST(DefaultSymbolDbHeader, ByExactFileName) {
    struct Case {
        const char16_t* file;
        const char16_t* script;
        const char16_t* font;
    };
    for (const Case& c : {
             Case{u"DBPhonet.csv", u"発音記号", u"Segoe UI"},
             Case{u"DBThai.csv", u"タイ文字", u"Tahoma"},
             Case{u"DBMyanmar.csv", u"ミャンマー文字", u"Padauk Book"},
             Case{u"DBLao.csv", u"ラオス文字", u"Lao UI"},
             Case{u"DBKhmer.csv", u"クメール文字", u"Khmer UI"},
             Case{u"DBRuss.csv", u"キリル文字", u"Times New Roman"},
             Case{u"DBMine.csv", u"その他", u"Tahoma"},
             Case{u"dbthai.csv", u"その他", u"Tahoma"},  // case counts
             Case{u"DBThai.CSV", u"その他", u"Tahoma"},
         }) {
        SCOPED_TRACE(U8(c.file));
        EXPECT_EQ(DefaultSymbolDbHeader(c.file), (SymbolDbHeader{c.script, c.font}));
    }
}

SymbolDbRow Row(std::int32_t group, std::u16string code, std::u16string english,
                std::u16string japanese = u"", std::u16string aux = u"0", std::u16string note = u"") {
    SymbolDbRow row;
    row.group = group;
    row.code = std::move(code);
    row.englishName = std::move(english);
    row.japaneseName = std::move(japanese);
    row.auxClass = std::move(aux);
    row.note = std::move(note);
    return row;
}

TEST(WriteSymbolDb, WritesTheWorkedExampleAsCodePage932WithCrLf) {
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    ASSERT_TRUE(WriteSymbolDb(
        platform, InTbl(u"DBThai.csv"), {u"タイ文字", u"Tahoma"},
        {{0, u"Aのグループ"}, {26, u"その他"}, {27, u"子音字"}},
        {Row(27, u"0E01", u"THAI CHARACTER KO KAI", u"コー・カイ", u"0", u"子音"),
         Row(27, u"0E48", u"THAI CHARACTER MAI EK", u"マイ・エーク", u"1", u"声調")}));
    const std::u16string expected =
        u"\"タイ文字\",\"Tahoma\"\r\n"
        u"Group,0,\"Aのグループ\"\r\n"
        u"Group,26,\"その他\"\r\n"
        u"Group,27,\"子音字\"\r\n"
        u"27,\"0E01\",\"THAI CHARACTER KO KAI\",\"コー・カイ\",\"0\",\"子音\"\r\n"
        u"27,\"0E48\",\"THAI CHARACTER MAI EK\",\"マイ・エーク\",\"1\",\"声調\"\r\n";
    EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"DBThai.csv")),
              platform.EncodeCodePage(kAnsiCodePage, expected));
}

TEST(WriteSymbolDb, LeavesOutRowsWithInvalidCodes) {
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    std::vector<SymbolDbRow> rows;
    for (const char16_t* code : {u"0e01", u"0E01", u"E01", u"0E012", u"0G01", u" 0E0", u"", u"FFFF",
                                 u"0000"}) {
        rows.push_back(Row(0, code, code));
    }
    ASSERT_TRUE(WriteSymbolDb(platform, InTbl(u"DBX.csv"), {u"s", u"f"}, {}, rows));
    std::vector<std::u16string> written;
    for (const SymbolDbRow& row : ReadSymbolDb(platform, kTblFolder, u"DBX.csv").rows) {
        written.push_back(row.code);
    }
    EXPECT_EQ(written, (std::vector<std::u16string>{u"0E01", u"FFFF", u"0000"}));
}

TEST(WriteSymbolDb, QuotesInTextFieldsSurviveARoundTrip) {
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    const SymbolDbHeader header{u"My \"script\"", u"Font\""};
    const std::vector<SymbolDbGroup> groups{{0, u"\"quoted\" group"}, {1, u"\""}};
    const std::vector<SymbolDbRow> rows{
        Row(0, u"0022", u"QUOTATION MARK \"", u"引用符「\"」", u"0", u"\"\"注\"\""),
        Row(1, u"0041", u"A, \"a\"", u"エー", u"0", u"")};
    ASSERT_TRUE(WriteSymbolDb(platform, InTbl(u"DBQ.csv"), header, groups, rows));

    const SymbolDb db = ReadSymbolDb(platform, kTblFolder, u"DBQ.csv");
    EXPECT_EQ(db.header, header);
    EXPECT_EQ(db.groups, groups);
    ASSERT_EQ(db.rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SymbolDbRow expected = rows[i];
        expected.rowNumber = static_cast<std::int32_t>(i) + 1;
        expected.glyph.assign(1, Hex4ToCode(expected.code));
        EXPECT_EQ(db.rows[i], expected);
    }
    EXPECT_EQ(LookupSymbol(platform, kTblFolder, u"DBQ.csv", u'"')->note, u"\"\"注\"\"");
}

TEST(WriteSymbolDb, FailedWriteLeavesTheOldFile) {
    FakePlatform platform;
    PutAnsi(platform, u"DBThai.csv", u"old\r\n");
    const Bytes before = *platform.ReadWholeFile(InTbl(u"DBThai.csv"));
    platform.FailWritesTo(InTbl(u"DBThai.csv"));
    EXPECT_FALSE(WriteSymbolDb(platform, InTbl(u"DBThai.csv"), {u"s", u"f"}, {}, {}));
    EXPECT_FALSE(CreateSymbolDb(platform, InTbl(u"DBThai.csv"), {u"s", u"f"}, {}));
    EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"DBThai.csv")), before);
}

TEST(CreateSymbolDb, WritesTheFixedGroupsThenTheAddedOnesFrom27) {
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    ASSERT_TRUE(CreateSymbolDb(platform, InTbl(u"DBNew.csv"), {u"タイ文字", u"Tahoma"},
                               {u"子音字", u"母音"}));
    std::u16string expected = u"\"タイ文字\",\"Tahoma\"\r\n";
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        expected += u"Group," + Utf8ToUtf16(std::to_string(letter - u'A')) + u",\"" + letter +
                    u"のグループ\"\r\n";
    }
    expected += u"Group,26,\"その他\"\r\nGroup,27,\"子音字\"\r\nGroup,28,\"母音\"\r\n";
    EXPECT_EQ(*platform.ReadWholeFile(InTbl(u"DBNew.csv")),
              platform.EncodeCodePage(kAnsiCodePage, expected));
}

struct LookupCase {
    const char* name;
    std::u16string english;
    std::u16string decoded;
};

class NameEscapeTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(NameEscapeTest, LookupDecodesTheEnglishName) {
    FakePlatform platform;
    platform.PutFile(InTbl(u"DBE.csv"),
                     EncodeUtf16Lines({u"0,\"0E01\",\"" + GetParam().english + u"\",\"j\",\"0\",\"n\""}));
    const std::optional<SymbolInfo> info = LookupSymbol(platform, kTblFolder, u"DBE.csv", u'\u0E01');
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->englishName, GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameEscapeTest,
    ::testing::Values(
        LookupCase{"Escape", u"x#$0E01y", u"xกy"},
        LookupCase{"ExactlyFiveAfterTheHash", u"open o #$0254", u"open o ɔ"},
        LookupCase{"TooShort", u"x#$0E0", u"x0E0"},
        LookupCase{"NotHex", u"#$zzzz", u"zzzz"},
        LookupCase{"LowerCaseIsNotACode", u"#$0e01", u"0e01"},
        LookupCase{"MarkerAtTheEnd", u"a#$", u"a"},
        LookupCase{"Several", u"#$0041#$0042-#$", u"AB-"},
        // After a failed "#$" goes, what follows is searched again from the start.
        LookupCase{"DeletionMakesANewEscape", u"#$#$0E01", u"ก"},
        // A decoded "#" joins the "$" after it into a new escape.
        LookupCase{"DecodedHashStartsAnEscape", u"#$0023$0041", u"A"},
        LookupCase{"NoEscape", u"KO\\KAI", u"KO\\KAI"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LookupSymbol, FirstValidRowWinsAndNumbersAreRead) {
    FakePlatform platform;
    PutAnsi(platform, u"DBL.csv",
            u"0,\"0E01\",\"six\",\"fields\",\"0\",\"\"\r\n"  // the header line is never special here
            u"0,\"0e02\",\"lower\",\"\",\"1\",\"\"\r\n"
            u"0,\"0E02\",\"first\",\"ファースト\",\"2\",\"子音\"\r\n"
            u"0,\"0E02\",\"second\",\"\",\"0\",\"\"\r\n"
            u"0,\"0E03\",\"odd\",\"\",\"x\",\"\"\r\n");
    struct Case {
        char16_t character;
        std::optional<SymbolInfo> expected;
    };
    for (const Case& c : {
             Case{u'\u0E01', SymbolInfo{u'\u0E01', u"six", u"fields", 0, u""}},
             Case{u'\u0E02', SymbolInfo{u'\u0E02', u"first", u"ファースト", 2, u"子音"}},
             Case{u'\u0E03', SymbolInfo{u'\u0E03', u"odd", u"", 0, u""}},
             Case{u'\u0E04', std::nullopt},
             Case{0, std::nullopt},
         }) {
        SCOPED_TRACE(static_cast<int>(c.character));
        EXPECT_EQ(LookupSymbol(platform, kTblFolder, u"DBL.csv", c.character), c.expected);
    }
    EXPECT_EQ(LookupSymbol(platform, kTblFolder, u"DBMissing.csv", u'\u0E01'), std::nullopt);
}

}  // namespace
}  // namespace tess
