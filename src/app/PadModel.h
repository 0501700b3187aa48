// PAD mode: the small window "PADモード" that stands in for the main window
// for quick input. One input line, the three on-screen keyboards on three
// pages (tabs at the bottom) and a transfer button that sends the line, as
// rich text in the PAD's own font size, to the target application.
//
// Life of one opening: Open (an open word book closes, the main window
// hides), Create (the controls' first state and fresh keyboards for the
// PAD's page size), Show (size, place, caption, pages, focus), then pages,
// keys and transfers any number of times, and Close (the place is kept for
// the run, the keyboard layout of the input mode comes back, the main
// window's automatic-paste box follows the flag, the main window shows).
// Each opening builds a fresh PadModel; what outlives it is PadPos, kept by
// the main window's model, and the settings' flags.
//
// The line takes trigger keys through the one input route (InputSession)
// as FieldId::PadEdit1, with requester ReqPad on both sides and no mode
// gate: the page says which side is meant. While the PAD is open the
// transfer shows the target on its circle and caption as well
// (TargetIndicator::Pad, IsFormOpen(kPadFormName)).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/MainWindowPort.h"
#include "input/KeyboardSet.h"
#include "lib/ColorText.h"
#include "settings/FontLists.h"
#include "transfer/TransferPort.h"

namespace tess {

class MainModel;

// The form name IsFormOpen looks for.
inline constexpr char16_t kPadFormName[] = u"PadFrm";
inline constexpr char16_t kPadCaption[] = u"PADモード";
// The window's size when shown, frame included.
inline constexpr int kPadWindowWidth = 450;
inline constexpr int kPadWindowHeight = 350;
// Edit1's font size; the transfer has a size of its own (PadFontSize).
inline constexpr int kPadLineFontSize = 18;
// ComboBox1's items.
inline constexpr int kPadFontSizeFirst = 9;
inline constexpr int kPadFontSizeLast = 60;

// The PAD's pages, in their order: TabSheet1, TabSheet2, TabSheet3.
enum class PadPage { Romaji = 0, MsIme = 1, Phonetic = 2 };

// PadPos: the left and top of the PAD when it was last closed; both -100
// until then. A left below 0 leaves the PAD to be centred on the screen.
struct PadPosition {
    int left = -100;
    int top = -100;
    bool operator==(const PadPosition&) const = default;
};

// What the PAD model asks of its view (and, through it, of the main window).
class PadPort {
public:
    virtual ~PadPort() = default;

    // --- The main window ---------------------------------------------------------
    virtual void HideMainWindow() = 0;
    virtual void ShowMainWindow() = 0;
    // The main window's automatic-paste check box, CheckBox3.
    virtual bool MainAutoPasteChecked() = 0;
    virtual void SetMainAutoPasteCheck(bool checked) = 0;

    // --- The window -----------------------------------------------------------------
    // Sizes the window, frame included, and places it at `at`, or centred on
    // the screen without one.
    virtual void PlaceWindow(int width, int height, std::optional<PadPosition> at) = 0;
    virtual PadPosition WindowPosition() = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    // Shape1: red while a target is held, the window background colour otherwise.
    virtual void ShowTarget(bool held) = 0;
    // The window shows and becomes the active one.
    virtual void Present() = 0;

    // --- Panel1 ---------------------------------------------------------------------
    virtual void SetAutoPasteCheck(bool checked) = 0;  // CheckBox1
    virtual void SetClearCheck(bool checked) = 0;      // CheckBox2 "ｸﾘｱ"
    // ComboBox1 (editable): its list and the text of its edit field.
    virtual void SetSizeBoxItems(const ItemList& items) = 0;
    virtual void SetSizeBoxText(const std::u16string& text) = 0;

    // --- Edit1, the line -----------------------------------------------------------
    virtual void SetLineFont(const FontLook& font) = 0;
    // None: the window background colour.
    virtual void SetLineBackground(std::optional<Color> color) = 0;
    virtual void DisableLineIme() = 0;
    // Gives the line the focus. When the focus really moves there, the view
    // runs PadModel::LineEntered before this returns.
    virtual void FocusLine() = 0;
    virtual std::u16string LineText() = 0;
    virtual TextSelection LineSelection() = 0;
    virtual void SelectInLine(TextSelection selection) = 0;
    virtual void SetLineText(const std::u16string& text) = 0;

