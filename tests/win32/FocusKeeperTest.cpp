// The control that had the focus when a window went inactive gets it back
// when the window is active again; a control gone, or another window's,
// leaves the focus to the window's default.
#include "lib/win32/FocusKeeper.h"

#include <gtest/gtest.h>

#include "HostWindow.h"

namespace tess {
namespace {

HWND Edit(HWND parent) {
    return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(FocusKeeper, GivesTheFocusBackWhereItWasElseToTheDefault) {
    HostWindow window, other;
    HWND fallback = Edit(window.Handle());
    HWND typed = Edit(window.Handle());
    HWND elsewhere = Edit(other.Handle());
    FocusKeeper keeper;

    SetFocus(typed);
    keeper.Activated(window.Handle(), false, fallback);
    SetFocus(elsewhere);
    keeper.Activated(window.Handle(), true, fallback);
    EXPECT_EQ(GetFocus(), typed);

    // The focus in another window when this one went inactive: not kept.
    FocusKeeper fresh;
    SetFocus(elsewhere);
    fresh.Activated(window.Handle(), false, fallback);
    fresh.Activated(window.Handle(), true, fallback);
    EXPECT_EQ(GetFocus(), fallback);

    // A control chosen by the window, then destroyed: the default.
    keeper.Remember(typed);
    DestroyWindow(typed);
    keeper.Activated(window.Handle(), true, fallback);
    EXPECT_EQ(GetFocus(), fallback);

    // Another window's control remembered: not this window's place to type.
    keeper.Remember(elsewhere);
    keeper.Activated(window.Handle(), true, fallback);
    EXPECT_EQ(GetFocus(), fallback);
}

}  // namespace
}  // namespace tess
