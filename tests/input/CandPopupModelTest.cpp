#include "input/CandPopupModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

constexpr char16_t kKoKai = u'\u0E01';    // ก
constexpr char16_t kKhoKhai = u'\u0E02';  // ข

// Candidates in slots 1 and 3, a blank in slot 5, the trigger key "k" in
// slot 10 (trigger reversal).
CandBuf Buffer() {
    CandBuf buffer{};
    buffer[0] = kKoKai;
    buffer[2] = kKhoKhai;
    buffer[4] = u' ';
    buffer[9] = u'k';
    return buffer;
}

NameTable Names() {
    return {TUDB{kKoKai, u"コー・カイ", u"KO KAI", 0, u"子音 (鶏)"},
            TUDB{kKhoKhai, u"コー・カイ2", u"KHO KHAI", 0, u""}, TUDB{}};
}

CandPopupModel Band() { return CandPopupModel(InputSide::Foreign, Buffer(), Names()); }

PopupAction Closing(std::optional<std::u16string> insert, bool stopTimer = false) {
    PopupAction action;
    action.stopTimer = stopTimer;
    action.insert = std::move(insert);
    action.close = true;
    return action;
}

PopupAction Redraw() {
    PopupAction action;
    action.redraw = true;
    return action;
}

TEST(CandPopupModel, CellsShowTheBufferWithTheFirstHighlighted) {
    const CandPopupModel popup = Band();
    EXPECT_EQ(popup.Highlight(), 0);
    const CellFill expected[kCellCount] = {
        CellFill::Highlight, CellFill::Empty, CellFill::Filled, CellFill::Empty, CellFill::Empty,
        CellFill::Empty,     CellFill::Empty, CellFill::Empty,  CellFill::Empty, CellFill::Filled};
    for (int cell = 0; cell < kCellCount; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(popup.CellFillOf(cell), expected[cell]);
    }
    EXPECT_EQ(popup.CellText(0), u"\u0E01");
    EXPECT_EQ(popup.CellText(1), u"");
    EXPECT_EQ(popup.CellText(4), u"");  // a blank slot is trimmed away
    EXPECT_EQ(popup.CellText(9), u"k");
}

TEST(CandPopupModel, DigitsChooseTheirCellAndZeroIsTheTenth) {
    const std::optional<std::u16string> inserted[kCellCount] = {
        u"\u0E01", std::nullopt, u"\u0E02", std::nullopt, std::nullopt,
        std::nullopt, std::nullopt, std::nullopt, std::nullopt, u"k"};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const char16_t digit = DigitLabel(cell)[0];
        SCOPED_TRACE(static_cast<char>(digit));
        CandPopupModel popup = Band();
        EXPECT_EQ(popup.KeyPress(digit), Closing(inserted[cell]));
        EXPECT_EQ(popup.Highlight(), cell);
        EXPECT_TRUE(popup.Closed());
    }
    EXPECT_EQ(DigitLabel(0), u"1");
    EXPECT_EQ(DigitLabel(8), u"9");
    EXPECT_EQ(DigitLabel(9), u"0");
}

