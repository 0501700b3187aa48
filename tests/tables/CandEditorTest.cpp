#include "tables/CandEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lib/TextFile.h"
#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::InTbl;
using testing::kTblFolder;
using testing::PutAnsi;
using testing::U8;

// Rows 1 to 3: 0E01, 0E02, 0E03.
const std::u16string kSmallDb =
    u"\"タイ文字\",\"Tahoma\"\r\n"
    u"Group,0,\"子音\"\r\n"
    u"0,\"0E01\",\"KO KAI\",\"コー・カイ\",\"0\",\"\"\r\n"
    u"0,\"0E02\",\"KHO KHAI\",\"コー・カイ2\",\"0\",\"\"\r\n"
    u"0,\"0E03\",\"KHO KHUAT\",\"コー・クアット\",\"0\",\"\"\r\n";
// The same codes in another order: row 1 is 0E03.
const std::u16string kOtherDb =
    u"\"タイ文字\",\"Tahoma\"\r\n"
    u"Group,0,\"子音\"\r\n"
    u"0,\"0E03\",\"KHO KHUAT\",\"コー・クアット\",\"0\",\"\"\r\n"
    u"0,\"0E01\",\"KO KAI\",\"コー・カイ\",\"0\",\"\"\r\n";
// k offers rows 1 and 2; the double quote row 3; g a code no row has.
const std::u16string kSmallCand =
    u"\"DBSmall.csv\",Alphabet_Lower\r\n"
    u"\"k\",0E01,0E02,,,,,,,\r\n"
    u"\"0022\",0E03,,,,,,,,\r\n"
    u"\"g\",0E99,,,,,,,,\r\n";

int PositionOf(char16_t key) {
    const auto at = std::find(kKeyLayout.begin(), kKeyLayout.end(), key);
    return static_cast<int>(at - kKeyLayout.begin());
}

std::string FileText(FakePlatform& platform, const std::u16string& path) {
    auto bytes = platform.ReadWholeFile(path);
    if (!bytes) return "(missing)";
    return U8(platform.DecodeCodePage(kAnsiCodePage, *bytes));
}

std::vector<std::string> BoxTexts(const CandEditor& editor) {
    std::vector<std::string> out;
    for (const std::u16string& box : editor.Boxes()) out.push_back(U8(box));
    return out;
}

struct CandEditorFixture : ::testing::Test {
    FakePlatform platform;
    void SetUp() override {
        PutAnsi(platform, u"DBSmall.csv", kSmallDb);
        PutAnsi(platform, u"DBOther.csv", kOtherDb);
        PutAnsi(platform, u"CandSmall.csv", kSmallCand);
        platform.CreateDirectories(u"E:\\out");
    }
    CandEditor Editor(bool sysTblFlg = false) {
        return CandEditor(platform, kTblFolder, sysTblFlg, 0, u"Tahoma");
    }
    void Type(CandEditor& editor, std::vector<std::u16string> boxes) {
        boxes.resize(kCandBoxCount);
        for (int i = 0; i < kCandBoxCount; ++i) editor.BoxChanged(i, boxes[static_cast<std::size_t>(i)]);
    }
};

TEST_F(CandEditorFixture, AWindowJustShownOffersOnlyOpeningAndNew) {
    CandEditor editor = Editor();
    for (CandAction on : {CandAction::DbExit, CandAction::DbOpen, CandAction::Open, CandAction::New,
                          CandAction::SaveReload})
        EXPECT_TRUE(editor.Enabled(on)) << static_cast<int>(on);
    for (CandAction off : {CandAction::Close, CandAction::OverWrite, CandAction::Save,
                           CandAction::Register, CandAction::Jump})
        EXPECT_FALSE(editor.Enabled(off)) << static_cast<int>(off);
    for (const TriggerButton& button : editor.Buttons()) EXPECT_FALSE(button.enabled);
    EXPECT_TRUE(editor.LayoutMode().empty());
}

