#include "wordbook/WordSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\Users\\user\\Documents\\Quillory\\Tessaline\\bookA";

// An entry line as written, every field quoted; the Japanese field and the
// note are the ones the tables below vary.
std::u16string Line(const std::u16string& foreign, const std::u16string& japanese,
                    const std::u16string& note = u"") {
    return u"\"" + foreign + u"\",\"ph\",\"カナ\",\"" + japanese + u"\",\"" + note +
           u"\",\"a.mp3\",\"\"";
}

// "title#number" per row, "*" before an exact hit's number.
std::vector<std::string> Listed(const std::vector<SearchHit>& hits) {
    std::vector<std::string> rows;
    for (const SearchHit& hit : hits)
        rows.push_back(Utf16ToUtf8(hit.title) + "#" + Utf16ToUtf8(HitNumberText(hit)));
    return rows;
}

class WordSearchTest : public ::testing::Test {
protected:
    void Book(const std::u16string& name, const std::u16string& title, const Lines& entries) {
        Lines lines = {title, u"", u""};
        lines.insert(lines.end(), entries.begin(), entries.end());
        fake.PutFile(kFolder + u"\\" + name, EncodeUtf16Lines(lines));
    }
    std::vector<SearchHit> Search(int field, const std::u16string& text) {
        return SearchFolder(fake, kFolder, field, text);
    }
    FakePlatform fake;
};

TEST_F(WordSearchTest, ExactHitsStandAboveThePartialOnesLaterFoundFirst) {
    // The fake folder lists its files by name: a.utx, then b.utx.
    Book(u"a.utx", u"A", {Line(u"1", u"水曜日"), Line(u"2", u"水"), Line(u"3", u"火")});
    Book(u"b.utx", u"B", {Line(u"1", u"水"), Line(u"2", u"お水"), Line(u"3", u"水")});
    EXPECT_EQ(Listed(Search(3, u"水")),
              (std::vector<std::string>{"B#*3", "B#*1", "A#*2", "A#1", "B#2"}));
}

struct MatchCase {
    const char* name;
    int field;
    std::u16string stored;  // the field as the file stores it
    std::u16string text;
    const char* found;      // "exact", "partial" or "none"
};

class WordSearchMatchTest : public WordSearchTest,
                            public ::testing::WithParamInterface<MatchCase> {};

