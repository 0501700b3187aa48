#include "app/win32/PadWindow.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "input/win32/EditField.h"
#include "lib/Charsets.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

constexpr wchar_t kPadWindowClass[] = L"TPadFrm";
// The form's own font; the transfer button's caption is smaller.
constexpr char16_t kFormFont[] = u"ＭＳ Ｐゴシック";
constexpr int kFormFontSize = 12;
constexpr int kButtonFontSize = 10;
constexpr char16_t kTransferHint[] = u"F9キー";
constexpr int kSizeBoxVisibleItems = 20;

// Panel1, the band over the pages, and what stands on it.
constexpr int kBandHeight = 59;
constexpr RECT kShapeRect{8, 6, 30, 28};
constexpr RECT kAutoPasteRect{11, 35, 27, 51};
constexpr int kLineLeft = 36, kLineTop = 9, kLineHeight = 40;
constexpr int kButtonWidth = 40, kButtonTop = 4, kButtonHeight = 51;
constexpr int kSizeBoxWidth = 60, kRightMargin = 6, kGap = 4;
constexpr int kSizeBoxTop = 5, kClearTop = 34, kClearHeight = 20;


void Move(HWND hwnd, int left, int top, int width, int height) {
    MoveWindow(hwnd, left, top, width, height, TRUE);
}

BOOL CALLBACK SetFormFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND box, bool checked) {
    SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

PadWindow::~PadWindow() {
    // The window goes before the fonts and brush it shows.
    if (hwnd_) DestroyWindow(hwnd_);
}

bool PadWindow::Register(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, kPadWindowClass, &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &PadWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPadWindowClass;
    return RegisterClassExW(&wc) != 0;
}

LRESULT CALLBACK PadWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<PadWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PadWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

bool PadWindow::Create(PadModel& model) {
    model_ = &model;
    if (!Register(instance_)) return false;
    // A single border with only a close box; the task bar shows it while the
    // main window is hidden. It has no owner: an owned window stays next to
    // its owner in the z-order, and the hidden main window would hold the
    // PAD under the windows the user went to since.
    hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kPadWindowClass, W(kPadCaption),
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, kPadWindowWidth, kPadWindowHeight,
                            nullptr, nullptr, instance_, this);
    if (!hwnd_) return false;
    CreateControls();
    PlaceControls();
    CreateKeyboards();

    RECT sheet{};
    GetClientRect(pages_, &sheet);
    TabCtrl_AdjustRect(pages_, FALSE, &sheet);
    const int width = std::max(0L, sheet.right - sheet.left);
    const int height = std::max(0L, sheet.bottom - sheet.top);
    model.Create(width, height);
    for (int page = 0; page < 3; ++page) {
        const auto which = static_cast<PadPage>(page);
        MoveWindow(keyboards_[page].Handle(), sheet.left, sheet.top, width, height, FALSE);
        keyboards_[page].Show(model.KeyboardOf(which), model.KeyboardBackgroundOf(which), nullptr,
                              0, std::nullopt);
    }
    ShowSelectedKeyboard();
    return true;
}

