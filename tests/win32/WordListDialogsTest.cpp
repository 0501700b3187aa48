// The word list's dialogs, shown for real under Wine and driven through
// their own message loops: the jump dialog ("ジャンプ").
#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "DialogScript.h"
#include "TempFolder.h"
#include "wordbook/JumpDialogModel.h"
#include "wordbook/win32/JumpDialog.h"

namespace tess {
namespace {

using testing::DialogScript;
using testing::PostClick;
using testing::PostKey;
using testing::PostTyped;
using testing::ThreadDialog;
using testing::ThreadDialogs;
using testing::Utf8;

// The main window's stand-in.
class Owner {
public:
    Owner() {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~Owner() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

std::u16string TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

SIZE OuterSize(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// --- Jump ---------------------------------------------------------------------------

HWND JumpDialogWindow() { return ThreadDialog(kJumpDialogCaption); }
HWND JumpCombo() { return GetDlgItem(JumpDialogWindow(), kJumpComboId); }
HWND JumpOk() { return GetDlgItem(JumpDialogWindow(), IDOK); }

// Where the keys of the combo box go.
HWND JumpEdit() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(JumpCombo(), &info);
    return info.hwndItem;
}

bool ImeOpen(HWND control) {
    HIMC context = ImmGetContext(control);
    if (!context) return false;
    const bool open = ImmGetOpenStatus(context) != FALSE;
    ImmReleaseContext(control, context);
    return open;
}

TEST(JumpDialog, OpensEmptyWithTheNumbersOverADisabledOwner) {
    Owner owner;
    DialogScript script({[&] {
        HWND dialog = JumpDialogWindow();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(OuterSize(dialog).cx, kJumpDialogWidth);
        EXPECT_EQ(OuterSize(dialog).cy, kJumpDialogHeight);
        EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(SendMessageW(JumpCombo(), CB_GETCOUNT, 0, 0), 7);
        EXPECT_EQ(TextOf(JumpCombo()), u"");
        EXPECT_FALSE(IsWindowEnabled(JumpOk()));
        EXPECT_EQ(GetFocus(), JumpEdit());
        EXPECT_FALSE(ImeOpen(JumpEdit()));
        PostKey(JumpEdit(), VK_ESCAPE);
    }});
    EXPECT_EQ(RunJumpDialog(owner.Handle(), 7), std::nullopt);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(JumpDialog, EnterOnATypedNumberJumpsThoughOkIsDisabled) {
    struct Case {
        std::u16string typed;
        int row;
    };
    for (const Case& c : {Case{u"3", 2}, Case{u"1", 0}, Case{u"5", 4}, Case{u"05", 4}}) {
        SCOPED_TRACE(Utf8(c.typed));
        Owner owner;
        DialogScript script({[&] { PostTyped(JumpEdit(), c.typed); },
                             [&] {
                                 EXPECT_EQ(TextOf(JumpCombo()), c.typed);
                                 EXPECT_FALSE(IsWindowEnabled(JumpOk()));
                                 PostKey(JumpEdit(), VK_RETURN);
                             }});
        EXPECT_EQ(RunJumpDialog(owner.Handle(), 5), c.row);
        EXPECT_TRUE(script.RanToTheEnd());
        EXPECT_FALSE(script.LeftOpen());
    }
}

TEST(JumpDialog, EnterOnAnythingButANumberOfTheListKeepsItOpen) {
    for (const std::u16string typed : {u"0", u"6", u"abc", u"-2", u""}) {
        SCOPED_TRACE(Utf8(typed));
        Owner owner;
        DialogScript script({[&] { PostTyped(JumpEdit(), typed); },
                             [&] { PostKey(JumpEdit(), VK_RETURN); },
                             [&] {
                                 EXPECT_TRUE(IsWindowVisible(JumpDialogWindow()));
                                 EXPECT_EQ(TextOf(JumpCombo()), typed);
                                 PostKey(JumpEdit(), VK_ESCAPE);
                             }});
        EXPECT_EQ(RunJumpDialog(owner.Handle(), 5), std::nullopt);
        EXPECT_TRUE(script.RanToTheEnd());
        EXPECT_FALSE(script.LeftOpen());
    }
}

TEST(JumpDialog, APickedItemEnablesOkWhichJumpsToIt) {
    Owner owner;
    DialogScript script({[&] {
                             // Down arrows in the box pick the items one by one.
                             for (int i = 0; i < 3; ++i) PostKey(JumpEdit(), VK_DOWN);
                         },
                         [&] {
                             EXPECT_EQ(TextOf(JumpCombo()), u"3");
                             EXPECT_TRUE(IsWindowEnabled(JumpOk()));
                             PostMessageW(JumpOk(), BM_CLICK, 0, 0);
                         }});
    EXPECT_EQ(RunJumpDialog(owner.Handle(), 9), 2);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
}

TEST(JumpDialog, TypingAfterAPickDisablesOkAgain) {
    Owner owner;
    DialogScript script({[&] { PostKey(JumpEdit(), VK_DOWN); },
                         [&] {
                             EXPECT_TRUE(IsWindowEnabled(JumpOk()));
                             SendMessageW(JumpEdit(), EM_SETSEL, 0, -1);
                             PostTyped(JumpEdit(), u"7");
                         },
                         [&] {
                             EXPECT_EQ(TextOf(JumpCombo()), u"7");
                             EXPECT_FALSE(IsWindowEnabled(JumpOk()));
                             PostKey(JumpEdit(), VK_RETURN);
                         }});
    EXPECT_EQ(RunJumpDialog(owner.Handle(), 9), 6);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
}

}  // namespace
}  // namespace tess
