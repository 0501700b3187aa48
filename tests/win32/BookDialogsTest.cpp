// The book dialogs shown for real under Wine and driven through their own
// message loops, over word books in a scratch folder: the group editor
// ("グループ名の編集") and the new-book dialog ("単語帳の新規作成") with the
// group editor over it and its save dialog.
#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "DialogScript.h"
#include "TempFolder.h"
#include "lib/win32/Win32Helpers.h"
#include "lib/TextFile.h"
#include "platform/win32/Win32Platform.h"
#include "settings/Settings.h"
#include "wordbook/BookDialogModels.h"
#include "wordbook/FakeWordBookPort.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordBooks.h"
#include "wordbook/win32/BookDialogs.h"

namespace tess {
namespace {

using testing::DialogScript;
using testing::PostKey;
using testing::PostTyped;
using testing::OuterSize;
using testing::ThreadDialog;
using testing::Utf8;

using Owner = testing::DialogOwner;

class QuietHost : public WordBookHost {
public:
    void CopyWordIntoAreas(const WordCopy&) override {}
    void FocusForeignArea() override {}
    void DialogShown() override {}
    void DialogClosed() override {}
    void WordActionsChanged() override {}
};

// Word books over a scratch folder: "Sys" holds GroupName.txt, "books" is the
// current word-book folder.
class BookWorld {
public:
    BookWorld() : books(platform, settings, {folder.At(u"Sys"), folder.At(u"books")}) {
        platform.CreateDirectories(SysFolder());
        platform.CreateDirectories(BookFolder());
        settings.AutoDoorFlg = false;
        books.Attach(port, host);
        books.SetUp(u"タイ語", 222, BookFolder(), folder.At(u"dic"));
    }
    std::u16string SysFolder() const { return folder.At(u"Sys"); }
    std::u16string BookFolder() const { return folder.At(u"books"); }
    std::u16string GroupFile() const { return SysFolder() + u"\\GroupName.txt"; }
    void PutGroups(const Lines& names) { ASSERT_TRUE(WriteAnsiLines(platform, GroupFile(), names)); }
    Lines GroupFileLines() { return ReadTextLines(platform, GroupFile()).value_or(Lines{}); }

