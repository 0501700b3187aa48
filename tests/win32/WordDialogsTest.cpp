// The four word dialogs shown for real under Wine over a book in a scratch
// folder, driven through their own message loops: registration ("単語登録")
// and edit ("単語編集") with the input route, the delete ("単語削除") and
// move ("単語移動") dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "DialogScript.h"
#include "TempFolder.h"
#include "app/win32/WordEntryDialogs.h"
#include "input/InputModes.h"
#include "input/SmallTables.h"
#include "platform/win32/Win32Platform.h"
#include "wordbook/FakeWordBookPort.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/win32/WordChangeDialogs.h"

namespace tess {
namespace {

using testing::DialogScript;
using testing::PostKey;
using testing::PostTyped;
using testing::ThreadDialog;
using testing::Utf8;

using Owner = testing::DialogOwner;

struct NoHost : WordBookHost {
    void CopyWordIntoAreas(const WordCopy&) override {}
    void FocusForeignArea() override {}
    void DialogShown() override {}
    void DialogClosed() override {}
    void WordActionsChanged() override {}
};

// The main window's areas.
struct Areas : InputAreaTexts {
    std::u16string foreign, phonetic;
    std::u16string AreaText(InputArea area) override {
        return area == InputArea::Foreign ? foreign : phonetic;
    }
    void SetAreaText(InputArea area, const std::u16string& text) override {
        (area == InputArea::Foreign ? foreign : phonetic) = text;
    }
};

WordEntry Word(const std::u16string& foreign) {
    return WordEntry{foreign, u"", u"", u"訳", u"", u"", u""};
}

// A book "b.utx" of `words` open in a scratch folder, and the input route
// with small tables ("k" gives ก at once).
class World {
public:
    explicit World(std::vector<WordEntry> words) {
        LoadDefaults(settings, platform);
        settings.InputMode = kModeThaiRomaji;
        settings.GaOneInpFlg = settings.PhOneInpFlg = true;
        settings.GaTriRevFlg = settings.PhTriRevFlg = false;
        WriteNewWordBook(platform, temp.At(u"b.utx"), u"本", u"", u"", words);
        books.Attach(port, host);
        books.SetUp(u"タイ語", 222, temp.Path(), temp.At(u"dic"));
        books.LoadWordBook(u"b.utx");
    }
    WordEntryDialogContext Context() {
        return WordEntryDialogContext{books, settings, input, fields, layouts, u"タイ語", 222, {}};
    }
    std::vector<WordEntry> FileEntries() {
        auto file = ReadWordBookFile(platform, temp.Path(), u"b.utx");
        return file ? file->book.entries : std::vector<WordEntry>{};
    }
    void Select(std::size_t row) {
        port.selectedRow = row;
        books.WordClicked();
    }

