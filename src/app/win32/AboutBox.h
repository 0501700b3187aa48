// The about box ("バージョン情報", modal): the program's icon from its own
// file, its name and version, and how to reach its developer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tess {

// `openLink` opens the support site when its link is clicked.
void RunAboutBox(HWND owner, const std::function<void(const std::u16string&)>& openLink);

}  // namespace tess