TEST(CandPopupModel, KeyDownsCloseOrMoveTheHighlight) {
    struct Case {
        const char* name;
        std::vector<int> keys;
        PopupAction last;
        int highlight;
    };
    const Case cases[] = {
        {"Esc closes with nothing", {kVkEscape}, Closing(std::nullopt), 0},
        {"Backspace closes with nothing", {kVkBack}, Closing(std::nullopt), 0},
        {"Enter inserts the highlighted cell", {kVkReturn}, Closing(u"\u0E01"), 0},
        {"Enter on an empty cell inserts the empty string", {kVkRight, kVkReturn},
         Closing(u""), 1},
        {"Enter on a blank slot inserts the empty string",
         {kVkRight, kVkRight, kVkRight, kVkRight, kVkReturn}, Closing(u""), 4},
        {"Space and Right move on", {kVkSpace, kVkRight, kVkReturn}, Closing(u"\u0E02"), 2},
        {"Left from the first cell goes to the tenth", {kVkLeft}, Redraw(), 9},
        {"Left then Enter inserts the tenth", {kVkLeft, kVkReturn}, Closing(u"k"), 9},
        {"other keys do nothing", {'A', '1', 40, 38}, PopupAction{}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CandPopupModel popup = Band();
        PopupAction last;
        for (int key : c.keys) last = popup.KeyDown(key);
        EXPECT_EQ(last, c.last);
        EXPECT_EQ(popup.Highlight(), c.highlight);
        EXPECT_EQ(popup.Closed(), c.last.close);
    }
}

TEST(CandPopupModel, HighlightWrapsBothWays) {
    CandPopupModel popup = Band();
    for (int i = 0; i < kCellCount; ++i) popup.KeyDown(kVkRight);
    EXPECT_EQ(popup.Highlight(), 0);
    popup.KeyDown(kVkLeft);
    EXPECT_EQ(popup.Highlight(), 9);
    popup.KeyDown(kVkSpace);
    EXPECT_EQ(popup.Highlight(), 0);
    EXPECT_EQ(popup.CellFillOf(9), CellFill::Filled);
    EXPECT_EQ(popup.CellFillOf(0), CellFill::Highlight);
}

TEST(CandPopupModel, NothingHappensAfterClosing) {
    CandPopupModel popup = Band();
    popup.KeyDown(kVkEscape);
    EXPECT_EQ(popup.KeyPress(u'1'), PopupAction{});
    EXPECT_EQ(popup.KeyDown(kVkReturn), PopupAction{});
    EXPECT_EQ(popup.CellClicked(2), PopupAction{});
    EXPECT_EQ(popup.TimerFired(), PopupAction{});
    EXPECT_EQ(popup.CloseClicked(), PopupAction{});
}

TEST(CandPopupModel, CloseButtonInsertsNothing) {
    CandPopupModel popup = Band();
    EXPECT_EQ(popup.CloseClicked(), Closing(std::nullopt));
}

TEST(CandPopupModel, LabelsNameTheHighlightedCandidate) {
    CandPopupModel band = Band();
    EXPECT_EQ(band.JapaneseNameLabel(), u"日本語名： コー・カイ");
    EXPECT_EQ(band.EnglishNameLabel(), u"Note: KO KAI");
    band.KeyDown(kVkRight);  // an empty cell
    EXPECT_EQ(band.JapaneseNameLabel(), u"日本語名： ");
    EXPECT_EQ(band.EnglishNameLabel(), u"Note: ");

    const CandPopupModel list(InputSide::Phonetic, Buffer(), Names());
    EXPECT_EQ(list.JapaneseNameLabel(), u"日本語名：コー・カイ");
    EXPECT_EQ(list.EnglishNameLabel(), u"Note: KO KAI");
}

TEST(CandPopupModel, HintsAreTheNotes) {
    const CandPopupModel popup = Band();
    EXPECT_EQ(popup.CellHint(0), u"子音 (鶏)");
    EXPECT_EQ(popup.CellHint(2), u"");   // a note left empty
    EXPECT_EQ(popup.CellHint(9), u"");   // "k" has no symbol line
    EXPECT_EQ(popup.CellHint(1), u"");   // an empty slot
}

// --- Click and timer ------------------------------------------------------------------

// What a view does with the actions: the timer runs on the platform, the
// insertions are recorded.
struct PopupView {
    static constexpr int kTimerId = 7;
    FakePlatform platform;
    CandPopupModel popup = Band();
    std::vector<std::u16string> inserted;
    bool closed = false;

    void Carry(const PopupAction& action) {
        if (action.stopTimer) platform.StopTimer(kTimerId);
        if (action.startTimer) {
            platform.StartTimer(kTimerId, kCellClickDelayMs, [this] { Carry(popup.TimerFired()); });
        }
        if (action.insert) inserted.push_back(*action.insert);
        if (action.close) closed = true;
    }
};

TEST(CandPopupClick, InsertsTheClickedCell100MillisecondsLater) {
    PopupView view;
    view.Carry(view.popup.CellClicked(2));
    EXPECT_EQ(view.popup.Highlight(), 2);
    EXPECT_EQ(view.popup.CellFillOf(2), CellFill::Highlight);
    view.platform.AdvanceTime(99);
    EXPECT_TRUE(view.inserted.empty());
    EXPECT_FALSE(view.closed);
    view.platform.AdvanceTime(1);
    EXPECT_EQ(view.inserted, std::vector<std::u16string>{u"\u0E02"});
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(view.platform.TimerRunning(PopupView::kTimerId));
}

TEST(CandPopupClick, AnEmptyCellInsertsTheEmptyString) {
    PopupView view;
    view.Carry(view.popup.CellClicked(5));
    view.platform.AdvanceTime(100);
    EXPECT_EQ(view.inserted, std::vector<std::u16string>{u""});
}

TEST(CandPopupClick, SecondClickRestartsTheWaitAndWins) {
    PopupView view;
    view.Carry(view.popup.CellClicked(0));
    view.platform.AdvanceTime(60);
    view.Carry(view.popup.CellClicked(9));
    view.platform.AdvanceTime(60);
    EXPECT_TRUE(view.inserted.empty());
    view.platform.AdvanceTime(40);
    EXPECT_EQ(view.inserted, std::vector<std::u16string>{u"k"});
}

TEST(CandPopupClick, EscDuringTheWaitStopsTheTimer) {
    PopupView view;
    view.Carry(view.popup.CellClicked(0));
    EXPECT_EQ(view.popup.KeyDown(kVkEscape), Closing(std::nullopt, true));
    EXPECT_TRUE(view.popup.Closed());
    // A tick already queued when the popup closed inserts nothing.
    EXPECT_EQ(view.popup.TimerFired(), PopupAction{});
}

TEST(CandPopupClick, StrayTickWithoutAClickDoesNothing) {
    CandPopupModel popup = Band();
    EXPECT_EQ(popup.TimerFired(), PopupAction{});
    EXPECT_FALSE(popup.Closed());
}

// --- Hit testing ----------------------------------------------------------------------

TEST(CandPopupHitTest, CellsGapsPanelAndBackground) {
    struct Case {
        InputSide side;
        int x, y;
        PopupHit hit;
    };
    const PopupHit background{PopupHit::Background, -1};
    const PopupHit gap{PopupHit::CellRowGap, -1};
    const PopupHit panel{PopupHit::Panel, -1};
    const Case cases[] = {
        {InputSide::Foreign, 10, 10, background},     // digit labels
        {InputSide::Foreign, 5, 80, background},      // name labels
        {InputSide::Foreign, 8, 24, {PopupHit::Cell, 0}},
        {InputSide::Foreign, 45, 63, {PopupHit::Cell, 0}},
        {InputSide::Foreign, 46, 30, gap},            // between cells 1 and 2
        {InputSide::Foreign, 47, 30, {PopupHit::Cell, 1}},
        {InputSide::Foreign, 359, 40, {PopupHit::Cell, 9}},
        {InputSide::Foreign, 396, 40, {PopupHit::Cell, 9}},
        {InputSide::Foreign, 397, 40, gap},
        {InputSide::Foreign, 6, 30, gap},             // the row's left margin
        {InputSide::Foreign, 20, 23, gap},            // the row's top margin
        {InputSide::Foreign, 20, 64, background},     // below the row
        {InputSide::Foreign, 400, 10, panel},
        {InputSide::Phonetic, 400, 10, panel},
        {InputSide::Foreign, 400, 50, panel},         // the band's size correction
        {InputSide::Phonetic, 400, 50, background},   // the list's panel is 22 high
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(HitTestPopup(c.side, c.x, c.y), c.hit);
    }
}

// --- Layout ---------------------------------------------------------------------------

// Measures as a face with fixed advances would: each face has its own width
// per code unit, and the height follows the point size. Records what it was
// asked.
class FixedPitchMeasurer : public TextMeasurer {
public:
    struct Call {
        int charset;
        std::u16string face;
        int sizePt;
        std::u16string text;
    };
    TextExtent Measure(int charset, const std::u16string& face, int sizePt,
                       const std::u16string& text) override {
        calls.push_back({charset, face, sizePt, text});
        const int advance = face == u"Tahoma" ? 6 : face == u"ＭＳ Ｐゴシック" ? 10 : 8;
        return {advance * static_cast<int>(text.size()), sizePt * 4 / 3 + 1};
    }
    std::vector<Call> calls;
};

TEST(CandPopupLayout, DigitLabelsStandOverTheirCells) {
    FixedPitchMeasurer measurer;
    const std::vector<PopupLabel> labels = Band().Labels(measurer);
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(kCellCount + 2));
    const struct {
        int cell;
        std::u16string text;
        int left;
    } cases[] = {{0, u"1", 23}, {1, u"2", 62}, {4, u"5", 179}, {8, u"9", 335}, {9, u"0", 374}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        const PopupLabel& label = labels[c.cell];
        EXPECT_EQ(label.text, c.text);
        EXPECT_EQ(label.font, (FontLook{u"ＭＳ Ｐゴシック", 128, 11}));
        EXPECT_EQ(label.rect, (PopupRect{c.left, 4, 10, 15}));
        // Over its cell and clear of the row below.
        const PopupRect cell = PopupCellRect(c.cell);
        EXPECT_GE(label.rect.left, cell.left);
        EXPECT_LE(label.rect.Right(), cell.Right());
        EXPECT_LE(label.rect.Bottom(), kCellRowTop);
    }
}

