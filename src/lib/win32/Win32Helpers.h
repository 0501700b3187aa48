// The small Win32 helpers every view uses: UTF-16 text across the boundary
// (wchar_t is 16 bits on Windows, so the program's char16_t strings pass by
// a cast), window texts, fonts by point size, combo boxes, tooltips and the
// input method of a control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tess {

inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline const wchar_t* W(const std::u16string& text) { return W(text.c_str()); }

// The whole text of a window or control.
std::u16string WindowText(HWND hwnd);

// --- Child controls ---------------------------------------------------------------------
// Where a child is made: most are placed by their window's layout afterwards.
struct ChildPlace {
    int x = 0, y = 0, width = 10, height = 10;
};
// A child control `id` of `parent`, of `parent`'s module; WS_CHILD is added
// to `style`, WS_VISIBLE is the caller's to give.
HWND CreateChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id,
                 DWORD exStyle = 0, ChildPlace place = {});

// A font whose characters are `pixels` high (the em height, not the cell's),
// of `charset` (the font character set).
HFONT CreatePixelFont(const std::u16string& face, int charset, int pixels, bool bold = false);
// A font of `sizePt` points on the screen.
HFONT CreatePointFont(const std::u16string& face, int charset, int sizePt, bool bold = false);
// `points` in pixels on the screen.
int ScreenPixels(int points);

// --- Combo boxes ----------------------------------------------------------------------
void FillCombo(HWND combo, const std::vector<std::u16string>& items);
// Selects the item equal to `text` (exactly), or shows `text` in the edit
// field with no item selected.
void SetComboText(HWND combo, const std::u16string& text);
// The selected item's text (the edit field may lag behind it), or the
// edit field's text when no item is selected.
std::u16string SelectedComboText(HWND combo);
// A pick from a combo box's list or typing in its field, told to `choices`
// (ItemPicked with the list index, TextTyped); false for any other notice.
template <class Choices>
bool TellComboChange(HWND combo, int code, Choices& choices) {
    if (code == CBN_SELCHANGE)
        choices.ItemPicked(static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    else if (code == CBN_EDITCHANGE)
        choices.TextTyped();
    else
        return false;
    return true;
}

// --- List views -----------------------------------------------------------------------
// An owner-drawn list asks for its row height (WM_MEASUREITEM) when it hears
// that its size changed, and not for a move or a frame change: this tells it
// so, with the size it has, and it asks again.
void RemeasureListRows(HWND list);

// --- Tooltips -------------------------------------------------------------------------
// A tooltip window for the children of `owner`; AddToolTip gives `control`
// the hint `text`.
HWND CreateToolTips(HWND owner);

// `text` as it fits in `width` pixels in the font selected into `dc`: whole
// when it fits, else with its middle left out for "…", so that both ends (a
// path's drive and its last folder, a count at the end) still show. A
// surrogate pair is never split.
std::u16string FitInMiddle(HDC dc, const std::u16string& text, int width);
void AddToolTip(HWND tooltips, HWND control, const std::u16string& text);

// --- Input method ---------------------------------------------------------------------
// What a field's input method does while the field has the focus. Fields
// that take trigger keys or Thai typing have it disabled (romaji must arrive
// as keys, not as Japanese composition); Japanese fields open it in
// hiragana or full-width katakana; other fields start with it closed.
enum class ImeMode { Disabled, Closed, Hiragana, KatakanaFull };
void SetImeMode(HWND control, ImeMode mode);

}  // namespace tess
