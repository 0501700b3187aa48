// Any bytes as a symbol DB and as a candidate file: the readers, the input
// tables built from them and the editors' readers never fail badly, a
// trigger key of the loaded table finds its candidates, and the candidate
// editor's save keeps every line.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "input/InputTables.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "tables/CandFile.h"
#include "tables/SymbolDbFile.h"

namespace {
const std::u16string kTbl = u"C:\\Tbl";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kTbl);
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);
    platform.PutFile(kTbl + u"\\DBX.csv", bytes);
    platform.PutFile(kTbl + u"\\CandX.csv", bytes);

    tess::InputTables tables;
    tables.LoadForeignTables(platform, kTbl, u"CandX.csv", u"DBX.csv");
    tables.LoadPhoneticTables(platform, kTbl, u"CandX.csv", u"DBX.csv");
    for (char16_t key = u' '; key < 0x7F; ++key) {
        if (!tess::IsTriggerKey(tables.GaCandTable, key)) continue;
        tess::CandBuf buffer;
        tess::LookupCandidates(tables.GaCandTable, key, buffer);
    }
    (void)tess::ReadSymbolDb(platform, kTbl, u"DBX.csv");
    // A save never loses a line or the header: what the editor writes reads
    // back with as many lines, on the same keys, under the same mode.
    if (const auto first = tess::ReadCandForEditing(platform, kTbl, u"CandX.csv")) {
        if (tess::WriteCandFile(platform, kTbl + u"\\CandX.csv", *first)) {
            const auto second = tess::ReadCandForEditing(platform, kTbl, u"CandX.csv");
            FUZZ_CHECK(second.has_value());
            // The file is code page 932: a character it lacks is written as
            // the code page writes it.
            const std::u16string mode = platform.DecodeCodePage(
                tess::kAnsiCodePage, platform.EncodeCodePage(tess::kAnsiCodePage, first->mode));
            FUZZ_CHECK(second->mode == mode);
            const auto before = tess::CandFileLines(*first);
            const auto after = tess::CandFileLines(*second);
            FUZZ_CHECK(after.size() == before.size());
            for (std::size_t i = 0; i < first->lines.size(); ++i)
                FUZZ_CHECK(first->lines[i].HasCandidates() == second->lines[i].HasCandidates());
        }
    }
    (void)tess::SymbolLookup::Load(platform, kTbl, u"DBX.csv").Find(u'\u0E01');
    return 0;
}