void PadWindow::CreateControls() {
    formFont_.Reset(CreatePointFont(kFormFont, kShiftJisCharset, kFormFontSize));
    buttonFont_.Reset(CreatePointFont(kFormFont, kShiftJisCharset, kButtonFontSize));

    targetShape_ = CreateChild(hwnd_, L"STATIC", L"", WS_VISIBLE | SS_OWNERDRAW,
                         kIdPadTargetShape);
    autoPasteCheck_ = CreateChild(hwnd_, L"BUTTON", L"",
                            WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kIdPadAutoPaste);
    line_ = CreateChild(hwnd_, L"EDIT", L"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                  kIdPadLine, WS_EX_CLIENTEDGE);
    SendMessageW(line_, EM_LIMITTEXT, 0, 0);
    transferButton_ = CreateChild(hwnd_, L"BUTTON", L"転\r\n送",
                            WS_VISIBLE | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
                            kIdPadTransfer);
    sizeBox_ = CreateChild(hwnd_, WC_COMBOBOXW, L"",
                     WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                     kIdPadFontSize);
    clearCheck_ = CreateChild(hwnd_, L"BUTTON", L"ｸﾘｱ",
                        WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kIdPadClear);
    // The rich edit class lives in its own library (the main window loaded it).
    LoadLibraryW(L"Msftedit.dll");
    richBuffer_ = CreateChild(hwnd_, MSFTEDIT_CLASS, L"", ES_MULTILINE, kIdPadRichBuffer);
    pages_ = CreateChild(hwnd_, WC_TABCONTROLW, L"",
                   WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_BOTTOM, kIdPadPages);
    for (int page = 0; page < 3; ++page) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(pages_, TCM_INSERTITEMW, static_cast<WPARAM>(page),
                     reinterpret_cast<LPARAM>(&item));
    }

    EnumChildWindows(hwnd_, &SetFormFont, reinterpret_cast<LPARAM>(formFont_.get()));
    SendMessageW(transferButton_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
    SendMessageW(sizeBox_, CB_SETMINVISIBLE, kSizeBoxVisibleItems, 0);
    HWND tips = CreateToolTips(hwnd_);
    AddToolTip(tips, transferButton_, kTransferHint);

    // Every character typed into the line goes to the model first; Shift and
    // Caps Lock switch the MS IME keyboard's table.
    lineChars_ = [this](char16_t key) { return model_->LineKeyPressed(key); };
    lineKeys_ = [this](unsigned vk, bool down) {
        model_->LineKeyStroke(static_cast<std::uint16_t>(vk), down);
    };
    HookTypedCharacters(line_, &lineChars_);
    HookKeyStrokes(line_, &lineKeys_);
}

void PadWindow::PlaceControls() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int width = client.right, height = client.bottom;
    const int sizeLeft = width - kRightMargin - kSizeBoxWidth;
    const int buttonLeft = sizeLeft - kGap - kButtonWidth;
    Move(targetShape_, kShapeRect.left, kShapeRect.top, kShapeRect.right - kShapeRect.left,
         kShapeRect.bottom - kShapeRect.top);
    Move(autoPasteCheck_, kAutoPasteRect.left, kAutoPasteRect.top,
         kAutoPasteRect.right - kAutoPasteRect.left, kAutoPasteRect.bottom - kAutoPasteRect.top);
    Move(line_, kLineLeft, kLineTop, std::max(0, buttonLeft - kGap - kLineLeft), kLineHeight);
    Move(transferButton_, buttonLeft, kButtonTop, kButtonWidth, kButtonHeight);
    // A drop-down's height includes its list.
    const int itemHeight = static_cast<int>(SendMessageW(sizeBox_, CB_GETITEMHEIGHT, 0, 0));
    Move(sizeBox_, sizeLeft, kSizeBoxTop, kSizeBoxWidth,
         itemHeight * (kSizeBoxVisibleItems + 1) + 8);
    Move(clearCheck_, sizeLeft, kClearTop, kSizeBoxWidth, kClearHeight);
    Move(richBuffer_, 0, 0, 1, 1);
    Move(pages_, 0, kBandHeight, width, std::max(0, height - kBandHeight));
}

void PadWindow::CreateKeyboards() {
    KeyboardView::Register(instance_);
    for (int page = 0; page < 3; ++page) {
        keyboards_[page].Create(pages_, kIdPadKeyboard0 + page);
        keyboards_[page].SetClickHandler([this, page](std::size_t cell) {
            model_->KeyboardClicked(static_cast<PadPage>(page), cell);
        });
    }
    keyboards_[static_cast<int>(PadPage::MsIme)].SetHoverHandler(
        [this](std::optional<std::size_t> cell) { return model_->ImeKeyboardHover(cell); });
}

