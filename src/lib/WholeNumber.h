// A whole decimal number as the size and number boxes take it.
#pragma once

#include <optional>
#include <string>

namespace tess {

// Digits with an optional "+" or "-" before them and nothing else, within the
// range of int; anything else (blanks, letters, "", "-") gives nothing.
std::optional<int> ReadWholeNumber(const std::u16string& text);

}  // namespace tess
