#include "app/win32/MainWindow.h"

#include "app/win32/AboutBox.h"
#include "tables/win32/ListHtmlDialog.h"
#include "lib/win32/PictureButton.h"
#include "wordbook/win32/ConvertDialog.h"

#include <commctrl.h>
#include <algorithm>
#include <commdlg.h>

#include "app/AppIdentity.h"
#include "lib/win32/Win32Helpers.h"
#include "input/win32/CandidatePopup.h"

namespace tess {

namespace {

enum EditMenuId : int { kEditMenuChangeFont = 2000, kEditMenuResetFont };

LRESULT CALLBACK PhoneticAreaProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR, DWORD_PTR owner) {
    // Edit1's own context menu: the edit commands and the phonetic font commands.
    if (message == WM_CONTEXTMENU) {
        SendMessageW(reinterpret_cast<HWND>(owner), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                     lParam);
        return 0;
    }
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    // The placeholder "< 発音記号 >" is drawn in the form font: the phonetic
    // font often has no Japanese glyphs.
    if (message == WM_PAINT && GetWindowTextLengthW(hwnd) == 0 && GetFocus() != hwnd) {
        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, static_cast<HFONT>(GetPropW(hwnd, L"TessalineCueFont")));
        RECT r{};
        GetClientRect(hwnd, &r);
        r.left += 4;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, L"< 発音記号 >", -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
    }
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) InvalidateRect(hwnd, nullptr, TRUE);
    return result;
}

}  // namespace

MainWindow::~MainWindow() = default;

bool MainWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &MainWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = W(kMainWindowClass);
    return RegisterClassExW(&wc) != 0;
}