TEST_P(WordSearchMatchTest, ComparesTheFieldAsStored) {
    const MatchCase& c = GetParam();
    std::u16string fields[7] = {u"f", u"p", u"k", u"j", u"n", u"a", u""};
    fields[c.field] = c.stored;
    std::u16string line;
    for (int i = 0; i < 7; ++i) line += (i ? u",\"" : u"\"") + fields[i] + u"\"";
    Book(u"a.utx", u"A", {line});
    const std::vector<SearchHit> hits = Search(c.field, c.text);
    const std::string found = hits.empty() ? "none" : hits[0].exact ? "exact" : "partial";
    EXPECT_EQ(found, c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordSearchMatchTest,
    ::testing::Values(
        MatchCase{"ForeignWhole", 0, u"สวัสดี", u"สวัสดี", "exact"},
        MatchCase{"ForeignPart", 0, u"สวัสดี", u"วัส", "partial"},
        MatchCase{"Phonetic", 1, u"sa.wàt.diː", u"wàt", "partial"},
        MatchCase{"Kana", 2, u"サワッディー", u"サワッディー", "exact"},
        MatchCase{"Note", 4, u"朝も夜も", u"夜", "partial"},
        MatchCase{"AudioFile", 5, u"w12.mp3", u".mp3", "partial"},
        MatchCase{"LowerDoesNotFindUpper", 4, u"ABC", u"b", "none"},
        MatchCase{"UpperDoesNotFindLower", 4, u"abc", u"ABC", "none"},
        MatchCase{"SameCase", 4, u"abc", u"abc", "exact"},
        MatchCase{"QuoteIsNotFoundEscaped", 3, u"言う#$22はい#$22", u"\"", "none"},
        MatchCase{"EscapeIsFoundAsStored", 3, u"言う#$22はい#$22", u"#$22", "partial"},
        MatchCase{"WholeEscapedField", 3, u"#$22", u"#$22", "exact"},
        MatchCase{"LongerThanTheField", 3, u"水", u"水曜日", "none"},
        MatchCase{"OtherFieldDoesNotCount", 3, u"x", u"f", "none"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordSearchTest, HitsShowTheirFieldsUnescapedAndTheColourAsStored) {
    Book(u"a.utx", u"本", {u"\"น้ำ#$22\",\"náːm\",\"ナーム\",\"「水」#$22\",\"一行#$0D二行\","
                          u"\"n.mp3\",\"#FF0000\""});
    const std::vector<SearchHit> hits = Search(3, u"水");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].entry, (WordEntry{u"น้ำ\"", u"náːm", u"ナーム", u"「水」\"",
                                        u"一行#$0D二行", u"n.mp3", u"#FF0000"}));
    EXPECT_EQ(hits[0].title, u"本");
}

TEST_F(WordSearchTest, HitsAreNumberedAsTheWordListNumbersTheEntries) {
    // Lines that are no entries (an unquoted remark, eight fields, a blank
    // line) take no number; a line of another shape that still gives seven
    // fields does. Opening a hit's number in the word list opens the word found.
    Book(u"a.utx", u"A",
         {u"a remark", Line(u"1", u"水"), u"\"x\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"", u"",
          u" \"2\" , \"ph\",\"カナ\",\"お水\",\"\",\"\",\"\"", Line(u"3", u"火"),
          Line(u"4", u"水道")});
    const std::vector<SearchHit> hits = Search(3, u"水");
    EXPECT_EQ(Listed(hits), (std::vector<std::string>{"A#*1", "A#2", "A#4"}));
    const std::optional<WordBookFile> book = ReadWordBookFile(fake, kFolder, u"a.utx");
    ASSERT_TRUE(book);
    for (const SearchHit& hit : hits) {
        ASSERT_LE(hit.number, book->book.entries.size());
        EXPECT_EQ(book->book.entries[hit.number - 1], hit.entry) << hit.number;
    }
}

TEST_F(WordSearchTest, OnlyBooksOfTheFolderAreSearched) {
    Book(u"a.utx", u"A", {Line(u"1", u"水")});
    fake.PutFile(kFolder + u"\\short.utx", EncodeUtf16Lines({u"T", Line(u"x", u"水")}));
    fake.PutFile(kFolder + u"\\notes.txt", EncodeUtf16Lines({u"T", u"", u"", Line(u"x", u"水")}));
    fake.PutFile(kFolder + u"\\sub\\c.utx", EncodeUtf16Lines({u"C", u"", u"", Line(u"x", u"水")}));
    EXPECT_EQ(Listed(Search(3, u"水")), (std::vector<std::string>{"A#*1"}));
}

TEST_F(WordSearchTest, NothingIsSearchedForAnEmptyTextOrAMissingFolder) {
    Book(u"a.utx", u"A", {Line(u"1", u"")});
    EXPECT_TRUE(Search(3, u"").empty());
    EXPECT_TRUE(SearchFolder(fake, kFolder + u"\\none", 3, u"水").empty());
}

TEST_F(WordSearchTest, AStepSearchesOneBookAndSaysHowManyRowsWentOnTop) {
    Book(u"a.utx", u"A", {Line(u"1", u"水"), Line(u"2", u"水")});
    Book(u"b.utx", u"B", {Line(u"1", u"お水")});
    Book(u"c.utx", u"C", {Line(u"1", u"水")});
    FolderSearch search(fake, kFolder, 3, u"水");
    std::vector<std::size_t> above;
    std::vector<std::size_t> rows;
    while (!search.Done()) {
        above.push_back(search.Step());
        rows.push_back(search.Hits().size());
    }
    EXPECT_EQ(above, (std::vector<std::size_t>{2, 0, 1}));
    EXPECT_EQ(rows, (std::vector<std::size_t>{2, 3, 4}));
}

}  // namespace
}  // namespace tess
