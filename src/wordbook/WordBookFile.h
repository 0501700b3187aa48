// Word book files (*.utx) and the one open word book.
//
// A word book is UTF-16 LE text. It is written with the mark FF FE and CR LF
// after every line; it is read as UTF-16 LE whatever its first bytes are (a
// leading FF FE is skipped), so a file in an 8-bit code page reads as noise
// and is not a word book: legacy files go through the converter instead.
// CR LF, a lone CR and a lone LF each end a line (SplitLines).
//
//   line 1   title                    plain text, not quoted
//   line 2   group                    plain text, may be empty
//   line 3   audio folder             plain text; empty means the book's folder
//   line 4.. one entry per line       "f1","f2","f3","f4","f5","f6","f7"
//
// A file of fewer than three lines is not a word book. An entry line is split
// by SplitWordBookFields (a line of the written shape takes the quicker
// SplitPlainQuotedLine to the same fields). A line after the third that does
// not give exactly seven fields (an empty line, a hand-edited line, a comma
// after the seventh field) is no entry and is not shown, but it is not lost
// either: the book keeps it as stored (WordBook::keptLines, in file order)
// and every save writes it back unchanged after the entries, so an edit never
// destroys a line the program could not read. The book list's word count
// (every line after the third) therefore stays what it was across saves.
// Fields 1 to 6 keep a double quote as the four characters "#$22"
// (EncodeQuotes / DecodeQuotes); field 7 is stored as it is. A line break
// inside a field is "#$0D", put there by whoever takes text from a
// multi-line control; reading and writing leave it alone.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lib/TextFile.h"
#include "platform/platform.h"

namespace tess {

// One word, its fields as stored apart from the quote escape ("#$0D" stays).
struct WordEntry {
    std::u16string foreignWord;  // Thai, Myanmar, Lao or Khmer text
    std::u16string phonetic;     // IPA
    std::u16string kana;         // pronunciation in kana
    std::u16string japanese;
    std::u16string note;
    std::u16string audioFile;    // a file name in the book's audio folder
    std::u16string textColor;    // empty or "#RRGGBB" (IsHexColorText); anything else = default
    bool operator==(const WordEntry&) const = default;
};

struct WordBook {
    std::u16string fileName;     // relative to the word-book folder; empty = no book
    std::u16string title;
    std::u16string group;
    std::u16string audioFolder;
    std::vector<WordEntry> entries;  // list order = file order = the No column
    // The lines after the third that are no entries, as stored, in file
    // order; written back after the entries.
    std::vector<std::u16string> keptLines;
    bool operator==(const WordBook&) const = default;
};

// The file's lines by the word book rules above; nothing when it cannot be
// read. For the readers that only list or search books and want the lines as
// stored.
std::optional<Lines> ReadWordBookLines(Platform& platform, const std::u16string& path);

// The entry of one stored line: exactly seven fields, 1 to 6 unescaped.
std::optional<WordEntry> ParseWordEntry(std::u16string_view line);

// The stored line of an entry: each field in double quotes, 1 to 6 through
// EncodeQuotes, 7 as it is, joined by commas without spaces.
std::u16string WordEntryLine(const WordEntry& entry);

// The whole file as lines: the three header lines, one line per entry, then
// the kept lines as they are.
Lines WordBookLines(const std::u16string& title, const std::u16string& group,
                    const std::u16string& audioFolder, const std::vector<WordEntry>& entries,
                    const std::vector<std::u16string>& keptLines = {});

struct WordBookFile {
    WordBook book;               // fileName is the name asked for
    // Lines after the third, the book list's word count: the entries and the
    // kept lines together.
    std::size_t lineCount = 0;
};

// Reads `folder`\`fileName`, in one pass over its bytes. Nothing when the
// file is missing, cannot be read or has fewer than three lines.
std::optional<WordBookFile> ReadWordBookFile(Platform& platform, const std::u16string& folder,
                                             const std::u16string& fileName);

// Writes a book file at `path` (the new-book dialog, the dictionary generator
// and the converter): the header lines and the entries, through the atomic
// replace. A book without entries is exactly three lines. Kept lines, if
// any, follow the entries unchanged. False when the file could not be
// written; an old file is then untouched.
bool WriteNewWordBook(Platform& platform, const std::u16string& path, const std::u16string& title,
                      const std::u16string& group, const std::u16string& audioFolder,
                      const std::vector<WordEntry>& entries = {},
                      const std::vector<std::u16string>& keptLines = {});

enum class WordBookLoadResult {
    Missing,   // no such file: nothing changed, an open book stays open
    NotABook,  // unreadable or fewer than three lines: the list was emptied, no book is open
    Loaded,    // the file is the open book
};

struct WordBookLoad {
    WordBookLoadResult result = WordBookLoadResult::Missing;
    // What the settings value LastWB becomes: the file name when loaded,
    // empty when the load left no book open, nothing when it changed nothing.
    std::optional<std::u16string> lastWB;
};

// The first status-bar panel of an open book: "●タイトル：「<title>」".
std::u16string WordBookTitlePanel(std::u16string_view title);

// The open word book of the main window, or none.
//
// A load that finds the file but cannot use it has already emptied the word
// list, so it closes whatever book was open: keeping the old book open with an
// emptied list would let the next save write that empty list over it.
class WordBookStore {
public:
    // LoadWordBook: reads `folder`\`fileName` and makes it the open book. The
    // folder is remembered; Save writes back there (every folder switch closes
    // the book first, so it is always the current folder).
    WordBookLoad Load(Platform& platform, const std::u16string& folder,
                      const std::u16string& fileName);

    // SaveWordBook: writes the open book whole over its file, the kept lines
    // after the entries. With no book open nothing is written and the result
    // is true. False when the write failed; the file and the book are then as
    // they were.
    bool Save(Platform& platform) const;

    // Forgets the open book (CloseWordBook's part of it).
    void Close();

    bool IsOpen() const { return !book_.fileName.empty(); }
    const std::u16string& Folder() const { return folder_; }
    const WordBook& Book() const { return book_; }
    // The dialogs change the header or the entries here, then call Save.
    WordBook& Book() { return book_; }

private:
    std::u16string folder_;
    WordBook book_;
};

}  // namespace tess
