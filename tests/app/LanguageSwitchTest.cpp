#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "app/MainWindowFixture.h"

namespace tess {
namespace {

// What the window shows after the user picks an item of the mode box while
// Myanmar romaji is on and the Myanmar table has been edited on disk since it
// was loaded (so only a real reload shows U+1001). The keyboard page shows
// the phonetic keyboard before the pick.
struct PickCase {
    int item;
    int inputMode;
    LanguageState language;
    bool imePage;
    std::u16string DataFolders::*book;
    std::u16string DataFolders::*dic;
    std::u16string font;  // UsrMainFont, the box text and Memo1's face
    std::u16string candFile, udbFile;
    char16_t offered;  // what the foreign table offers for "a"
    std::u16string offeredName;
    int picture;
    KeyboardPage page;
};

const LanguageState kThai{u"タイ語", u"泰日", u"日泰", 222};
const LanguageState kMyanmar{u"ﾐｬﾝﾏｰ語", u"緬日", u"日緬", 0};
const LanguageState kLao{u"ﾗｵｽ語", u"羅日", u"日羅", 0};
const LanguageState kKhmer{u"ｸﾒｰﾙ語", u"柬日", u"日柬", 0};

const PickCase kPicks[] = {
    {0, 1, kThai, true, &DataFolders::ThaiBookFolder, &DataFolders::ThaiDicFolder,
     u"Leelawadee UI", u"CandThai2.csv", u"DBThai.csv", u'\u0E01', u"Thai name", 0,
     KeyboardPage::Romaji},
    // Thai through the platform's layout: Thai everywhere but the table.
    {1, 2, kThai, true, &DataFolders::ThaiBookFolder, &DataFolders::ThaiDicFolder,
     u"Leelawadee UI", u"CandMyanmar.csv", u"DBMyanmar.csv", u'\u1000', u"Myanmar name", 0,
     KeyboardPage::MsIme},
    // "英数" keeps the language, its folders, font, table and page.
    {2, 3, kMyanmar, false, &DataFolders::MyanmarBookFolder, &DataFolders::MyanmarDicFolder,
     u"Myanmar Text", u"CandMyanmar.csv", u"DBMyanmar.csv", u'\u1000', u"Myanmar name", 1,
     KeyboardPage::Phonetic},
    // The mode already on: nothing is switched or reloaded.
    {3, 4, kMyanmar, false, &DataFolders::MyanmarBookFolder, &DataFolders::MyanmarDicFolder,
     u"Myanmar Text", u"CandMyanmar.csv", u"DBMyanmar.csv", u'\u1000', u"Myanmar name", 1,
     KeyboardPage::Romaji},
    {4, 5, kLao, false, &DataFolders::LaosBookFolder, &DataFolders::LaosDicFolder,
     u"DokChampa", u"CandLao.csv", u"DBLao.csv", u'\u0E81', u"Lao name", 2,
     KeyboardPage::Romaji},
    // KhmerFont ("Khmer UI") is not installed and no installed font draws
    // Khmer: the box and Memo1 keep the font they had.
    {5, 6, kKhmer, false, &DataFolders::KhmerBookFolder, &DataFolders::KhmerDicFolder,
     u"Myanmar Text", u"CandKhmer.csv", u"DBKhmer.csv", u'\u1780', u"Khmer name", 3,
     KeyboardPage::Romaji},
};

TEST(LanguageSwitch, PickingEachModeFromMyanmarRomaji) {
    for (const PickCase& c : kPicks) {
        SCOPED_TRACE(c.item);
        MainWindowWorld w;
        w.WriteSettings({u"InputMode,4", u"ThaiFont,\"Leelawadee UI\""});
        w.Start();
        MainModel& m = w.model;
        RecordingMainWindowPort& p = w.port;
        ASSERT_EQ(m.language(), kMyanmar);
        w.EditTable(u"Myanmar", u'\u1001');
        p.page = KeyboardPage::Phonetic;
        p.focused = InputArea::None;

        m.ComboBox3Change(c.item);

        EXPECT_EQ(m.settings().InputMode, c.inputMode);
        EXPECT_EQ(m.language(), c.language);
        EXPECT_EQ(p.romajiCaption, c.language.LanguageName + u"ローマ字");
        EXPECT_EQ(p.imePageVisible, c.imePage);
        EXPECT_EQ(p.langToJp, c.language.LangToJpCaption);
        EXPECT_EQ(p.jpToLang, c.language.JpToLangCaption);
        EXPECT_EQ(m.folders().CurBookFolder, w.folders.*c.book);
        EXPECT_EQ(m.folders().CurDicFolder, w.folders.*c.dic);
        EXPECT_EQ(m.settings().UsrMainFont, c.font);
        EXPECT_EQ(p.fontText, c.font);
        EXPECT_EQ(p.memoFont.face, c.font);
        EXPECT_EQ(p.memoFont.charset, c.language.LangCharset);
        EXPECT_EQ(m.settings().GaCandFile, c.candFile);
        EXPECT_EQ(m.settings().GaUDBFile, c.udbFile);
        ASSERT_FALSE(m.tables().GaCandTable.empty());
        EXPECT_EQ(m.tables().GaCandTable[0].candidates[0], c.offered);
        EXPECT_EQ(LookupName(m.tables().GaNameTable, c.offered, NameJapanese), c.offeredName);
        EXPECT_EQ(p.picture, c.picture);
        EXPECT_EQ(p.page, c.page);
        EXPECT_EQ(p.focused, InputArea::Foreign);
    }
}

TEST(LanguageSwitch, PickingThaiRomajiAgainReloadsTheThaiTable) {
    MainWindowWorld w;
    w.Start();
    ASSERT_EQ(w.ForeignCandidate(), u'\u0E01');
    w.EditTable(u"Thai", u'\u0E02');
    w.model.ComboBox3Change(0);
    EXPECT_EQ(w.ForeignCandidate(), u'\u0E02');
    EXPECT_EQ(w.ForeignName(u'\u0E02'), u"Thai name");
    EXPECT_EQ(w.model.settings().InputMode, 1);
}

TEST(LanguageSwitch, AStoredModeOutsideTheTableSwitchesNothingUntilThaiIsPicked) {
    struct Case {
        std::u16string stored;
        int modeAfterPick;
        char16_t offeredAfterPick;
    };
    // Picking item 0 switches to Thai only from a stored value of at least 1.
    for (const Case& c : {Case{u"0", 0, u'\u0E81'}, Case{u"9", 1, u'\u0E02'}}) {
        SCOPED_TRACE(Utf16ToUtf8(c.stored));
        MainWindowWorld w;
        w.WriteSettings({u"InputMode," + c.stored, u"GaCandFile,\"CandLao.csv\""});
        w.Start();
        EXPECT_EQ(w.port.modeIndex, 0);
        EXPECT_EQ(w.port.picture, -1);  // no language was switched to
        EXPECT_EQ(w.ForeignCandidate(), u'\u0E81');

        w.EditTable(u"Thai", u'\u0E02');
        w.model.ComboBox3Change(0);
        EXPECT_EQ(w.model.settings().InputMode, c.modeAfterPick);
        EXPECT_EQ(w.ForeignCandidate(), c.offeredAfterPick);
    }
}

TEST(LanguageSwitch, StartingInThaiMsImeKeepsTheSavedForeignTable) {
    MainWindowWorld w;
    w.WriteSettings({u"InputMode,2", u"GaCandFile,\"CandLao.csv\"", u"GaUDBFile,\"DBLao.csv\"",
                   u"PC2Width,300"});
    w.Start();
    EXPECT_EQ(w.ForeignCandidate(), u'\u0E81');
    EXPECT_EQ(w.ForeignName(u'\u0E81'), u"Lao name");
    EXPECT_EQ(w.model.language().LanguageName, u"タイ語");
    EXPECT_EQ(w.port.romajiCaption, u"タイ語ローマ字");
    EXPECT_EQ(w.port.modeIndex, 1);
    EXPECT_EQ(w.port.page, KeyboardPage::MsIme);
    EXPECT_EQ(w.port.picture, 0);
    EXPECT_EQ(w.port.pagesWidth, 300);
}

TEST(LanguageSwitch, StartingInKhmerSelectsKhmer) {
    MainWindowWorld w;
    w.WriteSettings({u"InputMode,6", u"KhmerFont,\"DokChampa\""});
    w.Start();
    EXPECT_EQ(w.model.language().LanguageName, u"ｸﾒｰﾙ語");
    EXPECT_EQ(w.ForeignCandidate(), u'\u1780');
    EXPECT_EQ(w.model.folders().CurBookFolder, w.folders.KhmerBookFolder);
    EXPECT_EQ(w.port.modeIndex, 5);
    EXPECT_EQ(w.port.page, KeyboardPage::Romaji);
    EXPECT_EQ(w.port.memoFont, (FontLook{u"DokChampa", 0, 18}));
    // The designed width stays when the saved one is wider.
    EXPECT_EQ(w.port.pagesWidth, 390);
}

TEST(LanguageSwitch, SetUpShowsTheSettings) {
    MainWindowWorld w;
    w.Put(w.folders.SysTblFolder + u"\\CandAll.csv", {u"\"A\",0250,,,,,,,,"});
    w.WriteSettings({u"InputMode,3", u"UsrMainFont,\"Nonexistent\"", u"UsrMainFontSize,20",
                   u"DispFSizeLockFlg,1", u"DispMainFSize,30", u"DispSubFSize,12",
                   u"UsrSubFont,\"Gentium\"", u"CandBg,#112233", u"ThaiImeKedFlg,0",
                   u"WordWrapFlg,1", u"ScroBarsFlg,0", u"UnderStretchFlg,0", u"AutoPasteFlg,1",
                   u"PC2Width,391", u"UnderHeight,250", u"FontPanelWidth,220"});
    w.port.memoText = u"left over";
    w.port.editText = u"left over";
    w.Start();

    ASSERT_FALSE(w.model.tables().PhCandTable.empty());
    EXPECT_EQ(w.model.tables().PhCandTable[0].candidates[0], u'\u0250');
    EXPECT_EQ(w.port.imePageCaption, u"MS IME (Pattachote)");
    EXPECT_EQ(w.port.fontItems, (ItemList{u"Tahoma", u"Leelawadee UI", u"Myanmar Text",
                                        u"DokChampa", u"Segoe UI"}));
    // An unlisted font shows as "Tahoma" in the box, yet Memo1 keeps it.
    EXPECT_EQ(w.port.fontText, u"Tahoma");
    EXPECT_EQ(w.port.memoFont, (FontLook{u"Nonexistent", 222, 30}));
    EXPECT_EQ(w.port.editFont, (FontLook{u"Gentium", 0, 12}));
    ASSERT_EQ(w.port.sizeItems.size(), 52u);
    EXPECT_EQ(w.port.sizeItems.front(), u"9");
    EXPECT_EQ(w.port.sizeItems.back(), u"60");
    EXPECT_EQ(w.port.sizeText, u"20");
    EXPECT_EQ(w.port.modeItems, (ItemList{u"タイ語ﾛｰﾏ字", u"タイ語 MS IME", u"英数",
                                        u"ﾐｬﾝﾏｰ語ﾛｰﾏ字", u"ﾗｵｽ語ﾛｰﾏ字", u"ｸﾒｰﾙ語ﾛｰﾏ字"}));
    EXPECT_EQ(w.port.modeIndex, 2);
    EXPECT_EQ(w.port.page, KeyboardPage::Romaji);
    EXPECT_EQ(w.port.pagesWidth, -1);
    EXPECT_EQ(w.port.langToJp, u"泰日");
    EXPECT_EQ(w.port.editBackground, MakeColor(0x11, 0x22, 0x33));
    EXPECT_TRUE(w.port.wordWrap);
    EXPECT_FALSE(w.port.scrollBars);
    EXPECT_FALSE(w.port.underStretch);
    EXPECT_TRUE(w.port.autoPaste);
    EXPECT_EQ(w.port.lowerHeight, 250);
    EXPECT_EQ(w.port.fontPanelWidth, 220);
    EXPECT_EQ(w.port.memoText, u"");
    EXPECT_EQ(w.port.editText, u"");
    // "英数" switches nothing: Thai, as every start begins.
    EXPECT_EQ(w.model.language().LangCharset, 222);
    EXPECT_EQ(w.model.settings().UsrMainFont, u"Nonexistent");
}

// A run of font-box and mode-box picks with a given set of installed fonts.
// Each step either picks a mode box item or puts a text into the font box,
// then checks the font shown: the box text, UsrMainFont and Memo1's face.
struct FontStep {
    int modeItem;  // -1: the font box gets `typed` instead
    std::u16string typed;
    std::u16string shown;
};

struct FontRun {
    const char* what;
    std::vector<std::u16string> installed;  // in the platform's order
    std::map<std::u16string, std::u16string> glyphs;
    Lines settings;
    std::u16string shownAtStart;
    std::vector<FontStep> steps;
    // ThaiFont, MyanmarFont, LaosFont, KhmerFont at the end.
    std::array<std::u16string, 4> fontSettings;
};

// What a font must draw to be a language's font: all of its letters.
const std::u16string kThaiKo(LanguageRows()[0].scriptLetters);
const std::u16string kMyanmarKa(LanguageRows()[1].scriptLetters);
const std::u16string kLaoKo(LanguageRows()[2].scriptLetters);
const std::u16string kKhmerKa(LanguageRows()[3].scriptLetters);
// Half the Lao letters, as DejaVu has them: ກ but none of ເ ແ ໂ ໃ ໄ.
const std::u16string kSomeLao = kLaoKo.substr(0, kLaoKo.find(u'\u0EC0'));

const FontRun kFontRuns[] = {
    {"none of the languages' own fonts installed: each gets a font that draws it",
     {u"Segoe UI", u"Myanmar Text", u"Noto Sans Lao", u"Leelawadee UI", u"Noto Sans Khmer"},
     {{u"Segoe UI", u"A"},
      {u"Myanmar Text", kMyanmarKa},
      {u"Lao Sans", kLaoKo},
      {u"Leelawadee UI", kThaiKo + kLaoKo},
      {u"Noto Sans Khmer", kKhmerKa}},
     {u"InputMode,4", u"MyanmarFont,\"Padauk Book\"", u"LaosFont,\"Lao UI\"",
      u"KhmerFont,\"Khmer UI\""},
     u"Myanmar Text",
     // Lao: the Windows font before one earlier in the platform's order.
     {{4, u"", u"Leelawadee UI"}, {5, u"", u"Noto Sans Khmer"}, {0, u"", u"Leelawadee UI"}},
     // The settings keep the missing fonts, which come back once installed.
     {u"Tahoma", u"Padauk Book", u"Lao UI", u"Khmer UI"}},

    {"a font picked for Lao stays with Lao",
     {u"Segoe UI", u"Leelawadee UI", u"Saysettha OT", u"Myanmar Text", u"Noto Sans Khmer"},
     {{u"Leelawadee UI", kLaoKo},
      {u"Saysettha OT", kLaoKo},
      {u"Myanmar Text", kMyanmarKa},
      {u"Noto Sans Khmer", kKhmerKa}},
     {u"InputMode,5", u"LaosFont,\"Lao UI\"", u"KhmerFont,\"Khmer UI\""},
     u"Leelawadee UI",
     {{-1, u"Say", u"Say"},
      {-1, u"Saysettha OT", u"Saysettha OT"},
      {5, u"", u"Noto Sans Khmer"},
      {-1, u"No", u"No"},  // typed on the way: not kept for Khmer
      {3, u"", u"Myanmar Text"},
      {4, u"", u"Saysettha OT"},
      {5, u"", u"Noto Sans Khmer"}},
     {u"Tahoma", u"Myanmar Text", u"Saysettha OT", u"Khmer UI"}},

    {"an installed own font wins over the fallbacks, listed in the box or not",
     {u"Leelawadee UI", u"Khmer UI", u"DokChampa", u"Myanmar Text", u"Tahoma"},
     {{u"Leelawadee UI", kThaiKo + kLaoKo + kKhmerKa},
      {u"Khmer UI", kKhmerKa},
      {u"DokChampa", kLaoKo},
      {u"Myanmar Text", kMyanmarKa},
      {u"Tahoma", kThaiKo}},
     // The box lists the Thai fonts only.
     {u"InputMode,4", u"FontMode,1", u"MyanmarFont,\"Myanmar Text\"",
      u"LaosFont,\"DokChampa\"", u"KhmerFont,\"Khmer UI\""},
     u"Myanmar Text",
     {{4, u"", u"DokChampa"}, {5, u"", u"Khmer UI"}, {0, u"", u"Tahoma"}},
     {u"Tahoma", u"Myanmar Text", u"DokChampa", u"Khmer UI"}},

    {"a font with only some of the letters is no fallback; one with the rare letters too comes "
     "first; an installed own font without the script's letters gives way",
     {u"DejaVu Sans Mono", u"Lao Sans", u"Lao Looped", u"Tahoma", u"Garuda"},
     {{u"DejaVu Sans Mono", kSomeLao},
      {u"Lao Sans", kLaoKo},
      {u"Lao Looped", kLaoKo + std::u16string(LanguageRows()[2].rareLetters)},
      {u"Tahoma", u"A"},
      {u"Garuda", kThaiKo}},
     {u"InputMode,5", u"LaosFont,\"Lao UI\""},
     u"Lao Looped",
     {{0, u"", u"Garuda"}, {4, u"", u"Lao Looped"}},
     {u"Tahoma", u"Padauk Book", u"Lao UI", u"Khmer UI"}},

    {"nothing installed draws Lao or Khmer: the box keeps its font",
     {u"Tahoma", u"Myanmar Text", u"Segoe UI"},
     {{u"Tahoma", kThaiKo}, {u"Myanmar Text", kMyanmarKa}, {u"Segoe UI", u"A"}},
     {u"InputMode,4", u"LaosFont,\"Lao UI\"", u"KhmerFont,\"Khmer UI\""},
     u"Myanmar Text",
     {{4, u"", u"Myanmar Text"}, {5, u"", u"Myanmar Text"}, {0, u"", u"Tahoma"}},
     {u"Tahoma", u"Myanmar Text", u"Lao UI", u"Khmer UI"}},
};

TEST(LanguageSwitch, EachLanguageShowsAFontThatDrawsItsScript) {
    for (const FontRun& run : kFontRuns) {
        SCOPED_TRACE(run.what);
        MainWindowWorld w;
        w.fake.installedFonts = run.installed;
        w.fake.fontGlyphCoverage = run.glyphs;
        w.fake.fontFamilies[222] = {{u"Tahoma", true}, {u"Leelawadee UI", true}};
        w.WriteSettings(run.settings);
        w.Start();
        auto expectShown = [&](const std::u16string& font) {
            EXPECT_EQ(w.port.fontText, font);
            EXPECT_EQ(w.model.settings().UsrMainFont, font);
            EXPECT_EQ(w.port.memoFont.face, font);
            EXPECT_EQ(w.port.memoFont.charset, w.model.language().LangCharset);
        };
        expectShown(run.shownAtStart);
        for (std::size_t i = 0; i < run.steps.size(); ++i) {
            SCOPED_TRACE(i);
            const FontStep& step = run.steps[i];
            if (step.modeItem >= 0) {
                w.model.ComboBox3Change(step.modeItem);
            } else {
                w.port.fontText = step.typed;  // the box holds what was picked or typed
                w.model.ComboBox1Change(step.typed);
            }
            expectShown(step.shown);
        }
        const Settings& s = w.model.settings();
        EXPECT_EQ((std::array<std::u16string, 4>{s.ThaiFont, s.MyanmarFont, s.LaosFont,
                                                 s.KhmerFont}),
                  run.fontSettings);
    }
}

TEST(LanguageSwitch, AFontTypedIntoTheBoxTakesTheLanguagesCharset) {
    MainWindowWorld w;
    w.WriteSettings({u"InputMode,5"});
    w.Start();
    w.model.ComboBox1Change(u"Le");
    EXPECT_EQ(w.model.settings().UsrMainFont, u"Le");
    EXPECT_EQ(w.port.memoFont, (FontLook{u"Le", 0, 18}));
    w.model.ComboBox3Change(0);
    // Thai's font is listed, so the switch replaces the typed text.
    EXPECT_EQ(w.port.memoFont, (FontLook{u"Tahoma", 222, 18}));
}

}  // namespace
}  // namespace tess
