#include "wordbook/win32/WordChangeDialogs.h"

#include <commctrl.h>

#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "wordbook/WordDialogSteps.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

constexpr COLORREF kNumberBoxBackground = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kNumberBoxText = RGB(0xFF, 0xFF, 0xFF);
constexpr int kDropDownItems = 20;
// Enter in the move dialog's box comes to the dialog as this command.
constexpr int kMoveEnterId = 1304;

void AddButtons(HWND dialog, int actionId, std::u16string_view caption, DWORD actionStyle) {
    AddDialogControl(dialog, L"BUTTON", caption, actionStyle | WS_TABSTOP | WS_GROUP, actionId, 256,
                     164, 96, 28);
    AddDialogControl(dialog, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 360, 164,
                     96, 28);
}

HWND AddReadOnlyBox(HWND dialog, int id, const std::u16string& text, DWORD align, int x, int y,
                    int width, int height) {
    return AddDialogControl(dialog, L"EDIT", text,
                            ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP | align, id, x, y, width,
                            height);
}

// --- Delete -------------------------------------------------------------------------------

struct DeleteDialog {
    DeleteDialog(WordBooks& books, const std::u16string& languageName)
        : books(books), languageName(languageName) {}
    WordBooks& books;
    std::u16string languageName;
    HWND numberBox = nullptr;
    GdiHandle<HFONT> numberFont, foreignFont;
    GdiHandle<HBRUSH> numberBrush;
    bool deleted = false;
};

void CreateDeleteControls(HWND dialog, DeleteDialog& state) {
    const DeleteTexts texts = StartDelete(state.books);
    AddDialogControl(dialog, L"STATIC", u"※以下の単語を削除しますか？", SS_LEFT, -1, 16, 16, 440, 18);
    AddDialogControl(dialog, L"STATIC", u"■No：", SS_LEFT, -1, 16, 52, 100, 18);
    state.numberBox = AddReadOnlyBox(dialog, kDeleteNumberBoxId, texts.number, ES_RIGHT, 116, 48, 80, 24);
    AddDialogControl(dialog, L"STATIC", ForeignWordLabel(state.languageName), SS_LEFT, -1, 16, 88,
                     100, 18);
    HWND foreign = AddReadOnlyBox(dialog, kDeleteForeignBoxId, texts.foreign, ES_LEFT, 116, 82, 340, 30);
    AddDialogControl(dialog, L"STATIC", u"■日本語：", SS_LEFT, -1, 16, 126, 100, 18);
    AddReadOnlyBox(dialog, kDeleteJapaneseBoxId, texts.japanese, ES_LEFT, 116, 122, 340, 24);
    AddButtons(dialog, kDeleteButtonId, u"削除", BS_PUSHBUTTON);

    state.numberFont.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, 9, true));
    SendMessageW(state.numberBox, WM_SETFONT, reinterpret_cast<WPARAM>(state.numberFont.get()), FALSE);
    state.numberBrush.Reset(CreateSolidBrush(kNumberBoxBackground));
    const WordBooks::CellFont font = state.books.CellFontOf(CellFontKind::Foreign);
    state.foreignFont.Reset(CreatePointFont(font.face, font.charset, 12));
    SendMessageW(foreign, WM_SETFONT, reinterpret_cast<WPARAM>(state.foreignFont.get()), FALSE);
}

INT_PTR CALLBACK DeleteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<DeleteDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kWordChangeDialogWidth, kWordChangeDialogHeight);
            CreateDeleteControls(dialog, *state);
            SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
            SetFocus(GetDlgItem(dialog, IDCANCEL));
            return FALSE;  // the focus is set
        case WM_CTLCOLORSTATIC:
            if (state && reinterpret_cast<HWND>(lParam) == state->numberBox) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kNumberBoxText);
                SetBkColor(dc, kNumberBoxBackground);
                return reinterpret_cast<INT_PTR>(state->numberBrush.get());
            }
            break;
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wParam)) {
                case kDeleteButtonId:
                    if (DeleteWord(state->books)) {
                        state->deleted = true;
                        EndDialog(dialog, IDOK);
                    }
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

// --- Move ---------------------------------------------------------------------------------

struct MoveDialog {
    explicit MoveDialog(WordBooks& books) : books(books), choices(StartMove(books)) {}
    WordBooks& books;
    MoveChoices choices;
    HWND combo = nullptr;
    HWND moveButton = nullptr;
    bool moved = false;
};

void CreateMoveControls(HWND dialog, MoveDialog& state) {
    AddDialogControl(dialog, L"STATIC", u"■移動元：　No", SS_LEFT, -1, 16, 22, 100, 18);
    AddReadOnlyBox(dialog, kMoveSourceBoxId, state.choices.OwnNumberText(), ES_RIGHT, 120, 18, 80, 24);
    AddDialogControl(dialog, L"STATIC", u"の単語を", SS_LEFT, -1, 208, 22, 200, 18);
    AddDialogControl(dialog, L"STATIC", u"↑", SS_CENTER, -1, 120, 48, 80, 20);
    AddDialogControl(dialog, L"STATIC", u"■移動先：  No", SS_LEFT, -1, 16, 78, 100, 18);
    state.combo = AddDialogControl(dialog, WC_COMBOBOXW, u"",
                                   CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                                   kMoveComboId, 120, 74, 80, 200);
    AddDialogControl(dialog, L"STATIC", u"の単語の上に挿入します。", SS_LEFT, -1, 208, 78, 248, 18);
    AddDialogControl(dialog, L"STATIC", u"※移動先単語のNoを指定し、移動ボタンを押して下さい。",
                     SS_LEFT, -1, 16, 122, 440, 18);
    AddButtons(dialog, kMoveButtonId, u"移動", BS_DEFPUSHBUTTON | WS_DISABLED);
    state.moveButton = GetDlgItem(dialog, kMoveButtonId);

    FillCombo(state.combo, state.choices.Items());
    SetDropDownItems(state.combo, kDropDownItems);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(state.combo, &info) && info.hwndItem) SetImeMode(info.hwndItem, ImeMode::Closed);
    SendEnterAsCommand(state.combo, dialog, kMoveEnterId);
}

void RunMoveStep(HWND dialog, MoveDialog& state) {
    if (!MoveWord(state.books, state.choices, WindowText(state.combo))) return;
    state.moved = true;
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK MoveDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<MoveDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kWordChangeDialogWidth, kWordChangeDialogHeight);
            CreateMoveControls(dialog, *state);
            SetFocus(state->combo);
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wParam)) {
                case kMoveComboId:
                    if (!TellComboChange(state->combo, HIWORD(wParam), state->choices)) break;
                    EnableWindow(state->moveButton, state->choices.MoveEnabled());
                    return TRUE;
                case kMoveEnterId:
                case IDOK:
                case kMoveButtonId:
                    // A disabled "移動" never sends; Enter in the box runs the
                    // step for a typed number.
                    RunMoveStep(dialog, *state);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

bool RunDeleteWordDialog(HWND owner, WordBooks& books, const std::u16string& languageName) {
    DeleteDialog state(books, languageName);
    RunModalDialog(owner, kDeleteWordCaption, DeleteDialogProc, reinterpret_cast<LPARAM>(&state));
    return state.deleted;
}

bool RunMoveWordDialog(HWND owner, WordBooks& books) {
    MoveDialog state(books);
    RunModalDialog(owner, kMoveWordCaption, MoveDialogProc, reinterpret_cast<LPARAM>(&state));
    return state.moved;
}

}  // namespace tess
