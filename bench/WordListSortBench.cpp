// Sorting a 100,000-word book by a column in the word list
//   vs  std::sort of the same column's texts (copied each run, as the sort
//       of the book has them to hand).
// The foreign-word column sorts without case; the Japanese column as it is.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "BenchRatios.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/WordListModel.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\bookA";
constexpr int kEntries = 100'000;

// Words in no order: a multiplicative scramble of the index.
std::vector<WordEntry> MakeEntries() {
    std::vector<WordEntry> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        const std::u16string n = Utf8ToUtf16(std::to_string((i * 7919) % kEntries));
        WordEntry e;
        e.foreignWord = u"คำ" + n + (i % 2 ? u"Ab" : u"aB");
        e.phonetic = u"kʰam" + n;
        e.kana = u"カム" + n;
        e.japanese = u"言葉" + n;
        entries.push_back(std::move(e));
    }
    return entries;
}

struct Fixture {
    FakePlatform platform;
    std::vector<WordEntry> entries = MakeEntries();
    Fixture() {
        platform.CreateDirectories(kFolder);
        WriteNewWordBook(platform, kFolder + u"\\big.utx", u"大", u"", u"", entries);
    }
};

Fixture& Big() {
    static Fixture fixture;
    return fixture;
}

void SortColumn(benchmark::State& state, int column) {
    Fixture& f = Big();
    WordListModel list;
    list.Store().Load(f.platform, kFolder, u"big.utx");
    list.SetForeignFirst(true);
    for (auto _ : state) {
        list.SortByColumn(column, f.platform);
        benchmark::DoNotOptimize(list.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BaselineSort(benchmark::State& state, std::u16string WordEntry::*field) {
    Fixture& f = Big();
    for (auto _ : state) {
        std::vector<std::u16string> keys;
        keys.reserve(f.entries.size());
        for (const WordEntry& e : f.entries) keys.push_back(e.*field);
        std::sort(keys.begin(), keys.end());
        benchmark::DoNotOptimize(keys.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_WordListSortJapanese(benchmark::State& state) { SortColumn(state, 4); }
void BM_WordListSortForeign(benchmark::State& state) { SortColumn(state, 0); }
void BM_StdSortJapaneseKeys(benchmark::State& state) { BaselineSort(state, &WordEntry::japanese); }
void BM_StdSortForeignKeys(benchmark::State& state) { BaselineSort(state, &WordEntry::foreignWord); }

BENCHMARK(BM_WordListSortJapanese)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortJapaneseKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordListSortForeign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortForeignKeys)->Unit(benchmark::kMillisecond);

const bool kRatios =
    bench::RegisterRatio("BM_WordListSortJapanese", "BM_StdSortJapaneseKeys") &&
    bench::RegisterRatio("BM_WordListSortForeign", "BM_StdSortForeignKeys");

}  // namespace
}  // namespace tess
