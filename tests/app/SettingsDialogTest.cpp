// The settings dialog: what it shows of the settings, the rules of its
// controls, what "OK" does to the main window, and the two buttons that end
// the program.
#include "app/SettingsDialogModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/MainWindowFixture.h"
#include "app/VersionUp.h"
#include "lib/TextFile.h"

namespace tess {
namespace {

using Texts = std::vector<std::u16string>;

constexpr Color kRed = MakeColor(0xFF, 0, 0);

// A world started from a settings file (none when `lines` is empty).
struct World : MainWindowWorld {
    explicit World(const Lines& lines = {}) {
        if (!lines.empty()) WriteSettings(lines);
        Start();
    }
    std::u16string SettingsPath() const { return folders.SysFolder + u"\\Morvane_A.rng"; }
};

Texts FontTexts(const SettingsDialogModel& d) {
    Texts texts;
    for (FontBox box : {FontBox::Phonetic, FontBox::Thai, FontBox::Myanmar, FontBox::Lao,
                        FontBox::Khmer})
        texts.push_back(d.FontText(box));
    return texts;
}

Texts SizeTexts(const SettingsDialogModel& d) {
    return {d.SizeText(SizeBox::Phonetic), d.SizeText(SizeBox::FixedForeign),
            d.SizeText(SizeBox::FixedPhonetic)};
}

Texts FileTexts(const SettingsDialogModel& d) {
    Texts texts;
    for (int box = 0; box < kFileBoxCount; ++box) texts.push_back(d.FileText(box));
    return texts;
}

Texts ColorTexts(const SettingsDialogModel& d) {
    Texts texts;
    for (int row = 0; row < kColorRowCount; ++row) texts.push_back(d.ColorText(row));
    return texts;
}

std::vector<bool> Checks(const SettingsDialogModel& d) {
    std::vector<bool> checks;
    for (int i = 0; i < kSettingsCheckCount; ++i)
        checks.push_back(d.Checked(static_cast<SettingsCheck>(i)));
    return checks;
}

const Texts kDefaultFiles = {u"DBPhonet.csv",    u"CandAll.csv",   u"DBThai.csv",
                             u"CandThai2.csv",   u"DBMyanmar.csv", u"CandMyanmar.csv",
                             u"DBLao.csv",       u"CandLao.csv",   u"DBKhmer.csv",
                             u"CandKhmer.csv"};

// --- Loading ----------------------------------------------------------------------------

TEST(SettingsDialogLoad, EveryControlShowsItsSetting) {
    struct Case {
        const char* what;
        Lines file;
        // CheckBox2, 3, 4, 5, 12, 6, 14, 7, 8, 11, 9, 13, 1, 10 (SettingsCheck order)
        std::vector<bool> checks;
        Texts fonts, sizes, files, colors;
        std::array<int, 2> timers;
    };
    Texts mineFiles = kDefaultFiles;
    mineFiles[1] = u"CandMine.csv";
    const Case cases[] = {
        {"the defaults",
         {},
         {false, false, true, true, false, false, false, false, true, true, false, false, false, false},
         // Myanmar and Lao fonts: the installed second choices; Khmer UI is not listed.
         {u"Segoe UI", u"Tahoma", u"Myanmar Text", u"DokChampa", u"Khmer UI"},
         {u"16", u"18", u"16"},
         kDefaultFiles,
         {u"#FFA953", u"#8FBC8F", u"#00BFFF", u"#F8FFC0", u"#C9DEF5"},
         {250, 250}},
        {"a file of the user's",
         {u"ResetInputFlg,1", u"RegCopyFlg,0", u"SysTblFlg,1", u"AutoTransFlg,1", u"FontMode,1",
          u"DispFSizeLockFlg,1", u"DispMainFSize,30", u"DispSubFSize,5", u"UsrSubFontSize,11",
          u"UsrSubFont,\"Gulim\"", u"ThaiFont,\"Leelawadee UI\"", u"LaosFont,\"Phetsarath\"",
          u"MyanmarFont,\"Tahoma\"", u"PhCandFile,\"CandMine.csv\"", u"CandBg,#000000",
          u"BandBg,#12AB9F", u"TrTimer,5", u"PaTimer,900"},
         {true, false, false, true, false, false, true, true, true, true, true, true, false, false},
         // Fonts that are not listed show the box's fallback.
         {u"Segoe UI", u"Leelawadee UI", u"Tahoma", u"Lao UI", u"Khmer UI"},
         {u"11", u"30", u"5"},
         mineFiles,
         {u"#FFA953", u"#8FBC8F", u"#00BFFF", u"#000000", u"#12AB9F"},
         // Timer bars hold positions inside 10 to 500.
         {10, 500}},
        {"FontMode other than 0 and 1 leaves the box unchecked",
         {u"FontMode,2"},
         {false, false, true, true, false, false, false, false, true, true, false, false, false, false},
         {u"Segoe UI", u"Tahoma", u"Myanmar Text", u"DokChampa", u"Khmer UI"},
         {u"16", u"18", u"16"},
         kDefaultFiles,
         {u"#FFA953", u"#8FBC8F", u"#00BFFF", u"#F8FFC0", u"#C9DEF5"},
         {250, 250}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w(c.file);
        SettingsDialogModel d(w.model);
        EXPECT_EQ(Checks(d), c.checks);
        EXPECT_EQ(FontTexts(d), c.fonts);
        EXPECT_EQ(SizeTexts(d), c.sizes);
        EXPECT_EQ(FileTexts(d), c.files);
        EXPECT_EQ(ColorTexts(d), c.colors);
        for (int row = 0; row < kColorRowCount; ++row)
            EXPECT_EQ(d.Preview(row), HexTextToColor(c.colors[row]));
        EXPECT_EQ(d.TimerPosition(TimerBar::Search), c.timers[0]);
        EXPECT_EQ(d.TimerPosition(TimerBar::Paste), c.timers[1]);
        // The word list's bars start disabled, "すべてを削除する" too.
        EXPECT_FALSE(d.LookBarsEnabled());
        EXPECT_FALSE(d.DeleteAllEnabled());
        EXPECT_EQ(d.FixedSizesEnabled(), c.checks[static_cast<int>(SettingsCheck::SizeLock)]);
    }
}

TEST(SettingsDialogLoad, FontBoxesListEveryFontButTheVerticalOnesAndSizesNineToSixty) {
    World w;
    SettingsDialogModel d(w.model);
    EXPECT_EQ(d.FontItems(),
              (ItemList{u"Tahoma", u"Leelawadee UI", u"Myanmar Text", u"DokChampa", u"Segoe UI"}));
    ASSERT_EQ(d.SizeItems().size(), 52u);
    EXPECT_EQ(d.SizeItems().front(), u"9");
    EXPECT_EQ(d.SizeItems().back(), u"60");
}

TEST(SettingsDialog, CheckBoxesEnableWhatTheyGovern) {
    World w;
    SettingsDialogModel d(w.model);
    struct Case {
        SettingsCheck check;
        std::function<bool()> enabled;
    };
    const Case cases[] = {
        {SettingsCheck::ChangeLook, [&] { return d.LookBarsEnabled(); }},
        {SettingsCheck::SizeLock, [&] { return d.FixedSizesEnabled(); }},
        {SettingsCheck::DeleteFiles, [&] { return d.DeleteAllEnabled(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.check));
        d.SetChecked(c.check, true);
        EXPECT_TRUE(c.enabled());
        d.SetChecked(c.check, false);
        EXPECT_FALSE(c.enabled());
    }
}

// --- The word list's appearance ----------------------------------------------------------

TEST(SettingsDialogLook, TrackBarsActAtOnceOnlyWhileChangeIsChecked) {
    struct Case {
        bool changeChecked;
        LookBar bar;
        int position;
        // LVLineHeight, TnMainFontSize, TnSubFontSize, TnJpFontSize afterwards
        std::array<int, 4> settings;
        int rowHeightShown;  // -1: not measured again
        bool repainted;
    };
    const Case cases[] = {
        {true, LookBar::LineHeight, 40, {40, 15, 14, 12}, 40, true},
        {true, LookBar::Foreign, 30, {28, 30, 14, 12}, -1, true},
        {true, LookBar::Phonetic, 8, {28, 15, 8, 12}, -1, true},
        {true, LookBar::Japanese, 50, {28, 15, 14, 50}, -1, true},
        {false, LookBar::LineHeight, 40, {28, 15, 14, 12}, -1, false},
        {false, LookBar::Japanese, 20, {28, 15, 14, 12}, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.bar)) + (c.changeChecked ? " on" : " off"));
        World w;
        w.wordBookPort.rowHeight = -1;
        const int repaintsBefore = w.wordBookPort.repaints;
        SettingsDialogModel d(w.model);
        d.SetChecked(SettingsCheck::ChangeLook, c.changeChecked);
        EXPECT_EQ(d.MoveLookBar(c.bar, c.position), c.changeChecked);
        const Settings& s = w.model.settings();
        EXPECT_EQ((std::array<int, 4>{s.LVLineHeight, s.TnMainFontSize, s.TnSubFontSize,
                                      s.TnJpFontSize}),
                  c.settings);
        EXPECT_EQ(w.wordBookPort.rowHeight, c.rowHeightShown);
        EXPECT_EQ(w.wordBookPort.repaints > repaintsBefore, c.repainted);
        if (c.changeChecked) {
            EXPECT_EQ(d.LookPosition(c.bar), c.position);
        }
    }
}

TEST(SettingsDialogLook, ResetWorksCheckedOrNotAndCancelKeepsTheNewLook) {
    for (bool changeChecked : {false, true}) {
        SCOPED_TRACE(changeChecked);
        World w({u"LVLineHeight,60", u"TnMainFontSize,40", u"TnSubFontSize,9", u"TnJpFontSize,33"});
        {
            SettingsDialogModel d(w.model);
            d.SetChecked(SettingsCheck::ChangeLook, changeChecked);
            d.ResetLook();
            EXPECT_EQ(d.LookPosition(LookBar::LineHeight), 28);
            EXPECT_EQ(d.LookPosition(LookBar::Japanese), 12);
        }  // closed without "OK"
        const Settings& s = w.model.settings();
        EXPECT_EQ((std::array<int, 4>{s.LVLineHeight, s.TnMainFontSize, s.TnSubFontSize,
                                      s.TnJpFontSize}),
                  (std::array<int, 4>{28, 15, 14, 12}));
        EXPECT_EQ(w.wordBookPort.rowHeight, 28);
        ASSERT_TRUE(w.model.RunShutdownSequence());
        Settings saved;
        LoadSettings(saved, w.fake, w.folders.SysFolder);
        EXPECT_EQ(saved.LVLineHeight, 28);
        EXPECT_EQ(saved.TnJpFontSize, 12);
    }
}

// --- Font page --------------------------------------------------------------------------------

TEST(SettingsDialogFonts, PhoneticSizeBelowEightBecomesEightAsItIsTyped) {
    struct Case {
        Lines file;
        SizeBox box;
        std::u16string typed, shown;
    };
    const Case cases[] = {
        {{}, SizeBox::Phonetic, u"5", u"8"},
        {{}, SizeBox::Phonetic, u"-2", u"8"},
        {{}, SizeBox::Phonetic, u"7", u"8"},
        {{}, SizeBox::Phonetic, u"8", u"8"},
        {{}, SizeBox::Phonetic, u"12", u"12"},
        {{}, SizeBox::Phonetic, u"1", u"8"},
        // Not a number: the setting decides (16 here).
        {{}, SizeBox::Phonetic, u"abc", u"abc"},
        {{}, SizeBox::Phonetic, u"", u""},
        // ... and a setting below 8 makes it "8".
        {{u"UsrSubFontSize,6"}, SizeBox::Phonetic, u"abc", u"8"},
        // The fixed sizes have no such rule.
        {{}, SizeBox::FixedForeign, u"5", u"5"},
        {{}, SizeBox::FixedPhonetic, u"2", u"2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.typed));
        World w(c.file);
        SettingsDialogModel d(w.model);
        EXPECT_EQ(d.SetSizeText(c.box, c.typed), c.shown);
        EXPECT_EQ(d.SizeText(c.box), c.shown);
    }
}

TEST(SettingsDialogFonts, InitialValueButtonsChangeOnlyTheirBoxes) {
    struct Case {
        std::function<void(SettingsDialogModel&)> press;
        Texts fonts, sizes;
    };
    const Texts fontsBefore = {u"Tahoma", u"Leelawadee UI", u"Tahoma", u"Tahoma", u"Tahoma"};
    const Texts sizesBefore = {u"20", u"30", u"24"};
    const Case cases[] = {
        {[](SettingsDialogModel& d) { d.ResetFont(FontBox::Phonetic); },
         {u"Segoe UI", u"Leelawadee UI", u"Tahoma", u"Tahoma", u"Tahoma"},
         {u"14", u"30", u"24"}},
        {[](SettingsDialogModel& d) { d.ResetFont(FontBox::Thai); },
         {u"Tahoma", u"Tahoma", u"Tahoma", u"Tahoma", u"Tahoma"}, sizesBefore},
        {[](SettingsDialogModel& d) { d.ResetFont(FontBox::Myanmar); },
         {u"Tahoma", u"Leelawadee UI", u"Padauk Book", u"Tahoma", u"Tahoma"}, sizesBefore},
        {[](SettingsDialogModel& d) { d.ResetFont(FontBox::Lao); },
         {u"Tahoma", u"Leelawadee UI", u"Tahoma", u"Lao UI", u"Tahoma"}, sizesBefore},
        {[](SettingsDialogModel& d) { d.ResetFont(FontBox::Khmer); },
         {u"Tahoma", u"Leelawadee UI", u"Tahoma", u"Tahoma", u"Khmer UI"}, sizesBefore},
        {[](SettingsDialogModel& d) { d.ResetSize(SizeBox::FixedForeign); }, fontsBefore,
         {u"20", u"18", u"24"}},
        {[](SettingsDialogModel& d) { d.ResetSize(SizeBox::FixedPhonetic); }, fontsBefore,
         {u"20", u"30", u"16"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        World w({u"UsrSubFont,\"Tahoma\"", u"UsrSubFontSize,20", u"ThaiFont,\"Leelawadee UI\"",
                 u"MyanmarFont,\"Tahoma\"", u"LaosFont,\"Tahoma\"", u"KhmerFont,\"Tahoma\"",
                 u"DispFSizeLockFlg,1", u"DispMainFSize,30", u"DispSubFSize,24"});
        const Settings before = w.model.settings();
        SettingsDialogModel d(w.model);
        ASSERT_EQ(FontTexts(d), fontsBefore);
        cases[i].press(d);
        EXPECT_EQ(FontTexts(d), cases[i].fonts);
        EXPECT_EQ(SizeTexts(d), cases[i].sizes);
        EXPECT_EQ(w.model.settings(), before);
    }
}

TEST(SettingsDialogFonts, PhoneticInitialValueAndOkGiveSegoeUiAtFourteen) {
    World w({u"UsrSubFont,\"Tahoma\"", u"UsrSubFontSize,20"});
    SettingsDialogModel d(w.model);
    d.ResetFont(FontBox::Phonetic);
    EXPECT_FALSE(d.Ok());
    EXPECT_EQ(w.model.settings().UsrSubFont, u"Segoe UI");
    EXPECT_EQ(w.model.settings().UsrSubFontSize, 14);
    EXPECT_EQ(w.port.editFont, (FontLook{u"Segoe UI", 0, 14}));
}

// --- File page ----------------------------------------------------------------------------------

TEST(SettingsDialogFiles, ChoosersKeepTheNameAndBackGivesTheDefault) {
    World w({u"SysTblFlg,1"});
    SettingsDialogModel d(w.model);
    EXPECT_EQ(d.TableFolder(), w.folders.SysTblFolder);

    const std::pair<std::u16string, std::u16string> chosen[] = {
        {u"C:\\Users\\user\\Desktop\\DBMine.csv", u"DBMine.csv"},
        {u"D:/tables/CandMine.csv", u"CandMine.csv"},
        {u"DBPlain.csv", u"DBPlain.csv"},
    };
    for (const auto& [path, name] : chosen) {
        d.FileChosen(3, path);
        EXPECT_EQ(d.FileText(3), name);
    }
    for (int box = 0; box < kFileBoxCount; ++box) {
        SCOPED_TRACE(box);
        d.SetFileText(box, u"Other.csv");
        d.ResetFile(box);
        EXPECT_EQ(d.FileText(box), kDefaultFiles[box]);
        const FileFilter filter = FileFilterOf(box);
        if (box % 2 == 0) {
            EXPECT_EQ(filter.name, u"記号データベース(DB*.csv)");
            EXPECT_EQ(filter.pattern, u"DB*.csv");
        } else {
            EXPECT_EQ(filter.name, u"候補ファイル(Cand*.csv)");
            EXPECT_EQ(filter.pattern, u"Cand*.csv");
        }
    }
}

// --- Colour page -------------------------------------------------------------------------------

TEST(SettingsDialogColors, OnlyAValidTextMovesThePreviewAndOkAppliesThePreview) {
    struct Case {
        std::u16string typed;
        bool previewed;
        Color candBg;  // after "OK"
    };
    const Color initial = MakeColor(0xF8, 0xFF, 0xC0);
    const Case cases[] = {
        {u"#123456", true, MakeColor(0x12, 0x34, 0x56)},
        {u"#ABCDEF", true, MakeColor(0xAB, 0xCD, 0xEF)},
        {u"#abcdef", false, initial},
        {u"123456", false, initial},
        {u"#12345", false, initial},
        {u"#1234567", false, initial},
        {u"#12345G", false, initial},
        {u"", false, initial},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.typed));
        World w;
        SettingsDialogModel d(w.model);
        EXPECT_EQ(d.SetColorText(3, c.typed), c.previewed);
        EXPECT_EQ(d.ColorText(3), c.typed);
        EXPECT_EQ(d.Preview(3), c.candBg);
        d.Ok();
        EXPECT_EQ(w.model.settings().CandBg, c.candBg);
    }
}

TEST(SettingsDialogColors, AnInvalidTextAfterAValidOneKeepsTheLastValidPreview) {
    World w;
    SettingsDialogModel d(w.model);
    d.SetColorText(0, u"#0000FF");
    d.SetColorText(0, u"#0000F");
    EXPECT_EQ(d.Preview(0), MakeColor(0, 0, 0xFF));
    d.Ok();
    EXPECT_EQ(w.model.settings().RomanBg, MakeColor(0, 0, 0xFF));
}

TEST(SettingsDialogColors, TheColourDialogStartsAtTheSettingAndItsChoiceFillsTheRow) {
    World w;
    SettingsDialogModel d(w.model);
    d.SetColorText(1, u"#000000");
    EXPECT_EQ(d.ColorDialogStart(1), MakeColor(0x8F, 0xBC, 0x8F));
    d.ColorChosen(1, kRed);
    EXPECT_EQ(d.Preview(1), kRed);
    EXPECT_EQ(d.ColorText(1), u"#FF0000");
    EXPECT_EQ(d.ColorDialogStart(1), MakeColor(0x8F, 0xBC, 0x8F));
}

TEST(SettingsDialogColors, InitialValueGivesEachRowsDefault) {
    World w({u"RomanBg,#000000", u"MsImeBg,#000000", u"IpaBg,#000000", u"CandBg,#000000",
             u"BandBg,#000000"});
    SettingsDialogModel d(w.model);
    for (int row = 0; row < kColorRowCount; ++row) d.ResetColor(row);
    EXPECT_EQ(ColorTexts(d), (Texts{u"#FFA953", u"#8FBC8F", u"#00BFFF", u"#F8FFC0", u"#C9DEF5"}));
    for (int row = 0; row < kColorRowCount; ++row)
        EXPECT_EQ(d.Preview(row), HexTextToColor(d.ColorText(row)));
}

// --- Timer page -----------------------------------------------------------------------------------

TEST(SettingsDialogTimers, PositionsAreAppliedByOkAndInitialValueIs250) {
    World w({u"TrTimer,100", u"PaTimer,100"});
    SettingsDialogModel d(w.model);
    d.SetTimerPosition(TimerBar::Search, 460);
    d.SetTimerPosition(TimerBar::Paste, 460);
    d.ResetTimer(TimerBar::Paste);
    EXPECT_EQ(d.TimerPosition(TimerBar::Paste), 250);
    d.Ok();
    EXPECT_EQ(w.model.settings().TrTimer, 460);
    EXPECT_EQ(w.model.settings().PaTimer, 250);
}

// --- OK and the main window ----------------------------------------------------------------------

TEST(SettingsDialogOk, WithoutChangesNothingChangesAndNothingRestarts) {
    for (const Lines& file : {Lines{}, Lines{u"FontMode,1", u"DispFSizeLockFlg,1", u"InputMode,4",
                                             u"TrTimer,3", u"UsrSubFont,\"Gulim\""}}) {
        World w(file);
        const Settings before = w.model.settings();
        const RecordingMainWindowPort portBefore = w.port;
        SettingsDialogModel d(w.model);
        EXPECT_FALSE(d.Ok());
        Settings expected = before;
        // What the controls could not show: a timer outside the bar's range
        // and a font that is not installed.
        if (!file.empty()) {
            expected.TrTimer = 10;
            expected.UsrSubFont = u"Segoe UI";
        }
        EXPECT_EQ(w.model.settings(), expected);
        EXPECT_TRUE(w.fake.messages.empty());
        EXPECT_EQ(w.port.closeRequests, 0);
        EXPECT_EQ(w.port.memoFont, portBefore.memoFont);
        EXPECT_EQ(w.port.fontItems, portBefore.fontItems);
    }
}

TEST(SettingsDialogOk, TableChangesShowTheRestartNoticeAndCloseTheMainWindow) {
    struct Case {
        const char* what;
        std::function<void(SettingsDialogModel&)> change;
        bool restart;
    };
    const Case cases[] = {
        {"SysTblFlg set", [](auto& d) { d.SetChecked(SettingsCheck::SysTbl, true); }, true},
        {"a symbol DB", [](auto& d) { d.SetFileText(0, u"DBMine.csv"); }, true},
        {"a candidate file", [](auto& d) { d.FileChosen(9, u"C:\\x\\CandMine.csv"); }, true},
        {"a file back to its own name", [](auto& d) {
             d.SetFileText(4, u"DBMine.csv");
             d.ResetFile(4);
         }, false},
        {"an other flag", [](auto& d) { d.SetChecked(SettingsCheck::TblOW, false); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w;
        SettingsDialogModel d(w.model);
        c.change(d);
        const Settings chosen = d.Choice();
        EXPECT_EQ(d.Ok(), c.restart);
        EXPECT_EQ(w.port.closeRequests, c.restart ? 1 : 0);
        ASSERT_EQ(w.fake.messages.size(), c.restart ? 1u : 0u);
        if (c.restart) {
            EXPECT_EQ(w.fake.messages[0].text,
                      u"テーブルファイルが変更されました。\r\n一旦終了しますので、再起動して下さい。");
            EXPECT_EQ(w.fake.messages[0].kind, MessageKind::Information);
            EXPECT_EQ(w.fake.messages[0].buttons, MessageButtons::Yes);
        }
        EXPECT_EQ(w.model.settings().SysTblFlg, chosen.SysTblFlg);
        EXPECT_EQ(w.model.settings().PhUDBFile, chosen.PhUDBFile);
        EXPECT_EQ(w.model.settings().KhmerCandFile, chosen.KhmerCandFile);
        // The table in use is still the one loaded at start-up.
        EXPECT_EQ(w.model.folders().TblFolder, w.folders.UserTblFolder);
    }
}

TEST(SettingsDialogOk, TheRestartWritesTheSettingsAndTheNextStartUsesTheOtherTables) {
    World w;
    SettingsDialogModel d(w.model);
    d.SetChecked(SettingsCheck::SysTbl, true);
    ASSERT_TRUE(d.Ok());
    ASSERT_TRUE(w.model.RunShutdownSequence());
    Settings saved;
    LoadSettings(saved, w.fake, w.folders.SysFolder);
    EXPECT_TRUE(saved.SysTblFlg);

    MainModel next(w.fake, w.folders);
    next.Attach(w.port, w.transferPort, w.fields, w.popups, w.wordBookPort);
    next.RunStartupSequence();
    EXPECT_EQ(next.folders().TblFolder, w.folders.SysTblFolder);
}

TEST(SettingsDialogOk, AFailedWriteAtTheRestartLeavesTheOldFileWholeAndSaysSo) {
    World w({u"TrTimer,400"});
    const Bytes before = *w.fake.ReadWholeFile(w.SettingsPath());
    SettingsDialogModel d(w.model);
    d.SetChecked(SettingsCheck::SysTbl, true);
    d.SetTimerPosition(TimerBar::Search, 300);
    ASSERT_TRUE(d.Ok());
    w.fake.FailWritesTo(w.SettingsPath());
    EXPECT_FALSE(w.model.RunShutdownSequence());
    EXPECT_EQ(*w.fake.ReadWholeFile(w.SettingsPath()), before);
    ASSERT_EQ(w.fake.messages.size(), 2u);
    EXPECT_EQ(w.fake.messages[1].text,
              u"設定ファイル「" + w.SettingsPath() + u"」を保存できませんでした。ファイルは元のままです。");
}

TEST(SettingsDialogOk, EachFlagBoxSetsItsFlag) {
    for (const FlagCheckRow& row : FlagCheckRows()) {
        if (row.check == SettingsCheck::SysTbl) continue;  // see the restart
        SCOPED_TRACE(Utf16ToUtf8(row.caption));
        World w;
        const bool before = w.model.settings().*row.flag;
        SettingsDialogModel d(w.model);
        d.SetChecked(row.check, !before);
        EXPECT_FALSE(d.Ok());
        EXPECT_EQ(w.model.settings().*row.flag, !before);
        EXPECT_EQ(w.port.closeRequests, 0);
    }
}

TEST(SettingsDialogOk, ThaiFontsOnlyRefillsTheFontBoxAndLeavesTheAreaFont) {
    World w({u"ThaiFont,\"Segoe UI\""});  // not a Thai TrueType font
    w.fake.fontFamilies[222] = {{u"Tahoma", true}, {u"Leelawadee UI", true}};
    ASSERT_EQ(w.port.memoFont.face, u"Segoe UI");
    {
        SettingsDialogModel d(w.model);
        d.SetChecked(SettingsCheck::ThaiFontsOnly, true);
        d.Ok();
    }
    EXPECT_EQ(w.model.settings().FontMode, 1);
    EXPECT_EQ(w.port.fontItems, (ItemList{u"Tahoma", u"Leelawadee UI"}));
    EXPECT_EQ(w.port.fontText, u"Tahoma");
    EXPECT_EQ(w.port.memoFont.face, u"Segoe UI");
    EXPECT_EQ(w.model.settings().UsrMainFont, u"Segoe UI");
    {
        SettingsDialogModel d(w.model);
        ASSERT_TRUE(d.Checked(SettingsCheck::ThaiFontsOnly));
        d.SetChecked(SettingsCheck::ThaiFontsOnly, false);
        d.Ok();
    }
    EXPECT_EQ(w.model.settings().FontMode, 0);
    EXPECT_EQ(w.port.fontItems,
              (ItemList{u"Tahoma", u"Leelawadee UI", u"Myanmar Text", u"DokChampa", u"Segoe UI"}));
    EXPECT_EQ(w.port.fontText, u"Segoe UI");
}

TEST(SettingsDialogOk, PhoneticFontSizesAndTheirLock) {
    struct Case {
        const char* what;
        Lines file;
        std::u16string font, size;
        bool lock;
        std::u16string fixedForeign, fixedPhonetic;
        // Afterwards:
        FontLook edit1;
        int memoSize;
        int usrSubFontSize, dispMainFSize, dispSubFSize;
        bool locked;
    };
    const Lines unlocked = {u"DispMainFSize,30", u"DispSubFSize,24"};
    const Lines locked = {u"DispFSizeLockFlg,1", u"DispMainFSize,30", u"DispSubFSize,24"};
    const Case cases[] = {
        {"font and size", unlocked, u"Tahoma", u"20", false, u"30", u"24",
         {u"Tahoma", 0, 20}, 18, 20, 30, 24, false},
        {"a size that is no number keeps the size", unlocked, u"Segoe UI", u"abc", false, u"30",
         u"24", {u"Segoe UI", 0, 16}, 18, 16, 30, 24, false},
        {"the fixed boxes count only while locked", unlocked, u"Segoe UI", u"16", false, u"40",
         u"40", {u"Segoe UI", 0, 16}, 18, 16, 30, 24, false},
        {"locking shows the fixed sizes", unlocked, u"Segoe UI", u"16", true, u"25", u"22",
         {u"Segoe UI", 0, 22}, 25, 16, 25, 22, true},
        {"a new size while locked waits", locked, u"Tahoma", u"20", true, u"30", u"24",
         {u"Tahoma", 0, 24}, 30, 20, 30, 24, true},
        {"unlocking shows the areas' own sizes", locked, u"Segoe UI", u"20", false, u"30", u"24",
         {u"Segoe UI", 0, 20}, 18, 20, 30, 24, false},
        {"fixed sizes that are no sizes are kept", locked, u"Segoe UI", u"16", true, u"x", u"0",
         {u"Segoe UI", 0, 24}, 30, 16, 30, 24, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w(c.file);
        SettingsDialogModel d(w.model);
        d.SetFontText(FontBox::Phonetic, c.font);
        d.SetSizeText(SizeBox::Phonetic, c.size);
        d.SetChecked(SettingsCheck::SizeLock, c.lock);
        d.SetSizeText(SizeBox::FixedForeign, c.fixedForeign);
        d.SetSizeText(SizeBox::FixedPhonetic, c.fixedPhonetic);
        EXPECT_FALSE(d.Ok());
        const Settings& s = w.model.settings();
        EXPECT_EQ(w.port.editFont, c.edit1);
        EXPECT_EQ(w.port.memoFont.sizePt, c.memoSize);
        EXPECT_EQ(s.UsrSubFont, c.font);
        EXPECT_EQ(s.UsrSubFontSize, c.usrSubFontSize);
        EXPECT_EQ(s.DispMainFSize, c.dispMainFSize);
        EXPECT_EQ(s.DispSubFSize, c.dispSubFSize);
        EXPECT_EQ(s.DispFSizeLockFlg, c.locked);
        EXPECT_EQ(s.UsrMainFontSize, 18);
    }
}

TEST(SettingsDialogOk, TheCurrentLanguagesFontGoesIntoTheMainWindow) {
    struct Case {
        const char* what;
        Lines file;
        std::function<void(World&)> before;  // on the main window, before the dialog
        FontBox box;
        std::u16string chosen;
        std::u16string memoFace, fontBoxText, usrMainFont;
    };
    const Case cases[] = {
        {"Thai in Thai romaji", {}, nullptr, FontBox::Thai, u"Leelawadee UI", u"Leelawadee UI",
         u"Leelawadee UI", u"Leelawadee UI"},
        {"Thai in the Thai keyboard mode", {u"InputMode,2"}, nullptr, FontBox::Thai, u"Segoe UI",
         u"Segoe UI", u"Segoe UI", u"Segoe UI"},
        {"Lao in Lao romaji", {u"InputMode,5"}, nullptr, FontBox::Lao, u"Tahoma", u"Tahoma",
         u"Tahoma", u"Tahoma"},
        {"Thai while Myanmar is on", {u"InputMode,4"}, nullptr, FontBox::Thai, u"Leelawadee UI",
         u"Myanmar Text", u"Myanmar Text", u"Myanmar Text"},
        {"nothing in the alphanumeric mode", {u"InputMode,3"}, nullptr, FontBox::Thai,
         u"Leelawadee UI", u"Tahoma", u"Tahoma", u"Tahoma"},
        // The font box does not list it: the area keeps its font.
        {"a font that is not installed", {}, nullptr, FontBox::Thai, u"Norasi", u"Tahoma",
         u"Tahoma", u"Tahoma"},
        // Unchanged, the language's font comes back over what was typed.
        {"the setting unchanged", {}, [](World& w) {
             w.port.fontText = u"Seg";
             w.model.ComboBox1Change(u"Seg");
         },
         FontBox::Thai, u"Tahoma", u"Tahoma", u"Tahoma", u"Tahoma"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w(c.file);
        if (c.before) c.before(w);
        SettingsDialogModel d(w.model);
        d.SetFontText(c.box, c.chosen);
        d.Ok();
        EXPECT_EQ(w.model.settings().*FontBoxRowOf(c.box).setting, c.chosen);
        EXPECT_EQ(w.port.memoFont.face, c.memoFace);
        EXPECT_EQ(w.port.fontText, c.fontBoxText);
        EXPECT_EQ(w.model.settings().UsrMainFont, c.usrMainFont);
    }
}

TEST(SettingsDialogFonts, ALanguageNamesTheFontInUseWhenTheChosenOneCannotDrawIt) {
    const std::u16string thai(LanguageRows()[0].scriptLetters);
    const std::u16string myanmar(LanguageRows()[1].scriptLetters);
    const std::u16string lao(LanguageRows()[2].scriptLetters);
    World w;
    w.fake.installedFonts = {u"Tahoma", u"Garuda", u"Noto Sans Lao", u"Padauk Book", u"Segoe UI"};
    w.fake.fontGlyphCoverage = {{u"Tahoma", u"A"},  // a Tahoma without Thai, as Wine's
                                {u"Garuda", thai},
                                {u"Noto Sans Lao", lao},
                                {u"Padauk Book", myanmar}};
    SettingsDialogModel d(w.model);
    d.SetFontText(FontBox::Lao, u"Lao UI");  // not installed
    EXPECT_EQ(d.FontInUse(FontBox::Phonetic), u"");
    EXPECT_EQ(d.FontInUse(FontBox::Thai), u"Garuda");
    EXPECT_EQ(d.FontInUse(FontBox::Myanmar), u"");  // the chosen one draws it
    EXPECT_EQ(d.FontInUse(FontBox::Lao), u"Noto Sans Lao");
    EXPECT_EQ(d.FontInUse(FontBox::Khmer), u"");  // nothing installed draws Khmer
    // Choosing the font in use leaves nothing to name; the setting is the choice.
    d.SetFontText(FontBox::Thai, u"Garuda");
    EXPECT_EQ(d.FontInUse(FontBox::Thai), u"");
    d.Ok();
    EXPECT_EQ(w.model.settings().ThaiFont, u"Garuda");
    EXPECT_EQ(w.model.settings().LaosFont, u"Lao UI");
}

TEST(SettingsDialogOk, EachColourShowsWhereItIsUsed) {
    struct Case {
        int row;
        Color Settings::*setting;
        std::vector<KeyboardPage> repainted;
        bool edit1, wordList;
    };
    const Case cases[] = {
        {0, &Settings::RomanBg, {KeyboardPage::Romaji}, false, false},
        {1, &Settings::MsImeBg, {KeyboardPage::MsIme}, false, false},
        {2, &Settings::IpaBg, {KeyboardPage::Phonetic}, false, false},
        {3, &Settings::CandBg, {}, true, true},
        {4, &Settings::BandBg, {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        // The alphanumeric mode: no language font is shown again by "OK".
        World w({u"InputMode,3"});
        const Color editBefore = w.port.editBackground;
        w.port.repainted.clear();
        const int repaintsBefore = w.wordBookPort.repaints;
        SettingsDialogModel d(w.model);
        d.SetColorText(c.row, u"#FF0000");
        d.Ok();
        EXPECT_EQ(w.model.settings().*c.setting, kRed);
        EXPECT_EQ(w.port.repainted, c.repainted);
        EXPECT_EQ(w.port.editBackground, c.edit1 ? kRed : editBefore);
        EXPECT_EQ(w.wordBookPort.repaints > repaintsBefore, c.wordList);
        if (c.row == 3) {
            EXPECT_EQ(w.model.wordBooks().PhoneticBackground(), kRed);
        }
    }
}

// --- Keyboard layouts ---------------------------------------------------------------------------------

TEST(SettingsDialog, TheThaiKeyboardModeGivesTheDialogTheStartupLayout) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        World w({u"InputMode," + std::u16string(1, static_cast<char16_t>(u'0' + mode))});
        w.fake.activatedLayouts.clear();
        SettingsDialogModel d(w.model);
        d.FormShow();
        const std::vector<std::u16string> shown = w.fake.activatedLayouts;
        d.FormClose();
        if (mode == 2) {
            EXPECT_EQ(shown, (std::vector<std::u16string>{u"00000411"}));
            EXPECT_EQ(w.fake.activatedLayouts,
                      (std::vector<std::u16string>{u"00000411", kThaiKedmaneeLayout}));
        } else {
            EXPECT_TRUE(w.fake.activatedLayouts.empty());
        }
    }
}

// --- "設定ファイルを初期化する" ----------------------------------------------------------------------------

TEST(SettingsDialogReset, YesDeletesTheSettingsFileAndEndsWithoutWritingIt) {
    for (bool fileExists : {true, false}) {
        SCOPED_TRACE(fileExists);
        World w(fileExists ? Lines{u"TrTimer,400"} : Lines{});
        const std::u16string groups = w.folders.SysFolder + u"\\GroupName.txt";
        w.Put(groups, {u"家族"});
        w.fake.scriptedAnswers = {MessageAnswer::Yes};
        SettingsDialogModel d(w.model);
        EXPECT_TRUE(d.ResetSettingsFile());
        ASSERT_EQ(w.fake.messages.size(), 1u);
        EXPECT_EQ(w.fake.messages[0].text,
                  u"一旦終了しますので、再起動して下さい。\r\nすべてを初期値に戻す場合「はい」を選んで下さい。");
        EXPECT_EQ(w.fake.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_FALSE(w.fake.FileExists(w.SettingsPath()));
        EXPECT_EQ(w.port.closeRequests, 1);
        EXPECT_TRUE(w.fake.FileExists(groups));

        ASSERT_TRUE(w.model.RunShutdownSequence());
        EXPECT_FALSE(w.fake.FileExists(w.SettingsPath()));
    }
}

TEST(SettingsDialogReset, NoChangesNothing) {
    World w({u"TrTimer,400"});
    SettingsDialogModel d(w.model);
    EXPECT_FALSE(d.ResetSettingsFile());  // unanswered questions are answered No
    EXPECT_TRUE(w.fake.FileExists(w.SettingsPath()));
    EXPECT_EQ(w.port.closeRequests, 0);
    ASSERT_TRUE(w.model.RunShutdownSequence());
    Settings saved;
    LoadSettings(saved, w.fake, w.folders.SysFolder);
    EXPECT_EQ(saved.TrTimer, 400);
}

TEST(SettingsDialogReset, AFileThatCannotBeDeletedIsNamedAndTheProgramStillEnds) {
    World w({u"TrTimer,400"});
    w.fake.FailRemovalOf(w.SettingsPath());
    w.fake.scriptedAnswers = {MessageAnswer::Yes};
    SettingsDialogModel d(w.model);
    EXPECT_TRUE(d.ResetSettingsFile());
    ASSERT_EQ(w.fake.messages.size(), 2u);
    EXPECT_EQ(w.fake.messages[1].text, u"次のファイルを削除できませんでした。\r\n" + w.SettingsPath());
    EXPECT_EQ(w.fake.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(w.port.closeRequests, 1);
    ASSERT_TRUE(w.model.RunShutdownSequence());
    Settings saved;
    LoadSettings(saved, w.fake, w.folders.SysFolder);
    EXPECT_EQ(saved.TrTimer, 400);  // the old file, not rewritten
}

TEST(SettingsDialogReset, OnlyTheExactNameIsTheSettingsFile) {
    World w;
    w.fake.PutFile(w.folders.SysFolder + u"\\Morvane_A.rng.bak", "mine");
    w.fake.PutFile(w.folders.SysFolder + u"\\Morvane_A.rng\\inside.txt", "a folder of that name");
    EXPECT_TRUE(SettingsResetFiles(w.fake, w.folders).empty());
}

// --- "すべてを削除する" -------------------------------------------------------------------------------------

struct UninstallWorld : MainWindowWorld {
    UninstallWorld() {
        const std::u16string program = folders.ProgramFolder;
        fake.PutFile(program + u"\\bookA\\挨拶.utx", "shipped");
        fake.PutFile(program + u"\\bookA\\Numbers.utx", "shipped");
        fake.PutFile(program + u"\\bookA\\Audio\\hello.mp3", "a sub-folder");
        fake.PutFile(program + u"\\bookG\\Dic1.utx", "shipped");
        fake.PutFile(program + u"\\MyanmarA\\Greetings.utx", "shipped");
        Start();  // the version-up copies the shipped files
        fake.PutFile(folders.ThaiBookFolder + u"\\My words.utx", "the user's");
        fake.PutFile(folders.ThaiBookFolder + u"\\Audio\\hello.mp3", "the user's audio");
        fake.RemoveFile(folders.ThaiBookFolder + u"\\Numbers.utx");
        fake.PutFile(folders.ThaiBookFolder + u"\\numbers.utx", "the user's, named in lower case");
        fake.PutFile(folders.UserTblFolder + u"\\DBMine.csv", "the user's");
        fake.PutFile(folders.SysFolder + u"\\FolList.txt", "list");
        fake.PutFile(folders.SysFolder + u"\\GroupName.txt", "groups");
        fake.PutFile(folders.SysFolder + u"\\Work.rtf", "rtf");
        fake.PutFile(folders.SysFolder + u"\\Notes.txt", "the user's");
        WriteSettings({u"TrTimer,400"});
    }
};

TEST(SettingsDialogDeleteAll, DeletesExactlyTheProgramsFiles) {
    UninstallWorld w;
    const DataFolders& f = w.folders;
    const std::vector<std::u16string> deleted = {
        f.ThaiBookFolder + u"\\挨拶.utx",
        f.ThaiDicFolder + u"\\Dic1.utx",
        f.UserTblFolder + u"\\CandKhmer.csv",
        f.UserTblFolder + u"\\CandLao.csv",
        f.UserTblFolder + u"\\CandMyanmar.csv",
        f.UserTblFolder + u"\\CandThai2.csv",
        f.UserTblFolder + u"\\DBKhmer.csv",
        f.UserTblFolder + u"\\DBLao.csv",
        f.UserTblFolder + u"\\DBMyanmar.csv",
        f.UserTblFolder + u"\\DBThai.csv",
        f.SysFolder + u"\\FolList.txt",
        f.SysFolder + u"\\GroupName.txt",
        f.SysFolder + u"\\" + VersionMarkerName(),
        f.SysFolder + u"\\Morvane_A.rng",
        f.SysFolder + u"\\Work.rtf",
    };
    std::vector<std::u16string> listed = UninstallFiles(w.fake, f);
    std::vector<std::u16string> expected = deleted;
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);

    std::vector<std::u16string> kept = w.fake.AllFiles();
    std::erase_if(kept, [&](const std::u16string& path) {
        return std::find(deleted.begin(), deleted.end(), path) != deleted.end();
    });
    w.fake.scriptedAnswers = {MessageAnswer::Yes};
    SettingsDialogModel d(w.model);
    d.SetChecked(SettingsCheck::DeleteFiles, true);
    EXPECT_TRUE(d.DeleteAll());
    EXPECT_EQ(w.fake.AllFiles(), kept);
    for (const std::u16string& path :
         {f.ThaiBookFolder + u"\\My words.utx", f.ThaiBookFolder + u"\\numbers.utx",
          f.ThaiBookFolder + u"\\Audio\\hello.mp3", f.MyanmarBookFolder + u"\\Greetings.utx",
          f.UserTblFolder + u"\\DBMine.csv", f.SysFolder + u"\\Notes.txt",
          f.ProgramFolder + u"\\bookA\\挨拶.utx", f.SysTblFolder + u"\\DBThai.csv"})
        EXPECT_TRUE(w.fake.FileExists(path)) << Utf16ToUtf8(path);

    ASSERT_EQ(w.fake.messages.size(), 1u);
    EXPECT_EQ(w.fake.messages[0].text,
              u"　ファイルを削除後、終了しますので、「コントロールパネル」の「プログラムのアンインストール」"
              u"からアンインストールを行なって下さい。\r\n"
              u"　なお再起動するとファイルが生成されるので、完全にアンインストールする場合は再起動しないで"
              u"下さい。\r\n　削除をはじめますがよろしいですか？");
    EXPECT_EQ(w.port.closeRequests, 1);
    ASSERT_TRUE(w.model.RunShutdownSequence());
    EXPECT_FALSE(w.fake.FileExists(w.folders.SysFolder + u"\\Morvane_A.rng"));
}

TEST(SettingsDialogDeleteAll, NeedsItsCheckBoxAndAYes) {
    for (bool checked : {false, true}) {
        SCOPED_TRACE(checked);
        UninstallWorld w;
        const std::vector<std::u16string> before = w.fake.AllFiles();
        SettingsDialogModel d(w.model);
        d.SetChecked(SettingsCheck::DeleteFiles, checked);
        EXPECT_FALSE(d.DeleteAll());  // unchecked: no question; checked: answered No
        EXPECT_EQ(w.fake.messages.size(), checked ? 1u : 0u);
        EXPECT_EQ(w.fake.AllFiles(), before);
        EXPECT_EQ(w.port.closeRequests, 0);
    }
}

TEST(SettingsDialogDeleteAll, AFailedDeleteIsNamedAndTheOthersGo) {
    UninstallWorld w;
    const std::u16string held = w.folders.ThaiDicFolder + u"\\Dic1.utx";
    w.fake.FailRemovalOf(held);
    w.fake.scriptedAnswers = {MessageAnswer::Yes};
    SettingsDialogModel d(w.model);
    d.SetChecked(SettingsCheck::DeleteFiles, true);
    EXPECT_TRUE(d.DeleteAll());
    ASSERT_EQ(w.fake.messages.size(), 2u);
    EXPECT_EQ(w.fake.messages[1].text, u"次のファイルを削除できませんでした。\r\n" + held);
    EXPECT_TRUE(w.fake.FileExists(held));
    EXPECT_FALSE(w.fake.FileExists(w.folders.ThaiBookFolder + u"\\挨拶.utx"));
    EXPECT_FALSE(w.fake.FileExists(w.folders.SysFolder + u"\\Morvane_A.rng"));
    EXPECT_EQ(w.port.closeRequests, 1);
}

TEST(SettingsDialogDeleteAll, AFolderThatIsItsOwnShippedFolderIsLeftAlone) {
    FakePlatform fake;
    DataFolders f = ComputeDataFolders(fake);
    f.ThaiBookFolder = f.ProgramFolder + u"\\BOOKA\\";
    fake.PutFile(f.ProgramFolder + u"\\bookA\\挨拶.utx", "shipped");
    fake.PutFile(f.SysTblFolder + u"\\DBThai.csv", "shipped");
    EXPECT_TRUE(UninstallFiles(fake, f).empty());
}

}  // namespace
}  // namespace tess
