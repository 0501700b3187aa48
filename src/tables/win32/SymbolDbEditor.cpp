#include "tables/win32/SymbolDbEditor.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "tables/win32/GlyphPreview.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/PictureButton.h"
#include "lib/win32/ResourceIds.h"
#include "tables/win32/SymbolDbList.h"
#include "tables/win32/SymbolDbNewDialog.h"
#include "tables/win32/TableFileDialog.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

enum EditorId : int {
    kIdAction0 = 1601,  // the eight command buttons, in SymbolDbAction order
    kIdRowNumber = 1620,
    kIdPreview,
    kIdCode,
    kIdEnglish,
    kIdJapanese,
    kIdGroup,
    kIdAux,
    kIdNote,
    kIdPanelFrame,
    kIdTabs,
    kIdList,
    kIdScript,
    kIdFont,
    kIdScriptLabel,
    kIdFontLabel,
    kIdPropertyNote,
    kIdStatus,
};

constexpr int kWidth = 700;
constexpr int kHeight = 640;
constexpr int kRowHeight = 28;
constexpr int kButtonWidth = 47;
constexpr int kButtonHeight = 62;
constexpr int kButtonGap = 12;  // before 削除, 挿入 and 追加
constexpr int kPreviewSize = 42;
constexpr int kTabsTop = 214;
constexpr COLORREF kPreviewBack = RGB(0, 255, 255);
constexpr COLORREF kPreviewFrame = RGB(0, 0, 128);
constexpr COLORREF kPreviewCleared = RGB(128, 128, 128);
constexpr COLORREF kNumberBack = RGB(128, 128, 128);

constexpr const char16_t* kActionCaptions[kSymbolDbActionCount] = {
    u"閉る", u"開く", u"上書", u"保存", u"新規", u"削除", u"挿入", u"追加"};

struct EditorWindow {
    SymbolDbEditor* model = nullptr;
    HWND dialog = nullptr;
    SymbolDbList list;
    int quiet = 0;  // set while the window shows the model's state
    std::uint32_t rowsShown = ~0u;
    std::uint32_t cellsShown = ~0u;
    std::u16string glyphFontShown;
    int charsetShown = -1;
    int listWhiteShown = -1;
    bool endProgram = false;
    GdiHandle<HBITMAP> glyphs;  // the command buttons' pictures
    GdiHandle<HFONT> tahoma;
    GdiHandle<HFONT> numberFont;
    GdiHandle<HBRUSH> numberBrush;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// The input method each box wants is set when it takes the cursor.
HWND Edit(HWND dialog, int id, int x, int y, int w) {
    return AddDialogControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, id, x, y, w, 22);
}

HWND DropDown(HWND dialog, int id, int x, int y, int w, int rows) {
    HWND combo = AddDialogControl(dialog, L"COMBOBOX", u"",
                                  CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id, x, y, w, 200);
    SetDropDownItems(combo, rows);
    return combo;
}

void Label(HWND dialog, const char16_t* text, int x, int y, int w, int id = -1) {
    AddDialogControl(dialog, L"STATIC", text, SS_LEFT, id, x, y, w, 18);
}

std::u16string AskPath(HWND owner, const std::u16string& folder, bool save) {
    return AskTableFile(owner, folder, kSymbolDbFilter, L"csv", save);
}

void SetTextIfChanged(HWND control, const std::u16string& text) {
    if (WindowText(control) != text) SetWindowTextW(control, W(text));
}

void SelectComboText(HWND combo, const std::u16string& text) {
    const LRESULT at = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(W(text)));
    if (at != CB_ERR) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void ShowPage(HWND dialog, int page) {
    const bool listPage = page == 0;
    ShowWindow(Item(dialog, kIdList), listPage ? SW_SHOW : SW_HIDE);
    for (int id : {kIdScript, kIdFont, kIdScriptLabel, kIdFontLabel, kIdPropertyNote})
        ShowWindow(Item(dialog, id), listPage ? SW_HIDE : SW_SHOW);
}

