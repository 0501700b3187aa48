#include "wordbook/SearchWindowModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/Charsets.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "wordbook/FakeWordBookPort.h"
#include "wordbook/WordBooks.h"

namespace tess {
namespace {

const std::u16string kBooks = u"C:\\Docs\\bookA";
const std::u16string kDictionary = u"C:\\Docs\\bookG";

class QuietHost : public WordBookHost {
public:
    void CopyWordIntoAreas(const WordCopy&) override {}
    void FocusForeignArea() override {}
    void DialogShown() override {}
    void DialogClosed() override {}
    void WordActionsChanged() override {}
};

std::u16string Line(const std::u16string& foreign, const std::u16string& japanese,
                    const std::u16string& note = u"") {
    return u"\"" + foreign + u"\",\"ph-" + foreign + u"\",\"カナ\",\"" + japanese + u"\",\"" +
           note + u"\",\"\",\"\"";
}

class SearchWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadDefaults(settings, fake);
        settings.UsrMainFont = u"Leelawadee UI";
        settings.UsrSubFont = u"Lucida Sans Unicode";
        fake.CreateDirectories(kBooks);
        fake.CreateDirectories(kDictionary);
        books.Attach(port, host);
        books.SetUp(u"タイ語", kThaiCharset, kBooks, kDictionary);
    }
    void Book(const std::u16string& folder, const std::u16string& name,
              const std::u16string& title, const Lines& entries) {
        Lines lines = {title, u"", u""};
        lines.insert(lines.end(), entries.begin(), entries.end());
        fake.PutFile(folder + u"\\" + name, EncodeUtf16Lines(lines));
    }
    // Runs a search to its end.
    void Search(const std::u16string& text) {
        model.StartSearch(text);
        model.FinishSearch();
    }
    // The first four cells of each row, joined by "|".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (std::size_t r = 0; r < model.RowCount(); ++r) {
            std::u16string row;
            for (int c = 0; c < 4; ++c) row += (c ? u"|" : u"") + model.CellText(r, c);
            rows.push_back(Utf16ToUtf8(row));
        }
        return rows;
    }

    FakePlatform fake;
    Settings settings;
    testing::FakeWordBookPort port;
    QuietHost host;
    WordBooks books{fake, settings, WordBookFolders{u"C:\\Sys", kBooks}};
    SearchWindowModel model{fake, settings, books, u"タイ語", kThaiCharset};
};

TEST_F(SearchWindowModelTest, TheFolderChoiceDecidesWhereTheSearchLooks) {
    Book(kBooks, u"a.utx", u"通常", {Line(u"น้ำ", u"水")});
    Book(kDictionary, u"d.utx", u"辞書本", {Line(u"ไฟ", u"火"), Line(u"น้ำ", u"水")});
    EXPECT_TRUE(model.DictionaryChosen());  // DicSearchFlg starts at 1
    Search(u"水");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"น้ำ|ph-น้ำ|辞書本|*2"}));
    model.ChooseFolder(false);
    EXPECT_FALSE(settings.DicSearchFlg);
    Search(u"水");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"น้ำ|ph-น้ำ|通常|*1"}));
}

TEST_F(SearchWindowModelTest, EmptyTextListsNothingAndNoHitListsTheNoneRow) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"本", {Line(u"น้ำ", u"水")});
    Search(u"");
    EXPECT_EQ(model.RowCount(), 0u);
    EXPECT_FALSE(model.Searching());

    Search(u"木");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"- なし -|||"}));
    EXPECT_FALSE(model.HitFlag());
    EXPECT_TRUE(model.DrawsCell(0, 0));
    EXPECT_FALSE(model.DrawsCell(0, 1));
    EXPECT_EQ(model.CellFont(0, 0), CellFontKind::Japanese);
    // Clicking it shows nothing.
    model.Select(0);
    EXPECT_EQ(model.RowClicked(), PanelChange::None);
    EXPECT_FALSE(model.PanelOpen());
    EXPECT_FALSE(model.HitButtonsEnabled());
    EXPECT_FALSE(model.Insertion());
}

