#include "lib/win32/FocusKeeper.h"

namespace tess {

void FocusKeeper::Activated(HWND window, bool active, HWND fallback) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) focus_ = focus;
        return;
    }
    // A remembered control that was destroyed, or that a handle reuse made
    // another window's, is no place to type.
    const bool kept = focus_ && IsWindow(focus_) && IsChild(window, focus_);
    SetFocus(kept ? focus_ : fallback);
}

}  // namespace tess
