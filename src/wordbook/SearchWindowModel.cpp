#include "wordbook/SearchWindowModel.h"

#include <algorithm>
#include <utility>

#include "lib/Charsets.h"
#include "lib/TextConv.h"

namespace tess {

namespace {

constexpr int kDefaultSearchIndex = 3;  // "日本語"
constexpr int kMinNumberWidth = 50;
constexpr int kMaxNumberWidth = 75;

const SearchHits kNoHits;

}  // namespace

std::array<SearchColumn, kSearchColumnCount> SearchColumns(const std::u16string& languageName) {
    return {SearchColumn{languageName, 150, false}, SearchColumn{u"発音記号", 150, false},
            SearchColumn{u"単語帳", 100, false},     SearchColumn{u"No", 50, true},
            SearchColumn{u"日本語", 135, false},     SearchColumn{},
            SearchColumn{},                          SearchColumn{},
            SearchColumn{}};
}

int ClampSearchNumberWidth(int width) { return std::clamp(width, kMinNumberWidth, kMaxNumberWidth); }

CellFontKind SearchCellFont(int column) {
    switch (column) {
        case 0: return CellFontKind::Foreign;
        case 1: return CellFontKind::Phonetic;
        default: return CellFontKind::Japanese;
    }
}

bool SearchCellOnPhoneticBackground(int column) { return column == 1; }

int SearchCellMargin(int column) { return column == 0 ? 4 : 6; }

std::vector<std::u16string> SearchFieldItems(const std::u16string& languageName) {
    return {languageName, u"発音記号", u"発音カナ", u"日本語", u"備考", u"音声ﾌｧｲﾙ"};
}

int SearchBoxTop(int stripHeight, int fieldListTop, int boxHeight) {
    if (boxHeight > stripHeight - fieldListTop - 6) return (stripHeight - boxHeight) / 2;
    return fieldListTop;
}

SearchWindowModel::SearchWindowModel(Platform& platform, Settings& settings, WordBooks& books,
                                     std::u16string languageName, int langCharset)
    : platform_(platform), settings_(settings), books_(books),
      languageName_(std::move(languageName)), langCharset_(langCharset) {}

SearchWindowModel::~SearchWindowModel() = default;

std::u16string SearchWindowModel::SearchedFolder() const {
    return DictionaryChosen() ? books_.DictionaryFolder() : books_.CurrentFolder();
}

// --- Field ---------------------------------------------------------------------------------

int SearchWindowModel::FieldIndex() const {
    const int index = settings_.SearchIndex;
    return index >= 0 && index < kSearchFieldCount ? index : kDefaultSearchIndex;
}

LayoutStep SearchWindowModel::ChooseField(int index, bool thaiKeyboardMode) {
    if (index >= 0 && index < kSearchFieldCount) settings_.SearchIndex = index;
    return thaiKeyboardMode && FieldIndex() == 0 ? LayoutStep::ActivateThai
                                                 : LayoutStep::RestoreStartup;
}

SearchBoxStyle SearchWindowModel::BoxStyle() const {
    switch (FieldIndex()) {
        case 0:
            return {settings_.UsrMainFont, langCharset_, kSearchWindowFontPixels + 1, false,
                    SearchBoxInput::Off};
        case 1:
            return {settings_.UsrSubFont, kAnsiCharset, kSearchWindowFontPixels + 1, true,
                    SearchBoxInput::Off};
        case 2:
            return {kSearchWindowFont, kShiftJisCharset, kSearchWindowFontPixels, false,
                    SearchBoxInput::KatakanaFull};
        default:
            return {kSearchWindowFont, kShiftJisCharset, kSearchWindowFontPixels, false,
                    SearchBoxInput::Hiragana};
    }
}

LayoutStep SearchWindowModel::BoxEntered(bool thaiKeyboardMode) const {
    return thaiKeyboardMode && FieldIndex() == 0 ? LayoutStep::ActivateThai : LayoutStep::None;
}

bool SearchWindowModel::BoxTracksShiftAndCaps(bool thaiKeyboardMode) const {
    return thaiKeyboardMode && FieldIndex() == 0;
}

// --- Searching -----------------------------------------------------------------------------

void SearchWindowModel::StartSearch(const std::u16string& text) {
    search_.reset();
    stopped_ = false;
    selected_.reset();
    if (text.empty()) return;
    search_ = std::make_unique<FolderSearch>(platform_, SearchedFolder(), FieldIndex(), text);
}

bool SearchWindowModel::Searching() const { return search_ && !stopped_ && !search_->Done(); }

std::size_t SearchWindowModel::SearchStep() {
    if (!Searching()) return 0;
    const std::size_t above = search_->Step();
    if (selected_) *selected_ += above;
    return above;
}

void SearchWindowModel::FinishSearch() {
    while (Searching()) SearchStep();
}

void SearchWindowModel::StopSearch() { stopped_ = true; }

const SearchHits& SearchWindowModel::Hits() const { return search_ ? search_->Hits() : kNoHits; }

std::size_t SearchWindowModel::RowCount() const {
    if (!search_) return 0;
    const std::size_t hits = search_->Hits().size();
    if (hits == 0 && search_->Done()) return 1;  // "- なし -"
    return hits;
}

std::u16string SearchWindowModel::CellText(std::size_t row, int column) const {
    const SearchHits& hits = Hits();
    if (row >= hits.size()) {
        return row == 0 && column == 0 && RowCount() == 1 ? std::u16string(kNoHitsText)
                                                          : std::u16string();
    }
    const SearchHit hit = hits[row];
    const WordEntry& e = hit.entry;
    switch (column) {
        case 0: return e.foreignWord;
        case 1: return e.phonetic;
        case 2: return hit.title;
        case 3: return HitNumberText(hit);
        case 4: return e.japanese;
        case 5: return e.kana;
        case 6: return e.note;
        case 7: return e.audioFile;
        case 8: return e.textColor;
        default: return {};
    }
}

bool SearchWindowModel::DrawsCell(std::size_t row, int column) const {
    return row < Hits().size() || column == 0;
}

CellFontKind SearchWindowModel::CellFont(std::size_t row, int column) const {
    return row < Hits().size() ? SearchCellFont(column) : CellFontKind::Japanese;
}

// --- Selection and the detail panel ----------------------------------------------------

void SearchWindowModel::Select(std::optional<std::size_t> row) {
    if (row && *row >= RowCount()) row.reset();
    selected_ = row;
}

std::optional<SearchHit> SearchWindowModel::SelectedHit() const {
    const SearchHits& hits = Hits();
    if (!selected_ || *selected_ >= hits.size()) return std::nullopt;
    return hits[*selected_];
}

PanelChange SearchWindowModel::RowClicked() {
    const std::optional<SearchHit> hit = SelectedHit();
    if (!hit) return PanelChange::None;
    PanelChange change = PanelChange::None;
    if (!panelOpen_) {
        panelOpen_ = true;
        change = PanelChange::Open;
    }
    hitButtonsEnabled_ = true;
    boxesActive_ = true;
    const WordEntry& e = hit->entry;
    detail_ = HitDetail{e.foreignWord, e.phonetic, e.kana, e.japanese, DecodeLineBreaks(e.note)};
    return change;
}

std::optional<HitInsertion> SearchWindowModel::Insertion() const {
    const std::optional<SearchHit> hit = SelectedHit();
    if (!hit) return std::nullopt;
    return HitInsertion{hit->entry.phonetic, DecodeLineBreaks(hit->entry.foreignWord)};
}

bool SearchWindowModel::OpenSelectedForEdit() {
    const std::optional<SearchHit> hit = SelectedHit();
    if (!hit) return false;
    return books_.OpenWordForEdit(DictionaryChosen(), hit->title, hit->number);
}

PanelChange SearchWindowModel::Clear() {
    search_.reset();
    stopped_ = false;
    selected_.reset();
    detail_ = HitDetail{};
    if (!panelOpen_) return PanelChange::None;
    panelOpen_ = false;
    return PanelChange::Shut;
}

}  // namespace tess
