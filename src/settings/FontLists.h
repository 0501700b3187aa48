// The item lists of the font and size boxes, shared by the main window and the
// dialogs that offer a font. The boxes themselves are the views'; these
// functions compute what the boxes list and which item a text selects.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tess {

using ItemList = std::vector<std::u16string>;

// The items of a font box. Font mode 1 lists the TrueType families that
// support `charset`, leaving out the vertical ("@") and "$" names; any other
// mode lists every installed font except the vertical ones. Both keep the
// platform's order.
ItemList FillFontBox(Platform& platform, int fontMode, int charset);

// The index of the first item exactly equal to `text` (case-sensitive), or
// -1 when no item is.
int SelectItemByText(const ItemList& items, const std::u16string& text);

// Whether a font of exactly this name is installed.
bool FontInstalled(Platform& platform, const std::u16string& name);

// A font that draws a script, for a language whose own font is missing: the
// first of `preferred` that is installed and has a glyph for every one of
// `letters`; else the first installed family (in the platform's order) that
// has `rareLetters` as well; else the first that has `letters`. Nothing when
// no installed family draws every one of `letters`.
std::optional<std::u16string> FontForScript(Platform& platform, std::u16string_view letters,
                                            std::u16string_view rareLetters,
                                            std::span<const std::u16string_view> preferred);

// The decimal numbers from `from` to `to` as items ("9" ... "60").
ItemList FillNumberItems(int from, int to);

}  // namespace tess
