#include "wordbook/win32/ColorDialog.h"

#include <commdlg.h>

#include <array>
#include <vector>

#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "wordbook/ColorDialogModel.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

constexpr int kItemHeight = 18;

struct ColorDialog {
    explicit ColorDialog(const std::u16string& code) : model(code) {
        customColors.fill(RGB(0xFF, 0xFF, 0xFF));
    }
    ColorDialogModel model;
    HWND currentLabel = nullptr;
    HWND newLabel = nullptr;
    HWND newBox = nullptr;
    HWND list = nullptr;
    GdiHandle<HFONT> boldFont;
    std::array<COLORREF, 16> customColors{};  // the custom dialog's own row, for this showing
    std::optional<std::u16string> stored;
};

COLORREF Resolved(Color color) {
    return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color)) : color;
}

void CreateControls(HWND dialog, ColorDialog& state) {
    state.currentLabel = AddDialogControl(dialog, L"STATIC", u"■現在のカラー：", SS_LEFT,
                                          kColorCurrentLabelId, 16, 16, 200, 16);
    AddDialogControl(dialog, L"EDIT", state.model.UpperText(),
                     ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP | WS_GROUP, kColorCurrentBoxId, 16,
                     36, 120, 22);
    state.newLabel = AddDialogControl(dialog, L"STATIC", u"■新しいカラー：", SS_LEFT,
                                      kColorNewLabelId, 16, 72, 200, 16);
    state.newBox = AddDialogControl(dialog, L"EDIT", u"", ES_AUTOHSCROLL | WS_TABSTOP, kColorNewBoxId,
                                    16, 92, 120, 22);
    AddDialogControl(dialog, L"STATIC", u"カラーリストをクリックするか", SS_LEFT, -1, 16, 132, 220, 16);
    AddDialogControl(dialog, L"STATIC", u"カスタムボタンで色を指定し", SS_LEFT, -1, 16, 150, 220, 16);
    AddDialogControl(dialog, L"STATIC", u"OKボタンを押して下さい。", SS_LEFT, -1, 16, 168, 220, 16);
    AddDialogControl(dialog, L"STATIC", u"※下段空欄でOKを押すと黒に戻ります。", SS_LEFT, -1, 16,
                     198, 228, 16);
    state.list = AddDialogControl(dialog, L"LISTBOX", u"",
                                  LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                                      LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                                  kColorListId, 248, 16, 208, 11 * kItemHeight + 4);
    AddDialogControl(dialog, L"BUTTON", u"カスタム", BS_PUSHBUTTON | WS_TABSTOP, kColorCustomId, 16,
                     240, 96, 26);
    AddDialogControl(dialog, L"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 256, 240, 96, 26);
    AddDialogControl(dialog, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 360, 240,
                     96, 26);

    state.boldFont.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, 9, true));
    SendMessageW(state.currentLabel, WM_SETFONT, reinterpret_cast<WPARAM>(state.boldFont.get()), FALSE);
    SendMessageW(state.newLabel, WM_SETFONT, reinterpret_cast<WPARAM>(state.boldFont.get()), FALSE);
}

// The list's items hold their colours resolved; the word's colour selects
// the first item of that colour.
void FillList(ColorDialog& state) {
    SendMessageW(state.list, LB_SETITEMHEIGHT, 0, kItemHeight);
    std::vector<Color> colors;
    for (const ColorListItem& item : ColorListItems()) {
        const std::u16string name(item.name);
        const LRESULT index = SendMessageW(state.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
        colors.push_back(Resolved(item.color));
        SendMessageW(state.list, LB_SETITEMDATA, index, colors.back());
    }
    if (const auto selected = state.model.ListSelection(colors)) {
        SendMessageW(state.list, LB_SETCURSEL, *selected, 0);
    }
}

void DrawListItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
        const int side = rect.bottom - rect.top - 4;
        RECT swatch = {rect.left + 2, rect.top + 2, rect.left + 2 + side * 2, rect.top + 2 + side};
        HBRUSH fill = CreateSolidBrush(static_cast<COLORREF>(item.itemData));
        FillRect(dc, &swatch, fill);
        DeleteObject(fill);
        FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

        const std::u16string name(ColorListItems()[item.itemID].name);
        RECT text = rect;
        text.left = swatch.right + 6;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, W(name), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rect);
}

void TakeChoice(ColorDialog& state, Color color) {
    SetWindowTextW(state.newBox, W(state.model.Choose(color)));
    InvalidateRect(state.newLabel, nullptr, TRUE);
}

void ChooseCustom(HWND dialog, ColorDialog& state) {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dialog;
    choose.rgbResult = Resolved(state.model.CustomStartColor());
    choose.lpCustColors = state.customColors.data();
    choose.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (ChooseColorW(&choose)) TakeChoice(state, choose.rgbResult);
}

// The two labels in the colours they show; nothing for the others.
INT_PTR LabelColors(const ColorDialog& state, HDC dc, HWND control) {
    std::optional<Color> color;
    if (control == state.currentLabel) color = state.model.CurrentColor();
    if (control == state.newLabel) color = state.model.NewColor();
    if (!color) return FALSE;
    SetTextColor(dc, *color);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

INT_PTR CALLBACK ColorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<ColorDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kColorDialogWidth, kColorDialogHeight);
            CreateControls(dialog, *state);
            FillList(*state);
            SetFocus(state->list);
            return FALSE;  // the focus is set
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kItemHeight;
            return TRUE;
        case WM_DRAWITEM:
            if (wParam != kColorListId) break;
            DrawListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            if (!state) break;
            return LabelColors(*state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wParam)) {
                case kColorListId:
                    if (HIWORD(wParam) == LBN_SELCHANGE) {
                        const LRESULT index = SendMessageW(state->list, LB_GETCURSEL, 0, 0);
                        if (index != LB_ERR) {
                            TakeChoice(*state, static_cast<Color>(
                                                   SendMessageW(state->list, LB_GETITEMDATA, index, 0)));
                        }
                        return TRUE;
                    }
                    break;
                case kColorCustomId:
                    ChooseCustom(dialog, *state);
                    return TRUE;
                case IDOK:
                    state->stored = ColorDialogModel::ColorToStore(WindowText(state->newBox));
                    EndDialog(dialog, IDOK);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

std::optional<std::u16string> RunColorDialog(HWND owner, const std::u16string& currentCode) {
    ColorDialog state(currentCode);
    if (RunModalDialog(owner, kColorDialogCaption, ColorDialogProc, reinterpret_cast<LPARAM>(&state)) != IDOK) {
        return std::nullopt;
    }
    return state.stored;
}

}  // namespace tess
