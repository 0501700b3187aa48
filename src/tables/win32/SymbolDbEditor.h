// "記号データベース" (TSymDBFrm, modal, 700 × 640 and never smaller): the view
// over SymbolDbEditor. The command buttons, the edit panel, the tabs "記号DB"
// (the row list) and "プロパティ" (script and glyph font), the status bar.
#pragma once

#include <windows.h>

#include "tables/SymbolDbEditor.h"

namespace tess {

// Shows the editor until it is closed. True when the user answered a
// restart prompt with Yes: the caller ends the program.
bool RunSymbolDbEditor(HWND owner, SymbolDbEditor& model);

}  // namespace tess
