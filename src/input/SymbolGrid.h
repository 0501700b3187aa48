// The symbol tab's grid: 100 cells (20 per row, 5 rows) filled with one of
// ten script categories or one of fifteen symbol library sets; the language
// categories carry names and a class frame from the language's symbol DB.
// Also the code field's rule and the geometry; the view draws what it says.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lib/ColorText.h"
#include "platform/platform.h"

namespace tess {

inline constexpr int kSymbolCellCount = 100;
inline constexpr int kSymbolColumns = 20;

// The cell sets: the ten categories, then the library's fifteen sets.
enum class SymbolSet {
    Punc, Latin, Cmb1, Cmb2, Thai, Mya1, Mya2, Laos, Khm1, Khm2,
    RomanNumerals, CircledNumbers, CircledLatin, Arithmetic, Greek, Arrows, Dingbats1,
    Dingbats2, Geometric, Symbols1, Symbols2, Math1, Math2, Math3, LatinSupplement1,
};

// The characters of a set, cell by cell; 0 = an empty cell.
std::array<char16_t, kSymbolCellCount> SymbolSetCells(SymbolSet set);

struct SymbolCategory {
    std::u16string_view caption;  // "Punc", "Latin", ... "Khm2"
    std::u16string_view hint;     // "句読点", ...
    SymbolSet set;
    std::u16string_view dbFile;   // the symbol DB that names its cells; empty: none
};
std::span<const SymbolCategory> SymbolCategories();  // ten, in button order

// The library chooser's sixteen items: 0 the heading "記号ライブラリ", then the sets.
std::span<const std::u16string_view> SymbolLibraryItems();
std::optional<SymbolSet> LibrarySet(int item);

// One cell: its character and, in a language category, its names and class.
struct SymCell {
    char16_t text = 0;
    std::u16string englishName, japaneseName, note;
    char16_t cellClass = 0;  // u'R', u'B', u'G', u'M' or 0
    bool operator==(const SymCell&) const = default;
};

// The class a note gives: "母音" R, "子音" B, "声調" G, "鍵となる" M, else none.
char16_t CellClassOfNote(std::u16string_view note);
// The frame colour of a class: R red, B blue, G green, M magenta, none black.
Color CellClassColor(char16_t cellClass);

// The code field: four upper-case hexadecimal digits give a character.
std::optional<char16_t> CodeFieldCharacter(std::u16string_view text);

// Where the cells go for a scroll box of this width: p = (width - 31) div 20;
// cell n is a square of p - 1 at (8 + p × column, 60 + (p + 1) × row).
struct SymbolGridGeometry {
    int pitch = 0;
    int CellSide() const { return pitch - 1; }
    int Left(int cell) const { return 8 + pitch * (cell % kSymbolColumns); }
    int Top(int cell) const { return 60 + (pitch + 1) * (cell / kSymbolColumns); }
};
SymbolGridGeometry SymbolGridGeometryFor(int scrollBoxWidth);

class SymbolGrid {
public:
    // A category button clicked: pressed when it was up (its set fills the
    // grid, names from its DB in `tableFolder`), released when it was down
    // (the grid empties). Pressing one releases the others.
    void ClickCategory(int button, Platform& platform, const std::u16string& tableFolder);
    // The library chooser: every button released, the item's set (item 0: none).
    void ChooseLibrary(int item);
    // The pressed category button, or -1.
    int PressedCategory() const { return pressed_; }

    const std::array<SymCell, kSymbolCellCount>& Cells() const { return cells_; }
    bool Annotated() const { return annotated_; }

    // A click on a cell with text: its text to insert, and it becomes the
    // selected cell (LastSymCell); the previous one is returned in
    // `previous` so the view redraws both. Nothing for an empty cell.
    std::optional<std::u16string> ClickCell(int cell, int* previous = nullptr);
    int LastSymCell() const { return lastCell_; }

    // SymSizeDev: -5 to 5, 0 at start, not saved.
    int SizeDev() const { return sizeDev_; }
    void SetSizeDev(int value);

    // "<Japanese name>  <note>  [<code>]".
    std::u16string Hint(int cell) const;

private:
    void Fill(SymbolSet set);
    void Clear();

    std::array<SymCell, kSymbolCellCount> cells_{};
    bool annotated_ = false;
    int pressed_ = -1;
    int lastCell_ = -1;
    int sizeDev_ = 0;
};

}  // namespace tess
