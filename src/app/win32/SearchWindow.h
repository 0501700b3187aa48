// The word book search window (view; registered class "TSearchFrm", form
// name "SearchFrm"): modeless, on top of every window, owned by the main
// window, one at a time. Its rules are SearchWindowModel's; the search box
// takes trigger keys through the main window's input route while the
// window is open.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "app/Languages.h"
#include "app/MainWindowPort.h"
#include "input/InputSession.h"
#include "input/KeyboardLayouts.h"
#include "input/win32/EditField.h"
#include "platform/platform.h"
#include "settings/Settings.h"
#include "wordbook/WordBooks.h"

namespace tess {

// What the window uses of the program while it is open, and no more.
struct SearchWindowContext {
    Platform& platform;
    Settings& settings;                // the search window keeps its field choice there
    WordBooks& wordBooks;              // the books searched, the cells' fonts
    const LanguageState& language;     // the foreign word's name and charset
    KeyboardLayouts& layouts;          // the dialog rule and the box's layout steps
    InputSession& input;               // the box's trigger keys take the one route
    // A key of the box that Memo1 would track (Shift, Caps Lock).
    std::function<void(std::uint16_t virtualKey, bool down)> foreignAreaKey;
    std::function<void()> editWord;    // "編集": the main window's edit dialog (F5)
    MainWindowPort& mainWindow;        // the areas a hit is copied into
    EditFieldDirectory& fields;        // the search box is registered here while open
};

// Creates the window over `owner` and shows it without waiting; it closes
// and frees itself. Nothing happens when one is open already.
void ShowSearchWindow(HINSTANCE instance, HWND owner, const SearchWindowContext& context);

// Whether a search window of `owner` is open.
bool SearchWindowOpen(HWND owner);

}  // namespace tess
