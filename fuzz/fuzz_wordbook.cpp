// Any bytes as a word book: the reader never fails badly, and what the
// program saves of a book it loaded loads back as the same book (a save
// never writes a line its own reader drops or changes). The search, which
// reads the file's bytes where they lie, finds a word by its foreign text and
// numbers every hit as the word list numbers the word it opens.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordSearch.h"

namespace {
const std::u16string kFolder = u"C:\\books";

void SearchLaw(const tess::Bytes& bytes, const tess::WordBook& book) {
    if (book.entries.empty()) return;
    // The first word's foreign text; a text holding a double quote is stored
    // as "#$22" and searched for as stored, so it is left out here.
    const std::u16string& text = book.entries.front().foreignWord;
    if (text.empty() || text.find(u'"') != std::u16string::npos) return;
    tess::SearchHits hits;
    FUZZ_CHECK(tess::SearchBookBytes(bytes, 0, text, hits));
    bool firstFound = false;
    for (const tess::SearchHit& hit : hits.Rows()) {
        FUZZ_CHECK(hit.number >= 1 && hit.number <= book.entries.size());
        FUZZ_CHECK(hit.entry == book.entries[hit.number - 1]);
        firstFound = firstFound || (hit.number == 1 && hit.exact);
    }
    FUZZ_CHECK(firstFound);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kFolder);
    platform.PutFile(kFolder + u"\\f.utx", tess::Bytes(reinterpret_cast<const char*>(data), size));

    tess::WordBookStore store;
    if (store.Load(platform, kFolder, u"f.utx").result != tess::WordBookLoadResult::Loaded) return 0;
    const tess::WordBook first = store.Book();
    SearchLaw(tess::Bytes(reinterpret_cast<const char*>(data), size), first);
    FUZZ_CHECK(store.Save(platform));

    tess::WordBookStore again;
    FUZZ_CHECK(again.Load(platform, kFolder, u"f.utx").result == tess::WordBookLoadResult::Loaded);
    FUZZ_CHECK(again.Book() == first);
    // The book list counts what the file holds: the same before and after.
    const auto file = tess::ReadWordBookFile(platform, kFolder, u"f.utx");
    FUZZ_CHECK(file && file->lineCount == first.entries.size() + first.keptLines.size());
    return 0;
}
