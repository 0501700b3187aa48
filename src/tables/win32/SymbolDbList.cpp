#include "tables/win32/SymbolDbList.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <set>

#include "lib/CombiningMarks.h"
#include "lib/TextFile.h"
#include "lib/win32/CellDraw.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

struct Column {
    const wchar_t* caption;
    int width;
    bool centred;
};

constexpr Column kColumns[] = {
    {L"No", 50, true},        {L"Unicode", 80, true}, {L"ｸﾞﾘﾌ", 60, true},
    {L"英語名", 180, false},  {L"日本語名", 180, false}, {L"補助", 60, true},
    {L"備考", 200, false},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
constexpr int kGlyphColumn = 2;
constexpr int kCellMargin = 4;
constexpr int kCellPoints = 12;
constexpr int kGlyphPoints = 15;
constexpr COLORREF kNoteRowBack = RGB(255, 255, 0);
constexpr COLORREF kUnfocusedSelection = RGB(192, 192, 192);
constexpr COLORREF kGroupNameColour = RGB(0, 51, 153);

// The cache's three kinds stand for the list's three looks: the glyphs,
// the Latin cells (number, code, English name, class) and the Japanese ones.
constexpr int kGlyphLook = 0;
constexpr int kLatinLook = 1;
constexpr int kJapaneseLook = 2;

int LookOf(int column) {
    if (column == kGlyphColumn) return kGlyphLook;
    if (column == 4 || column == 6) return kJapaneseLook;
    return kLatinLook;
}

bool NoteMarksRow(const std::u16string& note) { return note.find(u'注') != std::u16string::npos; }

}  // namespace

void SymbolDbList::Create(HWND parent, int id, const RECT& rect, int rowHeight) {
    id_ = id;
    rowHeight_ = std::max(1, rowHeight);
    // The parent answers WM_MEASUREITEM through HandleMessage while the
    // control is being made: id_ and rowHeight_ are known by then.
    hwnd_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED |
            LVS_SHOWSELALWAYS | LVS_SINGLESEL,
        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                                 LVS_EX_DOUBLEBUFFER);
    for (int c = 0; c < kColumnCount; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<wchar_t*>(kColumns[c].caption);
        column.cx = kColumns[c].width;
        column.fmt = kColumns[c].centred && c > 0 ? LVCFMT_CENTER : LVCFMT_LEFT;
        SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    RemeasureListRows(hwnd_);
}

