// One cell of a list the program draws itself (the word list, the search
// hits, the table editors' rows): the text shortened with "..." to fit, and
// where it goes in the cell.
//
// Measuring is the caller's: the views measure with the font of the cell.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tess {

// The width in pixels of a text in the cell's font.
using TextWidthOf = std::function<int(std::u16string_view)>;

// The text unchanged when it fits in `width` - `margin` pixels; otherwise the
// longest beginning of it followed by "..." that fits, or "..." alone when no
// beginning does. A surrogate pair is never cut in two.
std::u16string FitWithEllipsis(std::u16string_view text, int margin, int width,
                               const TextWidthOf& widthOf);

struct CellPlace {
    int x = 0;
    int y = 0;
    bool operator==(const CellPlace&) const = default;
};

// Where a text of the given extent is written in the cell: vertically
// centred (the division rounds towards zero), horizontally centred or at
// left + margin.
CellPlace CellTextPlace(int left, int top, int cellWidth, int cellHeight, int textWidth,
                        int textHeight, int margin, bool centred);

}  // namespace tess
