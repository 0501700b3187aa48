// The main window's three on-screen keyboard pages: one custom-drawn control
// per page over its keyboard model, rebuilt when the page size or the tables
// change.
#include "app/win32/MainWindow.h"

#include <commctrl.h>

namespace tess {

namespace {

constexpr int kIdKeyboardControl0 = 160;

}  // namespace

void MainWindow::CreateKeyboards() {
    KeyboardView::Register(instance_);
    // The pages draw inside the tab control; it must not paint over them.
    SetWindowLongPtrW(controls_.keyboardPages, GWL_STYLE,
                      GetWindowLongPtrW(controls_.keyboardPages, GWL_STYLE) | WS_CLIPCHILDREN);
    for (int page = 0; page < 3; ++page) {
        keyboardControls_[page].Create(controls_.keyboardPages, kIdKeyboardControl0 + page);
        keyboardControls_[page].SetClickHandler([this, page](std::size_t cell) {
            model_.KeyboardClicked(static_cast<KeyboardPage>(page), cell);
        });
    }
    keyboardControls_[1].SetHoverHandler(
        [this](std::optional<std::size_t> cell) { return model_.ImeKeyboardHover(cell); });
}

RECT MainWindow::KeyboardSheetRect() const {
    RECT r{};
    GetClientRect(controls_.keyboardPages, &r);
    TabCtrl_AdjustRect(controls_.keyboardPages, FALSE, &r);
    return r;
}

void MainWindow::BuildKeyboards() {
    // Once, after the start-up sequence has loaded the tables: the keys keep
    // their places for the whole run; a resize moves only the picture.
    if (!keyboardControls_[0].Handle()) return;
    RECT r = KeyboardSheetRect();
    const int w = std::max(0L, r.right - r.left), h = std::max(0L, r.bottom - r.top);
    model_.BuildKeyboards(w, h);
    keyboardSheetSize_ = {0, 0};
    PlaceKeyboards();
    ShowSelectedKeyboard();
}

void MainWindow::PlaceKeyboards() {
    if (!model_.KeyboardOf(KeyboardPage::Romaji)) return;
    RECT r = KeyboardSheetRect();
    SIZE size{std::max(0L, r.right - r.left), std::max(0L, r.bottom - r.top)};
    if (size.cx == keyboardSheetSize_.cx && size.cy == keyboardSheetSize_.cy) return;
    keyboardSheetSize_ = size;
    for (auto& control : keyboardControls_)
        MoveWindow(control.Handle(), r.left, r.top, size.cx, size.cy, TRUE);
    ShowKeyboardPictures();
}

void MainWindow::ShowKeyboardPictures() {
    for (int page = 0; page < 3; ++page) {
        const auto which = static_cast<KeyboardPage>(page);
        const bool romaji = which == KeyboardPage::Romaji;
        keyboardControls_[page].Show(
            model_.KeyboardOf(which), model_.KeyboardBackgroundOf(which),
            romaji ? controls_.languagePictures : nullptr, romaji ? languagePicture_ : 0,
            romaji ? model_.LanguagePictureRect(keyboardSheetSize_.cx, keyboardSheetSize_.cy)
                   : std::nullopt);
    }
}

void MainWindow::ShowSelectedKeyboard() {
    const int tab = static_cast<int>(SendMessageW(controls_.keyboardPages, TCM_GETCURSEL, 0, 0));
    const int shown = static_cast<int>(model_.PageAtTab(tab));
    for (int page = 0; page < 3; ++page)
        ShowWindow(keyboardControls_[page].Handle(), page == shown ? SW_SHOW : SW_HIDE);
}

void MainWindow::RepaintKeyboard(KeyboardPage page) {
    // The background as the settings now have it, for a changed colour.
    keyboardControls_[static_cast<int>(page)].Repaint(model_.KeyboardBackgroundOf(page));
}

}  // namespace tess
