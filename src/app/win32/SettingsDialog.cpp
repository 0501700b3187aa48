#include "app/win32/SettingsDialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <string>
#include <vector>

#include "app/SettingsDialogModel.h"
#include "lib/WholeNumber.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

constexpr int kMargin = 8;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 26;
constexpr int kDropDownItems = 16;

struct SettingsDialog {
    explicit SettingsDialog(MainModel& main) : model(main) {
        customColors.fill(RGB(0xFF, 0xFF, 0xFF));
    }
    SettingsDialogModel model;
    HWND dialog = nullptr;
    HWND tabs = nullptr;
    std::array<HWND, kSettingsPageCount> pages{};
    GdiHandle<HFONT> boldFont;
    std::array<COLORREF, 16> customColors{};  // the colour dialog's own row, for this showing
};

HWND Item(const SettingsDialog& state, int id) {
    for (HWND page : state.pages)
        if (HWND control = GetDlgItem(page, id)) return control;
    return GetDlgItem(state.dialog, id);
}

// --- Building the pages ---------------------------------------------------------------

HWND Label(HWND page, std::u16string_view text, int x, int y, int width, int id = -1) {
    return AddDialogControl(page, L"STATIC", text, SS_LEFT | SS_NOPREFIX, id, x, y, width, 16);
}

HWND Heading(const SettingsDialog& state, HWND page, std::u16string_view text, int x, int y,
             int width) {
    HWND label = Label(page, text, x, y, width);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(state.boldFont.get()), FALSE);
    return label;
}

HWND Button(HWND page, std::u16string_view text, int id, int x, int y, int width,
            int height = 24) {
    return AddDialogControl(page, L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP, id, x, y, width,
                            height);
}

HWND Check(HWND page, SettingsCheck check, std::u16string_view text, int x, int y, int width) {
    return AddDialogControl(page, L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP,
                            kSettingsCheckId0 + static_cast<int>(check), x, y, width, 20);
}

HWND Edit(HWND page, int id, int x, int y, int width) {
    HWND edit = AddDialogControl(page, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, id, x, y, width, 22);
    SetImeMode(edit, ImeMode::Closed);
    return edit;
}

HWND Combo(HWND page, int id, int x, int y, int width, const ItemList& items) {
    HWND combo = AddDialogControl(page, WC_COMBOBOXW, u"",
                                  CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, id, x,
                                  y, width, 200);
    FillCombo(combo, items);
    SetDropDownItems(combo, kDropDownItems);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(combo, &info) && info.hwndItem) SetImeMode(info.hwndItem, ImeMode::Closed);
    return combo;
}

HWND TrackBar(HWND page, int id, const TrackBarRow& row, int position, bool vertical, int x,
              int y, int width, int height) {
    HWND bar = AddDialogControl(page, TRACKBAR_CLASSW, u"",
                                TBS_AUTOTICKS | WS_TABSTOP | (vertical ? TBS_VERT : TBS_HORZ), id,
                                x, y, width, height);
    SendMessageW(bar, TBM_SETRANGEMIN, FALSE, row.min);
    SendMessageW(bar, TBM_SETRANGEMAX, FALSE, row.max);
    SendMessageW(bar, TBM_SETTICFREQ, row.tickStep, 0);
    SendMessageW(bar, TBM_SETPOS, TRUE, position);
    return bar;
}

void BuildFlagChecks(SettingsDialog& state, SettingsPage page) {
    HWND sheet = state.pages[static_cast<int>(page)];
    int y = 12;
    for (const FlagCheckRow& row : FlagCheckRows()) {
        if (row.page != page) continue;
        Check(sheet, row.check, row.caption, 16, y, 510);
        y += 24;
    }
}

