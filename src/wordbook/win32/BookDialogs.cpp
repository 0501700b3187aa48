#include "wordbook/win32/BookDialogs.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "lib/win32/GdiHandle.h"
#include "lib/win32/FolderBrowser.h"
#include "lib/win32/Win32Helpers.h"
#include "wordbook/BookDialogModels.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 26;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;

// --- Pieces the dialogs share --------------------------------------------------------------

HWND Label(HWND dialog, std::u16string_view text, int x, int y, int width, int id = -1) {
    return AddDialogControl(dialog, L"STATIC", text, kLabel, id, x, y, width, 16);
}

HWND Edit(HWND dialog, int id, std::u16string_view text, int x, int y, int width,
          DWORD extra = 0) {
    return AddDialogControl(dialog, L"EDIT", text, ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP | extra,
                            id, x, y, width, 22);
}

HWND Button(HWND dialog, int id, std::u16string_view caption, int x, int y,
            int width = kButtonWidth, DWORD extra = 0) {
    return AddDialogControl(dialog, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP | extra, id, x,
                            y, width, kButtonHeight);
}

// A drop-down list whose list shows `items` items at once (Common Controls
// 6 takes the count; older ones the window's height).
HWND GroupList(HWND dialog, int id, int x, int y, int width) {
    HWND combo = AddDialogControl(dialog, WC_COMBOBOXW, u"",
                                  CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, id, x, y,
                                  width, 200);
    SendMessageW(combo, CB_SETMINVISIBLE, kGroupDropDownItems, 0);
    const int field = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(combo, nullptr, 0, 0, width,
                 field + 2 * GetSystemMetrics(SM_CYEDGE) + item * kGroupDropDownItems + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return combo;
}

void ShowGroups(HWND combo, const GroupChoices& groups) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : groups.names)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
    SendMessageW(combo, CB_SETCURSEL,
                 groups.selected ? static_cast<WPARAM>(*groups.selected) : static_cast<WPARAM>(-1), 0);
}

std::optional<std::size_t> SelectedIndex(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void CaretToEnd(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, length, length);
}

// The focus goes to `control` as the dialog manager moves it (the default
// button follows a focused push button).
void FocusControl(HWND dialog, HWND control) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

// The input method follows the focus: the thread's input context is shared,
// so each field sets it as it gets the focus.
void ApplyImeOnFocus(HWND control, int code, ImeMode mode) {
    if (code == EN_SETFOCUS || code == CBN_SETFOCUS) SetImeMode(control, mode);
}

// The folder browser (new style) over `owner`; nothing when cancelled.
std::optional<std::u16string> BrowseForFolder(HWND owner, const std::u16string& start) {
    return ::tess::BrowseForFolder(owner, kBrowseFolderPrompt, start);
}

// The save dialog of a new book; nothing when cancelled. It does not ask
// about an existing file itself: the model does, in Japanese.
std::optional<std::u16string> AskBookPath(HWND owner, const std::u16string& folder,
                                          const std::u16string& fileName) {
    std::u16string filter = kBookFileFilter;
    for (char16_t& c : filter)
        if (c == u'|') c = u'\0';
    filter += u'\0';  // the list ends with two
    std::vector<wchar_t> path(32768, L'\0');
    fileName.copy(reinterpret_cast<char16_t*>(path.data()), path.size() - 1);
    const std::u16string extension = kBookFileExtension;
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = W(filter);
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = W(folder);
    dialog.lpstrDefExt = W(extension);
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                   OFN_ENABLESIZING;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()));
}

// Disables a control; the focus it had moves to `heir` first.
void EnableKeepingFocus(HWND dialog, HWND control, bool enabled, HWND heir) {
    if (!enabled && GetFocus() == control) FocusControl(dialog, heir);
    EnableWindow(control, enabled);
}

// --- A new book ----------------------------------------------------------------------------

struct NewBookDialog {
    NewBookDialog(WordBooks& books, Settings& settings) : books(books), model(books, settings) {}
    WordBooks& books;
    NewBookDialogModel model;
    HWND title = nullptr, groups = nullptr, audio = nullptr, create = nullptr;
    GdiHandle<HFONT> boldFont;
};

