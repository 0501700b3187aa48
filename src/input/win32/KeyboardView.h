// The view of one on-screen keyboard page: a single custom-drawn child
// window ("TKeyboard") that paints the cells of a KeyboardCells model and
// hit-tests the mouse against them. One window per page instead of one per
// key keeps start-up fast; every rule (what is enabled, bold, grown, what a
// click does) stays in the model, and this view only paints what the cells
// say and reports the cell under the mouse.
//
// The control never takes the keyboard focus: a click on a key leaves the
// caret where the user is typing.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "input/Keyboards.h"

namespace tess {

class KeyboardView {
public:
    KeyboardView() = default;
    ~KeyboardView();
    KeyboardView(const KeyboardView&) = delete;
    KeyboardView& operator=(const KeyboardView&) = delete;

    // Registers the window class "TKeyboard" once per process; true when it
    // is (or already was) registered.
    static bool Register(HINSTANCE instance);

    // Creates the control as a visible child of `parent`, empty and sized 0 x 0;
    // the parent moves it over the tab sheet it stands for. Null on failure.
    HWND Create(HWND parent, int id);

    // What to paint: the cells (read at every paint, so a model changed in
    // place shows at the next Show or Repaint; null paints the background
    // only), the background, and the language picture: the 88 x 61 slice
    // `pictureIndex` of the strip `picture`, drawn into `pictureRect` when
    // both are given. The bitmap stays the caller's. Repaints. Showing
    // another model forgets the cell under the mouse and the held cell
    // without telling the handlers (a control per page never needs that).
    void Show(const KeyboardCells* cells, KeyboardBackground background, HBITMAP picture,
              int pictureIndex, std::optional<CellRect> pictureRect);
    // Paints again what Show gave, after the model changed in place
    // (ShowTriggerKeys, ShowFlags, Shift and Caps Lock).
    void Repaint();
    // Paints again over a new background (a colour changed in the settings).
    void Repaint(KeyboardBackground background);

    // Called with the cell under the mouse whenever that changes (none: over
    // no cell, the mouse left the control, or the control was hidden). True
    // when the model changed; then the cells left and entered are painted
    // again (a hover changes no other cell: MsImeKeyboard::Hover).
    void SetHoverHandler(std::function<bool(std::optional<std::size_t>)> handler);
    // Called when the left button goes down and up over the same enabled
    // cell, as a button clicks. The control repaints afterwards.
    void SetClickHandler(std::function<void(std::size_t cell)> handler);

    HWND Handle() const { return hwnd_; }

private:
    using FontKey = std::tuple<std::u16string, int, bool, int>;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Paint();
    void PaintCell(HDC dc, std::size_t index);
    void DrawCellText(HDC dc, const KeyCell& cell, const RECT& rect, UINT align);
    HFONT FontFor(const CellFont& font);
    void EnsureBuffer(HDC screen, int width, int height);
    void ReleaseGdi();

    std::optional<std::size_t> HitAt(int x, int y) const;
    bool IsEnabledCell(std::optional<std::size_t> cell) const;
    void AddCellArea(RECT& area, std::optional<std::size_t> cell) const;
    void MouseOver(std::optional<std::size_t> cell);
    void ButtonDown(int x, int y);
    void ButtonUp(int x, int y);

    HWND hwnd_ = nullptr;
    const KeyboardCells* cells_ = nullptr;
    KeyboardBackground background_;
    HBITMAP picture_ = nullptr;
    int pictureIndex_ = 0;
    std::optional<CellRect> pictureRect_;

    std::function<bool(std::optional<std::size_t>)> hoverHandler_;
    std::function<void(std::size_t)> clickHandler_;

    // The cell last reported to the hover handler: the model grows no other,
    // so it is painted last.
    std::optional<std::size_t> mouseCell_;
    // The cell the left button went down on, while the button is held.
    std::optional<std::size_t> pressedCell_;
    bool trackingLeave_ = false;

    std::map<FontKey, HFONT> fonts_;
    HDC bufferDc_ = nullptr;
    HBITMAP buffer_ = nullptr;
    HGDIOBJ bufferOld_ = nullptr;
    int bufferWidth_ = 0;
    int bufferHeight_ = 0;
};

}  // namespace tess
