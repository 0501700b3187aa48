#include "lib/win32/CellDraw.h"

#include "lib/CellText.h"
#include "lib/win32/ShapedText.h"

namespace tess {

void DrawCellText(HDC dc, const RECT& cell, int margin, bool centred, std::u16string_view text,
                  COLORREF background) {
    const std::u16string fitted = FitWithEllipsis(
        text, margin, cell.right - cell.left,
        [dc](std::u16string_view t) { return static_cast<int>(ShapedTextExtent(dc, t).cx); });
    const SIZE extent = ShapedTextExtent(dc, fitted);

    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &cell, brush);
    DeleteObject(brush);

    const CellPlace place = CellTextPlace(cell.left, cell.top, cell.right - cell.left,
                                          cell.bottom - cell.top, extent.cx, extent.cy, margin,
                                          centred);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawShapedTextAt(dc, fitted, place.x, place.y, cell);
    SetBkMode(dc, oldMode);
}

}  // namespace tess
