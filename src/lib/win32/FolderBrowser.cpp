#include "lib/win32/FolderBrowser.h"

#include <shlobj.h>

namespace tess {

namespace {

int CALLBACK StartIn(HWND hwnd, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED) SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

}  // namespace

std::optional<std::u16string> BrowseForFolder(HWND owner, const std::u16string& prompt,
                                              const std::u16string& start) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = reinterpret_cast<const wchar_t*>(prompt.c_str());
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = &StartIn;
    info.lParam = reinterpret_cast<LPARAM>(start.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListW(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!ok) return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(path));
}

}  // namespace tess
