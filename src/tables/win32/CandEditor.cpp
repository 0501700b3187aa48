#include "tables/win32/CandEditor.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "tables/win32/GlyphPreview.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/PictureButton.h"
#include "lib/win32/ResourceIds.h"
#include "tables/win32/SymbolDbList.h"
#include "tables/win32/TableFileDialog.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

enum EditorId : int {
    kIdAction0 = 1900,  // + CandAction, for the seven command buttons (DbExit ... New)
    kIdRegister = 1910,
    kIdJump,
    kIdSaveReload,
    kIdBrowse,
    kIdLeftTabs,
    kIdRightTabs,
    kIdList,
    kIdStatus,
    kIdScriptBox,
    kIdFontBox,
    kIdPairedBox,
    kIdModeChooser,
    kIdBox0 = 1940,      // the nine number boxes
    kIdPreview0 = 1950,  // their previews
    kIdKey0 = 2000,      // the 95 trigger buttons, in key layout order
};
constexpr int kCommandCount = 7;  // DbExit, DbOpen, Close, Open, OverWrite, Save, New

constexpr int kWidth = 800;
constexpr int kHeight = 640;
constexpr int kRowHeight = 30;
constexpr int kButtonWidth = 47;
constexpr int kButtonHeight = 62;
constexpr int kPreviewSize = 42;
constexpr int kColumnPitch = 46;
constexpr int kTabsTop = 72;
constexpr int kLeftX = 6, kLeftWidth = 332;
constexpr int kRightX = 344, kRightWidth = 440;
constexpr int kTriggerTop = 196;  // the trigger panel, below the candidate panel
constexpr COLORREF kPreviewCleared = RGB(128, 128, 128);

constexpr const char16_t* kCommandCaptions[kCommandCount] = {u"閉る", u"開く", u"閉る", u"開く",
                                                             u"上書", u"保存", u"新規"};
// Their pictures in the table editors' strip: close, open, overwrite, save, new.
constexpr int kCommandGlyphs[kCommandCount] = {0, 1, 0, 1, 2, 3, 4};

struct EditorWindow {
    CandEditor* model = nullptr;
    HWND dialog = nullptr;
    SymbolDbList list;
    int quiet = 0;
    bool endProgram = false;
    int lastBox = -1;  // the number box that last had the keyboard focus
    std::uint32_t dbShown = ~0u;
    std::u16string pairedShown = u"\x1";
    int modeShown = -2;
    std::u16string layoutShown = u"\x1";
    int leftPage = 0, rightPage = 0;
    RECT triggerPanel{};  // where the trigger keyboard is laid out, in the window
    std::vector<HWND> leftPages[2];
    std::vector<HWND> rightPages[2];
    GdiHandle<HBITMAP> glyphs;
    GdiHandle<HFONT> tahoma;
    GdiHandle<HFONT> tahomaBold;
};

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

HWND Label(HWND dialog, const char16_t* text, int x, int y, int w, int h = 18) {
    return AddDialogControl(dialog, L"STATIC", text, SS_LEFT, -1, x, y, w, h);
}

void SetTextIfChanged(HWND control, const std::u16string& text) {
    if (WindowText(control) != text) SetWindowTextW(control, W(text));
}

int KeyPosition(int id) { return id - kIdKey0; }

void ShowPages(EditorWindow& w) {
    for (int page = 0; page < 2; ++page) {
        for (HWND control : w.leftPages[page]) ShowWindow(control, page == w.leftPage ? SW_SHOW : SW_HIDE);
        for (HWND control : w.rightPages[page]) ShowWindow(control, page == w.rightPage ? SW_SHOW : SW_HIDE);
    }
    // The trigger keyboard: its buttons show on the first right page, letters
    // of the other case hidden.
    const auto rects = TriggerKeyboardLayout(w.triggerPanel.right - w.triggerPanel.left,
                                             w.triggerPanel.bottom - w.triggerPanel.top,
                                             w.model->LayoutMode());
    for (std::size_t p = 0; p < kKeyLayoutSize; ++p) {
        const bool shown = w.rightPage == 0 && rects[p].shown;
        ShowWindow(Item(w.dialog, kIdKey0 + static_cast<int>(p)), shown ? SW_SHOW : SW_HIDE);
    }
}

