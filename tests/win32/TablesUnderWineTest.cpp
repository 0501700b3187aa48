// The shipped tables read through the real platform, whose code page 932
// conversion is MultiByteToWideChar rather than the native build's iconv:
// every file must give the same digests as natively (tables/ShippedTablesDigest.h),
// and the program's writers must give back the very bytes it read.
//
// The repository is found through the environment variable TESS_SOURCE_DIR
// (a Unix path is taken as Wine's Z: drive); without it the test is skipped.
#include <gtest/gtest.h>

#include <string>

#include "input/InputTables.h"
#include "platform/win32/Win32Platform.h"
#include "tables/CandFile.h"
#include "tables/ShippedTablesDigest.h"
#include "tables/SymbolDbFile.h"
#include "TempFolder.h"

namespace tess {
namespace {

using tess::testing::Utf8;

class TablesUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        std::u16string root = platform.GetEnvironment(u"TESS_SOURCE_DIR");
        if (root.empty()) {
            GTEST_SKIP() << "TESS_SOURCE_DIR is not set; export it (the repository root) to "
                            "compare the shipped tables read under Wine with the native digests";
        }
        if (root.front() == u'/') root = u"Z:" + root;
        for (char16_t& c : root) {
            if (c == u'/') c = u'\\';
        }
        if (root.back() == u'\\') root.pop_back();
        folder = root + u"\\data\\Tbl";
        ASSERT_TRUE(platform.DirectoryExists(folder)) << Utf8(folder);
    }

    Win32Platform platform;
    std::u16string folder;
};

TEST_F(TablesUnderWine, SymbolDbsReadAsNatively) {
    for (const testing::SymbolDbDigest& expected : testing::kShippedSymbolDbs) {
        SCOPED_TRACE(Utf8(expected.file));
        const SymbolDb db = ReadSymbolDb(platform, folder, expected.file);
        EXPECT_EQ(db.rows.size(), expected.rows);
        EXPECT_EQ(testing::DigestOf(db), expected.hash);
    }
    // A readable sample of what the digests cover.
    const SymbolDb thai = ReadSymbolDb(platform, folder, u"DBThai.csv");
    ASSERT_FALSE(thai.rows.empty());
    EXPECT_EQ(thai.header, (SymbolDbHeader{u"タイ文字", u"Tahoma"}));
    EXPECT_EQ(thai.rows[0].glyph, u"\u0E01");
    EXPECT_EQ(thai.rows[0].englishName, u"KO\\KAI");
    EXPECT_EQ(thai.rows[0].japaneseName, u"コー・カイ（鶏）");
}

TEST_F(TablesUnderWine, CandidateFilesReadAsNatively) {
    for (const testing::CandFileDigest& expected : testing::kShippedCandFiles) {
        SCOPED_TRACE(Utf8(expected.file));
        const std::optional<CandEditTable> table = ReadCandForEditing(platform, folder, expected.file);
        ASSERT_TRUE(table.has_value());
        EXPECT_EQ(testing::DigestOf(*table), expected.hash);
    }
}

TEST_F(TablesUnderWine, InputTablesLoadAsNatively) {
    for (const testing::InputTablesDigest& expected : testing::kShippedInputTables) {
        SCOPED_TRACE(Utf8(expected.candFile));
        InputTables tables;
        tables.LoadPhoneticTables(platform, folder, expected.candFile, expected.dbFile);
        EXPECT_EQ(tables.PhCandTable.size(), expected.records);
        EXPECT_EQ(tables.PhNameTable.size(), expected.names);
        EXPECT_EQ(testing::DigestOf(tables.PhCandTable, tables.PhNameTable), expected.hash);
    }
    InputTables tables;
    tables.LoadForeignTables(platform, folder, u"CandThai2.csv", u"DBThai.csv");
    EXPECT_TRUE(IsTriggerKey(tables.GaCandTable, u'k'));
    LookupCandidates(tables.GaCandTable, u'"', tables.GaCandBuf);
    EXPECT_EQ(SingleCandidate(tables.GaCandBuf), u"\u0E49");
    EXPECT_EQ(LookupName(tables.GaNameTable, u'\u0E49', NameJapanese), u"マイ・トー");
}

TEST_F(TablesUnderWine, WritersGiveBackTheBytesTheyRead) {
    testing::TempFolder out;
    for (const testing::SymbolDbDigest& file : testing::kShippedSymbolDbs) {
        SCOPED_TRACE(Utf8(file.file));
        const SymbolDb db = ReadSymbolDb(platform, folder, file.file);
        ASSERT_TRUE(WriteSymbolDb(platform, out.At(file.file), db.header, db.groups, db.rows));
        EXPECT_TRUE(testing::ReadBytes(out.At(file.file)) ==
                    testing::ReadBytes(folder + u"\\" + file.file));
    }
    for (const testing::CandFileDigest& file : testing::kShippedCandFiles) {
        SCOPED_TRACE(Utf8(file.file));
        const std::optional<CandEditTable> table = ReadCandForEditing(platform, folder, file.file);
        ASSERT_TRUE(table.has_value());
        ASSERT_TRUE(WriteCandFile(platform, out.At(file.file), *table));
        EXPECT_TRUE(testing::ReadBytes(out.At(file.file)) ==
                    testing::ReadBytes(folder + u"\\" + file.file));
    }
}

}  // namespace
}  // namespace tess
