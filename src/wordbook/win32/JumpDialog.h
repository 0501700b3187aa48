// The word list's jump dialog ("ジャンプ"); its rules are JumpDialogModel's.
#pragma once

#include <windows.h>

#include <optional>

namespace tess {

// The combo box of the numbers; "OK" and "ｷｬﾝｾﾙ" are IDOK and IDCANCEL.
inline constexpr int kJumpComboId = 1001;

// Shows the dialog over `owner` for a list of `rowCount` rows: the 0-based
// row to jump to, or nothing when cancelled. The caller focuses the list,
// selects the row and scrolls it into view.
std::optional<int> RunJumpDialog(HWND owner, int rowCount);

}  // namespace tess
