// The word book search window (form name "SearchFrm"): a modeless window on
// top of the others that searches one field of every book in a folder and
// lists the hits, shows a hit's details, copies a hit into the main
// window's input areas or opens it in the word list for editing.
//
// The model holds the window's rules; the view builds the controls, forwards
// the user's actions here and shows what the model says. A search runs one
// book at a time (SearchStep), so the view can step it from a timer and
// stay responsive; the rows found so far are listed as they come.
//
// Result rows, nine cells each:
//   0 foreign word   1 phonetic symbols   2 book title   3 number ("*" exact)
//   4 Japanese       5 kana               6 note         7 audio file   8 colour
// Columns 5 to 8 are zero wide; the detail panel and the copy use them.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lib/ColorText.h"
#include "platform/platform.h"
#include "settings/Settings.h"
#include "wordbook/WordBooks.h"
#include "wordbook/WordListModel.h"
#include "wordbook/WordSearch.h"

namespace tess {

inline constexpr char16_t kSearchFormName[] = u"SearchFrm";
inline constexpr char16_t kNoHitsText[] = u"- なし -";

// --- The result list --------------------------------------------------------------------
inline constexpr int kSearchColumnCount = 9;
inline constexpr int kSearchVisibleColumns = 5;  // the rest are zero wide
inline constexpr int kSearchNumberColumn = 3;
inline constexpr int kSearchRowHeight = 30;

struct SearchColumn {
    std::u16string caption;
    int width = 0;
    bool centred = false;
};
// The captions and first widths; the first column is captioned with the
// language's name.
std::array<SearchColumn, kSearchColumnCount> SearchColumns(const std::u16string& languageName);
// The "No" column is kept between 50 and 75 pixels.
int ClampSearchNumberWidth(int width);
// The look of a drawn cell: its font, whether it sits on the phonetic
// background, and its margin (the first cell 4, the others 6).
CellFontKind SearchCellFont(int column);
bool SearchCellOnPhoneticBackground(int column);
int SearchCellMargin(int column);

// --- The field list and the search box ---------------------------------------------------
// SeaCombo's items: the language's name, then the five fixed ones.
std::vector<std::u16string> SearchFieldItems(const std::u16string& languageName);

// The window's own font and the search box's look per field.
inline constexpr char16_t kSearchWindowFont[] = u"ＭＳ Ｐゴシック";
inline constexpr int kSearchWindowFontPixels = 19;

enum class SearchBoxInput { Off, KatakanaFull, Hiragana };  // the input method in the box
struct SearchBoxStyle {
    std::u16string face;
    int charset = 0;
    int pixels = 0;                   // character height
    bool phoneticBackground = false;  // CandBg; otherwise the window colour
    SearchBoxInput input = SearchBoxInput::Hiragana;
    bool operator==(const SearchBoxStyle&) const = default;
};

// Where the search box stands in its strip: at the field list's top, or
// centred when it is taller than the strip leaves below that top.
int SearchBoxTop(int stripHeight, int fieldListTop, int boxHeight);

// --- The detail panel --------------------------------------------------------------------
inline constexpr int kDetailPanelOpenHeight = 270;
inline constexpr int kDetailPanelShutHeight = 1;
inline constexpr int kDetailPanelGrowth = 269;  // what the window grows by when it opens

// What a panel change does to the window's height.
enum class PanelChange { None, Open, Shut };

struct HitDetail {
    std::u16string foreign, phonetic, kana, japanese;
    std::u16string note;  // with its line breaks
    bool operator==(const HitDetail&) const = default;
};

// What "この単語を入力する" puts at the carets of the main window's areas;
// an empty text goes nowhere.
struct HitInsertion {
    std::u16string phonetic;  // into the phonetic area
    std::u16string foreign;   // into the foreign area, "#$0D" made line breaks
    bool operator==(const HitInsertion&) const = default;
};

// A keyboard layout step the window asks of the main window's layouts.
enum class LayoutStep { None, ActivateThai, RestoreStartup };

class SearchWindowModel {
public:
    // `languageName` and `langCharset`: the language in use when the window opens.
    SearchWindowModel(Platform& platform, Settings& settings, WordBooks& books,
                      std::u16string languageName, int langCharset);
    ~SearchWindowModel();

