// Searching the word books of a folder for a text in one field.
//
// Every "*.utx" file of the folder is read in the order the folder lists
// them; a file of fewer than three lines is no book and is passed over. The
// chosen field of each entry line is compared as the file stores it, before
// the quote escape is undone, unit by unit and case-sensitively: searching
// for a double quote does not find one stored as "#$22", searching for
// "#$22" does. A field equal to the text is an exact hit, a field holding it
// somewhere a partial hit.
//
// The hits are listed exact hits first, the later-found above the earlier
// ones, then the partial hits in file and line order. A hit is numbered as
// the word list numbers the entries of its book: by its place among the
// lines that are entries, so that a line the reader cannot use (kept, not
// shown) does not shift the numbers after it, and opening the hit's number
// in the word list opens the word that was found.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "wordbook/WordBookFile.h"

namespace tess {

// The fields a search can look in: the first six fields of an entry, in
// their file order (foreign word, phonetic symbols, kana, Japanese, note,
// audio file).
inline constexpr int kSearchFieldCount = 6;

struct SearchHit {
    std::u16string title;     // the book's first line
    std::size_t number = 0;   // the word list's number of the entry, from 1
    bool exact = false;
    // Fields 1 to 6 with the quote escape undone, the colour as stored.
    WordEntry entry;
    bool operator==(const SearchHit&) const = default;
};

// The number as the result list shows it: "*" before an exact hit's.
std::u16string HitNumberText(const SearchHit& hit);

// The hits in the order they are listed while they are being found. A
// search may find a million; they are kept packed (each book's title once,
// the texts of its hits in one buffer) and a row is made when it is asked for.
class SearchHits {
public:
    void Clear();
    std::size_t size() const { return exact_.size() + partial_.size(); }
    bool empty() const { return size() == 0; }
    std::size_t ExactCount() const { return exact_.size(); }
    // Row `row` of the list, 0 <= row < size().
    SearchHit operator[](std::size_t row) const;
    // All rows in list order.
    std::vector<SearchHit> Rows() const;

    // --- Filling (the search's side) ----------------------------------------------
    // The book whose hits follow.
    void BeginBook(std::u16string title);
    // A hit of that book; its seven fields follow, in order, through AddField.
    void BeginHit(std::size_t number, bool exact);
    // The next field of the current hit; `unescape` undoes the quote escape.
    void AddField(std::u16string_view text, bool unescape);
    void AddField(const Utf16LEUnits& units, std::size_t pos, std::size_t count, bool unescape);

private:
    struct Book {
        std::u16string title;
        std::u16string texts;  // the fields of the book's hits, one after the other
    };
    struct Packed {
        std::size_t start = 0;  // of the first field in its book's texts
        std::uint32_t book = 0;
        std::uint32_t number = 0;
        std::array<std::uint32_t, 7> lengths{};
        bool exact = false;
    };
    const Packed& At(std::size_t row) const;
    Packed& Current() { return currentExact_ ? exact_.back() : partial_.back(); }

    std::vector<Book> books_;
    std::vector<Packed> exact_;    // in the order found; listed the other way round
    std::vector<Packed> partial_;  // in the order found and listed
    bool currentExact_ = false;
    std::size_t fieldsAdded_ = 0;
};

// Adds the hits of one book, given as the bytes of its file, to `hits`;
// false (nothing added) when the file is no book.
bool SearchBookBytes(std::string_view bytes, int fieldIndex, std::u16string_view text,
                     SearchHits& hits);

// A search of a folder, one book at a time, so that a window can go on
// answering between the books and show the hits found so far.
class FolderSearch {
public:
    // Lists the folder's books; an empty text or a field outside 0 to 5
    // searches nothing.
    FolderSearch(Platform& platform, const std::u16string& folder, int fieldIndex,
                 std::u16string text);

    bool Done() const { return next_ >= files_.size(); }
    // Reads and searches the next book; the number of exact hits it put
    // above the rows found before.
    std::size_t Step();
    // Steps until done.
    void Run();

    const SearchHits& Hits() const { return hits_; }

private:
    Platform& platform_;
    std::u16string folder_;
    int fieldIndex_;
    std::u16string text_;
    std::vector<std::u16string> files_;
    std::size_t next_ = 0;
    SearchHits hits_;
};

// The whole search at once: the rows in list order.
std::vector<SearchHit> SearchFolder(Platform& platform, const std::u16string& folder,
                                    int fieldIndex, std::u16string_view text);

}  // namespace tess
