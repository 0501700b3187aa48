#include "wordbook/WordBookFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "lib/ColorText.h"
#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\Users\\user\\Documents\\Quillory\\Tessaline\\bookA";

std::u16string InFolder(const std::u16string& name) { return kFolder + u"\\" + name; }

std::string U8(std::u16string_view text) { return Utf16ToUtf8(text); }

// Little-endian code units, written out here rather than through the
// program's own encoder so that the expected bytes do not depend on it.
Bytes Le(std::u16string_view text) {
    Bytes bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

const Bytes kBom = "\xFF\xFE";

std::string Describe(const WordEntry& e) {
    return U8(e.foreignWord) + "|" + U8(e.phonetic) + "|" + U8(e.kana) + "|" + U8(e.japanese) +
           "|" + U8(e.note) + "|" + U8(e.audioFile) + "|" + U8(e.textColor);
}

// "title|group|audio folder", "lines N", then one "entry ..." per entry and
// one "kept ..." per kept line.
std::vector<std::string> Describe(const std::optional<WordBookFile>& file) {
    if (!file) return {"not a word book"};
    std::vector<std::string> out = {
        U8(file->book.title) + "|" + U8(file->book.group) + "|" + U8(file->book.audioFolder),
        "lines " + std::to_string(file->lineCount)};
    for (const WordEntry& e : file->book.entries) out.push_back("entry " + Describe(e));
    for (const std::u16string& line : file->book.keptLines) out.push_back("kept " + U8(line));
    return out;
}

enum class Stored { Utf16WithMark, Utf16NoMark, Cp932 };

struct ReadCase {
    const char* name;
    Stored stored;
    std::u16string text;
    std::vector<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadWordBookFileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadWordBookFileTest, ReadsHeaderCountAndEntries) {
    const ReadCase& c = GetParam();
    FakePlatform platform;
    Bytes bytes;
    switch (c.stored) {
        case Stored::Utf16WithMark: bytes = kBom + Le(c.text); break;
        case Stored::Utf16NoMark: bytes = Le(c.text); break;
        case Stored::Cp932: bytes = platform.EncodeCodePage(kAnsiCodePage, c.text); break;
    }
    platform.PutFile(InFolder(u"book.utx"), bytes);
    std::optional<WordBookFile> file = ReadWordBookFile(platform, kFolder, u"book.utx");
    EXPECT_EQ(Describe(file), c.expected);
    if (file) {
        EXPECT_EQ(file->book.fileName, u"book.utx");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadWordBookFileTest,
    ::testing::Values(
        ReadCase{"NewEmptyBook", Stored::Utf16WithMark, u"タイ語1\r\n\r\n\r\n",
                 {"タイ語1||", "lines 0"}},
        ReadCase{"Entries", Stored::Utf16WithMark,
                 u"タイ語1\r\nあいさつ\r\nC:\\snd\r\n"
                 u"\"สวัสดี\",\"sa.wàt.diː\",\"サワッディー\",\"こんにちは\",\"\",\"a.mp3\",\"#FF0000\"\r\n"
                 u"\"ขอบคุณ\",\"kʰɔ̀ːp.kʰun\",\"\",\"ありがとう\",\"\",\"\",\"\"\r\n",
                 {"タイ語1|あいさつ|C:\\snd", "lines 2",
                  "entry สวัสดี|sa.wàt.diː|サワッディー|こんにちは||a.mp3|#FF0000",
                  "entry ขอบคุณ|kʰɔ̀ːp.kʰun||ありがとう|||"}},
        ReadCase{"WithoutMarkSameAsWith", Stored::Utf16NoMark,
                 u"T\r\nG\r\n\r\n\"ก\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n",
                 {"T|G|", "lines 1", "entry ก||||||"}},
        // CR, LF and CR LF all end lines; the last line needs no terminator.
        ReadCase{"AnyLineEnd", Stored::Utf16NoMark,
                 u"T\rG\nA\r\n\"a\",\"\",\"\",\"\",\"\",\"\",\"\"\n\"b\",\"\",\"\",\"\",\"\",\"\",\"\"",
                 {"T|G|A", "lines 2", "entry a||||||", "entry b||||||"}},
        ReadCase{"ThirdLineUnterminated", Stored::Utf16WithMark, u"T\r\nG\r\nA",
                 {"T|G|A", "lines 0"}},
        // Lines that do not split into seven fields are no entries but are
        // kept as stored, in file order, and count: eight fields (a comma
        // after the seventh), six, a blank line, blanks only.
        ReadCase{"OtherLinesAreKept", Stored::Utf16WithMark,
                 u"T\r\n\r\n\r\n"
                 u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\",\r\n"
                 u"\"b\",\"\",\"\",\"\",\"\",\"\"\r\n"
                 u"\r\n"
                 u"\"c\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                 u" \t\r\n",
                 {"T||", "lines 5", "entry c||||||", "kept \"a\",\"\",\"\",\"\",\"\",\"\",\"\",",
                  "kept \"b\",\"\",\"\",\"\",\"\",\"\"", "kept ", "kept  \t"}},
        // A final line end makes no further line; a blank line before it is one.
        ReadCase{"BlankLastLineIsKept", Stored::Utf16WithMark,
                 u"T\r\n\r\n\r\n\"c\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n\r\n",
                 {"T||", "lines 2", "entry c||||||", "kept "}},
        // "#$22" is a quote in fields 1 to 6, text in field 7; "#$0D" stays.
        ReadCase{"QuoteEscapes", Stored::Utf16WithMark,
                 u"T\r\n\r\n\r\n"
                 u"\"#$22a#$22\",\"#$22\",\"#$22\",\"#$22\",\"1#$0D2#$22\",\"#$22\",\"#$22\"\r\n",
                 {"T||", "lines 1", "entry \"a\"|\"|\"|\"|1#$0D2\"|\"|#$22"}},
        ReadCase{"TwoLinesIsNoBook", Stored::Utf16WithMark, u"T\r\nG\r\n", {"not a word book"}},
        ReadCase{"EmptyFileIsNoBook", Stored::Utf16WithMark, u"", {"not a word book"}},
        // Read as UTF-16 LE, an 8-bit file has no line ends at all.
        ReadCase{"EightBitFile", Stored::Cp932,
                 u"タイ語1\r\nあいさつ\r\n\r\n\"a\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n",
                 {"not a word book"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The loader takes a shortcut through lines of the written shape; whatever
// the lines, it must read what the plain rules read: the lines by SplitLines,
// each one after the third by SplitWordBookFields.
std::vector<std::string> DescribeByTheRules(const std::u16string& text) {
    const Lines lines = SplitLines(text);
    if (lines.size() < 3) return {"not a word book"};
    std::vector<std::string> entries;
    std::vector<std::string> kept;
    for (std::size_t i = 3; i < lines.size(); ++i) {
        std::vector<std::u16string> f = SplitWordBookFields(lines[i]);
        if (f.size() != 7) {
            kept.push_back("kept " + U8(lines[i]));
            continue;
        }
        for (std::size_t k = 0; k < 6; ++k) f[k] = DecodeQuotes(f[k]);
        entries.push_back("entry " + Describe(WordEntry{f[0], f[1], f[2], f[3], f[4], f[5], f[6]}));
    }
    std::vector<std::string> out = {
        U8(lines[0]) + "|" + U8(lines[1]) + "|" + U8(lines[2]),
        "lines " + std::to_string(lines.size() - 3)};
    out.insert(out.end(), entries.begin(), entries.end());
    out.insert(out.end(), kept.begin(), kept.end());
    return out;
}

TEST(ReadWordBookFile, ReadsOddLinesAsThePlainRulesDo) {
    const std::u16string oddLines[] = {
        u"\"ก\",\"k\",\"カ\",\"鶏 #$22\",\"a#$0Db\",\"k.mp3\",\"#FF0000\"",
        u"\"a\"\"b\",\"\",\"\",\"\",\"\",\"\",\"\"",
        u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\"\"\"",
        u" \"a\", \"b\",\t\"c\",\"d\" ,\"e\",\"f\",\"g\" ",
        u"a,b,c,d,e,f,g",
        u"\"a\",\"\",\"\",\"\",\"\",\"\",\"#FF0000",
        u"\"a\",\"b,\"c\",\"\",\"\",\"\",\"\"",
        u"\"a\",\"\",\"\",\"\",\"\",\"\",",
        u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\",",
        u"\"a\",\"\",\"\",\"\",\"\",\"\"",
        u"\"a\"x,\"\",\"\",\"\",\"\",\"\"",
        u"\"a\",\x01\"\",\"\x02\",\"\",\"\",\"\",\"\"",
        std::u16string(u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\"\0,x", 24),
        std::u16string(u"\"a\0\",\"\",\"\",\"\",\"\",\"\",\"\"", 22),
        u"",
        u" \t",
        u"\"#$22\",\"#$2\",\"#$#$22\",\"\",\"\",\"\",\"#$22\"",
    };
    const std::u16string_view lineEnds[] = {u"\r\n", u"\n", u"\r"};
    // Every line with every line end, and each one last without any.
    for (std::size_t last = 0; last < std::size(oddLines); ++last) {
        std::u16string text = u"T\r\nG\nA\r";
        std::size_t n = last;
        for (const std::u16string& line : oddLines) {
            text += line;
            text += lineEnds[n++ % std::size(lineEnds)];
        }
        text += oddLines[last];
        SCOPED_TRACE(U8(oddLines[last]));
        FakePlatform platform;
        platform.PutFile(InFolder(u"odd.utx"), kBom + Le(text));
        EXPECT_EQ(Describe(ReadWordBookFile(platform, kFolder, u"odd.utx")),
                  DescribeByTheRules(text));
    }
}

TEST(ReadWordBookFile, OddLastByteIsDropped) {
    FakePlatform platform;
    platform.PutFile(InFolder(u"odd.utx"), kBom + Le(u"T\r\nG\r\nA") + "\x41");
    EXPECT_EQ(Describe(ReadWordBookFile(platform, kFolder, u"odd.utx")),
              (std::vector<std::string>{"T|G|A", "lines 0"}));
}

TEST(ReadWordBookFile, MissingFileIsNothing) {
    FakePlatform platform;
    EXPECT_FALSE(ReadWordBookFile(platform, kFolder, u"none.utx"));
}

TEST(WriteNewWordBook, EmptyBookIsExactlyThreeLines) {
    FakePlatform platform;
    platform.CreateDirectories(kFolder);
    ASSERT_TRUE(WriteNewWordBook(platform, InFolder(u"new.utx"), u"タイ語1", u"", u""));
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"new.utx")), kBom + Le(u"タイ語1\r\n\r\n\r\n"));
}

TEST(WriteNewWordBook, EntriesAreQuotedWithoutCommaAfterTheLast) {
    FakePlatform platform;
    platform.CreateDirectories(kFolder);
    const WordEntry entry{u"ก", u"k", u"カ", u"\"鶏\"", u"", u"k.mp3", u"#00FF00"};
    ASSERT_TRUE(WriteNewWordBook(platform, InFolder(u"new.utx"), u"T", u"G", u"A", {entry}));
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"new.utx")),
              kBom + Le(u"T\r\nG\r\nA\r\n"
                        u"\"ก\",\"k\",\"カ\",\"#$22鶏#$22\",\"\",\"k.mp3\",\"#00FF00\"\r\n"));
}

