// Draws one cell of a list the program draws itself: the background filled,
// the text shortened with "..." and placed as lib/CellText says, shaped and
// with font fallback. The word list, the search hits and the table editors
// draw their cells with it.
#pragma once

#include <windows.h>

#include <string_view>

namespace tess {

// With the DC's font and text colour; the cell is filled with `background`.
void DrawCellText(HDC dc, const RECT& cell, int margin, bool centred, std::u16string_view text,
                  COLORREF background);

}  // namespace tess
