// The four dialogs that manage word books as a whole, as rules without a
// window: a new book (TNewWBFrm), deleting the open book (TDelWBFrm), the
// open book's properties (TChPropFrm) and the group names (TGroupFrm). Each
// reads the boxes' texts the view hands it, asks its warnings through the
// platform's message boxes and changes the books through WordBooks, which
// writes every file by the atomic replace and reports a failed write.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lib/TextFile.h"
#include "settings/Settings.h"
#include "wordbook/WordBooks.h"

namespace tess {

// Items shown at once when a group list drops down.
inline constexpr int kGroupDropDownItems = 20;

// A group list's items and the item selected: the group names of
// "GroupName.txt" (or its two defaults) with the first name equal to the
// group selected; nothing is selected for an empty group or no match.
struct GroupChoices {
    Lines names;
    std::optional<std::size_t> selected;
    bool operator==(const GroupChoices&) const = default;
};
GroupChoices FillGroupCombo(const WordBooks& books, std::u16string_view group);

// --- A new book ("単語帳の新規作成") ------------------------------------------------------
//
// "作　成" is enabled while the title, trimmed of blanks, is not empty, and
// Enter in the title box then acts as it. Picking a group remembers it in
// LastGroup, which selects it the next time. "作　成" warns when no group is
// selected; otherwise the save dialog offers "<title>.utx" in the current
// word-book folder. A chosen path that names an existing file is replaced
// only when the user says so; the empty book is then written, listed, and
// opened when it lies in the current folder.

inline constexpr char16_t kNewBookCaption[] = u"単語帳の新規作成";
inline constexpr int kNewBookDialogWidth = 480;
inline constexpr int kNewBookDialogHeight = 320;
inline constexpr char16_t kBookFileFilter[] = u"単語帳ﾌｧｲﾙ (*.utx)|*.utx";
inline constexpr char16_t kBookFileExtension[] = u"utx";
inline constexpr char16_t kNoGroupWarning[] = u"いずれかのグループを指定して下さい。";

// The file name the save dialog offers for a title: the title and ".utx",
// with each character a file name cannot hold (\ / : * ? " < > | and the
// control characters) written as "_".
std::u16string BookFileNameFor(std::u16string_view title);

// The question before a new book replaces the file at `path`.
std::u16string ReplaceBookQuestion(std::u16string_view path);

class NewBookDialogModel {
public:
    NewBookDialogModel(WordBooks& books, Settings& settings);

    const GroupChoices& Groups() const { return groups_; }
    // The group editor saved its list: the items again, LastGroup selected.
    void RefillGroups();
    // The user picked the item at `index` of the group list.
    void GroupPicked(std::optional<std::size_t> index);

    void TitleChanged(std::u16string_view title);
    bool CreateEnabled() const { return createEnabled_; }
    // Enter in the title box runs "作　成" when this holds.
    bool EnterCreates() const { return createEnabled_; }

    // Where "参照" starts: the open book's audio folder when that folder
    // exists, else the current word-book folder.
    std::u16string BrowseStart() const;

    // "作　成" with the boxes' texts and the group list's selection. The
    // save dialog's folder and file name when it is to be shown; nothing
    // when no group is selected (warned) or the title is empty.
    struct SaveOffer {
        std::u16string folder;
        std::u16string fileName;
        bool operator==(const SaveOffer&) const = default;
    };
    std::optional<SaveOffer> CreatePressed(std::u16string_view title,
                                           std::optional<std::size_t> group,
                                           std::u16string_view audioFolder);