    testing::TempFolder temp;
    Win32Platform platform;
    Settings settings;
    testing::FakeWordBookPort port;
    NoHost host;
    WordBooks books{platform, settings, WordBookFolders{temp.Path(), temp.Path()}};
    InputTables tables = testing::SmallTables();
    EditFieldDirectory fields;
    KeyboardLayouts layouts{platform, settings};
    InputSession input{tables, settings, fields, fields, &layouts};
    Areas areas;
};

std::u16string TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

HWND Dialog(std::u16string_view caption) { return ThreadDialog(caption); }
HWND RegisterItem(int id) { return GetDlgItem(Dialog(kRegisterWordCaption), id); }
HWND EditItem(int id) { return GetDlgItem(Dialog(kEditWordCaption), id); }

// --- Registration -------------------------------------------------------------------------

TEST(RegisterWordDialog, TriggerKeysInItsFieldsAndF4FromAnyFieldAddsAtTheEnd) {
    RememberedEntryDialogPlaces() = {};
    World world({Word(u"1"), Word(u"2")});
    world.areas.foreign = u"ก\r\nข";
    world.areas.phonetic = u"kʰa";
    Owner owner;
    HWND foreignAtShow = nullptr;
    DialogScript script({[&] {
                             HWND dialog = Dialog(kRegisterWordCaption);
                             ASSERT_TRUE(dialog);
                             const RECT rect = WindowRect(dialog);
                             EXPECT_EQ(rect.right - rect.left, kEntryDialogWidth);
                             EXPECT_EQ(rect.bottom - rect.top, kEntryDialogHeight);
                             // RegCopyFlg: the areas came along, the kana field is focused.
                             EXPECT_EQ(Utf8(TextOf(RegisterItem(kEntryForeignId))), "ก#$0Dข");
                             EXPECT_EQ(Utf8(TextOf(RegisterItem(kEntryPhoneticId))), "kʰa");
                             EXPECT_EQ(GetFocus(), RegisterItem(kEntryKanaId));
                             EXPECT_EQ(TextOf(RegisterItem(kRegisterNumbersId)), u" 1");
                             foreignAtShow = RegisterItem(kEntryForeignId);
                             // The route finds the dialog's fields while it is open.
                             EXPECT_TRUE(world.fields.Find(FieldId::RegisterForeign));
                             SetWindowTextW(RegisterItem(kEntryForeignId), L"");
                             SetFocus(RegisterItem(kEntryForeignId));
                             PostTyped(RegisterItem(kEntryForeignId), u"xk");
                         },
                         [&] {
                             EXPECT_EQ(Utf8(TextOf(RegisterItem(kEntryForeignId))), "xก");
                             SetFocus(RegisterItem(kEntryPhoneticId));
                             SendMessageW(RegisterItem(kEntryPhoneticId), EM_SETSEL, 3, 3);
                             PostTyped(RegisterItem(kEntryPhoneticId), u"A");
                             SetFocus(RegisterItem(kEntryJapaneseId));
                             PostTyped(RegisterItem(kEntryJapaneseId), u"水");
                             SetFocus(RegisterItem(kEntryAudioId));
                             PostTyped(RegisterItem(kEntryAudioId), u" a.mp3 ");
                         },
                         [&] {
                             EXPECT_EQ(Utf8(TextOf(RegisterItem(kEntryPhoneticId))), "kʰaɑ");
                             PostKey(RegisterItem(kEntryAudioId), VK_F4);
                         }});
    EXPECT_TRUE(RunRegisterWordDialog(owner.Handle(), world.Context(), world.areas));
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());