TEST_F(CandEditorFixture, OpeningAFileReadsItsPairedDbAndMarksItsKeys) {
    CandEditor editor = Editor();
    editor.Open(u"D:\\anywhere\\CandSmall.csv");
    EXPECT_EQ(U8(editor.DbPath()), U8(InTbl(u"DBSmall.csv")));
    EXPECT_EQ(editor.DbRows().size(), 3u);
    EXPECT_EQ(U8(editor.DbHeader().scriptName), "タイ文字");
    EXPECT_EQ(editor.DbCharset(), 222);
    EXPECT_EQ(U8(editor.PairedBox()), "DBSmall.csv");
    EXPECT_EQ(editor.ModeChoice(), 0);
    EXPECT_EQ(U8(editor.Status()[0]), "記号DB：\"DBSmall.csv\"");
    EXPECT_EQ(U8(editor.Status()[1]), "候補File：\"CandSmall.csv\"");
    EXPECT_EQ(U8(editor.Status()[2]), U8(kTblFolder));
    for (CandAction on : {CandAction::Close, CandAction::OverWrite, CandAction::Save, CandAction::Jump})
        EXPECT_TRUE(editor.Enabled(on)) << static_cast<int>(on);

    struct KeyState {
        char16_t key;
        bool enabled, bold;
    };
    for (KeyState s : {KeyState{u'k', true, true}, KeyState{u'"', true, true},
                       KeyState{u'g', true, true},  // a code no row has is still a candidate
                       KeyState{u'a', true, false}, KeyState{u'K', false, false},
                       KeyState{u'1', false, false}, KeyState{u'@', true, false}}) {
        const TriggerButton& button = editor.Buttons()[static_cast<std::size_t>(PositionOf(s.key))];
        EXPECT_EQ(button.enabled, s.enabled) << static_cast<char>(s.key);
        EXPECT_EQ(button.bold, s.bold) << static_cast<char>(s.key);
        EXPECT_EQ(button.colour, s.bold ? TriggerButton::Colour::Blue : TriggerButton::Colour::Black);
    }
}

TEST_F(CandEditorFixture, AKeyShowsTheRowNumbersOfItsCandidates) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.SelectKey(PositionOf(u'k'));
    EXPECT_EQ(BoxTexts(editor), (std::vector<std::string>{"1", "2", "", "", "", "", "", "", ""}));
    EXPECT_EQ(editor.Buttons()[static_cast<std::size_t>(PositionOf(u'k'))].colour,
              TriggerButton::Colour::Red);
    EXPECT_TRUE(editor.Enabled(CandAction::Register));
    EXPECT_EQ(U8(editor.BoxGlyph(0)), "ก");
    // A code no row of the DB has shows as an empty box.
    editor.SelectKey(PositionOf(u'g'));
    EXPECT_EQ(BoxTexts(editor)[0], "");
    EXPECT_EQ(editor.Buttons()[static_cast<std::size_t>(PositionOf(u'k'))].colour,
              TriggerButton::Colour::Blue);
    editor.SelectKey(PositionOf(u'"'));
    EXPECT_EQ(BoxTexts(editor)[0], "3");
}

TEST_F(CandEditorFixture, BoxesNameRowsByTheirExactNumber) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    struct Case {
        std::u16string text;
        std::string glyph;
    };
    for (const Case& c : {Case{u"2", "ข"}, Case{u"02", ""}, Case{u"4", ""}, Case{u"", ""},
                          Case{u"0", ""}}) {
        editor.BoxChanged(3, c.text);
        EXPECT_EQ(U8(editor.BoxGlyph(3)), c.glyph) << U8(c.text);
    }
}

TEST_F(CandEditorFixture, RegisterAndOverWriteWriteTheKeysCodesInLayoutOrder) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.SelectKey(PositionOf(u'g'));
    Type(editor, {u"3", u"", u"01", u"1"});  // "01" names no row
    editor.Register();
    EXPECT_TRUE(editor.Modified());
    EXPECT_TRUE(editor.Buttons()[static_cast<std::size_t>(PositionOf(u'g'))].bold);
    platform.scriptedAnswers = {MessageAnswer::No};
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(FileText(platform, InTbl(u"CandSmall.csv")),
              "\"DBSmall.csv\",Alphabet_Lower\r\n"
              "\"0022\",0E03,,,,,,,,\r\n"
              "\"g\",0E03,,,0E01,,,,,\r\n"
              "\"k\",0E01,0E02,,,,,,,\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "候補ファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\r\n"
              "今一旦終了しますか？");
}

TEST_F(CandEditorFixture, NineEmptyBoxesDropTheKeysLine) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.SelectKey(PositionOf(u'k'));
    Type(editor, {});
    editor.Register();
    EXPECT_FALSE(editor.Buttons()[static_cast<std::size_t>(PositionOf(u'k'))].bold);
    platform.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(editor.OverWrite());  // Yes: the program ends
    EXPECT_EQ(FileText(platform, InTbl(u"CandSmall.csv")).find("\"k\""), std::string::npos);
}

TEST_F(CandEditorFixture, TheEmptyPositionRegistersNothing) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.SelectKey(PositionOf(0));
    Type(editor, {u"1"});
    editor.Register();
    EXPECT_FALSE(editor.Modified());
}

