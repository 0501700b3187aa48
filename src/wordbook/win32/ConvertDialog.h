// "単語帳変換ツール" (modal, 580 × 520): the legacy converter's dialog.
#pragma once

#include <windows.h>

#include <functional>

#include "wordbook/LegacyConverter.h"

namespace tess {

// `listBooks` runs for "反映させ閉じる": the current folder listed again.
void RunConvertDialog(HWND owner, LegacyConverter& converter, const std::function<void()>& listBooks);

}  // namespace tess
