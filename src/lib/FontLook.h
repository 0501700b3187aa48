// A font as the models ask for it: face, character set and size in points.
// The views make it (lib/win32/FontCache keeps one per use).
#pragma once

#include <compare>
#include <string>

namespace tess {

struct FontLook {
    std::u16string face;
    int charset = 0;
    int sizePt = 0;
    bool operator==(const FontLook&) const = default;
    auto operator<=>(const FontLook&) const = default;  // a map key
};

}  // namespace tess
