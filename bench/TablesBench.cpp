// The input tables: the loads of start-up, and the lookups of every key press.
//
// The shipped tables are read from the repository (TESS_SOURCE_DIR, else the
// repository this file sits in) into the fake platform, so the loads measure
// decoding and parsing, not the disk. Each is set against a baseline on the
// same bytes in the same run:
//   loads    vs  only reading the files' bytes, and reading plus decoding
//               them (code page 932) into UTF-16, and reading them from disk;
//   lookups  vs  the same number of plain loop iterations over the bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "BenchRatios.h"
#include "input/InputTables.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\Tbl";

struct Pair {
    const char16_t* cand;
    const char16_t* db;
};
// What start-up loads: the phonetic pair, then the foreign pair of the
// default language (Thai).
const std::vector<Pair> kStartup = {{u"CandAll.csv", u"DBPhonet.csv"},
                                    {u"CandThai2.csv", u"DBThai.csv"}};
// Every pair the engine can load: the phonetic one and each language's.
const std::vector<Pair> kEveryPair = {{u"CandAll.csv", u"DBPhonet.csv"},
                                      {u"CandThai2.csv", u"DBThai.csv"},
                                      {u"CandMyanmar.csv", u"DBMyanmar.csv"},
                                      {u"CandLao.csv", u"DBLao.csv"},
                                      {u"CandKhmer.csv", u"DBKhmer.csv"}};

// The repository's shipped tables, found from any working folder: the
// build names the source folder; TESS_SOURCE_DIR in the environment
// points elsewhere (another checkout with the same build).
std::filesystem::path TableFolder() {
    const char* root = std::getenv("TESS_SOURCE_DIR");
    const std::filesystem::path repo = root && *root ? root : TESS_SOURCE_DIR;
    return repo / "data" / "Tbl";
}

std::string Narrow(const std::u16string& name) { return Utf16ToUtf8(name); }

// The shipped tables in memory, loaded once.
FakePlatform& Tables() {
    static FakePlatform platform = [] {
        FakePlatform p;
        p.CreateDirectories(kFolder);
        // A missing folder leaves the platform empty; HaveTables reports it.
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(TableFolder(), error)) {
            std::ifstream in(entry.path(), std::ios::binary);
            p.PutFile(kFolder + u"\\" + Utf8ToUtf16(entry.path().filename().string()),
                      Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        }
        return p;
    }();
    return platform;
}

bool HaveTables(benchmark::State& state) {
    if (Tables().FileExists(kFolder + u"\\CandAll.csv")) return true;
    state.SkipWithError("shipped tables not found; set TESS_SOURCE_DIR to the repository");
    return false;
}

void LoadPairs(benchmark::State& state, const std::vector<Pair>& pairs) {
    if (!HaveTables(state)) return;
    FakePlatform& platform = Tables();
    for (auto _ : state) {
        InputTables tables;
        tables.LoadPhoneticTables(platform, kFolder, pairs[0].cand, pairs[0].db);
        for (std::size_t i = 1; i < pairs.size(); ++i) {
            tables.LoadForeignTables(platform, kFolder, pairs[i].cand, pairs[i].db);
        }
        benchmark::DoNotOptimize(tables);
    }
}

void ReadBytes(benchmark::State& state, const std::vector<Pair>& pairs) {
    if (!HaveTables(state)) return;
    FakePlatform& platform = Tables();
    for (auto _ : state) {
        for (const Pair& pair : pairs) {
            for (const char16_t* file : {pair.cand, pair.db}) {
                std::optional<Bytes> bytes = platform.ReadWholeFile(kFolder + u"\\" + file);
                benchmark::DoNotOptimize(bytes);
            }
        }
    }
}

void ReadAndDecode(benchmark::State& state, const std::vector<Pair>& pairs) {
    if (!HaveTables(state)) return;
    FakePlatform& platform = Tables();
    for (auto _ : state) {
        for (const Pair& pair : pairs) {
            for (const char16_t* file : {pair.cand, pair.db}) {
                std::optional<Bytes> bytes = platform.ReadWholeFile(kFolder + u"\\" + file);
                std::u16string text = DecodeTextBytes(platform, *bytes);
                benchmark::DoNotOptimize(text);
            }
        }
    }
}

