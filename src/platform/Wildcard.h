// File name patterns as the platform's file listing understands them.
#pragma once

#include <string_view>

namespace tess {

// "*" matches any run of characters, "?" exactly one; letters compare without
// regard to case (ASCII and the Latin-1 range, as file names on Windows do
// for the names this program meets).
bool WildcardMatch(std::u16string_view pattern, std::u16string_view name);

char16_t FoldCase(char16_t c);

}  // namespace tess
