// The word list's two dialogs, shown for real under Wine and driven through
// their own message loops: the jump dialog ("ジャンプ") and the text colour
// dialog ("文字色変更").
#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "DialogScript.h"
#include "TempFolder.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/ColorText.h"
#include "wordbook/ColorDialogModel.h"
#include "wordbook/JumpDialogModel.h"
#include "wordbook/win32/ColorDialog.h"
#include "wordbook/win32/JumpDialog.h"

namespace tess {
namespace {

using testing::DialogScript;
using testing::PostClick;
using testing::PostKey;
using testing::PostTyped;
using testing::OuterSize;
using testing::ThreadDialog;
using testing::ThreadDialogs;
using testing::Utf8;

using Owner = testing::DialogOwner;

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
        EXPECT_EQ(WindowText(JumpCombo()), u"");
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
                                 EXPECT_EQ(WindowText(JumpCombo()), c.typed);
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
                                 EXPECT_EQ(WindowText(JumpCombo()), typed);
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
                             EXPECT_EQ(WindowText(JumpCombo()), u"3");
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
                             EXPECT_EQ(WindowText(JumpCombo()), u"7");
                             EXPECT_FALSE(IsWindowEnabled(JumpOk()));
                             PostKey(JumpEdit(), VK_RETURN);
                         }});
    EXPECT_EQ(RunJumpDialog(owner.Handle(), 9), 6);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
}

// --- Text colour --------------------------------------------------------------------

HWND ColorDialogWindow() { return ThreadDialog(kColorDialogCaption); }
HWND ColorItem(int id) { return GetDlgItem(ColorDialogWindow(), id); }

// The text colour the dialog gives a label, as Windows asks for it.
COLORREF LabelColor(int id) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(ColorDialogWindow(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(ColorItem(id)));
    const COLORREF color = GetTextColor(dc);
    DeleteDC(dc);
    return color;
}

std::u16string SelectedListName() {
    HWND list = ColorItem(kColorListId);
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return u"(none)";
    wchar_t name[64] = {};
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name));
    return std::u16string(reinterpret_cast<const char16_t*>(name));
}

// A click on the list item of that name, scrolled into view first.
void ClickListItem(std::u16string_view name) {
    HWND list = ColorItem(kColorListId);
    const std::u16string owned(name);
    const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(owned.c_str()));
    ASSERT_NE(index, LB_ERR) << Utf8(name);
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    PostClick(list, item.left + 40, (item.top + item.bottom) / 2);
}

TEST(ColorDialog, ShowsTheWordsColourAboveWhenItIsValid) {
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    struct Case {
        std::u16string code;
        std::u16string upperText;
        std::u16string selected;
        COLORREF label;
    };
    const Case cases[] = {
        {u"#FF0000", u"#FF0000", u"Red", RGB(0xFF, 0, 0)},
        {u"#A6CAF0", u"#A6CAF0", u"Sky Blue", RGB(0xA6, 0xCA, 0xF0)},
        {u"#123456", u"#123456", u"(none)", RGB(0x12, 0x34, 0x56)},
        {u"", u"", u"(none)", windowText},
        {u"#ff0000", u"", u"(none)", windowText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.code));
        Owner owner;
        DialogScript script({[&] {
            ASSERT_TRUE(ColorDialogWindow());
            EXPECT_EQ(OuterSize(ColorDialogWindow()).cx, kColorDialogWidth);
            EXPECT_EQ(OuterSize(ColorDialogWindow()).cy, kColorDialogHeight);
            EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
            EXPECT_EQ(WindowText(ColorItem(kColorCurrentBoxId)), c.upperText);
            EXPECT_EQ(WindowText(ColorItem(kColorNewBoxId)), u"");
            EXPECT_EQ(Utf8(SelectedListName()), Utf8(c.selected));
            EXPECT_EQ(LabelColor(kColorCurrentLabelId), c.label);
            EXPECT_EQ(LabelColor(kColorNewLabelId), windowText);
            PostKey(ColorItem(kColorListId), VK_ESCAPE);
        }});
        EXPECT_EQ(RunColorDialog(owner.Handle(), c.code), std::nullopt);
        EXPECT_TRUE(script.RanToTheEnd());
        EXPECT_FALSE(script.LeftOpen());
    }
}

