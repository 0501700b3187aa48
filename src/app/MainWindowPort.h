// What the main window's model asks of its view.
//
// The model (MainModel) holds every rule of the main window; the view
// (MainWindow) implements this interface by setting its controls and reporting
// the few things only it knows (which area has the focus, what Memo1 holds).
// Every call is a plain "show this": the view decides nothing. The view
// attaches itself with MainModel::Attach before the start-up sequence.
#pragma once

#include <string>
#include <vector>

#include "settings/FontLists.h"
#include "lib/ColorText.h"
#include "lib/FontLook.h"
#include "lib/InputArea.h"

namespace tess {

// The pages of the keyboard page control PageControl2, in their order.
enum class KeyboardPage { Romaji = 0, MsIme = 1, Phonetic = 2 };

// What the main window can do from its function keys and buttons.
enum class MainAction { Close, AreaClear, RegWord, ModWord, SearchWord, PadMode, Option, TransferTxt1 };
inline constexpr int kMainActionCount = 8;

// The areas' texts come from InputAreaTexts, which the transfer's port
// shares: the main window implements them once.
class MainWindowPort : public virtual InputAreaTexts {
public:
    virtual ~MainWindowPort() = default;

    // --- Keyboard pages ------------------------------------------------------
    virtual void SetRomajiPageCaption(const std::u16string& caption) = 0;  // TabSheet3
    virtual void SetImePageVisible(bool visible) = 0;                      // TabSheet4
    virtual void SetImePageCaption(const std::u16string& caption) = 0;
    virtual void SelectKeyboardPage(KeyboardPage page) = 0;
    virtual void SetKeyboardPagesWidth(int width) = 0;
    // The language picture (0 Thai, 1 Myanmar, 2 Lao, 3 Khmer) on the romaji page.
    virtual void ShowLanguagePicture(int index) = 0;

    // --- Word book menu --------------------------------------------------------
    // The two direction radio buttons: language to Japanese, Japanese to language.
    virtual void SetDirectionCaptions(const std::u16string& langToJp,
                                      const std::u16string& jpToLang) = 0;

    // --- Font panel ------------------------------------------------------------
    // ComboBox1 (editable): its list, and the text of its edit field; the view
    // selects the item equal to the text when there is one.
    virtual void SetFontBoxItems(const ItemList& items) = 0;
    virtual void SetFontBoxText(const std::u16string& text) = 0;
    // ComboBox2 (editable), the same.
    virtual void SetSizeBoxItems(const ItemList& items) = 0;
    virtual void SetSizeBoxText(const std::u16string& text) = 0;
    // ComboBox3 (a drop-down list).
    virtual void SetModeBoxItems(const ItemList& items) = 0;
    virtual void SelectModeBoxItem(int index) = 0;

    // --- Layout and check boxes ------------------------------------------------
    // CheckBox1 shows the flag; set: the input pane keeps its height and the
    // lower pane takes the spare height; clear: the other way round.
    virtual void SetUnderStretch(bool set) = 0;
    virtual void SetLowerPaneHeight(int height) = 0;  // PageControl1
    virtual void SetFontPanelWidth(int width) = 0;    // Panel11
    virtual void SetAutoPasteCheck(bool checked) = 0;  // CheckBox3

    // --- Keyboards -----------------------------------------------------------------
    // Paint a page again after its keyboard changed in place.
    virtual void RepaintKeyboard(KeyboardPage page) = 0;

    // --- Symbol tab ---------------------------------------------------------------------
    // The grid drawn again from the model; with relayout its cells and fonts
    // are first fitted to the page again (a resize, a language switch).
    virtual void RefreshSymbolTab(bool relayout) = 0;

    // --- Windows ----------------------------------------------------------------------
    // Open the window of an action: registration, edit, search, PAD,
    // settings (each arrives with its part; until then nothing opens).
    virtual void OpenWindowFor(MainAction action) = 0;
    // Close the main window (its close runs the shut-down sequence).
    virtual void CloseWindow() = 0;

    // --- Function-key buttons --------------------------------------------------
    // The buttons (and the "転送" button) whose action this is.
    virtual void SetActionEnabled(MainAction action, bool enabled) = 0;

    // --- Input areas -------------------------------------------------------------
    virtual void SetForeignFont(const FontLook& font) = 0;
    virtual void SetPhoneticAreaFont(const FontLook& font) = 0;
    virtual void SetPhoneticBackground(Color color) = 0;
    virtual void SetForeignWordWrap(bool wrap) = 0;
    // Both scroll bars, or none.
    virtual void SetForeignScrollBars(bool shown) = 0;
    virtual InputArea FocusedArea() = 0;
    // Gives the area the focus; with caretToEnd the caret goes after its last
    // character, else it stays where it was.
    virtual void Focus(InputArea area, bool caretToEnd) = 0;
    // The area's selection replaced by `text`, the caret behind it; the
    // focus stays where it is.
    virtual void InsertAtCaret(InputArea area, const std::u16string& text) = 0;
};

}  // namespace tess