void BuildWordBookPage(SettingsDialog& state) {
    HWND page = state.pages[static_cast<int>(SettingsPage::WordBook)];
    const SettingsDialogModel& m = state.model;
    BuildFlagChecks(state, SettingsPage::WordBook);

    Heading(state, page, u"■単語リスト外観：", 16, 152, 130);
    Check(page, SettingsCheck::ChangeLook, u"変更する", 150, 150, 90);
    Button(page, u"初期値に戻す", kSettingsLookResetId, 250, 147, 110);

    Label(page, u"[行間高さ]", 24, 188, 90);
    TrackBar(page, kSettingsLookBarId0, LookBarRow(LookBar::LineHeight),
             m.LookPosition(LookBar::LineHeight), true, 40, 208, 36, 180);
    Label(page, WholeNumberText(m.LookPosition(LookBar::LineHeight)), 82, 290, 40, kSettingsLookValueId0);

    Label(page, u"[文字の大きさ]", 150, 188, 140);
    const std::u16string_view names[] = {u"外国語", u"発音記号", u"日本語"};
    for (int i = 0; i < 3; ++i) {
        const LookBar bar = static_cast<LookBar>(i + 1);
        const int y = 214 + 56 * i;
        Label(page, names[i], 160, y + 10, 70);
        TrackBar(page, kSettingsLookBarId0 + i + 1, LookBarRow(bar), m.LookPosition(bar), false,
                 232, y, 240, 36);
        Label(page, WholeNumberText(m.LookPosition(bar)), 480, y + 10, 40, kSettingsLookValueId0 + i + 1);
    }
}

void BuildGeneralPage(SettingsDialog& state) {
    HWND page = state.pages[static_cast<int>(SettingsPage::General)];
    BuildFlagChecks(state, SettingsPage::General);
    Heading(state, page, u"■すべての変更を初期値に戻す場合（頻繁に使っても結構です）", 16, 152, 500);
    Button(page, u"設定ファイルを初期化する", kSettingsResetFileId, 32, 176, 200, 28);
    Label(page, u"（上のボタンを押すと一旦終了します。再起動すると初期化されます）", 32, 212, 500);
    Check(page, SettingsCheck::DeleteFiles, u"アンインストールする前に関連ファイルを削除する", 16,
          256, 400);
    Button(page, u"すべてを削除する", kSettingsDeleteAllId, 32, 282, 200, 28);
    Label(page, u"（ボタンを押すと終了します。その後アンインストールを実行して下さい）", 32, 318, 500);
}