bool MainWindow::Create(HINSTANCE instance, int showCommand) {
    // WM_CREATE runs the start-up sequence; the window is placed from the
    // settings it read before it is first shown.
    instance_ = instance;
    hwnd_ = CreateWindowExW(0, W(kMainWindowClass), W(kAppTitle), WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, kMainDefaultWidth, kMainDefaultHeight,
                            nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    PlaceOnFirstShow();
    // The panes take their saved sizes in the window's own rectangle, not in
    // the size it was created with; the controls are placed there once and
    // the keyboards built for the sheet they have.
    creating_ = false;
    ApplySavedPaneSizes();
    BuildKeyboards();
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    model_.FormShow();
    return true;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

void MainWindow::OnCreate() {
    menus_ = CreateMainMenus();
    SetMenu(hwnd_, menus_.bar);
    CreateMainControls(hwnd_, instance_, controls_);
    CreateKeyboards();
    AddButtonHints();
    CreateWordBookPage(CreateToolTips(hwnd_));
    SetWindowSubclass(controls_.phoneticArea, &PhoneticAreaProc, 1,
                      reinterpret_cast<DWORD_PTR>(hwnd_));
    foreignChars_ = [this](char16_t key) { return OnAreaChar(InputArea::Foreign, key); };
    phoneticChars_ = [this](char16_t key) { return OnAreaChar(InputArea::Phonetic, key); };
    // Shift and Caps Lock in the foreign area switch the MS IME keyboard's table.
    foreignKeys_ = [this](unsigned vk, bool down) {
        model_.ForeignAreaKey(static_cast<std::uint16_t>(vk), down);
    };
    HookInputAreas();
    SetPropW(controls_.phoneticArea, L"TessalineCueFont", controls_.formFont);
    fields_.Register(FieldId::MainForeign, &controls_.foreignArea);
    fields_.Register(FieldId::MainPhonetic, &controls_.phoneticArea);

    RECT client{};
    GetClientRect(hwnd_, &client);
    paneSizes_.inputHeight = InitialInputHeight(client.bottom, StatusBarHeight(controls_),
                                                paneSizes_.lowerHeight);
    model_.Attach(*this, *this, fields_, fields_, wordBookPage_);
    // The symbol tab's page over the model the attachment made.
    symbolTabPage_.Create(instance_, controls_.lowerPages, controls_.formFont, model_.symbolTab());
    ShowSelectedLowerPage();
    model_.RunStartupSequence();
}

MainLayout MainWindow::CurrentLayout() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return LayOutMainWindow(client.right, client.bottom, StatusBarHeight(controls_), paneSizes_);
}

void MainWindow::LayOut() {
    if (!controls_.statusBar || creating_) return;
    PlaceMainControls(controls_, CurrentLayout());
    PlaceKeyboards();
    PlaceLowerPages();
}

void MainWindow::RecreateForeignArea() {
    // An edit control takes its wrapping and scroll bars only when created:
    // the new one takes over the text, the selection and the first visible
    // line. With wrapping on it never scrolls sideways (a horizontal scroll
    // bar or ES_AUTOHSCROLL would switch the wrapping off again).
    if (foreignWordWrap_ == foreignMadeWrapping_ && foreignScrollBars_ == foreignMadeWithBars_) return;
    foreignMadeWrapping_ = foreignWordWrap_;
    foreignMadeWithBars_ = foreignScrollBars_;
    HWND old = controls_.foreignArea;
    std::u16string text = WindowText(old);
    DWORD start = 0, end = 0;
    SendMessageW(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const LRESULT firstLine = SendMessageW(old, EM_GETFIRSTVISIBLELINE, 0, 0);
    bool focused = GetFocus() == old;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (!foreignWordWrap_) style |= ES_AUTOHSCROLL;
    if (foreignScrollBars_) style |= foreignWordWrap_ ? WS_VSCROLL : WS_VSCROLL | WS_HSCROLL;
    RECT bounds{};
    GetWindowRect(old, &bounds);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&bounds), 2);
    controls_.foreignArea = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, bounds.left,
                                            bounds.top, bounds.right - bounds.left,
                                            bounds.bottom - bounds.top, hwnd_,
                                            reinterpret_cast<HMENU>(kIdForeignArea), instance_, nullptr);
    SendMessageW(controls_.foreignArea, WM_SETFONT,
                 reinterpret_cast<WPARAM>(foreignFont_ ? foreignFont_.get() : controls_.formFont), FALSE);
    SendMessageW(controls_.foreignArea, EM_LIMITTEXT, 0, 0);
    SetWindowTextW(controls_.foreignArea, W(text));
    SetImeMode(controls_.foreignArea, ImeMode::Disabled);
    SetWindowPos(controls_.foreignArea, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    DestroyWindow(old);
    HookTypedCharacters(controls_.foreignArea, &foreignChars_);
    HookKeyStrokes(controls_.foreignArea, &foreignKeys_);
    LayOut();
    SendMessageW(controls_.foreignArea, EM_SETSEL, start, end);
    SendMessageW(controls_.foreignArea, EM_LINESCROLL, 0, firstLine);
    if (focused) SetFocus(controls_.foreignArea);
}

void MainWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    if (item.CtlID == kIdTargetShape) {
        // Shape1: a circle, red while a transfer target is held.
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        HBRUSH brush = CreateSolidBrush(targetHeld_ ? RGB(255, 0, 0) : RGB(255, 255, 255));
        HGDIOBJ old = SelectObject(dc, brush);
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
        SelectObject(dc, old);
        DeleteObject(brush);
        return;
    }
    // The function-key buttons: flat, glyph on top, caption under it.
    const int index = static_cast<int>(item.CtlID) - kIdFunctionButton0;
    DrawPictureButton(item, controls_.glyphs,
                      index >= 0 && index < kFunctionButtonCount ? index : -1);
}

void MainWindow::AddButtonHints() {
    HWND tips = CreateToolTips(hwnd_);
    auto buttons = FunctionButtons();
    auto addHint = [&](HWND button, MainAction action) {
        const std::u16string key = FunctionKeyName(action);
        if (!key.empty()) AddToolTip(tips, button, key + u"キー");
    };
    for (std::size_t i = 0; i < buttons.size(); ++i)
        addHint(controls_.functionButtons[i], buttons[i].action);
    addHint(controls_.transferButton, kTransferButton.action);
}

