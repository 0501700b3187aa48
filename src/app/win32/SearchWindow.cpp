#include "app/win32/SearchWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "input/InputModes.h"
#include "input/TriggerStep.h"
#include "lib/Charsets.h"
#include "lib/win32/CellDraw.h"
#include "lib/win32/FocusKeeper.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/FontCache.h"
#include "wordbook/SearchWindowModel.h"

namespace tess {

namespace {

constexpr wchar_t kSearchWindowClass[] = L"TSearchFrm";

enum ControlId : int {
    kIdCurrentFolder = 1001,
    kIdDictionaryFolder,
    kIdFieldList,
    kIdSearchBox,
    kIdSearchButton,
    kIdClearButton,
    kIdResultList,
    kIdDetailForeign = 1010,
    kIdDetailPhonetic,
    kIdDetailKana,
    kIdDetailJapanese,
    kIdDetailNote,
    kIdDetailLabel0 = 1020,
    kIdInputButton = 1030,
    kIdEditButton,
    kIdCloseButton,
};

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 331;
// The strip above the list holds the folder and field choice, the box and
// its two buttons; the buttons of a hit and "閉じる" sit below everything.
constexpr int kStripHeight = 48;
constexpr int kFieldListTop = 10;
constexpr int kButtonStripHeight = 44;
constexpr int kListMargin = 4;
constexpr int kDetailLabelX = 8;
constexpr int kDetailBoxX = 120;
constexpr int kDetailBoxTop = 8;
constexpr int kDetailBoxPitch = 41;
constexpr int kDetailBoxWidth = 450;
constexpr int kDetailNoteWidth = 475;
constexpr int kDetailNoteHeight = 88;
constexpr int kDetailForeignPoints = 17;
constexpr int kDetailPhoneticPoints = 15;

constexpr UINT_PTR kSearchTimer = 1;
constexpr UINT kClampNumberColumn = WM_APP + 1;
// A timer tick searches books for about this long, then lets the window
// answer the user and paint what was found.
constexpr DWORD kSearchSliceMs = 40;

// The place the window had when it last closed, kept in the class's own
// bytes for the rest of the run: left, top, and whether there is one.
constexpr int kPlaceLeft = 0;
constexpr int kPlaceTop = static_cast<int>(sizeof(LONG_PTR));
constexpr int kPlaceKept = 2 * static_cast<int>(sizeof(LONG_PTR));
constexpr int kClassBytes = 3 * static_cast<int>(sizeof(LONG_PTR));


// Every control is drawn afresh where it goes: when the detail panel opens,
// the controls below it move to where others then stand, and bits copied
// from the old place would show a piece of those.
void Move(HWND hwnd, int x, int y, int w, int h) {
    SetWindowPos(hwnd, nullptr, x, y, std::max(0, w), std::max(0, h),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}


int FontHeight(HWND control, HFONT font) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

ImeMode ImeModeOf(SearchBoxInput input) {
    switch (input) {
        case SearchBoxInput::Off: return ImeMode::Disabled;
        case SearchBoxInput::KatakanaFull: return ImeMode::KatakanaFull;
        case SearchBoxInput::Hiragana: break;
    }
    return ImeMode::Hiragana;
}

class SearchWindow {
public:
    SearchWindow(const SearchWindowContext& context)
        : context_(context),
          model_(context.platform, context.settings, context.wordBooks, context.language.LanguageName,
                 context.language.LangCharset) {}

    static bool RegisterClassOnce(HINSTANCE instance);
    // Makes and shows the window; from then on the window owns this object
    // and frees it when it is destroyed.
    static void Open(HINSTANCE instance, HWND owner, const SearchWindowContext& context);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void CreateResultList();
    void CreateDetailPanel();
    void HookSearchBox();
    void PlaceFirst();
    void LayOut();
    void ApplyBoxStyle();
    void ApplyLayoutStep(LayoutStep step);
    bool ThaiKeyboardMode() const { return context_.settings.InputMode == kModeThaiMsIme; }

    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    void Search();
    void SearchTick();
    void ShowRows();
    std::optional<std::size_t> ListSelection() const;
    void ShowSelection();
    void RowClicked();
    void ApplyPanelChange(PanelChange change);
    void ShowDetail();
    void InputHit();
    void EditHit();
    void Clear();
    void Close();
    void DrawRow(const DRAWITEMSTRUCT& item);
    HFONT CellFont(CellFontKind kind);
    HBRUSH PhoneticBrush();

    SearchWindowContext context_;
    SearchWindowModel model_;
    HWND hwnd_ = nullptr;
    HWND currentRadio_ = nullptr, dictionaryRadio_ = nullptr, fieldList_ = nullptr;
    HWND searchBox_ = nullptr, searchButton_ = nullptr, clearButton_ = nullptr;
    HWND resultList_ = nullptr;
    std::array<HWND, 5> detailBoxes_{};   // foreign, phonetic, kana, Japanese, note
    std::array<HWND, 5> detailLabels_{};
    HWND inputButton_ = nullptr, editButton_ = nullptr, closeButton_ = nullptr;
    FocusKeeper focusKeeper_;

    // Deleted with the window object, at WM_NCDESTROY, after the controls.
    GdiHandle<HFONT> windowFont_, boxFont_;
    GdiHandle<HFONT> detailForeignFont_, detailPhoneticFont_;
    FontCache<CellFontKind> cellFonts_;
    GdiHandle<HBRUSH> phoneticBrush_;
    Color phoneticBrushColor_ = 0;
    bool searching_ = false;
    bool closing_ = false;  // closed by the user, not with the main window
    bool ownedByWindow_ = false;

    std::function<bool(char16_t)> boxChars_;
    std::function<void(unsigned, bool)> boxKeys_;
};

bool SearchWindow::RegisterClassOnce(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kSearchWindowClass, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &SearchWindow::WindowProc;
    wc.cbClsExtra = kClassBytes;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSearchWindowClass;
    return RegisterClassExW(&wc) != 0;
}

void SearchWindow::Open(HINSTANCE instance, HWND owner, const SearchWindowContext& context) {
    auto window = std::make_unique<SearchWindow>(context);
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kSearchWindowClass, L"単語帳検索",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                                kWindowWidth, kWindowHeight, owner, nullptr, instance, window.get());
    if (!hwnd) return;
    SearchWindow& self = *window.release();
    self.ownedByWindow_ = true;
    self.CreateControls();
    self.PlaceFirst();
    // In the Thai keyboard mode the window gets the start-up layout.
    self.context_.layouts.DialogShown();
    ShowWindow(hwnd, SW_SHOW);
    SetFocus(self.searchBox_);
}

LRESULT CALLBACK SearchWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<SearchWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SearchWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (self->ownedByWindow_) delete self;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // The handler may close the window: nothing of it is touched afterwards.
    return self->HandleMessage(message, wParam, lParam);
}

void SearchWindow::CreateControls() {
    windowFont_.Reset(CreatePixelFont(kSearchWindowFont, SHIFTJIS_CHARSET, kSearchWindowFontPixels));

    currentRadio_ = CreateChild(hwnd_, L"BUTTON", L"ｶﾚﾝﾄ", WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
                          kIdCurrentFolder);
    dictionaryRadio_ = CreateChild(hwnd_, L"BUTTON", L"辞書", WS_VISIBLE | BS_AUTORADIOBUTTON, kIdDictionaryFolder);
    fieldList_ = CreateChild(hwnd_, WC_COMBOBOXW, L"", WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                       kIdFieldList);
    searchBox_ = CreateChild(hwnd_, L"EDIT", L"", WS_VISIBLE | ES_AUTOHSCROLL | WS_TABSTOP, kIdSearchBox,
                       WS_EX_CLIENTEDGE);
    searchButton_ = CreateChild(hwnd_, L"BUTTON", L"検索", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, kIdSearchButton);
    clearButton_ = CreateChild(hwnd_, L"BUTTON", L"ｸﾘｱ", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, kIdClearButton);
    CreateResultList();
    CreateDetailPanel();
    inputButton_ = CreateChild(hwnd_, L"BUTTON", L"この単語を入力する", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP,
                         kIdInputButton);
    editButton_ = CreateChild(hwnd_, L"BUTTON", L"この単語を編集する", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP,
                        kIdEditButton);
    closeButton_ = CreateChild(hwnd_, L"BUTTON", L"閉じる", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, kIdCloseButton);
    for (HWND control : {currentRadio_, dictionaryRadio_, fieldList_, searchButton_, clearButton_,
                         resultList_, inputButton_, editButton_, closeButton_})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);

