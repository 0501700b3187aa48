// The platform's folder browser (new style), starting in a folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tess {

// The chosen folder, or nothing when the user cancelled.
std::optional<std::u16string> BrowseForFolder(HWND owner, const std::u16string& prompt,
                                              const std::u16string& start);

}  // namespace tess
