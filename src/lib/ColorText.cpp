#include "lib/ColorText.h"

namespace tess {

namespace {

constexpr char16_t kUpperHexDigits[] = u"0123456789ABCDEF";

bool IsUpperHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

// For upper-case hexadecimal digits only; IsHexColorText has vouched for them.
unsigned UpperHexValue(char16_t c) {
    return c <= u'9' ? static_cast<unsigned>(c - u'0') : static_cast<unsigned>(c - u'A' + 10);
}

std::uint8_t ByteAt(std::u16string_view text, std::size_t pos) {
    return static_cast<std::uint8_t>(UpperHexValue(text[pos]) * 16 + UpperHexValue(text[pos + 1]));
}

}  // namespace

std::u16string ColorToHexText(Color color) {
    std::u16string text = u"#";
    for (int shift : {0, 8, 16}) {  // red, green, blue
        const unsigned byte = (color >> shift) & 0xFF;
        text += kUpperHexDigits[byte >> 4];
        text += kUpperHexDigits[byte & 0xF];
    }
    return text;
}

bool IsHexColorText(std::u16string_view text) {
    if (text.size() != 7 || text[0] != u'#') return false;
    for (std::size_t i = 1; i < 7; ++i) {
        if (!IsUpperHexDigit(text[i])) return false;
    }
    return true;
}

Color HexTextToColor(std::u16string_view text) {
    if (!IsHexColorText(text)) return kWindowTextColor;
    return MakeColor(ByteAt(text, 1), ByteAt(text, 3), ByteAt(text, 5));
}

}  // namespace tess
