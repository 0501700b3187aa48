// The tables shipped in data/Tbl, read from the repository into the fake
// platform: they read cleanly, pair up, survive the program's own writers
// byte for byte, and give the digests the Windows test checks under Wine.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "input/InputTables.h"
#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "tables/CandFile.h"
#include "tables/ShippedTablesDigest.h"
#include "tables/SymbolDbFile.h"
#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::InTbl;
using testing::kTblFolder;
using testing::U8;

class ShippedTables : public ::testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path folder = std::filesystem::path(TESS_SOURCE_DIR) / "data" / "Tbl";
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            const std::u16string name = Utf8ToUtf16(entry.path().filename().string());
            platform.PutFile(InTbl(name), bytes);
            (name.starts_with(u"DB") ? dbFiles : candFiles).insert(name);
        }
    }

    Bytes BytesOf(const std::u16string& name) { return *platform.ReadWholeFile(InTbl(name)); }

    // Code page 932 without a byte-order mark, CR LF after every line and
    // nowhere else, and nothing the code page would not give back unchanged.
    void ExpectAnsiWithCrLf(const std::u16string& name) {
        SCOPED_TRACE(U8(name));
        const Bytes bytes = BytesOf(name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
                     bytes.starts_with("\xFE\xFF"));
        EXPECT_TRUE(bytes.ends_with("\r\n"));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
            } else if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
            }
        }
        const std::u16string text = platform.DecodeCodePage(kAnsiCodePage, bytes);
        EXPECT_EQ(text.find(u'\uFFFD'), std::u16string::npos);
        EXPECT_EQ(platform.EncodeCodePage(kAnsiCodePage, text), bytes);
    }

    FakePlatform platform;
    std::set<std::u16string> dbFiles, candFiles;
};

TEST_F(ShippedTables, TheKnownFilesAreThere) {
    EXPECT_EQ(dbFiles, (std::set<std::u16string>{u"DBKhmer.csv", u"DBLao.csv", u"DBMyanmar.csv",
                                                  u"DBPhonet.csv", u"DBRuss.csv", u"DBThai.csv"}));
    EXPECT_EQ(candFiles,
              (std::set<std::u16string>{u"CandAll.csv", u"CandKhmer.csv", u"CandLao.csv",
                                        u"CandMyanmar.csv", u"CandThai.csv", u"CandThai2.csv"}));
}

TEST_F(ShippedTables, SymbolDbsReadCleanly) {
    for (const std::u16string& name : dbFiles) {
        SCOPED_TRACE(U8(name));
        const SymbolDb db = ReadSymbolDb(platform, kTblFolder, name);
        EXPECT_TRUE(db.hasHeader);
        EXPECT_EQ(db.header, DefaultSymbolDbHeader(name));
        ASSERT_FALSE(db.rows.empty());
        // Groups numbered 0, 1, 2 ... in file order, as the editor expects.
        for (std::size_t i = 0; i < db.groups.size(); ++i) {
            EXPECT_EQ(db.groups[i].number, static_cast<std::int32_t>(i));
        }
        std::set<std::u16string> codes;
        for (const SymbolDbRow& row : db.rows) {
            SCOPED_TRACE(U8(row.code));
            EXPECT_TRUE(IsHex4(row.code));
            EXPECT_TRUE(codes.insert(row.code).second) << "duplicate code";
            EXPECT_TRUE(row.group >= 0 && row.group < static_cast<std::int32_t>(db.groups.size()));
            EXPECT_TRUE(row.auxClass == u"0" || row.auxClass == u"1" || row.auxClass == u"2");
            EXPECT_FALSE(row.englishName.empty());
            EXPECT_FALSE(row.japaneseName.empty());
            // Every escape in an English name is a whole one.
            const std::u16string decoded = DecodeHexEscapes(row.englishName);
            std::size_t escapes = 0;
            for (std::size_t at = row.englishName.find(u"#$"); at != std::u16string::npos;
                 at = row.englishName.find(u"#$", at + 2)) {
                ++escapes;
            }
            EXPECT_EQ(decoded.size() + 5 * escapes, row.englishName.size());
        }
    }
}