    // The path the save dialog returned for the last offer.
    enum class SaveResult {
        Created,   // written and listed: the dialog closes
        Declined,  // the file exists and the user kept it: ask for a path again
        Failed,    // the write failed (reported): the dialog stays open
    };
    SaveResult PathChosen(const std::u16string& path);

private:
    WordBooks& books_;
    Settings& settings_;
    GroupChoices groups_;
    bool createEnabled_ = false;
    // What "作　成" read, for the path that follows.
    std::u16string title_, group_, audioFolder_;
};

// --- Deleting the open book ("単語帳の削除") -------------------------------------------------

inline constexpr char16_t kDeleteBookCaption[] = u"単語帳の削除";
inline constexpr int kDeleteBookDialogWidth = 480;
inline constexpr int kDeleteBookDialogHeight = 200;

class DeleteBookDialogModel {
public:
    explicit DeleteBookDialogModel(WordBooks& books);
    const std::u16string& Title() const { return title_; }
    const std::u16string& FileName() const { return fileName_; }
    // "OK" closes the dialog while the book's file is there; when it has
    // gone, nothing happens and the dialog stays open.
    bool OkCloses() const;
    // After the dialog closed: the book's file goes to the Recycle Bin, the
    // list is made again and the close command's remaining steps run (the
    // foreign area gets the focus, so this waits until the dialog is gone).
    // False when the file was not there or could not be moved (reported).
    bool DeleteBook();

private:
    WordBooks& books_;
    std::u16string title_, fileName_;
};

// --- The open book's properties ("単語帳のプロパティ変更") -----------------------------------

inline constexpr char16_t kBookPropertiesCaption[] = u"単語帳のプロパティ変更";
inline constexpr int kBookPropertiesDialogWidth = 480;
inline constexpr int kBookPropertiesDialogHeight = 280;
inline constexpr char16_t kNoTitleWarning[] =
    u"単語帳には必ずタイトルが必要です。タイトルは入力して下さい。";

class BookPropertiesDialogModel {
public:
    explicit BookPropertiesDialogModel(WordBooks& books);
    // The open book's header as the boxes start.
    const std::u16string& Title() const { return title_; }
    const std::u16string& AudioFolder() const { return audioFolder_; }
    const GroupChoices& Groups() const { return groups_; }
    // Where "参照" starts: the current word-book folder.
    std::u16string BrowseStart() const { return books_.CurrentFolder(); }

    // "変更": an empty trimmed title is warned about; otherwise the book
    // takes the trimmed title, the selected group (empty for none) and the
    // trimmed audio folder, is written and shown again. True when the
    // dialog closes.
    bool ChangePressed(std::u16string_view title, std::optional<std::size_t> group,
                       std::u16string_view audioFolder);

private:
    WordBooks& books_;
    std::u16string title_, audioFolder_;
    GroupChoices groups_;
};

// --- The group names ("グループ名の編集") ----------------------------------------------------
//
// The list starts as "GroupName.txt" holds it, or empty when the file is not
// there. Names are trimmed when entered. The buttons follow the state after
// every change: "追加" while the typed name is not blank and there are fewer
// than 30 names; with a name selected, "挿入" while there are fewer than 30,
// "削除" while there is more than one, "↑" unless it is the first and "↓"
// unless it is the last. "削除" below two names is warned about, and so is
// "更新" of fewer than two (the new-book dialog would offer no group).

inline constexpr char16_t kGroupNamesCaption[] = u"グループ名の編集";
inline constexpr int kGroupNamesDialogWidth = 480;
inline constexpr int kGroupNamesDialogHeight = 340;
inline constexpr std::size_t kMinGroupNames = 2;
inline constexpr std::size_t kMaxGroupNames = 30;
inline constexpr char16_t kNoZeroGroupsWarning[] = u"グループをゼロにすることはできません。";
inline constexpr char16_t kTooFewGroupsWarning[] = u"グループ名は最少2個必要です。";
inline constexpr char16_t kGroupNamesSavedNotice[] = u"グループ名リストを保存しました。";

class GroupNamesDialogModel {
public:
    // `stored`: the file's names, nothing when it is not there.
    explicit GroupNamesDialogModel(std::optional<Lines> stored);

    const Lines& Names() const { return names_; }
    std::optional<std::size_t> Selected() const { return selected_; }
    // "個数： N個".
    std::u16string CountText() const;

    void NameTyped(std::u16string_view text);
    void NameClicked(std::optional<std::size_t> index);

    struct Buttons {
        bool add = false, insert = false, remove = false, up = false, down = false;
        bool operator==(const Buttons&) const = default;
    };
    Buttons ButtonStates() const;

    // Each is true when the list changed.
    bool AddPressed();     // the typed name at the end
    bool InsertPressed();  // the typed name above the selected one, which stays selected
    bool DeletePressed(Platform& platform);  // the selected name; warns below two
    bool UpPressed();      // the selected name one place up; it stays selected
    bool DownPressed();

    // "更新": "GroupName.txt" written through the books; `saved` runs (an
    // open new-book dialog fills its list again), then the notice. True when
    // the dialog closes; false when the list is too short (warned) or the
    // write failed (reported, the old file whole).
    bool UpdatePressed(WordBooks& books, const std::function<void()>& saved);

private:
    Lines names_;
    std::optional<std::size_t> selected_;
    std::u16string typed_;  // trimmed
};

}  // namespace tess
