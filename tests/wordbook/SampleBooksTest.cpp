// The sample word books shipped in data/bookA ... data/KhmerG, read from the
// repository into the fake platform with the shipped tables and group list:
// every folder has books, every book reads as a word book and is stored
// exactly as the program writes one, and every character of a word and of its
// IPA can be typed with the shipped tables. tools/wordbooks/make_sample_books.py
// writes them from its word lists and checks the same before writing;
// `--check` tells whether the committed books still match the lists.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "tables/SymbolDbFile.h"
#include "tables/TableFixtures.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

using testing::kTblFolder;
using testing::U8;

const std::u16string kProgramFolder = u"C:\\Tessaline";
const std::u16string kSysFolder = kProgramFolder + u"\\Sys";
const std::u16string kPhoneticDb = u"DBPhonet.csv";

// The sample folders of the image, in the order the program copies them, and
// the symbol DB of each one's language.
struct SampleFolder {
    std::u16string leaf;
    std::u16string symbolDb;
};

const std::vector<SampleFolder> kSampleFolders = {
    {u"bookA", u"DBThai.csv"},       {u"bookG", u"DBThai.csv"},
    {u"MyanmarA", u"DBMyanmar.csv"}, {u"MyanmarG", u"DBMyanmar.csv"},
    {u"LaosA", u"DBLao.csv"},        {u"LaosG", u"DBLao.csv"},
    {u"KhmerA", u"DBKhmer.csv"},     {u"KhmerG", u"DBKhmer.csv"},
};

std::u16string InProgram(const std::u16string& leaf) { return kProgramFolder + u"\\" + leaf; }

// Katakana or hiragana, the prolonged sound mark, the middle dot, spaces.
bool IsKanaReadingCharacter(char16_t c) {
    return (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA) || c == u'ー' ||
           c == u'・' || c == u' ' || c == u'\u3000';
}

// "U+0E01 U+0E02": the characters of `text` that `allowed` refuses (spaces
// always pass), or empty.
template <typename Allowed>
std::string Refused(std::u16string_view text, Allowed allowed) {
    std::string out;
    char code[12];
    for (char16_t c : text) {
        if (c == u' ' || allowed(c)) continue;
        std::snprintf(code, sizeof code, "%sU+%04X", out.empty() ? "" : " ", unsigned{c});
        out += code;
    }
    return out;
}

struct SampleBook {
    const SampleFolder* folder;
    std::u16string fileName;
    std::optional<WordBookFile> file;

    std::string Name() const { return U8(folder->leaf + u"\\" + fileName); }
};

class SampleBooks : public ::testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path data = std::filesystem::path(TESS_SOURCE_DIR) / "data";
        PutFolder(data / "Tbl", kTblFolder);
        PutFolder(data / "Sys", kSysFolder);
        for (const SampleFolder& folder : kSampleFolders) {
            PutFolder(data / U8(folder.leaf), InProgram(folder.leaf));
        }
        const std::optional<Lines> groupLines =
            ReadTextLines(platform, kSysFolder + u"\\GroupName.txt");
        ASSERT_TRUE(groupLines.has_value());
        groups.insert(groupLines->begin(), groupLines->end());

        for (const SampleFolder& folder : kSampleFolders) {
            const std::u16string path = InProgram(folder.leaf);
            for (const std::u16string& name : platform.ListFiles(path, u"*.utx")) {
                books.push_back({&folder, name, ReadWordBookFile(platform, path, name)});
            }
        }
        ASSERT_GE(books.size(), kSampleFolders.size());
    }

    void PutFolder(const std::filesystem::path& from, const std::u16string& to) {
        if (!std::filesystem::is_directory(from)) return;
        for (const auto& entry : std::filesystem::directory_iterator(from)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            platform.PutFile(to + u"\\" + Utf8ToUtf16(entry.path().filename().string()), bytes);
        }
    }

    FakePlatform platform;
    std::set<std::u16string> groups;
    std::vector<SampleBook> books;  // every *.utx of the eight folders, read
};

TEST_F(SampleBooks, EveryFolderHoldsWordBooksAndNothingElse) {
    for (const SampleFolder& folder : kSampleFolders) {
        SCOPED_TRACE(U8(folder.leaf));
        const std::u16string path = InProgram(folder.leaf);
        const std::vector<std::u16string> books = platform.ListFiles(path, u"*.utx");
        EXPECT_FALSE(books.empty());
        // The program copies the whole folder into the user's word-book folder.
        EXPECT_EQ(platform.ListFiles(path, u"*"), books);
    }
}