// An entry saved and read back: the stored line, and the entry that returns.
struct RoundTripCase {
    const char* name;
    WordEntry written;
    std::u16string storedLine;
    WordEntry readBack;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class WordEntryRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(WordEntryRoundTripTest, SavesOneLineAndReadsBack) {
    const RoundTripCase& c = GetParam();
    FakePlatform platform;
    platform.CreateDirectories(kFolder);
    ASSERT_TRUE(WriteNewWordBook(platform, InFolder(u"b.utx"), u"T", u"", u"", {c.written}));
    const std::optional<Lines> lines = ReadWordBookLines(platform, InFolder(u"b.utx"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (Lines{u"T", u"", u"", c.storedLine}));
    const std::optional<WordBookFile> file = ReadWordBookFile(platform, kFolder, u"b.utx");
    ASSERT_TRUE(file);
    ASSERT_EQ(file->book.entries.size(), 1u);
    EXPECT_EQ(Describe(file->book.entries[0]), Describe(c.readBack));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordEntryRoundTripTest,
    ::testing::Values(
        RoundTripCase{"Quotes",
                      {u"\"ก\"", u"\"", u"a\"b", u"\"引用\"", u"\"\"", u"x\".mp3", u""},
                      u"\"#$22ก#$22\",\"#$22\",\"a#$22b\",\"#$22引用#$22\",\"#$22#$22\","
                      u"\"x#$22.mp3\",\"\"",
                      {u"\"ก\"", u"\"", u"a\"b", u"\"引用\"", u"\"\"", u"x\".mp3", u""}},
        // Typed by the user, the marks are stored as they are and come back
        // as a quote: the file cannot tell them apart.
        RoundTripCase{"TypedMarks",
                      {u"#$22", u"", u"", u"a#$22b", u"", u"", u""},
                      u"\"#$22\",\"\",\"\",\"a#$22b\",\"\",\"\",\"\"",
                      {u"\"", u"", u"", u"a\"b", u"", u"", u""}},
        RoundTripCase{"CommasAndBlanks",
                      {u" a, b ", u",", u"  ", u"日本, 語 ", u"\t注\t", u" f.mp3", u""},
                      u"\" a, b \",\",\",\"  \",\"日本, 語 \",\"\t注\t\",\" f.mp3\",\"\"",
                      {u" a, b ", u",", u"  ", u"日本, 語 ", u"\t注\t", u" f.mp3", u""}},
        RoundTripCase{"NoteOfSeveralLines",
                      {u"ก", u"", u"", u"", EncodeLineBreaks(u"一行目\r\n二行目\r\n三"), u"", u""},
                      u"\"ก\",\"\",\"\",\"\",\"一行目#$0D二行目#$0D三\",\"\",\"\"",
                      {u"ก", u"", u"", u"", u"一行目#$0D二行目#$0D三", u"", u""}},
        RoundTripCase{"ColourKeptAsTyped",
                      {u"ก", u"", u"", u"", u"", u"", u"#ff0000"},
                      u"\"ก\",\"\",\"\",\"\",\"\",\"\",\"#ff0000\"",
                      {u"ก", u"", u"", u"", u"", u"", u"#ff0000"}},
        // A hand-edited colour with a double quote: doubled, so the word
        // still reads back with its seven fields.
        RoundTripCase{"ColourWithAQuote",
                      {u"ก", u"", u"", u"", u"", u"", u"c\"d"},
                      u"\"ก\",\"\",\"\",\"\",\"\",\"\",\"c\"\"d\"",
                      {u"ก", u"", u"", u"", u"", u"", u"c\"d"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordEntryColour, OnlyUpperCaseHashAndSixDigitsIsAColour) {
    struct Case {
        std::u16string field;
        Color color;
    };
    const Case cases[] = {
        {u"#FF0000", MakeColor(0xFF, 0, 0)},
        {u"#0080FF", MakeColor(0, 0x80, 0xFF)},
        {u"#ff0000", kWindowTextColor},
        {u"FF0000", kWindowTextColor},
        {u"#F00", kWindowTextColor},
        {u" #FF0000", kWindowTextColor},
        {u"", kWindowTextColor},
    };
    for (const Case& c : cases) {
        const std::optional<WordEntry> entry =
            ParseWordEntry(u"\"ก\",\"\",\"\",\"\",\"\",\"\",\"" + c.field + u"\"");
        ASSERT_TRUE(entry) << U8(c.field);
        EXPECT_EQ(entry->textColor, c.field);
        EXPECT_EQ(HexTextToColor(entry->textColor), c.color) << U8(c.field);
    }
}

TEST(WordBookStore, LoadThenSaveGivesTheSameFileInCanonicalForm) {
    // No mark, LF and lone CR line ends, no terminator at the end, an
    // eight-field line and a blank line: those two move behind the entries.
    const std::u16string original =
        u"タイ語1\nあいさつ\r\n\r"
        u"\"สวัสดี\",\"sa.wàt.diː\",\"\",\"こんにちは#$22\",\"a#$0Db\",\"\",\"#FF0000\"\n"
        u"\"bad\",\"\",\"\",\"\",\"\",\"\",\"\",\n"
        u"\n"
        u"\"ขอบคุณ\",\"\",\"\",\"ありがとう\",\"\",\"t.wav\",\"\"";
    const std::u16string expected =
        u"タイ語1\r\nあいさつ\r\n\r\n"
        u"\"สวัสดี\",\"sa.wàt.diː\",\"\",\"こんにちは#$22\",\"a#$0Db\",\"\",\"#FF0000\"\r\n"
        u"\"ขอบคุณ\",\"\",\"\",\"ありがとう\",\"\",\"t.wav\",\"\"\r\n"
        u"\"bad\",\"\",\"\",\"\",\"\",\"\",\"\",\r\n"
        u"\r\n";
    FakePlatform platform;
    platform.PutFile(InFolder(u"hello.utx"), Le(original));
    WordBookStore store;
    ASSERT_EQ(store.Load(platform, kFolder, u"hello.utx").result, WordBookLoadResult::Loaded);
    ASSERT_TRUE(store.Save(platform));
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"hello.utx")), kBom + Le(expected));
}

// A book edited by hand: a line in the middle that is no entry (a field lost
// its closing quote and swallowed the rest), and one with a stray word
// between two fields.
const std::u16string kHandEditedBook =
    u"手直し\r\n\r\n\r\n"
    u"\"ก\",\"\",\"\",\"鶏\",\"\",\"\",\"\"\r\n"
    u"\"ข\",\"\",\"\",\"卵,\"\",\"\",\"\"\r\n"
    u"\"ค\",\"\",\"\",\"水牛\",\"\",\"\",\"\"\r\n"
    u"\"ง\", x \"\",\"\",\"蛇\",\"\",\"\",\"\"\r\n"
    u"\"จ\",\"\",\"\",\"皿\",\"\",\"\",\"\"\r\n";

struct KeptLineEdit {
    const char* name;
    void (*edit)(WordBook& book);
    std::vector<WordEntry> entriesAfter;
};

void PrintTo(const KeptLineEdit& c, std::ostream* os) { *os << c.name; }

class KeptLinesSurviveSaveTest : public ::testing::TestWithParam<KeptLineEdit> {};

TEST_P(KeptLinesSurviveSaveTest, UnreadableLinesAreWrittenBackAfterTheEntries) {
    const KeptLineEdit& c = GetParam();
    FakePlatform platform;
    platform.CreateDirectories(kFolder);
    platform.PutFile(InFolder(u"hand.utx"), kBom + Le(kHandEditedBook));
    WordBookStore store;
    ASSERT_EQ(store.Load(platform, kFolder, u"hand.utx").result, WordBookLoadResult::Loaded);
    c.edit(store.Book());
    ASSERT_TRUE(store.Save(platform));

    const std::optional<Lines> lines = ReadWordBookLines(platform, InFolder(u"hand.utx"));
    ASSERT_TRUE(lines);
    ASSERT_GE(lines->size(), 2u);
    EXPECT_EQ((Lines{lines->end() - 2, lines->end()}),
              (Lines{u"\"ข\",\"\",\"\",\"卵,\"\",\"\",\"\"",
                     u"\"ง\", x \"\",\"\",\"蛇\",\"\",\"\",\"\""}));

    const std::optional<WordBookFile> file = ReadWordBookFile(platform, kFolder, u"hand.utx");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->book.entries, c.entriesAfter);
    EXPECT_EQ(file->book.keptLines, store.Book().keptLines);
    EXPECT_EQ(file->lineCount, c.entriesAfter.size() + 2);
}

const WordEntry kHandA{u"ก", u"", u"", u"鶏", u"", u"", u""};
const WordEntry kHandC{u"ค", u"", u"", u"水牛", u"", u"", u""};
const WordEntry kHandE{u"จ", u"", u"", u"皿", u"", u"", u""};
const WordEntry kHandNew{u"ฉ", u"", u"", u"\"鈸\"", u"", u"", u"#0000FF"};

INSTANTIATE_TEST_SUITE_P(
    Edits, KeptLinesSurviveSaveTest,
    ::testing::Values(
        KeptLineEdit{"NoChange", [](WordBook&) {}, {kHandA, kHandC, kHandE}},
        KeptLineEdit{"EntryAppended",
                     [](WordBook& book) { book.entries.push_back(kHandNew); },
                     {kHandA, kHandC, kHandE, kHandNew}},
        KeptLineEdit{"EntryDeleted",
                     [](WordBook& book) { book.entries.erase(book.entries.begin() + 1); },
                     {kHandA, kHandE}}),
    [](const auto& info) { return std::string(info.param.name); });

class WordBookStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        WordEntry a{u"ก", u"", u"", u"鶏", u"", u"", u""};
        WordEntry b{u"ข", u"", u"", u"卵", u"", u"", u""};
        ASSERT_TRUE(platform.CreateDirectories(kFolder));
        ASSERT_TRUE(WriteNewWordBook(platform, InFolder(u"A.utx"), u"本A", u"G", u"", {a, b}));
        platform.PutFile(InFolder(u"short.utx"), kBom + Le(u"題\r\n群\r\n"));
        ASSERT_EQ(store.Load(platform, kFolder, u"A.utx").result, WordBookLoadResult::Loaded);
        bookA = *platform.ReadWholeFile(InFolder(u"A.utx"));
    }

    FakePlatform platform;
    WordBookStore store;
    Bytes bookA;
};

