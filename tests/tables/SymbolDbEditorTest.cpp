#include "tables/SymbolDbEditor.h"

#include <gtest/gtest.h>

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

// Groups 0 to 3 and rows in groups 1, 1, 3 (codes 0E01, 0E02, 0E03).
const std::u16string kSmallDb =
    u"\"タイ文字\",\"Tahoma\"\r\n"
    u"Group,0,\"A\"\r\n"
    u"Group,1,\"B\"\r\n"
    u"Group,2,\"C\"\r\n"
    u"Group,3,\"D\"\r\n"
    u"1,\"0E01\",\"KO KAI\",\"コー・カイ\",\"0\",\"子音\"\r\n"
    u"1,\"0E02\",\"KHO KHAI\",\"コー・カイ2\",\"0\",\"子音\"\r\n"
    u"3,\"0E03\",\"KHO KHUAT\",\"コー・クアット\",\"2\",\"注\"\r\n";

std::string FileText(FakePlatform& platform, const std::u16string& path) {
    auto bytes = platform.ReadWholeFile(path);
    if (!bytes) return "(missing)";
    return U8(platform.DecodeCodePage(kAnsiCodePage, *bytes));
}

// Each row as "<number>:<group>:<code>".
std::vector<std::string> Layout(const SymbolDbEditor& editor) {
    std::vector<std::string> out;
    for (const SymbolDbRow& row : editor.Rows())
        out.push_back(std::to_string(row.rowNumber) + ":" + std::to_string(row.group) + ":" +
                      U8(row.code));
    return out;
}

struct EditorFixture : ::testing::Test {
    FakePlatform platform;
    void SetUp() override {
        PutAnsi(platform, u"DBSmall.csv", kSmallDb);
        platform.CreateDirectories(u"E:\\out");
    }
    SymbolDbEditor Opened(bool sysTblFlg = false) {
        SymbolDbEditor editor(platform, kTblFolder, sysTblFlg, 0, u"Tahoma");
        editor.Open(u"D:\\elsewhere\\DBSmall.csv");
        return editor;
    }
};

// --- Where 追加 and 挿入 put the new row --------------------------------------------------

struct PlaceCase {
    const char* name;
    int select;      // row index selected first, or -1
    int pickGroup;   // group picked after that, or -1
    bool insert;     // 挿入 instead of 追加
    std::vector<std::string> expected;
    int newRow;      // index of the new, selected row
};

