// Searching a folder of 40 word books holding 1,000,000 words in all,
// written once into the fake platform so that the runs measure the search,
// not the disk:
//   search        vs  reading the same 40 files and decoding each as UTF-16 LE
//                     into one text (the least a search that decodes first
//                     must do; the search compares the units where they lie);
//   a few hits    the Japanese field, a word in one entry of a thousand;
//   every entry   a text every Japanese field holds: a million rows made.
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
#include "wordbook/WordSearch.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\bookA";
constexpr int kBooks = 40;
constexpr int kWordsPerBook = 25'000;
constexpr int kJapaneseField = 3;

// Words of realistic length in each script, as in the word book benchmark;
// one Japanese field in a thousand says "挨拶".
std::vector<WordEntry> MakeEntries(int book) {
    std::vector<WordEntry> entries;
    entries.reserve(kWordsPerBook);
    for (int i = 0; i < kWordsPerBook; ++i) {
        const std::u16string n = Utf8ToUtf16(std::to_string(book * kWordsPerBook + i));
        WordEntry e;
        e.foreignWord = u"สวัสดีครับ" + n;
        e.phonetic = u"sa.wàt.diː kʰráp";
        e.kana = u"サワッディー・クラップ";
        e.japanese = i % 1000 == 0   ? u"挨拶の言葉" + n
                     : i % 50 == 0 ? u"「こんにちは」\"丁寧\"" + n
                                   : u"こんにちは（男性）" + n;
        e.note = i % 20 == 0 ? u"挨拶#$0D朝も夜も使う" : u"";
        e.audioFile = i % 3 == 0 ? u"w" + n + u".mp3" : u"";
        e.textColor = i % 7 == 0 ? u"#FF0000" : u"";
        entries.push_back(std::move(e));
    }
    return entries;
}

std::u16string BookName(int book) { return u"book" + Utf8ToUtf16(std::to_string(book)) + u".utx"; }

// Both sides of each ratio run with freed memory kept (see the word book
// benchmark): the kernel's page faults are not the work compared.
void KeepFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

FakePlatform& Folder() {
    static FakePlatform platform = [] {
        KeepFreedMemory();
        FakePlatform p;
        p.CreateDirectories(kFolder);
        for (int book = 0; book < kBooks; ++book)
            WriteNewWordBook(p, kFolder + u"\\" + BookName(book),
                             u"単語帳" + Utf8ToUtf16(std::to_string(book)), u"その他", u"",
                             MakeEntries(book));
        return p;
    }();
    return platform;
}

void Search(benchmark::State& state, const std::u16string& text, std::size_t expectedRows) {
    FakePlatform& platform = Folder();
    for (auto _ : state) {
        // As the search window runs it: book by book, the rows made only
        // when the list draws them.
        FolderSearch search(platform, kFolder, kJapaneseField, text);
        search.Run();
        if (search.Hits().size() != expectedRows) state.SkipWithError("unexpected number of hits");
        benchmark::DoNotOptimize(search.Hits().size());
    }
    state.SetItemsProcessed(state.iterations() * kBooks * kWordsPerBook);
}

void BM_WordSearchFewHits(benchmark::State& state) {
    Search(state, u"挨拶", static_cast<std::size_t>(kBooks * kWordsPerBook / 1000));
}

void BM_WordSearchEveryEntry(benchmark::State& state) {
    Search(state, u"こ", static_cast<std::size_t>(kBooks * kWordsPerBook) -
                              static_cast<std::size_t>(kBooks * kWordsPerBook / 1000));
}

void BM_WordSearchReadDecoded(benchmark::State& state) {
    FakePlatform& platform = Folder();
    for (auto _ : state) {
        for (const std::u16string& name : platform.ListFiles(kFolder, u"*.utx")) {
            std::optional<Bytes> bytes = platform.ReadWholeFile(kFolder + u"\\" + name);
            std::u16string text = DecodeUtf16LE(*bytes);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kBooks * kWordsPerBook);
}

BENCHMARK(BM_WordSearchFewHits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearchEveryEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordSearchReadDecoded)->Unit(benchmark::kMillisecond);

const bool kRatios = bench::RegisterRatio("BM_WordSearchFewHits", "BM_WordSearchReadDecoded") &&
                     bench::RegisterRatio("BM_WordSearchEveryEntry", "BM_WordSearchReadDecoded");

}  // namespace
}  // namespace tess
