#include "app/win32/SymbolTabPage.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "lib/CombiningMarks.h"
#include "lib/win32/ShapedText.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

constexpr wchar_t kPageClass[] = L"TessSymbolTabPage";
constexpr wchar_t kGridClass[] = L"TessSymbolGrid";

enum SymbolId : int {
    kIdPreview = 200,
    kIdCodeField,
    kIdLibrary,
    kIdUpDown,
    kIdGrid,
    kIdCategory0 = 210,  // ten buttons
};

// The grid control starts here in the page; the cells' tops count from the page.
constexpr int kGridTop = 56;
constexpr int kSeparatorLefts[3] = {115, 595, 733};


void FrameInside(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT inner = r;
    for (int i = 0; i < 2; ++i) {
        FrameRect(dc, &inner, brush);
        InflateRect(&inner, -1, -1);
    }
    DeleteObject(brush);
}

// Enter in the code field works as a click on the preview button.
LRESULT CALLBACK CodeFieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR preview) {
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_RETURN) {
        if (message == WM_KEYDOWN)
            SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(kIdPreview, BN_CLICKED),
                         static_cast<LPARAM>(preview));
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void SymbolTabPage::Create(HINSTANCE instance, HWND parent, HFONT formFont, SymbolTab& model) {
    model_ = &model;
    instance_ = instance;
    static bool registered = false;
    if (!registered) {
        WNDCLASSW page{};
        page.lpfnWndProc = &SymbolTabPage::PageProc;
        page.hInstance = instance;
        page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        page.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        page.lpszClassName = kPageClass;
        WNDCLASSW grid = page;
        grid.lpfnWndProc = &SymbolTabPage::GridProc;
        grid.hbrBackground = nullptr;
        grid.lpszClassName = kGridClass;
        registered = RegisterClassW(&page) != 0 && RegisterClassW(&grid) != 0;
    }
    page_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                            10, 10, parent, nullptr, instance, this);

    smallFont_.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", 128, 11));
    categoryFont_.Reset(CreatePointFont(u"Tahoma", 0, 11));
    devFont_.Reset(CreatePointFont(u"Times New Roman", 0, 11));

    preview_ = CreateChild(page_, L"BUTTON", L"", WS_VISIBLE | BS_PUSHBUTTON, kIdPreview, 0, {8, 10, 38, 38});
    codeField_ = CreateChild(page_, L"EDIT", L"", WS_VISIBLE | ES_AUTOHSCROLL | WS_TABSTOP, kIdCodeField, WS_EX_CLIENTEDGE, {50, 16, 60, 24});
    SendMessageW(codeField_, EM_LIMITTEXT, 4, 0);
    SendMessageW(codeField_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"4桁16進"));
    SetImeMode(codeField_, ImeMode::Disabled);
    SetWindowSubclass(codeField_, &CodeFieldProc, 1, reinterpret_cast<DWORD_PTR>(preview_));
    for (int i = 0; i < 3; ++i)
        separators_[static_cast<std::size_t>(i)] =
            CreateChild(page_, L"STATIC", L"", WS_VISIBLE | SS_ETCHEDVERT, 0, 0, {kSeparatorLefts[i], 8, 2, 40});
    const auto categories = SymbolCategories();
    for (int n = 0; n < 10; ++n) {
        categories_[static_cast<std::size_t>(n)] =
            CreateChild(page_, L"BUTTON", W(std::u16string(categories[n].caption)),
                  WS_VISIBLE | BS_CHECKBOX | BS_PUSHLIKE, kIdCategory0 + n, 0, {120 + 47 * n, 10, 45, 35});
        SendMessageW(categories_[static_cast<std::size_t>(n)], WM_SETFONT,
                     reinterpret_cast<WPARAM>(categoryFont_.get()), FALSE);
    }
    library_ = CreateChild(page_, WC_COMBOBOXW, L"", WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                     kIdLibrary, 0, {605, 16, 120, 16 * 20 + 30});
    for (std::u16string_view item : SymbolLibraryItems())
        SendMessageW(library_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(std::u16string(item))));
    SendMessageW(library_, CB_SETCURSEL, 0, 0);
    upDown_ = CreateChild(page_, UPDOWN_CLASSW, L"", WS_VISIBLE | 0, kIdUpDown, 0, {740, 20, 22, 30});
    SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(-5), 5);
    SendMessageW(upDown_, UDM_SETPOS32, 0, 0);
    devLabel_ = CreateChild(page_, L"STATIC", L"0", WS_VISIBLE | SS_LEFT, 0, 0, {748, 4, 20, 16});
    grid_ = CreateWindowExW(0, kGridClass, L"", WS_CHILD | WS_VISIBLE, 0, kGridTop, 10, 10, page_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdGrid)), instance, this);

    for (HWND control : {codeField_, library_})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont_.get()), FALSE);
    SendMessageW(devLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(devFont_.get()), FALSE);
    (void)formFont;

    tooltips_ = CreateToolTips(page_);
    AddToolTip(tooltips_, preview_,
               u"4桁16進にユニコードを入れるとここに記号が表示されます。押すとその記号が入力できます。");
    AddToolTip(tooltips_, upDown_, u"文字サイズ補正");
    for (int n = 0; n < 10; ++n)
        AddToolTip(tooltips_, categories_[static_cast<std::size_t>(n)],
                   std::u16string(categories[n].hint));
    // One tool per cell, its text asked for when it shows.
    for (int cell = 0; cell < kSymbolCellCount; ++cell) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = grid_;
        tool.uId = static_cast<UINT_PTR>(cell);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void SymbolTabPage::Place(const RECT& rect) {
    MoveWindow(page_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void SymbolTabPage::Show(bool shown) { ShowWindow(page_, shown ? SW_SHOW : SW_HIDE); }

void SymbolTabPage::Refresh(bool relayout) {
    if (!previewFont_) {
        // The preview keeps the font the language had at start-up.
        previewFont_.Reset(CreatePointFont(model_->MainFont(), model_->LanguageCharset(), 20));
        SendMessageW(preview_, WM_SETFONT, reinterpret_cast<WPARAM>(previewFont_.get()), TRUE);
    }
    if (relayout) LayOut();
    // A redraw shows every cell unselected.
    shownSelected_ = -1;
    ShowCategoryButtons();
    InvalidateRect(grid_, nullptr, FALSE);
}

void SymbolTabPage::LayOut() {
    RECT client{};
    GetClientRect(page_, &client);
    model_->LayOut(client.right, measurer_);
    MakeFonts();
    MoveWindow(grid_, 0, kGridTop, client.right, std::max(0L, client.bottom - kGridTop), TRUE);
    for (int cell = 0; cell < kSymbolCellCount; ++cell) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = grid_;
        tool.uId = static_cast<UINT_PTR>(cell);
        tool.rect = CellRect(cell);
        SendMessageW(tooltips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void SymbolTabPage::MakeFonts() {
    const SymbolGridLayout& layout = model_->Layout();
    nameFont_.Reset(CreatePointFont(kSymbolNameFont, 0, layout.nameSize));
    mainFont_.Reset(CreatePointFont(model_->MainFont(), model_->LanguageCharset(),
                                std::max(1, layout.mainSize + model_->Grid().SizeDev())));
}

void SymbolTabPage::ShowCategoryButtons() {
    const int pressed = model_->Grid().PressedCategory();
    for (int n = 0; n < 10; ++n)
        SendMessageW(categories_[static_cast<std::size_t>(n)], BM_SETCHECK,
                     n == pressed ? BST_CHECKED : BST_UNCHECKED, 0);
}

RECT SymbolTabPage::CellRect(int cell) const {
    const SymbolGridGeometry& g = model_->Layout().geometry;
    const int left = g.Left(cell), top = g.Top(cell) - kGridTop;
    return RECT{left, top, left + g.CellSide(), top + g.CellSide()};
}

int SymbolTabPage::CellAt(int x, int y) const {
    for (int cell = 0; cell < kSymbolCellCount; ++cell) {
        const RECT r = CellRect(cell);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return cell;
    }
    return -1;
}

LRESULT CALLBACK SymbolTabPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
                                                   reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<SymbolTabPage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->page_ == hwnd) return self->HandlePage(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SymbolTabPage::GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
                                                   reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<SymbolTabPage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->grid_ == hwnd) return self->HandleGrid(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT SymbolTabPage::HandlePage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (model_ && grid_) {
                LayOut();
                InvalidateRect(grid_, nullptr, FALSE);
            }
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == upDown_) {
                const int value = static_cast<int>(SendMessageW(upDown_, UDM_GETPOS32, 0, 0));
                model_->SizeDevChanged(value);
                SetWindowTextW(devLabel_, std::to_wstring(model_->Grid().SizeDev()).c_str());
                MakeFonts();
                InvalidateRect(grid_, nullptr, FALSE);
            }
            return 0;
        default: break;
    }
    return DefWindowProcW(page_, message, wParam, lParam);
}

void SymbolTabPage::OnCommand(int id, int code, HWND) {
    if (quiet_ != 0) return;
    if (id >= kIdCategory0 && id < kIdCategory0 + 10 && code == BN_CLICKED) {
        model_->CategoryClicked(id - kIdCategory0);
        Refresh(false);
        return;
    }
    switch (id) {
        case kIdPreview:
            if (code == BN_CLICKED) model_->PreviewClicked();
            break;
        case kIdCodeField:
            if (code == EN_CHANGE) {
                if (std::optional<char16_t> c = model_->CodeTextChanged(WindowText(codeField_)))
                    SetWindowTextW(preview_, W(std::u16string(1, *c)));
            } else if (code == EN_SETFOCUS) {
                model_->CodeFieldEntered();
            }
            break;
        case kIdLibrary:
            if (code == CBN_SELCHANGE) {
                model_->LibraryChosen(static_cast<int>(SendMessageW(library_, CB_GETCURSEL, 0, 0)));
                Refresh(false);
            }
            break;
        default: break;
    }
}

LRESULT SymbolTabPage::HandleGrid(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(grid_, &ps);
            RECT client{};
            GetClientRect(grid_, &client);
            // Drawn off screen in one pass, then shown at once.
            HDC memory = CreateCompatibleDC(dc);
            HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
            HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
            FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
            PaintGrid(memory);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, oldBitmap);
            DeleteObject(bitmap);
            DeleteDC(memory);
            EndPaint(grid_, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_LBUTTONDOWN: {
            const int cell = CellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (cell >= 0 && model_->Grid().Cells()[static_cast<std::size_t>(cell)].text) {
                pressedCell_ = cell;
                SetCapture(grid_);
                InvalidateRect(grid_, nullptr, FALSE);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            if (pressedCell_ < 0) return 0;
            const int cell = CellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            const int pressed = pressedCell_;
            pressedCell_ = -1;
            ReleaseCapture();
            if (cell == pressed && model_->CellClicked(cell)) shownSelected_ = cell;
            InvalidateRect(grid_, nullptr, FALSE);
            return 0;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                const int cell = static_cast<int>(header->idFrom);
                static std::u16string hint;
                hint.clear();
                if (cell >= 0 && cell < kSymbolCellCount &&
                    model_->Grid().Cells()[static_cast<std::size_t>(cell)].text)
                    hint = model_->Grid().Hint(cell);
                info->lpszText = const_cast<wchar_t*>(W(hint));
            }
            return 0;
        }
        default: break;
    }
    return DefWindowProcW(grid_, message, wParam, lParam);
}