// The window shows the model's state.
void ShowState(EditorWindow& w) {
    ++w.quiet;
    HWND d = w.dialog;
    const SymbolDbEditor& m = *w.model;
    for (int a = 0; a < kSymbolDbActionCount; ++a)
        EnableWindow(Item(d, kIdAction0 + a), m.Enabled(static_cast<SymbolDbAction>(a)));

    const std::u16string& glyphFont = m.Header().glyphFont;
    if (m.RowsRevision() != w.rowsShown) {
        w.rowsShown = m.RowsRevision();
        w.cellsShown = m.CellsRevision();
        w.glyphFontShown = glyphFont;
        w.charsetShown = m.Charset();
        w.list.Show(m.Groups(), m.Rows(), glyphFont, m.Charset());
        w.list.Select(m.Selected());
        HWND group = Item(d, kIdGroup);
        SendMessageW(group, CB_RESETCONTENT, 0, 0);
        for (const SymbolDbGroup& g : m.Groups())
            SendMessageW(group, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(g.name)));
    } else {
        if (m.CellsRevision() != w.cellsShown && m.Selected() >= 0) {
            w.cellsShown = m.CellsRevision();
            w.list.UpdateRow(m.Selected(), m.Rows()[static_cast<std::size_t>(m.Selected())]);
        }
        if (w.list.SelectedIndex() != m.Selected()) w.list.Select(m.Selected());
        if (glyphFont != w.glyphFontShown || m.Charset() != w.charsetShown) {
            w.glyphFontShown = glyphFont;
            w.charsetShown = m.Charset();
            w.list.SetGlyphFont(glyphFont, m.Charset());
        }
    }
    if (static_cast<int>(m.ListWhite()) != w.listWhiteShown) {
        w.listWhiteShown = m.ListWhite();
        w.list.SetBackground(GetSysColor(m.ListWhite() ? COLOR_WINDOW : COLOR_BTNFACE));
    }

    const SymbolDbEditor::Panel& p = m.panel();
    SetTextIfChanged(Item(d, kIdRowNumber), p.rowNumber);
    SetTextIfChanged(Item(d, kIdCode), p.code);
    SetTextIfChanged(Item(d, kIdEnglish), p.englishName);
    SetTextIfChanged(Item(d, kIdJapanese), p.japaneseName);
    SetTextIfChanged(Item(d, kIdNote), p.note);
    EnableWindow(Item(d, kIdCode), p.codeEnabled);
    for (int id : {kIdEnglish, kIdJapanese, kIdNote}) EnableWindow(Item(d, id), p.textsEnabled);
    EnableWindow(Item(d, kIdGroup), p.groupEnabled);
    SendMessageW(Item(d, kIdGroup), CB_SETCURSEL, static_cast<WPARAM>(p.groupChoice), 0);
    EnableWindow(Item(d, kIdAux), p.auxEnabled);
    SendMessageW(Item(d, kIdAux), CB_SETCURSEL, static_cast<WPARAM>(p.auxChoice), 0);
    InvalidateRect(Item(d, kIdPreview), nullptr, TRUE);

    SendMessageW(Item(d, kIdScript), CB_SETCURSEL, static_cast<WPARAM>(m.ScriptChoice()), 0);
    if (!m.FontChoice().empty()) SelectComboText(Item(d, kIdFont), m.FontChoice());

    HWND status = Item(d, kIdStatus);
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(W(m.StatusFile())));
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(W(m.StatusFolder())));
    --w.quiet;
    if (w.model->TakeCodeFocus()) SetFocus(Item(d, kIdCode));
}

