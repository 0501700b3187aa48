// UTF-16 text across the Win32 boundary: wchar_t is 16 bits on Windows, so
// the program's char16_t strings pass by a cast.
#pragma once

#include <windows.h>

#include <string>

namespace tess {

inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline const wchar_t* W(const std::u16string& text) { return W(text.c_str()); }

// The whole text of a window or control.
inline std::u16string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace tess
