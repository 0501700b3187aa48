#include "wordbook/win32/JumpDialog.h"

#include <commctrl.h>

#include "lib/win32/Win32Helpers.h"
#include "wordbook/JumpDialogModel.h"
#include "wordbook/win32/ModalDialog.h"

namespace tess {

namespace {

struct JumpDialog {
    explicit JumpDialog(int rowCount) : model(rowCount) {}
    JumpDialogModel model;
    HWND combo = nullptr;
    HWND ok = nullptr;
    std::optional<int> row;
};

// Enter in the combo box's edit field comes to the dialog as this command.
constexpr int kEnterInComboId = 1002;
constexpr UINT_PTR kEnterSubclassId = 1;

void RunOkStep(HWND dialog, JumpDialog& state) {
    state.row = state.model.RowToJump(WindowText(state.combo));
    if (state.row) EndDialog(dialog, IDOK);
}

// The dialog manager turns Enter into a click of the default button, and
// not at all while that button is disabled: the edit field asks for the key
// itself and hands it to the OK step.
LRESULT CALLBACK ComboEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR refData) {
    switch (message) {
        case WM_GETDLGCODE: {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
            }
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                SendMessageW(reinterpret_cast<HWND>(refData), WM_COMMAND, kEnterInComboId, 0);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') return 0;  // no beep
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, ComboEditProc, kEnterSubclassId);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void CreateControls(HWND dialog, JumpDialog& state) {
    AddDialogControl(dialog, L"STATIC", u"■No", SS_LEFT, -1, 16, 24, 36, 16);
    state.combo = AddDialogControl(dialog, WC_COMBOBOXW, u"",
                                   CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                                   kJumpComboId, 52, 20, 100, 200);
    AddDialogControl(dialog, L"STATIC", u"の単語にジャンプします。", SS_LEFT, -1, 160, 24, 280, 16);
    AddDialogControl(dialog, L"STATIC", u"※ジャンプするNoを指定し、OKボタンを押して下さい。",
                     SS_LEFT, -1, 16, 64, 440, 16);
    AddDialogControl(dialog, L"STATIC", u"（数字を入力後、エンターキーを押すとOKボタンを押せます）",
                     SS_LEFT, -1, 16, 86, 440, 16);
    state.ok = AddDialogControl(dialog, L"BUTTON", u"OK",
                                BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_DISABLED, IDOK,
                                256, 120, 96, 26);
    AddDialogControl(dialog, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 360, 120,
                     96, 26);
}

void FillNumbers(JumpDialog& state) {
    const auto items = state.model.Items();
    SendMessageW(state.combo, CB_INITSTORAGE, items.size(), items.size() * 8 * sizeof(wchar_t));
    FillCombo(state.combo, items);
    // A combo box's window height includes its drop-down list: room for
    // kJumpDropDownItems items (Common Controls 6 also takes the count).
    SendMessageW(state.combo, CB_SETMINVISIBLE, kJumpDropDownItems, 0);
    const int field = static_cast<int>(SendMessageW(state.combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int item = static_cast<int>(SendMessageW(state.combo, CB_GETITEMHEIGHT, 0, 0));
    RECT rect;
    GetWindowRect(state.combo, &rect);
    SetWindowPos(state.combo, nullptr, 0, 0, rect.right - rect.left,
                 field + 2 * GetSystemMetrics(SM_CYEDGE) + item * kJumpDropDownItems + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK JumpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<JumpDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            state = reinterpret_cast<JumpDialog*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            PlaceDialog(dialog, kJumpDialogWidth, kJumpDialogHeight);
            CreateControls(dialog, *state);
            FillNumbers(*state);
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            if (GetComboBoxInfo(state->combo, &info) && info.hwndItem) {
                SetImeMode(info.hwndItem, ImeMode::Closed);
                SetWindowSubclass(info.hwndItem, ComboEditProc, kEnterSubclassId,
                                  reinterpret_cast<DWORD_PTR>(dialog));
            }
            SetFocus(state->combo);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wParam)) {
                case kJumpComboId:
                    if (HIWORD(wParam) == CBN_SELCHANGE) {
                        state->model.ItemPicked(
                            static_cast<int>(SendMessageW(state->combo, CB_GETCURSEL, 0, 0)));
                    } else if (HIWORD(wParam) == CBN_EDITCHANGE) {
                        state->model.TextTyped();
                    } else {
                        break;
                    }
                    EnableWindow(state->ok, state->model.OkEnabled());
                    return TRUE;
                case kEnterInComboId:
                    // Enter with the list dropped down closes it first; the
                    // edit field already shows the item the keys went to.
                    if (SendMessageW(state->combo, CB_GETDROPPEDSTATE, 0, 0)) {
                        SendMessageW(state->combo, CB_SHOWDROPDOWN, FALSE, 0);
                    }
                    RunOkStep(dialog, *state);
                    return TRUE;
                case IDOK:
                    RunOkStep(dialog, *state);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

std::optional<int> RunJumpDialog(HWND owner, int rowCount) {
    JumpDialog state(rowCount);
    if (RunModalDialog(owner, kJumpDialogCaption, JumpDialogProc, reinterpret_cast<LPARAM>(&state)) != IDOK) {
        return std::nullopt;
    }
    return state.row;
}

}  // namespace tess
