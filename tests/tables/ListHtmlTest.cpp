#include "tables/ListHtml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tables/TableFixtures.h"

namespace tess {
namespace {

using testing::InTbl;
using testing::kTblFolder;
using testing::PutAnsi;
using testing::U8;

// Lines joined by "\n" in UTF-8, so a failing comparison prints readably.
std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::u16string& line : lines) text += U8(line) + "\n";
    return text;
}

const std::u16string kThaiFile =
    u"\"DBThai.csv\",Alphabet_Lower\r\n"
    u"\"0022\",201C,201D,,,,,,,\r\n"
    u"\"a\",,,,,,,,,\r\n"
    u"\"k\",0E01,0E02,0E04,0E06,,,,,\r\n"
    u"\"<\",,,,,,,,,0E3F\r\n";

// The whole page for kThaiFile chosen as the Thai table with the dialog's
// initial colour and size.
const char kThaiPage[] = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" "http://www.w3.org/TR/html4/loose.dtd">
<html lang="ja">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">
<meta http-equiv="Content-Style-Type" content="text/css">
<title>タイ語　候補ファイル</title>
<style type="text/css">
<!--
body {
        width:  600px;
        margin:  20px;
        padding: 20px;
        text-align: center;
        background-color: #0099DD;
        font-family: "ＭＳ Ｐゴシック";
        color: black;
}
h1 {
        text-align: center;
        padding:   10px;
        background-color: white;
        font-family: "ＭＳ Ｐゴシック";
}
table {
        margin-left: auto;
        margin-right: auto;
        border: 2px solid;
        border-collapse: collapse;
}
th {
        width: 50px;
        height: 40px;
        border: 2px solid;
        background-color: #ffe4e1;
        font-size: 120%;
        font-family: "Arial";
}
td {
        width: 50px;
        height: 50px;
        background-color: ivory;
        border: 2px solid;
        font-size: 160%;
        font-family: "Tahoma";
}
td.trigger {
        width: 50px;
        border: 2px solid;
        background-color: #ffe4e1;
        font-size: 120%;
        font-family: "Arial";
}
-->
</style>
</head>
<body>
<h1>タイ語　候補ファイル</h1>
<table>
  <caption>"CandThai2.csv"</caption>
    <tr><th>Trigger</th><th>1</th><th>2</th><th>3</th><th>4</th><th>5</th><th>6</th><th>7</th><th>8</th><th>9</th></tr>
    <tr><td class="trigger">"</td><td>&#x201C;</td><td>&#x201D;</td><td></td><td></td><td></td><td></td><td></td><td></td><td></td></tr>
    <tr><td class="trigger">k</td><td>&#x0E01;</td><td>&#x0E02;</td><td>&#x0E04;</td><td>&#x0E06;</td><td></td><td></td><td></td><td></td><td></td></tr>
    <tr><td class="trigger">&lt;</td><td></td><td></td><td></td><td></td><td></td><td></td><td></td><td></td><td>&#x0E3F;</td></tr>
</table>
</body>
</html>
)";

const std::u16string kUserTbl = u"C:\\Users\\user\\Tessaline\\Tbl";

struct ListHtmlTool : ::testing::Test {
    FakePlatform fake;
    Settings settings;

    ListHtmlTool() {
        settings.ThaiCandFile = u"CandThai2.csv";
        settings.PhCandFile = u"CandAll.csv";
        settings.MyanmarCandFile = u"CandMyanmar.csv";
        settings.LaosCandFile = u"CandLao.csv";
        settings.KhmerCandFile = u"CandKhmer.csv";
        settings.ThaiFont = u"Tahoma";
        settings.UsrSubFont = u"Segoe UI";
        settings.UsrMainFont = u"MS UI Gothic";
        settings.MyanmarFont = u"Padauk";
        fake.fontFamilies[128] = {{u"ＭＳ ゴシック", true},
                                  {u"@ＭＳ ゴシック", true},
                                  {u"$Sys", true},
                                  {u"Terminal", false},
                                  {u"ＭＳ Ｐゴシック", true}};
        fake.installedFonts = {u"Tahoma", u"@ＭＳ ゴシック", u"Segoe UI", u"MS UI Gothic"};
        PutAnsi(fake, u"CandThai2.csv", kThaiFile);
        PutAnsi(fake, u"CandAll.csv", u"\"DBPhonet.csv\",Alphabet_Upper\r\n\"A\",0251,,,,,,,,\r\n");
        PutAnsi(fake, u"CandMine.csv", u"\"z\",0041,,,,,,,,\r\n");
    }

