#include "lib/win32/GdiTextMeasurer.h"

#include <windows.h>

#include "lib/win32/Win32Helpers.h"

namespace tess {

TextExtent GdiTextMeasurer::Measure(int charset, const std::u16string& face, int sizePt,
                                    const std::u16string& text) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreatePointFont(face, charset, sizePt);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, W(text), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return {size.cx, size.cy};
}

}  // namespace tess