TEST(ColorDialog, AListClickAndOkStoreThatColourAndBlackAsEmpty) {
    struct Case {
        std::u16string name;
        COLORREF color;
        std::u16string stored;
    };
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const Case cases[] = {
        {u"Red", RGB(0xFF, 0, 0), u"#FF0000"},
        {u"Sky Blue", RGB(0xA6, 0xCA, 0xF0), u"#A6CAF0"},
        {u"Highlight", highlight, ColorToHexText(highlight)},
        {u"Black", RGB(0, 0, 0), u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.name));
        Owner owner;
        DialogScript script({[&] { ClickListItem(c.name); },
                             [&] {
                                 EXPECT_EQ(Utf8(SelectedListName()), Utf8(c.name));
                                 EXPECT_EQ(WindowText(ColorItem(kColorNewBoxId)), ColorToHexText(c.color));
                                 EXPECT_EQ(LabelColor(kColorNewLabelId), c.color);
                                 PostMessageW(ColorItem(IDOK), BM_CLICK, 0, 0);
                             }});
        EXPECT_EQ(RunColorDialog(owner.Handle(), u"#00FF00"), c.stored);
        EXPECT_TRUE(script.RanToTheEnd());
        EXPECT_FALSE(script.LeftOpen());
    }
}

TEST(ColorDialog, OkTakesTheLowerBoxAsTypedAndIgnoresAnInvalidCode) {
    struct Case {
        std::u16string typed;
        std::optional<std::u16string> stored;
    };
    const Case cases[] = {
        {u"#00FF00", u"#00FF00"},
        {u"", u""},
        {u"#000000", u""},
        {u"#00ff00", std::nullopt},
        {u"xyz", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.typed));
        Owner owner;
        DialogScript script({[&] {
                                 SetFocus(ColorItem(kColorNewBoxId));
                                 PostTyped(ColorItem(kColorNewBoxId), c.typed);
                             },
                             [&] {
                                 EXPECT_EQ(WindowText(ColorItem(kColorNewBoxId)), c.typed);
                                 PostKey(ColorItem(kColorNewBoxId), VK_RETURN);
                             }});
        EXPECT_EQ(RunColorDialog(owner.Handle(), u"#FF0000"), c.stored);
        EXPECT_TRUE(script.RanToTheEnd());
        EXPECT_FALSE(script.LeftOpen());
    }
}

TEST(ColorDialog, CancelStoresNothingAfterAChoice) {
    Owner owner;
    DialogScript script({[&] { ClickListItem(u"Blue"); },
                         [&] { PostMessageW(ColorItem(IDCANCEL), BM_CLICK, 0, 0); }});
    EXPECT_EQ(RunColorDialog(owner.Handle(), u"#FF0000"), std::nullopt);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
}

TEST(ColorDialog, TheCustomDialogStartsAtTheWordsColour) {
    struct Case {
        std::u16string code;
        std::u16string lowerText;
    };
    const Case cases[] = {
        {u"#123456", u"#123456"},
        // No colour of its own: the default text colour.
        {u"", ColorToHexText(GetSysColor(COLOR_WINDOWTEXT))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.code));
        Owner owner;
        DialogScript script({[&] { PostMessageW(ColorItem(kColorCustomId), BM_CLICK, 0, 0); },
                             // The platform's colour dialog, over ours: OK as it opened.
                             DialogScript::When([] { return ThreadDialogs().size() == 2; },
                                                [&] {
                                                    HWND chooser = nullptr;
                                                    for (HWND dialog : ThreadDialogs()) {
                                                        if (dialog != ColorDialogWindow()) chooser = dialog;
                                                    }
                                                    PostMessageW(GetDlgItem(chooser, IDOK), BM_CLICK, 0, 0);
                                                }),
                             DialogScript::When([] { return ThreadDialogs().size() == 1; },
                                                [&] {
                                                    EXPECT_EQ(WindowText(ColorItem(kColorNewBoxId)),
                                                              c.lowerText);
                                                    PostMessageW(ColorItem(IDOK), BM_CLICK, 0, 0);
                                                })});
        EXPECT_EQ(RunColorDialog(owner.Handle(), c.code),
                  ColorDialogModel::ColorToStore(c.lowerText));
        EXPECT_TRUE(script.RanToTheEnd());
        EXPECT_FALSE(script.LeftOpen());
    }
}

}  // namespace
}  // namespace tess
