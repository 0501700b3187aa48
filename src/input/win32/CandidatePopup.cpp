#include "input/win32/CandidatePopup.h"

#include <commctrl.h>
#include <imm.h>

#include <utility>
#include <vector>

#include "lib/FitFontSize.h"
#include "lib/win32/GdiTextMeasurer.h"
#include "lib/CombiningMarks.h"
#include "lib/win32/ShapedText.h"
#include "lib/win32/FontCache.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

constexpr wchar_t kCandClass[] = L"TCandFrm";
constexpr wchar_t kBandClass[] = L"TBandFrm";
constexpr int kIdClose = 10;
constexpr int kIdUpDown = 11;
constexpr UINT_PTR kClickTimer = 1;


struct PopupState {
    CandPopupModel* model = nullptr;
    const PopupLook* look = nullptr;
    int* bandDev = nullptr;
    int fittedSize = 12;
    GdiHandle<HFONT> cellFont;
    FontCache<FontLook> fonts;  // the form's own labels and controls
    GdiTextMeasurer measurer;
    HWND tooltip = nullptr;
    std::optional<std::u16string> result;
    bool done = false;
};

RECT ToRect(const PopupRect& r) { return {r.left, r.top, r.Right(), r.Bottom()}; }

// A frame `width` pixels wide inside `rect`.
void DrawFrame(HDC dc, RECT rect, int width, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &rect, brush);
        InflateRect(&rect, -1, -1);
    }
    DeleteObject(brush);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void RebuildCellFont(PopupState& s) {
    s.cellFont.Reset(CreatePointFont(s.look->face, s.look->charset, s.model->CellFontSize(s.fittedSize)));
}

void UpdateHints(HWND hwnd, PopupState& s) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        std::u16string hint = s.model->CellHint(cell);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = hwnd;
        tool.uId = static_cast<UINT_PTR>(cell + 1);
        tool.lpszText = const_cast<wchar_t*>(W(hint));
        SendMessageW(s.tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Apply(HWND hwnd, PopupState& s, const PopupAction& action) {
    if (action.stopTimer) KillTimer(hwnd, kClickTimer);
    if (action.startTimer) SetTimer(hwnd, kClickTimer, kCellClickDelayMs, nullptr);
    if (action.insert) s.result = action.insert;
    if (action.close) s.done = true;
    if (action.redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

void PaintPanel(HDC dc, PopupState& s) {
    const InputSide side = s.model->Side();
    RECT panel = ToRect(PanelRect(side));
    FillSolid(dc, panel, GetSysColor(COLOR_BTNFACE));
    DrawEdge(dc, &panel, BDR_RAISEDINNER, BF_RECT);
    for (const PopupControlPlace& control : PanelControls(side)) {
        if (control.control != PopupControl::FsLab) continue;
        SelectObject(dc, s.fonts.FontFor(kFsLabFont));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        RECT r = ToRect(control.rect);
        const std::u16string text = s.model->FsLabText();
        DrawTextW(dc, W(text), -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
}

void Paint(HWND hwnd, PopupState& s) {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    // Drawn off screen and copied at once, so a redraw does not flicker.
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));

    FillSolid(dc, client, s.look->background);
    DrawFrame(dc, client, kOutlineWidth, RGB(kOutlineGrey, kOutlineGrey, kOutlineGrey));
    SetBkMode(dc, TRANSPARENT);

    // The digit labels and the names of the highlighted candidate, each
    // drawn from its measured left and top.
    SetTextColor(dc, RGB(0, 0, 0));
    for (const PopupLabel& label : s.model->Labels(s.measurer)) {
        SelectObject(dc, s.fonts.FontFor(label.font));
        RECT r{label.rect.left, label.rect.top, kPanelLeft, label.rect.Bottom()};
        if (label.rect.top >= kCellRowTop) r.right = client.right - kOutlineWidth;
        DrawShapedText(dc, label.text, r, DT_LEFT);
    }

    SelectObject(dc, s.cellFont);
    for (int cell = 0; cell < kCellCount; ++cell) {
        RECT r = ToRect(PopupCellRect(cell));
        const CellFill fill = s.model->CellFillOf(cell);
        FillSolid(dc, r,
                  fill == CellFill::Highlight ? RGB(0, 255, 255)
                  : fill == CellFill::Empty   ? GetSysColor(COLOR_BTNFACE)
                                              : RGB(255, 255, 255));
        DrawFrame(dc, r, kCellFrameWidth, RGB(0, 0, 0));
        // A combining mark alone is drawn on a dotted circle so it shows.
        DrawShapedText(dc, CellDrawText(s.model->CellText(cell)), r);
    }

    PaintPanel(dc, s);

    BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* s = reinterpret_cast<PopupState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!s) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            Paint(hwnd, *s);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_KEYDOWN:
            Apply(hwnd, *s, s->model->KeyDown(static_cast<int>(wParam)));
            return 0;
        case WM_CHAR:
            Apply(hwnd, *s, s->model->KeyPress(static_cast<char16_t>(wParam)));
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_NCHITTEST: {
            // The background drags the popup like a title bar.
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ScreenToClient(hwnd, &p);
            PopupHit hit = HitTestPopup(s->model->Side(), p.x, p.y);
            if (hit.area == PopupHit::Background) return HTCAPTION;
            return HTCLIENT;
        }
        case WM_LBUTTONDOWN: {
            PopupHit hit = HitTestPopup(s->model->Side(), static_cast<short>(LOWORD(lParam)),
                                        static_cast<short>(HIWORD(lParam)));
            if (hit.area == PopupHit::Cell) Apply(hwnd, *s, s->model->CellClicked(hit.cell));
            SetFocus(hwnd);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kClickTimer) Apply(hwnd, *s, s->model->TimerFired());
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kIdClose) Apply(hwnd, *s, s->model->CloseClicked());
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == kIdUpDown && header->code == UDN_DELTAPOS) {
                const auto* delta = reinterpret_cast<const NMUPDOWN*>(lParam);
                Apply(hwnd, *s, s->model->UpDownClicked(delta->iPos + delta->iDelta));
                *s->bandDev = s->model->BandDev();
                RebuildCellFont(*s);
                InvalidateRect(hwnd, nullptr, FALSE);
                // The keys stay with the form.
                SetFocus(hwnd);
            }
            return 0;
        }
        case WM_CLOSE:
            Apply(hwnd, *s, s->model->CloseClicked());
            return 0;
        case WM_DESTROY:
            // Destroyed from outside (its owner, the PAD, closed under it):
            // the popup's loop ends with no choice made, or it would go on
            // dispatching for a window that is gone and keep the program's
            // own loop, and with it every function key, from running.
            s->done = true;
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void RegisterPopupClasses(HINSTANCE instance) {
    static bool registered = false;
    if (registered) return;
    for (const wchar_t* name : {kCandClass, kBandClass}) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &PopupProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    registered = true;
}

