// Blanks: the space and every control character below it (codes U+0000 to
// U+0020), the characters the program drops around names, titles and table
// fields. The ideographic space U+3000 is text, not a blank.
#pragma once

#include <string_view>

namespace tess {

constexpr bool IsBlank(char16_t c) { return c <= u' '; }

// `text` without the blanks at both ends (a view into `text`); empty when
// nothing else is left.
std::u16string_view TrimBlanks(std::u16string_view text);

}  // namespace tess