void BuildFontPage(SettingsDialog& state) {
    HWND page = state.pages[static_cast<int>(SettingsPage::Fonts)];
    const ItemList& fonts = state.model.FontItems();
    const ItemList& sizes = state.model.SizeItems();
    auto fontBox = [&](FontBox box, int x, int y, int width) {
        const int i = static_cast<int>(box);
        Combo(page, kSettingsFontBoxId0 + i, x, y, width, fonts);
    };
    auto sizeBox = [&](SizeBox box, int x, int y) {
        Combo(page, kSettingsSizeBoxId0 + static_cast<int>(box), x, y, 56, sizes);
    };

    Heading(state, page, u"■主画面のフォントボックス", 16, 12, 300);
    Check(page, SettingsCheck::ThaiFontsOnly, u"タイ語フォントのみ", 32, 34, 140);
    Label(page, u"リストアップする", 176, 37, 150);

    Heading(state, page, u"■主画面入力エリア", 16, 70, 300);
    Check(page, SettingsCheck::SizeLock, u"文字サイズを固定する", 32, 92, 220);
    Label(page, u"・タイ語など：", 48, 126, 90, kSettingsFixedLabelId0);
    sizeBox(SizeBox::FixedForeign, 140, 122);
    Button(page, u"初期値", kSettingsFixedResetId0, 202, 121, 56);
    Label(page, u"・発音記号：", 290, 126, 80, kSettingsFixedLabelId0 + 1);
    sizeBox(SizeBox::FixedPhonetic, 372, 122);
    Button(page, u"初期値", kSettingsFixedResetId0 + 1, 434, 121, 56);
    Label(page, u"※転送時の文字サイズは可変です。", 48, 154, 300);

    auto heading = [&](FontBox box, int x, int y) {
        Heading(state, page, FontBoxRowOf(box).heading, x, y, 220);
    };
    auto reset = [&](FontBox box, int x, int y) {
        Button(page, u"初期値", kSettingsFontResetId0 + static_cast<int>(box), x, y, 56);
    };
    heading(FontBox::Phonetic, 16, 186);
    fontBox(FontBox::Phonetic, 32, 208, 200);
    sizeBox(SizeBox::Phonetic, 238, 208);
    reset(FontBox::Phonetic, 300, 207);

    // The four languages in two columns of two: a heading, the box with its
    // 初期値 and, under the box, the font the program writes the language in
    // when that is not the chosen one (ShowFontBox fills it).
    struct LanguageCell {
        FontBox box;
        int x, y;
    };
    constexpr LanguageCell kLanguageCells[] = {{FontBox::Thai, 16, 248},
                                               {FontBox::Myanmar, 280, 248},
                                               {FontBox::Lao, 16, 320},
                                               {FontBox::Khmer, 280, 320}};
    for (const LanguageCell& cell : kLanguageCells) {
        heading(cell.box, cell.x, cell.y);
        fontBox(cell.box, cell.x + 16, cell.y + 22, 170);
        reset(cell.box, cell.x + 192, cell.y + 21);
        Label(page, u"", cell.x + 16, cell.y + 48, 230,
              kSettingsFontInUseId0 + static_cast<int>(cell.box) - 1);
    }
}

void BuildFilePage(SettingsDialog& state) {
    HWND page = state.pages[static_cast<int>(SettingsPage::Files)];
    Label(page, kSymbolDbColumnCaption, 120, 14, 150);
    Label(page, kCandidateColumnCaption, 330, 14, 150);
    for (int row = 0; row < kFileRowCount; ++row) {
        const int y = 38 + 60 * row;
        AddDialogControl(page, L"STATIC", FileRowCaptions()[row], SS_LEFT | SS_NOPREFIX, -1, 16,
                         y, 100, 34);
        for (int column = 0; column < 2; ++column) {
            const int box = 2 * row + column;
            const int x = 120 + 210 * column;
            Edit(page, kSettingsFileBoxId0 + box, x, y, 150);
            Button(page, u"...", kSettingsFileBrowseId0 + box, x + 152, y, 24, 22);
            Button(page, u"戻", kSettingsFileBackId0 + box, x + 178, y, 24, 22);
        }
    }
}

void BuildColorPage(SettingsDialog& state) {
    HWND page = state.pages[static_cast<int>(SettingsPage::Colors)];
    for (int row = 0; row < kColorRowCount; ++row) {
        const int y = 16 + 64 * row;
        Label(page, ColorRowOf(row).caption, 16, y + 12, 190);
        Edit(page, kSettingsColorBoxId0 + row, 210, y + 9, 80);
        AddDialogControl(page, L"STATIC", u"", SS_OWNERDRAW, kSettingsColorPreviewId0 + row, 300,
                         y, kColorPreviewWidth, kColorPreviewHeight);
        Button(page, u"変更", kSettingsColorChangeId0 + row, 392, y + 7, 60, kButtonHeight);
        Button(page, u"初期値", kSettingsColorResetId0 + row, 458, y + 7, 60, kButtonHeight);
    }
}