void CreatePanelControls(HWND popup, PopupState& state);
void AddCellHints(HWND popup, const PopupState& state);

}  // namespace

std::optional<std::u16string> RunCandidatePopup(HWND owner, CandPopupModel& model,
                                                const PopupLook& look, PopupPosition position,
                                                int& bandDev) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterPopupClasses(instance);
    const bool band = model.Side() == InputSide::Foreign;

    PopupState state;
    state.model = &model;
    state.look = &look;
    state.bandDev = &bandDev;
    state.fittedSize =
        FitFontSize(state.measurer, look.charset, look.face, kCellFitHeight, kCellFitWidth);
    RebuildCellFont(state);

    // No border: the client area is the whole 420 x 92 and the form draws
    // its own outline.
    HWND popup = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, band ? kBandClass : kCandClass,
                                 L"", WS_POPUP | WS_CLIPCHILDREN, position.left, position.top,
                                 kPopupWidth, kPopupHeight, owner, nullptr, instance, &state);
    if (!popup) return std::nullopt;
    state.tooltip = CreateToolTips(popup);
    SendMessageW(state.tooltip, TTM_SETMAXTIPWIDTH, 0, 600);
    CreatePanelControls(popup, state);
    AddCellHints(popup, state);
    UpdateHints(popup, state);

    // Modal: the owner takes no input until the popup closes.
    EnableWindow(owner, FALSE);
    ShowWindow(popup, SW_SHOW);
    SetForegroundWindow(popup);
    SetFocus(popup);
    MSG msg;
    while (!state.done && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (!state.done) PostQuitMessage(static_cast<int>(msg.wParam));  // WM_QUIT seen: pass it on
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
    DestroyWindow(popup);
    return state.result;
}

namespace {

// Panel1's controls: "×" and, on the band, UpDown1 (FsLab is painted).
void CreatePanelControls(HWND popup, PopupState& state) {
    const CandPopupModel& model = *state.model;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const PopupControlPlace& place : PanelControls(model.Side())) {
        const PopupRect& r = place.rect;
        HWND control = nullptr;
        if (place.control == PopupControl::CloseButton) {
            control = CreateWindowExW(0, L"BUTTON", W(std::u16string(kCloseCaption)),
                                      WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, r.left, r.top,
                                      r.width, r.height, popup, reinterpret_cast<HMENU>(kIdClose),
                                      instance, nullptr);
            SendMessageW(control, WM_SETFONT,
                         reinterpret_cast<WPARAM>(state.fonts.FontFor(kPopupFormFont)), FALSE);
        } else if (place.control == PopupControl::UpDown) {
            control = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, r.left, r.top,
                                      r.width, r.height, popup, reinterpret_cast<HMENU>(kIdUpDown),
                                      instance, nullptr);
            SendMessageW(control, UDM_SETRANGE32, kBandDevMin, kBandDevMax);
            SendMessageW(control, UDM_SETPOS32, 0, model.BandDev());
            // Wine's comctl32 narrows it on creation; it stays 17 x 25.
            SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (!control) continue;
        // The popup takes plain keys even while the user keeps the IME on.
        ImmAssociateContextEx(control, nullptr, 0);
        if (!place.hint.empty()) AddToolTip(state.tooltip, control, place.hint);
    }
    ImmAssociateContextEx(popup, nullptr, 0);
}

// Each cell's hint is its candidate's note (UpdateHints gives the texts).
void AddCellHints(HWND popup, const PopupState& state) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = popup;
        tool.uId = static_cast<UINT_PTR>(cell + 1);
        tool.rect = ToRect(PopupCellRect(cell));
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(state.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace

PopupPosition PopupPositionForCaret(HWND field) {
    // The caret inside the field (client coordinates), the field on the screen.
    POINT caret{};
    GetCaretPos(&caret);
    RECT fieldRect{};
    GetWindowRect(field, &fieldRect);
    HDC dc = GetDC(field);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(field, dc);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    PopupAnchor anchor;
    anchor.fieldLeft = fieldRect.left;
    anchor.fieldTop = fieldRect.top;
    anchor.caretX = caret.x;
    anchor.caretY = caret.y;
    anchor.lineHeight = metrics.tmHeight;
    anchor.screenTop = work.top;
    anchor.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    return PlacePopup(anchor);
}

}  // namespace tess
