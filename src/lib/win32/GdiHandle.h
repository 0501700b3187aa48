// One GDI object (a font, brush or bitmap) owned by a window or dialog:
// deleted when it is replaced and when its owner goes, so no window writes
// its own clean-up list. It reads as the bare handle wherever one is asked
// for (SelectObject, WM_SETFONT through get()).
#pragma once

#include <windows.h>

namespace tess {

template <class Handle>
class GdiHandle {
public:
    GdiHandle() = default;
    GdiHandle(const GdiHandle&) = delete;
    GdiHandle& operator=(const GdiHandle&) = delete;
    ~GdiHandle() { Reset(); }

    // Deletes the object held (if any) and holds `object` instead.
    void Reset(Handle object = nullptr) {
        if (handle_ && handle_ != object) DeleteObject(handle_);
        handle_ = object;
    }

    Handle get() const { return handle_; }
    operator Handle() const { return handle_; }

private:
    Handle handle_ = nullptr;
};

}  // namespace tess