    // The language's name in the field list and the first column's caption.
    std::vector<std::u16string> FieldItems() const { return SearchFieldItems(languageName_); }
    std::array<SearchColumn, kSearchColumnCount> Columns() const {
        return SearchColumns(languageName_);
    }
    const std::u16string& LanguageName() const { return languageName_; }

    // --- Folder and field ----------------------------------------------------------
    bool DictionaryChosen() const { return settings_.DicSearchFlg; }
    // "ｶﾚﾝﾄ" (false) or "辞書" (true) clicked.
    void ChooseFolder(bool dictionary) { settings_.DicSearchFlg = dictionary; }
    // The folder a search looks in now.
    std::u16string SearchedFolder() const;

    // The chosen field, SearchIndex (kept within the list).
    int FieldIndex() const;
    // SeaComboChange: the index kept; the box restyled, emptied and focused
    // by the view; the layout step it asks for.
    LayoutStep ChooseField(int index, bool thaiKeyboardMode);
    SearchBoxStyle BoxStyle() const;
    // The search box got the focus.
    LayoutStep BoxEntered(bool thaiKeyboardMode) const;
    // Whether Shift and Caps Lock in the box switch the MS IME keyboard's table.
    bool BoxTracksShiftAndCaps(bool thaiKeyboardMode) const;

    // --- Searching -------------------------------------------------------------------
    // SeaBtnClick: the list emptied, the hit flag cleared, and a search of
    // the chosen folder started (none for an empty text).
    void StartSearch(const std::u16string& text);
    bool Searching() const;
    // Searches the next book; the number of rows it put above those listed
    // before (the selection moves down by as many).
    std::size_t SearchStep();
    // Steps until the search is done.
    void FinishSearch();
    // Stops a running search; the rows found stay.
    void StopSearch();

    bool HitFlag() const { return !Hits().empty(); }
    // The hits, or the one row "- なし -" after a search that found nothing.
    std::size_t RowCount() const;
    std::u16string CellText(std::size_t row, int column) const;
    // Whether the row draws this column ("- なし -" draws only the first).
    bool DrawsCell(std::size_t row, int column) const;
    // The font of a cell: by its column, except "- なし -", which is
    // Japanese and is drawn in the Japanese font.
    CellFontKind CellFont(std::size_t row, int column) const;
    const SearchHits& Hits() const;

    // --- Selection and the detail panel -------------------------------------------
    void Select(std::optional<std::size_t> row);
    std::optional<std::size_t> Selected() const { return selected_; }
    // SeaLViewClick with the selected row: a hit opens the panel (once),
    // enables the two buttons and fills the boxes.
    PanelChange RowClicked();
    bool PanelOpen() const { return panelOpen_; }
    bool HitButtonsEnabled() const { return hitButtonsEnabled_; }
    // The boxes take the window background once a hit has been shown (the
    // button face before).
    bool BoxesActive() const { return boxesActive_; }
    const HitDetail& Detail() const { return detail_; }

    // "この単語を入力する": what goes into the areas (nothing without a
    // selected hit); the window closes either way.
    std::optional<HitInsertion> Insertion() const;
    // "この単語を編集する": the selected hit's book opened and its word
    // clicked in the word list; true when that happened, and the window
    // then closes and runs the edit. False leaves the window open.
    bool OpenSelectedForEdit();
    // "ｸﾘｱ": the list and the boxes emptied, the panel shut.
    PanelChange Clear();

private:
    std::optional<SearchHit> SelectedHit() const;

    Platform& platform_;
    Settings& settings_;
    WordBooks& books_;
    std::u16string languageName_;
    int langCharset_;
    // The last search with a text; its hits are the rows. Cleared by "ｸﾘｱ".
    std::unique_ptr<FolderSearch> search_;
    bool stopped_ = false;
    std::optional<std::size_t> selected_;
    bool panelOpen_ = false;
    bool hitButtonsEnabled_ = false;
    bool boxesActive_ = false;
    HitDetail detail_;
};

}  // namespace tess