    const std::vector<WordEntry> entries = world.FileEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(Utf8(WordEntryLine(entries[2])), R"("xก","kʰaɑ","","水",""," a.mp3 ","")");
    EXPECT_EQ(world.port.selectedRow, 2u);
    EXPECT_EQ(world.areas.foreign, u"");  // RegClearFlg
    EXPECT_EQ(world.fields.Find(FieldId::RegisterForeign), nullptr);
    EXPECT_FALSE(IsWindow(foreignAtShow));
}

TEST(RegisterWordDialog, AnEmptyBookOffersNoNumberAndInsertGoesAboveTheChosenOne) {
    {
        World empty({});
        Owner owner;
        DialogScript script({[&] {
            EXPECT_FALSE(IsWindowEnabled(RegisterItem(kRegisterNumbersId)));
            EXPECT_FALSE(IsWindowEnabled(RegisterItem(kRegisterInsertId)));
            EXPECT_TRUE(IsWindowEnabled(RegisterItem(kRegisterAddId)));
            PostKey(RegisterItem(kEntryKanaId), VK_ESCAPE);
        }});
        EXPECT_FALSE(RunRegisterWordDialog(owner.Handle(), empty.Context(), empty.areas));
        EXPECT_TRUE(script.RanToTheEnd());
    }
    World world({Word(u"1"), Word(u"2"), Word(u"3")});
    world.settings.RegCopyFlg = false;
    world.settings.RegClearFlg = false;
    world.areas.foreign = u"memo";
    Owner owner;
    DialogScript script({[&] {
                             EXPECT_EQ(GetFocus(), RegisterItem(kEntryForeignId));
                             EXPECT_EQ(TextOf(RegisterItem(kEntryForeignId)), u"");
                             PostTyped(RegisterItem(kEntryForeignId), u"new");
                             SendMessageW(RegisterItem(kRegisterNumbersId), CB_SETCURSEL, 1, 0);
                         },
                         [&] { PostMessageW(RegisterItem(kRegisterInsertId), BM_CLICK, 0, 0); }});
    EXPECT_TRUE(RunRegisterWordDialog(owner.Handle(), world.Context(), world.areas));
    EXPECT_TRUE(script.RanToTheEnd());
    std::u16string order;
    for (const WordEntry& e : world.FileEntries()) order += e.foreignWord + u" ";
    EXPECT_EQ(Utf8(order), "1 new 2 3 ");
    EXPECT_EQ(world.areas.foreign, u"memo");
}

TEST(RegisterWordDialog, WiderFieldsAndTheRememberedPlace) {
    RememberedEntryDialogPlaces() = {};
    World world({Word(u"1")});
    Owner owner;
    RECT first{}, field{}, play{}, wide{};
    DialogScript script({[&] {
                             HWND dialog = Dialog(kRegisterWordCaption);
                             first = WindowRect(dialog);
                             field = WindowRect(RegisterItem(kEntryJapaneseId));
                             play = WindowRect(RegisterItem(kEntryPlayId));
                             // Wider and higher: only the width takes; narrower than 640 never.
                             SetWindowPos(dialog, nullptr, 20, 30, 800, 600, SWP_NOZORDER);
                         },
                         [&] {
                             wide = WindowRect(Dialog(kRegisterWordCaption));
                             EXPECT_EQ(wide.right - wide.left, 800);
                             EXPECT_EQ(wide.bottom - wide.top, kEntryDialogHeight);
                             const int grow = 800 - kEntryDialogWidth;
                             // Fields keep their left edge and stretch; the audio
                             // buttons keep their size and follow the right edge.
                             const RECT widerField = WindowRect(RegisterItem(kEntryJapaneseId));
                             const RECT movedPlay = WindowRect(RegisterItem(kEntryPlayId));
                             EXPECT_EQ(widerField.left - wide.left, field.left - first.left);
                             EXPECT_EQ(widerField.right - widerField.left,
                                       field.right - field.left + grow);
                             EXPECT_EQ(movedPlay.left - wide.left, play.left - first.left + grow);
                             EXPECT_EQ(movedPlay.right - movedPlay.left, play.right - play.left);
                             SetWindowPos(Dialog(kRegisterWordCaption), nullptr, 0, 0, 300, 200,
                                          SWP_NOZORDER | SWP_NOMOVE);
                         },
                         [&] {
                             const RECT narrow = WindowRect(Dialog(kRegisterWordCaption));
                             EXPECT_EQ(narrow.right - narrow.left, kEntryDialogWidth);
                             EXPECT_EQ(narrow.bottom - narrow.top, kEntryDialogHeight);
                             SetWindowPos(Dialog(kRegisterWordCaption), nullptr, 0, 0, 700, 420,
                                          SWP_NOZORDER | SWP_NOMOVE);
                             PostKey(RegisterItem(kEntryKanaId), VK_ESCAPE);
                         }});
    RunRegisterWordDialog(owner.Handle(), world.Context(), world.areas);
    EXPECT_TRUE(script.RanToTheEnd());
    ASSERT_TRUE(RememberedEntryDialogPlaces().registration);
    EXPECT_FALSE(RememberedEntryDialogPlaces().edit);

    // Opened again: where it was left, 700 wide; the edit dialog still
    // opens 640 wide, centred.
    DialogScript again({[&] {
        const RECT rect = WindowRect(Dialog(kRegisterWordCaption));
        EXPECT_EQ(rect.left, wide.left);
        EXPECT_EQ(rect.top, wide.top);
        EXPECT_EQ(rect.right - rect.left, 700);
        PostKey(RegisterItem(kEntryKanaId), VK_ESCAPE);
    }});
    RunRegisterWordDialog(owner.Handle(), world.Context(), world.areas);
    EXPECT_TRUE(again.RanToTheEnd());
    DialogScript edit({[&] {
        const RECT rect = WindowRect(Dialog(kEditWordCaption));
        EXPECT_EQ(rect.left, first.left);
        EXPECT_EQ(rect.right - rect.left, kEntryDialogWidth);
        PostKey(EditItem(kEntryNoteId), VK_ESCAPE);
    }});
    RunEditWordDialog(owner.Handle(), world.Context());
    EXPECT_TRUE(edit.RanToTheEnd());
}

// --- Edit ---------------------------------------------------------------------------------

TEST(EditWordDialog, ShowsTheNotesLinesAndF4WritesKeepingTheColour) {
    RememberedEntryDialogPlaces() = {};
    World world({Word(u"1"), WordEntry{u"2", u"p", u"カ", u"二", u"一#$0D二", u"a.mp3", u"#FF0000"}});
    world.Select(1);
    Owner owner;
    DialogScript script({[&] {
                             HWND note = EditItem(kEntryNoteId);
                             EXPECT_EQ(Utf8(TextOf(note)), "一\r\n二");
                             EXPECT_EQ(GetFocus(), note);
                             DWORD start = 0, end = 0;
                             SendMessageW(note, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                          reinterpret_cast<LPARAM>(&end));
                             EXPECT_EQ(start, 4u);
                             EXPECT_EQ(end, 4u);
                             // Enter as the keyboard brings it: the key, then its character.
                             PostKey(note, VK_RETURN);
                             PostTyped(note, u"\r三");
                         },
                         [&] {
                             // Enter in the note is a line; F4 applies.
                             EXPECT_TRUE(IsWindow(EditItem(kEntryNoteId)));
                             SetFocus(EditItem(kEntryForeignId));
                             SendMessageW(EditItem(kEntryForeignId), EM_SETSEL, 1, 1);
                             PostTyped(EditItem(kEntryForeignId), u"k");
                         },
                         [&] { PostKey(EditItem(kEntryForeignId), VK_F4); }});
    EXPECT_TRUE(RunEditWordDialog(owner.Handle(), world.Context()));
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_FALSE(script.LeftOpen());
    EXPECT_EQ(Utf8(WordEntryLine(world.FileEntries()[1])),
              R"("2ก","p","カ","二","一#$0D二#$0D三","a.mp3","#FF0000")");
    EXPECT_TRUE(RememberedEntryDialogPlaces().edit);
}

// --- Delete and move ----------------------------------------------------------------------

HWND ChangeItem(std::u16string_view caption, int id) { return GetDlgItem(Dialog(caption), id); }

COLORREF BoxColor(std::u16string_view caption, int id, bool text) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(1, 2, 3));
    SendMessageW(Dialog(caption), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(ChangeItem(caption, id)));
    const COLORREF color = text ? GetTextColor(dc) : GetBkColor(dc);
    DeleteDC(dc);
    return color;
}