TEST_F(SearchWindowModelTest, AClickedHitOpensThePanelOnceAndFillsTheBoxes) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"本", {Line(u"น้ำ", u"水", u"一行#$0D二行"), Line(u"ไฟ", u"水")});
    Search(u"水");
    EXPECT_FALSE(model.BoxesActive());
    EXPECT_EQ(model.CellFont(0, 0), CellFontKind::Foreign);
    EXPECT_EQ(model.CellFont(0, 1), CellFontKind::Phonetic);
    EXPECT_EQ(model.CellFont(0, 3), CellFontKind::Japanese);
    model.Select(1);
    EXPECT_EQ(model.RowClicked(), PanelChange::Open);
    EXPECT_TRUE(model.HitButtonsEnabled());
    EXPECT_TRUE(model.BoxesActive());
    // Two exact hits: the later one is listed first.
    EXPECT_EQ(model.Detail(), (HitDetail{u"น้ำ", u"ph-น้ำ", u"カナ", u"水", u"一行\r\n二行"}));
    model.Select(0);
    EXPECT_EQ(model.RowClicked(), PanelChange::None);
    EXPECT_EQ(model.Detail().foreign, u"ไฟ");

    EXPECT_EQ(model.Clear(), PanelChange::Shut);
    EXPECT_EQ(model.RowCount(), 0u);
    EXPECT_EQ(model.Detail(), HitDetail{});
    EXPECT_EQ(model.Clear(), PanelChange::None);
}

TEST_F(SearchWindowModelTest, InputCopiesThePhoneticSymbolsAndTheForeignWordWithLineBreaks) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"本",
         {u"\"บรรทัด#$0Dสอง\",\"ɓan#$22\",\"\",\"行\",\"\",\"\",\"\"",
          u"\"ไฟ\",\"\",\"\",\"行く\",\"\",\"\",\"\""});
    Search(u"行");
    EXPECT_FALSE(model.Insertion());  // nothing selected
    model.Select(0);
    EXPECT_EQ(model.Insertion(), (HitInsertion{u"ɓan\"", u"บรรทัด\r\nสอง"}));
    model.Select(1);
    EXPECT_EQ(model.Insertion(), (HitInsertion{u"", u"ไฟ"}));
}

TEST_F(SearchWindowModelTest, EditingAHitOpensTheWordFoundPastUnreadableLines) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"本",
         {Line(u"หนึ่ง", u"一"), u"not an entry", u"", Line(u"สอง", u"二"),
          u"\"x\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"", Line(u"สาม", u"三")});
    books.ListWordBooks();
    Search(u"三");
    model.Select(0);
    ASSERT_TRUE(model.OpenSelectedForEdit());
    ASSERT_TRUE(port.selectedRow);
    EXPECT_EQ(books.List().Row(*port.selectedRow).foreignWord, u"สาม");
    EXPECT_TRUE(port.actions[WordBookAction::ModWord]);
}

TEST_F(SearchWindowModelTest, EditingDoesNothingMoreForAMissingTitleOrNumber) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"本", {Line(u"หนึ่ง", u"一"), Line(u"สอง", u"二")});
    books.ListWordBooks();
    Search(u"二");
    model.Select(0);
    // The book loses its second word after the search.
    Book(kBooks, u"a.utx", u"本", {Line(u"หนึ่ง", u"一")});
    books.ListWordBooks();
    EXPECT_FALSE(model.OpenSelectedForEdit());
    // Renamed: no book of that title.
    Book(kBooks, u"a.utx", u"別", {Line(u"หนึ่ง", u"一"), Line(u"สอง", u"二")});
    books.ListWordBooks();
    EXPECT_FALSE(model.OpenSelectedForEdit());
    EXPECT_FALSE(port.selectedRow);
}

TEST_F(SearchWindowModelTest, EditingOpensTheFirstBookOfTheHitsTitle) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"本", {Line(u"หนึ่ง", u"一"), Line(u"สอง", u"二")});
    Book(kBooks, u"b.utx", u"本", {Line(u"สาม", u"三"), Line(u"สี่", u"水")});
    books.ListWordBooks();
    Search(u"水");
    model.Select(0);
    ASSERT_TRUE(model.OpenSelectedForEdit());
    EXPECT_EQ(port.selectedBook, 0u);
    EXPECT_EQ(books.List().Row(*port.selectedRow).foreignWord, u"สอง");
}

TEST_F(SearchWindowModelTest, TheSelectionStaysOnItsHitWhileExactHitsArriveAbove) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"A", {Line(u"หนึ่ง", u"お水")});
    Book(kBooks, u"b.utx", u"B", {Line(u"สอง", u"水"), Line(u"สาม", u"水")});
    model.StartSearch(u"水");
    EXPECT_EQ(model.SearchStep(), 0u);
    model.Select(0);
    EXPECT_EQ(model.SearchStep(), 2u);
    EXPECT_FALSE(model.Searching());
    ASSERT_EQ(model.Selected(), 2u);
    EXPECT_EQ(model.CellText(2, 0), u"หนึ่ง");
}

