#include "tables/win32/SymbolDbNewDialog.h"

#include <commctrl.h>

#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

enum NewDbId : int {
    kIdScript = 1701,
    kIdFont,
    kIdPreview,
    kIdFixedGroups,
    kIdAddedGroups,
    kIdExisting,
    kIdName,
    kIdMake,
    kIdCancel,
    kIdStatus,
};

constexpr int kWidth = 600;
constexpr int kHeight = 580;
constexpr int kPreviewPoints = 24;
constexpr COLORREF kPreviewBack = RGB(0, 255, 255);
constexpr COLORREF kPreviewFrame = RGB(128, 128, 128);
constexpr COLORREF kListGrey = RGB(192, 192, 192);

struct NewDbWindow {
    NewSymbolDbDialog* model = nullptr;
    HWND dialog = nullptr;
    std::u16string load;
    int quiet = 0;
    GdiHandle<HBRUSH> grey;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void Label(HWND dialog, const char16_t* text, int x, int y, int w) {
    AddDialogControl(dialog, L"STATIC", text, SS_LEFT, -1, x, y, w, 18);
}

HWND DropDown(HWND dialog, int id, int x, int y, int w, int rows) {
    HWND combo = AddDialogControl(dialog, L"COMBOBOX", u"",
                                  CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id, x, y, w, 200);
    SetDropDownItems(combo, rows);
    return combo;
}

HWND GreyList(HWND dialog, int id, int x, int y, int w, int h,
              const std::vector<std::u16string>& items) {
    HWND list = AddDialogControl(dialog, L"LISTBOX", u"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT |
                                                              LBS_NOSEL, id, x, y, w, h);
    for (const std::u16string& item : items)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
    return list;
}

void ShowState(NewDbWindow& w) {
    ++w.quiet;
    const NewSymbolDbDialog& m = *w.model;
    SendMessageW(Item(w.dialog, kIdScript), CB_SETCURSEL, static_cast<WPARAM>(m.ScriptChoice()),
                 0);
    HWND font = Item(w.dialog, kIdFont);
    const LRESULT at = m.FontShown().empty()
                           ? CB_ERR
                           : SendMessageW(font, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(W(m.FontShown())));
    SendMessageW(font, CB_SETCURSEL, at == CB_ERR ? static_cast<WPARAM>(-1) : at, 0);
    EnableWindow(Item(w.dialog, kIdMake), m.MakeEnabled());
    InvalidateRect(Item(w.dialog, kIdPreview), nullptr, TRUE);
    --w.quiet;
}

void Make(NewDbWindow& w) {
    const auto result = w.model->Make(WindowText(Item(w.dialog, kIdName)),
                                      WindowText(Item(w.dialog, kIdAddedGroups)));
    if (!result.close) return;
    w.load = result.load;
    EndDialog(w.dialog, IDOK);
}

// Enter in the name box runs "作る", checks and all, and goes no further.
constexpr UINT_PTR kNameEnterId = 0x4E44;

LRESULT CALLBACK NameBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR refData) {
    auto* w = reinterpret_cast<NewDbWindow*>(refData);
    switch (message) {
        case WM_GETDLGCODE: {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
                return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                Make(*w);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') return 0;
            break;
        case WM_NCDESTROY: RemoveWindowSubclass(edit, NameBoxProc, kNameEnterId); break;
        default: break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void CreateControls(NewDbWindow& w) {
    HWND d = w.dialog;
    NewSymbolDbDialog& m = *w.model;
    w.grey.Reset(CreateSolidBrush(kListGrey));

    Label(d, u"１．使用文字とフォントを指定します。", 12, 10, 400);
    Label(d, u"・使用文字：", 30, 40, 90);
    HWND script = DropDown(d, kIdScript, 120, 36, 200, 11);
    for (const NewDbScript& s : NewDbScripts())
        SendMessageW(script, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(std::u16string(s.name))));
    Label(d, u"・フォント：", 30, 74, 90);
    HWND font = DropDown(d, kIdFont, 120, 70, 200, 16);
    for (const std::u16string& face : m.Fonts())
        SendMessageW(font, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(face)));
    AddDialogControl(d, L"STATIC", u"", SS_OWNERDRAW, kIdPreview, 350, 36, 50, 50);

    Label(d, u"２．グループに追加があれば入力します。", 12, 108, 400);
    Label(d, u"※グループは、ユニコード（記号や文字）の候補指定をしやすくするためのものです。",
          30, 130, 550);
    Label(d, u"※追加するグループは、グループ毎に改行します。", 30, 150, 550);
    Label(d, u"・固定グループ：", 30, 176, 200);
    GreyList(d, kIdFixedGroups, 30, 196, 200, 170, FixedSymbolDbGroupNames());
    Label(d, u"■追加するグループ入力：", 250, 176, 300);
    AddDialogControl(
        d, L"EDIT", u"",
        ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, kIdAddedGroups,
        250, 196, 320, 170);

    Label(d, u"３．記号DBファイル名を入力し、「作成」ボタンを押します。", 12, 380, 550);
    Label(d, u"・既存の記号DBファイル　（重複注意）", 30, 404, 260);
    GreyList(d, kIdExisting, 30, 424, 240, 86, m.ExistingFiles());
    Label(d, u"■ファイル名入力：", 290, 404, 200);
    HWND name = AddDialogControl(d, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, kIdName, 290, 424,
                                 280, 22);
    SetWindowSubclass(name, NameBoxProc, kNameEnterId, reinterpret_cast<DWORD_PTR>(&w));
    Label(d, u"（語頭はDB、拡張子はcsvです）", 290, 450, 280);
    AddDialogControl(d, L"BUTTON", u"作る", BS_PUSHBUTTON | WS_TABSTOP, kIdMake, 390, 478, 86, 30);
    AddDialogControl(d, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, kIdCancel, 484, 478, 86,
                     30);
    HWND status = AddDialogControl(d, STATUSCLASSNAMEW, u"", 0, kIdStatus, 0, 0, 0, 0);
    SendMessageW(status, SB_SIMPLE, TRUE, 0);
    const std::u16string folder = u"■ﾃｰﾌﾞﾙﾌｫﾙﾀﾞ：" + m.TableFolder();
    SendMessageW(status, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(W(folder)));
    SendMessageW(status, WM_SIZE, 0, 0);
}

void DrawPreview(const NewDbWindow& w, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    HBRUSH back = CreateSolidBrush(kPreviewBack);
    FillRect(dc, &item.rcItem, back);
    DeleteObject(back);
    HBRUSH frame = CreateSolidBrush(kPreviewFrame);
    RECT r = item.rcItem;
    FrameRect(dc, &r, frame);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, frame);
    DeleteObject(frame);
    const NewSymbolDbDialog& m = *w.model;
    HFONT font = CreatePointFont(m.FileFont(), m.PreviewCharset(), kPreviewPoints);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::u16string sample = m.Sample();
    RECT text = item.rcItem;
    DrawTextW(dc, W(sample), static_cast<int>(sample.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

INT_PTR CALLBACK NewDbProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* w = DialogState<NewDbWindow>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            w->dialog = dialog;
            PlaceDialog(dialog, kWidth, kHeight);
            CreateControls(*w);
            ShowState(*w);
            return TRUE;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!w || item->CtlID != kIdPreview) return FALSE;
            DrawPreview(*w, *item);
            return TRUE;
        }
        case WM_CTLCOLORLISTBOX: {
            if (!w) return FALSE;
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, kListGrey);
            return reinterpret_cast<INT_PTR>(w->grey.get());
        }
        case WM_COMMAND: {
            if (!w) return FALSE;
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            HWND from = reinterpret_cast<HWND>(lParam);
            switch (id) {
                case IDCANCEL:
                case kIdCancel: EndDialog(dialog, IDCANCEL); return TRUE;
                case kIdMake:
                    if (code == BN_CLICKED) Make(*w);
                    return TRUE;
                default: break;
            }
            if (code == EN_SETFOCUS) {
                // The boxes share the thread's input context.
                SetImeMode(from, id == kIdAddedGroups ? ImeMode::Hiragana : ImeMode::Closed);
                return TRUE;
            }
            if (w->quiet) return TRUE;
            if (id == kIdScript && code == CBN_SELCHANGE) {
                w->model->ScriptPicked(static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
                ShowState(*w);
            } else if (id == kIdFont && code == CBN_SELCHANGE) {
                w->model->FontPicked(SelectedComboText(from));
                ShowState(*w);
            } else if (id == kIdName && code == EN_CHANGE) {
                w->model->NameChanged(WindowText(from));
                ShowState(*w);
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

std::u16string RunNewSymbolDbDialog(HWND owner, NewSymbolDbDialog& model) {
    NewDbWindow window;
    window.model = &model;
    RunModalDialog(owner, kNewSymbolDbCaption, &NewDbProc, reinterpret_cast<LPARAM>(&window));
    return window.load;
}

}  // namespace tess
