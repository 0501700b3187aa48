// Any bytes as a symbol DB and as a candidate file: the readers, the input
// tables built from them and the editors' readers never fail badly, and a
// trigger key of the loaded table finds its candidates.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "input/InputTables.h"
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
    (void)tess::ReadCandForEditing(platform, kTbl, u"CandX.csv");
    (void)tess::SymbolLookup::Load(platform, kTbl, u"DBX.csv").Find(u'\u0E01');
    return 0;
}