void CreateNewBookControls(HWND dialog, NewBookDialog& state) {
    HWND headline = Label(dialog, u"・タイトルとグループを指定し、「作成」ボタンを押して下さい。",
                          16, 14, 440);
    state.boldFont.Reset(CreatePointFont(u"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, 9, true));
    SendMessageW(headline, WM_SETFONT, reinterpret_cast<WPARAM>(state.boldFont.get()), FALSE);

    Label(dialog, u"■タイトル：", 16, 47, 88);
    state.title = Edit(dialog, kNewBookTitleId, u"", 106, 44, 350);
    Label(dialog, u"■グループ：", 16, 81, 88);
    state.groups = GroupList(dialog, kNewBookGroupId, 106, 78, 200);
    Button(dialog, kNewBookEditGroupsId, u"グループ名編集", 316, 77, 140);
    Label(dialog, u"■音声ﾌｫﾙﾀﾞ：", 16, 115, 88);
    state.audio = Edit(dialog, kNewBookAudioId, u"", 106, 112, 270);
    Button(dialog, kNewBookBrowseId, u"参照", 384, 111, 72);

    Label(dialog, u"※1 「作成」ボタンを押すとファイル名を指定する画面が出ます。", 16, 150, 440);
    Label(dialog, u"※2 グループは単語帳メニュー内で、隣接表示するためのものです。", 16, 170, 440);
    Label(dialog, u"※3 音声フォルダは、特定フォルダに音声ファイルを置く場合に用います。", 16, 190,
          440);
    Label(dialog, u"指定しない場合カレントの単語帳フォルダが音声フォルダになります。", 38, 208, 418);

    state.create = Button(dialog, kNewBookCreateId, u"作　成", 256, 246, kButtonWidth,
                          WS_GROUP | WS_DISABLED);
    Button(dialog, IDCANCEL, u"ｷｬﾝｾﾙ", 360, 246);
}

void RunCreateStep(HWND dialog, NewBookDialog& state) {
    const std::optional<NewBookDialogModel::SaveOffer> offer = state.model.CreatePressed(
        WindowText(state.title), SelectedIndex(state.groups), WindowText(state.audio));
    if (!offer) return;
    std::u16string folder = offer->folder, fileName = offer->fileName;
    for (;;) {
        const std::optional<std::u16string> path = AskBookPath(dialog, folder, fileName);
        if (!path) return;
        switch (state.model.PathChosen(*path)) {
            case NewBookDialogModel::SaveResult::Created: EndDialog(dialog, IDOK); return;
            case NewBookDialogModel::SaveResult::Failed: return;
            case NewBookDialogModel::SaveResult::Declined: {
                // Another name, starting where the user was.
                const std::size_t slash = path->rfind(u'\\');
                folder = slash == std::u16string::npos ? folder : path->substr(0, slash);
                fileName = slash == std::u16string::npos ? *path : path->substr(slash + 1);
                break;
            }
        }
    }
}

INT_PTR CALLBACK NewBookDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    NewBookDialog* state = DialogState<NewBookDialog>(dialog, message, lParam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kNewBookDialogWidth, kNewBookDialogHeight);
            CreateNewBookControls(dialog, *state);
            ShowGroups(state->groups, state->model.Groups());
            FocusControl(dialog, state->title);
            return FALSE;  // the focus is set
        case WM_COMMAND: {
            const int code = HIWORD(wParam);
            switch (LOWORD(wParam)) {
                case kNewBookTitleId:
                    ApplyImeOnFocus(state->title, code, ImeMode::Hiragana);
                    if (code == EN_CHANGE) {
                        state->model.TitleChanged(WindowText(state->title));
                        EnableWindow(state->create, state->model.CreateEnabled());
                    }
                    return TRUE;
                case kNewBookGroupId:
                    ApplyImeOnFocus(state->groups, code, ImeMode::Hiragana);
                    if (code == CBN_SELCHANGE) state->model.GroupPicked(SelectedIndex(state->groups));
                    return TRUE;
                case kNewBookAudioId:
                    ApplyImeOnFocus(state->audio, code, ImeMode::Closed);
                    return TRUE;
                case kNewBookEditGroupsId:
                    RunGroupNamesDialog(dialog, state->books, [state] {
                        state->model.RefillGroups();
                        ShowGroups(state->groups, state->model.Groups());
                    });
                    return TRUE;
                case kNewBookBrowseId:
                    if (auto folder = BrowseForFolder(dialog, state->model.BrowseStart())) {
                        SetWindowTextW(state->audio, W(*folder));
                        FocusControl(dialog, state->audio);
                        CaretToEnd(state->audio);
                    }
                    return TRUE;
                case kNewBookCreateId:
                    RunCreateStep(dialog, *state);
                    return TRUE;
                case IDOK:
                    // Enter: it acts as "作　成" in the title box only.
                    if (GetFocus() == state->title && state->model.EnterCreates())
                        RunCreateStep(dialog, *state);
                    return TRUE;
            }
            break;
        }
    }
    return FALSE;
}

