// The dialogs that manage word books as a whole (views; their rules are
// BookDialogModels'): a new book "単語帳の新規作成", deleting the open book
// "単語帳の削除", its properties "単語帳のプロパティ変更" and the group names
// "グループ名の編集". Each is modal over `owner`, built in memory by
// ModalDialog. The caller switches the keyboard layouts around them.
#pragma once

#include <windows.h>

#include <functional>

#include "settings/Settings.h"
#include "wordbook/WordBooks.h"

namespace tess {

// The controls' ids; "ｷｬﾝｾﾙ" is IDCANCEL in each dialog.
inline constexpr int kNewBookTitleId = 1101;
inline constexpr int kNewBookGroupId = 1102;
inline constexpr int kNewBookEditGroupsId = 1103;  // "グループ名編集"
inline constexpr int kNewBookAudioId = 1104;
inline constexpr int kNewBookBrowseId = 1105;      // "参照"
inline constexpr int kNewBookCreateId = 1106;      // "作　成"

inline constexpr int kDeleteBookTitleId = 1201;
inline constexpr int kDeleteBookFileId = 1202;
inline constexpr int kDeleteBookOkId = 1203;       // "OK"

inline constexpr int kPropertiesTitleId = 1301;
inline constexpr int kPropertiesGroupId = 1302;
inline constexpr int kPropertiesAudioId = 1303;
inline constexpr int kPropertiesBrowseId = 1304;   // "参照"
inline constexpr int kPropertiesChangeId = 1305;   // "変更"

inline constexpr int kGroupNameId = 1401;          // the name box
inline constexpr int kGroupListId = 1402;
inline constexpr int kGroupAddId = 1403;           // "追加"
inline constexpr int kGroupInsertId = 1404;        // "挿入"
inline constexpr int kGroupDeleteId = 1405;        // "削除"
inline constexpr int kGroupUpId = 1406;            // "↑"
inline constexpr int kGroupDownId = 1407;          // "↓"
inline constexpr int kGroupCountId = 1408;         // "個数： N個"
inline constexpr int kGroupUpdateId = 1409;        // "更新"

// "単語帳の新規作成": a new empty book, listed and opened when it lies in the
// current folder. "グループ名編集" opens the group editor over it.
void RunNewBookDialog(HWND owner, WordBooks& books, Settings& settings);

// "単語帳の削除" of the open book: on "OK" its file goes to the Recycle Bin
// once the dialog has closed. Nothing shows when no book is open.
void RunDeleteBookDialog(HWND owner, WordBooks& books);

// "単語帳のプロパティ変更" of the open book. Nothing shows when no book is open.
void RunBookPropertiesDialog(HWND owner, WordBooks& books);

// "グループ名の編集": "更新" writes "GroupName.txt", runs `saved` (the new-book
// dialog under it fills its list again) and says so.
void RunGroupNamesDialog(HWND owner, WordBooks& books, const std::function<void()>& saved = {});

}  // namespace tess
