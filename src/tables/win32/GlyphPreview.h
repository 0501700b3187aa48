// The table editors' glyph previews: one character centred in black, in the
// font and character set it belongs to, at the first size from 8 points at
// which an "M" fills 80% of the box's height or width.
#pragma once

#include <windows.h>

#include <string>

namespace tess {

void DrawFittedGlyph(HDC dc, const RECT& box, const std::u16string& glyph, const std::u16string& face,
                     int charset);

}  // namespace tess