// --- Deleting the open book ----------------------------------------------------------------

struct DeleteBookDialog {
    explicit DeleteBookDialog(WordBooks& books) : model(books) {}
    DeleteBookDialogModel model;
};

INT_PTR CALLBACK DeleteBookDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DeleteBookDialog* state = DialogState<DeleteBookDialog>(dialog, message, lParam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG: {
            PlaceDialog(dialog, kDeleteBookDialogWidth, kDeleteBookDialogHeight);
            Label(dialog, u"※以下の単語帳を削除しますがよろしいですか？", 16, 16, 440);
            Label(dialog, u"■タイトル：", 16, 51, 98);
            Edit(dialog, kDeleteBookTitleId, state->model.Title(), 116, 48, 340, ES_READONLY);
            Label(dialog, u"■ファイル名：", 16, 83, 98);
            Edit(dialog, kDeleteBookFileId, state->model.FileName(), 116, 80, 340, ES_READONLY);
            Button(dialog, kDeleteBookOkId, u"OK", 256, 124, kButtonWidth, WS_GROUP);
            HWND cancel = Button(dialog, IDCANCEL, u"ｷｬﾝｾﾙ", 360, 124);
            // Enter alone never deletes a book.
            FocusControl(dialog, cancel);
            return FALSE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kDeleteBookOkId:
                    if (state->model.OkCloses()) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDOK:
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

// --- The open book's properties ------------------------------------------------------------

struct PropertiesDialog {
    explicit PropertiesDialog(WordBooks& books) : model(books) {}
    BookPropertiesDialogModel model;
    HWND title = nullptr, groups = nullptr, audio = nullptr;
};

void CreatePropertiesControls(HWND dialog, PropertiesDialog& state) {
    Label(dialog, u"・カレントの単語帳の属性を変更できます。", 16, 14, 440);
    Label(dialog, u"（タイトルを変更する場合は、重複しないように気をつけて下さい）", 16, 32, 440);
    Label(dialog, u"■タイトル：", 16, 65, 88);
    state.title = Edit(dialog, kPropertiesTitleId, state.model.Title(), 106, 62, 350);
    Label(dialog, u"■グループ：", 16, 99, 88);
    state.groups = GroupList(dialog, kPropertiesGroupId, 106, 96, 200);
    Label(dialog, u"■音声ﾌｫﾙﾀﾞ：", 16, 133, 88);
    state.audio = Edit(dialog, kPropertiesAudioId, state.model.AudioFolder(), 106, 130, 270);
    CaretToEnd(state.audio);
    Button(dialog, kPropertiesBrowseId, u"参照", 384, 129, 72);
    Label(dialog, u"※音声フォルダを空欄にすると単語帳フォルダが音声フォルダになります。", 16, 168,
          440);
    Button(dialog, kPropertiesChangeId, u"変更", 256, 204, kButtonWidth, WS_GROUP);
    HWND cancel = Button(dialog, IDCANCEL, u"ｷｬﾝｾﾙ", 360, 204);
    ShowGroups(state.groups, state.model.Groups());
    FocusControl(dialog, cancel);
}

INT_PTR CALLBACK PropertiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    PropertiesDialog* state = DialogState<PropertiesDialog>(dialog, message, lParam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kBookPropertiesDialogWidth, kBookPropertiesDialogHeight);
            CreatePropertiesControls(dialog, *state);
            return FALSE;  // the focus is set
        case WM_COMMAND: {
            const int code = HIWORD(wParam);
            switch (LOWORD(wParam)) {
                case kPropertiesTitleId:
                    ApplyImeOnFocus(state->title, code, ImeMode::Hiragana);
                    return TRUE;
                case kPropertiesGroupId:
                    ApplyImeOnFocus(state->groups, code, ImeMode::Hiragana);
                    return TRUE;
                case kPropertiesAudioId:
                    ApplyImeOnFocus(state->audio, code, ImeMode::Closed);
                    return TRUE;
                case kPropertiesBrowseId:
                    if (auto folder = BrowseForFolder(dialog, state->model.BrowseStart())) {
                        SetWindowTextW(state->audio, W(*folder));
                        CaretToEnd(state->audio);
                    }
                    return TRUE;
                case kPropertiesChangeId:
                    if (state->model.ChangePressed(WindowText(state->title),
                                                   SelectedIndex(state->groups),
                                                   WindowText(state->audio)))
                        EndDialog(dialog, IDOK);
                    return TRUE;
                case IDOK:
                    return TRUE;  // Enter in a box changes nothing
            }
            break;
        }
    }
    return FALSE;
}

