// Switching the system keyboard layout as the focus moves.
//
// In input mode 2 (タイ語 MS IME) the foreign-language area is typed through
// the system's Thai layout; every other field wants the layout the user had
// when the program started, so that Latin trigger keys and Japanese arrive.
// One KeyboardLayouts lives for the whole run, owned by the main window, and
// the popups, the PAD and the dialogs call the same object.
//
// A layout that cannot be loaded (not installed, an empty name) leaves the
// active one as it is, without a message.
#pragma once

#include "lib/DialogScope.h"

#include <string>

#include "settings/Settings.h"
#include "input/ThaiKeyTables.h"
#include "platform/platform.h"

namespace tess {

// The system's name of a Thai layout: "0000041E" or "0001041E".
std::u16string ThaiLayoutName(ThaiLayout layout);

// The layout ThaiImeKedFlg chooses.
ThaiLayout ChosenThaiLayout(const Settings& settings);

class KeyboardLayouts {
public:
    // Reads ThaiImeKedFlg at each activation, so a choice made in the IME
    // menu reaches the system at the next ActivateThaiLayout.
    KeyboardLayouts(Platform& platform, const Settings& settings)
        : platform_(platform), settings_(settings) {}

    // Records the active layout as the start-up layout; called once, when the
    // settings defaults are set at start-up.
    void RecordStartupLayout();
    const std::u16string& StartupLayout() const { return startupLayout_; }

    // Loads the start-up layout, if one was recorded.
    void RestoreStartupLayout();
    // On every Windows from major version 5 on (Windows 10 and 11 report 10
    // to a manifested program), makes the chosen Thai layout active unless it
    // already is. Older systems have no Thai layout to activate.
    void ActivateThaiLayout();
    // At exit: gives back the start-up layout when another one is active.
    void RestoreLayoutAtExit();

    // The moments of the main window.
    // Memo1 gets the focus: romaji modes want the start-up layout, mode 2 Thai.
    void ForeignAreaEntered(int inputMode);
    // Edit1 (phonetic) gets the focus, or any other field that never takes
    // Thai typing (a popup's hidden memo, the symbol tab's code field): in
    // mode 2 the start-up layout comes back.
    void PlainFieldEntered(int inputMode);
    // The foreign word field of the registration or edit dialog gets the
    // focus: in mode 2 the Thai layout (any other field of those dialogs is
    // a plain field).
    void ForeignWordFieldEntered(int inputMode);
    // A dialog is shown / closes: in mode 2 the dialog gets the start-up
    // layout, and the Thai one returns when it closes.
    void DialogShown(int inputMode);
    void DialogClosed(int inputMode);
    // The same, in the input mode the settings have at that moment.
    void DialogShown() { DialogShown(settings_.InputMode); }
    void DialogClosed() { DialogClosed(settings_.InputMode); }

private:
    Platform& platform_;
    const Settings& settings_;
    std::u16string startupLayout_;
};

// A dialog's time under the dialog rule (see lib/DialogScope).
using DialogLayoutScope = DialogScope<KeyboardLayouts>;

}  // namespace tess