void LayOut(EditorWindow& w) {
    HWND d = w.dialog;
    RECT client{};
    GetClientRect(d, &client);
    HWND status = Item(d, kIdStatus);
    SendMessageW(status, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(status, &bar);
    const int statusHeight = bar.bottom - bar.top;
    const int width = client.right, bottom = client.bottom - statusHeight - 4;
    HWND tabs = Item(d, kIdTabs);
    SetWindowPos(tabs, nullptr, 6, kTabsTop, width - 12, bottom - kTabsTop,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT page{6, kTabsTop, width - 6, bottom};
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    SetWindowPos(w.list.hwnd(), HWND_TOP, page.left, page.top, page.right - page.left,
                 page.bottom - page.top, SWP_NOACTIVATE);
    const int parts[] = {200, 700};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void CreateControls(EditorWindow& w) {
    HWND d = w.dialog;
    w.tahoma.Reset(CreatePointFont(u"Tahoma", ANSI_CHARSET, 10));
    w.numberFont.Reset(CreatePointFont(u"Tahoma", ANSI_CHARSET, 10, true));
    w.numberBrush.Reset(CreateSolidBrush(kNumberBack));
    w.glyphs.Reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TABLE_EDITOR_GLYPHS)));

    for (int a = 0; a < kSymbolDbActionCount; ++a) {
        const int x = 6 + a * (kButtonWidth + 1) + (a >= 5 ? kButtonGap : 0);
        AddDialogControl(d, L"BUTTON", kActionCaptions[a], BS_OWNERDRAW | WS_TABSTOP,
                         kIdAction0 + a, x, 4, kButtonWidth, kButtonHeight);
    }
    const int guideX = 6 + 8 * (kButtonWidth + 1) + kButtonGap + 12;
    const char16_t* guide[] = {u"【操作】", u"1. 「開く」からファイルを選択。",
                               u"2. グループを指定します。", u"3. 「追加」で行を作り、データ入力"};
    for (int i = 0; i < 4; ++i) Label(d, guide[i], guideX, 4 + 16 * i, 280);

    // The edit panel, in two halves of equal width.
    AddDialogControl(d, L"BUTTON", u"[ 個別編集 ]", BS_GROUPBOX, kIdPanelFrame, 6, 70, 676, 140);
    const int half = 676 / 2;
    Label(d, u"No", 16, 92, 24);
    HWND number = AddDialogControl(d, L"EDIT", u"", ES_RIGHT | ES_READONLY, kIdRowNumber, 42, 90,
                                   56, 22);
    SendMessageW(number, WM_SETFONT, reinterpret_cast<WPARAM>(w.numberFont.get()), FALSE);
    AddDialogControl(d, L"STATIC", u"", SS_OWNERDRAW, kIdPreview, 108, 84, kPreviewSize,
                     kPreviewSize);
    Label(d, u"■Unicode", 160, 76, 80);
    HWND code = Edit(d, kIdCode, 160, 94, 80);
    SendMessageW(code, EM_LIMITTEXT, 4, 0);
    Label(d, u"■英語名", 16, 132, 70);
    HWND english = Edit(d, kIdEnglish, 88, 130, half - 96);
    Label(d, u"■日本語名", 16, 168, 70);
    Edit(d, kIdJapanese, 88, 166, half - 96);
    for (HWND box : {code, english})
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(w.tahoma.get()), FALSE);

    const int right = 6 + half + 8;
    Label(d, u"■グループ", right, 94, 76);
    DropDown(d, kIdGroup, right + 80, 90, 676 - half - 96, 16);
    Label(d, u"■補　助", right, 132, 76);
    HWND aux = DropDown(d, kIdAux, right + 80, 128, 676 - half - 96, 3);
    for (std::u16string_view caption : SymbolDbAuxCaptions())
        SendMessageW(aux, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(W(std::u16string(caption))));
    Label(d, u"■備　考", right, 168, 76);
    Edit(d, kIdNote, right + 80, 166, 676 - half - 96);

    HWND tabs = AddDialogControl(d, WC_TABCONTROLW, u"", WS_CLIPSIBLINGS | WS_TABSTOP, kIdTabs, 6,
                                 kTabsTop, 676, 340);
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(L"記号DB");
    SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
    tab.pszText = const_cast<wchar_t*>(L"プロパティ");
    SendMessageW(tabs, TCM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&tab));
    RECT page{6, kTabsTop, 682, kTabsTop + 340};
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    w.list.Create(d, kIdList, page, kRowHeight);
    SetWindowPos(w.list.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    const int px = page.left + 16, py = page.top + 16;
    Label(d, u"・使用文字：", px, py + 4, 90, kIdScriptLabel);
    HWND script = DropDown(d, kIdScript, px + 96, py, 220, 16);
    for (std::u16string_view name : SymbolDbEditorScripts())
        SendMessageW(script, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(std::u16string(name))));
    Label(d, u"・フォント：", px, py + 40, 90, kIdFontLabel);
    HWND font = DropDown(d, kIdFont, px + 96, py + 36, 220, 20);
    for (const std::u16string& face : w.model->InstalledFonts())
        SendMessageW(font, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(face)));
    Label(d, u"※記号DBのユニコード（グリフ）の文字属性です。", px, py + 80, 400, kIdPropertyNote);
    for (int id : {kIdScript, kIdFont})
        SetWindowPos(Item(d, id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int id : {kIdScriptLabel, kIdFontLabel, kIdPropertyNote})
        SetWindowPos(Item(d, id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    AddDialogControl(d, STATUSCLASSNAMEW, u"", SBARS_SIZEGRIP, kIdStatus, 0, 0, 0, 0);
    ShowPage(d, 0);
}

void DrawPreview(const EditorWindow& w, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const std::u16string& glyph = w.model->panel().preview;
    if (glyph.empty()) {
        HBRUSH grey = CreateSolidBrush(kPreviewCleared);
        FillRect(dc, &item.rcItem, grey);
        DeleteObject(grey);
        return;
    }
    HBRUSH back = CreateSolidBrush(kPreviewBack);
    FillRect(dc, &item.rcItem, back);
    DeleteObject(back);
    HBRUSH frame = CreateSolidBrush(kPreviewFrame);
    FrameRect(dc, &item.rcItem, frame);
    DeleteObject(frame);

    DrawFittedGlyph(dc, item.rcItem, glyph, w.model->Header().glyphFont, w.model->Charset());
}

void AfterRestartPrompt(EditorWindow& w, bool endProgram) {
    if (!endProgram) return;
    w.endProgram = true;
    EndDialog(w.dialog, IDOK);
}

void RunAction(EditorWindow& w, SymbolDbAction action) {
    SymbolDbEditor& m = *w.model;
    if (!m.Enabled(action)) return;
    switch (action) {
        case SymbolDbAction::Exit: EndDialog(w.dialog, IDOK); return;
        case SymbolDbAction::Open: m.Open(AskPath(w.dialog, m.TableFolder(), false)); break;
        case SymbolDbAction::OverWrite: AfterRestartPrompt(w, m.OverWrite()); break;
        case SymbolDbAction::Save: {
            const std::u16string path = AskPath(w.dialog, m.TableFolder(), true);
            if (!path.empty()) AfterRestartPrompt(w, m.SaveAs(path));
            break;
        }
        case SymbolDbAction::New: {
            NewSymbolDbDialog dialog = m.MakeNewDialog();
            const std::u16string load = RunNewSymbolDbDialog(w.dialog, dialog);
            if (!load.empty()) m.Load(load);
            break;
        }
        case SymbolDbAction::Delete: m.Delete(); break;
        case SymbolDbAction::Insert: m.Insert(); break;
        case SymbolDbAction::Add: m.Add(); break;
    }
    if (!w.endProgram) ShowState(w);
}

void OnCommand(EditorWindow& w, int id, int code, HWND from) {
    SymbolDbEditor& m = *w.model;
    if (id >= kIdAction0 && id < kIdAction0 + kSymbolDbActionCount) {
        if (code == BN_CLICKED) RunAction(w, static_cast<SymbolDbAction>(id - kIdAction0));
        return;
    }
    if (id == IDCANCEL) {
        EndDialog(w.dialog, IDOK);
        return;
    }
    if (code == EN_SETFOCUS) {
        // The boxes share the thread's input context: each sets the input
        // method as it takes the cursor.
        const bool japanese = id == kIdJapanese || id == kIdNote;
        SetImeMode(from, japanese ? ImeMode::Hiragana : ImeMode::Closed);
        return;
    }
    if (w.quiet) return;
    const bool edited = code == EN_CHANGE;
    const bool picked = code == CBN_SELCHANGE;
    auto pickedPosition = [&] { return static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)); };
    if (edited && id == kIdCode) {
        m.CodeChanged(WindowText(from));
    } else if (edited && id == kIdEnglish) {
        m.EnglishChanged(WindowText(from));
    } else if (edited && id == kIdJapanese) {
        m.JapaneseChanged(WindowText(from));
    } else if (edited && id == kIdNote) {
        m.NoteChanged(WindowText(from));
    } else if (picked && id == kIdAux) {
        m.AuxPicked(pickedPosition());
    } else if (picked && id == kIdGroup) {
        m.GroupPicked(pickedPosition());
    } else if (picked && id == kIdScript) {
        m.ScriptPicked(SelectedComboText(from));
    } else if (picked && id == kIdFont) {
        m.FontPicked(SelectedComboText(from));
    } else {
        return;  // a notice the model does not hear of
    }
    ShowState(w);
}

