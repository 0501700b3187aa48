// Text measured on the screen with GDI, for the rules that fit a font to a
// box (the popups' cells, the transfer mode display).
#pragma once

#include "lib/FitFontSize.h"

namespace tess {

class GdiTextMeasurer : public TextMeasurer {
public:
    TextExtent Measure(int charset, const std::u16string& face, int sizePt,
                       const std::u16string& text) override;
};

}  // namespace tess
