#include "lib/TextFile.h"

#include <cstring>

namespace tess {

Lines SplitLines(std::u16string_view text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    // A last line without terminator is still a line.
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[k]); };
    while (i < n) {
        unsigned char b = byte(i);
        char32_t cp;
        std::size_t len;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        bool ok = i + len <= n;
        for (std::size_t k = 1; ok && k < len; ++k) {
            unsigned char c = byte(i + k);
            if ((c & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (c & 0x3F);
        }
        // Reject overlong forms, surrogates and values beyond Unicode.
        static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (ok && (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (!ok) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;  // a lone surrogate has no UTF-8 form
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

namespace {

std::u16string DecodeUtf16(const Bytes& bytes, std::size_t start, bool bigEndian) {
    std::u16string out;
    out.reserve((bytes.size() - start) / 2);
    // An odd trailing byte cannot form a code unit and is dropped.
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        auto lo = static_cast<unsigned char>(bytes[i + (bigEndian ? 1 : 0)]);
        auto hi = static_cast<unsigned char>(bytes[i + (bigEndian ? 0 : 1)]);
        out.push_back(static_cast<char16_t>(lo | (hi << 8)));
    }
    return out;
}

bool StartsWith(const Bytes& bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && bytes.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::u16string DecodeUtf16LE(const Bytes& bytes) {
    return DecodeUtf16(bytes, StartsWith(bytes, "\xFF\xFE") ? 2 : 0, false);
}

Utf16LEUnits Utf16LEUnits::OfFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) bytes.remove_prefix(2);
    return Utf16LEUnits(bytes);
}

Utf16LEUnits Utf16LEUnits::From(std::size_t pos) const {
    Utf16LEUnits rest;
    if (pos < size_) {
        rest.bytes_ = bytes_ + 2 * pos;
        rest.size_ = size_ - pos;
    }
    return rest;
}

std::u16string Utf16LEUnits::Decode(std::size_t pos, std::size_t count) const {
    std::u16string text(count, u'\0');
    for (std::size_t i = 0; i < count; ++i) text[i] = (*this)[pos + i];
    return text;
}

std::size_t Utf16LEUnits::Count(char16_t unit) const {
    // memchr finds the candidates for the low byte, at either offset.
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    const char* const begin = bytes_;
    const char* const end = bytes_ + 2 * size_;
    std::size_t count = 0;
    for (const char* p = begin; p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, low, static_cast<std::size_t>(end - p)));
        if (!p) break;
        if ((p - begin) % 2 == 0 && p[1] == high) ++count;
    }
    return count;
}

std::u16string DecodeTextBytes(Platform& platform, const Bytes& bytes, TextEncoding* detected) {
    TextEncoding encoding = TextEncoding::Ansi;
    std::u16string text;
    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        encoding = TextEncoding::Utf8;
        text = Utf8ToUtf16(std::string_view(bytes).substr(3));
    } else if (StartsWith(bytes, "\xFF\xFE")) {
        encoding = TextEncoding::Utf16LE;
        text = DecodeUtf16(bytes, 2, false);
    } else if (StartsWith(bytes, "\xFE\xFF")) {
        encoding = TextEncoding::Utf16BE;
        text = DecodeUtf16(bytes, 2, true);
    } else {
        text = platform.DecodeCodePage(kAnsiCodePage, bytes);
    }
    if (detected) *detected = encoding;
    return text;
}

std::optional<Lines> ReadTextLines(Platform& platform, const std::u16string& path) {
    std::optional<Bytes> bytes = platform.ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return SplitLines(DecodeTextBytes(platform, *bytes));
}

Bytes EncodeAnsiLines(Platform& platform, const Lines& lines) {
    std::u16string text;
    for (const auto& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return platform.EncodeCodePage(kAnsiCodePage, text);
}

Bytes EncodeUtf16Lines(const Lines& lines) {
    std::size_t units = 1;  // the mark
    for (const auto& line : lines) units += line.size() + 2;
    Bytes out(units * 2, '\0');
    std::size_t at = 0;
    auto put = [&out, &at](char16_t c) {
        out[at++] = static_cast<char>(c & 0xFF);
        out[at++] = static_cast<char>(c >> 8);
    };
    put(u'\uFEFF');
    for (const auto& line : lines) {
        for (char16_t c : line) put(c);
        put(u'\r');
        put(u'\n');
    }
    return out;
}

bool WriteAnsiLines(Platform& platform, const std::u16string& path, const Lines& lines) {
    return platform.ReplaceFileContents(path, EncodeAnsiLines(platform, lines));
}

bool WriteUtf16Lines(Platform& platform, const std::u16string& path, const Lines& lines) {
    return platform.ReplaceFileContents(path, EncodeUtf16Lines(lines));
}

}  // namespace tess
