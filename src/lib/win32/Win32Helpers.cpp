#include "lib/win32/Win32Helpers.h"

#include <commctrl.h>
#include <imm.h>

namespace tess {

std::u16string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

HFONT CreatePixelFont(const std::u16string& face, int charset, int pixels, bool bold) {
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       static_cast<BYTE>(charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, W(face));
}

int ScreenPixels(int points) {
    HDC dc = GetDC(nullptr);
    const int pixels = MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    return pixels;
}

HFONT CreatePointFont(const std::u16string& face, int charset, int sizePt, bool bold) {
    return CreatePixelFont(face, charset, ScreenPixels(sizePt), bold);
}

HWND CreateChild(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id,
                 DWORD exStyle, ChildPlace place) {
    return CreateWindowExW(exStyle, windowClass, text, WS_CHILD | style, place.x, place.y, place.width,
                           place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           nullptr);
}

void FillCombo(HWND combo, const std::vector<std::u16string>& items) {
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& item : items) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

namespace {

std::u16string ComboItem(HWND combo, int index) {
    const int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0));
    if (length < 0) return {};
    std::u16string item(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(length));
    return item;
}

}  // namespace

void SetComboText(HWND combo, const std::u16string& text) {
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (ComboItem(combo, i) == text) {
            SendMessageW(combo, CB_SETCURSEL, i, 0);
            return;
        }
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(combo, W(text));
}

std::u16string SelectedComboText(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return WindowText(combo);
    return ComboItem(combo, static_cast<int>(index));
}

namespace {

int TextWidth(HDC dc, const std::u16string& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, W(text), static_cast<int>(text.size()), &size);
    return size.cx;
}

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string FitInMiddle(HDC dc, const std::u16string& text, int width) {
    if (TextWidth(dc, text) <= width) return text;
    // The most characters kept, half from each end, that fit with the "…".
    auto shortened = [&](std::size_t kept) {
        std::size_t head = (kept + 1) / 2, tail = kept / 2;
        if (head < text.size() && IsLowSurrogate(text[head])) --head;
        std::size_t tailStart = text.size() - tail;
        if (tailStart < text.size() && IsLowSurrogate(text[tailStart])) ++tailStart;
        return text.substr(0, head) + u"…" + text.substr(tailStart);
    };
    std::size_t low = 0, high = text.size() - 1;  // shortened(low) is the fallback
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (TextWidth(dc, shortened(mid)) <= width) low = mid;
        else high = mid - 1;
    }
    return shortened(low);
}

HWND CreateToolTips(HWND owner) {
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
                           nullptr);
}

void AddToolTip(HWND tooltips, HWND control, const std::u16string& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(W(text));
    SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetImeMode(HWND control, ImeMode mode) {
    if (mode == ImeMode::Disabled) {
        // No input context: the keys reach the control as they are typed,
        // whatever the user's input method is doing elsewhere.
        ImmAssociateContextEx(control, nullptr, 0);
        return;
    }
    ImmAssociateContextEx(control, nullptr, IACE_DEFAULT);
    HIMC context = ImmGetContext(control);
    if (!context) return;
    switch (mode) {
        case ImeMode::Closed: ImmSetOpenStatus(context, FALSE); break;
        case ImeMode::Hiragana:
            ImmSetOpenStatus(context, TRUE);
            ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, IME_SMODE_PHRASEPREDICT);
            break;
        case ImeMode::KatakanaFull:
            ImmSetOpenStatus(context, TRUE);
            ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE,
                                   IME_SMODE_PHRASEPREDICT);
            break;
        case ImeMode::Disabled: break;
    }
    ImmReleaseContext(control, context);
}

void RemeasureListRows(HWND list) {
    RECT rect{};
    GetWindowRect(list, &rect);
    WINDOWPOS position{};
    position.hwnd = list;
    position.cx = rect.right - rect.left;
    position.cy = rect.bottom - rect.top;
    position.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE;
    SendMessageW(list, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

}  // namespace tess