    SendMessageW(model_.DictionaryChosen() ? dictionaryRadio_ : currentRadio_, BM_SETCHECK,
                 BST_CHECKED, 0);
    FillCombo(fieldList_, model_.FieldItems());
    SendMessageW(fieldList_, CB_SETCURSEL, static_cast<WPARAM>(model_.FieldIndex()), 0);
    HWND tips = CreateToolTips(hwnd_);
    AddToolTip(tips, fieldList_, u"項目指定ボックス");
    EnableWindow(inputButton_, FALSE);
    EnableWindow(editButton_, FALSE);
    HookSearchBox();
    ApplyBoxStyle();
    LayOut();
}

// The hits: a virtual list whose rows the window draws; the items still
// answer with their texts.
void SearchWindow::CreateResultList() {
    resultList_ = CreateChild(hwnd_, WC_LISTVIEWW, L"",
                        WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS |
                            LVS_SINGLESEL | WS_TABSTOP,
                        kIdResultList, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(resultList_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                                       LVS_EX_DOUBLEBUFFER);
    const auto columns = model_.Columns();
    for (int c = 0; c < kSearchColumnCount; ++c) {
        const SearchColumn& column = columns[static_cast<std::size_t>(c)];
        LVCOLUMNW lv{};
        lv.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        lv.pszText = const_cast<wchar_t*>(W(column.caption));
        lv.cx = column.width;
        lv.fmt = column.centred ? LVCFMT_CENTER : LVCFMT_LEFT;
        SendMessageW(resultList_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&lv));
    }
}

