// The delete ("単語削除") and move ("単語移動") dialogs of the word list; their
// rules and steps are WordDialogSteps'. Both are modal, 480 by 240, and
// change the open book before they close.
#pragma once

#include <windows.h>

#include <string>

#include "wordbook/WordBooks.h"

namespace tess {

inline constexpr char16_t kDeleteWordCaption[] = u"単語削除";
inline constexpr char16_t kMoveWordCaption[] = u"単語移動";
inline constexpr int kWordChangeDialogWidth = 480;
inline constexpr int kWordChangeDialogHeight = 240;

// "ｷｬﾝｾﾙ" is IDCANCEL in both.
inline constexpr int kDeleteNumberBoxId = 1201;
inline constexpr int kDeleteForeignBoxId = 1202;
inline constexpr int kDeleteJapaneseBoxId = 1203;
inline constexpr int kDeleteButtonId = 1204;  // "削除"
inline constexpr int kMoveSourceBoxId = 1301;
inline constexpr int kMoveComboId = 1302;
inline constexpr int kMoveButtonId = 1303;  // "移動"

// Shows the selected word ("■No：", the foreign word under "■<language>：",
// "■日本語：") with the focus on "ｷｬﾝｾﾙ"; "削除" removes it. True when a word
// was deleted.
bool RunDeleteWordDialog(HWND owner, WordBooks& books, const std::u16string& languageName);

// The destination box lists every number but the selected word's; "移動"
// (or Enter in the box, for a typed number) moves it. True when it moved;
// the caller gives the word list the focus.
bool RunMoveWordDialog(HWND owner, WordBooks& books);

}  // namespace tess
