// TMainFrm as the main window model's port: each call sets a control.
#include "app/UMainFrm.h"

#include <commctrl.h>

#include "app/WindowTextWin32.h"

namespace tess {

namespace {

void SetTabCaption(HWND tabs, int index, const std::u16string& caption) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(W(caption));
    SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void FillCombo(HWND combo, const ItemList& items) {
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& item : items) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(item)));
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

// Selects the item equal to the text (exactly, as the model compares) or
// just shows the text in the edit field.
void SetComboText(HWND combo, const std::u16string& text) {
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
        std::u16string item(static_cast<size_t>(length) + 1, u'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length));
        if (item == text) {
            SendMessageW(combo, CB_SETCURSEL, i, 0);
            return;
        }
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(combo, W(text));
}

}  // namespace

HFONT TMainFrm::MakeAreaFont(const FontSpec& font) {
    HDC dc = GetDC(hwnd_);
    int height = -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(hwnd_, dc);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, W(font.face));
}

int TMainFrm::KeyboardTabIndex(KeyboardPage page) const {
    int index = static_cast<int>(page);
    // With the MS IME page hidden the phonetic page moves up one place.
    if (!imePageVisible_ && page == KeyboardPage::Phonetic) --index;
    return index;
}

void TMainFrm::SetRomajiPageCaption(const std::u16string& caption) {
    SetTabCaption(controls_.keyboardPages, 0, caption);
}

void TMainFrm::SetImePageVisible(bool visible) {
    if (visible == imePageVisible_) return;
    imePageVisible_ = visible;
    if (visible) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(W(imePageCaption_));
        SendMessageW(controls_.keyboardPages, TCM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&item));
    } else {
        SendMessageW(controls_.keyboardPages, TCM_DELETEITEM, 1, 0);
    }
    ShowSelectedKeyboard();
}

void TMainFrm::SetImePageCaption(const std::u16string& caption) {
    imePageCaption_ = caption;
    if (imePageVisible_) SetTabCaption(controls_.keyboardPages, 1, caption);
}

void TMainFrm::SelectKeyboardPage(KeyboardPage page) {
    if (page == KeyboardPage::MsIme && !imePageVisible_) return;
    SendMessageW(controls_.keyboardPages, TCM_SETCURSEL, KeyboardTabIndex(page), 0);
    ShowSelectedKeyboard();
}

void TMainFrm::SetKeyboardPagesWidth(int width) {
    paneSizes_.keyboardWidth = width;
    LayOut();
}

void TMainFrm::ShowLanguagePicture(int index) {
    languagePicture_ = index;
    if (romajiKeyboard_)
        keyboardControls_[0].Show(romajiKeyboard_.get(), romajiKeyboard_->Background(),
                                  controls_.languagePictures, index,
                                  romajiKeyboard_->PictureRect(keyboardSheetSize_.cx, keyboardSheetSize_.cy));
}

void TMainFrm::SetDirectionCaptions(const std::u16string& langToJp, const std::u16string& jpToLang) {
    directionCaptions_[0] = langToJp;
    directionCaptions_[1] = jpToLang;
}

void TMainFrm::SetFontBoxItems(const ItemList& items) { FillCombo(controls_.fontBox, items); }
void TMainFrm::SetFontBoxText(const std::u16string& text) {
    ++quietCombos_;
    SetComboText(controls_.fontBox, text);
    --quietCombos_;
}
void TMainFrm::SetSizeBoxItems(const ItemList& items) { FillCombo(controls_.sizeBox, items); }
void TMainFrm::SetSizeBoxText(const std::u16string& text) {
    ++quietCombos_;
    SetComboText(controls_.sizeBox, text);
    --quietCombos_;
}
void TMainFrm::SetModeBoxItems(const ItemList& items) { FillCombo(controls_.modeBox, items); }
void TMainFrm::SelectModeBoxItem(int index) {
    SendMessageW(controls_.modeBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TMainFrm::SetUnderStretch(bool set) {
    SendMessageW(controls_.stretchCheck, BM_SETCHECK, set ? BST_CHECKED : BST_UNCHECKED, 0);
    // The pane that keeps its height keeps the height it has now.
    MainLayout now = CurrentLayout();
    paneSizes_.inputHeight = now.inputPane.Height();
    paneSizes_.lowerHeight = now.lowerPane.Height();
    paneSizes_.underStretch = set;
    LayOut();
}

void TMainFrm::SetLowerPaneHeight(int height) {
    MainLayout now = CurrentLayout();
    int middle = now.inputPane.Height() + now.lowerPane.Height();
    paneSizes_.lowerHeight = height;
    paneSizes_.inputHeight = middle - height;
    LayOut();
}

void TMainFrm::SetFontPanelWidth(int width) {
    paneSizes_.fontPanelWidth = width;
    LayOut();
}

void TMainFrm::SetAutoPasteCheck(bool checked) {
    SendMessageW(controls_.autoPasteCheck, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TMainFrm::SetActionEnabled(MainAction action, bool enabled) {
    HWND button = action == MainAction::TransferTxt1
                      ? controls_.transferButton
                      : controls_.functionButtons[static_cast<int>(action)];
    EnableWindow(button, enabled);
}

void TMainFrm::SetMemoFont(const FontSpec& font) {
    HFONT made = MakeAreaFont(font);
    SendMessageW(controls_.foreignArea, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (memoFont_) DeleteObject(memoFont_);
    memoFont_ = made;
    memoFontSpec_ = font;
}

void TMainFrm::SetEditFont(const FontSpec& font) {
    HFONT made = MakeAreaFont(font);
    SendMessageW(controls_.phoneticArea, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (editFont_) DeleteObject(editFont_);
    editFont_ = made;
}

void TMainFrm::SetEditBackground(Color color) {
    if (editBrush_) DeleteObject(editBrush_);
    editColor_ = color == kWindowTextColor ? GetSysColor(COLOR_WINDOW) : color;
    editBrush_ = CreateSolidBrush(editColor_);
    InvalidateRect(controls_.phoneticArea, nullptr, TRUE);
}

void TMainFrm::SetMemoWordWrap(bool wrap) {
    memoWordWrap_ = wrap;
    RecreateMemo();
}

void TMainFrm::SetMemoScrollBars(bool shown) {
    memoScrollBars_ = shown;
    RecreateMemo();
}

InputArea TMainFrm::FocusedArea() {
    HWND focus = GetFocus();
    if (focus == controls_.foreignArea) return InputArea::Memo;
    if (focus == controls_.phoneticArea) return InputArea::Edit;
    return InputArea::None;
}

void TMainFrm::Focus(InputArea area, bool caretToEnd) {
    HWND target = area == InputArea::Edit ? controls_.phoneticArea : controls_.foreignArea;
    if (area == InputArea::None) return;
    SetFocus(target);
    if (caretToEnd) {
        int length = GetWindowTextLengthW(target);
        SendMessageW(target, EM_SETSEL, length, length);
        SendMessageW(target, EM_SCROLLCARET, 0, 0);
    }
}

std::u16string TMainFrm::MemoText() { return WindowText(controls_.foreignArea); }

void TMainFrm::SetMemoText(const std::u16string& text) {
    SetWindowTextW(controls_.foreignArea, W(text));
}

void TMainFrm::SetEditText(const std::u16string& text) {
    SetWindowTextW(controls_.phoneticArea, W(text));
}

}  // namespace tess
