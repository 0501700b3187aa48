// A dialog run by RunModalDialog: Escape closes it as cancelled unless its
// own procedure answers IDCANCEL itself.
#include "lib/win32/ModalDialog.h"

#include <gtest/gtest.h>

#include "DialogScript.h"
#include "HostWindow.h"

namespace tess {
namespace {

using testing::DialogScript;
using testing::PostKey;
using testing::ThreadDialog;

constexpr char16_t kCaption[] = u"ModalDialogTest";

// Answers nothing, but keeps the parameter it was run with.
INT_PTR CALLBACK SilentProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (int* seen = DialogState<int>(dialog, message, lParam); seen && message == WM_INITDIALOG) ++*seen;
    return FALSE;
}

// Ends with 7 when asked to cancel.
INT_PTR CALLBACK OwnCancelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 7);
        return TRUE;
    }
    return FALSE;
}

TEST(RunModalDialog, EscapeEndsADialogWhoseProcedureLeavesItAlone) {
    HostWindow owner;
    int initialised = 0;
    DialogScript script({[] { PostKey(ThreadDialog(kCaption), VK_ESCAPE); }});
    EXPECT_EQ(RunModalDialog(owner.Handle(), kCaption, &SilentProc, reinterpret_cast<LPARAM>(&initialised)),
              IDCANCEL);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_EQ(initialised, 1);  // the procedure got its own parameter
}

TEST(RunModalDialog, AProcedureThatAnswersCancelKeepsItsOwnResult) {
    HostWindow owner;
    DialogScript script({[] { PostKey(ThreadDialog(kCaption), VK_ESCAPE); }});
    EXPECT_EQ(RunModalDialog(owner.Handle(), kCaption, &OwnCancelProc, 0), 7);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
}

}  // namespace
}  // namespace tess
