// A plain top-level window to put controls on, destroyed with the test.
#pragma once

#include <windows.h>

namespace tess {

class HostWindow {
public:
    HostWindow() {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 840, 710,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~HostWindow() { DestroyWindow(hwnd_); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace tess
