// Combining marks drawn on their own.
//
// A cell of the on-screen keyboards or of a candidate popup often holds one
// Thai, Lao, Khmer or Myanmar vowel or tone mark, or an IPA diacritic. Alone
// such a mark has no letter to sit on: it lands outside its cell or the
// shaping drops it. Every place that draws a cell's text shows it the way
// type books do, on a dotted circle.
#pragma once

#include <string>
#include <string_view>

namespace tess {

inline constexpr char16_t kDottedCircle = u'\u25CC';

// Whether `c` is a nonspacing or enclosing mark (General_Category Mn or Me):
// a mark that takes no room of its own. Spacing marks (Mc) stand on their own.
bool IsNonspacingMark(char32_t c);

// Whether `text` is exactly one such mark (one code point, a surrogate pair
// included).
bool IsLoneCombiningMark(std::u16string_view text);

// The text to draw for a cell: a lone combining mark gets U+25CC before it;
// any other text is drawn as it is.
std::u16string CellDrawText(std::u16string_view text);

}  // namespace tess