TEST_F(ShippedTables, SymbolDbsWriteBackTheSameBytes) {
    platform.CreateDirectories(u"C:\\Out");
    for (const std::u16string& name : dbFiles) {
        SCOPED_TRACE(U8(name));
        ExpectAnsiWithCrLf(name);
        const SymbolDb db = ReadSymbolDb(platform, kTblFolder, name);
        ASSERT_TRUE(WriteSymbolDb(platform, u"C:\\Out\\" + name, db.header, db.groups, db.rows));
        EXPECT_TRUE(*platform.ReadWholeFile(u"C:\\Out\\" + name) == BytesOf(name));
    }
}

TEST_F(ShippedTables, CandidateFilesPairWithTheirDbs) {
    for (const std::u16string& name : candFiles) {
        SCOPED_TRACE(U8(name));
        const std::optional<CandEditTable> table = ReadCandForEditing(platform, kTblFolder, name);
        ASSERT_TRUE(table.has_value());
        // A real header, not the defaults of the file name.
        const Lines lines = *ReadTextLines(platform, InTbl(name));
        EXPECT_EQ(SplitTableFields(lines.front()),
                  (std::vector<std::u16string>{table->pairedDb, table->mode}));
        EXPECT_TRUE(table->mode == kModeLower || table->mode == kModeUpper);
        ASSERT_TRUE(dbFiles.count(table->pairedDb)) << U8(table->pairedDb);

        std::set<std::u16string> dbCodes;
        for (const SymbolDbRow& row : ReadSymbolDb(platform, kTblFolder, table->pairedDb).rows) {
            dbCodes.insert(row.code);
        }
        // Every line of the file is either the header or a placed trigger line.
        std::size_t placed = 0;
        for (const CandLine& line : table->lines) {
            if (!line.HasCandidates()) continue;
            ++placed;
            SCOPED_TRACE(U8(line.keyField));
            EXPECT_TRUE(IsModeTriggerKey(table->mode, KeyOfField(line.keyField)));
            for (const std::u16string& code : line.codes) {
                if (code.empty()) continue;
                EXPECT_TRUE(dbCodes.count(code)) << U8(code) << " names no row of the paired DB";
            }
        }
        EXPECT_EQ(placed + 1, lines.size());
        EXPECT_EQ(LoadCandEntries(platform, kTblFolder, name).size(), placed);
    }
}

TEST_F(ShippedTables, CandidateFilesWriteBackTheSameBytes) {
    platform.CreateDirectories(u"C:\\Out");
    for (const std::u16string& name : candFiles) {
        SCOPED_TRACE(U8(name));
        ExpectAnsiWithCrLf(name);
        const std::optional<CandEditTable> table = ReadCandForEditing(platform, kTblFolder, name);
        ASSERT_TRUE(table.has_value());
        ASSERT_TRUE(WriteCandFile(platform, u"C:\\Out\\" + name, *table));
        EXPECT_TRUE(*platform.ReadWholeFile(u"C:\\Out\\" + name) == BytesOf(name));
    }
}

TEST_F(ShippedTables, EveryOfferedCharacterHasItsNames) {
    for (const testing::InputTablesDigest& pair : testing::kShippedInputTables) {
        SCOPED_TRACE(U8(pair.candFile));
        InputTables tables;
        tables.LoadForeignTables(platform, kTblFolder, pair.candFile, pair.dbFile);
        ASSERT_FALSE(tables.GaNameTable.empty());
        for (const TUDB& name : tables.GaNameTable) {
            EXPECT_NE(name.code, 0) << "a candidate without a row";
        }
    }
}

// The candidate popup shows a candidate's Japanese name to tell it from the
// others, so no two characters of one DB may share one. The capital and small
// form of one letter ("CAPITAL A", "SMALL A") are one letter with one name.
bool CapitalAndSmallOfOneLetter(std::u16string_view a, std::u16string_view b) {
    constexpr std::u16string_view capital = u"CAPITAL ", small = u"SMALL ";
    if (b.starts_with(capital)) std::swap(a, b);
    return a.starts_with(capital) && b.starts_with(small) &&
           a.substr(capital.size()) == b.substr(small.size());
}

