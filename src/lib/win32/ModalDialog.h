// Modal dialogs built in memory, without a resource script: an empty dialog
// template (caption, frame, the dialog font "ＭＳ Ｐゴシック" 9 pt) shown with
// DialogBoxIndirectParamW, which disables the owner while it shows. The
// dialog procedure creates its controls on WM_INITDIALOG at pixel positions,
// as the dialogs' texts give them, after PlaceDialog.
#pragma once

#include <windows.h>

#include <string_view>

namespace tess {

// Runs the dialog until EndDialog; `proc` gets WM_INITDIALOG with `param`.
// An IDCANCEL (Escape, the close box) that `proc` leaves alone (returns
// FALSE for) ends the dialog with IDCANCEL.
INT_PTR RunModalDialog(HWND owner, std::u16string_view caption, DLGPROC proc, LPARAM param);

// The state a dialog procedure works on: the `param` it was run with, kept
// in the dialog's DWLP_USER at WM_INITDIALOG and read back for every later
// message; null for the few messages that come before WM_INITDIALOG.
template <class State>
State* DialogState(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return reinterpret_cast<State*>(lParam);
    }
    return reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// A page of a dialog with a tab control: a child dialog at `area` (client
// coordinates of `dialog`), hidden, with the dialog's font, tabbed into as
// part of `dialog`, drawn with the tab's page texture where the system has
// one. The notices of the page's controls (WM_COMMAND, WM_NOTIFY,
// WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM) go on to `dialog`'s procedure.
HWND CreateDialogPage(HWND dialog, const RECT& area, int id);

// The dialog's outer size in pixels, centred on its owner (on the work area
// when it has none), kept inside the work area.
void PlaceDialog(HWND dialog, int width, int height);

// A child control at a rectangle of the client area in pixels, with the
// dialog's font. `id` -1 for a label nobody asks for.
HWND AddDialogControl(HWND dialog, const wchar_t* windowClass, std::u16string_view text,
                      DWORD style, int id, int x, int y, int width, int height);

// A combo box's window height includes its drop-down list: room for
// `items` items when it drops down.
void SetDropDownItems(HWND combo, int items);

// Enter typed in a drop-down combo box's edit field comes to `dialog` as
// the command `commandId`, also while the default button is disabled (the
// dialog manager would drop the key then). With the list dropped down it
// closes first.
void SendEnterAsCommand(HWND combo, HWND dialog, int commandId);

}  // namespace tess
