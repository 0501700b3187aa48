// A big word book: 100,000 entries, generated once into the fake platform so
// that the runs measure decoding, splitting and formatting, not the disk.
//   load  vs  reading the same bytes and decoding them as UTF-16 LE into one
//             text (the least a load that decodes first must do; the loader
//             reads the units where they lie instead);
//   save  vs  encoding the same lines into the bytes of the file (what is
//             left when the entries are already stored lines).
#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <string>
#include <vector>

#include "BenchRatios.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\bookA";
const std::u16string kName = u"big.utx";
constexpr int kEntries = 100'000;

// Words of realistic length in each script; every 50th Japanese field holds a
// quote and every 20th note spans lines, as typed ones do now and then.
std::vector<WordEntry> MakeEntries() {
    std::vector<WordEntry> entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        const std::u16string n = Utf8ToUtf16(std::to_string(i));
        WordEntry e;
        e.foreignWord = u"สวัสดีครับ" + n;
        e.phonetic = u"sa.wàt.diː kʰráp";
        e.kana = u"サワッディー・クラップ";
        e.japanese = i % 50 == 0 ? u"「こんにちは」\"丁寧\"" + n : u"こんにちは（男性）" + n;
        e.note = i % 20 == 0 ? u"挨拶#$0D朝も夜も使う" : u"";
        e.audioFile = i % 3 == 0 ? u"w" + n + u".mp3" : u"";
        e.textColor = i % 7 == 0 ? u"#FF0000" : u"";
        entries.push_back(std::move(e));
    }
    return entries;
}

struct Fixture {
    FakePlatform platform;
    std::vector<WordEntry> entries = MakeEntries();
    Lines lines;
};

// glibc hands big freed blocks back to the system or keeps them depending
// on what was freed before, so the same read-and-decode measured 8 ms after
// one load benchmark and 24 ms after another, all of it page faults. Both
// sides of each ratio run with freed memory kept, so that they compare the
// work and not the kernel.
void KeepFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

Fixture& Big() {
    static Fixture fixture = [] {
        KeepFreedMemory();
        Fixture f;
        f.platform.CreateDirectories(kFolder);
        WriteNewWordBook(f.platform, kFolder + u"\\" + kName, u"大きな単語帳", u"その他", u"",
                         f.entries);
        f.lines = WordBookLines(u"大きな単語帳", u"その他", u"", f.entries);
        return f;
    }();
    return fixture;
}

void BM_WordBookLoad(benchmark::State& state) {
    Fixture& f = Big();
    for (auto _ : state) {
        WordBookStore store;
        WordBookLoad load = store.Load(f.platform, kFolder, kName);
        benchmark::DoNotOptimize(load);
        benchmark::DoNotOptimize(store.Book().entries.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_WordBookReadDecoded(benchmark::State& state) {
    Fixture& f = Big();
    for (auto _ : state) {
        std::optional<Bytes> bytes = f.platform.ReadWholeFile(kFolder + u"\\" + kName);
        std::u16string text = DecodeUtf16LE(*bytes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_WordBookSave(benchmark::State& state) {
    Fixture& f = Big();
    WordBookStore store;
    store.Load(f.platform, kFolder, kName);
    for (auto _ : state) {
        bool saved = store.Save(f.platform);
        benchmark::DoNotOptimize(saved);
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_WordBookEncodeLines(benchmark::State& state) {
    Fixture& f = Big();
    for (auto _ : state) {
        Bytes bytes = EncodeUtf16Lines(f.lines);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

BENCHMARK(BM_WordBookLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordBookReadDecoded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordBookSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordBookEncodeLines)->Unit(benchmark::kMillisecond);

const bool kRatios = bench::RegisterRatio("BM_WordBookLoad", "BM_WordBookReadDecoded") &&
                     bench::RegisterRatio("BM_WordBookSave", "BM_WordBookEncodeLines");

}  // namespace
}  // namespace tess