TEST_F(CandEditorFixture, ADifferentPairedDbIsReadOnlyWhenTheUserSaysSo) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        platform.messages.clear();
        CandEditor editor = Editor();
        editor.OpenDb(u"C:\\x\\DBOther.csv");
        platform.scriptedAnswers = {answer};
        editor.Open(u"CandSmall.csv");
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(U8(platform.messages[0].text),
                  "すでに\"DBOther.csv\"が記号DBにロードされていますが、この候補ファイルに設定"
                  "されれている記号DBファイルは\"DBSmall.csv\"です。ロードしますか？");
        editor.SelectKey(PositionOf(u'k'));
        // Kept: k's 0E01 and 0E02 are rows 2 and none of DBOther.
        const std::vector<std::string> expected =
            answer == MessageAnswer::No
                ? std::vector<std::string>{"2", "", "", "", "", "", "", "", ""}
                : std::vector<std::string>{"1", "2", "", "", "", "", "", "", ""};
        EXPECT_EQ(BoxTexts(editor), expected);
    }
}

TEST_F(CandEditorFixture, AMissingPairedDbKeepsTheLoadedOne) {
    PutAnsi(platform, u"CandLost.csv", u"\"DBGone.csv\",Alphabet_Lower\r\n\"k\",0E01,,,,,,,,\r\n");
    CandEditor editor = Editor();
    editor.OpenDb(u"DBOther.csv");
    platform.scriptedAnswers = {MessageAnswer::Yes};
    editor.Open(u"CandLost.csv");
    EXPECT_EQ(U8(editor.DbPath()), "DBOther.csv");
    EXPECT_EQ(editor.DbRows().size(), 2u);
}

TEST_F(CandEditorFixture, SaveAndReloadMovesLettersToTheNewCase) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.SaveAndReload(u"  DBSmall.csv ", true);
    EXPECT_EQ(U8(platform.messages.back().text), "候補ファイルのプロパティを変更し再読み込みしました。");
    EXPECT_EQ(editor.ModeChoice(), 1);
    EXPECT_EQ(U8(editor.LayoutMode()), "Alphabet_Upper");
    EXPECT_TRUE(editor.Buttons()[static_cast<std::size_t>(PositionOf(u'K'))].bold);
    EXPECT_FALSE(editor.Buttons()[static_cast<std::size_t>(PositionOf(u'k'))].enabled);
    EXPECT_FALSE(editor.Enabled(CandAction::Jump));  // only "開く" enables it
    editor.OverWrite();
    EXPECT_EQ(FileText(platform, InTbl(u"CandSmall.csv")),
              "\"DBSmall.csv\",Alphabet_Upper\r\n"
              "\"0022\",0E03,,,,,,,,\r\n"
              "\"G\",0E99,,,,,,,,\r\n"
              "\"K\",0E01,0E02,,,,,,,\r\n");
}

TEST_F(CandEditorFixture, UnsavedChangesAreAskedAboutOnClosing) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    EXPECT_TRUE(editor.MayExit());
    EXPECT_TRUE(platform.messages.empty());
    editor.SelectKey(PositionOf(u'a'));
    Type(editor, {u"1"});
    editor.Register();

    platform.scriptedAnswers = {MessageAnswer::No};
    editor.CloseFile();
    EXPECT_TRUE(editor.HasTable());
    EXPECT_EQ(U8(platform.messages.back().text),
              "　候補が変更されましたが、まだ保存されていません。ファイルを保存せずに候補ファイルを"
              "閉じてもよろしいですか？\r\n\r\n　保存する場合は「いいえ」の後、「上書」ボタンを押して下さい。");
    platform.scriptedAnswers = {MessageAnswer::No};
    EXPECT_FALSE(editor.MayExit());
    EXPECT_NE(U8(platform.messages.back().text).find("候補エディタを終了しても"), std::string::npos);

    platform.scriptedAnswers = {MessageAnswer::Yes};
    editor.CloseFile();
    EXPECT_FALSE(editor.HasTable());
    EXPECT_FALSE(editor.Enabled(CandAction::OverWrite));
    EXPECT_FALSE(editor.Enabled(CandAction::Close));
    EXPECT_EQ(editor.ModeChoice(), -1);
    for (const TriggerButton& button : editor.Buttons()) EXPECT_FALSE(button.enabled || button.bold);
    EXPECT_EQ(editor.DbRows().size(), 3u);  // the DB stays
    const std::size_t asked = platform.messages.size();
    EXPECT_TRUE(editor.MayExit());
    EXPECT_EQ(platform.messages.size(), asked);
}

