#include "app/win32/AboutBox.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/AppIdentity.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

constexpr int kWidth = 480, kHeight = 360;
constexpr int kStripHeight = 56;  // the lower strip with "OK"
constexpr COLORREF kSkyBlue = RGB(0xA6, 0xCA, 0xF0);
constexpr int kIdLink = 1201;
constexpr int kIdMail = 1202;

struct AboutBox {
    const std::function<void(const std::u16string&)>* openLink = nullptr;
    GdiHandle<HBRUSH> sky;
    GdiHandle<HFONT> bold, mail;
    HICON icon = nullptr;
};

void CreateControls(HWND dialog, AboutBox& box) {
    RECT client{};
    GetClientRect(dialog, &client);
    const int w = client.right;
    AddDialogControl(dialog, L"BUTTON", u"ソフトウエア情報", BS_GROUPBOX, -1, 12, 10, w - 24, 120);
    HWND icon = AddDialogControl(dialog, L"STATIC", u"", SS_ICON, -1, 28, 40, 32, 32);
    // The icon the shell shows for the program's own file: its first icon
    // (what the shell's own lookup answers on Windows; under Wine that lookup
    // gives a generic one).
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    box.icon = ExtractIconW(GetModuleHandleW(nullptr), path, 0);
    if (box.icon == nullptr || box.icon == reinterpret_cast<HICON>(1)) {
        SHFILEINFOW info{};
        box.icon = SHGetFileInfoW(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON)
                       ? info.hIcon
                       : nullptr;
    }
    if (box.icon) SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(box.icon), 0);
    AddDialogControl(dialog, L"STATIC", u"名　称：", SS_LEFT, -1, 90, 44, 90, 20);
    HWND name = AddDialogControl(dialog, L"STATIC", kAppTitle, SS_LEFT, -1, 190, 40, w - 220, 24);
    AddDialogControl(dialog, L"STATIC", u"バージョン：", SS_LEFT, -1, 90, 84, 90, 20);
    HWND version =
        AddDialogControl(dialog, L"STATIC", kProgramVersion, SS_LEFT, -1, 190, 80, w - 220, 24);
    box.bold.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", 128, 14, true));
    for (HWND value : {name, version})
        SendMessageW(value, WM_SETFONT, reinterpret_cast<WPARAM>(box.bold.get()), FALSE);

    AddDialogControl(dialog, L"BUTTON", u"開発者情報", BS_GROUPBOX, -1, 12, 140, w - 24, 140);
    AddDialogControl(dialog, L"STATIC", u"名　前：", SS_LEFT, -1, 28, 166, 120, 20);
    AddDialogControl(dialog, L"STATIC", kDeveloperName, SS_LEFT, -1, 150, 166, w - 180, 20);
    AddDialogControl(dialog, L"STATIC", u"Eメール：", SS_LEFT, -1, 28, 200, 120, 20);
    HWND mail = AddDialogControl(dialog, L"EDIT", kDeveloperMail, ES_READONLY | ES_AUTOHSCROLL,
                                 kIdMail, 150, 196, w - 180, 24);
    box.mail.Reset(CreatePointFont(u"Tahoma", 0, 11));
    SendMessageW(mail, WM_SETFONT, reinterpret_cast<WPARAM>(box.mail.get()), FALSE);
    SetImeMode(mail, ImeMode::Disabled);
    AddDialogControl(dialog, L"STATIC", u"サポートサイト：", SS_LEFT, -1, 28, 236, 120, 20);
    const std::u16string link =
        u"<a href=\"" + std::u16string(kSupportSite) + u"\">" + kSupportSite + u"</a>";
    AddDialogControl(dialog, WC_LINK, link, WS_TABSTOP, kIdLink, 150, 236, w - 180, 20);

    HWND ok = AddDialogControl(dialog, L"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
                               w / 2 - 50, client.bottom - kStripHeight + 14, 100, 30);
    SetFocus(ok);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = DialogState<AboutBox>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            box->sky.Reset(CreateSolidBrush(kSkyBlue));
            PlaceDialog(dialog, kWidth, kHeight);
            CreateControls(dialog, *box);
            return FALSE;  // the focus is set
        case WM_ERASEBKGND: {
            // Sky blue above, the button face in the strip with "OK".
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT r{};
            GetClientRect(dialog, &r);
            RECT strip = r;
            strip.top = r.bottom - kStripHeight;
            r.bottom = strip.top;
            FillRect(dc, &r, box->sky);
            FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            HWND control = reinterpret_cast<HWND>(lParam);
            if (GetDlgCtrlID(control) == kIdMail) break;  // the read-only box keeps its colours
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetBkColor(dc, kSkyBlue);
            return reinterpret_cast<INT_PTR>(box->sky.get());
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == kIdLink && (header->code == NM_CLICK || header->code == NM_RETURN)) {
                const auto* link = reinterpret_cast<const NMLINK*>(lParam);
                (*box->openLink)(std::u16string(reinterpret_cast<const char16_t*>(link->item.szUrl)));
            }
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDOK);
            return TRUE;
        case WM_DESTROY:
            if (box && box->icon) DestroyIcon(box->icon);
            return FALSE;
        default: break;
    }
    return FALSE;
}

}  // namespace

void RunAboutBox(HWND owner, const std::function<void(const std::u16string&)>& openLink) {
    AboutBox box;
    box.openLink = &openLink;
    RunModalDialog(owner, u"バージョン情報", &AboutProc, reinterpret_cast<LPARAM>(&box));
}

}  // namespace tess
