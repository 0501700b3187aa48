// The open and save dialogs of the table editors: they start in the table
// folder and show one filter given as "caption|pattern".
#pragma once

#include <windows.h>

#include <string>

namespace tess {

// The chosen path, or empty when the user cancelled. `defaultExtension`
// without the dot; empty for none.
std::u16string AskTableFile(HWND owner, const std::u16string& folder, const std::u16string& filter,
                            const wchar_t* defaultExtension, bool save);

}  // namespace tess
