#include "wordbook/win32/JumpDialog.h"

#include <commctrl.h>

#include "lib/win32/Win32Helpers.h"
#include "wordbook/JumpDialogModel.h"
#include "lib/win32/ModalDialog.h"

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

void RunOkStep(HWND dialog, JumpDialog& state) {
    state.row = state.model.RowToJump(WindowText(state.combo));
    if (state.row) EndDialog(dialog, IDOK);
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
    SetDropDownItems(state.combo, kJumpDropDownItems);
}

INT_PTR CALLBACK JumpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<JumpDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG: {
            PlaceDialog(dialog, kJumpDialogWidth, kJumpDialogHeight);
            CreateControls(dialog, *state);
            FillNumbers(*state);
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            if (GetComboBoxInfo(state->combo, &info) && info.hwndItem) {
                SetImeMode(info.hwndItem, ImeMode::Closed);
            }
            SendEnterAsCommand(state->combo, dialog, kEnterInComboId);
            SetFocus(state->combo);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wParam)) {
                case kJumpComboId:
                    if (!TellComboChange(state->combo, HIWORD(wParam), state->model)) break;
                    EnableWindow(state->ok, state->model.OkEnabled());
                    return TRUE;
                case kEnterInComboId:
                    // The edit field already shows the item the keys went to.
                    RunOkStep(dialog, *state);
                    return TRUE;
                case IDOK:
                    RunOkStep(dialog, *state);
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
