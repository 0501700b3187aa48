// The parts of a Windows path, split at its last separator ("\" or "/",
// both of which Windows takes).
#pragma once

#include <string>
#include <string_view>

namespace tess {

// The name after the last separator; the whole path when it has none.
std::u16string LeafName(std::u16string_view path);

// What comes before the last separator ("C:\a\b.txt" gives "C:\a"); empty
// when the path has none.
std::u16string FolderPart(std::u16string_view path);

}  // namespace tess