TEST_F(WordBookStoreTest, LoadOpensTheBookAndNamesItForLastWB) {
    WordBookStore other;
    const WordBookLoad load = other.Load(platform, kFolder, u"A.utx");
    EXPECT_EQ(load.result, WordBookLoadResult::Loaded);
    EXPECT_EQ(load.lastWB, u"A.utx");
    EXPECT_TRUE(other.IsOpen());
    EXPECT_EQ(other.Folder(), kFolder);
    EXPECT_EQ(other.Book().title, u"本A");
    EXPECT_EQ(other.Book().group, u"G");
    ASSERT_EQ(other.Book().entries.size(), 2u);
    EXPECT_EQ(other.Book().entries[1].japanese, u"卵");
    EXPECT_EQ(WordBookTitlePanel(other.Book().title), u"●タイトル：「本A」");
}

TEST_F(WordBookStoreTest, MissingFileChangesNothing) {
    const WordBook before = store.Book();
    const WordBookLoad load = store.Load(platform, kFolder, u"gone.utx");
    EXPECT_EQ(load.result, WordBookLoadResult::Missing);
    EXPECT_FALSE(load.lastWB);
    EXPECT_TRUE(store.IsOpen());
    EXPECT_EQ(store.Book(), before);
}

// The list was emptied before the file turned out not to be a book: the old
// book must not stay open, or the next save would write an empty list over it.
TEST_F(WordBookStoreTest, FileOfTwoLinesLeavesNoBookOpen) {
    const std::vector<std::u16string> filesBefore = platform.AllFiles();
    const WordBookLoad load = store.Load(platform, kFolder, u"short.utx");
    EXPECT_EQ(load.result, WordBookLoadResult::NotABook);
    EXPECT_EQ(load.lastWB, u"");
    EXPECT_FALSE(store.IsOpen());
    EXPECT_TRUE(store.Book().entries.empty());

    EXPECT_TRUE(store.Save(platform));
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"A.utx")), bookA);
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"short.utx")), kBom + Le(u"題\r\n群\r\n"));
    EXPECT_EQ(platform.AllFiles(), filesBefore);
}