void BuildTimerPage(SettingsDialog& state) {
    HWND page = state.pages[static_cast<int>(SettingsPage::Timers)];
    struct Row {
        TimerBar bar;
        std::u16string_view heading, note;
        int y;
    };
    const Row rows[] = {
        {TimerBar::Search, u"１．サーチタイマー：　(msec)", u"⇒貼り付け先アプリを探すタイミング", 16},
        {TimerBar::Paste, u"２．貼り付けタイマー：　(msec)",
         u"⇒転送ボタンを押してから貼り付けコマンドを実行するタイミング", 136},
    };
    for (const Row& row : rows) {
        const int i = static_cast<int>(row.bar);
        Heading(state, page, row.heading, 16, row.y, 300);
        Label(page, row.note, 32, row.y + 24, 500);
        TrackBar(page, kSettingsTimerBarId0 + i, TimerBarRow(row.bar),
                 state.model.TimerPosition(row.bar), false, 32, row.y + 48, 360, 36);
        Label(page, WholeNumberText(state.model.TimerPosition(row.bar)), 400, row.y + 58, 50,
              kSettingsTimerValueId0 + i);
        Button(page, u"初期値", kSettingsTimerResetId0 + i, 460, row.y + 53, 60, kButtonHeight);
    }
}

// --- Showing the model ---------------------------------------------------------------------

void ShowEnabling(const SettingsDialog& state) {
    const SettingsDialogModel& m = state.model;
    for (int i = 0; i < kLookBarCount; ++i)
        EnableWindow(Item(state, kSettingsLookBarId0 + i), m.LookBarsEnabled());
    for (int id : {kSettingsFixedLabelId0, kSettingsFixedLabelId0 + 1,
                   kSettingsSizeBoxId0 + static_cast<int>(SizeBox::FixedForeign),
                   kSettingsSizeBoxId0 + static_cast<int>(SizeBox::FixedPhonetic),
                   kSettingsFixedResetId0, kSettingsFixedResetId0 + 1})
        EnableWindow(Item(state, id), m.FixedSizesEnabled());
    EnableWindow(Item(state, kSettingsDeleteAllId), m.DeleteAllEnabled());
}

void ShowLook(const SettingsDialog& state) {
    for (int i = 0; i < kLookBarCount; ++i) {
        const int position = state.model.LookPosition(static_cast<LookBar>(i));
        SendMessageW(Item(state, kSettingsLookBarId0 + i), TBM_SETPOS, TRUE, position);
        SetWindowTextW(Item(state, kSettingsLookValueId0 + i), W(WholeNumberText(position)));
    }
}

void ShowTimer(const SettingsDialog& state, TimerBar bar) {
    const int i = static_cast<int>(bar);
    const int position = state.model.TimerPosition(bar);
    SendMessageW(Item(state, kSettingsTimerBarId0 + i), TBM_SETPOS, TRUE, position);
    SetWindowTextW(Item(state, kSettingsTimerValueId0 + i), W(WholeNumberText(position)));
}

// A language's "使用中" line: the font its text is drawn in when the chosen
// one is missing or lacks letters of the script.
void ShowFontInUse(const SettingsDialog& state, FontBox box) {
    if (box == FontBox::Phonetic) return;
    const std::u16string inUse = state.model.FontInUse(box);
    SetWindowTextW(Item(state, kSettingsFontInUseId0 + static_cast<int>(box) - 1),
                   W(inUse.empty() ? inUse : u"使用中：" + inUse));
}

void ShowFontBox(const SettingsDialog& state, FontBox box) {
    SetComboText(Item(state, kSettingsFontBoxId0 + static_cast<int>(box)), state.model.FontText(box));
    ShowFontInUse(state, box);
}

void ShowSizeBox(const SettingsDialog& state, SizeBox box) {
    SetComboText(Item(state, kSettingsSizeBoxId0 + static_cast<int>(box)), state.model.SizeText(box));
}

void ShowFileBox(const SettingsDialog& state, int box) {
    SetWindowTextW(Item(state, kSettingsFileBoxId0 + box), W(state.model.FileText(box)));
}

void ShowColorRow(const SettingsDialog& state, int row) {
    HWND edit = Item(state, kSettingsColorBoxId0 + row);
    if (WindowText(edit) != state.model.ColorText(row))
        SetWindowTextW(edit, W(state.model.ColorText(row)));
    InvalidateRect(Item(state, kSettingsColorPreviewId0 + row), nullptr, TRUE);
}

