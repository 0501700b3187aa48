// The symbol tab ("記号奥の手") inside the main window: the grid's model and
// what its controls do — a cell or the code preview inserts into Memo1 at
// its caret, the categories and the library fill the grid, the size
// correction and the fitted font sizes of the last layout.
#pragma once

#include <optional>
#include <string>

#include "lib/FitFontSize.h"
#include "input/InputSession.h"
#include "input/KeyboardLayouts.h"
#include "input/SymbolGrid.h"
#include "platform/platform.h"
#include "settings/Settings.h"

namespace tess {

inline constexpr int kThaiCategory = 4;
inline constexpr char16_t kSymbolNameFont[] = u"Segoe UI";

// The font sizes a layout fits to the cells.
struct SymbolGridLayout {
    SymbolGridGeometry geometry;
    int nameSize = 0;  // "Segoe UI", ANSI
    int mainSize = 0;  // the foreign-language font in the language's character set
};

class SymbolTab {
public:
    SymbolTab(Platform& platform, const Settings& settings, InputSession& input,
              KeyboardLayouts& layouts)
        : platform_(platform), settings_(settings), input_(input), layouts_(layouts) {}

    // The mode set-up presses "Thai" whatever the language; the categories
    // take their names from the DBs of this table folder (the one in use).
    void StartUp(const std::u16string& tableFolder);
    void SetLanguageCharset(int charset) { langCharset_ = charset; }
    int LanguageCharset() const { return langCharset_; }

    void CategoryClicked(int button);
    void LibraryChosen(int item);
    // True when the cell had text (it was inserted and is now the selected one).
    bool CellClicked(int cell, int* previous = nullptr);
    void SizeDevChanged(int value) { grid_.SetSizeDev(value); }

    // The code field's text changed: the preview's new caption, if the text
    // is a code; the caption otherwise stays.
    std::optional<char16_t> CodeTextChanged(const std::u16string& text);
    const std::u16string& PreviewCaption() const { return preview_; }
    // The preview button (or Enter in the code field): its caption into Memo1.
    void PreviewClicked();
    // The code field got the focus: in the Thai keyboard mode the start-up layout.
    void CodeFieldEntered();

    // LayoutSymbolGrid's sizes for a scroll box of this width.
    SymbolGridLayout LayOut(int scrollBoxWidth, TextMeasurer& measurer);
    const SymbolGridLayout& Layout() const { return layout_; }

    const SymbolGrid& Grid() const { return grid_; }
    // The foreign-language font of the cells' characters.
    const std::u16string& MainFont() const { return settings_.UsrMainFont; }

private:
    Platform& platform_;
    const Settings& settings_;
    InputSession& input_;
    KeyboardLayouts& layouts_;
    SymbolGrid grid_;
    std::u16string preview_;
    std::u16string tableFolder_;
    int langCharset_ = 0;
    SymbolGridLayout layout_;
};

}  // namespace tess