// --- The group names -----------------------------------------------------------------------

struct GroupNamesDialog {
    GroupNamesDialog(WordBooks& books, const std::function<void()>& saved)
        : books(books), saved(saved), model(books.StoredGroupNames()) {}
    WordBooks& books;
    const std::function<void()>& saved;
    GroupNamesDialogModel model;
    HWND name = nullptr, list = nullptr, count = nullptr;
    HWND add = nullptr, insert = nullptr, remove = nullptr, up = nullptr, down = nullptr;
};

void CreateGroupNamesControls(HWND dialog, GroupNamesDialog& state) {
    Label(dialog, u"※グループ名の追加、挿入、削除", 16, 14, 300);
    Label(dialog, u"順番の変更ができます。", 16, 32, 300);
    Label(dialog, u"■グループ名：", 16, 58, 200);
    state.name = Edit(dialog, kGroupNameId, u"", 16, 78, 220);
    state.list = AddDialogControl(dialog, L"LISTBOX", u"",
                                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
                                      WS_GROUP,
                                  kGroupListId, 16, 108, 220, 160);
    constexpr int x = 248, width = 88;
    state.add = Button(dialog, kGroupAddId, u"追加", x, 77, width, WS_GROUP | WS_DISABLED);
    state.insert = Button(dialog, kGroupInsertId, u"挿入", x, 109, width, WS_DISABLED);
    state.remove = Button(dialog, kGroupDeleteId, u"削除", x, 141, width, WS_DISABLED);
    state.up = Button(dialog, kGroupUpId, u"↑", x, 181, width, WS_DISABLED);
    state.down = Button(dialog, kGroupDownId, u"↓", x, 213, width, WS_DISABLED);
    state.count = Label(dialog, u"", 16, 276, 220, kGroupCountId);
    Label(dialog, u"※個数は最少2個, 最大30個です。", x, 250, 210);
    Button(dialog, kGroupUpdateId, u"更新", 256, 276, kButtonWidth, WS_GROUP);
    Button(dialog, IDCANCEL, u"ｷｬﾝｾﾙ", 360, 276);
}

