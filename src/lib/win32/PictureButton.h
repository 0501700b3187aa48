// Command buttons drawn by the program: flat, a 26 × 26 picture from a strip
// of glyphs above the caption (the main window's function keys, the table
// editors' command buttons).
#pragma once

#include <windows.h>

namespace tess {

inline constexpr int kButtonGlyphSize = 26;

// Draws the owner-drawn button `item` with glyph `index` of `strip` (26 × 26
// glyphs side by side on RGB(255, 0, 255)); no picture when `strip` is null.
void DrawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP strip, int index);

}  // namespace tess
