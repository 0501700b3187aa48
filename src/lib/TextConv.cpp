#include "lib/TextConv.h"

#include <utility>

#include "lib/Blanks.h"
#include "lib/TextFile.h"

namespace tess {

namespace {

constexpr char16_t kUpperHexDigits[] = u"0123456789ABCDEF";

void AppendDecimal(std::u16string& out, long long value) {
    if (value < 0) {
        out += u'-';
    }
    // Digits of the magnitude, built from the low end; unsigned keeps the
    // most negative value safe.
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                  : static_cast<unsigned long long>(value);
    char16_t digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0) {
        out += digits[--count];
    }
}

void AppendHex4(std::u16string& out, char16_t code) {
    out += kUpperHexDigits[(code >> 12) & 0xF];
    out += kUpperHexDigits[(code >> 8) & 0xF];
    out += kUpperHexDigits[(code >> 4) & 0xF];
    out += kUpperHexDigits[code & 0xF];
}

// -1 when `c` is not a hexadecimal digit of either case.
int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

bool IsUpperHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

std::u16string_view CharsetText(int charset) {
    switch (charset) {
        case 222: return u"222";
        case 204: return u"204";
        case 129: return u"129";
        case 163: return u"163";
        case 134: return u"134";
        case 162: return u"162";
        case 161: return u"161";
        case 1: return u"1";
        default: return u"0";
    }
}

std::u16string Replaced(std::u16string_view text, std::u16string_view find,
                        std::u16string_view replacement) {
    std::u16string result(text);
    ReplaceAll(result, find, replacement);
    return result;
}

}  // namespace

std::u16string BuildRtf(int charset, int sizePt, const std::u16string& fontName,
                        const std::u16string& text) {
    std::u16string rtf =
        u"{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
        u"{\\fonttbl{\\f0\\fnil\\fcharset";
    rtf += CharsetText(charset);
    rtf += u' ';
    rtf += fontName;
    rtf += u";}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs";
    // RTF counts half-points; widened so that no size can overflow.
    AppendDecimal(rtf, 2LL * sizePt);
    rtf += RtfUnicodeEscape(text);
    rtf += u"\\f1\\par}";
    return rtf;
}

std::u16string RtfUnicodeEscape(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() * 8);
    for (char16_t c : text) {
        // The unsigned value: "\u65288?" for U+FF08, never the negative
        // form some RTF writers use above U+7FFF.
        out += u"\\u";
        AppendDecimal(out, static_cast<long long>(c));
        out += u'?';
    }
    return out;
}

bool WriteWorkRtf(Platform& platform, const std::u16string& sysFolder, int charset,
                  int sizePt, const std::u16string& fontName, const std::u16string& text) {
    return WriteAnsiLines(platform, sysFolder + u"\\Work.rtf",
                          Lines{BuildRtf(charset, sizePt, fontName, text)});
}

std::u16string ToHexNcr(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() * 8);
    for (char16_t c : text) {
        out += u"&#x";
        AppendHex4(out, c);
        out += u';';
    }
    return out;
}

std::u16string ToDecNcr(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() * 8);
    for (char16_t c : text) {
        out += u"&#";
        AppendDecimal(out, static_cast<long long>(c));
        out += u';';
    }
    return out;
}

std::u16string CodeValueText(std::u16string_view text) {
    const std::u16string_view trimmed = TrimBlanks(text);
    std::u16string out;
    out.reserve(trimmed.size() * 7);
    for (char16_t c : trimmed) {
        out += u"/#$";
        AppendHex4(out, c);
    }
    return out;
}

std::u16string EncodeLineBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c == u'\r') {
            out += u"#$0D";
        } else if (c != u'\n') {
            out += c;
        }
    }
    return out;
}

std::u16string DecodeLineBreaks(std::u16string_view text) {
    return Replaced(text, u"#$0D", u"\r\n");
}

