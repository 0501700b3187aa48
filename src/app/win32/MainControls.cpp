#include "app/win32/MainControls.h"

#include <commctrl.h>
#include <richedit.h>

#include "lib/win32/ResourceIds.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {


void Move(HWND hwnd, int x, int y, int w, int h) {
    if (hwnd) MoveWindow(hwnd, x, y, w, h, TRUE);
}

void Move(HWND hwnd, const Rect& r) { Move(hwnd, r.left, r.top, r.Width(), r.Height()); }

void AddTab(HWND tabs, int index, const wchar_t* caption) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

BOOL CALLBACK SetFormFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

}  // namespace

void CreateMainControls(HWND parent, HINSTANCE instance, MainControls& c) {
    // The rich edit class lives in its own library.
    LoadLibraryW(L"Msftedit.dll");

    c.glyphs = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_FUNCTION_GLYPHS));
    c.languagePictures = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_LANGUAGE_PICTURES));
    c.formFont.Reset(CreatePixelFont(u"ＭＳ Ｐゴシック", DEFAULT_CHARSET, 16));
    c.smallFont.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", DEFAULT_CHARSET, 11));

    for (int i = 0; i < kFunctionButtonCount; ++i) {
        // Owner-drawn: glyph above caption, flat.
        const std::u16string caption(FunctionButtons()[static_cast<std::size_t>(i)].caption);
        c.functionButtons[i] = CreateChild(parent, L"BUTTON", W(caption),
                                     WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP, kIdFunctionButton0 + i);
    }
    c.transferButton = CreateChild(parent, L"BUTTON", L"転送", WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP,
                             kIdTransferButton);
    c.targetShape = CreateChild(parent, L"STATIC", L"", WS_VISIBLE | SS_OWNERDRAW, kIdTargetShape);
    c.autoPasteCheck =
        CreateChild(parent, L"BUTTON", L"", WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, kIdAutoPasteCheck);
    c.transferModeLabel = CreateChild(parent, L"STATIC", L"■転送モード", WS_VISIBLE | SS_LEFT, 0);
    c.transferModeBox = CreateChild(parent, L"EDIT", L"", WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL,
                              kIdTransferModeBox, WS_EX_CLIENTEDGE);

    c.fontBox = CreateChild(parent, WC_COMBOBOXW, L"",
                      WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, kIdFontBox);
    c.sizeBox = CreateChild(parent, WC_COMBOBOXW, L"",
                      WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, kIdSizeBox);
    c.modeBox = CreateChild(parent, WC_COMBOBOXW, L"", WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                      kIdModeBox);
    c.stretchLabel = CreateChild(parent, L"STATIC", L"下伸び", WS_VISIBLE | SS_CENTER, 0);
    c.stretchCheck =
        CreateChild(parent, L"BUTTON", L"", WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, kIdStretchCheck);

    // The hidden rich-text buffers that render rich text transfers.
    c.richBufferA = CreateChild(parent, MSFTEDIT_CLASS, L"", WS_VISIBLE | ES_MULTILINE, kIdRichBufferA);
    c.richBufferB = CreateChild(parent, MSFTEDIT_CLASS, L"", WS_VISIBLE | ES_MULTILINE, kIdRichBufferB);
    c.phoneticArea = CreateChild(parent, L"EDIT", L"", WS_VISIBLE | ES_AUTOHSCROLL | WS_TABSTOP,
                           kIdPhoneticArea, WS_EX_CLIENTEDGE);
    c.foreignArea = CreateChild(parent, L"EDIT", L"",
                          WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_TABSTOP,
                          kIdForeignArea, WS_EX_CLIENTEDGE);

    // Romaji must arrive as keys, never as Japanese composition.
    SetImeMode(c.phoneticArea, ImeMode::Disabled);
    SetImeMode(c.foreignArea, ImeMode::Disabled);

    c.keyboardPages = CreateChild(parent, WC_TABCONTROLW, L"", WS_VISIBLE | WS_CLIPSIBLINGS, kIdKeyboardPages);
    AddTab(c.keyboardPages, 0, L"タイ語ローマ字");
    AddTab(c.keyboardPages, 1, L"MS IME (Kedmanee)");
    AddTab(c.keyboardPages, 2, L"発音記号");
    c.lowerPages = CreateChild(parent, WC_TABCONTROLW, L"", WS_VISIBLE | WS_CLIPSIBLINGS, kIdLowerPages);
    AddTab(c.lowerPages, 0, L"単語リスト");
    AddTab(c.lowerPages, 1, L"記号奥の手");

    // The folder panel takes the rest of the bar, to the window's edge; a
    // text longer than that shows whole in the panel's hint.
    c.statusBar = CreateChild(parent, STATUSCLASSNAMEW, L"", WS_VISIBLE | SBT_TOOLTIPS, kIdStatusBar);
    int parts[2] = {250, -1};
    SendMessageW(c.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));

    // Every control speaks the form font unless it has its own.
    EnumChildWindows(parent, &SetFormFont, reinterpret_cast<LPARAM>(c.formFont.get()));
    SendMessageW(c.modeBox, WM_SETFONT, reinterpret_cast<WPARAM>(c.smallFont.get()), FALSE);
    SendMessageW(c.transferModeBox, WM_SETFONT, reinterpret_cast<WPARAM>(c.smallFont.get()), FALSE);
}

int StatusBarHeight(const MainControls& c) {
    RECT r{};
    GetWindowRect(c.statusBar, &r);
    return r.bottom - r.top;
}

void PlaceMainControls(const MainControls& c, const MainLayout& m) {
    // Top bar, left panel: the function keys, "転送", the target indicator
    // with the automatic-paste check box under it, and the transfer mode.
    for (int i = 0; i < kFunctionButtonCount; ++i) Move(c.functionButtons[i], 6 + 48 * i, 1, 47, 62);
    Move(c.transferButton, 386, 1, 47, 62);
    Move(c.targetShape, 440, 6, 26, 26);
    Move(c.autoPasteCheck, 445, 40, 16, 16);
    Move(c.transferModeLabel, 469, 6, 91, 18);
    Move(c.transferModeBox, 476, 28, kModeDisplayWidth, 26);

    // The font panel: font name on the first row, size and input mode below.
    const Rect& f = m.fontPanel;
    Move(c.fontBox, f.left + 2, 4, f.Width() - 4, 400);
    Move(c.sizeBox, f.left + 2, 34, 52, 400);
    Move(c.modeBox, f.left + 58, 34, f.Width() - 60, 300);
    const Rect& s = m.stretchPanel;
    Move(c.stretchLabel, s.left + 2, 8, s.Width() - 4, 18);
    Move(c.stretchCheck, s.left + s.Width() / 2 - 8, 34, 16, 16);

    Move(c.richBufferA, m.richStrip.left, m.richStrip.top, 1, 1);
    Move(c.richBufferB, m.richStrip.left, m.richStrip.top + 2, 1, 1);
    Move(c.phoneticArea, m.phoneticLine);
    Move(c.foreignArea, m.foreignArea);
    Move(c.keyboardPages, m.keyboardPages);
    Move(c.lowerPages, m.lowerPane);
    SendMessageW(c.statusBar, WM_SIZE, 0, 0);
}

}  // namespace tess
