#include "lib/FitFontSize.h"

namespace tess {

int FitFontSize(TextMeasurer& measurer, int charset, const std::u16string& fontName,
                int maxHeight, int maxWidth) {
    int size = kFitFontStartSize;
    TextExtent extent = measurer.Measure(charset, fontName, size, u"M");
    while (extent.height < maxHeight && extent.width < maxWidth && size < kFitFontMaxSize) {
        ++size;
        extent = measurer.Measure(charset, fontName, size, u"M");
    }
    return size;
}

int LargestFittingSize(TextMeasurer& measurer, int charset, const std::u16string& fontName,
                       const std::u16string& text, int maxWidth, int largest, int smallest) {
    for (int size = largest; size > smallest; --size)
        if (measurer.Measure(charset, fontName, size, text).width <= maxWidth) return size;
    return smallest;
}

}  // namespace tess
