#include "wordbook/win32/WordBookPage.h"

#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>

#include "lib/TextFile.h"
#include "lib/win32/CellDraw.h"
#include "lib/win32/FolderBrowser.h"
#include "lib/win32/Win32Helpers.h"
#include "wordbook/win32/ColorDialog.h"
#include "wordbook/win32/JumpDialog.h"

namespace tess {

namespace {

constexpr wchar_t kPageClass[] = L"TessWordBookPage";

enum PageId : int {
    kIdWordList = 10,
    kIdBookList,
    kIdNewButton = 20,
    kIdDicButton,
    kIdFolderButton,
    kIdLangToJp,
    kIdJpToLang,
    kIdDoor,
    kIdAutoDoor,
};

// Menu commands: the word-book actions, then the folder menu's items.
constexpr int kMenuAction0 = 300;
constexpr int kMenuFolder0 = 400;
constexpr int kMenuBrowse = 450;
constexpr int kMenuEditFolders = 451;

constexpr int kHeaderHeight = 52;
constexpr int kListGap = 4;
constexpr int kBookRowHeight = 21;
constexpr COLORREF kBookListBack = RGB(0x40, 0x40, 0x40);

struct ColumnDef {
    const wchar_t* caption;
    int width;
    int format;
};
constexpr ColumnDef kWordColumns[kWordColumnCount] = {
    {L"日本語", 150, LVCFMT_LEFT},   {L"No", 50, LVCFMT_CENTER},    {L"発音記号", 150, LVCFMT_LEFT},
    {L"発音カナ", 150, LVCFMT_LEFT}, {L"タイ語", 150, LVCFMT_LEFT}, {L"備考", 150, LVCFMT_LEFT},
    {L"音声ファイル", 100, LVCFMT_LEFT}, {L"文字色", 0, LVCFMT_LEFT}};


void Move(HWND hwnd, int x, int y, int w, int h) {
    SetWindowPos(hwnd, nullptr, x, y, std::max(0, w), std::max(0, h),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A list view draws a cell's text this far inside its column (the first
// column a little further) and a caption a little further still.
constexpr int kBookTitleMargins = 18;
constexpr int kBookCellMargins = 16;
// A status bar panel draws its text this far inside its borders.
constexpr int kStatusTextMargins = 10;

void AddColumn(HWND list, int index, const wchar_t* caption, int width, int format) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = const_cast<wchar_t*>(caption);
    column.cx = width;
    column.fmt = format;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

// A list's rows are as high as its small images: a one-pixel-wide image list
// of the wanted height sets them.
HIMAGELIST RowHeightImages(HWND list, int height) {
    HIMAGELIST images = ImageList_Create(1, std::max(1, height), ILC_COLOR, 0, 1);
    HIMAGELIST old = ListView_SetImageList(list, images, LVSIL_SMALL);
    if (old) ImageList_Destroy(old);
    return images;
}

COLORREF Resolved(Color color) {
    return color == kWindowTextColor ? GetSysColor(COLOR_WINDOWTEXT) : static_cast<COLORREF>(color);
}

constexpr WordBookAction kWordListMenu[] = {WordBookAction::ModWord, WordBookAction::MoveWord,
                                            WordBookAction::JumpWord, WordBookAction::DeleteWord,
                                            WordBookAction::ChColor};
constexpr WordBookAction kBookListMenu[] = {WordBookAction::ChWBProp, WordBookAction::DeleteWB,
                                            WordBookAction::CloseWB};

const wchar_t* ActionCaption(WordBookAction action) {
    switch (action) {
        case WordBookAction::RegWord: return L"単語登録";
        case WordBookAction::ModWord: return L"単語編集";
        case WordBookAction::DeleteWB: return L"単語帳の削除";
        case WordBookAction::DeleteWord: return L"単語削除";
        case WordBookAction::MoveWord: return L"単語移動";
        case WordBookAction::ChWBProp: return L"単語帳のプロパティ変更";
        case WordBookAction::CloseWB: return L"単語帳を閉じる";
        case WordBookAction::JumpWord: return L"ジャンプ (&J)";
        case WordBookAction::ChColor: return L"文字色変更";
    }
    return L"";
}

}  // namespace

void WordBookPage::Create(HINSTANCE instance, HWND parent, HWND statusBar, HWND tooltips,
                          HFONT font, WordBooks& model) {
    model_ = &model;
    statusBar_ = statusBar;
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &WordBookPage::PageProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kPageClass;
        registered = RegisterClassW(&wc) != 0;
    }
    page_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                            10, 10, parent, nullptr, instance, this);