TEST(CandPopupLayout, EnglishNameFollowsTheMeasuredJapaneseName) {
    struct Case {
        const char* name;
        InputSide side;
        int rightPresses;
        std::u16string japanese;
        std::u16string english;
        int englishLeft;  // 4 + measured width + 12
    };
    const Case cases[] = {
        {"list", InputSide::Phonetic, 0, u"日本語名：コー・カイ", u"Note: KO KAI", 4 + 100 + 12},
        {"band, a blank after the colon", InputSide::Foreign, 0, u"日本語名： コー・カイ",
         u"Note: KO KAI", 4 + 110 + 12},
        {"band, a longer name", InputSide::Foreign, 2, u"日本語名： コー・カイ2",
         u"Note: KHO KHAI", 4 + 120 + 12},
        {"band, an empty cell", InputSide::Foreign, 1, u"日本語名： ", u"Note: ", 4 + 60 + 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CandPopupModel popup(c.side, Buffer(), Names());
        for (int i = 0; i < c.rightPresses; ++i) popup.KeyDown(kVkRight);
        FixedPitchMeasurer measurer;
        const std::vector<PopupLabel> labels = popup.Labels(measurer);
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(kCellCount + 2));
        const PopupLabel& japanese = labels[kCellCount];
        const PopupLabel& english = labels[kCellCount + 1];
        EXPECT_EQ(japanese.text, c.japanese);
        EXPECT_EQ(japanese.font, (FontLook{u"ＭＳ Ｐゴシック", 128, 11}));
        EXPECT_EQ(japanese.rect.left, 4);
        EXPECT_EQ(japanese.rect.top, 70);
        EXPECT_EQ(english.text, c.english);
        EXPECT_EQ(english.font, (FontLook{u"Tahoma", 0, 11}));
        EXPECT_EQ(english.rect, (PopupRect{c.englishLeft, 68, 6 * static_cast<int>(c.english.size()), 15}));
        // Each label was measured in its own font.
        ASSERT_GE(measurer.calls.size(), 2u);
        const auto& measuredJapanese = measurer.calls[measurer.calls.size() - 2];
        EXPECT_EQ(measuredJapanese.text, c.japanese);
        EXPECT_EQ(measuredJapanese.face, u"ＭＳ Ｐゴシック");
        EXPECT_EQ(measuredJapanese.charset, 128);
        EXPECT_EQ(measurer.calls.back().face, u"Tahoma");
    }
}