class PlaceTest : public EditorFixture, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlaceTest, PutsTheNewRowWhereTheRulesSayAndRenumbers) {
    const PlaceCase& c = GetParam();
    SymbolDbEditor editor = Opened();
    if (c.select >= 0) editor.SelectRow(c.select);
    if (c.pickGroup >= 0) editor.GroupPicked(c.pickGroup);
    if (c.insert) {
        editor.Insert();
    } else {
        editor.Add();
    }
    EXPECT_EQ(Layout(editor), c.expected);
    EXPECT_EQ(editor.Selected(), c.newRow);
    const SymbolDbRow& row = editor.Rows()[static_cast<std::size_t>(c.newRow)];
    EXPECT_EQ(U8(row.auxClass), "0");
    EXPECT_EQ(editor.panel().auxChoice, 0);
    EXPECT_TRUE(editor.panel().codeEnabled);
    EXPECT_TRUE(editor.panel().focusCode);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceTest,
    ::testing::Values(
        PlaceCase{"SelectedRowGoesAfterItsGroupsRun", 0, -1, false,
                  {"1:1:0E01", "2:1:0E02", "3:1:", "4:3:0E03"}, 2},
        PlaceCase{"PickedGroupWithRowsGoesAfterItsLast", -1, 1, false,
                  {"1:1:0E01", "2:1:0E02", "3:1:", "4:3:0E03"}, 2},
        PlaceCase{"EmptyGroupGoesBeforeTheNextGroupWithRows", -1, 2, false,
                  {"1:1:0E01", "2:1:0E02", "3:2:", "4:3:0E03"}, 2},
        PlaceCase{"EmptyGroupBelowAllGoesBeforeTheFirstRows", -1, 0, false,
                  {"1:0:", "2:1:0E01", "3:1:0E02", "4:3:0E03"}, 0},
        PlaceCase{"LastGroupWithRowsGoesAtTheEnd", -1, 3, false,
                  {"1:1:0E01", "2:1:0E02", "3:3:0E03", "4:3:"}, 3},
        PlaceCase{"PickingAGroupDeselectsTheRow", 2, 0, false,
                  {"1:0:", "2:1:0E01", "3:1:0E02", "4:3:0E03"}, 0},
        PlaceCase{"InsertStandsBeforeTheSelectedRow", 1, -1, true,
                  {"1:1:0E01", "2:1:", "3:1:0E02", "4:3:0E03"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, AddInAnEmptyListAndInAGroupAboveEveryRowGoesAtTheEnd) {
    PutAnsi(platform, u"DBEmpty.csv", u"\"その他\",\"Tahoma\"\r\nGroup,0,\"A\"\r\nGroup,1,\"B\"\r\n");
    SymbolDbEditor editor(platform, kTblFolder, false, 0, u"Tahoma");
    editor.Open(InTbl(u"DBEmpty.csv"));
    editor.GroupPicked(1);
    editor.Add();
    editor.GroupPicked(0);
    editor.Add();
    EXPECT_EQ(Layout(editor), (std::vector<std::string>{"1:0:", "2:1:"}));
}

TEST_F(EditorFixture, AddAfterAnInterruptedRunStopsAtTheFirstOtherGroup) {
    PutAnsi(platform, u"DBRuns.csv",
            u"Group,0,\"A\"\r\nGroup,1,\"B\"\r\n"
            u"0,\"0041\",\"a\",\"\",\"0\",\"\"\r\n1,\"0042\",\"b\",\"\",\"0\",\"\"\r\n"
            u"0,\"0043\",\"c\",\"\",\"0\",\"\"\r\n");
    SymbolDbEditor editor(platform, kTblFolder, false, 0, u"Tahoma");
    editor.Open(InTbl(u"DBRuns.csv"));
    editor.SelectRow(0);
    editor.Add();
    EXPECT_EQ(Layout(editor),
              (std::vector<std::string>{"1:0:0041", "2:0:", "3:1:0042", "4:0:0043"}));
}

// --- Selecting and editing -----------------------------------------------------------------

TEST_F(EditorFixture, SelectingARowShowsItAndEnablesTheRowButtons) {
    SymbolDbEditor editor = Opened();
    EXPECT_FALSE(editor.Enabled(SymbolDbAction::Add));
    editor.SelectRow(2);
    const auto& panel = editor.panel();
    EXPECT_EQ(U8(panel.rowNumber), "3");
    EXPECT_EQ(U8(panel.code), "0E03");
    EXPECT_EQ(U8(panel.englishName), "KHO KHUAT");
    EXPECT_EQ(U8(panel.japaneseName), "コー・クアット");
    EXPECT_EQ(U8(panel.note), "注");
    EXPECT_EQ(panel.groupChoice, 3);
    EXPECT_EQ(panel.auxChoice, 2);
    EXPECT_EQ(U8(panel.preview), "\u0E03");
    EXPECT_TRUE(panel.textsEnabled);
    for (auto action : {SymbolDbAction::Delete, SymbolDbAction::Insert, SymbolDbAction::Add})
        EXPECT_TRUE(editor.Enabled(action));
}

TEST_F(EditorFixture, PickingAGroupClearsTheSelectedRowsPanel) {
    SymbolDbEditor editor = Opened();
    editor.SelectRow(0);
    editor.GroupPicked(2);
    const auto& panel = editor.panel();
    EXPECT_EQ(editor.Selected(), -1);
    EXPECT_EQ(panel.code + panel.englishName + panel.japaneseName + panel.note + panel.rowNumber,
              u"");
    EXPECT_FALSE(panel.textsEnabled);
    EXPECT_FALSE(panel.auxEnabled);
    EXPECT_EQ(panel.auxChoice, -1);
    EXPECT_EQ(panel.preview, u"");
    EXPECT_FALSE(editor.Enabled(SymbolDbAction::Delete));
    EXPECT_FALSE(editor.Enabled(SymbolDbAction::Insert));
    EXPECT_TRUE(editor.Enabled(SymbolDbAction::Add));
    EXPECT_EQ(panel.groupChoice, 2);
    EXPECT_EQ(Layout(editor).size(), 3u);  // no row moved
}

struct CodeCase {
    const char* name;
    std::u16string typed;
    std::string storedCode;  // row 2's code afterwards
    std::string preview;
    std::string warning;     // empty: none
};

class CodeBoxTest : public EditorFixture, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(CodeBoxTest, StoresOnlyValidUnusedCodes) {
    const CodeCase& c = GetParam();
    SymbolDbEditor editor = Opened();
    editor.SelectRow(1);
    editor.CodeChanged(c.typed);
    EXPECT_EQ(U8(editor.Rows()[1].code), c.storedCode);
    EXPECT_EQ(U8(editor.panel().preview), c.preview);
    if (c.warning.empty()) {
        EXPECT_TRUE(platform.messages.empty());
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(U8(platform.messages[0].text), c.warning);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Yes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeBoxTest,
    ::testing::Values(
        CodeCase{"LowerCaseIsRefused", u"0e05", "0E02", "", ""},
        CodeCase{"ShortIsRefused", u"0E0", "0E02", "", ""},
        CodeCase{"UpperCaseIsTaken", u"0E05", "0E05", "\u0E05", ""},
        CodeCase{"BlanksAroundAreTrimmed", u" 0E06 ", "0E06", "\u0E06", ""},
        CodeCase{"ItsOwnCodeIsNoDuplicate", u"0E02", "0E02", "\u0E02", ""},
        CodeCase{"AnotherRowsCodeIsRefusedWithItsNumber", u"0E03", "0E02", "\u0E03",
                 "すでに\" 0E03 \"は、No:3に登録されています。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, TextFieldsAndAuxGoToTheSelectedRowOnly) {
    SymbolDbEditor editor = Opened();
    editor.EnglishChanged(u"lost");  // no row selected: nothing stored
    editor.SelectRow(0);
    editor.EnglishChanged(u" KO \"KAI\" ");
    editor.JapaneseChanged(u"こ");
    editor.NoteChanged(u"注意");
    editor.AuxPicked(1);
    const SymbolDbRow& row = editor.Rows()[0];
    EXPECT_EQ(U8(row.englishName), " KO \"KAI\" ");
    EXPECT_EQ(U8(row.japaneseName), "こ");
    EXPECT_EQ(U8(row.note), "注意");
    EXPECT_EQ(U8(row.auxClass), "1");
    EXPECT_EQ(U8(editor.Rows()[1].englishName), "KHO KHAI");
}

// --- 削除 -------------------------------------------------------------------------------

TEST_F(EditorFixture, DeleteAsksWithTheRowAndRenumbersOnYes) {
    SymbolDbEditor editor = Opened();
    editor.SelectRow(0);
    EXPECT_FALSE(editor.Delete());  // answered No
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "■番\u3000号：\u30001\r\n"
              "■日本語名：\u3000「コー・カイ」\u3000\u3000\r\n"
              "■英語名：\u3000\"KO KAI\" \r\n"
              "を削除しますがよろしいですか？");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Layout(editor).size(), 3u);

    platform.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(Layout(editor), (std::vector<std::string>{"1:1:0E02", "2:3:0E03"}));
    EXPECT_EQ(U8(editor.panel().englishName), "KO KAI");  // still shown
    EXPECT_FALSE(editor.Enabled(SymbolDbAction::Delete));
}

// --- 上書 and 保存 -----------------------------------------------------------------------

TEST_F(EditorFixture, OverWriteWritesTheFileAsTheEditorHoldsIt) {
    SymbolDbEditor editor = Opened();
    platform.scriptedAnswers = {MessageAnswer::Yes};
    editor.SelectRow(1);
    editor.Delete();
    editor.SelectRow(0);
    editor.EnglishChanged(u"say \"ko\"");
    editor.GroupPicked(2);
    editor.Add();  // never given a code: left out
    editor.ScriptPicked(u"キリル文字");
    editor.FontPicked(u"Times New Roman");
    platform.messages.clear();
    platform.scriptedAnswers = {MessageAnswer::No};
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_EQ(FileText(platform, InTbl(u"DBSmall.csv")),
              "\"キリル文字\",\"Times New Roman\"\r\n"
              "Group,0,\"A\"\r\nGroup,1,\"B\"\r\nGroup,2,\"C\"\r\nGroup,3,\"D\"\r\n"
              "1,\"0E01\",\"say \"\"ko\"\"\",\"コー・カイ\",\"0\",\"子音\"\r\n"
              "3,\"0E03\",\"KHO KHUAT\",\"コー・クアット\",\"2\",\"注\"\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "記号DBファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\r\n"
              "今、一旦終了しますか？");
    EXPECT_EQ(editor.Charset(), 204);
}

TEST_F(EditorFixture, OverWriteReplacesTheFileThatWasReadNotTheOneTheDialogPointedAt) {
    platform.PutFile(u"D:\\elsewhere\\DBSmall.csv", "other");
    SymbolDbEditor editor = Opened();
    editor.SelectRow(0);
    editor.EnglishChanged(u"changed");
    editor.OverWrite();
    EXPECT_EQ(platform.ReadWholeFile(u"D:\\elsewhere\\DBSmall.csv"), "other");
    EXPECT_NE(FileText(platform, InTbl(u"DBSmall.csv")).find("\"changed\""), std::string::npos);
}

TEST_F(EditorFixture, TheRestartPromptsYesAsksToEnd) {
    SymbolDbEditor editor = Opened();
    platform.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(editor.OverWrite());
}

TEST_F(EditorFixture, SaveAsWritesTheChosenPathAndShowsItInTheStatusBar) {
    SymbolDbEditor editor = Opened();
    const std::u16string original = platform.DecodeCodePage(
        kAnsiCodePage, *platform.ReadWholeFile(InTbl(u"DBSmall.csv")));
    EXPECT_FALSE(editor.SaveAs(u"E:\\out\\DBNew.csv"));
    EXPECT_EQ(FileText(platform, u"E:\\out\\DBNew.csv"), U8(original));
    EXPECT_EQ(U8(editor.StatusFile()), "\"DBNew.csv\"");
    EXPECT_EQ(U8(editor.StatusFolder()), "E:\\out");
    EXPECT_EQ(U8(editor.Path()), "E:\\out\\DBNew.csv");
}

TEST_F(EditorFixture, AFailedWriteIsReportedAndChangesNothing) {
    SymbolDbEditor editor = Opened();
    const auto before = platform.ReadWholeFile(InTbl(u"DBSmall.csv"));
    editor.SelectRow(0);
    editor.EnglishChanged(u"changed");
    platform.FailWritesTo(InTbl(u"DBSmall.csv"));
    platform.FailWritesTo(u"E:\\out\\DBNew.csv");

    EXPECT_FALSE(editor.OverWrite());
    EXPECT_FALSE(editor.SaveAs(u"E:\\out\\DBNew.csv"));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "記号DBファイル「C:\\Tessaline\\Tbl\\DBSmall.csv」を保存できませんでした。"
              "ファイルは元のままです。");
    EXPECT_EQ(U8(platform.messages[1].text),
              "記号DBファイル「E:\\out\\DBNew.csv」を保存できませんでした。ファイルは元のままです。");
    EXPECT_EQ(platform.ReadWholeFile(InTbl(u"DBSmall.csv")), before);
    EXPECT_FALSE(platform.FileExists(u"E:\\out\\DBNew.csv"));
    EXPECT_EQ(U8(editor.Path()), "D:\\elsewhere\\DBSmall.csv");
    EXPECT_EQ(U8(editor.StatusFile()), "\"DBSmall.csv\"");
    EXPECT_EQ(U8(editor.Rows()[0].englishName), "changed");
}

// --- 開く ----------------------------------------------------------------------------------

TEST_F(EditorFixture, OpenReadsTheChosenNameFromTheTableFolder) {
    SymbolDbEditor editor = Opened();
    EXPECT_EQ(Layout(editor).size(), 3u);
    EXPECT_TRUE(editor.ListWhite());
    EXPECT_EQ(U8(editor.StatusFile()), "\"DBSmall.csv\"");
    EXPECT_EQ(editor.ScriptChoice(), 1);
    EXPECT_EQ(U8(editor.FontChoice()), "Tahoma");
    EXPECT_EQ(editor.Charset(), 222);
    EXPECT_TRUE(editor.panel().groupEnabled);
    EXPECT_EQ(editor.panel().groupChoice, -1);

    // A name the table folder does not hold: an empty list, nothing to write.
    editor.Open(u"D:\\elsewhere\\DBNone.csv");
    EXPECT_TRUE(editor.Rows().empty());
    EXPECT_FALSE(editor.Enabled(SymbolDbAction::OverWrite));
    EXPECT_FALSE(editor.Enabled(SymbolDbAction::Save));
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_FALSE(platform.FileExists(u"D:\\elsewhere\\DBNone.csv"));
}

TEST_F(EditorFixture, AFileWithoutHeaderTakesTheDefaultOneOfItsName) {
    PutAnsi(platform, u"DBThai.csv", u"Group,0,\"A\"\r\n");
    SymbolDbEditor editor(platform, kTblFolder, false, 0, u"Tahoma");
    editor.Open(InTbl(u"DBThai.csv"));
    EXPECT_EQ(U8(editor.Header().scriptName), "タイ文字");
    EXPECT_EQ(editor.Charset(), 222);
}

TEST_F(EditorFixture, AScriptTheChooserLacksIsKeptWhenWritten) {
    PutAnsi(platform, u"DBLatin.csv", u"\"ラテン文字（欧文）\",\"Times New Roman\"\r\nGroup,0,\"A\"\r\n");
    SymbolDbEditor editor(platform, kTblFolder, false, 0, u"Tahoma");
    editor.Open(InTbl(u"DBLatin.csv"));
    EXPECT_EQ(editor.ScriptChoice(), -1);
    EXPECT_EQ(editor.FontChoice(), u"");  // not installed here
    editor.OverWrite();
    EXPECT_EQ(FileText(platform, InTbl(u"DBLatin.csv")),
              "\"ラテン文字（欧文）\",\"Times New Roman\"\r\nGroup,0,\"A\"\r\n");
}

TEST_F(EditorFixture, DeletingTheLastRowOfAGroupKeepsTheGroup) {
    SymbolDbEditor editor = Opened();
    editor.SelectRow(2);
    platform.scriptedAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    editor.Delete();
    editor.OverWrite();
    EXPECT_NE(FileText(platform, InTbl(u"DBSmall.csv")).find("Group,3,\"D\"\r\n"),
              std::string::npos);
}

// --- What each situation enables --------------------------------------------------------

struct AvailabilityCase {
    const char* name;
    bool sysTblFlg;
    int stage;  // 0 reset, 1 file read, 2 row selected, 3 group picked after a row
    // 閉る 開く 上書 保存 新規 削除 挿入 追加, as "1" on and "0" off.
    std::string expected;
};

class AvailabilityTest : public EditorFixture,
                         public ::testing::WithParamInterface<AvailabilityCase> {};

TEST_P(AvailabilityTest, EnablesTheButtonsOfTheSituation) {
    const AvailabilityCase& c = GetParam();
    SymbolDbEditor editor(platform, kTblFolder, c.sysTblFlg, 0, u"Tahoma");
    if (c.stage >= 1) editor.Open(InTbl(u"DBSmall.csv"));
    if (c.stage >= 2) editor.SelectRow(0);
    if (c.stage >= 3) editor.GroupPicked(0);
    std::string got;
    for (int a = 0; a < kSymbolDbActionCount; ++a)
        got += editor.Enabled(static_cast<SymbolDbAction>(a)) ? "1" : "0";
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AvailabilityTest,
    ::testing::Values(AvailabilityCase{"Reset", false, 0, "11001000"},
                      AvailabilityCase{"ResetSystemTables", true, 0, "11000000"},
                      AvailabilityCase{"FileRead", false, 1, "11111000"},
                      AvailabilityCase{"FileReadSystemTables", true, 1, "11000000"},
                      AvailabilityCase{"RowSelected", false, 2, "11111111"},
                      AvailabilityCase{"RowSelectedSystemTables", true, 2, "11000111"},
                      AvailabilityCase{"GroupPicked", false, 3, "11111001"},
                      AvailabilityCase{"GroupPickedSystemTables", true, 3, "11000001"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, WithSystemTablesNothingIsWritten) {
    SymbolDbEditor editor = Opened(true);
    platform.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_FALSE(editor.SaveAs(InTbl(u"DBOther.csv")));
    EXPECT_FALSE(platform.FileExists(InTbl(u"DBOther.csv")));
    EXPECT_TRUE(platform.messages.empty());
}

TEST(SystemTableNotice, IsShownOnlyWhileTheSystemTablesAreInUse) {
    FakePlatform platform;
    ShowSystemTableNotice(platform, false);
    EXPECT_TRUE(platform.messages.empty());
    ShowSystemTableNotice(platform, true);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "\u3000テーブル選択が、システムテーブルになっています。記号DBを開くことはできますが、"
              "「保存」「上書」「新規」はできません。\r\n"
              "\u3000記号DBの変更や作成をするには「設定」「全般」で「システムテーブルを用いる」の"
              "チェックを外します。");
    EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Yes);
}

// --- The new-file dialog -----------------------------------------------------------------

struct NameCase {
    const char* name;
    std::u16string typed;
    std::string warning;
};

class NewDbNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NewDbNameTest, RefusesNamesByTheRulesAndCreatesNothing) {
    FakePlatform platform;
    PutAnsi(platform, u"DBThai.csv", u"");
    const auto before = platform.AllFiles();
    NewSymbolDbDialog dialog(platform, kTblFolder);
    const auto result = dialog.Make(GetParam().typed, u"");
    EXPECT_FALSE(result.close);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text), GetParam().warning);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Yes);
    EXPECT_EQ(platform.AllFiles(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewDbNameTest,
    ::testing::Values(
        NameCase{"NoExtension", u"DBMine", "拡張子は\"csv\"でなくてはなりません。"},
        NameCase{"UpperCaseExtension", u"DBMine.CSV", "拡張子は\"csv\"でなくてはなりません。"},
        NameCase{"LowerCasePrefix", u"dbMine.csv",
                 "ﾌｧｲﾙ名の最初の2文字は\"DB\"でなくてはなりません。"},
        NameCase{"LeadingBlank", u" DBMine.csv",
                 "ﾌｧｲﾙ名の最初の2文字は\"DB\"でなくてはなりません。"},
        NameCase{"Existing", u"DBThai.csv", "同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NewDbDialog, CreatesTheFileWithTheAddedGroupsAndOffersToLoadIt) {
    FakePlatform platform;
    platform.installedFonts = {u"Tahoma", u"@MS Gothic", u"Lao UI"};
    platform.CreateDirectories(kTblFolder);
    NewSymbolDbDialog dialog(platform, kTblFolder);
    EXPECT_EQ(dialog.Fonts(), (std::vector<std::u16string>{u"Tahoma", u"Lao UI"}));
    EXPECT_FALSE(dialog.MakeEnabled());
    dialog.NameChanged(u"  ");
    EXPECT_FALSE(dialog.MakeEnabled());
    dialog.NameChanged(u"DBMine.csv");
    EXPECT_TRUE(dialog.MakeEnabled());
    dialog.ScriptPicked(1);  // タイ文字
    EXPECT_EQ(dialog.PreviewCharset(), 222);
    EXPECT_EQ(U8(dialog.Sample()), "\u0E01");

    platform.scriptedAnswers = {MessageAnswer::Yes};
    const auto result = dialog.Make(u"DBMine.csv", u"子音字\r\n\r\n母音\r\n");
    EXPECT_TRUE(result.close);
    EXPECT_EQ(U8(result.load), "DBMine.csv");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "空の記号DBファイル\"DBMine.csv\"を生成しました。記号DBで読み込みますか？");
    std::string expected = "\"タイ文字\",\"Tahoma\"\r\n";
    const auto fixed = FixedSymbolDbGroupNames();
    ASSERT_EQ(fixed.size(), 27u);
    for (std::size_t i = 0; i < fixed.size(); ++i)
        expected += "Group," + std::to_string(i) + ",\"" + U8(fixed[i]) + "\"\r\n";
    expected += "Group,27,\"子音字\"\r\nGroup,28,\"\"\r\nGroup,29,\"母音\"\r\n";
    EXPECT_EQ(FileText(platform, InTbl(u"DBMine.csv")), expected);

    // Read into the editor by its bare name.
    SymbolDbEditor editor(platform, kTblFolder, false, 0, u"Tahoma");
    editor.Load(result.load);
    EXPECT_EQ(U8(editor.Path()), "DBMine.csv");
    EXPECT_EQ(editor.Groups().size(), 30u);
    EXPECT_EQ(editor.ScriptChoice(), 1);
    EXPECT_EQ(editor.Charset(), 222);
    EXPECT_EQ(U8(editor.StatusFile()), "\"DBMine.csv\"");
    EXPECT_TRUE(editor.Enabled(SymbolDbAction::OverWrite));
    platform.scriptedAnswers = {MessageAnswer::No};
    editor.GroupPicked(27);
    editor.Add();
    editor.CodeChanged(u"0E01");
    EXPECT_FALSE(editor.OverWrite());
    EXPECT_NE(FileText(platform, InTbl(u"DBMine.csv")).find("27,\"0E01\",\"\",\"\",\"0\",\"\"\r\n"),
              std::string::npos);
}

TEST(NewDbDialog, NoOnTheLoadQuestionStillClosesTheDialog) {
    FakePlatform platform;
    platform.CreateDirectories(kTblFolder);
    NewSymbolDbDialog dialog(platform, kTblFolder);
    const auto result = dialog.Make(u"DBMine.csv", u"");
    EXPECT_TRUE(result.close);
    EXPECT_TRUE(result.load.empty());
    EXPECT_TRUE(platform.FileExists(InTbl(u"DBMine.csv")));
}

TEST(NewDbDialog, AFailedCreationIsReportedAndTheDialogStays) {
    FakePlatform platform;
    platform.FailWritesTo(InTbl(u"DBMine.csv"));
    NewSymbolDbDialog dialog(platform, kTblFolder);
    const auto result = dialog.Make(u"DBMine.csv", u"");
    EXPECT_FALSE(result.close);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(U8(platform.messages[0].text),
              "記号DBファイル「C:\\Tessaline\\Tbl\\DBMine.csv」を作成できませんでした。");
}

TEST(NewDbDialog, ScriptFontsFallBackToTahomaInTheChooserOnly) {
    FakePlatform platform;
    platform.installedFonts = {u"Tahoma", u"Lao UI"};
    NewSymbolDbDialog dialog(platform, kTblFolder);
    // 発音記号 asks for Segoe UI, not installed here.
    EXPECT_EQ(U8(dialog.FileFont()), "Segoe UI");
    EXPECT_EQ(U8(dialog.FontShown()), "Tahoma");
    EXPECT_EQ(U8(dialog.Sample()), "\u0254");
    dialog.ScriptPicked(7);  // ラオス文字
    EXPECT_EQ(U8(dialog.FileFont()), "Lao UI");
    EXPECT_EQ(U8(dialog.FontShown()), "Lao UI");
    dialog.ScriptPicked(9);  // トルコ語
    EXPECT_EQ(dialog.PreviewCharset(), 162);
    EXPECT_EQ(U8(dialog.FileFont()), "Times New Roman");
    EXPECT_EQ(U8(dialog.FontShown()), "Tahoma");
    dialog.FontPicked(u"Lao UI");
    EXPECT_EQ(U8(dialog.FileFont()), "Lao UI");
}

}  // namespace
}  // namespace tess
