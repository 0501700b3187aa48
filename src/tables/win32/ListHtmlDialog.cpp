#include "tables/win32/ListHtmlDialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

enum HtmlId : int {
    kIdExit = 1501,
    kIdMake,
    kIdSave,
    kIdShow,
    kIdCandFile,
    kIdHtmlName,
    kIdTitle,
    kIdTitleFont,
    kIdCandFont,
    kIdSize,
    kIdColour,
    kIdSwatch,
    kIdColourPick,
    kIdTabs,
    kIdHtml,
    kIdStatus,
};

struct HtmlDialog {
    ListHtmlModel* model = nullptr;
    int quiet = 0;  // set while the dialog fills its boxes from the model
    GdiHandle<HFONT> htmlFont;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

HWND Combo(HWND dialog, int id, int x, int y, int w, int rows, bool editable) {
    return AddDialogControl(dialog, L"COMBOBOX", u"",
                            (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
                                WS_VSCROLL | WS_TABSTOP,
                            id, x, y, w, rows * 18 + 30);
}

void Fill(HWND combo, const std::vector<std::u16string>& items) {
    for (const std::u16string& item : items)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
}

// The boxes show the model again (after a choice changed several of them).
void ShowBoxes(HWND dialog, HtmlDialog& state) {
    ++state.quiet;
    const ListHtmlModel& m = *state.model;
    SetWindowTextW(Item(dialog, kIdHtmlName), W(m.boxes.htmlFileName));
    SetWindowTextW(Item(dialog, kIdTitle), W(m.boxes.title));
    for (const auto& [id, text] : {std::pair{kIdTitleFont, m.boxes.titleFont},
                                   std::pair{kIdCandFont, m.boxes.candFont}}) {
        const LRESULT at = SendMessageW(Item(dialog, id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(W(text)));
        SendMessageW(Item(dialog, id), CB_SETCURSEL, at == CB_ERR ? static_cast<WPARAM>(-1) : at, 0);
    }
    SetComboText(Item(dialog, kIdSize), m.boxes.sizeText);
    SetWindowTextW(Item(dialog, kIdColour), W(m.ColourText()));
    SetWindowTextW(Item(dialog, kIdHtml), W(m.HtmlText()));
    EnableWindow(Item(dialog, kIdMake), m.MakeEnabled());
    EnableWindow(Item(dialog, kIdSave), m.SaveEnabled());
    EnableWindow(Item(dialog, kIdShow), m.ShowEnabled());
    InvalidateRect(Item(dialog, kIdSwatch), nullptr, TRUE);
    --state.quiet;
}

void CreateControls(HWND dialog, HtmlDialog& state) {
    ListHtmlModel& m = *state.model;
    const char16_t* buttons[] = {u"閉る", u"作る", u"保存", u"見る"};
    for (int i = 0; i < 4; ++i)
        AddDialogControl(dialog, L"BUTTON", buttons[i], WS_TABSTOP, kIdExit + i, 6 + 48 * i, 4, 47,
                         62);
    AddDialogControl(dialog, L"STATIC", u"■トリガーキーと候補の表をHTML形式で作るツールです。",
                     SS_LEFT, -1, 210, 14, 410, 18);
    AddDialogControl(dialog, L"STATIC",
                     u"・候補ファイルを指定し「作る」「保存」「見る」を順に押します。", SS_LEFT, -1,
                     210, 38, 410, 18);
    const char16_t* labels[] = {u"１．対象とする候補ファイルを選ぶ",
                                u"２．出力するHTMLファイル名を確定する",
                                u"３．HTMLファイルのタイトルを入力する",
                                u"４．タイトルの日本語フォントを指定する",
                                u"５．候補のフォントと文字サイズ(%)を指定する",
                                u"６．背景の色を指定する"};
    for (int i = 0; i < 6; ++i)
        AddDialogControl(dialog, L"STATIC", labels[i], SS_LEFT, -1, 12, 82 + 34 * i, 300, 18);
    Fill(Combo(dialog, kIdCandFile, 320, 78, 290, 12, false), m.CandFiles());
    HWND name = AddDialogControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                 kIdHtmlName, 320, 112, 290, 24);
    SetImeMode(name, ImeMode::Closed);
    HWND title = AddDialogControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                  kIdTitle, 320, 146, 290, 24);
    SetImeMode(title, ImeMode::Hiragana);
    Fill(Combo(dialog, kIdTitleFont, 320, 180, 290, 20, false), m.TitleFonts());
    Fill(Combo(dialog, kIdCandFont, 320, 214, 200, 20, false), m.CandFonts());
    Fill(Combo(dialog, kIdSize, 530, 214, 80, 12, true), ListHtmlModel::SizeItems());
    AddDialogControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kIdColour, 320,
                     248, 100, 24);
    AddDialogControl(dialog, L"STATIC", u"", SS_OWNERDRAW, kIdSwatch, 430, 248, 40, 24);
    AddDialogControl(dialog, L"BUTTON", u"参照", WS_TABSTOP, kIdColourPick, 480, 246, 60, 28);

