// Fonts made once per use: `Key` names a use (a column's look, a kind of
// cell), and a font is made again only when the look asked for that use has
// changed; keyed by FontLook, one font per look. The cache deletes what it
// made.
#pragma once

#include <windows.h>

#include <concepts>
#include <map>

#include "lib/FontLook.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

template <typename Key>
class FontCache {
public:
    FontCache() = default;
    ~FontCache() { Clear(); }
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT FontFor(Key key, const FontLook& wanted) {
        Made& made = fonts_[key];
        if (!made.font || !(made.look == wanted)) {
            if (made.font) DeleteObject(made.font);
            made.font = CreatePointFont(wanted.face, wanted.charset, wanted.sizePt);
            made.look = wanted;
        }
        return made.font;
    }

    // A cache keyed by the look itself: one font for each look asked for.
    HFONT FontFor(const FontLook& look)
        requires std::same_as<Key, FontLook>
    {
        return FontFor(look, look);
    }

    void Clear() {
        for (auto& [key, made] : fonts_)
            if (made.font) DeleteObject(made.font);
        fonts_.clear();
    }

private:
    struct Made {
        FontLook look;
        HFONT font = nullptr;
    };
    std::map<Key, Made> fonts_;
};

}  // namespace tess
