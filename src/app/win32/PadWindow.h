// The PAD window (view; registered class "TPadFrm", form name "PadFrm"): a
// small window with a single border and only a close box that stands in
// for the hidden main window. It builds its controls, forwards their events
// to PadModel and shows what the model asks through PadPort. It runs
// modally: Run returns when the user closed it.
//
// Keys reach the window before its controls: its own loop hands every key
// press inside it to PadModel::FormKeyDown (F9) first.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/PadModel.h"
#include "input/win32/KeyboardView.h"
#include "lib/win32/FocusKeeper.h"
#include "lib/win32/GdiHandle.h"

namespace tess {

// The PAD's control ids.
enum PadId : int {
    kIdPadTargetShape = 1001,  // Shape1
    kIdPadAutoPaste = 1002,    // CheckBox1
    kIdPadLine = 1003,         // Edit1
    kIdPadTransfer = 1004,     // SpeedButton1
    kIdPadFontSize = 1005,     // ComboBox1
    kIdPadClear = 1006,        // CheckBox2
    kIdPadRichBuffer = 1007,   // RichBufferC
    kIdPadPages = 1010,        // PageControl1
    kIdPadKeyboard0 = 1020,    // the pages' keyboards: 1020..1022
};

class PadWindow : public PadPort {
public:
    // `mainAutoPasteCheck` is the main window's CheckBox3.
    PadWindow(HINSTANCE instance, HWND mainWindow, HWND mainAutoPasteCheck)
        : instance_(instance), mainWindow_(mainWindow), mainAutoPasteCheck_(mainAutoPasteCheck) {}
    ~PadWindow() override;
    PadWindow(const PadWindow&) = delete;
    PadWindow& operator=(const PadWindow&) = delete;

    // Registers the window class "TPadFrm" once per process.
    static bool Register(HINSTANCE instance);

    // Creates the window, still hidden, and its
    // controls, and runs the model's creation for the size its pages have.
    // False when the system refused the window.
    bool Create(PadModel& model);
    // Shows the window and runs it modally until it is closed.
    void Run();

    // The line, for the directory of fields that take candidates.
    HWND* LineHandle() { return &line_; }
    // RichBufferC, through which the transfer copies.
    HWND RichBufferHandle() const { return richBuffer_; }
    // The transfer shows the target here too while the PAD is open.
    void ShowTargetState(bool held, const std::u16string& caption);

    // --- PadPort ---------------------------------------------------------------------
    void HideMainWindow() override;
    void ShowMainWindow() override;
    bool MainAutoPasteChecked() override;
    void SetMainAutoPasteCheck(bool checked) override;
    void PlaceWindow(int width, int height, std::optional<PadPosition> at) override;
    PadPosition WindowPosition() override;
    void SetCaption(const std::u16string& caption) override;
    void ShowTarget(bool held) override;
    void Present() override;
    void SetAutoPasteCheck(bool checked) override;
    void SetClearCheck(bool checked) override;
    void SetSizeBoxItems(const ItemList& items) override;
    void SetSizeBoxText(const std::u16string& text) override;
    void SetLineFont(const FontLook& font) override;
    void SetLineBackground(std::optional<Color> color) override;
    void DisableLineIme() override;
    void FocusLine() override;
    std::u16string LineText() override;
    TextSelection LineSelection() override;
    void SelectInLine(TextSelection selection) override;
    void SetLineText(const std::u16string& text) override;
    void SetPageCaption(PadPage page, const std::u16string& caption) override;
    void SetImePageVisible(bool visible) override;
    void SelectPage(PadPage page) override;
    void RepaintKeyboard(PadPage page) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void PlaceControls();
    void CreateKeyboards();
    void ShowSelectedKeyboard();
    void OnCommand(int id, int code);
    void DrawTargetShape(const DRAWITEMSTRUCT& item);
    void OnActivate(bool active);
    void OnClose();
    void PreviewKey(const MSG& msg);
    int TabOf(PadPage page) const;

    HINSTANCE instance_;
    HWND mainWindow_;
    HWND mainAutoPasteCheck_;
    PadModel* model_ = nullptr;
    HWND hwnd_ = nullptr;
    bool closed_ = false;

    HWND targetShape_ = nullptr, autoPasteCheck_ = nullptr, line_ = nullptr;
    HWND transferButton_ = nullptr, sizeBox_ = nullptr, clearCheck_ = nullptr;
    HWND richBuffer_ = nullptr, pages_ = nullptr;
    KeyboardView keyboards_[3];
    bool imePageVisible_ = true;

    GdiHandle<HFONT> formFont_, buttonFont_, lineFont_;
    GdiHandle<HBRUSH> lineBrush_;  // none: the window colour
    COLORREF lineColor_ = 0;
    bool targetHeld_ = false;
    int quietCombo_ = 0;  // set while the model fills the size box
    // The control that had the focus when the window was last deactivated.
    FocusKeeper focusKeeper_;

    std::function<bool(char16_t)> lineChars_;
    std::function<void(unsigned, bool)> lineKeys_;
};

}  // namespace tess