TEST_F(CandEditorFixture, AFailedWriteKeepsTheFileAndTheChange) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.SelectKey(PositionOf(u'a'));
    Type(editor, {u"2"});
    editor.Register();
    platform.FailWritesTo(InTbl(u"CandSmall.csv"));
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_TRUE(editor.Modified());
    EXPECT_EQ(FileText(platform, InTbl(u"CandSmall.csv")), U8(kSmallCand));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(U8(platform.messages[0].text),
              "候補ファイル「" + U8(InTbl(u"CandSmall.csv")) + "」を保存できませんでした。ファイルは元のままです。");
}

TEST_F(CandEditorFixture, SaveAsWritesAnywhereAndTakesTheName) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    EXPECT_FALSE(editor.SaveAs(u"E:\\out\\CandCopy.csv"));
    EXPECT_EQ(FileText(platform, u"E:\\out\\CandCopy.csv"),                                                        
              "\"DBSmall.csv\",Alphabet_Lower\r\n\"0022\",0E03,,,,,,,,\r\n"
              "\"g\",0E99,,,,,,,,\r\n\"k\",0E01,0E02,,,,,,,\r\n");
    EXPECT_EQ(U8(editor.CandName()), "CandCopy.csv");
    EXPECT_EQ(U8(editor.Status()[1]), "候補File：\"CandCopy.csv\"");
}

TEST_F(CandEditorFixture, SaveWithoutAWorkingTableWritesAHeaderOnlyFile) {
    PutAnsi(platform, u"CandEmpty.csv", u"");
    CandEditor editor = Editor();
    editor.Open(u"CandEmpty.csv");
    EXPECT_FALSE(editor.HasTable());
    EXPECT_TRUE(editor.Enabled(CandAction::Save));
    editor.PairedDbChosen(u"C:\\somewhere\\DBSmall.csv");
    editor.SaveAs(InTbl(u"CandFresh.csv"));
    EXPECT_EQ(FileText(platform, InTbl(u"CandFresh.csv")), "\"DBSmall.csv\",Alphabet_Lower\r\n");
}

TEST_F(CandEditorFixture, TheSystemTablesAreNeverWritten) {
    CandEditor editor = Editor(true);
    EXPECT_FALSE(editor.Enabled(CandAction::New));
    EXPECT_FALSE(editor.Enabled(CandAction::SaveReload));
    editor.Open(u"CandSmall.csv");
    for (CandAction off : {CandAction::OverWrite, CandAction::Save, CandAction::New,
                           CandAction::SaveReload})
        EXPECT_FALSE(editor.Enabled(off)) << static_cast<int>(off);
    editor.SelectKey(PositionOf(u'a'));
    Type(editor, {u"2"});
    editor.Register();
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_FALSE(editor.SaveAs(u"E:\\out\\CandX.csv"));
    EXPECT_FALSE(platform.FileExists(u"E:\\out\\CandX.csv"));
    EXPECT_EQ(FileText(platform, InTbl(u"CandSmall.csv")), U8(kSmallCand));

    FakePlatform quiet;
    ShowCandSystemTableNotice(quiet, false);
    EXPECT_TRUE(quiet.messages.empty());
    ShowCandSystemTableNotice(quiet, true);
    ASSERT_EQ(quiet.messages.size(), 1u);
    EXPECT_EQ(quiet.messages[0].kind, MessageKind::Information);
}

TEST_F(CandEditorFixture, JumpGoesToANumberedRowOfTheDb) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    struct Case {
        std::u16string text;
        int row;  // -1: nothing happens
    };
    for (const Case& c : {Case{u"3", 2}, Case{u"1", 0}, Case{u"03", 2}, Case{u"0", -1},
                          Case{u"4", -1}, Case{u"", -1}, Case{u"99999999999", -1}}) {
        editor.BoxChanged(5, c.text);
        const std::optional<int> target = editor.JumpTarget(5);
        EXPECT_EQ(target.value_or(-1), c.row) << U8(c.text);
    }
    EXPECT_FALSE(editor.JumpTarget(-1).has_value());
}

TEST_F(CandEditorFixture, OpeningADbOnTheLeftEmptiesTheStatusBar) {
    CandEditor editor = Editor();
    editor.Open(u"CandSmall.csv");
    editor.OpenDb(u"");
    EXPECT_TRUE(editor.DbRows().empty());
    EXPECT_TRUE(editor.DbPath().empty());
    for (const std::u16string& panel : editor.Status()) EXPECT_TRUE(panel.empty());
    editor.OpenDb(u"D:\\DBOther.csv");
    EXPECT_EQ(editor.DbRows().size(), 2u);
    EXPECT_EQ(U8(editor.Status()[0]), "記号DB：\"DBOther.csv\"");
}

