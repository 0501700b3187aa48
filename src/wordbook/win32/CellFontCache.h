// The fonts of the word-book lists' cells (the word list, the search hits):
// one per look, made again only when the face, character set or size the
// model asks for has changed, deleted with the cache.
#pragma once

#include <windows.h>

#include <map>

#include "wordbook/WordBooks.h"

namespace tess {

class CellFontCache {
public:
    CellFontCache() = default;
    ~CellFontCache() { Clear(); }
    CellFontCache(const CellFontCache&) = delete;
    CellFontCache& operator=(const CellFontCache&) = delete;

    // The font of `kind` as `wanted` describes it.
    HFONT FontFor(CellFontKind kind, const WordBooks::CellFont& wanted);
    void Clear();

private:
    struct Made {
        WordBooks::CellFont look;
        HFONT font = nullptr;
    };
    std::map<CellFontKind, Made> fonts_;
};

}  // namespace tess
