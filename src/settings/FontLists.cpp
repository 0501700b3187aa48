#include "settings/FontLists.h"

#include <algorithm>
#include <string>

#include "lib/WholeNumber.h"

namespace tess {

namespace {

bool StartsWith(const std::u16string& text, char16_t c) { return !text.empty() && text[0] == c; }

}  // namespace

ItemList FillFontBox(Platform& platform, int fontMode, int charset) {
    ItemList items;
    if (fontMode == 1) {
        for (const Platform::FontFamily& family : platform.FontFamiliesForCharset(charset)) {
            if (family.trueType && !StartsWith(family.name, u'@') &&
                !StartsWith(family.name, u'$'))
                items.push_back(family.name);
        }
    } else {
        for (const std::u16string& name : platform.InstalledFontNames()) {
            if (!StartsWith(name, u'@')) items.push_back(name);
        }
    }
    return items;
}

int SelectItemByText(const ItemList& items, const std::u16string& text) {
    auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

bool FontInstalled(Platform& platform, const std::u16string& name) {
    return SelectItemByText(platform.InstalledFontNames(), name) >= 0;
}

std::optional<std::u16string> FontForScript(Platform& platform, std::u16string_view letters,
                                            std::u16string_view rareLetters,
                                            std::span<const std::u16string_view> preferred) {
    const std::vector<std::u16string> drawing = platform.FontFamiliesWithGlyphs(letters);
    if (drawing.empty()) return std::nullopt;
    for (std::u16string_view name : preferred) {
        if (std::find(drawing.begin(), drawing.end(), name) != drawing.end())
            return std::u16string(name);
    }
    if (!rareLetters.empty()) {
        const std::vector<std::u16string> fuller =
            platform.FontFamiliesWithGlyphs(std::u16string(letters) + std::u16string(rareLetters));
        if (!fuller.empty()) return fuller.front();
    }
    return drawing.front();
}

ItemList FillNumberItems(int from, int to) {
    ItemList items;
    for (int n = from; n <= to; ++n) items.push_back(WholeNumberText(n));
    return items;
}

}  // namespace tess
