// The main window's controls as Windows draws them, under Wine: the input
// method of the two areas and the transfer mode display's text.
#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include "app/Languages.h"
#include "app/MainLayout.h"
#include "app/win32/MainControls.h"
#include "lib/win32/GdiTextMeasurer.h"
#include "lib/win32/Win32Helpers.h"
#include "transfer/TransferModes.h"
#include "HostWindow.h"

namespace tess {
namespace {

bool HasInputContext(HWND control) {
    HIMC context = ImmGetContext(control);
    if (context) ImmReleaseContext(control, context);
    return context != nullptr;
}

TEST(MainControls, BothInputAreasHaveTheInputMethodDisabled) {
    HostWindow host;
    ASSERT_TRUE(host.Handle());
    // An edit control of its own has the system's input context, which a
    // Japanese input method would compose romaji into.
    HWND plain = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, host.Handle(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(HasInputContext(plain));

    MainControls controls;
    CreateMainControls(host.Handle(), GetModuleHandleW(nullptr), controls);
    EXPECT_FALSE(HasInputContext(controls.foreignArea));
    EXPECT_FALSE(HasInputContext(controls.phoneticArea));
    // Japanese fields keep theirs.
    EXPECT_TRUE(HasInputContext(controls.fontBox));
}

TEST(ImeModes, EachModeGivesTheControlItsInputMethodState) {
    HostWindow host;
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, host.Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetImeMode(edit, ImeMode::Disabled);
    EXPECT_FALSE(HasInputContext(edit));
    // A field that was disabled gets its input method back for Japanese.
    SetImeMode(edit, ImeMode::Hiragana);
    EXPECT_TRUE(HasInputContext(edit));
    SetImeMode(edit, ImeMode::Closed);
    EXPECT_TRUE(HasInputContext(edit));
}

TEST(ModeDisplay, EveryModeTextFitsItsBoxInEveryLanguage) {
    GdiTextMeasurer measurer;
    for (const LanguageRow& row : LanguageRows()) {
        for (int mode : kTransferModes) {
            const std::u16string text = TransferModeDisplay(mode, row.name);
            SCOPED_TRACE(mode);
            const int size = ModeDisplayFontSize(measurer, text);
            EXPECT_GE(size, kModeDisplaySmallestSize);
            EXPECT_LE(measurer.Measure(128, kModeDisplayFont, size, text).width,
                      kModeDisplayTextRoom);
        }
    }
}

}  // namespace
}  // namespace tess