MainWindow::Splitter MainWindow::SplitterAt(int x, int y) const {
    MainLayout m = CurrentLayout();
    auto inside = [x, y](const Rect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
    if (inside(m.topSplitter)) return Splitter::Top;
    if (inside(m.keyboardSplitter)) return Splitter::Keyboard;
    if (inside(m.paneSplitter)) return Splitter::Panes;
    return Splitter::None;
}

void MainWindow::DragSplitter(int x, int y) {
    MainLayout m = CurrentLayout();
    if (dragging_ == Splitter::Top) {
        // The font panel grows by what the splitter moved left since the
        // press (its right edge moves as it grows, so it cannot be the
        // measure); it never gets narrower than its minimum. The window's
        // least width grows with it.
        paneSizes_.fontPanelWidth =
            std::max(kMinFontPanelWidth, dragStartFontWidth_ + dragStartX_ - x);
    } else if (dragging_ == Splitter::Keyboard) {
        paneSizes_.keyboardWidth = std::clamp(m.keyboardPages.right - x - kSplitterSize / 2,
                                              kMinKeyboardWidth, kMaxKeyboardWidth);
    } else if (dragging_ == Splitter::Panes) {
        const int middle = m.inputPane.Height() + m.lowerPane.Height();
        // The keyboard pages keep their minimum height, the lower pane its own.
        const int most = std::max(0, middle - kMinLowerHeight);
        int input = std::clamp(y - m.inputPane.top - kSplitterSize / 2,
                               std::min(kMinKeyboardHeight, most), most);
        paneSizes_.inputHeight = input;
        paneSizes_.lowerHeight = middle - input;
    }
    LayOut();
}

void MainWindow::HookInputAreas() {
    HookTypedCharacters(controls_.foreignArea, &foreignChars_);
    HookKeyStrokes(controls_.foreignArea, &foreignKeys_);
    HookTypedCharacters(controls_.phoneticArea, &phoneticChars_);
}

bool MainWindow::OnAreaChar(InputArea area, char16_t key) {
    return model_.input().KeyTyped(area == InputArea::Phonetic ? kMainPhoneticKeys : kMainForeignKeys,
                                   key);
}

void MainWindow::PreviewKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return;
    model_.FormKeyDown(static_cast<std::uint16_t>(msg.wParam));
}

void MainWindow::OpenTextFileDialog(bool save) {
    wchar_t path[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = L"（ユニコードテキスト）　*.txt\0*.txt\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = W(model_.folders().TextFolder);
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST
                        : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    bool chosen = false;
    {
        // A file name is typed in the start-up layout, not in Thai.
        const DialogLayoutScope layout(model_.layouts());
        chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    }
    if (!chosen) return;
    if (save) model_.SaveTextFileAs(reinterpret_cast<char16_t*>(path));
    else model_.OpenTextFile(reinterpret_cast<char16_t*>(path));
}

void MainWindow::ShowEditContextMenu(int x, int y) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kMenuEditUndo, L"元に戻す(&U)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMenuEditCut, L"切り取り(&T)");
    AppendMenuW(menu, MF_STRING, kMenuEditCopy, L"コピー(&C)");
    AppendMenuW(menu, MF_STRING, kMenuEditPaste, L"貼り付け(&P)");
    AppendMenuW(menu, MF_STRING, kMenuEditDelete, L"削除(&D)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMenuEditSelectAll, L"すべてを選択(&A)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kEditMenuChangeFont, L"発音記号フォントを変更する");
    AppendMenuW(menu, MF_STRING, kEditMenuResetFont, L"発音記号フォントを初期値に戻す");
    if (x == -1 && y == -1) {  // from the keyboard: at the control
        RECT r{};
        GetWindowRect(controls_.phoneticArea, &r);
        x = r.left;
        y = r.bottom;
    }
    SetFocus(controls_.phoneticArea);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, hwnd_, nullptr);
    DestroyMenu(menu);
}