void PlaceKeys(EditorWindow& w) {
    const auto rects = TriggerKeyboardLayout(w.triggerPanel.right - w.triggerPanel.left,
                                             w.triggerPanel.bottom - w.triggerPanel.top,
                                             w.model->LayoutMode());
    for (std::size_t p = 0; p < kKeyLayoutSize; ++p) {
        const TriggerButtonRect& r = rects[p];
        SetWindowPos(Item(w.dialog, kIdKey0 + static_cast<int>(p)), HWND_TOP,
                     w.triggerPanel.left + r.left, w.triggerPanel.top + r.top, r.width, r.height,
                     SWP_NOACTIVATE);
    }
    ShowPages(w);
}

// The window shows the model's state.
void ShowState(EditorWindow& w) {
    ++w.quiet;
    HWND d = w.dialog;
    const CandEditor& m = *w.model;
    for (int a = 0; a < kCommandCount; ++a)
        EnableWindow(Item(d, kIdAction0 + a), m.Enabled(static_cast<CandAction>(a)));
    EnableWindow(Item(d, kIdRegister), m.Enabled(CandAction::Register));
    EnableWindow(Item(d, kIdJump), m.Enabled(CandAction::Jump));
    EnableWindow(Item(d, kIdSaveReload), m.Enabled(CandAction::SaveReload));

    if (m.DbRevision() != w.dbShown) {
        w.dbShown = m.DbRevision();
        w.list.Show(m.DbGroups(), m.DbRows(), m.DbHeader().glyphFont, m.DbCharset());
        SetTextIfChanged(Item(d, kIdScriptBox), m.DbHeader().scriptName);
        SetTextIfChanged(Item(d, kIdFontBox), m.DbHeader().glyphFont);
    }
    for (int i = 0; i < kCandBoxCount; ++i) {
        SetTextIfChanged(Item(d, kIdBox0 + i), m.Boxes()[static_cast<std::size_t>(i)]);
        InvalidateRect(Item(d, kIdPreview0 + i), nullptr, TRUE);
    }
    // The property page's box and chooser follow the model only when it
    // changes them: what the user types there stays until it is used.
    if (m.PairedBox() != w.pairedShown) {
        w.pairedShown = m.PairedBox();
        SetWindowTextW(Item(d, kIdPairedBox), W(m.PairedBox()));
    }
    if (m.ModeChoice() != w.modeShown) {
        w.modeShown = m.ModeChoice();
        SendMessageW(Item(d, kIdModeChooser), CB_SETCURSEL, static_cast<WPARAM>(m.ModeChoice()), 0);
    }
    for (std::size_t p = 0; p < kKeyLayoutSize; ++p) {
        HWND key = Item(d, kIdKey0 + static_cast<int>(p));
        EnableWindow(key, m.Buttons()[p].enabled);
        InvalidateRect(key, nullptr, FALSE);
    }
    if (m.LayoutMode() != w.layoutShown) {
        w.layoutShown = m.LayoutMode();
        PlaceKeys(w);
    }
    HWND status = Item(d, kIdStatus);
    for (int part = 0; part < 3; ++part)
        SendMessageW(status, SB_SETTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(W(m.Status()[static_cast<std::size_t>(part)])));
    --w.quiet;
}

HWND AddTabs(HWND d, int id, int x, int width, std::initializer_list<const wchar_t*> captions,
             int height, RECT& page) {
    HWND tabs = AddDialogControl(d, WC_TABCONTROLW, u"", WS_CLIPSIBLINGS | WS_TABSTOP, id, x,
                                 kTabsTop, width, height);
    int index = 0;
    for (const wchar_t* caption : captions) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(caption);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&tab));
    }
    page = RECT{x, kTabsTop, x + width, kTabsTop + height};
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    return tabs;
}

