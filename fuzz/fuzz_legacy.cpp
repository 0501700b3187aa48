// Any bytes as a legacy word book of each layout: the converter's reader
// never fails badly, and the word book reader reads every converted word
// back as it was read (the converter loses and changes no word).
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/LegacyConverter.h"

namespace {
const std::u16string kSource = u"C:\\old";
const std::u16string kDest = u"C:\\new";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kSource);
    platform.CreateDirectories(kDest);
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);
    for (const char16_t* name : {u"a.twd", u"a.kwd", u"a.tud"}) {
        platform.PutFile(kSource + u"\\" + name, bytes);
        const auto legacy = tess::ReadLegacyBook(platform, kSource + u"\\" + name);
        if (!legacy) continue;
        const tess::Lines lines =
            tess::WordBookLines(legacy->title, u"", legacy->audioFolder, legacy->entries);
        FUZZ_CHECK(tess::WriteUtf16Lines(platform, kDest + u"\\a.utx", lines));
        const auto book = tess::ReadWordBookFile(platform, kDest, u"a.utx");
        FUZZ_CHECK(book);
        FUZZ_CHECK(book->book.entries == legacy->entries);
        FUZZ_CHECK(book->book.title == legacy->title);
        FUZZ_CHECK(book->book.keptLines.empty());
    }
    return 0;
}
