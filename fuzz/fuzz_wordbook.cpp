// Any bytes as a word book: the reader never fails badly, and what the
// program saves of a book it loaded loads back as the same book (a save
// never writes a line its own reader drops or changes).
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/WordBookFile.h"

namespace {
const std::u16string kFolder = u"C:\\books";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kFolder);
    platform.PutFile(kFolder + u"\\f.utx", tess::Bytes(reinterpret_cast<const char*>(data), size));

    tess::WordBookStore store;
    if (store.Load(platform, kFolder, u"f.utx").result != tess::WordBookLoadResult::Loaded) return 0;
    const tess::WordBook first = store.Book();
    FUZZ_CHECK(store.Save(platform));

    tess::WordBookStore again;
    FUZZ_CHECK(again.Load(platform, kFolder, u"f.utx").result == tess::WordBookLoadResult::Loaded);
    FUZZ_CHECK(again.Book() == first);
    // The book list counts what the file holds: the same before and after.
    const auto file = tess::ReadWordBookFile(platform, kFolder, u"f.utx");
    FUZZ_CHECK(file && file->lineCount == first.entries.size() + first.keptLines.size());
    return 0;
}