TEST_F(SearchWindowModelTest, ANewSearchEmptiesTheListAndTheHitFlag) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"A", {Line(u"หนึ่ง", u"水")});
    Search(u"水");
    model.Select(0);
    model.StartSearch(u"火");
    EXPECT_EQ(model.RowCount(), 0u);
    EXPECT_FALSE(model.HitFlag());
    EXPECT_FALSE(model.Selected());
    EXPECT_TRUE(model.Searching());
}

struct StyleCase {
    int field;
    SearchBoxStyle style;
};

TEST_F(SearchWindowModelTest, TheBoxTakesTheLookOfTheChosenField) {
    const std::vector<StyleCase> cases = {
        {0, {u"Leelawadee UI", kThaiCharset, 20, false, SearchBoxInput::Off}},
        {1, {u"Lucida Sans Unicode", kAnsiCharset, 20, true, SearchBoxInput::Off}},
        {2, {u"ＭＳ Ｐゴシック", kShiftJisCharset, 19, false, SearchBoxInput::KatakanaFull}},
        {3, {u"ＭＳ Ｐゴシック", kShiftJisCharset, 19, false, SearchBoxInput::Hiragana}},
        {4, {u"ＭＳ Ｐゴシック", kShiftJisCharset, 19, false, SearchBoxInput::Hiragana}},
        {5, {u"ＭＳ Ｐゴシック", kShiftJisCharset, 19, false, SearchBoxInput::Hiragana}},
    };
    for (const StyleCase& c : cases) {
        model.ChooseField(c.field, false);
        EXPECT_EQ(settings.SearchIndex, c.field);
        EXPECT_EQ(model.BoxStyle(), c.style) << c.field;
    }
}

TEST_F(SearchWindowModelTest, TheChosenFieldIsSearchedAndAnUnknownIndexMeansJapanese) {
    model.ChooseFolder(false);
    Book(kBooks, u"a.utx", u"A", {Line(u"水", u"水")});
    model.ChooseField(1, false);
    Search(u"ph-水");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"水|ph-水|A|*1"}));
    settings.SearchIndex = 9;
    EXPECT_EQ(model.FieldIndex(), 3);
    model.ChooseField(-1, false);
    EXPECT_EQ(model.FieldIndex(), 3);
}

struct LayoutCase {
    int field;
    bool thaiKeyboardMode;
    LayoutStep chosen, entered;
    bool tracksShift;
};

TEST_F(SearchWindowModelTest, KeyboardLayoutStepsFollowTheFieldInTheThaiKeyboardMode) {
    const std::vector<LayoutCase> cases = {
        {0, true, LayoutStep::ActivateThai, LayoutStep::ActivateThai, true},
        {0, false, LayoutStep::RestoreStartup, LayoutStep::None, false},
        {1, true, LayoutStep::RestoreStartup, LayoutStep::None, false},
        {3, true, LayoutStep::RestoreStartup, LayoutStep::None, false},
        {3, false, LayoutStep::RestoreStartup, LayoutStep::None, false},
    };
    for (const LayoutCase& c : cases) {
        EXPECT_EQ(model.ChooseField(c.field, c.thaiKeyboardMode), c.chosen) << c.field;
        EXPECT_EQ(model.BoxEntered(c.thaiKeyboardMode), c.entered) << c.field;
        EXPECT_EQ(model.BoxTracksShiftAndCaps(c.thaiKeyboardMode), c.tracksShift) << c.field;
    }
}

TEST(SearchWindowLayoutTest, TheBoxIsCentredOnlyWhenTheStripIsTooLowForIt) {
    struct Case {
        int strip, top, box, expected;
    };
    for (const Case& c : {Case{48, 10, 28, 10}, Case{48, 10, 32, 10}, Case{48, 10, 33, 7},
                          Case{48, 10, 60, -6}}) {
        EXPECT_EQ(SearchBoxTop(c.strip, c.top, c.box), c.expected) << c.box;
    }
    EXPECT_EQ(ClampSearchNumberWidth(20), 50);
    EXPECT_EQ(ClampSearchNumberWidth(60), 60);
    EXPECT_EQ(ClampSearchNumberWidth(90), 75);
}

}  // namespace
}  // namespace tess
