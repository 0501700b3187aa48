// Where the user was typing in a window, kept across its deactivation as
// Windows programs do: the control that had the focus gets it back when
// the window is active again (Alt+Tab away and back, a popup closed), or a
// default control when that one is gone.
#pragma once

#include <windows.h>

namespace tess {

class FocusKeeper {
public:
    // The window's WM_ACTIVATE: `active` false remembers the focused child,
    // true gives the focus back to it, else to `fallback`.
    void Activated(HWND window, bool active, HWND fallback);
    // The control to come back to next time, chosen by the window itself.
    void Remember(HWND control) { focus_ = control; }

private:
    HWND focus_ = nullptr;
};

}  // namespace tess