void MainWindow::OnInitMenu(HMENU menu) {
    const Settings& s = model_.settings();
    if (menu == menus_.file) {
        EnableMenuItem(menu, kMenuFileSave,
                       model_.OverwriteSaveEnabled() ? MF_ENABLED : MF_GRAYED);
    } else if (menu == menus_.edit) {
        CheckMenuItem(menu, kMenuEditWordWrap, s.WordWrapFlg ? MF_CHECKED : MF_UNCHECKED);
        CheckMenuItem(menu, kMenuEditScrollBars, s.ScroBarsFlg ? MF_CHECKED : MF_UNCHECKED);
    } else if (menu == menus_.wordBook) {
        OnInitWordBookMenu();
    } else if (menu == menus_.transfer) {
        FillTransferMenu();
    } else if (menu == menus_.ime) {
        CheckMenuItem(menu, kMenuImeKedmanee, s.ThaiImeKedFlg ? MF_CHECKED : MF_UNCHECKED);
        CheckMenuItem(menu, kMenuImePattachote, s.ThaiImeKedFlg ? MF_UNCHECKED : MF_CHECKED);
    }
}

void MainWindow::OnCommand(int id, int code) {
    if (id >= kIdFunctionButton0 && id < kIdFunctionButton0 + kFunctionButtonCount) {
        model_.RunAction(FunctionButtons()[static_cast<size_t>(id - kIdFunctionButton0)].action);
        return;
    }
    if (OnWordBookCommand(id)) return;
    if (id > kMenuTransferMode0 && id <= kMenuTransferMode0 + 14) {
        model_.transfer().TRModeClick(id - kMenuTransferMode0);
        return;
    }
    if (!OnControlCommand(id, code)) OnMenuCommand(id);
}

// The notices of the main window's own controls; false for any other id.
bool MainWindow::OnControlCommand(int id, int code) {
    switch (id) {
        case kIdTransferButton: model_.RunAction(MainAction::TransferTxt1); break;
        case kIdForeignArea:
            if (code == EN_SETFOCUS) OnAreaFocused(InputArea::Foreign);
            break;
        case kIdPhoneticArea:
            if (code == EN_SETFOCUS) OnAreaFocused(InputArea::Phonetic);
            break;
        case kIdAutoPasteCheck:
            if (code == BN_CLICKED)
                model_.transfer().CheckBox3Click(SendMessageW(controls_.autoPasteCheck, BM_GETCHECK, 0, 0) == BST_CHECKED);
            break;
        case kIdFontBox:
            if (quietCombos_) break;
            if (code == CBN_EDITCHANGE) model_.ComboBox1Change(WindowText(controls_.fontBox));
            if (code == CBN_SELCHANGE) model_.ComboBox1Change(SelectedComboText(controls_.fontBox));
            // A pick from the list ends the choice: typing goes on where it was.
            if (code == CBN_SELENDOK) GiveFocusBack();
            break;
        case kIdSizeBox:
            if (quietCombos_) break;
            if (code == CBN_EDITCHANGE) model_.ComboBox2Change(WindowText(controls_.sizeBox));
            if (code == CBN_SELCHANGE) model_.ComboBox2Change(SelectedComboText(controls_.sizeBox));
            if (code == CBN_SELENDOK) GiveFocusBack();
            break;
        case kIdModeBox:
            if (code == CBN_SELCHANGE) {
                model_.ComboBox3Change(static_cast<int>(SendMessageW(controls_.modeBox, CB_GETCURSEL, 0, 0)));
            }
            break;
        case kIdStretchCheck:
            if (code == BN_CLICKED)
                model_.CheckBox1Click(SendMessageW(controls_.stretchCheck, BM_GETCHECK, 0, 0) == BST_CHECKED);
            break;
        default: return false;
    }
    return true;
}