void ReadFromDisk(benchmark::State& state, const std::vector<Pair>& pairs) {
    if (!HaveTables(state)) return;
    const std::filesystem::path folder = TableFolder();
    for (auto _ : state) {
        for (const Pair& pair : pairs) {
            for (const char16_t* file : {pair.cand, pair.db}) {
                std::ifstream in(folder / Narrow(file), std::ios::binary);
                Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
                benchmark::DoNotOptimize(bytes);
            }
        }
    }
}

void BM_StartupLoad(benchmark::State& state) { LoadPairs(state, kStartup); }
void BM_StartupBytes(benchmark::State& state) { ReadBytes(state, kStartup); }
void BM_StartupDecoded(benchmark::State& state) { ReadAndDecode(state, kStartup); }
void BM_StartupDisk(benchmark::State& state) { ReadFromDisk(state, kStartup); }
void BM_EveryPairLoad(benchmark::State& state) { LoadPairs(state, kEveryPair); }
void BM_EveryPairBytes(benchmark::State& state) { ReadBytes(state, kEveryPair); }
void BM_EveryPairDecoded(benchmark::State& state) { ReadAndDecode(state, kEveryPair); }
BENCHMARK(BM_StartupLoad);
BENCHMARK(BM_StartupBytes);
BENCHMARK(BM_StartupDecoded);
BENCHMARK(BM_StartupDisk);
BENCHMARK(BM_EveryPairLoad);
BENCHMARK(BM_EveryPairBytes);
BENCHMARK(BM_EveryPairDecoded);

constexpr int kCalls = 1'000'000;

// A million key presses on the Thai table: every printable ASCII key in turn,
// trigger keys and others alike, each asking IsTriggerKey and then
// LookupCandidates, as the trigger step does.
void BM_MillionLookups(benchmark::State& state) {
    if (!HaveTables(state)) return;
    InputTables tables;
    tables.LoadForeignTables(Tables(), kFolder, u"CandThai2.csv", u"DBThai.csv");
    for (auto _ : state) {
        char16_t key = u'!';
        int triggers = 0;
        for (int i = 0; i < kCalls; ++i) {
            if (IsTriggerKey(tables.GaCandTable, key)) ++triggers;
            LookupCandidates(tables.GaCandTable, key, tables.GaCandBuf);
            benchmark::DoNotOptimize(tables.GaCandBuf);
            key = key == u'~' ? u'!' : static_cast<char16_t>(key + 1);
        }
        benchmark::DoNotOptimize(triggers);
    }
    state.SetItemsProcessed(state.iterations() * kCalls);
}

// The same number of plain iterations, each touching one byte of the
// candidate file.
void BM_MillionByteSteps(benchmark::State& state) {
    if (!HaveTables(state)) return;
    const Bytes bytes = *Tables().ReadWholeFile(kFolder + u"\\CandThai2.csv");
    for (auto _ : state) {
        unsigned sum = 0;
        std::size_t at = 0;
        for (int i = 0; i < kCalls; ++i) {
            sum += static_cast<unsigned char>(bytes[at]);
            if (++at == bytes.size()) at = 0;
            benchmark::DoNotOptimize(sum);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCalls);
}
BENCHMARK(BM_MillionLookups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MillionByteSteps)->Unit(benchmark::kMillisecond);

const bool kRatios = bench::RegisterRatio("BM_StartupLoad", "BM_StartupBytes") &&
                     bench::RegisterRatio("BM_StartupLoad", "BM_StartupDecoded") &&
                     bench::RegisterRatio("BM_StartupLoad", "BM_StartupDisk") &&
                     bench::RegisterRatio("BM_EveryPairLoad", "BM_EveryPairBytes") &&
                     bench::RegisterRatio("BM_EveryPairLoad", "BM_EveryPairDecoded") &&
                     bench::RegisterRatio("BM_MillionLookups", "BM_MillionByteSteps");

}  // namespace
}  // namespace tess
