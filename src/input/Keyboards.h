// The three on-screen keyboards of PageControl2 (and of the PAD): the romaji
// keyboard (the foreign side's trigger keys), the phonetic keyboard (the
// phonetic side's trigger keys) and the MS IME keyboard (the Thai layout's
// characters), each drawn as a Japanese (JIS) keyboard.
//
// A keyboard is a list of cells (47 key buttons, 48 key labels above them and
// a few extra controls) that one custom-drawn control paints and hit-tests;
// hundreds of child windows would make start-up slow. The view paints the
// cells in list order, the grown (hovered) Thai key last, and forwards clicks
// and mouse moves by cell index; everything a click does is decided here.
//
// Geometry is computed once, from the tab sheet's size when the keyboard is
// built; resizing later moves no key (only the flag picture follows).
//
// The PAD window carries the same three keyboards on its own pages, built
// anew for each opening; KeyboardHost::Pad makes the PAD's variant (see
// there).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/Settings.h"
#include "input/InputTables.h"
#include "input/ThaiKeyTables.h"
#include "input/TriggerStep.h"
#include "lib/ColorText.h"
#include "platform/platform.h"

namespace tess {

inline constexpr int kKeyButtonCount = 47;
inline constexpr int kKeyLabelCount = 48;

inline constexpr int kKeyboardBandHeight = 230;
inline constexpr Color kKeyboardDarkGrey = MakeColor(64, 64, 64);
inline constexpr Color kKeyTextBlack = MakeColor(0, 0, 0);
inline constexpr Color kKeyTextBlue = MakeColor(0, 0, 255);

// The language picture of the romaji keyboard (Thai, Myanmar, Lao, Khmer).
inline constexpr int kFlagPictureWidth = 88;
inline constexpr int kFlagPictureHeight = 61;
inline constexpr int kFlagPictureMinSheetHeight = 300;

inline constexpr std::uint16_t kVkShift = 16;
inline constexpr std::uint16_t kVkCapital = 20;

struct CellRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool operator==(const CellRect&) const = default;
};

struct CellFont {
    std::u16string name;
    int sizePt = 0;
    bool bold = false;
    int charset = 0;
    bool operator==(const CellFont&) const = default;
};

enum class CellKind {
    KeyButton,    // index 0-46
    KeyLabel,     // index 0-47: the small flat button above a key
    OneInputBox,  // check box "直": the side's one-key input flag
    ReversalBox,  // check box "復": the side's trigger reversal flag
    ListButton,   // "一覧": the list page of the side's candidate file
    CapsButton,   // toggle "CAPS" of the MS IME keyboard
};

struct KeyCell {
    CellKind kind = CellKind::KeyButton;
    int index = 0;
    CellRect rect;
    // Drawn as it stands: "&" is a plain ampersand, never an accelerator
    // mark (the view draws with DT_NOPREFIX).
    std::u16string text;
    CellFont font;
    Color textColor = kKeyTextBlack;
    bool enabled = true;
    bool flat = false;  // key labels
    bool down = false;  // a checked box, CAPS pressed
    bool operator==(const KeyCell&) const = default;
};

// Where a keyboard stands. The PAD's keyboards differ from the main
// window's in this: the whole page is one colour (the keyboard's colour
// setting, no dark area and no language picture), and the romaji and
// phonetic keyboards have no "直" and "復" boxes. Keys, labels, fonts,
// "一覧" and "CAPS" are the same.
enum class KeyboardHost { MainWindow, Pad };

// A band across the top in the keyboard's colour, dark grey below.
struct KeyboardBackground {
    Color band = 0;
    int bandHeight = kKeyboardBandHeight;
    Color rest = kKeyboardDarkGrey;
};

// The measures a keyboard is laid out with. Key buttons and labels are one
// key width wide; label i and key i share a left edge.
struct KeyGeometry {
    int leftMargin = 0;
    int topMargin = 0;
    int keyWidth = 0;
    int rowPitch = 0;
    int labelHeight = 0;
    int keyHeight = 0;
    std::array<int, 4> rowOffsets{};
};
KeyGeometry TriggerKeyboardGeometry(int sheetWidth, int sheetHeight);
KeyGeometry MsImeKeyboardGeometry(int sheetWidth, int sheetHeight);

// What a click asks of the main window.
struct KeyboardClick {
    enum class Action {
        None,
        TriggerKey,    // run the trigger step of `side` with `key` (main window: ReqMain, no mode gate)
        InsertText,    // `text` replaces Memo1's selection, and Memo1 gets the focus
        OpenCandList,  // OpenCandList of `side`'s candidate file
        FlagChanged,   // a "直" or "復" box wrote its flag into the settings
        CapsChanged,   // "CAPS" changed and the MS IME table with it
    };
    Action action = Action::None;
    InputSide side = InputSide::Foreign;
    char16_t key = 0;
    std::u16string text;
    bool operator==(const KeyboardClick&) const = default;
};

// The cells of one keyboard and their hit test.
class KeyboardCells {
public:
    const std::vector<KeyCell>& Cells() const { return cells_; }
    const KeyCell& KeyButton(int index) const { return cells_[keyButtonAt_ + index]; }
    const KeyCell& KeyLabel(int index) const { return cells_[labelAt_ + index]; }
    // The cell under the point, the one painted last winning; the hovered
    // Thai key is painted over its neighbours.
    std::optional<std::size_t> HitTest(int x, int y) const;

protected:
    KeyCell& MutableKey(int index) { return cells_[keyButtonAt_ + index]; }
    KeyCell& MutableLabel(int index) { return cells_[labelAt_ + index]; }
    // Labels, then keys (painted over the labels they grow into).
    void LayOutKeys(const KeyGeometry& g, bool phoneticRowOne, bool lettersGrow,
                    const std::u16string& keyCaptions);
    std::vector<KeyCell> cells_;
    std::size_t labelAt_ = 0;
    std::size_t keyButtonAt_ = 0;
    std::optional<std::size_t> hovered_;
};