    HWND tabs = AddDialogControl(dialog, WC_TABCONTROLW, u"", WS_CLIPSIBLINGS, kIdTabs, 8, 286, 606,
                                 280);
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(L"HTML（自由に編集できます）");
    SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
    RECT page{8, 286, 614, 566};
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    HWND html = AddDialogControl(
        dialog, L"EDIT", u"",
        ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL |
            WS_BORDER | WS_TABSTOP,
        kIdHtml, page.left, page.top, page.right - page.left, page.bottom - page.top);
    SetWindowPos(html, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SendMessageW(html, EM_LIMITTEXT, 0, 0);
    SetImeMode(html, ImeMode::Closed);
    state.htmlFont.Reset(CreatePointFont(u"ＭＳ ゴシック", 128, 9));
    SendMessageW(html, WM_SETFONT, reinterpret_cast<WPARAM>(state.htmlFont.get()), FALSE);
    HWND status = AddDialogControl(dialog, STATUSCLASSNAMEW, m.StatusText(), 0, kIdStatus, 0, 0, 0, 0);
    SendMessageW(status, WM_SIZE, 0, 0);
    ShowBoxes(dialog, state);
}

void PickColour(HWND dialog, HtmlDialog& state) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dialog;
    choose.rgbResult = static_cast<COLORREF>(state.model->Swatch());
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choose)) return;
    state.model->ColourPicked(static_cast<Color>(choose.rgbResult));
    ShowBoxes(dialog, state);
}

INT_PTR CALLBACK HtmlProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<HtmlDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kListHtmlWidth, kListHtmlHeight);
            CreateControls(dialog, *state);
            return TRUE;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != kIdSwatch) return FALSE;
            HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(state->model->Swatch()));
            FillRect(item->hDC, &item->rcItem, brush);
            DeleteObject(brush);
            FrameRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_WINDOWFRAME));
            return TRUE;
        }
        case WM_COMMAND: {
            if (!state || state->quiet) return FALSE;
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            HWND from = reinterpret_cast<HWND>(lParam);
            ListHtmlModel& m = *state->model;
            switch (id) {
                case kIdExit:
                case IDCANCEL: EndDialog(dialog, IDOK); break;
                case kIdCandFile:
                    if (code == CBN_SELCHANGE) {
                        const LRESULT at = SendMessageW(from, CB_GETCURSEL, 0, 0);
                        if (at != CB_ERR) m.ChooseCandFile(static_cast<std::size_t>(at));
                        ShowBoxes(dialog, *state);
                    }
                    break;
                case kIdHtmlName:
                    if (code == EN_CHANGE) m.boxes.htmlFileName = WindowText(from);
                    break;
                case kIdTitle:
                    if (code == EN_CHANGE) m.boxes.title = WindowText(from);
                    break;
                case kIdTitleFont:
                    if (code == CBN_SELCHANGE) m.boxes.titleFont = SelectedComboText(from);
                    break;
                case kIdCandFont:
                    if (code == CBN_SELCHANGE) m.boxes.candFont = SelectedComboText(from);
                    break;
                case kIdSize:
                    if (code == CBN_EDITCHANGE) m.boxes.sizeText = WindowText(from);
                    if (code == CBN_SELCHANGE) m.boxes.sizeText = SelectedComboText(from);
                    break;
                case kIdColour:
                    if (code == EN_CHANGE) {
                        m.SetColourText(WindowText(from));
                        InvalidateRect(Item(dialog, kIdSwatch), nullptr, TRUE);
                    }
                    break;
                case kIdColourPick: PickColour(dialog, *state); break;
                case kIdHtml:
                    if (code == EN_CHANGE) m.EditHtml(WindowText(from));
                    break;
                case kIdMake:
                    m.Make();
                    ShowBoxes(dialog, *state);
                    break;
                case kIdSave:
                    m.EditHtml(WindowText(Item(dialog, kIdHtml)));
                    m.Save();
                    break;
                case kIdShow: m.Show(); break;
                default: break;
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace

void RunListHtmlDialog(HWND owner, ListHtmlModel& model) {
    HtmlDialog state;
    state.model = &model;
    RunModalDialog(owner, kListHtmlTitle, &HtmlProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tess
