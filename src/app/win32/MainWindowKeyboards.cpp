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
        keyboardControls_[page].SetClickHandler(
            [this, page](std::size_t cell) { OnKeyboardClick(static_cast<KeyboardPage>(page), cell); });
    }
    keyboardControls_[1].SetHoverHandler([this](std::optional<std::size_t> cell) {
        return imeKeyboard_ && imeKeyboard_->Hover(cell);
    });
}

RECT MainWindow::KeyboardSheetRect() const {
    RECT r{};
    GetClientRect(controls_.keyboardPages, &r);
    TabCtrl_AdjustRect(controls_.keyboardPages, FALSE, &r);
    return r;
}

void MainWindow::RebuildKeyboards() {
    if (!keyboardControls_[0].Handle()) return;
    RECT r = KeyboardSheetRect();
    const int w = std::max(0L, r.right - r.left), h = std::max(0L, r.bottom - r.top);
    Settings& s = model_.settings();
    InputTables& tables = model_.tables();
    romajiKeyboard_ = std::make_unique<TriggerKeyboard>(InputSide::Foreign, w, h, tables.GaCandTable, s);
    imeKeyboard_ = std::make_unique<MsImeKeyboard>(w, h, model_.language().LangCharset, s, platform_);
    phoneticKeyboard_ = std::make_unique<TriggerKeyboard>(InputSide::Phonetic, w, h, tables.PhCandTable, s);
    romajiKeyboard_->ShowTriggerKeys();
    phoneticKeyboard_->ShowTriggerKeys();
    imeKeyboard_->ShowThaiKeys(ChosenThaiLayout(s), false);
    keyboardSheetSize_ = {w, h};
    for (auto& control : keyboardControls_)
        MoveWindow(control.Handle(), r.left, r.top, w, h, TRUE);
    keyboardControls_[0].Show(romajiKeyboard_.get(), romajiKeyboard_->Background(),
                              controls_.languagePictures, languagePicture_,
                              romajiKeyboard_->PictureRect(w, h));
    keyboardControls_[1].Show(imeKeyboard_.get(), imeKeyboard_->Background(), nullptr, 0, std::nullopt);
    keyboardControls_[2].Show(phoneticKeyboard_.get(), phoneticKeyboard_->Background(), nullptr, 0,
                              std::nullopt);
    ShowSelectedKeyboard();
}

void MainWindow::PlaceKeyboards() {
    // Before the start-up sequence has loaded the tables there is nothing to
    // lay out; the first build follows it.
    if (!romajiKeyboard_) return;
    RECT r = KeyboardSheetRect();
    SIZE size{r.right - r.left, r.bottom - r.top};
    if (size.cx != keyboardSheetSize_.cx || size.cy != keyboardSheetSize_.cy) RebuildKeyboards();
}

void MainWindow::ShowSelectedKeyboard() {
    int index = static_cast<int>(SendMessageW(controls_.keyboardPages, TCM_GETCURSEL, 0, 0));
    if (!imePageVisible_ && index >= 1) ++index;
    for (int page = 0; page < 3; ++page)
        ShowWindow(keyboardControls_[page].Handle(), page == index ? SW_SHOW : SW_HIDE);
}

void MainWindow::OnKeyboardClick(KeyboardPage page, std::size_t cell) {
    KeyboardClick click;
    if (page == KeyboardPage::Romaji && romajiKeyboard_) click = romajiKeyboard_->Click(cell);
    else if (page == KeyboardPage::Phonetic && phoneticKeyboard_) click = phoneticKeyboard_->Click(cell);
    else if (page == KeyboardPage::MsIme && imeKeyboard_) click = imeKeyboard_->Click(cell);
    const bool phonetic = click.side == InputSide::Phonetic;
    HWND field = phonetic ? controls_.phoneticArea : controls_.foreignArea;
    switch (click.action) {
        case KeyboardClick::Action::TriggerKey: {
            TriggerResult result =
                TriggerStep(model_.tables(), requesters_, TriggerSettingsOf(model_.settings()),
                            phonetic ? kPhoneticKeyboardClick : kRomajiKeyboardClick, click.key);
            if (result.action == TriggerResult::InsertText)
                InsertForSide(*this, requesters_, result.side, result.text);
            else if (result.action == TriggerResult::OpenPopup)
                OpenCandidatePopup(result.side, field);
            break;
        }
        case KeyboardClick::Action::InsertText:
            memoField_.Apply(InsertIntoField(memoField_.Read(), click.text));
            break;
        case KeyboardClick::Action::OpenCandList:
            OpenCandList(platform_, model_.folders().TblFolder,
                         CandFileOfSide(model_.settings(), click.side));
            break;
        default:
            break;
    }
}

}  // namespace tess
