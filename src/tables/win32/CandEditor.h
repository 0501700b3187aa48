// The candidate editor's window (TCEditorFrm, "候補エディタ") and its
// new-file dialog (TNewCeFrm): views over CandEditor and NewCandDialog.
#pragma once

#include <windows.h>

#include <string>

#include "tables/CandEditor.h"

namespace tess {

// Runs the editor modally over `owner`. True when the user answered the
// restart prompt with Yes: the program should end.
bool RunCandEditor(HWND owner, CandEditor& model);

// Runs the new-file dialog; the name to load into the editor, or empty.
std::u16string RunNewCandDialog(HWND owner, NewCandDialog& model);

}  // namespace tess
