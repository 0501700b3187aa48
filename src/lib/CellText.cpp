#include "lib/CellText.h"

namespace tess {

namespace {

constexpr std::u16string_view kEllipsis = u"...";

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The length of the beginning of `text` that keeps `length` code units or
// one fewer, never ending between the two halves of a pair.
std::size_t WholeCharacters(std::u16string_view text, std::size_t length) {
    if (length > 0 && length < text.size() && IsLowSurrogate(text[length])) --length;
    return length;
}

}  // namespace

std::u16string FitWithEllipsis(std::u16string_view text, int margin, int width,
                               const TextWidthOf& widthOf) {
    const int available = width - margin;
    if (widthOf(text) <= available) return std::u16string(text);

    auto candidate = [&](std::size_t length) {
        std::u16string s(text.substr(0, length));
        s += kEllipsis;
        return s;
    };
    // Dropping characters from the end one by one until the candidate fits
    // finds the longest fitting beginning; widths grow with the text, so a
    // binary search finds the same one without measuring every length.
    std::size_t low = 0, high = text.size();  // candidate(low) is the answer so far
    while (low < high) {
        std::size_t mid = WholeCharacters(text, low + (high - low + 1) / 2);
        if (mid <= low) mid = low + 1;
        if (widthOf(candidate(mid)) <= available) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return candidate(WholeCharacters(text, low));
}

CellPlace CellTextPlace(int left, int top, int cellWidth, int cellHeight, int textWidth,
                        int textHeight, int margin, bool centred) {
    CellPlace place;
    place.y = top + (cellHeight - textHeight) / 2;
    place.x = centred ? left + (cellWidth - textWidth) / 2 : left + margin;
    return place;
}

}  // namespace tess