TEST(CandPopupLayout, ALongEnglishNameEndsBeforeTheOutline) {
    // Text as wide as half its point size per character.
    struct ScalingMeasurer : TextMeasurer {
        TextExtent Measure(int, const std::u16string&, int sizePt, const std::u16string& text) override {
            return {static_cast<int>(text.size()) * sizePt / 2, sizePt + 2};
        }
    } measurer;
    struct Case {
        const char* what;
        std::u16string english;
        int sizePt;
        bool cut;
    };
    const Case cases[] = {
        {"short: as designed", u"KO KAI", 11, false},
        {"longer: a smaller size fits it", std::u16string(70, u'a'), 9, false},
        {"longest: cut at the least size", u"slashed o\\close-mid front rounded vowel" + std::u16string(80, u'x'), 8, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CandBuf buffer{};
        buffer[0] = kKoKai;
        const NameTable names = {TUDB{kKoKai, u"コー・カイ", c.english, 0, u""}, TUDB{}, TUDB{}};
        CandPopupModel popup(InputSide::Phonetic, buffer, names);
        const std::vector<PopupLabel> labels = popup.Labels(measurer);
        const PopupLabel& english = labels.back();
        EXPECT_LE(english.rect.Right(), kNameLabelsRight);
        EXPECT_EQ(english.font.sizePt, c.sizePt);
        EXPECT_EQ(english.font.face, u"Tahoma");
        if (c.cut) {
            EXPECT_EQ(english.text.back(), u'…');
            EXPECT_EQ(english.text.substr(0, 15), u"Note: slashed o");
        } else {
            EXPECT_EQ(english.text, u"Note: " + c.english);
        }
    }
}

TEST(CandPopupLayout, PanelControlsAreWholeInsideThePanelAndTheForm) {
    struct Case {
        InputSide side;
        PopupRect panel;
        std::vector<PopupControlPlace> controls;
    };
    const PopupControlPlace close{PopupControl::CloseButton, {398, 0, 22, 22},
                                  u"[Esc]または[Backspace]キーで閉じられます"};
    const Case cases[] = {
        {InputSide::Phonetic, {398, 0, 22, 22}, {close}},
        {InputSide::Foreign,
         {398, 0, 22, 66},
         {close,
          {PopupControl::FsLab, {403, 23, 15, 15}, u""},
          {PopupControl::UpDown, {400, 40, 17, 25}, u"文字サイズ補正"}}},
    };
    const PopupRect form{0, 0, kPopupWidth, kPopupHeight};
    auto inside = [](const PopupRect& inner, const PopupRect& outer) {
        return inner.left >= outer.left && inner.top >= outer.top &&
               inner.Right() <= outer.Right() && inner.Bottom() <= outer.Bottom();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side == InputSide::Foreign ? "band" : "list");
        EXPECT_EQ(PanelRect(c.side), c.panel);
        EXPECT_TRUE(inside(c.panel, form));
        EXPECT_EQ(PanelControls(c.side), c.controls);
        for (const PopupControlPlace& control : PanelControls(c.side)) {
            EXPECT_TRUE(inside(control.rect, c.panel)) << static_cast<int>(control.control);
        }
        // The cells end left of the panel, and the panel ends above the name labels.
        EXPECT_LE(PopupCellRect(9).Right(), c.panel.left);
        EXPECT_LE(c.panel.Bottom(), 68);
    }
}

