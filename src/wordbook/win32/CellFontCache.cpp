#include "wordbook/win32/CellFontCache.h"

#include "lib/win32/Win32Helpers.h"

namespace tess {

HFONT CellFontCache::FontFor(CellFontKind kind, const WordBooks::CellFont& wanted) {
    Made& made = fonts_[kind];
    if (!made.font || !(made.look == wanted)) {
        if (made.font) DeleteObject(made.font);
        made.font = CreatePointFont(wanted.face, wanted.charset, wanted.sizePt);
        made.look = wanted;
    }
    return made.font;
}

void CellFontCache::Clear() {
    for (auto& [kind, made] : fonts_)
        if (made.font) DeleteObject(made.font);
    fonts_.clear();
}

}  // namespace tess
