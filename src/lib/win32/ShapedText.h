// Text drawn by the program itself (popup cells, keyboards, lists): shaped
// and with font fallback, as the edit controls draw it, so Thai, Khmer and
// Myanmar marks combine and a face without a glyph borrows one.
#pragma once

#include <windows.h>

#include <string>

#include "lib/win32/Win32Helpers.h"

namespace tess {


// Draws `text` centred in `rect` with the DC's selected font, colour and
// background mode.
void DrawShapedText(HDC dc, const std::u16string& text, const RECT& rect, UINT align = DT_CENTER);

}  // namespace tess