void ShowAll(const SettingsDialog& state) {
    for (int i = 0; i < kSettingsCheckCount; ++i) {
        SendMessageW(Item(state, kSettingsCheckId0 + i), BM_SETCHECK,
                     state.model.Checked(static_cast<SettingsCheck>(i)) ? BST_CHECKED : BST_UNCHECKED,
                     0);
    }
    for (int i = 0; i < kFontBoxCount; ++i) ShowFontBox(state, static_cast<FontBox>(i));
    for (int i = 0; i < kSizeBoxCount; ++i) ShowSizeBox(state, static_cast<SizeBox>(i));
    for (int box = 0; box < kFileBoxCount; ++box) ShowFileBox(state, box);
    for (int row = 0; row < kColorRowCount; ++row) ShowColorRow(state, row);
    ShowEnabling(state);
}

void ShowPage(SettingsDialog& state, int index) {
    for (int i = 0; i < kSettingsPageCount; ++i)
        ShowWindow(state.pages[i], i == index ? SW_SHOW : SW_HIDE);
}

// --- The dialog ------------------------------------------------------------------------------

void CreateControls(SettingsDialog& state) {
    HWND dialog = state.dialog;
    RECT client;
    GetClientRect(dialog, &client);
    state.boldFont.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, 9, true));

    const int buttonsTop = client.bottom - kMargin - kButtonHeight;
    state.tabs = AddDialogControl(dialog, WC_TABCONTROLW, u"", WS_CLIPSIBLINGS | WS_TABSTOP,
                                  kSettingsTabsId, kMargin, kMargin, client.right - 2 * kMargin,
                                  buttonsTop - 2 * kMargin);
    const auto captions = SettingsPageCaptions();
    for (int i = 0; i < kSettingsPageCount; ++i) {
        const std::u16string caption(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(W(caption));
        SendMessageW(state.tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT area;
    GetClientRect(state.tabs, &area);
    SendMessageW(state.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(state.tabs, dialog, reinterpret_cast<POINT*>(&area), 2);
    for (int i = 0; i < kSettingsPageCount; ++i)
        state.pages[i] = CreateDialogPage(dialog, area, kSettingsPageId0 + i);

    BuildWordBookPage(state);
    BuildGeneralPage(state);
    BuildFontPage(state);
    BuildFilePage(state);
    BuildColorPage(state);
    BuildTimerPage(state);

    AddDialogControl(dialog, L"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
                     client.right - kMargin - 2 * kButtonWidth - 8, buttonsTop, kButtonWidth,
                     kButtonHeight);
    AddDialogControl(dialog, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
                     client.right - kMargin - kButtonWidth, buttonsTop, kButtonWidth,
                     kButtonHeight);
    // The pages lie over the tab control.
    SetWindowPos(state.tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ChooseFile(SettingsDialog& state, int box) {
    const FileFilter filter = FileFilterOf(box);
    std::u16string filterText;
    filterText.append(filter.name).push_back(u'\0');
    filterText.append(filter.pattern).push_back(u'\0');
    filterText.push_back(u'\0');
    std::array<wchar_t, MAX_PATH * 4> path{};
    const std::u16string folder = state.model.TableFolder();
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = state.dialog;
    open.lpstrFilter = W(filterText);
    open.lpstrFile = path.data();
    open.nMaxFile = static_cast<DWORD>(path.size());
    open.lpstrInitialDir = W(folder);
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetOpenFileNameW(&open)) return;
    state.model.FileChosen(box, std::u16string(reinterpret_cast<const char16_t*>(path.data())));
    ShowFileBox(state, box);
}

void ChooseColour(SettingsDialog& state, int row) {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = state.dialog;
    choose.rgbResult = state.model.ColorDialogStart(row);
    choose.lpCustColors = state.customColors.data();
    choose.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorW(&choose)) return;
    state.model.ColorChosen(row, choose.rgbResult);
    ShowColorRow(state, row);
}

void DrawPreview(const SettingsDialog& state, const DRAWITEMSTRUCT& item) {
    const int row = static_cast<int>(item.CtlID) - kSettingsColorPreviewId0;
    HBRUSH fill = CreateSolidBrush(state.model.Preview(row));
    FillRect(item.hDC, &item.rcItem, fill);
    DeleteObject(fill);
    FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// A combo box's text as the user left it: the picked item, or what was typed.
std::u16string ComboText(HWND combo, int code) {
    return code == CBN_SELCHANGE ? SelectedComboText(combo) : WindowText(combo);
}

// The place of `id` in a row of `count` controls numbered from `first`, or -1.
int IndexIn(int id, int first, int count) { return id >= first && id < first + count ? id - first : -1; }

// The font page: the font boxes, their 初期値 buttons and the size boxes.
bool OnFontPageCommand(SettingsDialog& state, int id, int code, HWND control) {
    SettingsDialogModel& m = state.model;
    const bool typedOrPicked = code == CBN_EDITCHANGE || code == CBN_SELCHANGE;
    if (const int i = IndexIn(id, kSettingsFontBoxId0, kFontBoxCount); i >= 0) {
        if (!typedOrPicked) return true;
        m.SetFontText(static_cast<FontBox>(i), ComboText(control, code));
        ShowFontInUse(state, static_cast<FontBox>(i));
    } else if (const int r = IndexIn(id, kSettingsFontResetId0, kFontBoxCount); r >= 0) {
        const auto box = static_cast<FontBox>(r);
        m.ResetFont(box);
        ShowFontBox(state, box);
        if (box == FontBox::Phonetic) ShowSizeBox(state, SizeBox::Phonetic);
    } else if (const int b = IndexIn(id, kSettingsSizeBoxId0, kSizeBoxCount); b >= 0) {
        if (!typedOrPicked) return true;
        const std::u16string text = ComboText(control, code);
        const std::u16string shown = m.SetSizeText(static_cast<SizeBox>(b), text);
        if (shown != text) {
            SetWindowTextW(control, W(shown));
            SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(shown.size(), shown.size()));
        }
    } else if (const int f = IndexIn(id, kSettingsFixedResetId0, 2); f >= 0) {
        const SizeBox box = f == 0 ? SizeBox::FixedForeign : SizeBox::FixedPhonetic;
        m.ResetSize(box);
        ShowSizeBox(state, box);
    } else {
        return false;
    }
    return true;
}

// The file page's boxes and buttons and the colour page's rows.
bool OnFileOrColorCommand(SettingsDialog& state, int id, int code, HWND control) {
    SettingsDialogModel& m = state.model;
    if (const int i = IndexIn(id, kSettingsFileBoxId0, kFileBoxCount); i >= 0) {
        if (code == EN_CHANGE) m.SetFileText(i, WindowText(control));
    } else if (const int b = IndexIn(id, kSettingsFileBrowseId0, kFileBoxCount); b >= 0) {
        ChooseFile(state, b);
    } else if (const int k = IndexIn(id, kSettingsFileBackId0, kFileBoxCount); k >= 0) {
        m.ResetFile(k);
        ShowFileBox(state, k);
    } else if (const int row = IndexIn(id, kSettingsColorBoxId0, kColorRowCount); row >= 0) {
        if (code == EN_CHANGE && m.SetColorText(row, WindowText(control)))
            InvalidateRect(Item(state, kSettingsColorPreviewId0 + row), nullptr, TRUE);
    } else if (const int c = IndexIn(id, kSettingsColorChangeId0, kColorRowCount); c >= 0) {
        ChooseColour(state, c);
    } else if (const int r = IndexIn(id, kSettingsColorResetId0, kColorRowCount); r >= 0) {
        m.ResetColor(r);
        ShowColorRow(state, r);
    } else {
        return false;
    }
    return true;
}

void OnCommand(SettingsDialog& state, int id, int code, HWND control) {
    SettingsDialogModel& m = state.model;
    if (const int i = IndexIn(id, kSettingsCheckId0, kSettingsCheckCount); i >= 0) {
        if (code != BN_CLICKED) return;
        m.SetChecked(static_cast<SettingsCheck>(i), SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
        ShowEnabling(state);
        return;
    }
    if (OnFontPageCommand(state, id, code, control) || OnFileOrColorCommand(state, id, code, control))
        return;
    if (const int t = IndexIn(id, kSettingsTimerResetId0, kTimerBarCount); t >= 0) {
        m.ResetTimer(static_cast<TimerBar>(t));
        ShowTimer(state, static_cast<TimerBar>(t));
        return;
    }
    switch (id) {
        case kSettingsLookResetId:
            m.ResetLook();
            ShowLook(state);
            return;
        case kSettingsResetFileId:
            if (m.ResetSettingsFile()) EndDialog(state.dialog, IDCANCEL);
            return;
        case kSettingsDeleteAllId:
            if (m.DeleteAll()) EndDialog(state.dialog, IDCANCEL);
            return;
        case IDOK:
            m.Ok();
            EndDialog(state.dialog, IDOK);
            return;
        case IDCANCEL:
            EndDialog(state.dialog, IDCANCEL);
            return;
        default:
            return;
    }
}

void OnScroll(SettingsDialog& state, HWND bar) {
    const int id = GetDlgCtrlID(bar);
    const int position = static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0));
    if (id >= kSettingsLookBarId0 && id < kSettingsLookBarId0 + kLookBarCount) {
        const auto look = static_cast<LookBar>(id - kSettingsLookBarId0);
        if (state.model.MoveLookBar(look, position))
            SetWindowTextW(Item(state, kSettingsLookValueId0 + static_cast<int>(look)),
                           W(WholeNumberText(state.model.LookPosition(look))));
    } else if (id >= kSettingsTimerBarId0 && id < kSettingsTimerBarId0 + kTimerBarCount) {
        const auto timer = static_cast<TimerBar>(id - kSettingsTimerBarId0);
        state.model.SetTimerPosition(timer, position);
        SetWindowTextW(Item(state, kSettingsTimerValueId0 + static_cast<int>(timer)),
                       W(WholeNumberText(state.model.TimerPosition(timer))));
    }
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<SettingsDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            state->dialog = dialog;
            PlaceDialog(dialog, kSettingsDialogWidth, kSettingsDialogHeight);
            CreateControls(*state);
            ShowAll(*state);
            ShowPage(*state, 0);
            state->model.FormShow();
            SetFocus(state->tabs);
            return FALSE;  // the focus is set
        case WM_NOTIFY: {
            if (!state) break;
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == state->tabs && header->code == TCN_SELCHANGE)
                ShowPage(*state, static_cast<int>(SendMessageW(state->tabs, TCM_GETCURSEL, 0, 0)));
            break;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (!state || !lParam) break;
            OnScroll(*state, reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_DRAWITEM: {
            if (!state) break;
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID < static_cast<UINT>(kSettingsColorPreviewId0) ||
                item->CtlID >= static_cast<UINT>(kSettingsColorPreviewId0 + kColorRowCount))
                break;
            DrawPreview(*state, *item);
            return TRUE;
        }
        case WM_COMMAND:
            if (!state) break;
            OnCommand(*state, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
    }
    return FALSE;
}

}  // namespace

void RunSettingsDialog(HWND owner, MainModel& main) {
    SettingsDialog state(main);
    RunModalDialog(owner, kSettingsDialogCaption, SettingsDialogProc, reinterpret_cast<LPARAM>(&state));
    state.model.FormClose();
}

}  // namespace tess