void PadWindow::ShowSelectedKeyboard() {
    const int tab = static_cast<int>(SendMessageW(pages_, TCM_GETCURSEL, 0, 0));
    const int shown = static_cast<int>(model_->PageAtTab(tab));
    for (int page = 0; page < 3; ++page)
        ShowWindow(keyboards_[page].Handle(), page == shown ? SW_SHOW : SW_HIDE);
}

int PadWindow::TabOf(PadPage page) const {
    const int index = static_cast<int>(page);
    return !imePageVisible_ && page == PadPage::Phonetic ? index - 1 : index;
}

void PadWindow::Run() {
    // Modal: the (hidden) main window takes no input until the PAD closes.
    EnableWindow(mainWindow_, FALSE);
    model_->Show();
    MSG msg{};
    while (!closed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        PreviewKey(msg);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (!closed_) {
        // WM_QUIT seen: pass it on to the program's own loop.
        EnableWindow(mainWindow_, TRUE);
        PostQuitMessage(static_cast<int>(msg.wParam));
    }
}

void PadWindow::PreviewKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return;
    model_->FormKeyDown(static_cast<std::uint16_t>(msg.wParam));
}

void PadWindow::OnClose() {
    // The main window is enabled again before it shows, so that it is the
    // one activated when the PAD goes.
    EnableWindow(mainWindow_, TRUE);
    model_->Close();
    closed_ = true;
    DestroyWindow(hwnd_);
}

void PadWindow::OnActivate(bool active) {
    // Back from another window or a popup: typing goes on where it was.
    focusKeeper_.Activated(hwnd_, active, line_);
}

void PadWindow::OnCommand(int id, int code) {
    switch (id) {
        case kIdPadLine:
            if (code == EN_SETFOCUS) model_->LineEntered();
            break;
        case kIdPadTransfer:
            if (code == BN_CLICKED) model_->PadTransfer();
            break;
        case kIdPadAutoPaste:
            if (code == BN_CLICKED) model_->AutoPasteClicked(Checked(autoPasteCheck_));
            break;
        case kIdPadClear:
            if (code == BN_CLICKED) model_->ClearBoxClicked(Checked(clearCheck_));
            break;
        case kIdPadFontSize:
            if (quietCombo_) break;
            if (code == CBN_EDITCHANGE) model_->FontSizeChanged(WindowText(sizeBox_));
            if (code == CBN_SELCHANGE) model_->FontSizeChanged(SelectedComboText(sizeBox_));
            break;
        default:
            break;
    }
}

void PadWindow::DrawTargetShape(const DRAWITEMSTRUCT& item) {
    // Shape1: a circle, red while a transfer target is held.
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    HBRUSH brush = CreateSolidBrush(targetHeld_ ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOW));
    HGDIOBJ old = SelectObject(dc, brush);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, old);
    DeleteObject(brush);
}

LRESULT PadWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == kIdPadPages && header->code == TCN_SELCHANGE) {
                ShowSelectedKeyboard();
                model_->PageChanged(static_cast<int>(SendMessageW(pages_, TCM_GETCURSEL, 0, 0)));
            }
            return 0;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == static_cast<UINT>(kIdPadTargetShape)) DrawTargetShape(*item);
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == line_ && lineBrush_) {
                SetBkColor(reinterpret_cast<HDC>(wParam), lineColor_);
                return reinterpret_cast<LRESULT>(lineBrush_.get());
            }
            break;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void PadWindow::ShowTargetState(bool held, const std::u16string& caption) {
    ShowTarget(held);
    SetCaption(caption);
}

// --- PadPort ----------------------------------------------------------------------------

void PadWindow::HideMainWindow() { ShowWindow(mainWindow_, SW_HIDE); }

void PadWindow::ShowMainWindow() {
    // Shown and activated: the PAD goes next, and the user goes on there.
    ShowWindow(mainWindow_, SW_SHOW);
    SetForegroundWindow(mainWindow_);
}

bool PadWindow::MainAutoPasteChecked() { return Checked(mainAutoPasteCheck_); }