// The chosen hit's five fields, read-only, the foreign word and the
// phonetic symbols in their own fonts.
void SearchWindow::CreateDetailPanel() {
    const std::u16string labels[5] = {u"■" + model_.LanguageName() + u"：", u"■発音記号：",
                                      u"■発音カナ：", u"■日本語：", u"■備考："};
    for (int i = 0; i < 5; ++i) {
        detailLabels_[static_cast<std::size_t>(i)] =
            CreateChild(hwnd_, L"STATIC", W(labels[i]), WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kIdDetailLabel0 + i);
        const DWORD style = i == 4 ? ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL
                                   : ES_READONLY | ES_AUTOHSCROLL;
        detailBoxes_[static_cast<std::size_t>(i)] =
            CreateChild(hwnd_, L"EDIT", L"", WS_VISIBLE | style | WS_TABSTOP, kIdDetailForeign + i, WS_EX_CLIENTEDGE);
    }
    for (HWND control : detailLabels_)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    const Settings& s = context_.settings;
    detailForeignFont_.Reset(
        CreatePointFont(s.UsrMainFont, context_.language.LangCharset, kDetailForeignPoints));
    detailPhoneticFont_.Reset(CreatePointFont(s.UsrSubFont, ANSI_CHARSET, kDetailPhoneticPoints));
    SendMessageW(detailBoxes_[0], WM_SETFONT, reinterpret_cast<WPARAM>(detailForeignFont_.get()), FALSE);
    SendMessageW(detailBoxes_[1], WM_SETFONT, reinterpret_cast<WPARAM>(detailPhoneticFont_.get()), FALSE);
    for (std::size_t i = 2; i < 5; ++i)
        SendMessageW(detailBoxes_[i], WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
    SetImeMode(detailBoxes_[0], ImeMode::Disabled);
    SetImeMode(detailBoxes_[1], ImeMode::Disabled);
}

// The search box: Enter searches; then the keys of its field take the one
// input route, and candidates are written back into it.
void SearchWindow::HookSearchBox() {
    boxChars_ = [this](char16_t key) {
        if (key == u'\r') {
            Search();
            return true;
        }
        if (key == u'\n') return true;
        const std::optional<KeySource> source = SearchFieldKeys(model_.FieldIndex());
        return source && context_.input.KeyTyped(*source, key);
    };
    boxKeys_ = [this](unsigned key, bool down) {
        if (model_.BoxTracksShiftAndCaps(ThaiKeyboardMode()))
            context_.foreignAreaKey(static_cast<std::uint16_t>(key), down);
    };
    HookTypedCharacters(searchBox_, &boxChars_);
    HookKeyStrokes(searchBox_, &boxKeys_);
    context_.fields.Register(FieldId::SearchEdit, &searchBox_);
}

void SearchWindow::PlaceFirst() {
    // The place it closed at, in this run; the first time centred over the
    // main window.
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    int left = 0, top = 0;
    if (GetClassLongPtrW(hwnd_, kPlaceKept)) {
        left = static_cast<int>(GetClassLongPtrW(hwnd_, kPlaceLeft));
        top = static_cast<int>(GetClassLongPtrW(hwnd_, kPlaceTop));
    } else {
        RECT r{};
        GetWindowRect(owner, &r);
        left = r.left + (r.right - r.left - kWindowWidth) / 2;
        top = r.top + (r.bottom - r.top - kWindowHeight) / 2;
    }
    SetWindowPos(hwnd_, HWND_TOPMOST, left, top, kWindowWidth, kWindowHeight, SWP_NOACTIVATE);
    LayOut();
}

void SearchWindow::LayOut() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int w = client.right;
    Move(currentRadio_, 8, 12, 64, 24);
    Move(dictionaryRadio_, 74, 12, 58, 24);
    Move(fieldList_, 136, kFieldListTop, 124, 300);
    RECT box{};
    GetWindowRect(searchBox_, &box);
    const int boxHeight = box.bottom - box.top;
    Move(searchBox_, 266, SearchBoxTop(kStripHeight, kFieldListTop, boxHeight), 196, boxHeight);
    Move(searchButton_, 468, kFieldListTop, 70, 28);
    Move(clearButton_, 542, kFieldListTop, 70, 28);

    // The buttons first, out of the way of the panel's boxes.
    const int buttonsTop = client.bottom - kButtonStripHeight;
    Move(inputButton_, 8, buttonsTop + 7, 180, 30);
    Move(editButton_, 194, buttonsTop + 7, 180, 30);
    Move(closeButton_, w - 98, buttonsTop + 7, 90, 30);
    const int panelHeight = model_.PanelOpen() ? kDetailPanelOpenHeight : kDetailPanelShutHeight;
    const int panelTop = buttonsTop - panelHeight;
    Move(resultList_, kListMargin, kStripHeight, w - 2 * kListMargin, panelTop - kStripHeight);
    for (std::size_t i = 0; i < 5; ++i) {
        const int y = panelTop + kDetailBoxTop + kDetailBoxPitch * static_cast<int>(i);
        const int height = i == 4 ? kDetailNoteHeight : kDetailBoxPitch - 6;
        Move(detailBoxes_[i], kDetailBoxX, y, i == 4 ? kDetailNoteWidth : kDetailBoxWidth, height);
        Move(detailLabels_[i], kDetailLabelX, y + 6, kDetailBoxX - kDetailLabelX - 2, 24);
        const int shown = model_.PanelOpen() ? SW_SHOWNA : SW_HIDE;
        ShowWindow(detailBoxes_[i], shown);
        ShowWindow(detailLabels_[i], shown);
    }
}