    testing::TempFolder folder;
    Win32Platform platform;
    Settings settings;
    testing::FakeWordBookPort port;
    QuietHost host;
    WordBooks books;
};

HWND GroupEditor() { return ThreadDialog(kGroupNamesCaption); }
HWND GroupItem(int id) { return GetDlgItem(GroupEditor(), id); }
HWND NewBook() { return ThreadDialog(kNewBookCaption); }
HWND NewBookItem(int id) { return GetDlgItem(NewBook(), id); }
// The program's message boxes have the caption "Tessaline".
HWND MessageBoxWindow() { return ThreadDialog(u"Tessaline"); }
// The text of a message box (its static control 0xFFFF).
std::u16string MessageText() { return WindowText(GetDlgItem(MessageBoxWindow(), 0xFFFF)); }

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool ImeOpen(HWND control) {
    HIMC context = ImmGetContext(control);
    if (!context) return false;
    const bool open = ImmGetOpenStatus(context) != FALSE;
    ImmReleaseContext(control, context);
    return open;
}

std::u16string ListText(HWND list, int index) {
    wchar_t text[128] = {};
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// A click on a list box item, as the mouse gives it.
void ClickListItem(HWND list, int index) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    testing::PostClick(list, r.left + 5, (r.top + r.bottom) / 2);
}

std::u16string ComboText(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return u"(none)";
    wchar_t text[128] = {};
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// "追加", "挿入", "削除", "↑", "↓" enabled, as 1 and 0.
std::string GroupButtons() {
    std::string states;
    for (int id : {kGroupAddId, kGroupInsertId, kGroupDeleteId, kGroupUpId, kGroupDownId})
        states += IsWindowEnabled(GroupItem(id)) ? '1' : '0';
    return states;
}

// --- The group editor ------------------------------------------------------------------

TEST(GroupNamesDialog, ButtonsFollowTheNameAndTheSelectionAndUpdateWritesTheFile) {
    BookWorld world;
    world.PutGroups({u"旅行", u"食事", u"その他"});
    Owner owner;
    int saved = 0;
    DialogScript script({
        [&] {
            ASSERT_TRUE(GroupEditor());
            EXPECT_EQ(OuterSize(GroupEditor()).cx, kGroupNamesDialogWidth);
            EXPECT_EQ(OuterSize(GroupEditor()).cy, kGroupNamesDialogHeight);
            EXPECT_EQ(SendMessageW(GroupItem(kGroupListId), LB_GETCOUNT, 0, 0), 3);
            EXPECT_EQ(WindowText(GroupItem(kGroupCountId)), u"個数： 3個");
            EXPECT_EQ(GroupButtons(), "00000");
            EXPECT_EQ(GetFocus(), GroupItem(kGroupNameId));
            PostTyped(GroupItem(kGroupNameId), u" 買い物 ");
        },
        [&] {
            EXPECT_EQ(GroupButtons(), "10000");
            Click(GroupItem(kGroupAddId));
        },
        [&] {
            EXPECT_EQ(ListText(GroupItem(kGroupListId), 3), u"買い物");
            EXPECT_EQ(WindowText(GroupItem(kGroupCountId)), u"個数： 4個");
            ClickListItem(GroupItem(kGroupListId), 0);
        },
        [&] {
            EXPECT_EQ(GroupButtons(), "11101");  // the first: no "↑"
            Click(GroupItem(kGroupDownId));
        },
        [&] {
            EXPECT_EQ(ListText(GroupItem(kGroupListId), 1), u"旅行");
            EXPECT_EQ(SendMessageW(GroupItem(kGroupListId), LB_GETCURSEL, 0, 0), 1);
            EXPECT_EQ(GroupButtons(), "11111");
            Click(GroupItem(kGroupUpdateId));
        },
        DialogScript::When([] { return MessageBoxWindow() != nullptr; },
                           [&] {
                               EXPECT_EQ(MessageText(), u"グループ名リストを保存しました。");
                               EXPECT_EQ(saved, 1);  // the list refilled before the notice
                               PostMessageW(MessageBoxWindow(), WM_COMMAND, IDOK, 0);
                           }),
    });
    RunGroupNamesDialog(owner.Handle(), world.books, [&] { ++saved; });
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_EQ(world.GroupFileLines(), (Lines{u"食事", u"旅行", u"その他", u"買い物"}));
}

TEST(GroupNamesDialog, DeletingBelowTwoNamesWarnsAndCancelWritesNothing) {
    BookWorld world;
    world.PutGroups({u"旅行", u"その他"});
    Owner owner;
    DialogScript script({
        [&] { ClickListItem(GroupItem(kGroupListId), 1); },
        [&] {
            EXPECT_EQ(GroupButtons(), "01110");  // the last: no "↓"
            Click(GroupItem(kGroupDeleteId));
        },
        DialogScript::When([] { return MessageBoxWindow() != nullptr; },
                           [&] {
                               EXPECT_EQ(MessageText(), u"グループをゼロにすることはできません。");
                               PostMessageW(MessageBoxWindow(), WM_COMMAND, IDOK, 0);
                           }),
        DialogScript::When([] { return MessageBoxWindow() == nullptr; },
                           [&] {
                               EXPECT_EQ(SendMessageW(GroupItem(kGroupListId), LB_GETCOUNT, 0, 0), 2);
                               PostTyped(GroupItem(kGroupNameId), u"食事");
                           }),
        [&] { Click(GroupItem(kGroupInsertId)); },
        [&] {
            EXPECT_EQ(ListText(GroupItem(kGroupListId), 1), u"食事");
            PostKey(GroupItem(kGroupNameId), VK_ESCAPE);
        },
    });
    RunGroupNamesDialog(owner.Handle(), world.books, [] { ADD_FAILURE() << "saved"; });
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_EQ(world.GroupFileLines(), (Lines{u"旅行", u"その他"}));
}

// --- A new book --------------------------------------------------------------------------

// The common save dialog over the new-book dialog: the one shown dialog
// that is neither ours nor a message box.
HWND SaveDialog() {
    for (HWND dialog : testing::ThreadDialogs()) {
        if (dialog != NewBook() && dialog != GroupEditor() && dialog != MessageBoxWindow())
            return dialog;
    }
    return nullptr;
}

// The file name the save dialog offers (its focused box).
std::u16string OfferedName() {
    HWND focus = GetFocus();
    return focus && GetAncestor(focus, GA_ROOT) == SaveDialog() ? WindowText(focus) : u"(no focus)";
}

TEST(NewBookDialog, TheGroupEditorRefillsTheListAndEnterSavesTheBookUnderItsTitle) {
    BookWorld world;
    world.PutGroups({u"旅行", u"その他"});
    world.settings.LastGroup = u"食事";
    Owner owner;
    DialogScript script({
        [&] {
            ASSERT_TRUE(NewBook());
            EXPECT_EQ(OuterSize(NewBook()).cx, kNewBookDialogWidth);
            EXPECT_EQ(OuterSize(NewBook()).cy, kNewBookDialogHeight);
            EXPECT_EQ(GetFocus(), NewBookItem(kNewBookTitleId));
            EXPECT_TRUE(ImeOpen(NewBookItem(kNewBookTitleId)));  // hiragana
            EXPECT_FALSE(IsWindowEnabled(NewBookItem(kNewBookCreateId)));
            EXPECT_EQ(ComboText(NewBookItem(kNewBookGroupId)), u"(none)");  // not listed yet
            Click(NewBookItem(kNewBookEditGroupsId));
        },
        DialogScript::When([] { return GroupEditor() != nullptr; },
                           [&] { PostTyped(GroupItem(kGroupNameId), u"食事"); }),
        [&] { Click(GroupItem(kGroupAddId)); },
        [&] { Click(GroupItem(kGroupUpdateId)); },
        DialogScript::When([] { return MessageBoxWindow() != nullptr; },
                           [&] {
                               // Refilled under the notice: LastGroup is listed now.
                               EXPECT_EQ(SendMessageW(NewBookItem(kNewBookGroupId), CB_GETCOUNT, 0, 0), 3);
                               EXPECT_EQ(ComboText(NewBookItem(kNewBookGroupId)), u"食事");
                               PostMessageW(MessageBoxWindow(), WM_COMMAND, IDOK, 0);
                           }),
        DialogScript::When([] { return !GroupEditor() && !MessageBoxWindow(); },
                           [&] {
                               SetFocus(NewBookItem(kNewBookTitleId));
                               PostTyped(NewBookItem(kNewBookTitleId), u"  語彙 ");
                           }),
        [&] {
            EXPECT_TRUE(IsWindowEnabled(NewBookItem(kNewBookCreateId)));
            PostKey(NewBookItem(kNewBookTitleId), VK_RETURN);
        },
        DialogScript::When([] { return SaveDialog() != nullptr; },
                           [&] {
                               EXPECT_EQ(OfferedName(), u"語彙.utx");
                               PostMessageW(SaveDialog(), WM_COMMAND, IDOK, 0);
                           }),
    });
    RunNewBookDialog(owner.Handle(), world.books, world.settings);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_EQ(ReadWordBookLines(world.platform, world.BookFolder() + u"\\語彙.utx"),
              (Lines{u"語彙", u"食事", u""}));
    EXPECT_EQ(world.port.status[0], u"●タイトル：「語彙」");
}

TEST(NewBookDialog, EnterOutsideATitleAndCreateWithoutAGroupKeepTheDialogOpen) {
    BookWorld world;
    world.PutGroups({u"旅行", u"その他"});
    Owner owner;
    DialogScript script({
        [&] { PostTyped(NewBookItem(kNewBookTitleId), u"   "); },
        [&] {
            EXPECT_FALSE(IsWindowEnabled(NewBookItem(kNewBookCreateId)));
            PostKey(NewBookItem(kNewBookTitleId), VK_RETURN);
        },
        [&] {
            EXPECT_EQ(testing::ThreadDialogs().size(), 1u);  // no save dialog, no warning
            PostTyped(NewBookItem(kNewBookTitleId), u"本");
        },
        [&] {
            // Enter acts only in the title box.
            SetFocus(NewBookItem(kNewBookAudioId));
            PostKey(NewBookItem(kNewBookAudioId), VK_RETURN);
        },
        [&] {
            EXPECT_EQ(testing::ThreadDialogs().size(), 1u);
            EXPECT_FALSE(ImeOpen(NewBookItem(kNewBookAudioId)));  // off
            Click(NewBookItem(kNewBookCreateId));
        },
        DialogScript::When([] { return MessageBoxWindow() != nullptr; },
                           [&] {
                               EXPECT_EQ(MessageText(), u"いずれかのグループを指定して下さい。");
                               PostMessageW(MessageBoxWindow(), WM_COMMAND, IDOK, 0);
                           }),
        DialogScript::When([] { return MessageBoxWindow() == nullptr; },
                           [&] {
                               EXPECT_TRUE(IsWindowVisible(NewBook()));
                               PostMessageW(NewBook(), WM_COMMAND, IDCANCEL, 0);
                           }),
    });
    RunNewBookDialog(owner.Handle(), world.books, world.settings);
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_TRUE(testing::Snapshot(world.BookFolder()).empty());
}

}  // namespace
}  // namespace tess
