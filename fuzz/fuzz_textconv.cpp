// Any text through the conversions of the transfer and the word books:
// none fails badly, and the line-break and quote escapes give the text back
// when it held no escape of its own.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = tess::DecodeTextBytes(platform, bytes);
    (void)tess::SplitLines(text);
    (void)tess::SplitWordBookFields(text);
    (void)tess::BuildRtf(222, 12, u"Tahoma", text);
    (void)tess::ToHexNcr(text);
    (void)tess::ToDecNcr(text);
    (void)tess::CodeValueText(text);
    (void)tess::DecodeHexEscapes(text);

    if (text.find(u"#$22") == std::u16string::npos)
        FUZZ_CHECK(tess::DecodeQuotes(tess::EncodeQuotes(text)) == text);
    // Line breaks: CR LF pairs come back; a lone LF is dropped on the way in.
    if (text.find(u"#$0D") == std::u16string::npos && text.find(u'\n') == std::u16string::npos &&
        text.find(u'\r') == std::u16string::npos)
        FUZZ_CHECK(tess::DecodeLineBreaks(tess::EncodeLineBreaks(text)) == text);
    return 0;
}
