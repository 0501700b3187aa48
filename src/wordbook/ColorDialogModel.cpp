#include "wordbook/ColorDialogModel.h"

#include <array>

namespace tess {

namespace {

constexpr std::array kColorList = {
    ColorListItem{u"Black", MakeColor(0x00, 0x00, 0x00)},
    ColorListItem{u"Maroon", MakeColor(0x80, 0x00, 0x00)},
    ColorListItem{u"Green", MakeColor(0x00, 0x80, 0x00)},
    ColorListItem{u"Olive", MakeColor(0x80, 0x80, 0x00)},
    ColorListItem{u"Navy", MakeColor(0x00, 0x00, 0x80)},
    ColorListItem{u"Purple", MakeColor(0x80, 0x00, 0x80)},
    ColorListItem{u"Teal", MakeColor(0x00, 0x80, 0x80)},
    ColorListItem{u"Gray", MakeColor(0x80, 0x80, 0x80)},
    ColorListItem{u"Silver", MakeColor(0xC0, 0xC0, 0xC0)},
    ColorListItem{u"Red", MakeColor(0xFF, 0x00, 0x00)},
    ColorListItem{u"Lime", MakeColor(0x00, 0xFF, 0x00)},
    ColorListItem{u"Yellow", MakeColor(0xFF, 0xFF, 0x00)},
    ColorListItem{u"Blue", MakeColor(0x00, 0x00, 0xFF)},
    ColorListItem{u"Fuchsia", MakeColor(0xFF, 0x00, 0xFF)},
    ColorListItem{u"Aqua", MakeColor(0x00, 0xFF, 0xFF)},
    ColorListItem{u"White", MakeColor(0xFF, 0xFF, 0xFF)},

    ColorListItem{u"Money Green", MakeColor(0xC0, 0xDC, 0xC0)},
    ColorListItem{u"Sky Blue", MakeColor(0xA6, 0xCA, 0xF0)},
    ColorListItem{u"Cream", MakeColor(0xFF, 0xFB, 0xF0)},
    ColorListItem{u"Medium Gray", MakeColor(0xA0, 0xA0, 0xA4)},

    // The platform's system colours by their indices (COLOR_SCROLLBAR = 0 ...).
    ColorListItem{u"Scroll Bar", SystemColor(0)},
    ColorListItem{u"Background", SystemColor(1)},
    ColorListItem{u"Active Caption", SystemColor(2)},
    ColorListItem{u"Inactive Caption", SystemColor(3)},
    ColorListItem{u"Menu", SystemColor(4)},
    ColorListItem{u"Window", SystemColor(5)},
    ColorListItem{u"Window Frame", SystemColor(6)},
    ColorListItem{u"Menu Text", SystemColor(7)},
    ColorListItem{u"Window Text", SystemColor(8)},
    ColorListItem{u"Caption Text", SystemColor(9)},
    ColorListItem{u"Active Border", SystemColor(10)},
    ColorListItem{u"Inactive Border", SystemColor(11)},
    ColorListItem{u"Application Workspace", SystemColor(12)},
    ColorListItem{u"Highlight", SystemColor(13)},
    ColorListItem{u"Highlight Text", SystemColor(14)},
    ColorListItem{u"Button Face", SystemColor(15)},
    ColorListItem{u"Button Shadow", SystemColor(16)},
    ColorListItem{u"Gray Text", SystemColor(17)},
    ColorListItem{u"Button Text", SystemColor(18)},
    ColorListItem{u"Inactive Caption Text", SystemColor(19)},
    ColorListItem{u"Button Highlight", SystemColor(20)},
    ColorListItem{u"3D Dark Shadow", SystemColor(21)},
    ColorListItem{u"3D Light", SystemColor(22)},
    ColorListItem{u"Info Text", SystemColor(23)},
    ColorListItem{u"Info Background", SystemColor(24)},
    ColorListItem{u"Hot Light", SystemColor(26)},
    ColorListItem{u"Gradient Active Caption", SystemColor(27)},
    ColorListItem{u"Gradient Inactive Caption", SystemColor(28)},
    ColorListItem{u"Menu Highlight", SystemColor(29)},
    ColorListItem{u"Menu Bar", SystemColor(30)},
};

static_assert(SystemColor(8) == kWindowTextColor);

constexpr char16_t kBlackCode[] = u"#000000";

}  // namespace

std::span<const ColorListItem> ColorListItems() { return kColorList; }

ColorDialogModel::ColorDialogModel(std::u16string_view wordColorCode) {
    if (IsHexColorText(wordColorCode)) {
        upperText_ = wordColorCode;
        current_ = HexTextToColor(wordColorCode);
    }
}

std::optional<std::size_t> ColorDialogModel::ListSelection(std::span<const Color> itemColors) const {
    if (!current_) return std::nullopt;
    for (std::size_t i = 0; i < itemColors.size(); ++i) {
        if (itemColors[i] == *current_) return i;
    }
    return std::nullopt;
}

std::u16string ColorDialogModel::Choose(Color color) {
    new_ = color & 0x00FFFFFF;
    return ColorToHexText(*new_);
}

std::optional<std::u16string> ColorDialogModel::ColorToStore(std::u16string_view lowerText) {
    if (lowerText == kBlackCode) return std::u16string();
    if (lowerText.empty() || IsHexColorText(lowerText)) return std::u16string(lowerText);
    return std::nullopt;
}

}  // namespace tess
