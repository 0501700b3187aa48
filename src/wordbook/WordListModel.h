// The word list: how the open word book shows, one entry per row, in eight
// columns, and the rules of its sorting, its direction, its colours and its
// double-click. The rows stay in the book (a virtual list asks for the rows it
// draws), so a book of any size opens and scrolls at once.
//
//   index  foreign-first        Japanese-first      drawn in
//   0      foreign word         Japanese            the foreign font / the Japanese font
//   1      "No" (1..n)          "No"                Japanese font, centred
//   2      phonetic symbols     phonetic symbols    phonetic font, phonetic background
//   3      kana                 kana                Japanese font
//   4      Japanese             foreign word        the Japanese font / the foreign font
//   5      note                 note                Japanese font
//   6      audio file           audio file          Japanese font
//   7      text colour (never drawn, width 0)
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lib/Charsets.h"
#include "lib/ColorText.h"
#include "platform/platform.h"
#include "wordbook/WordBookFile.h"

namespace tess {

inline constexpr int kWordColumnCount = 8;
inline constexpr int kNoColumn = 1;
inline constexpr int kNoteColumn = 5;
inline constexpr int kMinNoColumnWidth = 50;
inline constexpr int kMaxNoColumnWidth = 100;
inline constexpr char16_t kJapaneseCellFont[] = u"ＭＳ Ｐゴシック";

// Which of the three cell looks a column takes.
enum class CellFontKind { Foreign, Phonetic, Japanese };

// The "No" column kept between 50 and 100 pixels.
int ClampNoColumnWidth(int width);

// The question before a sort by a column of this caption.
std::u16string SortQuestion(std::u16string_view caption);

// The word-book actions of the main window's menu and the two lists' menus.
enum class WordBookAction {
    RegWord, ModWord, DeleteWB, DeleteWord, MoveWord, ChWBProp, CloseWB, JumpWord, ChColor
};
inline constexpr int kWordBookActionCount = 9;
// How far the user has come with the open book.
enum class WordBookStage { NoBook, BookOpened, WordClicked };
bool WordBookActionEnabled(WordBookAction action, WordBookStage stage);

// What a double-click copies into the input areas: the phonetic symbols as
// stored, the foreign word with "#$0D" made a line break (CR LF).
struct WordCopy {
    std::u16string phonetic;
    std::u16string foreign;
    std::u16string audioFile;
    bool operator==(const WordCopy&) const = default;
};

// The audio file an entry names, when it is one that may be played: a plain
// file name (no folder part, no drive, no ".."), of an audio type, present as
// a file in the audio folder. Anything else is nothing, so a word book can
// never make the program open a program.
std::optional<std::u16string> PlayableAudioPath(Platform& platform,
                                                const std::u16string& audioFolder,
                                                const std::u16string& name);

class WordListModel {
public:
    // --- The open book ---------------------------------------------------------------
    WordBookStore& Store() { return store_; }
    const WordBookStore& Store() const { return store_; }
    std::size_t RowCount() const { return store_.Book().entries.size(); }
    const WordEntry& Row(std::size_t row) const { return store_.Book().entries[row]; }

    // --- Direction (EiwaFlg) -------------------------------------------------------
    bool ForeignFirst() const { return foreignFirst_; }
    void SetForeignFirst(bool foreignFirst) { foreignFirst_ = foreignFirst; }
    std::u16string ColumnCaption(int column, std::u16string_view languageName) const;
    CellFontKind FontOf(int column) const;

    // --- Cells -----------------------------------------------------------------------
    // The text of a cell; the number column counts from 1.
    std::u16string CellText(std::size_t row, int column) const;
    // The row's text colour: its colour code, or kWindowTextColor.
    Color TextColorOf(std::size_t row) const;

    // --- Sorting ---------------------------------------------------------------------
    // One sign per column, +1 at start: the first sort of a column is
    // descending. Negates the column's sign and sorts the book's entries by
    // it; false (and nothing changes) for the number column.
    bool SortByColumn(int column, Platform& platform);

    // --- Double-click and audio ------------------------------------------------------
    WordCopy CopyOf(std::size_t row) const;
    // The folder an entry's audio file is looked for in.
    std::u16string AudioFolder() const;
    // The name last played; the transfer does not take a player showing it
    // as its target.
    const std::u16string& LastPlayedAudio() const { return lastPlayedAudio_; }
    void SetLastPlayedAudio(std::u16string name) { lastPlayedAudio_ = std::move(name); }

private:
    WordBookStore store_;
    bool foreignFirst_ = false;
    std::array<int, kWordColumnCount> signs_ = {1, 1, 1, 1, 1, 1, 1, 1};
    std::u16string lastPlayedAudio_;
};

}  // namespace tess
