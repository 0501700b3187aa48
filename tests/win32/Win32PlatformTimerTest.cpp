#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Win32Platform.h"

namespace tess {
namespace {

// Pumps the thread's messages for about `ms` milliseconds, as the event loop would.
void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
}

TEST(Win32Timers, FireThroughTheEventLoopUntilStopped) {
    Win32Platform platform;
    int fired = 0;
    platform.StartTimer(7, 20, [&] { ++fired; });
    PumpFor(300);
    EXPECT_GE(fired, 2);
    platform.StopTimer(7);
    int atStop = fired;
    PumpFor(150);
    EXPECT_EQ(fired, atStop);
}

TEST(Win32Timers, AOneShotTimerStopsItselfFromItsCallback) {
    Win32Platform platform;
    int fired = 0;
    platform.StartTimer(8, 20, [&] {
        ++fired;
        platform.StopTimer(8);
    });
    PumpFor(250);
    EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace tess
