#include "input/win32/CandidatePopup.h"

#include <commctrl.h>

#include "input/FitFontSize.h"
#include "lib/CombiningMarks.h"
#include "lib/win32/ShapedText.h"

namespace tess {

namespace {

constexpr wchar_t kCandClass[] = L"TCandFrm";
constexpr wchar_t kBandClass[] = L"TBandFrm";
constexpr int kIdClose = 10;
constexpr int kIdUpDown = 11;
constexpr int kIdFsLab = 12;
constexpr UINT_PTR kClickTimer = 1;

const wchar_t* W(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

class GdiMeasurer : public TextMeasurer {
public:
    TextExtent Measure(int charset, const std::u16string& face, int sizePt,
                       const std::u16string& text) override {
        HDC dc = GetDC(nullptr);
        HFONT font = CreatePointFont(face, charset, sizePt);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32W(dc, W(text), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
        return {size.cx, size.cy};
    }
};

struct PopupState {
    CandPopupModel* model = nullptr;
    const PopupLook* look = nullptr;
    int* bandDev = nullptr;
    int fittedSize = 12;
    HFONT cellFont = nullptr;
    HFONT labelFont = nullptr;
    HWND tooltip = nullptr;
    std::optional<std::u16string> result;
    bool done = false;
};

RECT CellRect(int cell) {
    int left = kCellRowLeft + kCellLeft + kCellPitch * cell;
    int top = kCellRowTop + kCellTop;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

void RebuildCellFont(PopupState& s) {
    if (s.cellFont) DeleteObject(s.cellFont);
    s.cellFont = CreatePointFont(s.look->face, s.look->charset, s.model->CellFontSize(s.fittedSize));
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
    if (action.redraw) InvalidateRect(hwnd, nullptr, TRUE);
}

void Paint(HWND hwnd, PopupState& s) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client{};
    GetClientRect(hwnd, &client);
    HBRUSH background = CreateSolidBrush(s.look->background);
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);

    HGDIOBJ oldFont = SelectObject(dc, s.labelFont);
    SetTextColor(dc, RGB(0, 0, 0));
    for (int cell = 0; cell < kCellCount; ++cell) {
        RECT label{kDigitLabelLeft + kCellPitch * cell - 8, kDigitLabelTop,
                   kDigitLabelLeft + kCellPitch * cell + 8, kCellRowTop};
        std::u16string digit = DigitLabel(cell);
        DrawTextW(dc, W(digit), -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    // The names of the highlighted candidate under the cells.
    RECT names{6, kCellRowTop + kCellRowHeight + 2, kPanelLeft - 4, kPopupHeight - 2};
    std::u16string line = s.model->JapaneseNameLabel() + u"　" + s.model->EnglishNameLabel();
    DrawShapedText(dc, line, names, DT_LEFT);

    SelectObject(dc, s.cellFont);
    for (int cell = 0; cell < kCellCount; ++cell) {
        RECT r = CellRect(cell);
        COLORREF fill = s.model->CellFillOf(cell) == CellFill::Highlight ? RGB(0, 255, 255)
                        : s.model->CellFillOf(cell) == CellFill::Empty   ? GetSysColor(COLOR_BTNFACE)
                                                                         : RGB(255, 255, 255);
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        // A combining mark alone is drawn on a dotted circle so it shows.
        DrawShapedText(dc, CellDrawText(s.model->CellText(cell)), r);
    }
    SelectObject(dc, oldFont);
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
                SetDlgItemTextW(hwnd, kIdFsLab, W(s->model->FsLabText()));
                RebuildCellFont(*s);
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        }
        case WM_CLOSE:
            Apply(hwnd, *s, s->model->CloseClicked());
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
    GdiMeasurer measurer;
    state.fittedSize = FitFontSize(measurer, look.charset, look.face, kCellFitHeight, kCellFitWidth);
    RebuildCellFont(state);
    state.labelFont = CreatePointFont(u"ＭＳ Ｐゴシック", 128, 9);

    HWND popup = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, band ? kBandClass : kCandClass,
                                 L"", WS_POPUP | WS_BORDER, position.left, position.top,
                                 kPopupWidth, kPopupHeight, owner, nullptr, instance, &state);
    if (!popup) {
        DeleteObject(state.cellFont);
        DeleteObject(state.labelFont);
        return std::nullopt;
    }
    HWND close = CreateWindowExW(0, L"BUTTON", L"×", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                 kPanelLeft, 0, kPanelWidth, kCandPanelHeight, popup,
                                 reinterpret_cast<HMENU>(kIdClose), instance, nullptr);
    SendMessageW(close, WM_SETFONT, reinterpret_cast<WPARAM>(state.labelFont), FALSE);
    if (band) {
        HWND fsLab = CreateWindowExW(0, L"STATIC", W(model.FsLabText()), WS_CHILD | WS_VISIBLE | SS_CENTER,
                                     kPanelLeft, kCandPanelHeight + 2, kPanelWidth, 16, popup,
                                     reinterpret_cast<HMENU>(kIdFsLab), instance, nullptr);
        SendMessageW(fsLab, WM_SETFONT, reinterpret_cast<WPARAM>(state.labelFont), FALSE);
        HWND upDown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, kPanelLeft + 3,
                                      kCandPanelHeight + 20, kPanelWidth - 6, kBandPanelHeight - 40,
                                      popup, reinterpret_cast<HMENU>(kIdUpDown), instance, nullptr);
        SendMessageW(upDown, UDM_SETRANGE32, kBandDevMin, kBandDevMax);
        SendMessageW(upDown, UDM_SETPOS32, 0, model.BandDev());
    }
    // Each cell's hint is its candidate's note.
    state.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                    0, 0, 0, 0, popup, nullptr, instance, nullptr);
    for (int cell = 0; cell < kCellCount; ++cell) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = popup;
        tool.uId = static_cast<UINT_PTR>(cell + 1);
        tool.rect = CellRect(cell);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(state.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
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
    DeleteObject(state.cellFont);
    DeleteObject(state.labelFont);
    return state.result;
}

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
