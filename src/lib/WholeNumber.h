// A whole decimal number as the size and number boxes take it.
#pragma once

#include <optional>
#include <string>

namespace tess {

// Digits with an optional "+" or "-" before them and nothing else, within the
// range of int; anything else (blanks, letters, "", "-") gives nothing.
std::optional<int> ReadWholeNumber(const std::u16string& text);

// The number as those boxes show it: decimal digits, "-" before a negative one.
std::u16string WholeNumberText(int value);

}  // namespace tess