void ShowGroupButtons(HWND dialog, GroupNamesDialog& state) {
    const GroupNamesDialogModel::Buttons buttons = state.model.ButtonStates();
    const std::pair<HWND, bool> states[] = {{state.add, buttons.add},
                                            {state.insert, buttons.insert},
                                            {state.remove, buttons.remove},
                                            {state.up, buttons.up},
                                            {state.down, buttons.down}};
    for (const auto& [button, enabled] : states)
        EnableKeepingFocus(dialog, button, enabled, state.list);
}

void ShowGroupNames(HWND dialog, GroupNamesDialog& state) {
    SendMessageW(state.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(state.list, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& name : state.model.Names())
        SendMessageW(state.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(W(name)));
    const std::optional<std::size_t> selected = state.model.Selected();
    SendMessageW(state.list, LB_SETCURSEL,
                 selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
    SendMessageW(state.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(state.list, nullptr, TRUE);
    SetWindowTextW(state.count, W(state.model.CountText()));
    ShowGroupButtons(dialog, state);
}

INT_PTR CALLBACK GroupNamesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    GroupNamesDialog* state = DialogState<GroupNamesDialog>(dialog, message, lParam);
    if (!state) return FALSE;
    switch (message) {
        case WM_INITDIALOG:
            PlaceDialog(dialog, kGroupNamesDialogWidth, kGroupNamesDialogHeight);
            CreateGroupNamesControls(dialog, *state);
            ShowGroupNames(dialog, *state);
            FocusControl(dialog, state->name);
            return FALSE;  // the focus is set
        case WM_COMMAND: {
            const int code = HIWORD(wParam);
            bool changed = false;
            switch (LOWORD(wParam)) {
                case kGroupNameId:
                    ApplyImeOnFocus(state->name, code, ImeMode::Hiragana);
                    if (code == EN_CHANGE) {
                        state->model.NameTyped(WindowText(state->name));
                        ShowGroupButtons(dialog, *state);
                    }
                    return TRUE;
                case kGroupListId:
                    if (code == LBN_SELCHANGE) {
                        const LRESULT index = SendMessageW(state->list, LB_GETCURSEL, 0, 0);
                        state->model.NameClicked(
                            index < 0 ? std::nullopt
                                      : std::optional<std::size_t>(static_cast<std::size_t>(index)));
                        ShowGroupButtons(dialog, *state);
                    }
                    return TRUE;
                case kGroupAddId: changed = state->model.AddPressed(); break;
                case kGroupInsertId: changed = state->model.InsertPressed(); break;
                case kGroupDeleteId: changed = state->model.DeletePressed(state->books.platform()); break;
                case kGroupUpId: changed = state->model.UpPressed(); break;
                case kGroupDownId: changed = state->model.DownPressed(); break;
                case kGroupUpdateId:
                    if (state->model.UpdatePressed(state->books, state->saved)) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDOK:
                    return TRUE;  // Enter in the name box adds nothing
                default:
                    return FALSE;
            }
            if (changed) ShowGroupNames(dialog, *state);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

void RunNewBookDialog(HWND owner, WordBooks& books, Settings& settings) {
    NewBookDialog state(books, settings);
    RunModalDialog(owner, kNewBookCaption, NewBookDialogProc, reinterpret_cast<LPARAM>(&state));
}

void RunDeleteBookDialog(HWND owner, WordBooks& books) {
    if (!books.List().Store().IsOpen()) return;
    DeleteBookDialog state(books);
    if (RunModalDialog(owner, kDeleteBookCaption, DeleteBookDialogProc,
                       reinterpret_cast<LPARAM>(&state)) == IDOK)
        state.model.DeleteBook();
}

void RunBookPropertiesDialog(HWND owner, WordBooks& books) {
    if (!books.List().Store().IsOpen()) return;
    PropertiesDialog state(books);
    RunModalDialog(owner, kBookPropertiesCaption, PropertiesDialogProc,
                   reinterpret_cast<LPARAM>(&state));
}

void RunGroupNamesDialog(HWND owner, WordBooks& books, const std::function<void()>& saved) {
    GroupNamesDialog state(books, saved);
    RunModalDialog(owner, kGroupNamesCaption, GroupNamesDialogProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace tess
