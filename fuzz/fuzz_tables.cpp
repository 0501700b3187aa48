// Any bytes as a symbol DB and as a candidate file: the readers, the input
// tables built from them and the editors' readers never fail badly, a
// trigger key of the loaded table finds its candidates, and each file loaded,
// saved and loaded again holds what it did. The files are code page 932, so a
// character the code page lacks comes back as the code page writes it; the
// symbol DB writer leaves out rows whose code is not valid.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "input/InputTables.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "tables/CandFile.h"
#include "tables/SymbolDbFile.h"

namespace {
const std::u16string kTbl = u"C:\\Tbl";

// A value as it reads back from a code page 932 file.
std::u16string Stored(tess::Platform& platform, const std::u16string& value) {
    return platform.DecodeCodePage(tess::kAnsiCodePage,
                                   platform.EncodeCodePage(tess::kAnsiCodePage, value));
}

void SymbolDbLaw(tess::FakePlatform& platform) {
    const tess::SymbolDb first = tess::ReadSymbolDb(platform, kTbl, u"DBX.csv");
    FUZZ_CHECK(tess::WriteSymbolDb(platform, kTbl + u"\\DBY.csv", first.header, first.groups,
                                   first.rows));
    const tess::SymbolDb second = tess::ReadSymbolDb(platform, kTbl, u"DBY.csv");

    FUZZ_CHECK(second.hasHeader);
    FUZZ_CHECK(second.header.scriptName == Stored(platform, first.header.scriptName));
    FUZZ_CHECK(second.header.glyphFont == Stored(platform, first.header.glyphFont));
    FUZZ_CHECK(second.groups.size() == first.groups.size());
    for (std::size_t i = 0; i < first.groups.size(); ++i) {
        FUZZ_CHECK(second.groups[i].number == first.groups[i].number);
        FUZZ_CHECK(second.groups[i].name == Stored(platform, first.groups[i].name));
    }
    std::size_t next = 0;
    for (const tess::SymbolDbRow& row : first.rows) {
        if (!tess::IsHex4(row.code)) continue;
        FUZZ_CHECK(next < second.rows.size());
        const tess::SymbolDbRow& back = second.rows[next++];
        FUZZ_CHECK(back.group == row.group);
        FUZZ_CHECK(back.code == row.code);
        FUZZ_CHECK(back.glyph == row.glyph);
        FUZZ_CHECK(back.englishName == Stored(platform, row.englishName));
        FUZZ_CHECK(back.japaneseName == Stored(platform, row.japaneseName));
        FUZZ_CHECK(back.auxClass == Stored(platform, row.auxClass));
        FUZZ_CHECK(back.note == Stored(platform, row.note));
    }
    FUZZ_CHECK(next == second.rows.size());
}

void CandFileLaw(tess::FakePlatform& platform) {
    const auto first = tess::ReadCandForEditing(platform, kTbl, u"CandX.csv");
    if (!first) return;
    FUZZ_CHECK(tess::WriteCandFile(platform, kTbl + u"\\CandX.csv", *first));
    const auto second = tess::ReadCandForEditing(platform, kTbl, u"CandX.csv");
    FUZZ_CHECK(second.has_value());
    FUZZ_CHECK(second->pairedDb == Stored(platform, first->pairedDb));
    FUZZ_CHECK(second->mode == Stored(platform, first->mode));
    FUZZ_CHECK(second->lines.size() == first->lines.size());
    for (std::size_t i = 0; i < first->lines.size(); ++i) {
        FUZZ_CHECK(second->lines[i].keyField == first->lines[i].keyField);
        for (std::size_t k = 0; k < first->lines[i].codes.size(); ++k)
            FUZZ_CHECK(second->lines[i].codes[k] == Stored(platform, first->lines[i].codes[k]));
    }
    // The input engine finds the same entries in both.
    FUZZ_CHECK(tess::LoadCandEntries(platform, kTbl, u"CandX.csv").size() ==
               [&] {
                   std::size_t withCandidates = 0;
                   for (const tess::CandLine& line : first->lines)
                       withCandidates += line.HasCandidates() && !line.keyField.empty();
                   return withCandidates;
               }());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kTbl);
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);
    platform.PutFile(kTbl + u"\\DBX.csv", bytes);
    platform.PutFile(kTbl + u"\\CandX.csv", bytes);

    tess::InputTables tables;
    // The phonetic area loads through the same routine.
    tables.LoadForeignTables(platform, kTbl, u"CandX.csv", u"DBX.csv");
    for (char16_t key = u' '; key < 0x7F; ++key) {
        if (!tess::IsTriggerKey(tables.GaCandTable, key)) continue;
        tess::CandBuf buffer;
        tess::LookupCandidates(tables.GaCandTable, key, buffer);
    }
    (void)tess::SymbolLookup::Load(platform, kTbl, u"DBX.csv").Find(u'\u0E01');
    SymbolDbLaw(platform);
    CandFileLaw(platform);
    return 0;
}
