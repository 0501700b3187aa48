// The main window's child controls: created once, placed by the layout.
#pragma once

#include <windows.h>

#include "lib/win32/GdiHandle.h"

#include "app/MainLayout.h"
#include "app/MainModel.h"

namespace tess {

// Command and control ids of the main window.
enum MainId : int {
    kIdFunctionButton0 = 100,  // seven buttons: 100..106
    kIdTransferButton = 110,
    kIdAutoPasteCheck = 111,   // CheckBox3
    kIdTransferModeBox = 112,  // Edit2
    kIdFontBox = 120,          // ComboBox1
    kIdSizeBox = 121,          // ComboBox2
    kIdModeBox = 122,          // ComboBox3
    kIdStretchCheck = 123,     // CheckBox1
    kIdPhoneticArea = 130,     // Edit1
    kIdForeignArea = 131,      // Memo1
    kIdRichBufferA = 132,
    kIdRichBufferB = 133,
    kIdKeyboardPages = 140,    // PageControl2
    kIdLowerPages = 141,       // PageControl1
    kIdStatusBar = 150,
    kIdTargetShape = 151,      // Shape1
};

struct MainControls {
    HWND functionButtons[kFunctionButtonCount] = {};
    HWND transferButton = nullptr;
    HWND targetShape = nullptr;    // Shape1: a circle, red while a target is held
    HWND autoPasteCheck = nullptr; // CheckBox3
    HWND transferModeLabel = nullptr;
    HWND transferModeBox = nullptr;  // Edit2
    HWND fontBox = nullptr, sizeBox = nullptr, modeBox = nullptr;
    HWND stretchLabel = nullptr, stretchCheck = nullptr;
    HWND richBufferA = nullptr, richBufferB = nullptr;
    HWND phoneticArea = nullptr;   // Edit1
    HWND foreignArea = nullptr;    // Memo1
    HWND keyboardPages = nullptr;  // PageControl2
    HWND lowerPages = nullptr;     // PageControl1
    HWND statusBar = nullptr;
    HBITMAP glyphs = nullptr;      // the function keys' 26 x 26 glyphs, side by side
    HBITMAP languagePictures = nullptr;  // 88 x 61 each: Thai, Myanmar, Lao, Khmer
    GdiHandle<HFONT> formFont;     // "ＭＳ Ｐゴシック", 16 pixels
    GdiHandle<HFONT> smallFont;    // size 11 (mode box, transfer mode display)
};

// Creates every control as a child of `parent`; captions are the system's own.
void CreateMainControls(HWND parent, HINSTANCE instance, MainControls& c);

// Moves the controls to the rectangles of the layout.
void PlaceMainControls(const MainControls& c, const MainLayout& layout);

// The status bar's height as the system draws it.
int StatusBarHeight(const MainControls& c);

}  // namespace tess
