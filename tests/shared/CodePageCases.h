// The same code page cases for the native (iconv) and the Windows
// (MultiByteToWideChar) conversions: both must decode these bytes to exactly
// this text, and encode the text back to exactly these bytes.
#pragma once

#include <string>

namespace tess::testing {

struct CodePageCase {
    unsigned codePage;
    const char* bytes;        // as stored in the file
    const char16_t* text;     // what the program holds
};

inline constexpr CodePageCase kCodePageCases[] = {
    // Thai: "ภาษาไทย" in TIS-620 / Windows-874.
    {874, "\xC0\xD2\xC9\xD2\xE4\xB7\xC2", u"\u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22"},
    // Japanese: "日本語テキスト" in Shift_JIS, plus a NEC row-13 "①" only 932 has.
    {932, "\x93\xFA\x96\x7B\x8C\xEA\x83\x65\x83\x4C\x83\x58\x83\x67\x87\x40",
     u"\u65E5\u672C\u8A9E\u30C6\u30AD\u30B9\u30C8\u2460"},
    // Korean: "한국어" in Unified Hangul Code.
    {949, "\xC7\xD1\xB1\xB9\xBE\xEE", u"\uD55C\uAD6D\uC5B4"},
    // Cyrillic: "Привет" in Windows-1251.
    {1251, "\xCF\xF0\xE8\xE2\xE5\xF2", u"\u041F\u0440\u0438\u0432\u0435\u0442"},
    // Western: "café" in Windows-1252, and the euro sign only 1252 has at 0x80.
    {1252, "caf\xE9 \x80", u"caf\u00E9 \u20AC"},
};

}  // namespace tess::testing