// Command buttons: the window and the DB on the left, the candidate file on
// the right, each group with its short how-to beside it.
void CreateCommandButtons(HWND d) {
    for (int a = 0; a < kCommandCount; ++a) {
        const int x = a < 2 ? kLeftX + a * (kButtonWidth + 1) : kRightX + (a - 2) * (kButtonWidth + 1);
        AddDialogControl(d, L"BUTTON", kCommandCaptions[a], BS_OWNERDRAW | WS_TABSTOP, kIdAction0 + a,
                         x, 4, kButtonWidth, kButtonHeight);
    }
    const char16_t* firstSteps[] = {u"【最初にすること】", u"1. 緑の「開く」から候補ﾌｧｲﾙ選択",
                                    u"（記号DBも自動で呼ばれます）"};
    for (int i = 0; i < 3; ++i) Label(d, firstSteps[i], kLeftX + 2 * (kButtonWidth + 1) + 10, 8 + 18 * i, 230);
    const char16_t* howTo[] = {u"【候補指定方法】", u"1. トリガーボタン押す", u"2. 記号DBのNoで候補指定"};
    for (int i = 0; i < 3; ++i) Label(d, howTo[i], kRightX + 5 * (kButtonWidth + 1) + 10, 8 + 18 * i, 190);
}

// Left, "記号DB": the DB's rows; "プロパティ1": its script and font, read-only.
void CreateLeftPages(EditorWindow& w, const RECT& left) {
    HWND d = w.dialog;
    w.list.Create(d, kIdList, left, kRowHeight);
    w.list.SetBackground(GetSysColor(COLOR_WINDOW));
    w.leftPages[0].push_back(w.list.hwnd());
    const int lx = left.left + 12, ly = left.top + 16;
    auto readOnly = [&](int id, int y) {
        return AddDialogControl(d, L"EDIT", u"", ES_AUTOHSCROLL | ES_READONLY, id, lx + 96, y, 200, 22);
    };
    w.leftPages[1] = {Label(d, u"・使用文字：", lx, ly + 4, 92), readOnly(kIdScriptBox, ly),
                      Label(d, u"・フォント：", lx, ly + 40, 92), readOnly(kIdFontBox, ly + 36),
                      Label(d, u"※変更は記号データベースでのみ可能です。", lx, ly + 80, 290)};
}

// Right, "候補エディタ": the candidate panel, then the trigger keyboard.
void CreateCandidatePage(EditorWindow& w, const RECT& right) {
    HWND d = w.dialog;
    const int px = right.left, py = right.top, pw = right.right - right.left;
    std::vector<HWND>& editPage = w.rightPages[0];
    editPage.push_back(AddDialogControl(d, L"BUTTON", u"■候補指定：", BS_GROUPBOX, -1, px + 4, py + 2,
                                        pw - 8, 188));
    for (int i = 0; i < kCandBoxCount; ++i) {
        const int x = px + 14 + i * kColumnPitch;
        const std::u16string number(1, static_cast<char16_t>(u'1' + i));
        HWND label = AddDialogControl(d, L"STATIC", number.c_str(), SS_CENTER, -1, x, py + 22,
                                      kPreviewSize, 16);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(w.tahoma.get()), FALSE);
        HWND preview = AddDialogControl(d, L"STATIC", u"", SS_OWNERDRAW, kIdPreview0 + i, x, py + 40,
                                        kPreviewSize, kPreviewSize);
        HWND box = AddDialogControl(d, L"EDIT", u"", ES_NUMBER | ES_RIGHT | WS_TABSTOP, kIdBox0 + i,
                                    x + 1, py + 86, 40, 22);
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(w.tahoma.get()), FALSE);
        editPage.insert(editPage.end(), {label, preview, box});
    }
    editPage.push_back(Label(d, u"候補を変更した場合", px + 14, py + 116, 150));
    editPage.push_back(AddDialogControl(d, L"BUTTON", u"登録", BS_PUSHBUTTON | WS_TABSTOP, kIdRegister,
                                        px + 14, py + 134, 110, 28));
    editPage.push_back(Label(d, u"←トリガー毎に押します", px + 130, py + 140, 150));
    editPage.push_back(AddDialogControl(d, L"BUTTON", u"Jump", BS_PUSHBUTTON | WS_TABSTOP, kIdJump,
                                        px + 290, py + 134, 60, 28));
    editPage.push_back(Label(d, u"カーソルのあるNoの、記号DBの行に飛びます", px + 150, py + 166, 270));
    editPage.push_back(AddDialogControl(d, L"BUTTON", u"■トリガー指定：", BS_GROUPBOX, -1, px + 4,
                                        py + kTriggerTop, pw - 8, right.bottom - py - kTriggerTop - 4));
    w.triggerPanel = RECT{px + 4, py + kTriggerTop, right.right - 4, right.bottom - 4};
    for (std::size_t p = 0; p < kKeyLayoutSize; ++p) {
        const std::u16string caption(kKeyLayout[p] ? 1 : 0, kKeyLayout[p]);
        AddDialogControl(d, L"BUTTON", caption.c_str(), BS_OWNERDRAW, kIdKey0 + static_cast<int>(p),
                         0, 0, 10, 10);
    }
}