TEST(CandPopupLayout, CellRectsAreWhatTheHitTestFinds) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        SCOPED_TRACE(cell);
        const PopupRect r = PopupCellRect(cell);
        EXPECT_EQ(r.width, 38);
        EXPECT_EQ(r.height, 40);
        EXPECT_EQ(r.left, 8 + 39 * cell);
        EXPECT_EQ(r.top, 24);
        const PopupHit hit{PopupHit::Cell, cell};
        EXPECT_EQ(HitTestPopup(InputSide::Foreign, r.left, r.top), hit);
        EXPECT_EQ(HitTestPopup(InputSide::Foreign, r.Right() - 1, r.Bottom() - 1), hit);
        EXPECT_NE(HitTestPopup(InputSide::Foreign, r.Right(), r.top), hit);
        EXPECT_NE(HitTestPopup(InputSide::Foreign, r.left, r.Bottom()), hit);
    }
}

// --- Placement ------------------------------------------------------------------------

TEST(CandPopupPlacement, AboveTheCaretWithBothEdgeCorrections) {
    struct Case {
        const char* name;
        PopupAnchor anchor;
        PopupPosition position;
    };
    // fieldLeft, fieldTop, caretX, caretY, lineHeight, screenTop, screenWidth
    const Case cases[] = {
        {"just above the caret line", {100, 300, 20, 40, 16, 0, 1024}, {120, 240}},
        {"right edge lands 8 pixels inside", {900, 300, 50, 40, 16, 0, 1024}, {596, 240}},
        {"ending exactly at the right edge stays", {600, 300, 4, 40, 16, 0, 1024}, {604, 240}},
        {"above the top opens below the caret line", {100, 20, 20, 10, 16, 0, 1024}, {120, 54}},
        {"exactly at the top stays above", {100, 60, 20, 40, 16, 0, 1024}, {120, 0}},
        {"both corrections", {1000, 0, 10, 2, 20, 0, 1280}, {852, 30}},
        {"a work area starting lower", {100, 100, 0, 30, 16, 40, 1024}, {100, 154}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlacePopup(c.anchor), c.position);
    }
}

