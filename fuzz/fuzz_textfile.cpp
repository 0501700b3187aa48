// Any bytes as a text file: the decoder and the line splitter never fail
// badly, both writers' bytes read back as the lines written, and the readers
// that take big files apart where they lie agree with the plain ones.
#include <array>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "lib/FieldSplit.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace {

bool StartsWithMark(const tess::Bytes& bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
           bytes.starts_with("\xFE\xFF");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);

    const tess::Lines lines = tess::SplitLines(tess::DecodeTextBytes(platform, bytes));
    for (const std::u16string& line : lines)
        FUZZ_CHECK(line.find_first_of(u"\r\n") == std::u16string::npos);
    platform.PutFile(u"C:\\f.txt", bytes);
    FUZZ_CHECK(tess::ReadTextLines(platform, u"C:\\f.txt") == lines);

    // The UTF-16 writer keeps every line.
    FUZZ_CHECK(tess::SplitLines(tess::DecodeTextBytes(platform, tess::EncodeUtf16Lines(lines))) ==
               lines);
    // The code page writer keeps every line the code page holds.
    bool ansiHoldsAll = true;
    for (const std::u16string& line : lines) {
        const tess::Bytes encoded = platform.EncodeCodePage(tess::kAnsiCodePage, line);
        ansiHoldsAll = ansiHoldsAll && platform.DecodeCodePage(tess::kAnsiCodePage, encoded) == line;
    }
    const tess::Bytes ansi = tess::EncodeAnsiLines(platform, lines);
    if (ansiHoldsAll && !StartsWithMark(ansi))
        FUZZ_CHECK(tess::SplitLines(tess::DecodeTextBytes(platform, ansi)) == lines);

    // Word books are read as UTF-16 whatever they hold: the cursor over the
    // bytes gives the lines of the decoded text, and the quick field split
    // gives the fields of the full one wherever it takes a line.
    const tess::Lines utf16 = tess::SplitLines(tess::DecodeUtf16LE(bytes));
    const tess::Utf16LEUnits units = tess::Utf16LEUnits::OfFile(bytes);
    tess::Utf16LineCursor cursor(units);
    std::size_t index = 0;
    while (!cursor.AtEnd()) {
        const tess::Utf16LEUnits rest = cursor.Rest();
        const std::u16string line = cursor.NextLine();
        FUZZ_CHECK(index < utf16.size() && line == utf16[index]);
        ++index;
        for (std::size_t count : {1u, 7u}) {
            std::array<tess::QuotedField, 7> fields;
            const std::span<tess::QuotedField> wanted(fields.data(), count);
            const std::size_t length = tess::SplitPlainQuotedLine(rest, wanted);
            FUZZ_CHECK(length == tess::SplitPlainQuotedLine(std::u16string_view(line), wanted));
            if (length == std::u16string_view::npos) continue;
            FUZZ_CHECK(length == line.size());
            const std::vector<std::u16string> full = tess::SplitWordBookFields(line);
            FUZZ_CHECK(full.size() == count);
            for (std::size_t i = 0; i < count; ++i) {
                FUZZ_CHECK(line.substr(fields[i].pos, fields[i].size) == full[i]);
                FUZZ_CHECK(fields[i].hasNumberSign == (full[i].find(u'#') != std::u16string::npos));
            }
        }
    }
    FUZZ_CHECK(index == utf16.size());
    return 0;
}