// Right, "プロパティ2": the paired DB and the trigger keys' mode.
void CreatePropertyPage(EditorWindow& w, const RECT& right) {
    HWND d = w.dialog;
    const int qx = right.left + 12, qy = right.top + 16;
    HWND paired = AddDialogControl(d, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, kIdPairedBox, qx,
                                   qy + 64, 250, 22);
    HWND mode = AddDialogControl(d, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                 kIdModeChooser, qx, qy + 124, 220, 120);
    for (const char16_t* caption : {kModeLowerCaption, kModeUpperCaption})
        SendMessageW(mode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(std::u16string(caption))));
    w.rightPages[1] = {
        Label(d, u"※プロパティを変更した場合、下のボタンを押して下さい。", qx, qy, 400),
        Label(d, u"・対になる記号DBファイル：", qx, qy + 42, 250),
        paired,
        AddDialogControl(d, L"BUTTON", u"参照", BS_PUSHBUTTON | WS_TABSTOP, kIdBrowse, qx + 258, qy + 63,
                         60, 24),
        Label(d, u"・トリガーキーのモード指定：", qx, qy + 102, 250),
        mode,
        AddDialogControl(d, L"BUTTON", u"保存後再読み込み", BS_PUSHBUTTON | WS_TABSTOP, kIdSaveReload, qx,
                         qy + 170, 160, 28)};
}

void CreateControls(EditorWindow& w) {
    HWND d = w.dialog;
    w.tahoma.Reset(CreatePointFont(u"Tahoma", ANSI_CHARSET, 9));
    w.tahomaBold.Reset(CreatePointFont(u"Tahoma", ANSI_CHARSET, 9, true));
    w.glyphs.Reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TABLE_EDITOR_GLYPHS)));
    CreateCommandButtons(d);

    const int tabsHeight = 508;
    RECT left{}, right{};
    AddTabs(d, kIdLeftTabs, kLeftX, kLeftWidth, {L"記号DB", L"プロパティ1"}, tabsHeight, left);
    AddTabs(d, kIdRightTabs, kRightX, kRightWidth, {L"候補エディタ", L"プロパティ2"}, tabsHeight, right);
    CreateLeftPages(w, left);
    CreateCandidatePage(w, right);
    CreatePropertyPage(w, right);

    // Every page's controls stand over their tab control.
    for (auto* pages : {w.leftPages, w.rightPages})
        for (int page = 0; page < 2; ++page)
            for (HWND control : pages[page])
                SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    HWND status = AddDialogControl(d, STATUSCLASSNAMEW, u"", 0, kIdStatus, 0, 0, 0, 0);
    const int parts[] = {180, 360, 860};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    PlaceKeys(w);
}