void SearchWindow::ApplyBoxStyle() {
    const SearchBoxStyle style = model_.BoxStyle();
    HFONT font = CreatePixelFont(style.face, style.charset, style.pixels);
    SendMessageW(searchBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    boxFont_.Reset(font);
    SetImeMode(searchBox_, ImeModeOf(style.input));
    // As high as its font asks, in the strip (centred when it is too high).
    const int height = FontHeight(searchBox_, font) + 2 * GetSystemMetrics(SM_CYEDGE) + 4;
    RECT box{};
    GetWindowRect(searchBox_, &box);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&box), 2);
    Move(searchBox_, box.left, SearchBoxTop(kStripHeight, kFieldListTop, height),
         box.right - box.left, height);
    InvalidateRect(searchBox_, nullptr, TRUE);
}

void SearchWindow::ApplyLayoutStep(LayoutStep step) {
    switch (step) {
        case LayoutStep::ActivateThai: context_.layouts.ActivateThaiLayout(); break;
        case LayoutStep::RestoreStartup: context_.layouts.RestoreStartupLayout(); break;
        case LayoutStep::None: break;
    }
}

LRESULT SearchWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlID == kIdResultList) measure->itemHeight = kSearchRowHeight;
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == kIdResultList) DrawRow(*item);
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == searchBox_ && model_.BoxStyle().phoneticBackground) {
                SetBkColor(reinterpret_cast<HDC>(wParam), context_.settings.CandBg);
                return reinterpret_cast<LRESULT>(PhoneticBrush());
            }
            break;
        case WM_CTLCOLORSTATIC: {
            // The detail boxes (read-only): the button face until a hit has
            // been shown, then the window colour, the phonetic box its own.
            HWND control = reinterpret_cast<HWND>(lParam);
            auto box = std::find(detailBoxes_.begin(), detailBoxes_.end(), control);
            if (box == detailBoxes_.end()) break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            if (!model_.BoxesActive()) {
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            if (control == detailBoxes_[1]) {
                SetBkColor(dc, context_.settings.CandBg);
                return reinterpret_cast<LRESULT>(PhoneticBrush());
            }
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        case WM_TIMER:
            if (wParam == kSearchTimer) SearchTick();
            return 0;
        case kClampNumberColumn: {
            const int width = ListView_GetColumnWidth(resultList_, kSearchNumberColumn);
            const int kept = ClampSearchNumberWidth(width);
            if (kept != width) ListView_SetColumnWidth(resultList_, kSearchNumberColumn, kept);
            return 0;
        }
        case WM_ACTIVATE:
            // Coming back gives the focus to the control that had it.
            focusKeeper_.Activated(hwnd_, LOWORD(wParam) != WA_INACTIVE, searchBox_);
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd_, kSearchTimer);
            context_.fields.Unregister(FieldId::SearchEdit);
            // Closed by the user: in the Thai keyboard mode the Thai layout
            // comes back. Closed with the main window: its exit has already
            // given back the start-up layout.
            if (closing_) context_.layouts.DialogClosed();
            cellFonts_.Clear();
            return 0;
        default: break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void SearchWindow::OnCommand(int id, int code) {
    switch (id) {
        case kIdCurrentFolder:
        case kIdDictionaryFolder:
            if (code == BN_CLICKED) model_.ChooseFolder(id == kIdDictionaryFolder);
            break;
        case kIdFieldList:
            if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(SendMessageW(fieldList_, CB_GETCURSEL, 0, 0));
                ApplyLayoutStep(model_.ChooseField(index, ThaiKeyboardMode()));
                ApplyBoxStyle();
                SetWindowTextW(searchBox_, L"");
                SetFocus(searchBox_);
            }
            break;
        case kIdSearchBox:
            if (code == EN_SETFOCUS) ApplyLayoutStep(model_.BoxEntered(ThaiKeyboardMode()));
            break;
        case kIdSearchButton:
            if (code == BN_CLICKED) Search();
            break;
        case kIdClearButton:
            if (code == BN_CLICKED) Clear();
            break;
        case kIdInputButton:
            if (code == BN_CLICKED) InputHit();  // closes the window
            break;
        case kIdEditButton:
            if (code == BN_CLICKED) EditHit();  // may close the window
            break;
        case kIdCloseButton:
            if (code == BN_CLICKED) Close();
            break;
        default: break;
    }
}