    // The word list: a virtual list, each row drawn by the page.
    wordList_ = CreateChild(page_, WC_LISTVIEWW, L"",
                      WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS |
                          LVS_SINGLESEL | WS_TABSTOP,
                      kIdWordList, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(wordList_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                                     LVS_EX_DOUBLEBUFFER);
    for (int c = 0; c < kWordColumnCount; ++c)
        AddColumn(wordList_, c, kWordColumns[c].caption, kWordColumns[c].width,
                  kWordColumns[c].format);

    labelBook_ = CreateChild(page_, L"STATIC", L"■単語帳", WS_VISIBLE | SS_LEFT, 0);
    labelMenu_ = CreateChild(page_, L"STATIC", L"メニュー", WS_VISIBLE | SS_LEFT, 0);
    doorButton_ = CreateChild(page_, L"BUTTON", L"→", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, kIdDoor);
    autoDoorCheck_ =
        CreateChild(page_, L"BUTTON", L"", WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, kIdAutoDoor);
    newButton_ =
        CreateChild(page_, L"BUTTON", L"新規作成", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, kIdNewButton);
    dicButton_ = CreateChild(page_, L"BUTTON", L"辞書",
                       WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, kIdDicButton);
    folderButton_ =
        CreateChild(page_, L"BUTTON", L"変更", WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, kIdFolderButton);
    langToJpRadio_ = CreateChild(page_, L"BUTTON", L"泰日",
                           WS_VISIBLE | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kIdLangToJp);
    jpToLangRadio_ = CreateChild(page_, L"BUTTON", L"日泰", WS_VISIBLE | BS_AUTORADIOBUTTON, kIdJpToLang);

    bookList_ = CreateChild(page_, WC_LISTVIEWW, L"",
                      WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, kIdBookList,
                      WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(bookList_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int c = 0; c < kBookColumnCount; ++c)
        AddColumn(bookList_, c, W(std::u16string(BookColumnCaption(c))), kBookColumnWidths[c],
                  c == 3 ? LVCFMT_CENTER : LVCFMT_LEFT);
    ListView_SetBkColor(bookList_, kBookListBack);
    ListView_SetTextBkColor(bookList_, kBookListBack);
    ListView_SetTextColor(bookList_, RGB(255, 255, 255));
    bookRowHeight_ = RowHeightImages(bookList_, kBookRowHeight);

    for (HWND control : {wordList_, labelBook_, labelMenu_, doorButton_, autoDoorCheck_,
                         newButton_, dicButton_, folderButton_, langToJpRadio_, jpToLangRadio_,
                         bookList_})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    if (tooltips) {
        AddToolTip(tooltips, newButton_, u"新しい単語帳を作ります");
        AddToolTip(tooltips, dicButton_, u"辞書フォルダと通常フォルダを切替えられます");
        AddToolTip(tooltips, folderButton_, u"カレントのフォルダを任意のフォルダに切替えられます");
        AddToolTip(tooltips, doorButton_, u"単語帳メニューを開いたり閉じたりします");
        AddToolTip(tooltips, autoDoorCheck_,
                   u"チェックを入れた場合、単語帳を選ぶと自動で開閉します。");
    }
    SetWordListEnabled(false);
}

void WordBookPage::Place(const RECT& rect) {
    MoveWindow(page_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    LayOut();
}

void WordBookPage::Show(bool shown) { ShowWindow(page_, shown ? SW_SHOW : SW_HIDE); }

void WordBookPage::LayOut() {
    RECT client{};
    GetClientRect(page_, &client);
    const int w = client.right, h = client.bottom;
    const int x0 = w - panelWidth_;
    Move(wordList_, 0, 0, x0 - kListGap, h);
    Move(labelBook_, x0 + 4, 6, 66, 18);
    Move(labelMenu_, x0 + 4, 28, 66, 18);
    Move(newButton_, x0 + 72, 2, 72, 24);
    Move(dicButton_, x0 + 146, 2, 46, 24);
    Move(folderButton_, x0 + 194, 2, 46, 24);
    Move(langToJpRadio_, x0 + 72, 29, 55, 20);
    Move(jpToLangRadio_, x0 + 130, 29, 55, 20);
    // The door and its check box stay at the right edge, also when shut.
    Move(doorButton_, w - 29, 2, 26, 24);
    Move(autoDoorCheck_, w - 23, 30, 16, 18);
    Move(bookList_, x0, kHeaderHeight, panelWidth_, h - kHeaderHeight);
    // The status bar has its new width by now: the texts fit it again.
    if (statusBar_)
        for (int panel = 0; panel < static_cast<int>(statusTexts_.size()); ++panel) FitStatusText(panel);
}

LRESULT CALLBACK WordBookPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<WordBookPage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->page_ == hwnd) return self->HandleMessage(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT WordBookPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: LayOut(); return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED || lParam == 0) OnCommand(LOWORD(wParam));
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlID == kIdWordList && model_)
                measure->itemHeight = static_cast<UINT>(std::max(1, model_->RowHeight()));
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == kIdWordList) DrawWordRow(*item);
            return TRUE;
        }
        case WM_CONTEXTMENU: {
            HWND from = reinterpret_cast<HWND>(wParam);
            if (from == wordList_ || from == bookList_)
                ShowContextMenu(from, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        }
        case WM_DESTROY:
            fonts_.Clear();
            if (bookRowHeight_) ImageList_Destroy(bookRowHeight_);
            bookRowHeight_ = nullptr;
            break;
        default: break;
    }
    return DefWindowProcW(page_, message, wParam, lParam);
}