void SymbolDbList::Show(const std::vector<SymbolDbGroup>& groups,
                        const std::vector<SymbolDbRow>& rows, const std::u16string& glyphFont,
                        int charset) {
    rows_ = rows;
    glyphFont_ = glyphFont;
    charset_ = charset;
    lines_.clear();
    lineOfRow_.assign(rows_.size(), -1);

    // The rows of each group number, in row order.
    std::map<int, std::vector<int>> rowsOfGroup;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rowsOfGroup[rows_[i].group].push_back(static_cast<int>(i));
    auto placeGroup = [&](const std::u16string& name, const std::vector<int>& members) {
        lines_.push_back(Line{-1, name});
        for (int row : members) {
            lineOfRow_[static_cast<std::size_t>(row)] = static_cast<int>(lines_.size());
            lines_.push_back(Line{row, {}});
        }
    };
    std::set<int> named;
    for (const SymbolDbGroup& group : groups) {
        // A number given to two groups shows its rows under the first.
        if (!named.insert(group.number).second) continue;
        auto found = rowsOfGroup.find(group.number);
        if (found != rowsOfGroup.end()) placeGroup(group.name, found->second);
    }
    for (const auto& [number, members] : rowsOfGroup)
        if (!named.count(number))
            placeGroup(u"グループ " + Utf8ToUtf16(std::to_string(number)), members);

    lastLine_ = -1;
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(hwnd_, static_cast<int>(lines_.size()), 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void SymbolDbList::Clear() { Show({}, {}, glyphFont_, charset_); }

void SymbolDbList::SetGlyphFont(const std::u16string& glyphFont, int charset) {
    glyphFont_ = glyphFont;
    charset_ = charset;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SymbolDbList::SetBackground(COLORREF colour) {
    ListView_SetBkColor(hwnd_, colour);
    ListView_SetTextBkColor(hwnd_, colour);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void SymbolDbList::UpdateRow(int index, const SymbolDbRow& row) {
    const int line = LineOfRow(index);
    if (line < 0) return;
    rows_[static_cast<std::size_t>(index)] = row;
    ListView_RedrawItems(hwnd_, line, line);
}

int SymbolDbList::LineOfRow(int index) const {
    if (index < 0 || index >= static_cast<int>(lineOfRow_.size())) return -1;
    return lineOfRow_[static_cast<std::size_t>(index)];
}

int SymbolDbList::SelectedIndex() const {
    if (!hwnd_) return -1;
    const int line = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED);
    if (line < 0 || line >= static_cast<int>(lines_.size())) return -1;
    return lines_[static_cast<std::size_t>(line)].row;
}

void SymbolDbList::Select(int index) {
    const int line = LineOfRow(index);
    moving_ = true;
    ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (line >= 0) {
        ListView_SetItemState(hwnd_, line, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(hwnd_, line, FALSE);
        // A group's name stands above its first row: show it too when it fits.
        if (line > 0 && lines_[static_cast<std::size_t>(line - 1)].row < 0)
            ListView_EnsureVisible(hwnd_, line - 1, FALSE);
        ListView_EnsureVisible(hwnd_, line, FALSE);
    }
    lastLine_ = line;
    moving_ = false;
}

void SymbolDbList::KeepOffGroupLine(int line) {
    // Step to the row beyond the group's line in the direction the selection
    // came from (a click lands on the row below), else the other way.
    const int count = static_cast<int>(lines_.size());
    const int step = lastLine_ > line ? -1 : 1;
    int target = -1;
    for (int dir : {step, -step}) {
        for (int l = line + dir; l >= 0 && l < count; l += dir)
            if (lines_[static_cast<std::size_t>(l)].row >= 0) {
                target = l;
                break;
            }
        if (target >= 0) break;
    }
    moving_ = true;
    ListView_SetItemState(hwnd_, line, 0, LVIS_SELECTED);
    if (target >= 0) {
        ListView_SetItemState(hwnd_, target, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(hwnd_, target, FALSE);
    }
    lastLine_ = target;
    moving_ = false;
}

std::u16string SymbolDbList::CellText(const Line& line, int column) const {
    if (line.row < 0) return column == 0 ? line.groupName : std::u16string();
    const SymbolDbRow& row = rows_[static_cast<std::size_t>(line.row)];
    switch (column) {
        case 0: return Utf8ToUtf16(std::to_string(row.rowNumber));
        case 1: return row.code;
        case 2: return row.glyph;
        case 3: return row.englishName;
        case 4: return row.japaneseName;
        case 5: return row.auxClass;
        case 6: return row.note;
        default: return {};
    }
}

bool SymbolDbList::HandleDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!HandleMessage(message, wParam, lParam, result)) return false;
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return true;
}

bool SymbolDbList::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (!lParam) return false;
    switch (message) {
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlType != ODT_LISTVIEW || static_cast<int>(measure->CtlID) != id_)
                return false;
            measure->itemHeight = static_cast<UINT>(rowHeight_);
            result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!hwnd_ || item->hwndItem != hwnd_) return false;
            DrawLine(*item);
            result = TRUE;
            return true;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (!hwnd_ || header->hwndFrom != hwnd_) return false;
            switch (header->code) {
                case LVN_GETDISPINFOW: {
                    // Readers of the list (accessibility, tests) get the cells' texts.
                    auto* info = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header));
                    if ((info->item.mask & LVIF_TEXT) && info->item.pszText &&
                        info->item.cchTextMax > 0) {
                        const int l = info->item.iItem;
                        scratch_.clear();
                        if (l >= 0 && l < static_cast<int>(lines_.size()))
                            scratch_ = CellText(lines_[static_cast<std::size_t>(l)],
                                                info->item.iSubItem);
                        const std::size_t n = std::min<std::size_t>(
                            scratch_.size(), static_cast<std::size_t>(info->item.cchTextMax - 1));
                        std::copy_n(scratch_.data(), n, info->item.pszText);
                        info->item.pszText[n] = 0;
                    }
                    result = 0;
                    return true;
                }
                case LVN_ITEMCHANGED: {
                    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
                    const int l = change->iItem;
                    if (!moving_ && l >= 0 && l < static_cast<int>(lines_.size()) &&
                        (change->uNewState & LVIS_SELECTED) &&
                        !(change->uOldState & LVIS_SELECTED)) {
                        if (lines_[static_cast<std::size_t>(l)].row < 0) {
                            KeepOffGroupLine(l);
                        } else {
                            lastLine_ = l;
                        }
                    }
                    return false;  // the parent hears of it too
                }
                default: return false;
            }
        }
        default: return false;
    }
}

