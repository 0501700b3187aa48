#include "lib/win32/ModalDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

constexpr char16_t kDialogFont[] = u"ＭＳ Ｐゴシック";
constexpr WORD kDialogFontPoints = 9;

void AppendText(std::vector<WORD>& words, std::u16string_view text) {
    words.insert(words.end(), text.begin(), text.end());
    words.push_back(0);
}

// DLGTEMPLATE with no controls; its size is a placeholder (PlaceDialog sets
// the real one in pixels).
std::vector<WORD> EmptyTemplate(std::u16string_view caption,
                                DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                              DS_SETFONT) {
    std::vector<WORD> words = {
        LOWORD(style), HIWORD(style),
        0, 0,          // extended style
        0,             // controls
        0, 0, 100, 50, // x, y, cx, cy in dialog units
        0,             // no menu
        0,             // the dialog class
    };
    AppendText(words, caption);
    words.push_back(kDialogFontPoints);
    AppendText(words, kDialogFont);
    return words;
}

// The tab control's page texture behind a page's controls; the function
// is looked up, as systems without themes (and Wine without one) lack it.
void EnablePageTexture(HWND page) {
    using EnableTexture = HRESULT(WINAPI*)(HWND, DWORD);
    constexpr DWORD kEnableTab = 0x6;  // ETDT_ENABLETAB
    HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
    if (!uxtheme) uxtheme = LoadLibraryW(L"uxtheme.dll");
    if (!uxtheme) return;
    auto enable = reinterpret_cast<EnableTexture>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "EnableThemeDialogTexture")));
    if (enable) enable(page, kEnableTab);
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            EnablePageTexture(page);
            return FALSE;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_DRAWITEM:
            SetWindowLongPtrW(page, DWLP_MSGRESULT,
                              SendMessageW(GetParent(page), message, wParam, lParam));
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND CreateDialogPage(HWND dialog, const RECT& area, int id) {
    const std::vector<WORD> pageTemplate =
        EmptyTemplate(u"", WS_CHILD | WS_CLIPSIBLINGS | DS_CONTROL | DS_SETFONT);
    HWND page = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(pageTemplate.data()),
        dialog, PageProc, 0);
    if (!page) return nullptr;
    SetWindowLongPtrW(page, GWLP_ID, id);
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return page;
}

namespace {

// The dialog's own procedure and its WM_INITDIALOG parameter, while the
// dialog runs.
struct DialogCall {
    DLGPROC proc;
    LPARAM param;
};

constexpr wchar_t kDialogCallProp[] = L"TessalineDialogCall";

// Passes every message on to the dialog's own procedure. What it leaves
// alone of Escape and the close box (IDCANCEL) closes the dialog as
// cancelled, so no procedure writes that out.
INT_PTR CALLBACK DialogCallProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* call = static_cast<DialogCall*>(GetPropW(dialog, kDialogCallProp));
    if (message == WM_INITDIALOG) {
        call = reinterpret_cast<DialogCall*>(lParam);
        SetPropW(dialog, kDialogCallProp, call);
        lParam = call->param;
    }
    if (!call) return FALSE;
    if (message == WM_NCDESTROY) RemovePropW(dialog, kDialogCallProp);
    const INT_PTR result = call->proc(dialog, message, wParam, lParam);
    if (!result && message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return result;
}

}  // namespace

INT_PTR RunModalDialog(HWND owner, std::u16string_view caption, DLGPROC proc, LPARAM param) {
    // The vector's storage is aligned for any object, as DLGTEMPLATE must be.
    const std::vector<WORD> dialogTemplate = EmptyTemplate(caption);
    DialogCall call{proc, param};
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                   reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                   owner, &DialogCallProc, reinterpret_cast<LPARAM>(&call));
}

void PlaceDialog(HWND dialog, int width, int height) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcWork;
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND AddDialogControl(HWND dialog, const wchar_t* windowClass, std::u16string_view text,
                      DWORD style, int id, int x, int y, int width, int height) {
    const std::u16string owned(text);
    const DWORD exStyle =
        (lstrcmpiW(windowClass, L"EDIT") == 0 || lstrcmpiW(windowClass, L"LISTBOX") == 0)
            ? WS_EX_CLIENTEDGE
            : 0;
    HWND control = CreateWindowExW(exStyle, windowClass, W(owned),
                                   WS_CHILD | WS_VISIBLE | style, x, y, width, height, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    return control;
}

void SetDropDownItems(HWND combo, int items) {
    // Common Controls 6 also takes the count.
    SendMessageW(combo, CB_SETMINVISIBLE, items, 0);
    const int field =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    RECT rect;
    GetWindowRect(combo, &rect);
    SetWindowPos(combo, nullptr, 0, 0, rect.right - rect.left,
                 field + 2 * GetSystemMetrics(SM_CYEDGE) + item * items + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

constexpr UINT_PTR kEnterSubclassId = 0x454E;

struct EnterTarget {
    HWND dialog;
    HWND combo;
    int commandId;
};

// The dialog manager turns Enter into a click of the default button, and
// not at all while that button is disabled: the edit field asks for the key
// itself and hands it on.
LRESULT CALLBACK ComboEnterProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR, DWORD_PTR refData) {
    auto* target = reinterpret_cast<EnterTarget*>(refData);
    switch (message) {
        case WM_GETDLGCODE: {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
                return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
            }
            break;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                if (SendMessageW(target->combo, CB_GETDROPPEDSTATE, 0, 0)) {
                    SendMessageW(target->combo, CB_SHOWDROPDOWN, FALSE, 0);
                }
                SendMessageW(target->dialog, WM_COMMAND, static_cast<WPARAM>(target->commandId), 0);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r') return 0;  // no beep
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, ComboEnterProc, kEnterSubclassId);
            delete target;
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void SendEnterAsCommand(HWND combo, HWND dialog, int commandId) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info) || !info.hwndItem) return;
    SetWindowSubclass(info.hwndItem, ComboEnterProc, kEnterSubclassId,
                      reinterpret_cast<DWORD_PTR>(new EnterTarget{dialog, combo, commandId}));
}

}  // namespace tess
