#include "tables/win32/TableFileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

#include "lib/win32/Win32Helpers.h"

namespace tess {

std::u16string AskTableFile(HWND owner, const std::u16string& folder, const std::u16string& filter,
                            const wchar_t* defaultExtension, bool save) {
    // The common dialogs want the filter's parts ended by NULs, one more at the end.
    std::u16string pairs = filter;
    std::replace(pairs.begin(), pairs.end(), u'|', u'\0');
    pairs.push_back(u'\0');
    pairs.push_back(u'\0');
    std::array<wchar_t, MAX_PATH * 2> path{};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = W(pairs);
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = W(folder);
    dialog.lpstrDefExt = defaultExtension && *defaultExtension ? defaultExtension : nullptr;
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()));
}

}  // namespace tess
