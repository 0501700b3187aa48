// The word-book menu's pieces that are plain data: the book list of a folder,
// its sorting and totals, the status texts, the door's widths, the folder
// list "FolList.txt" and the group names "GroupName.txt".
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lib/TextFile.h"
#include "platform/platform.h"

namespace tess {

// --- The book list (ListView2) ---------------------------------------------------------

struct BookRow {
    std::u16string title;     // line 1
    std::u16string fileName;
    std::u16string group;     // line 2
    std::size_t count = 0;    // every line after the third: the "個数" column
    bool operator==(const BookRow&) const = default;
};

inline constexpr int kBookColumnCount = 4;
std::u16string_view BookColumnCaption(int column);  // "タイトル", "ファイル名", "グループ", "個数"
inline constexpr int kBookColumnWidths[kBookColumnCount] = {100, 100, 90, 55};

// The columns' widths in a list `visibleWidth` pixels wide, for columns that
// need `needs` pixels to show their widest text whole (caption and cells,
// margins included): each gets what it needs; when they do not all fit, the
// file name column gives way first, down to kBookFileColumnLeast, then the
// group and the title down to their designed widths (the list scrolls for
// the rest).
inline constexpr int kBookFileColumnLeast = 24;
std::array<int, kBookColumnCount> BookColumnWidthsFor(std::array<int, kBookColumnCount> needs,
                                                      int visibleWidth);

class BookListModel {
public:
    // ListWordBooks' listing: every "*.utx" of the folder with at least three
    // lines, in the locale's title order, then sorted by group with the group
    // column's sign (books of a group stay together in title order). A
    // folder that does not exist lists nothing.
    void List(Platform& platform, const std::u16string& folder);

    // A click on a column header: the sign of the column is negated and the
    // rows sorted by it ("タイトル" without case, the others as they are);
    // the "個数" column does not sort. False when nothing moved.
    bool SortByColumn(int column, Platform& platform);

    // The "個数" of every row of the file becomes `count`.
    void SetCount(const std::u16string& fileName, std::size_t count);
    // The first row of the file.
    std::optional<std::size_t> IndexOf(const std::u16string& fileName) const;

    const std::vector<BookRow>& Rows() const { return rows_; }
    std::size_t Total() const;

private:
    void SortBy(int column, Platform& platform);

    std::vector<BookRow> rows_;
    std::array<int, 3> signs_ = {1, 1, 1};
};

// --- Status bar ----------------------------------------------------------------------------

// Panel 2: "●単語帳フォルダ　<folder>　・・・　[<total>]".
std::u16string FolderTotalText(std::u16string_view folder, std::size_t total);

// --- The door of the panel ------------------------------------------------------------------

inline constexpr int kPanelOpenWidth = 382;
inline constexpr int kPanelShutWidth = 32;
inline constexpr unsigned kDoorTimerMs = 20;

struct DoorStep {
    int width = 0;
    bool done = false;  // the timer stops; the door caption turns
    bool operator==(const DoorStep&) const = default;
};
// One tick of the sliding door from `width`: shutting runs 352, 322, ... 22
// then 32; opening runs 62, 92, ... 392 then 382.
DoorStep NextDoorStep(int width, bool shutting);

// --- "FolList.txt" ---------------------------------------------------------------------------

inline constexpr char16_t kFolderListFile[] = u"FolList.txt";
inline constexpr std::size_t kMaxFolderListLines = 10;

// The folder menu's paths, the file created first when missing (the Thai
// ordinary folder and the dictionary folder in use). Nothing when the file
// cannot be read or made.
std::optional<Lines> ReadFolderList(Platform& platform, const std::u16string& sysFolder,
                                    const std::u16string& thaiBookFolder,
                                    const std::u16string& dicFolder);

// The list with `path` added first and cut to ten lines; nothing when a line
// already equals it (the file then stays as it is).
std::optional<Lines> FolderListWith(const Lines& lines, const std::u16string& path);

// --- "GroupName.txt" -------------------------------------------------------------------------

inline constexpr char16_t kGroupNameFile[] = u"GroupName.txt";
// The group choices: the file's lines, or "あいさつ" and "その他" when it is missing.
Lines ReadGroupNames(Platform& platform, const std::u16string& sysFolder);
// The index of the first name equal to `group`; nothing for no match or an
// empty group (FillGroupCombo then selects nothing).
std::optional<std::size_t> GroupIndex(const Lines& names, std::u16string_view group);

}  // namespace tess
