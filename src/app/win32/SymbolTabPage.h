// The "記号奥の手" page of the main window's lower pane (view; ScrollBox1):
// the code preview button and the four-digit code field, the ten category
// buttons, the library chooser, the size correction and the grid of 100
// cells, drawn as one control. Events go to the SymbolTab model.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/SymbolTab.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/GdiTextMeasurer.h"

namespace tess {

class SymbolTabPage {
public:
    void Create(HINSTANCE instance, HWND parent, HFONT formFont, SymbolTab& model);
    HWND Handle() const { return page_; }
    void Place(const RECT& rect);
    void Show(bool shown);
    // The grid drawn again; with relayout fitted to the page first.
    void Refresh(bool relayout);

private:
    static LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandlePage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleGrid(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code, HWND from);
    void LayOut();
    void MakeFonts();
    void ShowCategoryButtons();
    void UpdateHints();
    void PaintGrid(HDC dc);
    void PaintCell(HDC dc, int cell, bool selected, bool pressed);
    int CellAt(int x, int y) const;
    RECT CellRect(int cell) const;

    SymbolTab* model_ = nullptr;
    HINSTANCE instance_ = nullptr;
    HWND page_ = nullptr, grid_ = nullptr, tooltips_ = nullptr;
    HWND preview_ = nullptr, codeField_ = nullptr, library_ = nullptr;
    HWND upDown_ = nullptr, devLabel_ = nullptr;
    std::array<HWND, 10> categories_{};
    std::array<HWND, 3> separators_{};
    GdiHandle<HFONT> previewFont_, smallFont_, categoryFont_, devFont_;
    // Made once per layout, not per cell.
    GdiHandle<HFONT> nameFont_, mainFont_;
    int pressedCell_ = -1;  // the mouse button is down on it
    int shownSelected_ = -1;  // drawn aqua until the grid is drawn again
    int quiet_ = 0;
    GdiTextMeasurer measurer_;
};

}  // namespace tess