std::u16string EncodeQuotes(std::u16string_view text) {
    return Replaced(text, u"\"", u"#$22");
}

std::u16string DecodeQuotes(std::u16string_view text) {
    return Replaced(text, u"#$22", u"\"");
}

std::u16string DecodeHexEscapes(std::u16string_view text) {
    // One pass with the same result as searching again from the beginning
    // after every step. `out` is the text before the read position and never
    // holds a "#$": each one is resolved the moment it appears, and the only
    // new "#$" a step can make is the last character of `out` joined with
    // the next one, which the following push checks. Linear in the length.
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    auto endsWithMarker = [&out] {
        return out.size() >= 2 && out[out.size() - 2] == u'#' && out.back() == u'$';
    };
    while (pos < text.size()) {
        out += text[pos++];
        while (endsWithMarker()) {
            out.resize(out.size() - 2);
            if (text.size() - pos >= 4 && IsHex4(text.substr(pos, 4))) {
                out += Hex4ToCode(text.substr(pos, 4));
                pos += 4;
                // The decoded character may itself be a "$" after a "#".
                continue;
            }
            break;  // just the "#$" goes; what followed is read normally
        }
    }
    return out;
}

bool IsHex4(std::u16string_view text) {
    if (text.size() != 4) return false;
    for (char16_t c : text) {
        if (!IsUpperHexDigit(c)) return false;
    }
    return true;
}

char16_t Hex4ToCode(std::u16string_view text) {
    if (text.size() != 4) return 0;
    unsigned value = 0;
    for (char16_t c : text) {
        int digit = HexDigitValue(c);
        if (digit < 0) return 0;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<char16_t>(value);
}

int CharsetOfScriptName(std::u16string_view name) {
    if (name == u"タイ文字") return 222;
    if (name == u"キリル文字") return 204;
    if (name == u"ハングル") return 129;
    if (name == u"ベトナム文字") return 163;
    return 0;
}

void ReplaceAll(std::u16string& text, std::u16string_view find,
                std::u16string_view replacement) {
    if (find.empty()) return;

    if (replacement.size() >= find.size()) {
        // "Replace the first occurrence and search again from the start" only
        // surely ends when every step shortens the text. A replacement that
        // contains `find` would be found again forever, and even one that
        // does not can feed itself with its neighbours ("aba" -> "baab" grows
        // "aaba" without end). So here each occurrence of the original text
        // is replaced once, left to right, continuing after the replacement.
        // For a one-character `find` (every caller's case) both readings give
        // the same text.
        std::u16string out;
        out.reserve(text.size());
        std::size_t from = 0;
        for (std::size_t at = text.find(find); at != std::u16string::npos;
             at = text.find(find, from)) {
            out.append(text, from, at - from);
            out += replacement;
            from = at + find.size();
        }
        out.append(text, from, std::u16string::npos);
        text = std::move(out);
        return;
    }

    // A shorter replacement: the first occurrence from the start, again and
    // again, in one pass. `out` holds the text before the read position and
    // never contains `find`, so the first occurrence of the whole text is the
    // first time `out` ends with `find` while characters are pushed one by
    // one (occurrences all have the same length, so the first to end is the
    // first to start). The replacement goes back in front of the unread text
    // and is pushed the same way, since it can join the end of `out` into a
    // new occurrence: "abb" with "ab" -> "a" gives "a".
    std::u16string out;
    out.reserve(text.size());
    std::u16string pending(text.rbegin(), text.rend());  // next character at the back
    const std::u16string reversedReplacement(replacement.rbegin(), replacement.rend());
    while (!pending.empty()) {
        out += pending.back();
        pending.pop_back();
        if (out.size() >= find.size() &&
            std::u16string_view(out).substr(out.size() - find.size()) == find) {
            out.resize(out.size() - find.size());
            pending += reversedReplacement;
        }
    }
    text = std::move(out);
}

}  // namespace tess
