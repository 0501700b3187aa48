// The word list's text colour dialog ("文字色変更"); its rules are
// ColorDialogModel's.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tess {

// Its controls; "OK" and "ｷｬﾝｾﾙ" are IDOK and IDCANCEL.
inline constexpr int kColorCurrentLabelId = 1101;  // "■現在のカラー："
inline constexpr int kColorCurrentBoxId = 1102;    // the upper box, read-only
inline constexpr int kColorNewLabelId = 1103;      // "■新しいカラー："
inline constexpr int kColorNewBoxId = 1104;        // the lower box
inline constexpr int kColorListId = 1105;
inline constexpr int kColorCustomId = 1106;        // "カスタム"

// Shows the dialog over `owner` for a word whose colour field holds
// `currentCode`: the colour code to store (empty: the default colour), or
// nothing when cancelled or when the lower box holds no valid code.
std::optional<std::u16string> RunColorDialog(HWND owner, const std::u16string& currentCode);

}  // namespace tess
