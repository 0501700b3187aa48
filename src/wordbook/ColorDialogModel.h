// The text colour dialog of the word list (TColorFrm, "文字色変更"): the
// selected word's colour is shown above, a new one is picked from the colour
// list or the platform's colour dialog (or typed) below, and "OK" stores it.
//
// Upper box: the word's colour code when it is valid (IsHexColorText), else
// empty; a valid one also draws "■現在のカラー：" in that colour and selects
// the first list item of that colour. Lower box: starts empty; a click in the
// list or a colour from the custom dialog writes its code there and draws
// "■新しいカラー：" in it. The custom dialog starts at the word's colour, or
// at the default text colour when it has none.
//
// "OK" takes the lower box's text: "#000000" (black) is stored as empty (the
// default colour); empty text or a valid code is stored; anything else is
// ignored. The dialog closes in both cases.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lib/ColorText.h"

namespace tess {

inline constexpr char16_t kColorDialogCaption[] = u"文字色変更";
inline constexpr int kColorDialogWidth = 480;
inline constexpr int kColorDialogHeight = 320;

// A system colour of the platform by its index (COLOR_WINDOWTEXT is 8):
// only the views can tell what it is. kWindowTextColor is SystemColor(8).
inline constexpr Color SystemColor(int index) {
    return 0xFF000000u | static_cast<Color>(index);
}
inline constexpr bool IsSystemColor(Color color) { return (color >> 24) == 0xFF; }
inline constexpr int SystemColorIndex(Color color) { return static_cast<int>(color & 0xFF); }

// One entry of the colour list: a name and a colour, which for the system
// colours is SystemColor(index).
struct ColorListItem {
    std::u16string_view name;
    Color color;
};

// The list, in order: the 16 basic colours ("Black" ... "White"), the four
// extended ones ("Money Green", "Sky Blue", "Cream", "Medium Gray") and the
// system colours ("Scroll Bar" ... "Menu Bar").
std::span<const ColorListItem> ColorListItems();

class ColorDialogModel {
public:
    explicit ColorDialogModel(std::u16string_view wordColorCode);

    const std::u16string& UpperText() const { return upperText_; }
    // The colour "■現在のカラー：" is drawn in; nothing: the label's own.
    std::optional<Color> CurrentColor() const { return current_; }
    // Where the custom dialog starts (kWindowTextColor: the views resolve it).
    Color CustomStartColor() const { return current_.value_or(kWindowTextColor); }
    // The list item to select at the start: the first whose colour (system
    // colours resolved, in list order) is the word's colour.
    std::optional<std::size_t> ListSelection(std::span<const Color> itemColors) const;

    // A list click or the custom dialog's OK, with the colour as red, green
    // and blue (system colours resolved): the lower box's new text.
    std::u16string Choose(Color color);
    // The colour "■新しいカラー：" is drawn in; nothing before a choice.
    std::optional<Color> NewColor() const { return new_; }

    // "OK" with the lower box's text: the colour code to store (empty = the
    // default colour), or nothing when the text is ignored.
    static std::optional<std::u16string> ColorToStore(std::u16string_view lowerText);

private:
    std::u16string upperText_;
    std::optional<Color> current_;
    std::optional<Color> new_;
};

}  // namespace tess
