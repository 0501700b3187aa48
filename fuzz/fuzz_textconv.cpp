// Any text through the conversions of the transfer and the word books:
// none fails badly; the line-break and quote escapes give the text back when
// it held no escape of its own; the rich text body, the numeric character
// references and the code value listing read back as the text they encode.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <string>

#include "FuzzCheck.h"
#include "lib/Blanks.h"
#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace {

// Reads back "<prefix><number><suffix>" per code unit, the number in `base`;
// nothing when the text is not made of such pieces only.
std::optional<std::u16string> ReadEscapes(std::u16string_view text, std::u16string_view prefix,
                                          char16_t suffix, unsigned base) {
    std::u16string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.substr(pos, prefix.size()) != prefix) return std::nullopt;
        pos += prefix.size();
        unsigned long value = 0;
        const std::size_t start = pos;
        for (; pos < text.size() && text[pos] != suffix; ++pos) {
            const char16_t c = text[pos];
            unsigned digit;
            if (c >= u'0' && c <= u'9') digit = c - u'0';
            else if (base == 16 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
            else return std::nullopt;
            value = value * base + digit;
            if (value > 0xFFFF) return std::nullopt;
        }
        if (pos == start || pos == text.size()) return std::nullopt;
        ++pos;  // the suffix
        out.push_back(static_cast<char16_t>(value));
    }
    return out;
}


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = tess::DecodeTextBytes(platform, bytes);
    (void)tess::SplitLines(text);
    (void)tess::SplitWordBookFields(text);
    (void)tess::DecodeHexEscapes(text);

    // The rich text document: its body is the text, escaped unit by unit,
    // between the header and the closing "\f1\par}".
    const std::u16string rtf = tess::BuildRtf(222, 12, u"Tahoma", text);
    const std::u16string body = tess::RtfUnicodeEscape(text);
    FUZZ_CHECK(rtf.size() > body.size() && rtf.ends_with(body + u"\\f1\\par}"));
    FUZZ_CHECK(ReadEscapes(body, u"\\u", u'?', 10) == text);
    FUZZ_CHECK(ReadEscapes(tess::ToHexNcr(text), u"&#x", u';', 16) == text);
    FUZZ_CHECK(ReadEscapes(tess::ToDecNcr(text), u"&#", u';', 10) == text);
    // The code value listing: "/#$XXXX" per unit of the trimmed text, each
    // read back by the #$ notation as its unit.
    const std::u16string listing = tess::CodeValueText(text);
    const std::u16string_view trimmed = tess::TrimBlanks(text);
    FUZZ_CHECK(listing.size() == trimmed.size() * 7);
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const std::u16string_view piece = std::u16string_view(listing).substr(i * 7, 7);
        FUZZ_CHECK(piece.starts_with(u"/#$") && tess::IsHex4(piece.substr(3)));
        FUZZ_CHECK(tess::DecodeHexEscapes(piece.substr(1)) == std::u16string(1, trimmed[i]));
    }

    if (text.find(u"#$22") == std::u16string::npos)
        FUZZ_CHECK(tess::DecodeQuotes(tess::EncodeQuotes(text)) == text);
    // Line breaks: CR LF pairs come back; a lone LF is dropped on the way in.
    if (text.find(u"#$0D") == std::u16string::npos && text.find(u'\n') == std::u16string::npos &&
        text.find(u'\r') == std::u16string::npos)
        FUZZ_CHECK(tess::DecodeLineBreaks(tess::EncodeLineBreaks(text)) == text);
    return 0;
}