void MainWindow::OnMenuCommand(int id) {
    // The edit commands act on whichever text control has the focus.
    HWND focus = GetFocus();
    switch (id) {
        case kMenuFileOpen: OpenTextFileDialog(false); break;
        case kMenuFileSave: model_.OverwriteTextFile(); break;
        case kMenuFileSaveAs: OpenTextFileDialog(true); break;
        case kMenuFileExit: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
        case kMenuEditUndo: SendMessageW(focus, WM_UNDO, 0, 0); break;
        case kMenuEditCut: SendMessageW(focus, WM_CUT, 0, 0); break;
        case kMenuEditCopy: SendMessageW(focus, WM_COPY, 0, 0); break;
        case kMenuEditPaste: SendMessageW(focus, WM_PASTE, 0, 0); break;
        case kMenuEditDelete: SendMessageW(focus, WM_CLEAR, 0, 0); break;
        case kMenuEditSelectAll: SendMessageW(focus, EM_SETSEL, 0, -1); break;
        case kMenuEditWordWrap: model_.ToggleWordWrap(); break;
        case kMenuEditScrollBars: model_.ToggleScrollBars(); break;
        case kMenuImeKedmanee: model_.ChooseThaiIme(true); break;
        case kMenuImePattachote: model_.ChooseThaiIme(false); break;
        case kMenuToolCodeChecker: model_.RunCodeValueChecker(); break;
        case kMenuToolSymbolDb: OpenSymbolDbEditor(); break;
        case kMenuToolCandEditor: OpenCandEditor(); break;
        case kMenuOptionSettings: model_.RunAction(MainAction::Option); break;
        case kMenuHelp: model_.OpenHelp(); break;
        case kMenuToolHtml: {
            const DialogLayoutScope layout(model_.layouts());
            ListHtmlModel tool = model_.MakeListHtmlModel();
            RunListHtmlDialog(hwnd_, tool);
            break;
        }
        case kMenuToolConvert: {
            const DialogLayoutScope layout(model_.layouts());
            LegacyConverter converter = model_.MakeLegacyConverter();
            RunConvertDialog(hwnd_, converter, [this] { model_.wordBooks().ListWordBooks(); });
            break;
        }
        case kMenuAbout: {
            const DialogLayoutScope layout(model_.layouts());
            RunAboutBox(hwnd_, [this](const std::u16string& url) { model_.OpenLink(url); });
            break;
        }
        case kEditMenuResetFont: model_.ResetPhoneticFont(); break;
        case kEditMenuChangeFont: ChoosePhoneticFont(); break;
        default: break;
    }
}