TEST(TriggerKeyboardLayoutTest, PlacesRowsByTheKeyPitch) {
    // A panel of 548 × 257: w = 40, h = 50.
    const auto plain = TriggerKeyboardLayout(548, 257, u"");
    const auto& bang = plain[0];  // "!" above "1"
    EXPECT_EQ((std::vector<int>{bang.left, bang.top, bang.width, bang.height}),
              (std::vector<int>{16, 36, 40, 20}));
    const auto& one = plain[48];
    EXPECT_EQ((std::vector<int>{one.left, one.top, one.height}), (std::vector<int>{16, 56, 25}));
    const auto& a = plain[static_cast<std::size_t>(PositionOf(u'a'))];  // row 2: offset 28
    EXPECT_EQ((std::vector<int>{a.left, a.top}), (std::vector<int>{44, 156}));
    const auto& z = plain[static_cast<std::size_t>(PositionOf(u'z'))];  // row 3: offset 48
    EXPECT_EQ(z.left, 64);
    EXPECT_TRUE(z.shown);

    const auto lower = TriggerKeyboardLayout(548, 257, kModeLower);
    const auto& la = lower[static_cast<std::size_t>(PositionOf(u'a'))];
    EXPECT_EQ((std::vector<int>{la.top, la.height, la.shown}), (std::vector<int>{136, 45, 1}));
    EXPECT_FALSE(lower[static_cast<std::size_t>(PositionOf(u'A'))].shown);
    EXPECT_EQ(lower[static_cast<std::size_t>(PositionOf(u'A'))].height, 5);
    const auto upper = TriggerKeyboardLayout(548, 257, kModeUpper);
    EXPECT_TRUE(upper[static_cast<std::size_t>(PositionOf(u'A'))].shown);
    EXPECT_FALSE(upper[static_cast<std::size_t>(PositionOf(u'a'))].shown);
    EXPECT_TRUE(upper[static_cast<std::size_t>(PositionOf(u';'))].shown);
}

// --- The new-file dialog ---------------------------------------------------------------

TEST_F(CandEditorFixture, NewFileNamesAreCheckedExactly) {
    NewCandDialog dialog = Editor().MakeNewDialog();
    struct Case {
        std::u16string name;
        std::string warning;
    };
    for (const Case& c : {Case{u"CandNew.CSV", "拡張子は\"csv\"でなくてはなりません。"},
                          Case{u"CandNew", "拡張子は\"csv\"でなくてはなりません。"},
                          Case{u"candNew.csv", "ﾌｧｲﾙ名の最初の4文字は\"Cand\"でなくてはなりません。"},
                          Case{u"CandSmall.csv", "同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。"}}) {
        platform.messages.clear();
        const NewCandDialog::MakeResult result = dialog.Make(c.name, u"DBSmall.csv", false);
        EXPECT_FALSE(result.close) << U8(c.name);
        ASSERT_EQ(platform.messages.size(), 1u) << U8(c.name);
        EXPECT_EQ(U8(platform.messages[0].text), c.warning);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Yes);
    }
    EXPECT_FALSE(platform.FileExists(InTbl(u"CandNew.CSV")));
}

TEST_F(CandEditorFixture, ANewFileIsItsHeaderAndLoadsWhenAsked) {
    CandEditor editor = Editor();
    NewCandDialog dialog = editor.MakeNewDialog();
    dialog.TextsChanged(u"CandMine.csv", u"  ");
    EXPECT_FALSE(dialog.MakeEnabled());
    dialog.TextsChanged(u"CandMine.csv", u" DBSmall.csv ");
    EXPECT_TRUE(dialog.MakeEnabled());
    platform.scriptedAnswers = {MessageAnswer::Yes};
    const NewCandDialog::MakeResult result = dialog.Make(u"CandMine.csv", u" DBSmall.csv ", true);
    EXPECT_TRUE(result.close);
    EXPECT_EQ(U8(result.load), "CandMine.csv");
    EXPECT_EQ(U8(platform.messages.back().text),
              "空の候補ファイル\"CandMine.csv\"を生成しました。候補エディタで読み込みますか？");
    EXPECT_EQ(FileText(platform, InTbl(u"CandMine.csv")), "\"DBSmall.csv\",Alphabet_Upper\r\n");
    const std::vector<std::u16string> cands = dialog.CandFiles();
    EXPECT_NE(std::find(cands.begin(), cands.end(), u"CandMine.csv"), cands.end());
}

}  // namespace
}  // namespace tess