// The romaji keyboard (InputSide::Foreign) or the phonetic keyboard
// (InputSide::Phonetic).
class TriggerKeyboard : public KeyboardCells {
public:
    // `table` is the side's candidate table, read again at every
    // ShowTriggerKeys and click, so a rebuilt table is seen through the same
    // reference. The "直" and "復" boxes read and write the side's flags in
    // `settings`; the background follows its colour setting.
    TriggerKeyboard(InputSide side, int sheetWidth, int sheetHeight, const CandTable& table,
                    Settings& settings, KeyboardHost host = KeyboardHost::MainWindow);

    InputSide Side() const { return side_; }
    const KeyGeometry& Geometry() const { return geometry_; }

    // ShowRomajiKeys / ShowPhoneticKeys: labels and keys enabled exactly for
    // the side's trigger keys; a trigger key is bold 14 pt (two points over a
    // plain key) on the romaji keyboard, 13 pt on the phonetic one, any other
    // key plain 12 pt, on the PAD as on the main window.
    // Run when built and after every rebuild of the side's table.
    void ShowTriggerKeys();
    // The "直" and "復" boxes show the side's flags again (after the settings
    // dialog changed them). The PAD's keyboards have no boxes.
    void ShowFlags();

    KeyboardClick Click(std::size_t cell);

    KeyboardBackground Background() const;
    // Where the language picture goes on a sheet of this size now: centred
    // horizontally, and vertically in the dark area under the band. None on
    // the phonetic keyboard, on the PAD, or while the sheet is lower than
    // 300 pixels.
    std::optional<CellRect> PictureRect(int sheetWidth, int sheetHeight) const;

private:
    bool& OneInputFlag();
    bool& ReversalFlag();

    InputSide side_;
    const CandTable& table_;
    Settings& settings_;
    KeyboardHost host_;
    KeyGeometry geometry_;
    // The "直" and "復" boxes; none on the PAD.
    std::optional<std::size_t> oneInputAt_;
    std::optional<std::size_t> reversalAt_;
};

// The MS IME keyboard. It starts with the unshifted table of the layout that
// ThaiImeKedFlg chooses, "CAPS" up.
class MsImeKeyboard : public KeyboardCells {
public:
    // `charset` is the language's font character set (222 for Thai).
    MsImeKeyboard(int sheetWidth, int sheetHeight, int charset, Settings& settings,
                  Platform& platform, KeyboardHost host = KeyboardHost::MainWindow);

    const KeyGeometry& Geometry() const { return geometry_; }

    // Labels get the key caps, keys one of the four tables; combining marks
    // blue, all else black.
    void ShowThaiKeys(ThaiLayout layout, bool shifted);
    ThaiLayout ShownLayout() const { return shownLayout_; }
    bool ShownShifted() const { return shownShifted_; }
    bool CapsDown() const { return capsDown_; }

    // "CAPS" set down or up as by a click: the shifted or unshifted table of
    // the chosen layout.
    void SetCaps(bool down);

    // A Thai key inserts its character; "CAPS" toggles.
    KeyboardClick Click(std::size_t cell);

    // The mouse is now over `cell` (none: over no key). The key it entered
    // grows (30 % wider and higher, 5 pixels up and left, font half as large
    // again); the one it left shrinks back. True when a cell changed.
    bool Hover(std::optional<std::size_t> cell);
    std::optional<std::size_t> HoveredCell() const { return hovered_; }

    // Shift and Caps Lock as the focused Thai field sees them (Memo1 while
    // this page shows; the dialogs' foreign word fields in mode 2). Shift
    // shows the shifted table only while Caps Lock is off; Caps Lock, on key
    // down and on key up, puts "CAPS" where the system's toggle is.
    void KeyDown(std::uint16_t virtualKey);
    void KeyUp(std::uint16_t virtualKey);

    // The IME menu: the item that opening it checks; choosing the other
    // layout stores it in ThaiImeKedFlg, shows its table (shifted while
    // "CAPS" is down) and gives the new page caption. Choosing the checked
    // one does nothing. The system layout follows at the next
    // ActivateThaiLayout.
    ThaiLayout ImeMenuChecked() const;
    std::optional<std::u16string> ChooseImeLayout(ThaiLayout layout);

    KeyboardBackground Background() const;

private:
    Settings& settings_;
    Platform& platform_;
    KeyboardHost host_;
    KeyGeometry geometry_;
    std::size_t capsAt_ = 0;
    ThaiLayout shownLayout_ = ThaiLayout::Kedmanee;
    bool shownShifted_ = false;
    bool capsDown_ = false;
};

// The caption of the MS IME page: "MS IME (Kedmanee)" or "MS IME (Pattachote)".
std::u16string MsImePageCaption(ThaiLayout layout);

// Opens the list page of a candidate file: tblFolder\<name with ".html" for
// its extension>, with the shell's "open", when that file exists. A missing
// page does nothing and says nothing. True when the shell was asked.
bool OpenCandList(Platform& platform, const std::u16string& tblFolder,
                  const std::u16string& candFile);

// The candidate file a trigger keyboard's "一覧" opens.
const std::u16string& CandFileOfSide(const Settings& settings, InputSide side);

}  // namespace tess
