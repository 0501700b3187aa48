#include "input/KeyboardLayouts.h"

#include "input/InputModes.h"

namespace tess {

std::u16string ThaiLayoutName(ThaiLayout layout) {
    return layout == ThaiLayout::Kedmanee ? kThaiKedmaneeLayout : kThaiPattachoteLayout;
}

ThaiLayout ChosenThaiLayout(const Settings& settings) {
    return settings.ThaiImeKedFlg ? ThaiLayout::Kedmanee : ThaiLayout::Pattachote;
}

void KeyboardLayouts::RecordStartupLayout() { startupLayout_ = platform_.ActiveLayoutName(); }

void KeyboardLayouts::RestoreStartupLayout() {
    if (!startupLayout_.empty()) platform_.ActivateLayout(startupLayout_);
}

void KeyboardLayouts::ActivateThaiLayout() {
    if (platform_.OsMajorVersion() < 5) return;
    const std::u16string target = ThaiLayoutName(ChosenThaiLayout(settings_));
    if (platform_.ActiveLayoutName() != target) platform_.ActivateLayout(target);
}

void KeyboardLayouts::RestoreLayoutAtExit() {
    if (platform_.ActiveLayoutName() != startupLayout_) RestoreStartupLayout();
}

void KeyboardLayouts::ForeignAreaEntered(int inputMode) {
    if (IsRomajiMode(inputMode))
        RestoreStartupLayout();
    else if (inputMode == kModeThaiMsIme)
        ActivateThaiLayout();
}

void KeyboardLayouts::PlainFieldEntered(int inputMode) {
    if (inputMode == kModeThaiMsIme) RestoreStartupLayout();
}

void KeyboardLayouts::ForeignWordFieldEntered(int inputMode) {
    if (inputMode == kModeThaiMsIme) ActivateThaiLayout();
}

void KeyboardLayouts::DialogShown(int inputMode) {
    if (inputMode == kModeThaiMsIme) RestoreStartupLayout();
}

void KeyboardLayouts::DialogClosed(int inputMode) {
    if (inputMode == kModeThaiMsIme) ActivateThaiLayout();
}

}  // namespace tess
