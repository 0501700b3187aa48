// The Thai characters of the MS IME keyboard: what the system's Thai
// Kedmanee ("0000041E") and Pattachote ("0001041E") layouts type, placed on
// the 47 character keys of the Japanese (JIS) keyboard.
//
// The tables are fixed here rather than asked of the platform: the on-screen
// keyboard must show the same characters on every machine, whatever layouts
// are installed (under Wine none are).
#pragma once

#include <cstddef>
#include <string_view>

namespace tess {

enum class ThaiLayout { Kedmanee, Pattachote };

inline constexpr std::size_t kThaiKeyCount = 47;

// The 47 characters of one level of a layout, key by key in JIS order:
// row 1 半 1 2 3 4 5 6 7 8 9 0 - ^, row 2 q ... [, row 3 a ... ], row 4 z ... /.
std::u16string_view ThaiKeyTable(ThaiLayout layout, bool shifted);

// The key caps the MS IME keyboard writes above those keys, same order.
std::u16string_view MsImeKeyCaps();

// Thai combining marks (U+0E31, U+0E34-U+0E3A, U+0E47-U+0E4E): drawn in
// blue so that a mark standing alone on a key is told from a letter.
bool IsThaiCombiningMark(char16_t c);

}  // namespace tess