void SymbolTabPage::PaintGrid(HDC dc) {
    const int selected = shownSelected_;
    for (int cell = 0; cell < kSymbolCellCount; ++cell)
        PaintCell(dc, cell, cell == selected, cell == pressedCell_);
}

void SymbolTabPage::PaintCell(HDC dc, int cell, bool selected, bool pressed) {
    const SymCell& c = model_->Grid().Cells()[static_cast<std::size_t>(cell)];
    RECT r = CellRect(cell);
    if (r.right <= r.left) return;
    if (!c.text) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        FrameInside(dc, r, RGB(0, 0, 0));
        return;
    }
    // Pressed, the picture moves 2 pixels right and down.
    if (pressed) OffsetRect(&r, 2, 2);
    HBRUSH back = CreateSolidBrush(selected ? RGB(0, 255, 255) : RGB(255, 255, 255));
    FillRect(dc, &r, back);
    DeleteObject(back);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const bool annotated = model_->Grid().Annotated();
    if (annotated && !c.englishName.empty()) {
        HGDIOBJ old = SelectObject(dc, nameFont_);
        const std::size_t slash = c.englishName.find(u'\\');
        const std::u16string top = c.englishName.substr(0, slash);
        RECT clip = r;
        DrawShapedTextAt(dc, top, r.left + 4, r.top + 1, clip);
        if (slash != std::u16string::npos) {
            const std::u16string bottom = c.englishName.substr(slash + 1);
            const SIZE extent = ShapedTextExtent(dc, bottom);
            DrawShapedTextAt(dc, bottom, r.left + 4, r.top + h - extent.cy - 1, clip);
        }
        SelectObject(dc, old);
    }
    HGDIOBJ old = SelectObject(dc, mainFont_);
    // A lone combining mark stands on a dotted circle; a glyph the font
    // lacks comes from a font that has it.
    const std::u16string text = CellDrawText(std::u16string(1, c.text));
    const SIZE extent = ShapedTextExtent(dc, text);
    int x = r.left + (w - extent.cx) / 2, y = r.top + (h - extent.cy) / 2;
    if (annotated) {
        x += w / 8;
        y += h / 18;
    }
    DrawShapedTextAt(dc, text, x, y, r);
    SelectObject(dc, old);
    FrameInside(dc, r, static_cast<COLORREF>(CellClassColor(c.cellClass)));
}

}  // namespace tess