    // One folder for both roles, as while SysTblFlg is clear.
    ListHtmlModel Tool() { return ListHtmlModel(fake, settings, kTblFolder, kTblFolder); }

    static void Choose(ListHtmlModel& tool, std::u16string_view name) {
        for (std::size_t i = 0; i < tool.CandFiles().size(); ++i) {
            if (tool.CandFiles()[i] == name) return tool.ChooseCandFile(i);
        }
        FAIL() << "not listed: " << U8(name);
    }

    std::string LastMessage() const {
        return fake.messages.empty() ? "" : U8(fake.messages.back().text);
    }
};

TEST_F(ListHtmlTool, MakeWritesThePageOfTheChosenFile) {
    ListHtmlModel tool = Tool();
    Choose(tool, u"CandThai2.csv");
    tool.Make();
    EXPECT_EQ(Joined(tool.HtmlLines()), kThaiPage);
}

TEST_F(ListHtmlTool, SavedPageIsShiftJisWithCrLfAndNoMark) {
    ListHtmlModel tool = Tool();
    Choose(tool, u"CandThai2.csv");
    tool.Make();
    tool.Save();

    const auto bytes = fake.ReadWholeFile(InTbl(u"CandThai2.html"));
    ASSERT_TRUE(bytes.has_value());
    std::u16string expected;
    for (const std::u16string& line : SplitLines(Utf8ToUtf16(kThaiPage))) expected += line + u"\r\n";
    EXPECT_EQ(*bytes, fake.EncodeCodePage(kAnsiCodePage, expected));
    EXPECT_EQ(bytes->substr(0, 9), "<!DOCTYPE");
    EXPECT_EQ(LastMessage(), "ファイル \"CandThai2.html\" を保存しました。");
    EXPECT_EQ(fake.messages.back().kind, MessageKind::Information);
    EXPECT_EQ(fake.messages.back().buttons, MessageButtons::Yes);
}

