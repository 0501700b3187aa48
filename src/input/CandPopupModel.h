// The candidate popups: TCandFrm (phonetic side, the candidate list) and
// TBandFrm (foreign side, the candidate band) share this model.
//
// A popup shows the ten slots of its side's candidate buffer as ten cells
// labelled "1" to "9" and "0", names the highlighted candidate, and ends with
// at most one text for InsertPhonetic / InsertForeign. The view forwards the
// form's key downs, characters, cell clicks, timer ticks and the close
// button; each event returns a PopupAction saying what the view does, in
// this order: stop the click timer, (re)start it for kCellClickDelayMs,
// insert the text, close, redraw.
//
// The buffer and the names are copied when the popup is created: the popup
// never changes them, and the model stays valid whatever the tables do.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lib/Charsets.h"
#include "lib/FitFontSize.h"
#include "lib/FontLook.h"
#include "input/InputTables.h"
#include "input/TriggerStep.h"

namespace tess {

inline constexpr int kCellCount = 10;

// --- Form geometry (client coordinates, pixels) --------------------------------------

// The form has no border: its client area is the whole window, and the form
// draws its own 2-pixel grey outline (red, green and blue 128) round it.
inline constexpr int kPopupWidth = 420;
inline constexpr int kPopupHeight = 92;
inline constexpr int kOutlineWidth = 2;
inline constexpr int kOutlineGrey = 128;
// The row that holds the cells; a cell's left inside it is 4 + 39 × index.
inline constexpr int kCellRowLeft = 4;
inline constexpr int kCellRowTop = 22;
inline constexpr int kCellRowWidth = 394;
inline constexpr int kCellRowHeight = 42;
inline constexpr int kCellLeft = 4;
inline constexpr int kCellTop = 2;
inline constexpr int kCellPitch = 39;
inline constexpr int kCellWidth = 38;
inline constexpr int kCellHeight = 40;
// Each cell is outlined by a black frame this wide, inside its 38 × 40.
inline constexpr int kCellFrameWidth = 2;
// The digit label over cell `index` stands at (23 + 39 × index, 4).
inline constexpr int kDigitLabelLeft = 23;
inline constexpr int kDigitLabelTop = 4;
// The name labels under the row: the Japanese one at (4, 70), the English
// one at top 68, 12 pixels right of the Japanese one's right edge.
inline constexpr int kJapaneseNameLeft = 4;
inline constexpr int kJapaneseNameTop = 70;
inline constexpr int kEnglishNameTop = 68;
inline constexpr int kEnglishNameGap = 12;
// A long English name steps down to this size to fit before the form's
// outline; one still too long ends in "…" there.
inline constexpr int kEnglishNameLeastSize = 8;
inline constexpr int kNameLabelsRight = kPopupWidth - kOutlineWidth - 2;
// Panel1, the close button ("×") and the band popup's size correction.
inline constexpr int kPanelLeft = 398;
inline constexpr int kPanelWidth = 22;
inline constexpr int kCandPanelHeight = 22;
inline constexpr int kBandPanelHeight = 66;
// The cell font is fitted so that "M" stays within 80 % of a cell.
inline constexpr int kCellFitHeight = kCellHeight * 8 / 10;  // 32
inline constexpr int kCellFitWidth = kCellWidth * 8 / 10;    // 30

inline constexpr unsigned kCellClickDelayMs = 100;

struct PopupRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const PopupRect&) const = default;
};

// Cell `cell` (0 to 9) in the form's client coordinates.
PopupRect PopupCellRect(int cell);
// Panel1: 22 × 22 on the candidate list, 22 × 66 on the band.
PopupRect PanelRect(InputSide side);

// --- Fonts and texts of the form's own labels and controls ---------------------------

// The form's own font, which the close button's "×" uses.
inline const FontLook kPopupFormFont{u"ＭＳ Ｐゴシック", kShiftJisCharset, 12};
inline const FontLook kDigitLabelFont{u"ＭＳ Ｐゴシック", kShiftJisCharset, 11};
inline const FontLook kJapaneseNameFont{u"ＭＳ Ｐゴシック", kShiftJisCharset, 11};
inline const FontLook kEnglishNameFont{u"Tahoma", kAnsiCharset, 11};
inline const FontLook kFsLabFont{u"Times New Roman", kAnsiCharset, 9};

inline constexpr char16_t kCloseCaption[] = u"×";
inline constexpr char16_t kCloseHint[] = u"[Esc]または[Backspace]キーで閉じられます";
inline constexpr char16_t kUpDownHint[] = u"文字サイズ補正";

// The controls in Panel1, in the form's client coordinates: the close button
// at the panel's top and, on the band, FsLab (5, 23 in the panel) and
// UpDown1 (2, 40 in the panel, 17 × 25). FsLab has no hint.
enum class PopupControl { CloseButton, FsLab, UpDown };
struct PopupControlPlace {
    PopupControl control;
    PopupRect rect;
    std::u16string hint;
    bool operator==(const PopupControlPlace&) const = default;
};
std::vector<PopupControlPlace> PanelControls(InputSide side);