LRESULT WordBookPage::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == wordList_) {
        switch (header.code) {
            case NM_CLICK: model_->WordClicked(); break;
            case NM_DBLCLK: model_->WordDoubleClicked(); break;
            case LVN_COLUMNCLICK:
                model_->WordColumnClicked(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
                break;
            default: break;
        }
        return 0;
    }
    if (header.hwndFrom == ListView_GetHeader(wordList_)) {
        const auto& change = reinterpret_cast<const NMHEADERW&>(header);
        switch (header.code) {
            case HDN_BEGINTRACKW:
            case HDN_BEGINTRACKA:
                // The colour column stays hidden.
                return change.iItem == kWordColumnCount - 1 ? TRUE : FALSE;
            case HDN_ENDTRACKW:
            case HDN_ENDTRACKA:
            case HDN_ITEMCHANGEDW:
            case HDN_ITEMCHANGEDA:
                if (quiet_ == 0 && change.iItem >= 0)
                    model_->ColumnResized(change.iItem, ListView_GetColumnWidth(wordList_, change.iItem));
                break;
            default: break;
        }
        return 0;
    }
    if (header.hwndFrom == bookList_) {
        switch (header.code) {
            case NM_CLICK: {
                const int row = ListView_GetNextItem(bookList_, -1, LVNI_SELECTED);
                if (row >= 0) model_->BookClicked(static_cast<std::size_t>(row));
                break;
            }
            case LVN_COLUMNCLICK:
                model_->BookColumnClicked(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
                break;
            default: break;
        }
    }
    return 0;
}

void WordBookPage::OnCommand(int id) {
    if (quiet_ != 0) return;
    switch (id) {
        case kIdDoor: model_->DoorClicked(); return;
        case kIdAutoDoor:
            model_->AutoDoorClicked(SendMessageW(autoDoorCheck_, BM_GETCHECK, 0, 0) == BST_CHECKED);
            return;
        case kIdDicButton:
            model_->DictionaryClicked(SendMessageW(dicButton_, BM_GETCHECK, 0, 0) == BST_CHECKED);
            return;
        case kIdFolderButton: ShowFolderMenu(); return;
        case kIdLangToJp: model_->DirectionChosen(true); return;
        case kIdJpToLang: model_->DirectionChosen(false); return;
        case kIdNewButton:
            if (onNewBook) onNewBook();
            return;
        default: break;
    }
}

void WordBookPage::RunAction(WordBookAction action) {
    if (!model_->ActionEnabled(action)) return;
    switch (action) {
        case WordBookAction::JumpWord: model_->JumpWord(); break;
        case WordBookAction::ChColor: model_->ChangeColor(); break;
        case WordBookAction::CloseWB: model_->CloseBookCommand(); break;
        default:
            if (onAction) onAction(action);
            break;
    }
}

void WordBookPage::ShowContextMenu(HWND list, int x, int y) {
    HMENU menu = CreatePopupMenu();
    auto add = [&](WordBookAction action) {
        AppendMenuW(menu, MF_STRING | (model_->ActionEnabled(action) ? 0 : MF_GRAYED),
                    kMenuAction0 + static_cast<int>(action), ActionCaption(action));
    };
    if (list == wordList_) {
        for (int i = 0; i < 4; ++i) add(kWordListMenu[i]);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        add(kWordListMenu[4]);
    } else {
        add(kBookListMenu[0]);
        add(kBookListMenu[1]);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        add(kBookListMenu[2]);
    }
    if (x == -1 && y == -1) {  // from the keyboard
        RECT r{};
        GetWindowRect(list, &r);
        x = r.left + 8;
        y = r.top + 8;
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, page_, nullptr);
    DestroyMenu(menu);
    if (chosen >= kMenuAction0 && chosen < kMenuAction0 + kWordBookActionCount)
        RunAction(static_cast<WordBookAction>(chosen - kMenuAction0));
}

void WordBookPage::ShowFolderMenu() {
    const Lines paths = model_->FolderMenuPaths();
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < paths.size(); ++i)
        AppendMenuW(menu, MF_STRING, kMenuFolder0 + static_cast<int>(i), W(paths[i]));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMenuBrowse, L"参照");
    AppendMenuW(menu, MF_STRING, kMenuEditFolders, L"このメニューを編集する （最大10フォルダ）");
    RECT r{};
    GetWindowRect(folderButton_, &r);
    const int chosen =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, r.left + 5, r.bottom, 0, page_, nullptr);
    DestroyMenu(menu);
    if (chosen >= kMenuFolder0 && chosen < kMenuFolder0 + static_cast<int>(paths.size())) {
        model_->FolderChosen(paths[static_cast<std::size_t>(chosen - kMenuFolder0)]);
    } else if (chosen == kMenuBrowse) {
        model_->BrowseForFolder();
    } else if (chosen == kMenuEditFolders) {
        model_->EditFolderList();
    }
}

