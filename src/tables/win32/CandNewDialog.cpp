// The new candidate file dialog (TNewCeFrm): the mode, the paired DB and
// the name, in three numbered steps; "作　る" (also Enter) writes the file.
#include "tables/win32/CandEditor.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

enum NewCandId : int {
    kIdLower = 1980,
    kIdUpper,
    kIdDbList,
    kIdPaired,
    kIdCandList,
    kIdName,
    kIdStatus,
};

constexpr int kWidth = 600;
constexpr int kHeight = 500;
constexpr COLORREF kDbListBack = RGB(128, 128, 128);
constexpr COLORREF kCandListBack = RGB(192, 192, 192);

struct NewCandWindow {
    NewCandDialog* model = nullptr;
    HWND dialog = nullptr;
    std::u16string load;
    GdiHandle<HBRUSH> dbBrush;
    GdiHandle<HBRUSH> candBrush;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void Label(HWND dialog, const char16_t* text, int x, int y, int w) {
    AddDialogControl(dialog, L"STATIC", text, SS_LEFT, -1, x, y, w, 18);
}

HWND List(HWND dialog, int id, int x, int y, int w, int h, const std::vector<std::u16string>& items,
          bool selectable) {
    HWND list = AddDialogControl(dialog, L"LISTBOX", u"",
                                 WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY |
                                     (selectable ? 0 : LBS_NOSEL),
                                 id, x, y, w, h);
    for (const std::u16string& item : items)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
    return list;
}

void CreateControls(NewCandWindow& w) {
    HWND d = w.dialog;
    Label(d, u"１．トリガーキーのモードを指定します。", 16, 12, 400);
    Label(d, u"※トリガーキーには数字を除くすべてのキーボード", 32, 34, 400);
    Label(d, u"入力可能文字を用いることができます。ただし、", 32, 52, 400);
    Label(d, u"アルファベットは小文字、大文字いずれかです。", 32, 70, 400);
    Label(d, u"■トリガーキーのモード：", 32, 96, 200);
    AddDialogControl(d, L"BUTTON", u"アルファベット小文字を用いる",
                     BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kIdLower, 48, 116, 260, 20);
    AddDialogControl(d, L"BUTTON", u"アルファベット大文字を用いる", BS_AUTORADIOBUTTON, kIdUpper, 48,
                     138, 260, 20);
    CheckDlgButton(d, kIdLower, BST_CHECKED);

    Label(d, u"２．対になる記号DBファイルを指定します。", 16, 172, 400);
    Label(d, u"・テーブルフォルダ内の記号DBファイル一覧：", 32, 194, 260);
    List(d, kIdDbList, 32, 214, 240, 100, w.model->DbFiles(), true);
    Label(d, u"■左のアイテムをクリックして下さい。", 300, 194, 270);
    AddDialogControl(d, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, kIdPaired, 300, 214, 260, 22);

    Label(d, u"３．候補ファイル名を入力し、「作成」ボタンを押します。", 16, 326, 400);
    Label(d, u"・既存の候補ファイル　（重複注意）", 32, 348, 260);
    List(d, kIdCandList, 32, 368, 240, 80, w.model->CandFiles(), false);
    Label(d, u"■新しいファイル名を入力します。", 300, 348, 270);
    AddDialogControl(d, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, kIdName, 300, 368, 260, 22);
    Label(d, u"（語頭はCand、拡張子はcsvです）", 300, 394, 260);
    // "作　る" is the dialog's default button: Enter runs it, checks included.
    AddDialogControl(d, L"BUTTON", u"作　る", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 300, 420, 110, 28);
    AddDialogControl(d, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 420, 420, 110, 28);
    EnableWindow(Item(d, IDOK), FALSE);

    HWND status = AddDialogControl(d, STATUSCLASSNAMEW, u"", 0, kIdStatus, 0, 0, 0, 0);
    const std::u16string folder = u"■ﾃｰﾌﾞﾙﾌｫﾙﾀﾞ：" + w.model->TableFolder();
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(W(folder)));
    w.dbBrush.Reset(CreateSolidBrush(kDbListBack));
    w.candBrush.Reset(CreateSolidBrush(kCandListBack));
}

void TextsChanged(NewCandWindow& w) {
    w.model->TextsChanged(WindowText(Item(w.dialog, kIdName)), WindowText(Item(w.dialog, kIdPaired)));
    EnableWindow(Item(w.dialog, IDOK), w.model->MakeEnabled());
}

INT_PTR CALLBACK NewCandProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* w = DialogState<NewCandWindow>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            w->dialog = dialog;
            PlaceDialog(dialog, kWidth, kHeight);
            CreateControls(*w);
            return TRUE;
        case WM_CTLCOLORLISTBOX: {
            if (!w) return FALSE;
            HDC dc = reinterpret_cast<HDC>(wParam);
            const bool db = reinterpret_cast<HWND>(lParam) == Item(dialog, kIdDbList);
            SetBkColor(dc, db ? kDbListBack : kCandListBack);
            SetTextColor(dc, db ? RGB(255, 255, 255) : RGB(0, 0, 0));
            return reinterpret_cast<INT_PTR>(db ? w->dbBrush.get() : w->candBrush.get());
        }
        case WM_COMMAND: {
            if (!w) return FALSE;
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            HWND from = reinterpret_cast<HWND>(lParam);
            if (id == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            } else if (id == IDOK) {
                if (!w->model->MakeEnabled()) return TRUE;
                const bool upper = IsDlgButtonChecked(dialog, kIdUpper) == BST_CHECKED;
                const NewCandDialog::MakeResult result =
                    w->model->Make(WindowText(Item(dialog, kIdName)),
                                   WindowText(Item(dialog, kIdPaired)), upper);
                if (result.close) {
                    w->load = result.load;
                    EndDialog(dialog, IDOK);
                }
            } else if (id == kIdDbList && code == LBN_SELCHANGE) {
                const LRESULT at = SendMessageW(from, LB_GETCURSEL, 0, 0);
                if (at == LB_ERR) return TRUE;
                std::wstring text(static_cast<std::size_t>(SendMessageW(from, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0)), L'\0');
                SendMessageW(from, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.data()));
                SetWindowTextW(Item(dialog, kIdPaired), text.c_str());
            } else if ((id == kIdName || id == kIdPaired) && code == EN_SETFOCUS) {
                SetImeMode(from, ImeMode::Closed);
            } else if ((id == kIdName || id == kIdPaired) && code == EN_CHANGE) {
                TextsChanged(*w);
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

std::u16string RunNewCandDialog(HWND owner, NewCandDialog& model) {
    NewCandWindow window;
    window.model = &model;
    RunModalDialog(owner, kNewCandCaption, &NewCandProc, reinterpret_cast<LPARAM>(&window));
    return window.load;
}

}  // namespace tess
