// The symbol DB row list as the table editors use it, under Wine: rows under
// their groups' names, selection by row index, group lines never left
// selected, the row height, a row redrawn in place.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/win32/SymbolDbList.h"

namespace tess {
namespace {

constexpr int kListId = 77;

// A top-level window that hands the list its notices first, as the editors do.
class ListHost {
public:
    explicit ListHost(int rowHeight) {
        static bool registered = false;
        if (!registered) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = &ListHost::Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"SymbolDbListHost";
            registered = RegisterClassW(&wc) != 0;
        }
        hwnd_ = CreateWindowExW(0, L"SymbolDbListHost", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 900,
                                600, nullptr, nullptr, GetModuleHandleW(nullptr), this);
        list.Create(hwnd_, kListId, RECT{0, 0, 880, 560}, rowHeight);
    }
    ~ListHost() { DestroyWindow(hwnd_); }

    SymbolDbList list;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<ListHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        LRESULT result = 0;
        if (self && self->list.HandleMessage(message, wParam, lParam, result)) return result;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

SymbolDbRow Row(int number, int group, const char16_t* code, const char16_t* english) {
    SymbolDbRow row;
    row.rowNumber = number;
    row.group = group;
    row.code = code;
    row.englishName = english;
    row.auxClass = u"0";
    return row;
}

const std::vector<SymbolDbGroup> kGroups = {{0, u"A"}, {1, u"B"}, {2, u"C"}};
// Rows 1 and 2 in group 1, row 3 in group 0, row 4 in group 5, which no
// group line names; group 2 has no rows.
const std::vector<SymbolDbRow> kRows = {Row(1, 1, u"0E01", u"ko"), Row(2, 1, u"0E02", u"kho"),
                                        Row(3, 0, u"0E03", u"khho"), Row(4, 5, u"0E04", u"kw")};

std::wstring CellText(HWND list, int line, int column) {
    wchar_t text[128] = {};
    ListView_GetItemText(list, line, column, text, 128);
    return text;
}

std::vector<std::wstring> FirstColumn(HWND list) {
    std::vector<std::wstring> out;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) out.push_back(CellText(list, i, 0));
    return out;
}

TEST(SymbolDbList, ShowsRowsUnderTheirGroupsInGroupOrder) {
    ListHost host(28);
    host.list.Show(kGroups, kRows, u"Tahoma", 222);
    EXPECT_EQ(FirstColumn(host.list.hwnd()),
              (std::vector<std::wstring>{L"A", L"3", L"B", L"1", L"2", L"グループ 5", L"4"}));
    EXPECT_EQ(CellText(host.list.hwnd(), 3, 1), L"0E01");
    EXPECT_EQ(CellText(host.list.hwnd(), 3, 3), L"ko");
    host.list.Clear();
    EXPECT_EQ(ListView_GetItemCount(host.list.hwnd()), 0);
}

TEST(SymbolDbList, SelectsByRowIndex) {
    ListHost host(28);
    host.list.Show(kGroups, kRows, u"Tahoma", 222);
    EXPECT_EQ(host.list.SelectedIndex(), -1);
    host.list.Select(1);
    EXPECT_EQ(host.list.SelectedIndex(), 1);
    EXPECT_EQ(ListView_GetNextItem(host.list.hwnd(), -1, LVNI_SELECTED), 4);
    host.list.Select(-1);
    EXPECT_EQ(host.list.SelectedIndex(), -1);
    EXPECT_EQ(ListView_GetNextItem(host.list.hwnd(), -1, LVNI_SELECTED), -1);
}

TEST(SymbolDbList, AGroupLineHandsItsSelectionToARow) {
    ListHost host(28);
    host.list.Show(kGroups, kRows, u"Tahoma", 222);
    HWND list = host.list.hwnd();
    // From above (nothing selected): to the row below the group's line.
    ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(host.list.SelectedIndex(), 0);
    // From below: back to the row above it.
    host.list.Select(0);
    ListView_SetItemState(list, 3, 0, LVIS_SELECTED);
    ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(host.list.SelectedIndex(), 2);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
}

TEST(SymbolDbList, RowsAreAsHighAsAsked) {
    for (int height : {28, 30}) {
        ListHost host(height);
        host.list.Show(kGroups, kRows, u"Tahoma", 222);
        RECT row{};
        ASSERT_TRUE(ListView_GetItemRect(host.list.hwnd(), 1, &row, LVIR_BOUNDS));
        EXPECT_EQ(row.bottom - row.top, height);
    }
}

TEST(SymbolDbList, UpdateRowChangesItsCellsInPlace) {
    ListHost host(28);
    host.list.Show(kGroups, kRows, u"Tahoma", 222);
    SymbolDbRow changed = kRows[2];
    changed.englishName = u"changed";
    host.list.UpdateRow(2, changed);
    EXPECT_EQ(CellText(host.list.hwnd(), 1, 3), L"changed");
    EXPECT_EQ(host.list.LineOfRow(2), 1);
}

}  // namespace
}  // namespace tess