void SymbolDbList::DrawLine(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const int l = static_cast<int>(item.itemID);
    if (l < 0 || l >= static_cast<int>(lines_.size())) {
        FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    const Line& line = lines_[static_cast<std::size_t>(l)];
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = nullptr;
    auto useFont = [&](int look) {
        FontLook wanted;
        if (look == kGlyphLook) {
            wanted = {glyphFont_, charset_, kGlyphPoints};
        } else if (look == kJapaneseLook) {
            wanted = {u"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET, kCellPoints};
        } else {
            wanted = {u"Tahoma", ANSI_CHARSET, kCellPoints};
        }
        HGDIOBJ previous = SelectObject(dc, fonts_.FontFor(look, wanted));
        if (!oldFont) oldFont = previous;
    };

    if (line.row < 0) {
        // A group's name across the whole line, underlined like a group header.
        useFont(kJapaneseLook);
        const COLORREF oldColour = SetTextColor(dc, kGroupNameColour);
        RECT r = item.rcItem;
        DrawCellText(dc, r, kCellMargin, false, line.groupName, GetSysColor(COLOR_WINDOW));
        HPEN pen = CreatePen(PS_SOLID, 1, kGroupNameColour);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, r.left + kCellMargin, r.bottom - 3, nullptr);
        LineTo(dc, r.right - kCellMargin, r.bottom - 3);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        SetTextColor(dc, oldColour);
    } else {
        const SymbolDbRow& row = rows_[static_cast<std::size_t>(line.row)];
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        const bool focused = GetFocus() == hwnd_;
        COLORREF back = NoteMarksRow(row.note) ? kNoteRowBack : ListView_GetBkColor(hwnd_);
        COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
        if (selected && focused) {
            back = GetSysColor(COLOR_HIGHLIGHT);
            text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else if (selected) {
            back = kUnfocusedSelection;
            text = GetSysColor(COLOR_BTNTEXT);
        }
        const COLORREF oldColour = SetTextColor(dc, text);
        for (int column = 0; column < kColumnCount; ++column) {
            RECT r{};
            if (column == 0) {
                RECT next{};
                ListView_GetSubItemRect(hwnd_, l, 1, LVIR_BOUNDS, &next);
                r = item.rcItem;
                r.right = next.left;
            } else {
                ListView_GetSubItemRect(hwnd_, l, column, LVIR_BOUNDS, &r);
            }
            // Leave the grid lines the list draws between the cells.
            r.right -= 1;
            r.bottom -= 1;
            if (r.right <= r.left) continue;
            useFont(LookOf(column));
            // A lone vowel or tone mark in the glyph column stands on a
            // dotted circle; alone it would be drawn on nothing.
            const std::u16string cell = CellText(line, column);
            DrawCellText(dc, r, kCellMargin, kColumns[column].centred,
                         column == kGlyphColumn ? CellDrawText(cell) : cell, back);
        }
        SetTextColor(dc, oldColour);
    }
    if (oldFont) SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
}

}  // namespace tess
