// The main window as the main window model's port: each call sets a control.
#include "app/win32/MainWindow.h"

#include <commctrl.h>

#include "app/win32/SettingsDialog.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

void SetTabCaption(HWND tabs, int index, const std::u16string& caption) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(W(caption));
    SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

// Paints the tab control whole again after its tabs changed in number or
// width: a tab that got narrower or went away leaves no sliver behind.
void RepaintTabStrip(HWND tabs) {
    RedrawWindow(tabs, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace

void MainWindow::SetRomajiPageCaption(const std::u16string& caption) {
    SetTabCaption(controls_.keyboardPages, 0, caption);
    RepaintTabStrip(controls_.keyboardPages);
}

void MainWindow::SetImePageVisible(bool visible) {
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
    RepaintTabStrip(controls_.keyboardPages);
    ShowSelectedKeyboard();
}

void MainWindow::SetImePageCaption(const std::u16string& caption) {
    imePageCaption_ = caption;
    if (!imePageVisible_) return;
    SetTabCaption(controls_.keyboardPages, 1, caption);
    RepaintTabStrip(controls_.keyboardPages);
}

void MainWindow::SelectKeyboardPage(KeyboardPage page) {
    SendMessageW(controls_.keyboardPages, TCM_SETCURSEL, model_.TabIndexOf(page), 0);
    ShowSelectedKeyboard();
}

void MainWindow::SetKeyboardPagesWidth(int width) {
    paneSizes_.keyboardWidth = width;
    LayOut();
}

void MainWindow::ShowLanguagePicture(int index) {
    languagePicture_ = index;
    ShowKeyboardPictures();
}

void MainWindow::SetDirectionCaptions(const std::u16string& langToJp, const std::u16string& jpToLang) {
    wordBookPage_.SetDirectionCaptions(langToJp, jpToLang);
}

void MainWindow::SetFontBoxItems(const ItemList& items) { FillCombo(controls_.fontBox, items); }
void MainWindow::SetFontBoxText(const std::u16string& text) {
    ++quietCombos_;
    SetComboText(controls_.fontBox, text);
    --quietCombos_;
}
void MainWindow::SetSizeBoxItems(const ItemList& items) { FillCombo(controls_.sizeBox, items); }
void MainWindow::SetSizeBoxText(const std::u16string& text) {
    ++quietCombos_;
    SetComboText(controls_.sizeBox, text);
    --quietCombos_;
}
void MainWindow::SetModeBoxItems(const ItemList& items) { FillCombo(controls_.modeBox, items); }
void MainWindow::SelectModeBoxItem(int index) {
    SendMessageW(controls_.modeBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void MainWindow::SetUnderStretch(bool set) {
    SendMessageW(controls_.stretchCheck, BM_SETCHECK, set ? BST_CHECKED : BST_UNCHECKED, 0);
    // The pane that keeps its height keeps the height it has now.
    MainLayout now = CurrentLayout();
    paneSizes_.inputHeight = now.inputPane.Height();
    paneSizes_.lowerHeight = now.lowerPane.Height();
    paneSizes_.underStretch = set;
    LayOut();
}

void MainWindow::SetLowerPaneHeight(int height) {
    MainLayout now = CurrentLayout();
    int middle = now.inputPane.Height() + now.lowerPane.Height();
    paneSizes_.lowerHeight = height;
    paneSizes_.inputHeight = middle - height;
    LayOut();
}

void MainWindow::SetFontPanelWidth(int width) {
    paneSizes_.fontPanelWidth = width;
    LayOut();
}

void MainWindow::SetAutoPasteCheck(bool checked) {
    SendMessageW(controls_.autoPasteCheck, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::SetActionEnabled(MainAction action, bool enabled) {
    HWND button = action == MainAction::TransferTxt1
                      ? controls_.transferButton
                      : controls_.functionButtons[static_cast<int>(action)];
    EnableWindow(button, enabled);
}

void MainWindow::OpenWindowFor(MainAction action) {
    switch (action) {
        case MainAction::RegWord: OpenRegisterWordDialog(); break;
        case MainAction::ModWord: OpenEditWordDialog(); break;
        case MainAction::SearchWord: OpenSearchWindow(); break;
        case MainAction::PadMode: OpenPadWindow(); break;
        case MainAction::Option: RunSettingsDialog(hwnd_, model_); break;
        default: break;
    }
}

void MainWindow::CloseWindow() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

void MainWindow::SetForeignFont(const FontLook& font) {
    HFONT made = CreatePointFont(font.face, font.charset, font.sizePt);
    SendMessageW(controls_.foreignArea, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    foreignFont_.Reset(made);
}

void MainWindow::SetPhoneticAreaFont(const FontLook& font) {
    HFONT made = CreatePointFont(font.face, font.charset, font.sizePt);
    SendMessageW(controls_.phoneticArea, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    phoneticFont_.Reset(made);
}

void MainWindow::SetPhoneticBackground(Color color) {
    phoneticColor_ = color == kWindowTextColor ? GetSysColor(COLOR_WINDOW) : color;
    phoneticBrush_.Reset(CreateSolidBrush(phoneticColor_));
    InvalidateRect(controls_.phoneticArea, nullptr, TRUE);
}

void MainWindow::SetForeignWordWrap(bool wrap) {
    foreignWordWrap_ = wrap;
    RecreateForeignArea();
}

void MainWindow::SetForeignScrollBars(bool shown) {
    foreignScrollBars_ = shown;
    RecreateForeignArea();
}

InputArea MainWindow::FocusedArea() {
    HWND focus = GetFocus();
    if (focus == controls_.foreignArea) return InputArea::Foreign;
    if (focus == controls_.phoneticArea) return InputArea::Phonetic;
    return InputArea::None;
}

void MainWindow::Focus(InputArea area, bool caretToEnd) {
    HWND target = area == InputArea::Phonetic ? controls_.phoneticArea : controls_.foreignArea;
    if (area == InputArea::None) return;
    SetFocus(target);
    if (caretToEnd) {
        int length = GetWindowTextLengthW(target);
        SendMessageW(target, EM_SETSEL, length, length);
        SendMessageW(target, EM_SCROLLCARET, 0, 0);
    }
}

void MainWindow::InsertAtCaret(InputArea area, const std::u16string& text) {
    HWND control = area == InputArea::Foreign ? controls_.foreignArea : controls_.phoneticArea;
    SendMessageW(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(W(text)));
}

}  // namespace tess