TEST(SharedJapaneseNames, OnlyTheTwoCasesOfOneLetterMayShareOne) {
    struct Case {
        std::u16string_view a, b;
        bool oneLetter;
    };
    const Case cases[] = {
        {u"CAPITAL A", u"SMALL A", true},
        {u"SMALL SHORT I", u"CAPITAL SHORT I", true},
        {u"CAPITAL A", u"SMALL BE", false},
        {u"CAPITAL A", u"CAPITAL A", false},
        {u"KO\\KAI", u"KHO\\KHAI", false},
        {u"SMALL A", u"A", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CapitalAndSmallOfOneLetter(c.a, c.b), c.oneLetter) << U8(c.a) << " / " << U8(c.b);
    }
}

TEST_F(ShippedTables, NoTwoCharactersOfADbShareAJapaneseName) {
    for (const testing::SymbolDbDigest& shipped : testing::kShippedSymbolDbs) {
        SCOPED_TRACE(U8(shipped.file));
        const SymbolDb db = ReadSymbolDb(platform, kTblFolder, shipped.file);
        ASSERT_FALSE(db.rows.empty());
        std::map<std::u16string, const SymbolDbRow*> first;
        for (const SymbolDbRow& row : db.rows) {
            const auto [at, isNew] = first.emplace(row.japaneseName, &row);
            if (isNew) continue;
            const SymbolDbRow& other = *at->second;
            EXPECT_TRUE(CapitalAndSmallOfOneLetter(other.englishName, row.englishName))
                << U8(other.code) << " and " << U8(row.code) << " are both "
                << U8(row.japaneseName);
        }
    }
}

// A deprecated character keeps its row, so that text holding it still shows
// its names, but no key offers it: Khmer ឣ and ឤ look exactly like អ and អា,
// and text typed with them looks right yet is neither found nor sorted.
TEST_F(ShippedTables, DeprecatedCharactersKeepTheirRowsButAreOnNoKey) {
    const std::u16string deprecated = u"非推奨";
    struct Case {
        std::u16string db;
        std::u16string characters;
    };
    const Case cases[] = {
        {u"DBKhmer.csv", u"\u17A3\u17A4\u17A8\u17D3\u17B4\u17B5"},
    };
    for (const Case& c : cases) {
        const SymbolLookup lookup = SymbolLookup::Load(platform, kTblFolder, c.db);
        for (const char16_t character : c.characters) {
            SCOPED_TRACE(U8(c.db + u" " + character));
            const std::optional<SymbolInfo> info = lookup.Find(character);
            ASSERT_TRUE(info.has_value());
            EXPECT_NE(info->note.find(deprecated), std::u16string::npos);
        }
    }
    // No key of any file offers a row whose note calls it deprecated.
    for (const std::u16string& name : candFiles) {
        SCOPED_TRACE(U8(name));
        const CandEditTable table = *ReadCandForEditing(platform, kTblFolder, name);
        std::set<std::u16string> deprecatedCodes;
        for (const SymbolDbRow& row : ReadSymbolDb(platform, kTblFolder, table.pairedDb).rows) {
            if (row.note.find(deprecated) != std::u16string::npos) deprecatedCodes.insert(row.code);
        }
        for (const CandLine& line : table.lines) {
            for (const std::u16string& code : line.codes) {
                EXPECT_FALSE(deprecatedCodes.count(code))
                    << "key " << U8(line.keyField) << " offers " << U8(code);
            }
        }
    }
}

