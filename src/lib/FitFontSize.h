// The font size at which a character fills a box: used for the candidate
// popups' cells, the symbol tab and the glyph previews of the table editors.
//
// The measuring is behind TextMeasurer so that the rule is tested natively;
// the Windows view measures with GDI on a small off-screen bitmap.
#pragma once

#include <string>

namespace tess {

struct TextExtent {
    int width = 0;
    int height = 0;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The extent in pixels of `text` drawn in the font `fontName` of
    // character set `charset` at `sizePt` points.
    virtual TextExtent Measure(int charset, const std::u16string& fontName, int sizePt,
                               const std::u16string& text) = 0;
};

inline constexpr int kFitFontStartSize = 8;
// A measurer that never grows (a broken font) would otherwise count forever;
// no box of this program needs a size near this.
inline constexpr int kFitFontMaxSize = 1000;

// The first size, counting up from 8 points, at which "M" reaches maxHeight
// in height or maxWidth in width (8 when it already does at 8).
int FitFontSize(TextMeasurer& measurer, int charset, const std::u16string& fontName,
                int maxHeight, int maxWidth);

// The largest size from `largest` down to `smallest` points at which `text`
// is at most `maxWidth` pixels wide; `smallest` when none is.
int LargestFittingSize(TextMeasurer& measurer, int charset, const std::u16string& fontName,
                       const std::u16string& text, int maxWidth, int largest, int smallest);

}  // namespace tess
