// The nine transfer modes: which input area a transfer takes its text from
// and in which form the text goes to the clipboard. The tens digit names the
// area: 1 to 5 the foreign-language area Memo1, 11 to 14 the phonetic area
// Edit1.
//
// Mode texts and menu captions are the system's own Japanese strings; the
// foreign-language ones begin with the current language name ("タイ語",
// "ﾐｬﾝﾏｰ語", "ﾗｵｽ語", "ｸﾒｰﾙ語") and are rebuilt at every language switch.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "lib/InputArea.h"

namespace tess {

// The nine modes by what they put on the clipboard; the values are the
// numbers the settings file (TransMode) and the menu keep.
enum class TransferMode : int {
    ForeignRich = 1,     // rich text through a hidden rich edit (ﾘｯﾁ1)
    ForeignRtf = 2,      // RTF written to Work.rtf, then loaded (ﾘｯﾁ2)
    ForeignHexNcr = 3,   // "&#xE01;"
    ForeignDecNcr = 4,   // "&#3585;"
    ForeignText = 5,     // plain UTF-16 text
    PhoneticRtf = 11,
    PhoneticHexNcr = 12,
    PhoneticDecNcr = 13,
    PhoneticText = 14,
};

inline constexpr std::array<int, 9> kTransferModes = {1, 2, 3, 4, 5, 11, 12, 13, 14};

bool IsTransferMode(int mode);

// The mode a transfer works in: the mode itself, or ForeignRich for a value
// outside the nine (only a hand-edited settings file holds one). Taking it
// rather than putting nothing on the clipboard keeps a paste from inserting
// whatever the clipboard held before.
TransferMode EffectiveTransferMode(int mode);

// Edit1 when the tens digit is 1 (11 to 14), else Memo1.
InputArea SourceAreaOfMode(int mode);

// What the mode display Edit2 shows: "タイ語 ﾘｯﾁ1", "発音記号 Uni16", ...;
// empty for a value outside the nine.
std::u16string TransferModeDisplay(int mode, std::u16string_view languageName);

// The "転送モード(&M)" menu, top to bottom. A separator stands between the
// phonetic and the foreign-language items.
struct TransferMenuItem {
    std::u16string_view name;  // TRMode11 ... TRMode05; empty for the separator
    int mode;                  // 0 for the separator
};
std::span<const TransferMenuItem> TransferMenuItems();

// The caption of the item of `mode` (ideographic spaces inside): the four
// phonetic ones are fixed, the five foreign-language ones begin with the
// language name. Empty for a value outside the nine.
std::u16string TransferMenuCaption(int mode, std::u16string_view languageName);

// Opening the menu checks exactly the item of the current mode; a value
// outside the nine leaves all unchecked.
inline bool TransferMenuItemChecked(const TransferMenuItem& item, int transMode) {
    return item.mode != 0 && item.mode == transMode;
}

}  // namespace tess