void DrawKey(const EditorWindow& w, const DRAWITEMSTRUCT& item) {
    const int position = KeyPosition(static_cast<int>(item.CtlID));
    const TriggerButton& button = w.model->Buttons()[static_cast<std::size_t>(position)];
    RECT r = item.rcItem;
    UINT state = DFCS_BUTTONPUSH;
    if (item.itemState & ODS_SELECTED) state |= DFCS_PUSHED;
    DrawFrameControl(item.hDC, &r, DFC_BUTTON, state);
    const char16_t key = kKeyLayout[static_cast<std::size_t>(position)];
    if (!key) return;
    COLORREF colour = RGB(0, 0, 0);
    if (!button.enabled) {
        colour = GetSysColor(COLOR_GRAYTEXT);
    } else if (button.colour == TriggerButton::Colour::Red) {
        colour = RGB(255, 0, 0);
    } else if (button.colour == TriggerButton::Colour::Blue) {
        colour = RGB(0, 0, 255);
    }
    HGDIOBJ old = SelectObject(item.hDC, button.bold ? w.tahomaBold : w.tahoma);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colour);
    // "&" is a key like the others, never an accelerator mark.
    const wchar_t text[2] = {static_cast<wchar_t>(key), 0};
    DrawTextW(item.hDC, text, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

void DrawPreview(const EditorWindow& w, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const std::u16string glyph = w.model->BoxGlyph(static_cast<int>(item.CtlID) - kIdPreview0);
    HBRUSH back = CreateSolidBrush(glyph.empty() ? kPreviewCleared : RGB(255, 255, 255));
    FillRect(dc, &item.rcItem, back);
    DeleteObject(back);
    if (glyph.empty()) return;
    DrawFittedGlyph(dc, item.rcItem, glyph, w.model->DbHeader().glyphFont, w.model->DbCharset());
}

void AfterRestartPrompt(EditorWindow& w, bool endProgram) {
    if (!endProgram) return;
    w.endProgram = true;
    EndDialog(w.dialog, IDOK);
}

void RunCommand(EditorWindow& w, int id) {
    CandEditor& m = *w.model;
    const std::u16string& folder = m.TableFolder();
    switch (id - kIdAction0) {
        case static_cast<int>(CandAction::DbExit):
            if (m.MayExit()) EndDialog(w.dialog, IDOK);
            return;
        case static_cast<int>(CandAction::DbOpen):
            // The list and the status bar empty before the dialog shows.
            m.OpenDb({});
            ShowState(w);
            m.OpenDb(AskTableFile(w.dialog, folder, u"記号DB (DB*.csv)|DB*.csv", L"csv", false));
            break;
        case static_cast<int>(CandAction::Close): m.CloseFile(); break;
        case static_cast<int>(CandAction::Open):
            m.Open(AskTableFile(w.dialog, folder, kCandFileFilter, nullptr, false));
            break;
        case static_cast<int>(CandAction::OverWrite): AfterRestartPrompt(w, m.OverWrite()); break;
        case static_cast<int>(CandAction::Save): {
            const std::u16string path = AskTableFile(w.dialog, folder, kCandFileFilter, nullptr, true);
            if (!path.empty()) AfterRestartPrompt(w, m.SaveAs(path));
            break;
        }
        case static_cast<int>(CandAction::New): {
            NewCandDialog dialog = m.MakeNewDialog();
            const std::u16string load = RunNewCandDialog(w.dialog, dialog);
            if (!load.empty()) {
                m.Discard();
                m.Load(load);
            }
            break;
        }
        default: return;
    }
    if (!w.endProgram) ShowState(w);
}

void OnCommand(EditorWindow& w, int id, int code, HWND from) {
    CandEditor& m = *w.model;
    if (id == IDCANCEL) {  // the frame's close box and Esc: nothing is asked
        EndDialog(w.dialog, IDOK);
        return;
    }
    if (id >= kIdAction0 && id < kIdAction0 + kCommandCount) {
        if (code == BN_CLICKED && m.Enabled(static_cast<CandAction>(id - kIdAction0))) RunCommand(w, id);
        return;
    }
    if (id >= kIdKey0 && id < kIdKey0 + static_cast<int>(kKeyLayoutSize)) {
        if (code != BN_CLICKED) return;
        m.SelectKey(KeyPosition(id));
    } else if (id >= kIdBox0 && id < kIdBox0 + kCandBoxCount) {
        if (code == EN_SETFOCUS) {
            w.lastBox = id - kIdBox0;
            SetImeMode(from, ImeMode::Closed);
            return;
        }
        if (code != EN_CHANGE || w.quiet) return;
        m.BoxChanged(id - kIdBox0, WindowText(from));
        InvalidateRect(Item(w.dialog, kIdPreview0 + id - kIdBox0), nullptr, TRUE);
        return;
    } else if (id == kIdPairedBox) {
        if (code == EN_SETFOCUS) SetImeMode(from, ImeMode::Closed);
        return;
    } else if (id == kIdRegister && code == BN_CLICKED) {
        m.Register();
    } else if (id == kIdJump && code == BN_CLICKED) {
        if (const std::optional<int> row = m.JumpTarget(w.lastBox)) {
            w.leftPage = 0;
            TabCtrl_SetCurSel(Item(w.dialog, kIdLeftTabs), 0);
            ShowPages(w);
            SetFocus(w.list.hwnd());
            w.list.Select(*row);
        }
        return;
    } else if (id == kIdBrowse && code == BN_CLICKED) {
        m.PairedDbChosen(AskTableFile(w.dialog, m.TableFolder(), kPairedDbFilter, nullptr, false));
    } else if (id == kIdSaveReload && code == BN_CLICKED) {
        if (!m.Enabled(CandAction::SaveReload)) return;
        const bool upper = SendMessageW(Item(w.dialog, kIdModeChooser), CB_GETCURSEL, 0, 0) == 1;
        m.SaveAndReload(WindowText(Item(w.dialog, kIdPairedBox)), upper);
    } else {
        return;
    }
    ShowState(w);
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* w = DialogState<EditorWindow>(dialog, message, lParam);
    if (w && w->list.HandleDialogMessage(dialog, message, wParam, lParam)) return TRUE;
    switch (message) {
        case WM_INITDIALOG:
            w->dialog = dialog;
            PlaceDialog(dialog, kWidth, kHeight);
            CreateControls(*w);
            ShowState(*w);
            return TRUE;
        case WM_NOTIFY: {
            if (!w) return FALSE;
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == TCN_SELCHANGE) {
                const int page = TabCtrl_GetCurSel(header->hwndFrom);
                if (header->idFrom == kIdLeftTabs) w->leftPage = page;
                if (header->idFrom == kIdRightTabs) w->rightPage = page;
                ShowPages(*w);
                return TRUE;
            }
            return FALSE;
        }
        case WM_DRAWITEM: {
            if (!w) return FALSE;
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int id = static_cast<int>(item->CtlID);
            if (id >= kIdAction0 && id < kIdAction0 + kCommandCount) {
                DrawPictureButton(*item, w->glyphs, kCommandGlyphs[id - kIdAction0]);
            } else if (id >= kIdKey0 && id < kIdKey0 + static_cast<int>(kKeyLayoutSize)) {
                DrawKey(*w, *item);
            } else if (id >= kIdPreview0 && id < kIdPreview0 + kCandBoxCount) {
                DrawPreview(*w, *item);
            } else {
                return FALSE;
            }
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            if (!w) return FALSE;
            HWND control = reinterpret_cast<HWND>(lParam);
            if (control == Item(dialog, kIdScriptBox) || control == Item(dialog, kIdFontBox))
                return FALSE;  // the read-only boxes stay grey
            if (GetDlgCtrlID(control) == -1 || GetDlgCtrlID(control) == 0xFFFF) {
                // Texts on the tab pages stand on the page's colour, the window colour.
                RECT r{};
                GetWindowRect(control, &r);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
                if (r.top >= kTabsTop) {
                    SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
                }
            }
            return FALSE;
        }
        case WM_COMMAND:
            if (w) OnCommand(*w, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace

bool RunCandEditor(HWND owner, CandEditor& model) {
    EditorWindow window;
    window.model = &model;
    RunModalDialog(owner, kCandEditorCaption, &EditorProc, reinterpret_cast<LPARAM>(&window));
    // Closing the window drops the working table.
    model.Discard();
    return window.endProgram;
}

}  // namespace tess