void PadWindow::SetMainAutoPasteCheck(bool checked) { SetChecked(mainAutoPasteCheck_, checked); }

void PadWindow::PlaceWindow(int width, int height, std::optional<PadPosition> at) {
    int left = 0, top = 0;
    if (at) {
        left = at->left;
        top = at->top;
    } else {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

PadPosition PadWindow::WindowPosition() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.left, r.top};
}

void PadWindow::SetCaption(const std::u16string& caption) { SetWindowTextW(hwnd_, W(caption)); }

void PadWindow::ShowTarget(bool held) {
    targetHeld_ = held;
    InvalidateRect(targetShape_, nullptr, TRUE);
}

void PadWindow::Present() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
}

void PadWindow::SetAutoPasteCheck(bool checked) { SetChecked(autoPasteCheck_, checked); }

void PadWindow::SetClearCheck(bool checked) { SetChecked(clearCheck_, checked); }

void PadWindow::SetSizeBoxItems(const ItemList& items) { FillCombo(sizeBox_, items); }

void PadWindow::SetSizeBoxText(const std::u16string& text) {
    ++quietCombo_;
    SetComboText(sizeBox_, text);
    --quietCombo_;
}

void PadWindow::SetLineFont(const FontLook& font) {
    HFONT made = CreatePointFont(font.face, font.charset, font.sizePt);
    SendMessageW(line_, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    lineFont_.Reset(made);
}

void PadWindow::SetLineBackground(std::optional<Color> color) {
    lineBrush_.Reset();
    if (color) {
        lineColor_ = *color == kWindowTextColor ? GetSysColor(COLOR_WINDOW)
                                                : static_cast<COLORREF>(*color);
        lineBrush_.Reset(CreateSolidBrush(lineColor_));
    }
    InvalidateRect(line_, nullptr, TRUE);
}

void PadWindow::DisableLineIme() { SetImeMode(line_, ImeMode::Disabled); }

void PadWindow::FocusLine() {
    // While another application is in front (the transfer's paste brought
    // the target there), the line is where typing goes on when the PAD is
    // active again: focusing it now would make the PAD the active window
    // behind the target's back, and coming back to it would not raise it.
    if (GetForegroundWindow() != hwnd_) {
        focusKeeper_.Remember(line_);
        return;
    }
    // The edit control reports EN_SETFOCUS before SetFocus returns.
    SetFocus(line_);
}

std::u16string PadWindow::LineText() { return WindowText(line_); }

TextSelection PadWindow::LineSelection() {
    DWORD start = 0, end = 0;
    SendMessageW(line_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end - start};
}

void PadWindow::SelectInLine(TextSelection selection) {
    SendMessageW(line_, EM_SETSEL, selection.start, selection.start + selection.length);
}

void PadWindow::SetLineText(const std::u16string& text) { SetWindowTextW(line_, W(text)); }

void PadWindow::SetPageCaption(PadPage page, const std::u16string& caption) {
    if (page == PadPage::MsIme && !imePageVisible_) return;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(W(caption));
    SendMessageW(pages_, TCM_SETITEMW, static_cast<WPARAM>(TabOf(page)),
                 reinterpret_cast<LPARAM>(&item));
}

void PadWindow::SetImePageVisible(bool visible) {
    // Each PAD starts with all three tabs; a hidden MS IME page is removed
    // and never comes back while this PAD is open.
    if (visible || !imePageVisible_) return;
    imePageVisible_ = false;
    SendMessageW(pages_, TCM_DELETEITEM, static_cast<WPARAM>(TabOf(PadPage::MsIme)), 0);
    ShowSelectedKeyboard();
}

void PadWindow::SelectPage(PadPage page) {
    SendMessageW(pages_, TCM_SETCURSEL, static_cast<WPARAM>(TabOf(page)), 0);
    ShowSelectedKeyboard();
}

void PadWindow::RepaintKeyboard(PadPage page) {
    keyboards_[static_cast<int>(page)].Repaint();
}

}  // namespace tess