// A label the form draws itself, as large as its text in its font.
struct PopupLabel {
    std::u16string text;
    FontLook font;
    PopupRect rect;
    bool operator==(const PopupLabel&) const = default;
};

// "1" … "9" over cells 0 to 8, "0" over cell 9.
std::u16string DigitLabel(int cell);

// What a press at a client point of the popup hits. Background presses (the
// labels included) drag the popup like a title bar.
struct PopupHit {
    enum Area { Background, Cell, CellRowGap, Panel };
    Area area = Background;
    int cell = -1;  // Cell: 0 to 9
    bool operator==(const PopupHit&) const = default;
};
PopupHit HitTestPopup(InputSide side, int x, int y);

// --- Placement ------------------------------------------------------------------

// Screen coordinates: the requester's field and the caret inside it (the
// caret point is the top left of the caret line), the caret line's height,
// and the screen.
struct PopupAnchor {
    int fieldLeft = 0;
    int fieldTop = 0;
    int caretX = 0;
    int caretY = 0;
    int lineHeight = 0;
    int screenTop = 0;
    int screenWidth = 0;
};

struct PopupPosition {
    int left = 0;
    int top = 0;
    bool operator==(const PopupPosition&) const = default;
};

// The gap between the popup and the caret line, above it or below it.
inline constexpr int kPopupCaretGap = 8;

// Just above the caret line, starting at the caret. A popup that would pass
// the right edge of the screen moves left to end 8 pixels inside it. A popup
// that would pass the top of the screen (a field near the top) opens just
// below the caret line instead, so that it is always visible.
PopupPosition PlacePopup(const PopupAnchor& anchor, int width = kPopupWidth,
                         int height = kPopupHeight);

// --- The band popup's size correction ----------------------------------------------

// BandDev, the foreign cells' font size correction in points, and UpDown1's range.
inline constexpr int kBandDevMin = -4;
inline constexpr int kBandDevMax = 9;
int ClampBandDev(int bandDev);
// FsLab: " 0" for 0, "+n" above 0, "-n" below 0.
std::u16string BandDevLabel(int bandDev);

// --- The model --------------------------------------------------------------------

struct PopupAction {
    bool stopTimer = false;
    bool startTimer = false;                // (re)start for kCellClickDelayMs
    std::optional<std::u16string> insert;  // for InsertPhonetic / InsertForeign
    bool close = false;
    bool redraw = false;
    bool operator==(const PopupAction&) const = default;
};

// Virtual keys the popup answers on key down.
inline constexpr int kVkBack = 8;
inline constexpr int kVkReturn = 13;
inline constexpr int kVkEscape = 27;
inline constexpr int kVkSpace = 32;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkRight = 39;

enum class CellFill { Highlight, Empty, Filled };  // aqua, button face, white

class CandPopupModel {
public:
    // `bandDev` is BandDev; the phonetic popup has no size correction and
    // ignores it.
    CandPopupModel(InputSide side, const CandBuf& buffer, const NameTable& names,
                   int bandDev = 0);

    InputSide Side() const { return side_; }
    int Highlight() const { return highlight_; }
    bool TimerRunning() const { return timerRunning_; }
    bool Closed() const { return closed_; }

    // Slot `cell` (0 to 9) with blanks trimmed; empty for an empty slot.
    std::u16string CellText(int cell) const;
    CellFill CellFillOf(int cell) const;
    // The candidate's note (the cell's hint).
    std::u16string CellHint(int cell) const;
    // The name labels, for the highlighted cell.
    std::u16string JapaneseNameLabel() const;
    std::u16string EnglishNameLabel() const;
    // Every label the form draws: the ten digit labels, then the Japanese
    // and the English name label. Each is measured in its font; the English
    // one follows the Japanese one's measured right edge and ends before the
    // outline, in a smaller font or cut with "…" when it is long.
    std::vector<PopupLabel> Labels(TextMeasurer& measurer) const;

    // The band popup's correction: BandDev within UpDown1's range, which is
    // where UpDown1 starts. Each click on UpDown1 sets it to the control's
    // new position and redraws; the view writes it back to BandDev.
    int BandDev() const { return bandDev_; }
    PopupAction UpDownClicked(int position);
    // The cell font size: the fitted size, plus the correction on the band.
    int CellFontSize(int fittedSize) const;
    // FsLab's text (band popup only).
    std::u16string FsLabText() const { return BandDevLabel(bandDev_); }

    PopupAction KeyDown(int virtualKey);
    PopupAction KeyPress(char16_t character);
    PopupAction CellClicked(int cell);
    PopupAction TimerFired();
    PopupAction CloseClicked();

private:
    PopupAction Close(std::optional<std::u16string> insert);

    InputSide side_;
    CandBuf buffer_;
    std::array<std::u16string, kCellCount> japanese_, english_, notes_;
    int bandDev_ = 0;
    int highlight_ = 0;
    bool timerRunning_ = false;
    bool closed_ = false;
};

}  // namespace tess
