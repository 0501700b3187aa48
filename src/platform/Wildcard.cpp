#include "platform/Wildcard.h"

namespace tess {

char16_t FoldCase(char16_t c) {
    if (c < 0x80) return c >= u'A' && c <= u'Z' ? c + 0x20 : c;
    if (c >= 0xC0 && c <= 0xDE) return c == 0xD7 ? c : c + 0x20;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: pairs start on an even code up to U+0137 and from
        // U+014A to U+0177, on an odd one from U+0139 to U+0148 and from U+0179.
        const bool evenPairs = (c <= 0x137 && c != 0x130 && c != 0x131) ||
                               (c >= 0x14A && c <= 0x177);
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x178) return 0xFF;
        if (evenPairs && c % 2 == 0) return c + 1;
        if (oddPairs && c % 2 == 1) return c + 1;
        return c;
    }
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    return c;
}

bool WildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    // Greedy matching with one backtrack point: linear in practice, never
    // exponential on patterns with several stars.
    std::size_t p = 0, n = 0;
    std::size_t starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

}  // namespace tess
