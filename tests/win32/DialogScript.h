// Drives a modal dialog from inside its own message loop: the steps run one
// per tick of a thread timer, and only while a dialog of this thread shows.
// A timer message comes only when nothing else is queued, so the keys and
// clicks a step posts have been handled when the next step runs; they go
// through the dialog manager exactly as typed keys do.
//
//     DialogScript script({[] { ...post keys... }, [] { ...check, post Escape... }});
//     const auto result = RunSomeDialog(owner, ...);
//     EXPECT_TRUE(script.RanToTheEnd());
//
// A step made with When waits for its condition first (a nested dialog is
// shown only once its own loop runs). A dialog still open some time after
// the last step, or a condition not met in that time, cancels the dialogs
// and the script reports it (LeftOpen), so a test never hangs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tess::testing {

inline BOOL CALLBACK CollectVisibleDialog(HWND hwnd, LPARAM param) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (IsWindowVisible(hwnd) && std::wstring_view(name) == L"#32770") {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    }
    return TRUE;
}

// The visible dialogs of this thread.
inline std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The visible dialog of this thread with that caption, or null.
inline HWND ThreadDialog(std::u16string_view caption) {
    for (HWND dialog : ThreadDialogs()) {
        wchar_t text[128] = {};
        GetWindowTextW(dialog, text, 128);
        if (std::u16string_view(reinterpret_cast<const char16_t*>(text)) == caption) return dialog;
    }
    return nullptr;
}

class DialogScript {
public:
    struct Step {
        template <typename Act>
        Step(Act act) : act(std::move(act)) {}  // a lambda is a step
        std::function<bool()> ready;
        std::function<void()> act;
    };
    static Step When(std::function<bool()> ready, std::function<void()> act) {
        Step step(std::move(act));
        step.ready = std::move(ready);
        return step;
    }

    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, kTickMs, &DialogScript::Tick);
    }
    ~DialogScript() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    bool RanToTheEnd() const { return next_ == steps_.size(); }
    bool LeftOpen() const { return leftOpen_; }

private:
    static constexpr UINT kTickMs = 40;
    static constexpr int kGraceTicks = 125;  // 5 s to close after the last step, or to be ready

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* self = current_;
        if (!self) return;
        const std::vector<HWND> dialogs = ThreadDialogs();
        if (dialogs.empty()) return;
        if (self->next_ < self->steps_.size()) {
            Step& step = self->steps_[self->next_];
            if (!step.ready || step.ready()) {
                ++self->next_;
                self->idleTicks_ = 0;
                step.act();
                return;
            }
        }
        if (++self->idleTicks_ < kGraceTicks) return;
        self->leftOpen_ = true;
        // Cancelled as the user would; one that will not cancel is ended.
        for (HWND dialog : dialogs) {
            if (self->idleTicks_ < 2 * kGraceTicks)
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            else
                EndDialog(dialog, IDCANCEL);
        }
    }

    static inline DialogScript* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool leftOpen_ = false;
    UINT_PTR timer_ = 0;
};

// Keys as the keyboard would bring them to `control`.
inline void PostTyped(HWND control, std::u16string_view text) {
    for (char16_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}
inline void PostKey(HWND control, UINT virtualKey) {
    PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(control, WM_KEYUP, virtualKey, 0xC0000001);
}
// A mouse click at a point of the control's client area.
// A dialog's outer size, frame and caption included.
inline SIZE OuterSize(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

inline void PostClick(HWND control, int x, int y) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A visible top-level window standing in for the main window as the owner
// of the dialog under test.
class DialogOwner {
public:
    DialogOwner() {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~DialogOwner() { DestroyWindow(hwnd_); }
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace tess::testing
