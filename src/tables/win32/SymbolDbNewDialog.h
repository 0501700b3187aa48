// "記号DBの新規作成" (TNewDBFrm, modal, 600 × 580, fixed size): the view over
// NewSymbolDbDialog.
#pragma once

#include <windows.h>

#include <string>

#include "tables/SymbolDbEditor.h"

namespace tess {

// Shows the dialog until "作る" succeeds or it is cancelled. The name of
// the file created when the user asked to read it into the editor, else empty.
std::u16string RunNewSymbolDbDialog(HWND owner, NewSymbolDbDialog& model);

}  // namespace tess