HFONT WordBookPage::FontFor(CellFontKind kind) {
    return fonts_.FontFor(kind, model_->CellFontOf(kind));
}

void WordBookPage::DrawWordRow(const DRAWITEMSTRUCT& item) {
    const WordListModel& list = model_->List();
    HDC dc = item.hDC;
    const std::size_t row = item.itemID;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (row >= list.RowCount()) {
        FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    const COLORREF text =
        selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : Resolved(list.TextColorOf(row));
    const int oldColor = static_cast<int>(SetTextColor(dc, text));
    HGDIOBJ oldFont = nullptr;

    auto cellRect = [&](int column) {
        RECT r{};
        ListView_GetSubItemRect(wordList_, static_cast<int>(row), column, LVIR_BOUNDS, &r);
        return r;
    };
    auto draw = [&](int column, RECT r) {
        // Leave the grid lines the list draws between the cells.
        r.right -= 1;
        r.bottom -= 1;
        if (r.right <= r.left) return;
        HGDIOBJ previous = SelectObject(dc, FontFor(list.FontOf(column)));
        if (!oldFont) oldFont = previous;
        COLORREF back = GetSysColor(COLOR_WINDOW);
        if (selected) {
            back = GetSysColor(COLOR_HIGHLIGHT);
        } else if (column == 2) {
            back = static_cast<COLORREF>(model_->PhoneticBackground());
        }
        DrawCellText(dc, r, column == 0 ? 4 : 6, column == kNoColumn, list.CellText(row, column),
                     back);
    };

    // Column 0 runs from the row's left edge to the number column.
    RECT first = item.rcItem;
    first.right = cellRect(kNoColumn).left;
    draw(0, first);
    for (int column = 1; column < kWordColumnCount - 1; ++column) {
        // The note column waits while the panel slides.
        if (column == kNoteColumn && sliding_) continue;
        draw(column, cellRect(column));
    }
    if (oldFont) SelectObject(dc, oldFont);
    SetTextColor(dc, static_cast<COLORREF>(oldColor));
}

// --- WordBookPort -----------------------------------------------------------------------

void WordBookPage::SetWordRowCount(std::size_t count) {
    ListView_SetItemState(wordList_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(wordList_, static_cast<int>(count), 0);
    if (count > 0) ListView_EnsureVisible(wordList_, 0, FALSE);
    InvalidateRect(wordList_, nullptr, TRUE);
}

void WordBookPage::SetWordListEnabled(bool enabled) {
    EnableWindow(wordList_, enabled);
    ListView_SetBkColor(wordList_, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    InvalidateRect(wordList_, nullptr, TRUE);
}

void WordBookPage::RepaintWordList() { InvalidateRect(wordList_, nullptr, FALSE); }

void WordBookPage::SetWordColumnCaption(int column, const std::u16string& caption) {
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT;
    c.pszText = const_cast<wchar_t*>(W(caption));
    SendMessageW(wordList_, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
}

int WordBookPage::WordColumnWidth(int column) { return ListView_GetColumnWidth(wordList_, column); }

void WordBookPage::SetWordColumnWidth(int column, int width) {
    ++quiet_;
    ListView_SetColumnWidth(wordList_, column, width);
    --quiet_;
}

void WordBookPage::SetWordRowHeight(int) {
    RemeasureListRows(wordList_);
    InvalidateRect(wordList_, nullptr, TRUE);
}

std::optional<std::size_t> WordBookPage::SelectedWordRow() {
    const int row = ListView_GetNextItem(wordList_, -1, LVNI_SELECTED);
    if (row < 0) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void WordBookPage::SelectWordRow(std::size_t row) {
    SetFocus(wordList_);
    ListView_SetItemState(wordList_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(wordList_, static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(wordList_, static_cast<int>(row), FALSE);
}

void WordBookPage::ScrollWordRowIntoView(std::size_t row) {
    ListView_EnsureVisible(wordList_, static_cast<int>(row), FALSE);
}

void WordBookPage::ShowWordListPage() {
    if (onShowPage) onShowPage();
}

void WordBookPage::SetDirectionCaptions(const std::u16string& langToJp,
                                        const std::u16string& jpToLang) {
    SetWindowTextW(langToJpRadio_, W(langToJp));
    SetWindowTextW(jpToLangRadio_, W(jpToLang));
}

void WordBookPage::SetDirectionChecked(bool foreignFirst) {
    ++quiet_;
    SendMessageW(langToJpRadio_, BM_SETCHECK, foreignFirst ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(jpToLangRadio_, BM_SETCHECK, foreignFirst ? BST_UNCHECKED : BST_CHECKED, 0);
    --quiet_;
}

void WordBookPage::ShowBookRows(const std::vector<BookRow>& rows) {
    SendMessageW(bookList_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(bookList_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(W(rows[i].title));
        const int at = static_cast<int>(
            SendMessageW(bookList_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        const std::u16string count = Utf8ToUtf16(std::to_string(rows[i].count));
        const std::u16string* subItems[] = {&rows[i].fileName, &rows[i].group, &count};
        for (int s = 0; s < 3; ++s) {
            LVITEMW sub{};
            sub.iSubItem = s + 1;
            sub.pszText = const_cast<wchar_t*>(W(*subItems[s]));
            SendMessageW(bookList_, LVM_SETITEMTEXTW, static_cast<WPARAM>(at),
                         reinterpret_cast<LPARAM>(&sub));
        }
    }
    // The columns fit their texts within the open panel ("ミャンマー語
    // あいさつ" and its kin differ only at their ends), the file name giving
    // way first.
    std::array<int, kBookColumnCount> needs{};
    auto need = [&](int column, const std::u16string& text) {
        const int margins = column == 0 ? kBookTitleMargins : kBookCellMargins;
        needs[column] =
            std::max(needs[column], ListView_GetStringWidth(bookList_, W(text)) + margins);
    };
    for (int c = 0; c < kBookColumnCount; ++c) need(c, std::u16string(BookColumnCaption(c)));
    for (const BookRow& row : rows) {
        need(0, row.title);
        need(1, row.fileName);
        need(2, row.group);
        need(3, Utf8ToUtf16(std::to_string(row.count)));
    }
    const int visible = kPanelOpenWidth - GetSystemMetrics(SM_CXVSCROLL) - 4;
    const auto widths = BookColumnWidthsFor(needs, visible);
    for (int c = 0; c < kBookColumnCount; ++c) ListView_SetColumnWidth(bookList_, c, widths[c]);
    SendMessageW(bookList_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(bookList_, nullptr, TRUE);
}

void WordBookPage::SelectBookRow(std::optional<std::size_t> row) {
    ListView_SetItemState(bookList_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (!row) return;
    ListView_SetItemState(bookList_, static_cast<int>(*row), LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(bookList_, static_cast<int>(*row), FALSE);
}

void WordBookPage::SetPanelWidth(int width) {
    panelWidth_ = width;
    LayOut();
    // Narrowed, the book list scrolled sideways; open again, it starts at its left edge.
    if (width == kPanelOpenWidth) ListView_Scroll(bookList_, -0x7FFF, 0);
    UpdateWindow(page_);
}

void WordBookPage::SetDoorCaption(const std::u16string& caption) {
    SetWindowTextW(doorButton_, W(caption));
}

void WordBookPage::SetPanelLabelsVisible(bool visible) {
    ShowWindow(labelBook_, visible ? SW_SHOW : SW_HIDE);
    ShowWindow(labelMenu_, visible ? SW_SHOW : SW_HIDE);
}

void WordBookPage::SetPanelButtonsEnabled(bool enabled) {
    for (HWND button : {newButton_, dicButton_, folderButton_}) EnableWindow(button, enabled);
}

void WordBookPage::SetDictionaryPressed(bool pressed) {
    ++quiet_;
    SendMessageW(dicButton_, BM_SETCHECK, pressed ? BST_CHECKED : BST_UNCHECKED, 0);
    --quiet_;
}

void WordBookPage::SetAutoDoorCheck(bool checked) {
    ++quiet_;
    SendMessageW(autoDoorCheck_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    --quiet_;
}

void WordBookPage::SetPanelSliding(bool sliding) {
    sliding_ = sliding;
    if (!sliding) InvalidateRect(wordList_, nullptr, FALSE);
}

void WordBookPage::SetStatusText(int panel, const std::u16string& text) {
    if (panel < 0 || panel >= static_cast<int>(statusTexts_.size())) return;
    statusTexts_[static_cast<std::size_t>(panel)] = text;
    FitStatusText(panel);
    // The whole text in the panel's hint.
    SendMessageW(statusBar_, SB_SETTIPTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(W(text)));
}

void WordBookPage::FitStatusText(int panel) {
    // A panel too narrow for its text leaves out the middle (of the folder's
    // path), so the folder's end and the word count still show.
    RECT part{};
    SendMessageW(statusBar_, SB_GETRECT, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(&part));
    const std::u16string& text = statusTexts_[static_cast<std::size_t>(panel)];
    std::u16string shown = text;
    if (part.right > part.left) {
        HDC dc = GetDC(statusBar_);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(statusBar_, WM_GETFONT, 0, 0)));
        shown = FitInMiddle(dc, text, part.right - part.left - kStatusTextMargins);
        SelectObject(dc, old);
        ReleaseDC(statusBar_, dc);
    }
    SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(W(shown)));
}

void WordBookPage::SetWordBookActionEnabled(WordBookAction, bool) {
    // The menus ask the model for each item's state when they open.
}

std::optional<std::u16string> WordBookPage::BrowseForFolder(const std::u16string& prompt,
                                                            const std::u16string& start) {
    return ::tess::BrowseForFolder(GetAncestor(page_, GA_ROOT), prompt, start);
}

std::optional<std::size_t> WordBookPage::RunJumpDialog(std::size_t rowCount) {
    const std::optional<int> row =
        ::tess::RunJumpDialog(GetAncestor(page_, GA_ROOT), static_cast<int>(rowCount));
    if (!row || *row < 0) return std::nullopt;
    return static_cast<std::size_t>(*row);
}

std::optional<std::u16string> WordBookPage::RunColorDialog(const std::u16string& currentCode) {
    return ::tess::RunColorDialog(GetAncestor(page_, GA_ROOT), currentCode);
}

}  // namespace tess