TEST(DeleteWordDialog, ShowsTheWordWithTheFocusOnCancelAndDeletes) {
    World world({Word(u"1"), WordEntry{u"ข", u"", u"", u"卵", u"", u"", u""}, Word(u"3")});
    world.Select(1);
    Owner owner;
    DialogScript script({[&] {
                             EXPECT_EQ(TextOf(ChangeItem(kDeleteWordCaption, kDeleteNumberBoxId)), u"2");
                             EXPECT_EQ(Utf8(TextOf(ChangeItem(kDeleteWordCaption, kDeleteForeignBoxId))), "ข");
                             EXPECT_EQ(TextOf(ChangeItem(kDeleteWordCaption, kDeleteJapaneseBoxId)), u"卵");
                             EXPECT_EQ(GetFocus(), ChangeItem(kDeleteWordCaption, IDCANCEL));
                             EXPECT_EQ(BoxColor(kDeleteWordCaption, kDeleteNumberBoxId, true),
                                       RGB(0xFF, 0xFF, 0xFF));
                             EXPECT_EQ(BoxColor(kDeleteWordCaption, kDeleteNumberBoxId, false),
                                       RGB(0x80, 0x80, 0x80));
                             PostMessageW(ChangeItem(kDeleteWordCaption, kDeleteButtonId), BM_CLICK, 0, 0);
                         }});
    EXPECT_TRUE(RunDeleteWordDialog(owner.Handle(), world.books, u"タイ語"));
    EXPECT_TRUE(script.RanToTheEnd());
    EXPECT_EQ(world.FileEntries().size(), 2u);

    // Enter on the focused "ｷｬﾝｾﾙ" deletes nothing.
    world.Select(0);
    DialogScript cancel({[&] { PostKey(ChangeItem(kDeleteWordCaption, IDCANCEL), VK_RETURN); }});
    EXPECT_FALSE(RunDeleteWordDialog(owner.Handle(), world.books, u"タイ語"));
    EXPECT_TRUE(cancel.RanToTheEnd());
    EXPECT_FALSE(cancel.LeftOpen());
    EXPECT_EQ(world.FileEntries().size(), 2u);
}

