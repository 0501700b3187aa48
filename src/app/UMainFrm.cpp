#include "app/UMainFrm.h"

#include "app/AppIdentity.h"

namespace tess {

namespace {

const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }


}  // namespace

bool TMainFrm::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &TMainFrm::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = W(kMainWindowClass);
    return RegisterClassExW(&wc) != 0;
}

bool TMainFrm::Create(HINSTANCE instance, int showCommand) {
    // WM_CREATE runs the start-up sequence; the window is placed from the
    // settings it read before it is first shown.
    instance_ = instance;
    hwnd_ = CreateWindowExW(0, W(kMainWindowClass), W(kAppTitle), WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, kMainDefaultWidth, kMainDefaultHeight,
                            nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    PlaceOnFirstShow();
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    return true;
}

LRESULT CALLBACK TMainFrm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<TMainFrm*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TMainFrm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

void TMainFrm::OnCreate() {
    menus_ = CreateMainMenus();
    SetMenu(hwnd_, menus_.bar);
    CreateMainControls(hwnd_, instance_, controls_);
    model_.RunStartupSequence();
    const Settings& s = model_.settings();
    paneSizes_.fontPanelWidth = s.FontPanelWidth;
    paneSizes_.lowerHeight = s.UnderHeight;
    if (s.PC2Width <= kMaxKeyboardWidth) paneSizes_.keyboardWidth = s.PC2Width;
    paneSizes_.underStretch = s.UnderStretchFlg;
    RECT client{};
    GetClientRect(hwnd_, &client);
    paneSizes_.inputHeight =
        InitialInputHeight(client.bottom, StatusBarHeight(controls_), paneSizes_.lowerHeight);
}

void TMainFrm::LayOut() {
    if (!controls_.statusBar) return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    PlaceMainControls(controls_, LayOutMainWindow(client.right, client.bottom,
                                                  StatusBarHeight(controls_), paneSizes_));
}

void TMainFrm::DrawItem(const DRAWITEMSTRUCT& item) {
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
    // The function-key buttons: flat, caption under the glyph area.
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
    wchar_t caption[32] = {};
    GetWindowTextW(item.hwndItem, caption, 32);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text = r;
    text.top = r.bottom - 24;
    DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

void TMainFrm::OnCommand(int id) {
    // The edit menu acts on whichever text control has the focus.
    HWND focus = GetFocus();
    switch (id) {
        case kMenuFileExit:
        case kIdFunctionButton0:  // "閉る"
            PostMessageW(hwnd_, WM_CLOSE, 0, 0);
            break;
        case kMenuEditUndo: SendMessageW(focus, WM_UNDO, 0, 0); break;
        case kMenuEditCut: SendMessageW(focus, WM_CUT, 0, 0); break;
        case kMenuEditCopy: SendMessageW(focus, WM_COPY, 0, 0); break;
        case kMenuEditPaste: SendMessageW(focus, WM_PASTE, 0, 0); break;
        case kMenuEditDelete: SendMessageW(focus, WM_CLEAR, 0, 0); break;
        case kMenuEditSelectAll: SendMessageW(focus, EM_SETSEL, 0, -1); break;
        default: break;
    }
}

void TMainFrm::PlaceOnFirstShow() {
    WindowGeometry g = FirstShowGeometry(model_.settings(), GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(hwnd_, nullptr, g.left, g.top, g.width, g.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainFrm::OnClose() {
    // The settings record the window's normal rectangle, also when it is
    // minimised or maximised at the moment of closing.
    RECT r{};
    if (IsIconic(hwnd_) || IsZoomed(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd_, &placement);
        r = placement.rcNormalPosition;
    } else {
        GetWindowRect(hwnd_, &r);
    }
    StoreWindowGeometry(model_.settings(),
                        {r.left, r.top, r.right - r.left, r.bottom - r.top});
    if (!model_.RunShutdownSequence()) {
        platform_.ShowMessage(u"設定ファイル「" + model_.folders().SysFolder + u"\\" +
                                  kSettingsFileName + u"」を保存できませんでした。",
                              MessageKind::Warning, MessageButtons::Yes);
    }
    DestroyWindow(hwnd_);
}

LRESULT TMainFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = kMainMinWidth;
            info->ptMinTrackSize.y = kMainMinHeight;
            return 0;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace tess