TEST_F(WordBookStoreTest, SaveWritesTheChangedBookOverItsFile) {
    store.Book().entries.erase(store.Book().entries.begin());
    store.Book().entries.push_back({u"ค", u"", u"", u"水牛", u"", u"", u"#0000FF"});
    store.Book().title = u"本A改";
    ASSERT_TRUE(store.Save(platform));
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"A.utx")),
              kBom + Le(u"本A改\r\nG\r\n\r\n"
                        u"\"ข\",\"\",\"\",\"卵\",\"\",\"\",\"\"\r\n"
                        u"\"ค\",\"\",\"\",\"水牛\",\"\",\"\",\"#0000FF\"\r\n"));
}

TEST_F(WordBookStoreTest, FailedSaveLeavesTheFileWhole) {
    store.Book().entries.pop_back();
    platform.FailWritesTo(InFolder(u"A.utx"));
    EXPECT_FALSE(store.Save(platform));
    EXPECT_EQ(platform.ReadWholeFile(InFolder(u"A.utx")), bookA);
}

TEST_F(WordBookStoreTest, ClosedStoreWritesNothing) {
    store.Close();
    EXPECT_FALSE(store.IsOpen());
    platform.RemoveFile(InFolder(u"A.utx"));
    EXPECT_TRUE(store.Save(platform));
    EXPECT_FALSE(platform.FileExists(InFolder(u"A.utx")));
}

}  // namespace
}  // namespace tess