HWND MoveComboEdit() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(ChangeItem(kMoveWordCaption, kMoveComboId), &info);
    return info.hwndItem;
}

TEST(MoveWordDialog, PickingEnablesMoveAndATypedNumberGoesByEnter) {
    World world({Word(u"1"), Word(u"2"), Word(u"3"), Word(u"4"), Word(u"5")});
    world.Select(1);
    Owner owner;
    DialogScript script({[&] {
                             HWND combo = ChangeItem(kMoveWordCaption, kMoveComboId);
                             EXPECT_EQ(TextOf(ChangeItem(kMoveWordCaption, kMoveSourceBoxId)), u"2");
                             EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
                             EXPECT_EQ(TextOf(combo), u"");
                             EXPECT_FALSE(IsWindowEnabled(ChangeItem(kMoveWordCaption, kMoveButtonId)));
                             EXPECT_EQ(GetFocus(), MoveComboEdit());
                             for (int i = 0; i < 4; ++i) PostKey(MoveComboEdit(), VK_DOWN);
                         },
                         [&] {
                             EXPECT_EQ(TextOf(ChangeItem(kMoveWordCaption, kMoveComboId)), u"5");
                             EXPECT_TRUE(IsWindowEnabled(ChangeItem(kMoveWordCaption, kMoveButtonId)));
                             PostMessageW(ChangeItem(kMoveWordCaption, kMoveButtonId), BM_CLICK, 0, 0);
                         }});
    EXPECT_TRUE(RunMoveWordDialog(owner.Handle(), world.books));
    EXPECT_TRUE(script.RanToTheEnd());
    std::u16string order;
    for (const WordEntry& e : world.FileEntries()) order += e.foreignWord;
    EXPECT_EQ(Utf8(order), "13425");

    // Word 5 typed above 2 (Enter); a typed 9 first does nothing.
    world.Select(4);
    DialogScript typed({[&] { PostTyped(MoveComboEdit(), u"9"); },
                        [&] {
                            EXPECT_FALSE(IsWindowEnabled(ChangeItem(kMoveWordCaption, kMoveButtonId)));
                            PostKey(MoveComboEdit(), VK_RETURN);
                        },
                        [&] {
                            EXPECT_TRUE(Dialog(kMoveWordCaption));
                            SendMessageW(MoveComboEdit(), EM_SETSEL, 0, -1);
                            PostTyped(MoveComboEdit(), u"2");
                            PostKey(MoveComboEdit(), VK_RETURN);
                        }});
    EXPECT_TRUE(RunMoveWordDialog(owner.Handle(), world.books));
    EXPECT_TRUE(typed.RanToTheEnd());
    EXPECT_FALSE(typed.LeftOpen());
    order.clear();
    for (const WordEntry& e : world.FileEntries()) order += e.foreignWord;
    EXPECT_EQ(Utf8(order), "15342");
}

}  // namespace
}  // namespace tess