    // --- PageControl1 -----------------------------------------------------------------
    virtual void SetPageCaption(PadPage page, const std::u16string& caption) = 0;
    // TabSheet2, the MS IME page: listed or not.
    virtual void SetImePageVisible(bool visible) = 0;
    virtual void SelectPage(PadPage page) = 0;
    // Paint a page again after its keyboard changed in place.
    virtual void RepaintKeyboard(PadPage page) = 0;
};

class PadModel {
public:
    // `transferPort` copies the rich text through RichBuffer::C, the PAD's
    // hidden buffer.
    PadModel(MainModel& main, TransferPort& transferPort, PadPort& port);
    ~PadModel();
    PadModel(const PadModel&) = delete;
    PadModel& operator=(const PadModel&) = delete;

    // --- Life ---------------------------------------------------------------------------
    // PadMode, before the window is made: an open word book is closed and
    // the main window hides.
    void Open();
    // The window's creation, its pages `sheetWidth` x `sheetHeight`: CheckBox1,
    // the line, the buffer's font, the size box, "ｸﾘｱ" checked, the page
    // captions and the three keyboards, built for this size.
    void Create(int sheetWidth, int sheetHeight);
    // FormShow: size, place, caption, the target, the MS IME page only in
    // input modes up to 3, page 0, the window up, the focus in the line.
    void Show();
    // The close box: PadPos, the layout of the input mode, CheckBox3 in line
    // with AutoPasteFlg, the main window back.
    void Close();

    // --- Pages --------------------------------------------------------------------------
    PadPage Page() const { return page_; }
    // The tab control lists the MS IME page only when it is shown: the
    // phonetic page moves up one place while it is hidden.
    int TabIndexOf(PadPage page) const;
    PadPage PageAtTab(int tabIndex) const;
    // The page control now shows the page at `tabIndex`.
    void PageChanged(int tabIndex);

    // --- The line -----------------------------------------------------------------------
    // The line got the focus: the Thai layout on the MS IME page, else the
    // start-up one.
    void LineEntered();
    // A character typed into the line; true when it was taken (Enter that
    // transferred, a trigger key).
    bool LineKeyPressed(char16_t key);
    // A key down or up in the line: on the MS IME page, Shift and Caps Lock
    // switch its table.
    void LineKeyStroke(std::uint16_t virtualKey, bool down);
    // A key the window sees before its controls: F9 transfers. True when
    // it did something.
    bool FormKeyDown(std::uint16_t virtualKey);

    // --- Panel1 -------------------------------------------------------------------------
    // SpeedButton1, F9 and Enter: the line's selection, or the whole line,
    // to the clipboard as rich text and plain text in the buffer's font and
    // PadFontSize, then the paste and "ｸﾘｱ".
    void PadTransfer();
    // CheckBox1 clicked: AutoPasteFlg; unchecked also forgets the target.
    void AutoPasteClicked(bool checked);
    // CheckBox2 clicked.
    void ClearBoxClicked(bool checked);
    // ComboBox1's text changed: a whole number of points becomes PadFontSize.
    void FontSizeChanged(const std::u16string& text);

    // --- Keyboards ------------------------------------------------------------------------
    // The cells a page paints; null before Create.
    const KeyboardCells* KeyboardOf(PadPage page) const;
    KeyboardBackground KeyboardBackgroundOf(PadPage page) const;
    void KeyboardClicked(PadPage page, std::size_t cell);
    // The mouse over the MS IME keyboard; true when a key grew or shrank.
    bool ImeKeyboardHover(std::optional<std::size_t> cell);

    // --- State ----------------------------------------------------------------------------
    // PadFontSize: the transfer's size, UsrMainFontSize when the PAD is made.
    int PadFontSize() const { return bufferFont_.sizePt; }
    // RichBufferC's font: the line's face and character set, PadFontSize.
    const FontLook& BufferFont() const { return bufferFont_; }
    bool ClearChecked() const { return clearChecked_; }

private:
    // Edit1 and RichBufferC take the font of the page's side.
    void ApplyPageFonts();

    MainModel& main_;
    TransferPort& transferPort_;
    PadPort& port_;
    KeyboardSet keyboards_;
    PadPage page_ = PadPage::Romaji;
    bool imePageVisible_ = true;
    bool clearChecked_ = true;
    FontLook bufferFont_;
};

}  // namespace tess