void MainWindow::ChoosePhoneticFont() {
    const Settings& s = model_.settings();
    LOGFONTW font{};
    HDC dc = GetDC(hwnd_);
    font.lfHeight = -MulDiv(s.UsrSubFontSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(hwnd_, dc);
    font.lfCharSet = ANSI_CHARSET;
    lstrcpynW(font.lfFaceName, W(s.UsrSubFont), LF_FACESIZE);
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = hwnd_;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
    choose.nSizeMin = 8;
    choose.nSizeMax = 50;
    bool chosen = false;
    {
        const DialogLayoutScope layout(model_.layouts());
        chosen = ChooseFontW(&choose);
    }
    if (chosen)
        model_.ChangePhoneticFont(reinterpret_cast<char16_t*>(font.lfFaceName),
                                  choose.iPointSize / 10);
}

void MainWindow::PlaceOnFirstShow() {
    WindowGeometry g = FirstShowGeometry(model_.settings(), GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(hwnd_, nullptr, g.left, g.top, g.width, g.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ApplySavedPaneSizes() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    paneSizes_ = WithLowerHeight(paneSizes_, client.bottom, StatusBarHeight(controls_),
                                 model_.settings().UnderHeight);
    LayOut();
}

void MainWindow::OnClose() {
    // The settings record the window's normal rectangle and the panes as
    // they are in it, also when it is minimised or maximised at the moment
    // of closing: the next start shows the same layout.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    const RECT r = placement.rcNormalPosition;
    StoreWindowGeometry(model_.settings(), {r.left, r.top, r.right - r.left, r.bottom - r.top});
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int clientWidth = (r.right - r.left) - (frame.right - frame.left);
    const int clientHeight = (r.bottom - r.top) - (frame.bottom - frame.top);
    const SavedPanes panes = PanesToSave(paneSizes_, clientWidth, clientHeight, StatusBarHeight(controls_));
    Settings& s = model_.settings();
    s.UnderHeight = panes.underHeight;
    s.FontPanelWidth = panes.fontPanelWidth;
    s.PC2Width = panes.keyboardWidth;
    model_.RunShutdownSequence();
    DestroyWindow(hwnd_);
}

void MainWindow::OnActivate(bool active) {
    focusKeeper_.Activated(hwnd_, active, controls_.foreignArea);
}

void MainWindow::GiveFocusBack() {
    Focus(lastArea_ == InputArea::Phonetic ? InputArea::Phonetic : InputArea::Foreign, false);
}

void MainWindow::SetLeastTrackSize(MINMAXINFO& info) {
    // No smaller than the controls need, nor than the settings' least;
    // never more than the screen holds (a font panel widened a lot).
    const ClientSize least = MinimumClientSize(paneSizes_, StatusBarHeight(controls_));
    RECT frame{0, 0, least.width, least.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                       GetMenu(hwnd_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    info.ptMinTrackSize.x =
        std::max<LONG>(kMainMinWidth, std::min(frame.right - frame.left, work.right - work.left));
    info.ptMinTrackSize.y =
        std::max<LONG>(kMainMinHeight, std::min(frame.bottom - frame.top, work.bottom - work.top));
}

void MainWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom == kIdKeyboardPages && header.code == TCN_SELCHANGE) {
        const int tab = static_cast<int>(SendMessageW(controls_.keyboardPages, TCM_GETCURSEL, 0, 0));
        ShowSelectedKeyboard();
        model_.PageControl2Change(tab);
    }
    if (header.idFrom == kIdLowerPages && header.code == TCN_SELCHANGE) ShowSelectedLowerPage();
}

bool MainWindow::ShowSplitterCursor() {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd_, &p);
    const Splitter at = dragging_ != Splitter::None ? dragging_ : SplitterAt(p.x, p.y);
    if (at == Splitter::None) return false;
    SetCursor(LoadCursorW(nullptr, at == Splitter::Panes ? IDC_SIZENS : IDC_SIZEWE));
    return true;
}

// A splitter is dragged from a press on it until the button comes up or the
// capture goes elsewhere.
void MainWindow::OnSplitterMouse(UINT message, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_LBUTTONDOWN:
            dragging_ = SplitterAt(x, y);
            if (dragging_ != Splitter::None) SetCapture(hwnd_);
            dragStartX_ = x;
            dragStartFontWidth_ = std::max(paneSizes_.fontPanelWidth, kMinFontPanelWidth);
            break;
        case WM_MOUSEMOVE:
            if (dragging_ != Splitter::None) DragSplitter(x, y);
            break;
        default:  // WM_LBUTTONUP, WM_CAPTURECHANGED
            if (dragging_ == Splitter::None) break;
            dragging_ = Splitter::None;
            if (message == WM_LBUTTONUP) ReleaseCapture();
            break;
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_SIZE:
            LayOut();
            return 0;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_GETMINMAXINFO:
            SetLeastTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == controls_.phoneticArea && phoneticBrush_) {
                SetBkColor(reinterpret_cast<HDC>(wParam), phoneticColor_);
                return reinterpret_cast<LRESULT>(phoneticBrush_.get());
            }
            break;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == controls_.phoneticArea) {
                ShowEditContextMenu(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
                return 0;
            }
            break;
        case WM_INITMENUPOPUP:
            OnInitMenu(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT &&
                ShowSplitterCursor())
                return TRUE;
            break;
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            OnSplitterMouse(message, lParam);
            return 0;
        case WM_ACTIVATE:
            // Coming back (Alt+Tab, the taskbar, a closed message box) gives
            // the focus back to the control that had it.
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_ACTIVATEAPP:
            // The target search runs only while another application is active.
            model_.ApplicationActivated(wParam != 0);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace tess