void OpenEditor(EditorWindow& w) {
    HWND dialog = w.dialog;
    // A window the user can size, never below its first size.
    SetWindowLongPtrW(dialog, GWL_STYLE,
                      GetWindowLongPtrW(dialog, GWL_STYLE) | WS_THICKFRAME | WS_MINIMIZEBOX |
                          WS_MAXIMIZEBOX);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    PlaceDialog(dialog, kWidth, kHeight);
    CreateControls(w);
    LayOut(w);
    w.model->Reset();
    ShowState(w);
}

// A tab picked shows its page; a row clicked or moved to is the model's row.
bool OnNotify(EditorWindow& w, const NMHDR& header) {
    if (header.idFrom == kIdTabs && header.code == TCN_SELCHANGE) {
        ShowPage(w.dialog, TabCtrl_GetCurSel(header.hwndFrom));
        return true;
    }
    if (header.hwndFrom == w.list.hwnd() && !w.quiet &&
        (header.code == NM_CLICK || header.code == LVN_ITEMCHANGED)) {
        const int row = w.list.SelectedIndex();
        if (row >= 0 && row != w.model->Selected()) {
            w.model->SelectRow(row);
            ShowState(w);
        }
    }
    return false;
}

INT_PTR StaticColors(const EditorWindow& w, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == kIdScriptLabel || id == kIdFontLabel || id == kIdPropertyNote) {
        // The property page's texts stand on the tab's page, in the window colour.
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    }
    // The row number: white on grey.
    if (control != Item(w.dialog, kIdRowNumber)) return FALSE;
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, kNumberBack);
    return reinterpret_cast<INT_PTR>(w.numberBrush.get());
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* w = DialogState<EditorWindow>(dialog, message, lParam);
    if (w && w->list.HandleDialogMessage(dialog, message, wParam, lParam)) return TRUE;
    switch (message) {
        case WM_INITDIALOG:
            w->dialog = dialog;
            OpenEditor(*w);
            return TRUE;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = POINT{kWidth, kHeight};
            return TRUE;
        }
        case WM_SIZE:
            if (w) LayOut(*w);
            return TRUE;
        case WM_NOTIFY:
            return w && OnNotify(*w, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!w) return FALSE;
            const int action = static_cast<int>(item->CtlID) - kIdAction0;
            if (action >= 0 && action < kSymbolDbActionCount) {
                DrawPictureButton(*item, w->glyphs, action);
                return TRUE;
            }
            if (item->CtlID != kIdPreview) return FALSE;
            DrawPreview(*w, *item);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            return w ? StaticColors(*w, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))
                     : FALSE;
        case WM_COMMAND:
            if (w) OnCommand(*w, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace

bool RunSymbolDbEditor(HWND owner, SymbolDbEditor& model) {
    EditorWindow window;
    window.model = &model;
    RunModalDialog(owner, kSymbolDbEditorCaption, &EditorProc, reinterpret_cast<LPARAM>(&window));
    return window.endProgram;
}

}  // namespace tess