// What a learner gets from the keys they reach for first: the most common
// letter of a sound leads its key, and "ng" and the y of English have a home.
TEST_F(ShippedTables, KeysLeadWithWhatLearnersType) {
    struct Case {
        std::u16string file;
        char16_t key;
        std::u16string leading;  // the first candidates, in order
        bool alone;              // nothing follows them
    };
    const Case cases[] = {
        {u"CandThai2.csv", u'n', u"นง", false},
        {u"CandThai2.csv", u'c', u"จช", false},
        {u"CandThai2.csv", u'p', u"ปพ", false},
        {u"CandThai2.csv", u'j', u"จ", true},
        {u"CandThai2.csv", u'f', u"ฟฝ", true},
        {u"CandThai.csv", u'd', u"ดฎ", false},
        {u"CandLao.csv", u'f', u"ຟຝ", true},
        {u"CandKhmer.csv", u'g', u"គងឃ", true},
        {u"CandKhmer.csv", u'q', u"អ", true},
        {u"CandKhmer.csv", u'y', u"យ", true},
        {u"CandMyanmar.csv", u'g', u"ဂငဃ", false},
        {u"CandMyanmar.csv", u'b', u"ဘဗ", false},
        {u"CandAll.csv", u'Y', u"yj", false},
        {u"CandAll.csv", u'E', u"eəɛɜɤ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(U8(c.file + u" " + c.key));
        std::u16string offered;
        for (const CandEntry& entry : LoadCandEntries(platform, kTblFolder, c.file)) {
            if (entry.key != c.key) continue;
            for (char16_t candidate : entry.candidates) {
                if (candidate != 0) offered += candidate;
            }
        }
        EXPECT_TRUE(offered.starts_with(c.leading)) << U8(offered);
        if (c.alone) {
            EXPECT_EQ(offered, c.leading);
        }
    }
}

// Prints the table of digests to paste into ShippedTablesDigest.h when a
// shipped table changed on purpose.
TEST_F(ShippedTables, GiveTheDigestsTheWindowsTestExpects) {
    std::string current;
    char line[200];
    for (const testing::SymbolDbDigest& expected : testing::kShippedSymbolDbs) {
        const SymbolDb db = ReadSymbolDb(platform, kTblFolder, expected.file);
        const std::uint64_t hash = testing::DigestOf(db);
        std::snprintf(line, sizeof line, "    {u\"%s\", %zu, 0x%016llXull},\n",
                      U8(expected.file).c_str(), db.rows.size(),
                      static_cast<unsigned long long>(hash));
        current += line;
        EXPECT_EQ(db.rows.size(), expected.rows) << U8(expected.file);
        EXPECT_EQ(hash, expected.hash) << U8(expected.file);
    }
    for (const testing::CandFileDigest& expected : testing::kShippedCandFiles) {
        const CandEditTable table = *ReadCandForEditing(platform, kTblFolder, expected.file);
        std::size_t withCandidates = 0;
        for (const CandLine& l : table.lines) withCandidates += l.HasCandidates() ? 1 : 0;
        const std::uint64_t hash = testing::DigestOf(table);
        std::snprintf(line, sizeof line, "    {u\"%s\", %zu, 0x%016llXull},\n",
                      U8(expected.file).c_str(), withCandidates,
                      static_cast<unsigned long long>(hash));
        current += line;
        EXPECT_EQ(withCandidates, expected.linesWithCandidates) << U8(expected.file);
        EXPECT_EQ(hash, expected.hash) << U8(expected.file);
    }
    for (const testing::InputTablesDigest& expected : testing::kShippedInputTables) {
        InputTables tables;
        tables.LoadForeignTables(platform, kTblFolder, expected.candFile, expected.dbFile);
        const std::uint64_t hash = testing::DigestOf(tables.GaCandTable, tables.GaNameTable);
        std::snprintf(line, sizeof line, "    {u\"%s\", u\"%s\", %zu, %zu, 0x%016llXull},\n",
                      U8(expected.candFile).c_str(), U8(expected.dbFile).c_str(),
                      tables.GaCandTable.size(), tables.GaNameTable.size(),
                      static_cast<unsigned long long>(hash));
        current += line;
        EXPECT_EQ(tables.GaCandTable.size(), expected.records) << U8(expected.candFile);
        EXPECT_EQ(tables.GaNameTable.size(), expected.names) << U8(expected.candFile);
        EXPECT_EQ(hash, expected.hash) << U8(expected.candFile);
    }
    if (HasFailure()) std::printf("Digests of the shipped tables now:\n%s", current.c_str());
}

}  // namespace
}  // namespace tess