TEST(ListHtmlRowLine, KeysAndCodes) {
    struct Case {
        std::vector<std::u16string> given;  // key field, then leading code fields
        std::u16string cells;               // the key's text and the given codes' cells
    };
    const std::vector<Case> cases = {
        {{u"0022", u"201C"}, u"\"</td><td>&#x201C;</td>"},
        // Gaps keep their places: a candidate's position is its number.
        {{u"k", u"", u"0E02"}, u"k</td><td></td><td>&#x0E02;</td>"},
        // Keys that would open markup or a reference are escaped.
        {{u"<", u"0041"}, u"&lt;</td><td>&#x0041;</td>"},
        {{u">", u"0041"}, u"&gt;</td><td>&#x0041;</td>"},
        {{u"&", u"0041"}, u"&amp;</td><td>&#x0041;</td>"},
        // A damaged code field shows as text, never as markup.
        {{u"x", u"41;<b>"}, u"x</td><td>&#x41;&lt;b&gt;;</td>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(U8(c.given[0]));
        std::array<std::u16string, 10> fields;
        std::copy(c.given.begin(), c.given.end(), fields.begin());
        std::u16string expected = u"    <tr><td class=\"trigger\">" + c.cells;
        for (std::size_t i = c.given.size(); i < 10; ++i) expected += u"<td></td>";
        expected += u"</tr>";
        EXPECT_EQ(U8(ListHtmlRowLine(fields)), U8(expected));
    }
}

TEST(CandFileLookFor, FirstMatchingSettingGivesTitleAndFont) {
    Settings settings;
    settings.ThaiCandFile = u"CandThai2.csv";
    settings.PhCandFile = u"CandAll.csv";
    settings.MyanmarCandFile = u"CandMyanmar.csv";
    settings.LaosCandFile = u"CandLao.csv";
    settings.KhmerCandFile = u"CandThai2.csv";  // also named by the Thai setting, which comes first
    settings.ThaiFont = u"Tahoma";
    settings.UsrSubFont = u"Segoe UI";
    settings.MyanmarFont = u"Padauk";
    settings.LaosFont = u"Lao UI";
    settings.KhmerFont = u"Khmer UI";
    settings.UsrMainFont = u"MS UI Gothic";
    struct Case {
        const char16_t* name;
        CandFileLook look;
    };
    const std::vector<Case> cases = {
        {u"CandThai2.csv", {u"タイ語　候補ファイル", u"Tahoma"}},
        {u"CandAll.csv", {u"発音記号　候補ファイル", u"Segoe UI"}},
        {u"CandMyanmar.csv", {u"ミャンマー語　候補ファイル", u"Padauk"}},
        {u"CandLao.csv", {u"ラオス語　候補ファイル", u"Lao UI"}},
        {u"CandMine.csv", {u"候補ファイル", u"MS UI Gothic"}},
        // Names compare exactly.
        {u"candall.csv", {u"候補ファイル", u"MS UI Gothic"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(U8(c.name));
        EXPECT_EQ(CandFileLookFor(settings, c.name), c.look);
    }
    settings.KhmerCandFile = u"CandKhmer.csv";
    EXPECT_EQ(CandFileLookFor(settings, u"CandKhmer.csv"),
              (CandFileLook{u"クメール語　候補ファイル", u"Khmer UI"}));
}

TEST(HtmlFileNameFor, ReplacesTheLastExtension) {
    EXPECT_EQ(HtmlFileNameFor(u"CandAll.csv"), u"CandAll.html");
    EXPECT_EQ(HtmlFileNameFor(u"Cand.v2.csv"), u"Cand.v2.html");
    EXPECT_EQ(HtmlFileNameFor(u"CandPlain"), u"CandPlain.html");
}

TEST(ListHtmlPageLines, ValuesCannotBreakThePage) {
    const ListHtmlChoices choices{u"A<b>&\"c\"", u"Cand<&>.csv", u"Fo\"nt\\",
                                  u"x</style><script>", u"1<60", u"#0099DD</style>"};
    const Lines lines = ListHtmlPageLines(choices, {});
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(U8(lines[5]), "<title>A&lt;b&gt;&amp;\"c\"</title>");
    EXPECT_EQ(U8(lines[13]), "        background-color: #0099DD\\3C /style>;");
    EXPECT_EQ(U8(lines[14]), "        font-family: \"Fo\\\"nt\\\\\";");
    EXPECT_EQ(lines[21], lines[14]);
    EXPECT_EQ(U8(lines[42]), "        font-size: 1\\3C 60%;");
    EXPECT_EQ(U8(lines[43]), "        font-family: \"x\\3C /style>\\3C script>\";");
    EXPECT_EQ(U8(lines[56]), "<h1>A&lt;b&gt;&amp;\"c\"</h1>");
    EXPECT_EQ(U8(lines[58]), "  <caption>\"Cand&lt;&amp;&gt;.csv\"</caption>");
    // Nothing typed can close the style sheet before its own end tag.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 53) {
            EXPECT_EQ(lines[i].find(u"</style"), std::u16string::npos) << i;
        }
    }
}

TEST(AnsiSafeHtmlLines, CharactersOutsideTheCodePageBecomeReferences) {
    FakePlatform fake;
    const Lines lines = {u"<h1>タイ語 ภาษาไทย</h1>", u"plain ＭＳ Ｐゴシック", u"\U0001F600?"};
    EXPECT_EQ(AnsiSafeHtmlLines(fake, lines),
              (Lines{u"<h1>タイ語 &#x0E20;&#x0E32;&#x0E29;&#x0E32;&#x0E44;&#x0E17;&#x0E22;</h1>",
                     u"plain ＭＳ Ｐゴシック", u"&#x1F600;?"}));
}

TEST_F(ListHtmlTool, CreationState) {
    ListHtmlModel tool(fake, settings, kTblFolder, kUserTbl);
    EXPECT_EQ(tool.CandFiles(),
              (std::vector<std::u16string>{u"CandAll.csv", u"CandMine.csv", u"CandThai2.csv"}));
    EXPECT_EQ(tool.TitleFonts(), (std::vector<std::u16string>{u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック"}));
    EXPECT_EQ(tool.CandFonts(),
              (std::vector<std::u16string>{u"Tahoma", u"Segoe UI", u"MS UI Gothic"}));
    EXPECT_EQ(tool.SizeItems().front(), u"120");
    EXPECT_EQ(tool.SizeItems()[1], u"130");
    EXPECT_EQ(tool.SizeItems().back(), u"250");
    EXPECT_EQ(tool.SizeItems().size(), 14u);
    EXPECT_EQ(tool.boxes.titleFont, u"ＭＳ Ｐゴシック");
    EXPECT_EQ(tool.boxes.candFont, u"Tahoma");
    EXPECT_EQ(tool.boxes.sizeText, u"160");
    EXPECT_EQ(tool.boxes.htmlFileName, u"");
    EXPECT_EQ(tool.boxes.title, u"");
    EXPECT_EQ(tool.ColourText(), u"#0099DD");
    EXPECT_EQ(tool.Swatch(), MakeColor(0x00, 0x99, 0xDD));
    EXPECT_EQ(U8(tool.StatusText()), "■テーブルフォルダ： " + U8(kTblFolder));
    EXPECT_EQ(tool.ChosenCandFile(), u"");
    EXPECT_FALSE(tool.MakeEnabled());
    EXPECT_FALSE(tool.SaveEnabled());
    EXPECT_FALSE(tool.ShowEnabled());

    // A default font the system lacks leaves its chooser without a selection.
    fake.fontFamilies[128] = {{u"ＭＳ ゴシック", true}};
    fake.installedFonts = {u"Segoe UI"};
    ListHtmlModel bare(fake, settings, kTblFolder, kUserTbl);
    EXPECT_EQ(bare.boxes.titleFont, u"");
    EXPECT_EQ(bare.boxes.candFont, u"");
}

TEST_F(ListHtmlTool, ChoosingAFileFillsTheBoxesAndEnablesMakeAndShow) {
    ListHtmlModel tool = Tool();
    tool.boxes.sizeText = u"200";
    Choose(tool, u"CandAll.csv");
    EXPECT_EQ(tool.boxes.htmlFileName, u"CandAll.html");
    EXPECT_EQ(tool.boxes.title, u"発音記号　候補ファイル");
    EXPECT_EQ(tool.boxes.candFont, u"Segoe UI");
    EXPECT_EQ(tool.boxes.sizeText, u"160");
    EXPECT_TRUE(tool.MakeEnabled());
    EXPECT_TRUE(tool.ShowEnabled());
    EXPECT_FALSE(tool.SaveEnabled());

    Choose(tool, u"CandMine.csv");
    EXPECT_EQ(tool.boxes.title, u"候補ファイル");
    EXPECT_EQ(tool.boxes.candFont, u"MS UI Gothic");

    // A font the chooser does not list is not selected: the chooser keeps its item.
    settings.UsrMainFont = u"Not Installed";
    Choose(tool, u"CandAll.csv");
    Choose(tool, u"CandMine.csv");
    EXPECT_EQ(tool.boxes.candFont, u"Segoe UI");
}

TEST_F(ListHtmlTool, MakeTakesTheBoxesAsTyped) {
    ListHtmlModel tool = Tool();
    Choose(tool, u"CandAll.csv");
    tool.boxes.title = u"My IPA";
    tool.boxes.titleFont = u"ＭＳ ゴシック";
    tool.boxes.candFont = u"Tahoma";
    tool.boxes.sizeText = u"abc";
    tool.SetColourText(u"red");
    tool.Make();
    const Lines& lines = tool.HtmlLines();
    ASSERT_EQ(lines.size(), 64u);  // the template and CandAll.csv's one row
    EXPECT_EQ(U8(lines[5]), "<title>My IPA</title>");
    EXPECT_EQ(U8(lines[13]), "        background-color: red;");
    EXPECT_EQ(U8(lines[14]), "        font-family: \"ＭＳ ゴシック\";");
    EXPECT_EQ(U8(lines[42]), "        font-size: abc%;");
    EXPECT_EQ(U8(lines[43]), "        font-family: \"Tahoma\";");
    EXPECT_EQ(U8(lines[58]), "  <caption>\"CandAll.csv\"</caption>");
    EXPECT_EQ(U8(lines[60]), "    <tr><td class=\"trigger\">A</td><td>&#x0251;</td>"
                             "<td></td><td></td><td></td><td></td><td></td><td></td><td></td>"
                             "<td></td></tr>");
    EXPECT_TRUE(tool.SaveEnabled());
}

TEST_F(ListHtmlTool, AnEmptyCandidateFontChooserWritesTheLanguagesFont) {
    // Neither Tahoma nor the Myanmar font is installed: the chooser stays empty.
    fake.installedFonts = {u"Segoe UI"};
    PutAnsi(fake, u"CandMyanmar.csv", u"\"k\",1000,,,,,,,,\r\n");
    const std::pair<std::u16string, const char*> cases[] = {
        {u"CandThai2.csv", "Tahoma"}, {u"CandMyanmar.csv", "Padauk"}};
    for (const auto& [file, font] : cases) {
        SCOPED_TRACE(U8(file));
        ListHtmlModel tool = Tool();
        Choose(tool, file);
        ASSERT_EQ(tool.boxes.candFont, u"");
        tool.Make();
        ASSERT_GT(tool.HtmlLines().size(), 43u);
        EXPECT_EQ(U8(tool.HtmlLines()[43]), std::string("        font-family: \"") + font + "\";");
    }
}

TEST_F(ListHtmlTool, MakeReadsFromTheUserFolderAndKeepsTheAreaWhenTheFileIsMissing) {
    // Listed in TblFolder, read from UserTblFolder.
    ListHtmlModel tool(fake, settings, kTblFolder, kUserTbl);
    Choose(tool, u"CandThai2.csv");
    tool.EditHtml(u"kept\r\nlines");
    tool.Make();
    EXPECT_EQ(tool.HtmlLines(), (Lines{u"kept", u"lines"}));
    EXPECT_TRUE(tool.SaveEnabled());

    fake.PutFile(kUserTbl + u"\\CandThai2.csv", fake.EncodeCodePage(kAnsiCodePage, kThaiFile));
    tool.Make();
    EXPECT_EQ(Joined(tool.HtmlLines()), kThaiPage);
}

TEST_F(ListHtmlTool, EditsAreSavedAndChoosingAgainEmptiesTheArea) {
    ListHtmlModel tool = Tool();
    Choose(tool, u"CandThai2.csv");
    tool.Make();
    EXPECT_EQ(tool.HtmlText().substr(0, 28), u"<!DOCTYPE HTML PUBLIC \"-//W3");
    EXPECT_NE(tool.HtmlText().find(u"<head>\r\n<meta"), std::u16string::npos);

    tool.EditHtml(u"<p>edited</p>\r\n<p>ภ</p>");
    tool.boxes.htmlFileName = u"  Mine.html \t";
    tool.Save();
    const auto bytes = fake.ReadWholeFile(InTbl(u"Mine.html"));
    ASSERT_TRUE(bytes.has_value());
    // The Thai letter, which code page 932 lacks, survives as a reference.
    EXPECT_EQ(*bytes, "<p>edited</p>\r\n<p>&#x0E20;</p>\r\n");
    EXPECT_EQ(LastMessage(), "ファイル \"Mine.html\" を保存しました。");

    Choose(tool, u"CandAll.csv");
    EXPECT_TRUE(tool.HtmlLines().empty());
    EXPECT_FALSE(tool.SaveEnabled());
}

TEST_F(ListHtmlTool, SaveRefusesBlankAndNonPlainNames) {
    for (const char16_t* name : {u"", u"   ", u"..\\x.html", u"sub/x.html", u"C:x.html", u".."}) {
        SCOPED_TRACE(U8(name));
        ListHtmlModel tool = Tool();
        Choose(tool, u"CandThai2.csv");
        tool.Make();
        const auto before = fake.AllFiles();
        fake.messages.clear();
        tool.boxes.htmlFileName = name;
        tool.Save();
        EXPECT_EQ(fake.AllFiles(), before);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(LastMessage(), "保存するファイル名(*.html)を入力して下さい。");
        EXPECT_EQ(fake.messages.back().kind, MessageKind::Warning);
        EXPECT_EQ(fake.messages.back().buttons, MessageButtons::Yes);
    }
}

TEST_F(ListHtmlTool, FailedSaveLeavesTheOldPageAndTheArea) {
    fake.PutFile(InTbl(u"CandThai2.html"), "old page\r\n");
    fake.FailWritesTo(InTbl(u"CandThai2.html"));
    ListHtmlModel tool = Tool();
    Choose(tool, u"CandThai2.csv");
    tool.Make();
    const Lines made = tool.HtmlLines();
    tool.Save();
    EXPECT_EQ(fake.ReadWholeFile(InTbl(u"CandThai2.html")), "old page\r\n");
    EXPECT_EQ(tool.HtmlLines(), made);
    EXPECT_TRUE(tool.SaveEnabled());
    EXPECT_EQ(fake.messages.back().kind, MessageKind::Warning);
    EXPECT_NE(LastMessage().find("CandThai2.html"), std::string::npos);
}

TEST_F(ListHtmlTool, ShowOpensASavedPageOrWarns) {
    ListHtmlModel tool(fake, settings, kTblFolder, kUserTbl);
    Choose(tool, u"CandAll.csv");
    tool.Show();
    EXPECT_TRUE(fake.shellOpened.empty());
    EXPECT_EQ(LastMessage(),
              "ファイル \"CandAll.html\" が存在しません。\r\n"
              "一度、「作る」ボタンと「保存」ボタンを押し、ファイルを作成してから"
              "「見る」ボタンを押して下さい。");
    EXPECT_EQ(fake.messages.back().kind, MessageKind::Warning);

    // Opened from the user's folder, whatever TblFolder holds.
    fake.PutFile(InTbl(u"CandAll.html"), "x");
    fake.PutFile(kUserTbl + u"\\CandAll.html", "x");
    fake.messages.clear();
    tool.Show();
    EXPECT_EQ(fake.shellOpened, (std::vector<std::u16string>{kUserTbl + u"\\CandAll.html"}));
    EXPECT_TRUE(fake.messages.empty());

    // A name reaching outside the folder is not one of its files.
    fake.PutFile(u"C:\\Users\\user\\Tessaline\\x.html", "x");
    tool.boxes.htmlFileName = u"..\\x.html";
    tool.Show();
    EXPECT_EQ(fake.shellOpened.size(), 1u);
    EXPECT_EQ(fake.messages.size(), 1u);
}

TEST_F(ListHtmlTool, SystemTablesAllowOnlyShow) {
    settings.SysTblFlg = true;
    fake.PutFile(InTbl(u"CandThai2.html"), "saved earlier");
    ListHtmlModel tool = Tool();
    Choose(tool, u"CandThai2.csv");
    EXPECT_FALSE(tool.MakeEnabled());
    tool.Make();
    EXPECT_TRUE(tool.HtmlLines().empty());
    EXPECT_FALSE(tool.SaveEnabled());
    tool.Save();
    EXPECT_EQ(fake.ReadWholeFile(InTbl(u"CandThai2.html")), "saved earlier");
    EXPECT_TRUE(tool.ShowEnabled());
    tool.Show();
    EXPECT_EQ(fake.shellOpened, (std::vector<std::u16string>{InTbl(u"CandThai2.html")}));
}

TEST_F(ListHtmlTool, ColourBoxAndSwatch) {
    ListHtmlModel tool = Tool();
    struct Case {
        const char16_t* typed;
        Color swatch;
    };
    // Each text is typed after the previous one: only a valid one moves the swatch.
    const std::vector<Case> cases = {
        {u"#12AB3F", MakeColor(0x12, 0xAB, 0x3F)},
        {u"#12ab3f", MakeColor(0x12, 0xAB, 0x3F)},
        {u"#12AB3", MakeColor(0x12, 0xAB, 0x3F)},
        {u"#FF000000", MakeColor(0x12, 0xAB, 0x3F)},
        {u"#FF0000", MakeColor(0xFF, 0x00, 0x00)},
        {u"", MakeColor(0xFF, 0x00, 0x00)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(U8(c.typed));
        tool.SetColourText(c.typed);
        EXPECT_EQ(tool.ColourText(), c.typed);
        EXPECT_EQ(tool.Swatch(), c.swatch);
    }
    tool.ColourPicked(MakeColor(0x0A, 0xB0, 0xC3));
    EXPECT_EQ(tool.ColourText(), u"#0AB0C3");
    EXPECT_EQ(tool.Swatch(), MakeColor(0x0A, 0xB0, 0xC3));
}

TEST(NoticeBeforeListHtml, OnlyWhileSystemTablesAreUsed) {
    FakePlatform fake;
    Settings settings;
    NoticeBeforeListHtml(fake, settings);
    EXPECT_TRUE(fake.messages.empty());
    settings.SysTblFlg = true;
    NoticeBeforeListHtml(fake, settings);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(U8(fake.messages[0].text),
              "　テーブル選択が、システムテーブルになっています。一覧HTMLツールで既存のファイルを"
              "見ることはできますが、「作成」「保存」はできません。\r\n"
              "　このツールを使うには「設定」「全般」で「システムテーブルを用いる」のチェックを"
              "外します。");
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Yes);
}

}  // namespace
}  // namespace tess
