#include "wordbook/win32/ConvertDialog.h"

#include <windowsx.h>

#include "lib/win32/FolderBrowser.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

enum ConvertId : int {
    kIdMode = 1301,
    kIdSource,
    kIdSourceBrowse,
    kIdDestination,
    kIdDestinationBrowse,
    kIdSourceList,
    kIdConvert,
    kIdGenerated,
    kIdProgress,
    kIdListAndClose,
};

struct ConvertDialog {
    LegacyConverter* converter = nullptr;
    const std::function<void()>* listBooks = nullptr;
    GdiHandle<HBRUSH> grey;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void ShowSource(HWND dialog, const ConvertDialog& state) {
    SetWindowTextW(Item(dialog, kIdSource), W(state.converter->SourceFolder()));
    HWND list = Item(dialog, kIdSourceList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : state.converter->SourceFiles())
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
    SendMessageW(Item(dialog, kIdGenerated), LB_RESETCONTENT, 0, 0);
}

void SetDestination(HWND dialog, const std::u16string& folder) {
    HWND box = Item(dialog, kIdDestination);
    SetWindowTextW(box, W(folder));
    SendMessageW(box, EM_SETSEL, folder.size(), folder.size());
}

void CreateControls(HWND dialog, ConvertDialog& state) {
    AddDialogControl(dialog, L"STATIC",
                     u"■変換元、保存先フォルダを指定した後、「変換」ボタンを押して下さい。", SS_LEFT,
                     -1, 16, 12, 540, 18);
    AddDialogControl(dialog, L"STATIC", u"・変換モード：", SS_LEFT, -1, 16, 46, 120, 18);
    HWND mode = AddDialogControl(dialog, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                 kIdMode, 140, 42, 410, 10 * 20 + 30);
    for (const ConversionMode& m : ConversionModes())
        SendMessageW(mode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(std::u16string(m.caption))));
    SendMessageW(mode, CB_SETCURSEL, static_cast<WPARAM>(state.converter->Mode()), 0);

    AddDialogControl(dialog, L"STATIC", u"・変換元ﾌｫﾙﾀﾞ：", SS_LEFT, -1, 16, 82, 120, 18);
    AddDialogControl(dialog, L"EDIT", u"", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, kIdSource, 140,
                     78, 340, 24);
    AddDialogControl(dialog, L"BUTTON", u"参照", WS_TABSTOP, kIdSourceBrowse, 490, 76, 60, 28);
    AddDialogControl(dialog, L"STATIC", u"・保存先ﾌｫﾙﾀﾞ：", SS_LEFT, -1, 16, 118, 120, 18);
    AddDialogControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kIdDestination,
                     140, 114, 340, 24);
    AddDialogControl(dialog, L"BUTTON", u"参照", WS_TABSTOP, kIdDestinationBrowse, 490, 112, 60, 28);

    AddDialogControl(dialog, L"STATIC", u"・変換元ファイル：", SS_LEFT, -1, 16, 152, 200, 18);
    AddDialogControl(dialog, L"LISTBOX", u"",
                     LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                     kIdSourceList, 16, 172, 230, 180);
    AddDialogControl(dialog, L"BUTTON", u"変換⇒", WS_TABSTOP, kIdConvert, 256, 244, 70, 32);
    AddDialogControl(dialog, L"STATIC", u"・生成されたファイル：", SS_LEFT, -1, 336, 152, 200, 18);
    AddDialogControl(dialog, L"LISTBOX", u"", LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER,
                     kIdGenerated, 336, 172, 214, 180);
    AddDialogControl(dialog, L"STATIC", u"・経過：", SS_LEFT, -1, 16, 360, 100, 18);
    AddDialogControl(dialog, L"EDIT", u"",
                     ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER, kIdProgress,
                     16, 380, 534, 56);
    AddDialogControl(dialog, L"BUTTON", u"反映させ閉じる", WS_TABSTOP, kIdListAndClose, 300, 446,
                     140, 30);
    AddDialogControl(dialog, L"BUTTON", u"閉じる", WS_TABSTOP, IDCANCEL, 450, 446, 100, 30);

    ShowSource(dialog, state);
    SetDestination(dialog, state.converter->InitialDestination());
}

void Convert(HWND dialog, ConvertDialog& state) {
    HWND list = Item(dialog, kIdSourceList);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    SendMessageW(list, LB_SELITEMRANGEEX, 0, count - 1);  // every file
    const LegacyConverter::Outcome outcome =
        state.converter->Convert(WindowText(Item(dialog, kIdDestination)));
    if (!outcome.ran) return;
    HWND generated = Item(dialog, kIdGenerated);
    SendMessageW(generated, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : outcome.generated)
        SendMessageW(generated, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
    SetWindowTextW(Item(dialog, kIdProgress), W(outcome.lastText));
}

INT_PTR CALLBACK ConvertProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<ConvertDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            state->grey.Reset(CreateSolidBrush(RGB(0xC0, 0xC0, 0xC0)));
            PlaceDialog(dialog, 580, 520);
            CreateControls(dialog, *state);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // The source folder's box is grey: it changes only through "参照".
            if (reinterpret_cast<HWND>(lParam) == Item(dialog, kIdSource)) {
                SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0xC0, 0xC0, 0xC0));
                return reinterpret_cast<INT_PTR>(state->grey.get());
            }
            return FALSE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            switch (id) {
                case kIdMode:
                    if (code == CBN_SELCHANGE) {
                        state->converter->ChooseMode(
                            static_cast<int>(SendMessageW(Item(dialog, kIdMode), CB_GETCURSEL, 0, 0)));
                        ShowSource(dialog, *state);
                    }
                    break;
                case kIdSourceBrowse:
                    if (auto folder = BrowseForFolder(dialog, u"変換元フォルダー",
                                                      state->converter->SourceFolder())) {
                        state->converter->SetSourceFolder(*folder);
                        ShowSource(dialog, *state);
                    }
                    break;
                case kIdDestinationBrowse:
                    if (auto folder = BrowseForFolder(dialog, u"保存先フォルダー",
                                                      WindowText(Item(dialog, kIdDestination))))
                        SetDestination(dialog, *folder);
                    break;
                case kIdConvert: Convert(dialog, *state); break;
                case kIdListAndClose:
                    (*state->listBooks)();
                    EndDialog(dialog, IDOK);
                    break;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
                default: break;
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

void RunConvertDialog(HWND owner, LegacyConverter& converter, const std::function<void()>& listBooks) {
    ConvertDialog state;
    state.converter = &converter;
    state.listBooks = &listBooks;
    RunModalDialog(owner, u"単語帳変換ツール", &ConvertProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tess