LRESULT SearchWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == ListView_GetHeader(resultList_)) {
        const auto& change = reinterpret_cast<const NMHEADERW&>(header);
        switch (header.code) {
            case HDN_BEGINTRACKW:
            case HDN_BEGINTRACKA:
                // The columns without caption stay hidden.
                return change.iItem >= kSearchVisibleColumns ? TRUE : FALSE;
            case HDN_ENDTRACKW:
            case HDN_ENDTRACKA:
            case HDN_ITEMCHANGEDW:
            case HDN_ITEMCHANGEDA:
            case HDN_DIVIDERDBLCLICKW:
            case HDN_DIVIDERDBLCLICKA:
                // The list takes the new width after the notification: the
                // number column is kept within its limits afterwards.
                PostMessageW(hwnd_, kClampNumberColumn, 0, 0);
                return 0;
            default: return 0;
        }
    }
    if (header.hwndFrom != resultList_) return 0;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header));
            if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
                const std::u16string text =
                    model_.CellText(static_cast<std::size_t>(info.item.iItem), info.item.iSubItem);
                lstrcpynW(info.item.pszText, W(text), info.item.cchTextMax);
            }
            return 0;
        }
        case LVN_ITEMCHANGED: model_.Select(ListSelection()); return 0;
        case NM_CLICK: RowClicked(); return 0;
        default: return 0;
    }
}

