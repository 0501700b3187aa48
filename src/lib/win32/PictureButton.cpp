#include "lib/win32/PictureButton.h"

namespace tess {

void DrawPictureButton(const DRAWITEMSTRUCT& item, HBITMAP strip, int index) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
    if (strip && index >= 0) {
        HDC glyphs = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(glyphs, strip);
        const int x = (r.right - r.left - kButtonGlyphSize) / 2 + (pressed ? 1 : 0);
        TransparentBlt(dc, x, 6 + (pressed ? 1 : 0), kButtonGlyphSize, kButtonGlyphSize, glyphs,
                       kButtonGlyphSize * index, 0, kButtonGlyphSize, kButtonGlyphSize,
                       RGB(255, 0, 255));
        SelectObject(glyphs, old);
        DeleteDC(glyphs);
    }
    wchar_t caption[32] = {};
    GetWindowTextW(item.hwndItem, caption, 32);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text = r;
    text.top = r.bottom - 26;
    DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace tess
