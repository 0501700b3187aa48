#include "app/UMainFrm.h"

#include "app/AppIdentity.h"

namespace tess {

namespace {

const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The main window opens at its default size, centred, until the settings
// record its last geometry.
constexpr int kDefaultWidth = 840;
constexpr int kDefaultHeight = 710;

}  // namespace

bool TMainFrm::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &TMainFrm::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = W(kMainWindowClass);
    return RegisterClassExW(&wc) != 0;
}

bool TMainFrm::Create(HINSTANCE instance, int showCommand) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int left = work.left + ((work.right - work.left) - kDefaultWidth) / 2;
    int top = work.top + ((work.bottom - work.top) - kDefaultHeight) / 2;
    hwnd_ = CreateWindowExW(0, W(kMainWindowClass), W(kAppTitle), WS_OVERLAPPEDWINDOW, left, top,
                            kDefaultWidth, kDefaultHeight, nullptr, nullptr, instance, this);
    if (!hwnd_) return false;
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    return true;
}

LRESULT CALLBACK TMainFrm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<TMainFrm*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TMainFrm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT TMainFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = 680;
            info->ptMinTrackSize.y = 500;
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace tess