// --- Searching ---------------------------------------------------------------------------

void SearchWindow::Search() {
    KillTimer(hwnd_, kSearchTimer);
    model_.StartSearch(WindowText(searchBox_));
    ShowRows();
    if (model_.Searching()) {
        SetTimer(hwnd_, kSearchTimer, USER_TIMER_MINIMUM, nullptr);
        SearchTick();  // a small folder is done at once
    }
}

void SearchWindow::SearchTick() {
    const DWORD start = GetTickCount();
    std::size_t above = 0;
    while (model_.Searching() && GetTickCount() - start < kSearchSliceMs)
        above += model_.SearchStep();
    if (!model_.Searching()) KillTimer(hwnd_, kSearchTimer);
    ShowRows();
    if (above > 0) ShowSelection();
}

void SearchWindow::ShowRows() {
    const int count = static_cast<int>(model_.RowCount());
    if (ListView_GetItemCount(resultList_) != count || count == 0) {
        ListView_SetItemCountEx(resultList_, count, LVSICF_NOSCROLL);
        if (count == 0) ListView_SetItemState(resultList_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    }
    InvalidateRect(resultList_, nullptr, FALSE);
}

std::optional<std::size_t> SearchWindow::ListSelection() const {
    const int row = ListView_GetNextItem(resultList_, -1, LVNI_SELECTED);
    if (row < 0) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void SearchWindow::ShowSelection() {
    const std::optional<std::size_t> row = model_.Selected();
    ListView_SetItemState(resultList_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row) {
        const int item = static_cast<int>(*row);
        ListView_SetItemState(resultList_, item, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
}

// --- A hit ----------------------------------------------------------------------------------

void SearchWindow::RowClicked() {
    model_.Select(ListSelection());
    const PanelChange change = model_.RowClicked();
    if (!model_.HitFlag() || !model_.Selected()) return;
    ApplyPanelChange(change);
    EnableWindow(inputButton_, model_.HitButtonsEnabled());
    EnableWindow(editButton_, model_.HitButtonsEnabled());
    ShowDetail();
}

void SearchWindow::ApplyPanelChange(PanelChange change) {
    if (change == PanelChange::None) return;
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const int growth = change == PanelChange::Open ? kDetailPanelGrowth : -kDetailPanelGrowth;
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + growth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

void SearchWindow::ShowDetail() {
    const HitDetail& detail = model_.Detail();
    const std::u16string* texts[5] = {&detail.foreign, &detail.phonetic, &detail.kana,
                                      &detail.japanese, &detail.note};
    for (std::size_t i = 0; i < 5; ++i) {
        SetWindowTextW(detailBoxes_[i], W(*texts[i]));
        InvalidateRect(detailBoxes_[i], nullptr, TRUE);
    }
}

void SearchWindow::InputHit() {
    if (const std::optional<HitInsertion> insertion = model_.Insertion()) {
        if (!insertion->phonetic.empty())
            context_.mainWindow.InsertAtCaret(InputArea::Phonetic, insertion->phonetic);
        if (!insertion->foreign.empty())
            context_.mainWindow.InsertAtCaret(InputArea::Foreign, insertion->foreign);
    }
    Close();
}

void SearchWindow::EditHit() {
    if (!model_.OpenSelectedForEdit()) return;
    // The window is gone after Close: the edit runs on the main window.
    const std::function<void()> editWord = context_.editWord;
    Close();
    editWord();
}

void SearchWindow::Clear() {
    KillTimer(hwnd_, kSearchTimer);
    const PanelChange change = model_.Clear();
    ListView_SetItemCountEx(resultList_, 0, 0);
    for (HWND box : detailBoxes_) SetWindowTextW(box, L"");
    ApplyPanelChange(change);
    SetWindowTextW(searchBox_, L"");
    SetFocus(searchBox_);
}

void SearchWindow::Close() {
    // The place is kept for the next opening in this run.
    RECT r{};
    GetWindowRect(hwnd_, &r);
    SetClassLongPtrW(hwnd_, kPlaceLeft, r.left);
    SetClassLongPtrW(hwnd_, kPlaceTop, r.top);
    SetClassLongPtrW(hwnd_, kPlaceKept, 1);
    closing_ = true;
    DestroyWindow(hwnd_);  // frees this object
}

// --- Drawing ---------------------------------------------------------------------------------

HFONT SearchWindow::CellFont(CellFontKind kind) {
    return cellFonts_.FontFor(kind, context_.wordBooks.CellFontOf(kind));
}

HBRUSH SearchWindow::PhoneticBrush() {
    const Color color = context_.settings.CandBg;
    if (!phoneticBrush_ || phoneticBrushColor_ != color) {
        phoneticBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(color)));
        phoneticBrushColor_ = color;
    }
    return phoneticBrush_;
}

void SearchWindow::DrawRow(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const std::size_t row = item.itemID;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (row >= model_.RowCount()) return;
    const int oldColor = static_cast<int>(
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT)));
    HGDIOBJ oldFont = nullptr;
    auto cellRect = [&](int column) {
        RECT r{};
        ListView_GetSubItemRect(resultList_, static_cast<int>(row), column, LVIR_BOUNDS, &r);
        return r;
    };
    auto draw = [&](int column, RECT r) {
        r.right -= 1;  // the grid lines stay
        r.bottom -= 1;
        if (r.right <= r.left) return;
        HGDIOBJ previous = SelectObject(dc, CellFont(model_.CellFont(row, column)));
        if (!oldFont) oldFont = previous;
        COLORREF back = GetSysColor(COLOR_WINDOW);
        if (selected) {
            back = GetSysColor(COLOR_HIGHLIGHT);
        } else if (SearchCellOnPhoneticBackground(column)) {
            back = static_cast<COLORREF>(context_.settings.CandBg);
        }
        DrawCellText(dc, r, SearchCellMargin(column), column == kSearchNumberColumn,
                     model_.CellText(row, column), back);
    };
    // The first cell runs from the row's left edge to the second column.
    RECT first = item.rcItem;
    first.right = cellRect(1).left;
    draw(0, first);
    for (int column = 1; column <= 4; ++column)
        if (model_.DrawsCell(row, column)) draw(column, cellRect(column));
    if (oldFont) SelectObject(dc, oldFont);
    SetTextColor(dc, static_cast<COLORREF>(oldColor));
}

}  // namespace

void ShowSearchWindow(HINSTANCE instance, HWND owner, const SearchWindowContext& context) {
    if (SearchWindowOpen(owner) || !SearchWindow::RegisterClassOnce(instance)) return;
    SearchWindow::Open(instance, owner, context);
}

bool SearchWindowOpen(HWND owner) {
    for (HWND window = FindWindowExW(nullptr, nullptr, kSearchWindowClass, nullptr); window;
         window = FindWindowExW(nullptr, window, kSearchWindowClass, nullptr))
        if (GetWindow(window, GW_OWNER) == owner) return true;
    return false;
}

}  // namespace tess
