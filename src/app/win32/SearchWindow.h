// The word book search window (view; registered class "TSearchFrm", form
// name "SearchFrm"): modeless, on top of every window, owned by the main
// window, one at a time. Its rules are SearchWindowModel's; the search box
// takes trigger keys through the main window's input route while the
// window is open.
#pragma once

#include <windows.h>

#include "app/MainModel.h"
#include "app/MainWindowPort.h"
#include "input/win32/EditField.h"

namespace tess {

// What the window uses of the main window while it is open.
struct SearchWindowContext {
    MainModel& model;
    MainWindowPort& mainWindow;   // the areas a hit is copied into
    EditFieldDirectory& fields;   // the search box is registered here while open
};

// Creates the window over `owner` and shows it without waiting; it closes
// and frees itself. Nothing happens when one is open already.
void ShowSearchWindow(HINSTANCE instance, HWND owner, const SearchWindowContext& context);

// Whether a search window of `owner` is open.
bool SearchWindowOpen(HWND owner);

}  // namespace tess
