#include "app/SymbolTab.h"

#include "lib/Charsets.h"

namespace tess {

void SymbolTab::StartUp(const std::u16string& tableFolder) {
    tableFolder_ = tableFolder;
    if (grid_.PressedCategory() != kThaiCategory) CategoryClicked(kThaiCategory);
}

void SymbolTab::CategoryClicked(int button) {
    grid_.ClickCategory(button, platform_, tableFolder_);
}

void SymbolTab::LibraryChosen(int item) { grid_.ChooseLibrary(item); }

bool SymbolTab::CellClicked(int cell, int* previous) {
    const std::optional<std::u16string> text = grid_.ClickCell(cell, previous);
    if (!text) return false;
    input_.InsertInto(FieldId::MainForeign, *text);
    return true;
}

std::optional<char16_t> SymbolTab::CodeTextChanged(const std::u16string& text) {
    const std::optional<char16_t> c = CodeFieldCharacter(text);
    if (c) preview_ = std::u16string(1, *c);
    return c;
}

void SymbolTab::PreviewClicked() {
    if (!preview_.empty()) input_.InsertInto(FieldId::MainForeign, preview_);
}

void SymbolTab::CodeFieldEntered() { layouts_.PlainFieldEntered(settings_.InputMode); }

SymbolGridLayout SymbolTab::LayOut(int scrollBoxWidth, TextMeasurer& measurer) {
    layout_.geometry = SymbolGridGeometryFor(scrollBoxWidth);
    const int side = layout_.geometry.CellSide();
    // trunc(0.4 × side) and trunc(0.8 × side), in integers.
    const int nameLimit = side * 4 / 10, mainLimit = side * 8 / 10;
    layout_.nameSize = FitFontSize(measurer, kAnsiCharset, kSymbolNameFont, nameLimit, nameLimit);
    layout_.mainSize =
        FitFontSize(measurer, langCharset_, settings_.UsrMainFont, mainLimit, mainLimit);
    return layout_;
}

}  // namespace tess
