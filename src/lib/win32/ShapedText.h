// Text drawn by the program itself (popup cells, keyboards, lists): shaped
// and with font fallback, as the edit controls draw it, so Thai, Khmer and
// Myanmar marks combine and a face without a glyph borrows one.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "lib/win32/Win32Helpers.h"

namespace tess {

// The extent of `text` as DrawShapedText draws it with the DC's font: the
// shaped width and the font's line height.
SIZE ShapedTextExtent(HDC dc, std::u16string_view text);

// Draws `text` with its top left corner at (x, y), clipped to `clip`.
void DrawShapedTextAt(HDC dc, std::u16string_view text, int x, int y, const RECT& clip);

// Draws `text` centred in `rect` with the DC's selected font, colour and
// background mode.
void DrawShapedText(HDC dc, const std::u16string& text, const RECT& rect, UINT align = DT_CENTER);

}  // namespace tess
