// The row list of a symbol DB, shared by the symbol DB editor and the
// candidate editor: a report list drawn by the program, rows under their
// groups' names, with the columns "No", "Unicode", "ｸﾞﾘﾌ", "英語名",
// "日本語名", "補助" and "備考".
//
// The list is virtual (it holds only a count), so filling it with the
// largest DB is one update. A virtual list has no group view of its own, so
// a group's name is a line of its own above its rows, drawn by the list
// itself; such a line is never left selected. Groups without rows show no
// line; rows whose group number names no group follow the named groups under
// a line "グループ <number>".
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tables/SymbolDbFile.h"
#include "lib/win32/FontCache.h"

namespace tess {

class SymbolDbList {
public:
    SymbolDbList() = default;
    SymbolDbList(const SymbolDbList&) = delete;
    SymbolDbList& operator=(const SymbolDbList&) = delete;

    // Creates the list control, a child of `parent` with control id `id`, at `rect`;
    // rows `rowHeight` pixels high (28 in the DB editor, 30 in the candidate editor).
    void Create(HWND parent, int id, const RECT& rect, int rowHeight);
    HWND hwnd() const { return hwnd_; }
    // Shows `rows` under their groups' names; glyphs in `glyphFont` with `charset`.
    // Keeps pointers to nothing: copies what it draws.
    void Show(const std::vector<SymbolDbGroup>& groups, const std::vector<SymbolDbRow>& rows,
              const std::u16string& glyphFont, int charset);
    void Clear();
    int SelectedIndex() const;     // index into the rows last shown, or -1
    void Select(int index);        // selects and scrolls into view; -1 clears
    // The parent forwards WM_NOTIFY, WM_DRAWITEM and WM_MEASUREITEM here first;
    // true when the list handled the message (then return `result`).
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The same for a dialog procedure, the result put where a dialog gives
    // it (DWLP_MSGRESULT).
    bool HandleDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // The glyph column's font, for a change of the glyph font or script
    // without filling the list again.
    void SetGlyphFont(const std::u16string& glyphFont, int charset);
    // The list's background colour (the window colour once a file is shown).
    void SetBackground(COLORREF colour);
    // Row `index` changed its cells (not its group): redrawn in place.
    void UpdateRow(int index, const SymbolDbRow& row);
    // The line (list item) that shows row `index`, or -1.
    int LineOfRow(int index) const;

private:
    struct Line {
        int row = -1;              // index into rows_, or -1 for a group's name
        std::u16string groupName;  // for a group's line
    };
    std::u16string CellText(const Line& line, int column) const;
    void DrawLine(const DRAWITEMSTRUCT& item);
    void KeepOffGroupLine(int line);

    HWND hwnd_ = nullptr;
    int id_ = 0;
    int rowHeight_ = 28;
    std::vector<SymbolDbRow> rows_;
    std::vector<Line> lines_;
    std::vector<int> lineOfRow_;
    std::u16string glyphFont_ = u"Tahoma";
    int charset_ = 0;
    int lastLine_ = -1;  // the line selected last, to step over group lines
    bool moving_ = false;
    std::u16string scratch_;  // the text handed out for LVN_GETDISPINFO
    // One font per look of a column: the glyph, Latin text, Japanese text.
    FontCache<int> fonts_;
};

}  // namespace tess
