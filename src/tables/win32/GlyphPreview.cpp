#include "tables/win32/GlyphPreview.h"

#include "lib/FitFontSize.h"
#include "lib/win32/GdiTextMeasurer.h"
#include "lib/CombiningMarks.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

void DrawFittedGlyph(HDC dc, const RECT& box, const std::u16string& glyph, const std::u16string& face,
                     int charset) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    GdiTextMeasurer measurer;
    const int size = FitFontSize(measurer, charset, face, height * 8 / 10, width * 8 / 10);
    HFONT font = CreatePointFont(face, charset, size);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT r = box;
    // A vowel or tone mark alone would be drawn on nothing (or dropped): it
    // stands on a dotted circle, as in the keyboards and the symbol tab.
    const std::u16string text = CellDrawText(glyph);
    DrawTextW(dc, W(text), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace tess