// --- The band's size correction -------------------------------------------------------

TEST(BandSizeCorrection, LabelShowsTheSign) {
    const std::pair<int, std::u16string> cases[] = {
        {0, u" 0"}, {1, u"+1"}, {9, u"+9"}, {-1, u"-1"}, {-4, u"-4"}, {12, u"+12"}};
    for (const auto& [dev, label] : cases) {
        SCOPED_TRACE(dev);
        EXPECT_EQ(BandDevLabel(dev), label);
    }
}

TEST(BandSizeCorrection, UpDownStartsWithinItsRangeAndSetsBandDev) {
    CandPopupModel band(InputSide::Foreign, Buffer(), Names(), 20);
    EXPECT_EQ(band.BandDev(), 9);
    EXPECT_EQ(band.CellFontSize(18), 27);
    EXPECT_EQ(band.UpDownClicked(-2), Redraw());
    EXPECT_EQ(band.BandDev(), -2);
    EXPECT_EQ(band.FsLabText(), u"-2");
    EXPECT_EQ(band.CellFontSize(18), 16);
    band.UpDownClicked(-9);
    EXPECT_EQ(band.BandDev(), -4);
    EXPECT_EQ(CandPopupModel(InputSide::Foreign, Buffer(), Names(), -30).BandDev(), -4);
    EXPECT_EQ(CandPopupModel(InputSide::Foreign, Buffer(), Names(), 0).FsLabText(), u" 0");
}

TEST(BandSizeCorrection, TheListHasNoCorrection) {
    CandPopupModel list(InputSide::Phonetic, Buffer(), Names(), 5);
    EXPECT_EQ(list.CellFontSize(18), 18);
    EXPECT_EQ(list.UpDownClicked(3), PopupAction{});
    EXPECT_EQ(list.CellFontSize(18), 18);
}

}  // namespace
}  // namespace tess