TEST_F(SampleBooks, ReadAsWordBooksOfAKnownGroup) {
    for (const SampleBook& book : books) {
        SCOPED_TRACE(book.Name());
        ASSERT_TRUE(book.file.has_value());
        const WordBook& b = book.file->book;
        EXPECT_FALSE(b.title.empty());
        EXPECT_TRUE(groups.count(b.group)) << "group " << U8(b.group) << " is not in GroupName.txt";
        EXPECT_TRUE(b.audioFolder.empty());
        EXPECT_FALSE(b.entries.empty());
        // Every line after the header is an entry.
        EXPECT_EQ(book.file->lineCount, b.entries.size());
    }
}

TEST_F(SampleBooks, AreStoredExactlyAsTheProgramWritesThem) {
    platform.CreateDirectories(u"C:\\Out");
    for (const SampleBook& book : books) {
        SCOPED_TRACE(book.Name());
        ASSERT_TRUE(book.file.has_value());
        const WordBook& b = book.file->book;
        const std::u16string out = u"C:\\Out\\" + book.fileName;
        ASSERT_TRUE(WriteNewWordBook(platform, out, b.title, b.group, b.audioFolder, b.entries));
        const Bytes shipped = *platform.ReadWholeFile(InProgram(book.folder->leaf) + u"\\" +
                                                      book.fileName);
        EXPECT_TRUE(shipped.starts_with("\xFF\xFE"));
        EXPECT_TRUE(*platform.ReadWholeFile(out) == shipped);
    }
}

TEST_F(SampleBooks, EveryEntryHasWordPhoneticsKanaAndJapanese) {
    for (const SampleBook& book : books) {
        SCOPED_TRACE(book.Name());
        ASSERT_TRUE(book.file.has_value());
        std::size_t number = 0;
        for (const WordEntry& e : book.file->book.entries) {
            ++number;
            SCOPED_TRACE("entry " + std::to_string(number) + " " + U8(e.foreignWord));
            EXPECT_FALSE(e.foreignWord.empty());
            EXPECT_FALSE(e.phonetic.empty());
            EXPECT_FALSE(e.kana.empty());
            EXPECT_FALSE(e.japanese.empty());
            EXPECT_TRUE(e.audioFile.empty());
            EXPECT_TRUE(e.textColor.empty());
        }
    }
}

TEST_F(SampleBooks, WordsAndTheirIpaAreMadeOfTableCharacters) {
    const SymbolLookup phonetic = SymbolLookup::Load(platform, kTblFolder, kPhoneticDb);
    ASSERT_FALSE(phonetic.empty());
    for (const SampleBook& book : books) {
        SCOPED_TRACE(book.Name());
        ASSERT_TRUE(book.file.has_value());
        const SymbolLookup script = SymbolLookup::Load(platform, kTblFolder, book.folder->symbolDb);
        ASSERT_FALSE(script.empty()) << U8(book.folder->symbolDb);
        const auto inScript = [&](char16_t c) { return script.Find(c).has_value(); };
        const auto inPhonetic = [&](char16_t c) { return phonetic.Find(c).has_value(); };
        std::size_t number = 0;
        for (const WordEntry& e : book.file->book.entries) {
            ++number;
            SCOPED_TRACE("entry " + std::to_string(number));
            EXPECT_EQ(Refused(e.foreignWord, inScript), "")
                << U8(e.foreignWord) << " has characters that " << U8(book.folder->symbolDb)
                << " lacks";
            EXPECT_EQ(Refused(e.phonetic, inPhonetic), "")
                << U8(e.phonetic) << " has characters that " << U8(kPhoneticDb) << " lacks";
        }
    }
}

TEST_F(SampleBooks, KanaReadingsAreKana) {
    for (const SampleBook& book : books) {
        SCOPED_TRACE(book.Name());
        ASSERT_TRUE(book.file.has_value());
        for (const WordEntry& e : book.file->book.entries) {
            EXPECT_EQ(Refused(e.kana, IsKanaReadingCharacter), "")
                << U8(e.foreignWord) << ": " << U8(e.kana);
        }
    }
}

// The kana check itself: kana of both kinds pass; half-width katakana,
// kanji, Latin letters and full-width punctuation other than the dot do not.
TEST(SampleBookKanaCheck, TellsKanaFromOtherText) {
    struct Case {
        std::u16string text;
        std::string refused;
    };
    const Case cases[] = {
        {u"サワッディー クラップ", ""},
        {u"さわでぃー", ""},
        {u"ピーノーン・カー", ""},
        {u"ｻﾜｯﾃﾞｨｰ", "U+FF7B U+FF9C U+FF6F U+FF83 U+FF9E U+FF68 U+FF70"},
        {u"挨拶", "U+6328 U+62F6"},
        {u"kʰap", "U+006B U+02B0 U+0061 U+0070"},
        {u"ナー（名）", "U+FF08 U+540D U+FF09"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Refused(c.text, IsKanaReadingCharacter), c.refused) << U8(c.text);
    }
}

}  // namespace
}  // namespace tess
