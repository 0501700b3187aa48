#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kSys = u"C:\\Users\\user\\AppData\\Roaming\\Quillory\\Tessaline\\Sys";
const std::u16string kFile = kSys + u"\\Morvane_A.rng";

// The file written at the first exit of a user who never moved the window on
// a 1280 × 900 screen: the window's default rectangle and every other key at
// its default, in the order of the key table.
const Lines kDefaultFile = {
    u"MainLeft,220",
    u"MainTop,95",
    u"MainWidth,840",
    u"MainHeight,710",
    u"UnderHeight,296",
    u"FontPanelWidth,193",
    u"LVLineHeight,28",
    u"PC2Width,390",
    u"LVCol1Width,150",
    u"LVCol2Width,50",
    u"LVCol3Width,150",
    u"LVCol4Width,150",
    u"LVCol5Width,150",
    u"LVCol6Width,150",
    u"LVCol7Width,100",
    u"TrTimer,250",
    u"PaTimer,250",
    u"TransMode,1",
    u"InputMode,1",
    u"FontMode,0",
    u"SearchIndex,3",
    u"UsrMainFontSize,18",
    u"UsrSubFontSize,16",
    u"TnMainFontSize,15",
    u"TnSubFontSize,14",
    u"TnJpFontSize,12",
    u"DispMainFSize,18",
    u"DispSubFSize,16",
    u"BandDev,0",
    u"UsrMainFont,\"Tahoma\"",
    u"UsrSubFont,\"Segoe UI\"",
    u"ThaiFont,\"Tahoma\"",
    u"MyanmarFont,\"Padauk Book\"",
    u"LaosFont,\"Lao UI\"",
    u"KhmerFont,\"Khmer UI\"",
    u"LastGroup,\"\"",
    u"LastWB,\"\"",
    u"PhUDBFile,\"DBPhonet.csv\"",
    u"PhCandFile,\"CandAll.csv\"",
    u"GaUDBFile,\"DBThai.csv\"",
    u"GaCandFile,\"CandThai2.csv\"",
    u"ThaiUDBFile,\"DBThai.csv\"",
    u"ThaiCandFile,\"CandThai2.csv\"",
    u"MyanmarUDBFile,\"DBMyanmar.csv\"",
    u"MyanmarCandFile,\"CandMyanmar.csv\"",
    u"LaosUDBFile,\"DBLao.csv\"",
    u"LaosCandFile,\"CandLao.csv\"",
    u"KhmerUDBFile,\"DBKhmer.csv\"",
    u"KhmerCandFile,\"CandKhmer.csv\"",
    u"RomanBg,#FFA953",
    u"MsImeBg,#8FBC8F",
    u"IpaBg,#00BFFF",
    u"CandBg,#F8FFC0",
    u"BandBg,#C9DEF5",
    u"EiwaFlg,0",
    u"AutoPasteFlg,1",
    u"TransClearFlg,0",
    u"ResetInputFlg,0",
    u"UnderStretchFlg,1",
    u"ScroBarsFlg,0",
    u"WordWrapFlg,0",
    u"LastVisibleFlg,0",
    u"RegCopyFlg,1",
    u"RegClearFlg,1",
    u"MediaPlayerFlg,1",
    u"PhTriRevFlg,0",
    u"GaTriRevFlg,0",
    u"PhOneInpFlg,1",
    u"GaOneInpFlg,1",
    u"SysTblFlg,0",
    u"TblOWFlg,1",
    u"DicFlg,0",
    u"DicSearchFlg,1",
    u"ThaiImeKedFlg,1",
    u"NoSampleFlg,0",
    u"AutoDoorFlg,1",
    u"DispFSizeLockFlg,0",
    u"AutoTransFlg,0",
};

// A record in which every field differs from its default.
Settings ChangedEverywhere() {
    Settings s;
    s.MainLeft = 30;
    s.MainTop = 40;
    s.MainRight = 930;
    s.MainBottom = 760;
    s.UnderHeight = 222;
    s.FontPanelWidth = 260;
    s.LVLineHeight = 31;
    s.PC2Width = 300;
    s.LVCol1Width = 101;
    s.LVCol2Width = 102;
    s.LVCol3Width = 103;
    s.LVCol4Width = 104;
    s.LVCol5Width = 105;
    s.LVCol6Width = 106;
    s.LVCol7Width = 107;
    s.TrTimer = 500;
    s.PaTimer = 600;
    s.TransMode = 12;
    s.InputMode = 4;
    s.FontMode = 1;
    s.SearchIndex = 5;
    s.UsrMainFontSize = 24;
    s.UsrSubFontSize = 20;
    s.TnMainFontSize = 11;
    s.TnSubFontSize = 10;
    s.TnJpFontSize = 9;
    s.DispMainFSize = 30;
    s.DispSubFSize = 28;
    s.BandDev = -3;
    s.UsrMainFont = u"Angsana New";
    s.UsrSubFont = u"Arial Unicode MS";
    s.ThaiFont = u"Leelawadee UI";
    s.MyanmarFont = u"Myanmar Text";
    s.LaosFont = u"DokChampa";
    s.KhmerFont = u"Khmer OS Battambang";
    s.LastGroup = u"あいさつ \"朝\", 昼";
    s.LastWB = u"คำศัพท์ประจำวัน.txt";
    s.PhUDBFile = u"DBPhonet2.csv";
    s.PhCandFile = u"CandAll2.csv";
    s.GaUDBFile = u"DBLao.csv";
    s.GaCandFile = u"CandLao.csv";
    s.ThaiUDBFile = u"DBThaiMine.csv";
    s.ThaiCandFile = u"CandThaiMine.csv";
    s.MyanmarUDBFile = u"DBMyanmar2.csv";
    s.MyanmarCandFile = u"CandMyanmar2.csv";
    s.LaosUDBFile = u"DBLao2.csv";
    s.LaosCandFile = u"CandLao2.csv";
    s.KhmerUDBFile = u"DBKhmer2.csv";
    s.KhmerCandFile = u"CandKhmer2.csv";
    s.RomanBg = MakeColor(0x01, 0x02, 0x03);
    s.MsImeBg = MakeColor(0x10, 0x20, 0x30);
    s.IpaBg = MakeColor(0xAA, 0xBB, 0xCC);
    s.CandBg = MakeColor(0xFE, 0xDC, 0xBA);
    s.BandBg = MakeColor(0x00, 0x00, 0x00);
    s.EiwaFlg = true;
    s.AutoPasteFlg = false;
    s.TransClearFlg = true;
    s.ResetInputFlg = true;
    s.UnderStretchFlg = false;
    s.ScroBarsFlg = true;
    s.WordWrapFlg = true;
    s.LastVisibleFlg = true;
    s.RegCopyFlg = false;
    s.RegClearFlg = false;
    s.MediaPlayerFlg = false;
    s.PhTriRevFlg = true;
    s.GaTriRevFlg = true;
    s.PhOneInpFlg = false;
    s.GaOneInpFlg = false;
    s.SysTblFlg = true;
    s.TblOWFlg = false;
    s.DicFlg = true;
    s.DicSearchFlg = false;
    s.ThaiImeKedFlg = false;
    s.NoSampleFlg = true;
    s.AutoDoorFlg = false;
    s.DispFSizeLockFlg = true;
    s.AutoTransFlg = true;
    return s;
}

// Start-up as the program does it: defaults, then the file if there is one.
Settings Load(FakePlatform& platform, const std::optional<Bytes>& file) {
    if (file) platform.PutFile(kFile, *file);
    Settings s = ChangedEverywhere();
    LoadDefaults(s, platform);
    LoadSettings(s, platform, kSys);
    return s;
}

Lines WrittenLines(FakePlatform& platform) {
    auto lines = ReadTextLines(platform, kFile);
    return lines ? *lines : Lines{};
}

TEST(Settings, FirstExitWritesEveryKeyWithItsDefaultInTableOrder) {
    FakePlatform platform;
    platform.CreateDirectories(kSys);
    // The record starts with nothing at its default, so every line below was
    // put there by LoadDefaults.
    Settings s = Load(platform, std::nullopt);
    StoreWindowGeometry(s, FirstShowGeometry(s, 1280, 900));
    ASSERT_TRUE(SaveSettings(s, platform, kSys));

    EXPECT_EQ(WrittenLines(platform), kDefaultFile);
    Bytes bytes = *platform.ReadWholeFile(kFile);
    EXPECT_EQ(bytes.substr(0, 2), Bytes("\xFF\xFE"));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), Bytes("\r\0\n\0", 4));
}

TEST(Settings, DefaultsAreTypedAsTheRestOfTheProgramReadsThem) {
    FakePlatform platform;
    Settings s = Load(platform, std::nullopt);
    EXPECT_EQ(s.MainLeft, -100);
    EXPECT_EQ(s.MainRight, -100);
    EXPECT_EQ(s.UnderHeight, 296);
    EXPECT_EQ(s.InputMode, 1);
    EXPECT_EQ(s.TransMode, 1);
    EXPECT_EQ(s.ThaiFont, u"Tahoma");
    EXPECT_EQ(s.RomanBg, Color{0x0053A9FF});
    EXPECT_EQ(s.CandBg, MakeColor(0xF8, 0xFF, 0xC0));
    EXPECT_TRUE(s.AutoPasteFlg);
    EXPECT_FALSE(s.EiwaFlg);
}

TEST(Settings, EveryKeyRoundTripsThroughTheFile) {
    FakePlatform platform;
    platform.CreateDirectories(kSys);
    const Settings saved = ChangedEverywhere();
    ASSERT_TRUE(SaveSettings(saved, platform, kSys));

    // Every line differs from the default one, so no key can pass by falling
    // back to its default.
    Lines written = WrittenLines(platform);
    ASSERT_EQ(written.size(), kDefaultFile.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_NE(written[i], kDefaultFile[i]) << Utf16ToUtf8(written[i]);
    }
    EXPECT_EQ(written[2], u"MainWidth,900");
    EXPECT_EQ(written[3], u"MainHeight,720");
    EXPECT_EQ(written[36], u"LastWB,\"คำศัพท์ประจำวัน.txt\"");

    EXPECT_EQ(Load(platform, std::nullopt), saved);
}

TEST(Settings, FailedWriteReportsFalseAndKeepsTheOldFile) {
    FakePlatform platform;
    const Bytes old = "UnderHeight,300\r\n";
    platform.PutFile(kFile, old);
    platform.FailWritesTo(kFile);
    EXPECT_FALSE(SaveSettings(ChangedEverywhere(), platform, kSys));
    EXPECT_EQ(*platform.ReadWholeFile(kFile), old);
}

// --- Reading rules -------------------------------------------------------------

struct ReadCase {
    const char* name;
    Bytes file;
    std::function<void(const Settings&)> check;
};

class ReadSettingsTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSettingsTest, GivesTheValue) {
    FakePlatform platform;
    GetParam().check(Load(platform, GetParam().file));
}

const auto CaseName = [](const auto& info) { return std::string(info.param.name); };

// How one value is read.
INSTANTIATE_TEST_SUITE_P(
    Values, ReadSettingsTest,
    ::testing::Values(
        ReadCase{"UnderHeightMalformed", "UnderHeight,abc\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 306); }},
        ReadCase{"UnderHeightAbsent", "TrTimer,100\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 296); }},
        ReadCase{"UnderHeightEmpty", "UnderHeight,\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 296); }},
        ReadCase{"UnderHeightQuotedEmpty", "UnderHeight,\"\"\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 296); }},
        ReadCase{"UnderHeightRead", "UnderHeight,300\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 300); }},
        ReadCase{"FontPanelWidthRaisedTo193", "FontPanelWidth,100\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.FontPanelWidth, 193); }},
        ReadCase{"FontPanelWidthAbove193", "FontPanelWidth,240\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.FontPanelWidth, 240); }},
        ReadCase{"LVColMalformedKeepsItsColumnDefault", "LVCol2Width,x\r\nLVCol7Width,9.5\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(s.LVCol2Width, 50);
                     EXPECT_EQ(s.LVCol7Width, 100);
                 }},
        // Integers: digits with an optional minus sign, within 32 bits.
        ReadCase{"IntegerForms",
                 "BandDev,-7\r\nTrTimer,007\r\nPaTimer,-2147483648\r\nSearchIndex,2147483647\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(s.BandDev, -7);
                     EXPECT_EQ(s.TrTimer, 7);
                     EXPECT_EQ(s.PaTimer, INT32_MIN);
                     EXPECT_EQ(s.SearchIndex, INT32_MAX);
                 }},
        ReadCase{"IntegerNonForms",
                 "BandDev,12abc\r\nTrTimer,+5\r\nPaTimer,2147483648\r\nSearchIndex,-\r\n"
                 "TnJpFontSize,0x10\r\nLVLineHeight,-2147483649\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(s.BandDev, 0);
                     EXPECT_EQ(s.TrTimer, 250);
                     EXPECT_EQ(s.PaTimer, 250);
                     EXPECT_EQ(s.SearchIndex, 3);
                     EXPECT_EQ(s.TnJpFontSize, 12);
                     EXPECT_EQ(s.LVLineHeight, 28);
                 }},
        // Other modules decide what an out-of-range value means.
        ReadCase{"NoRangeCheck", "TrTimer,0\r\nInputMode,9\r\nTransMode,7\r\nPC2Width,500\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(s.TrTimer, 0);
                     EXPECT_EQ(s.InputMode, 9);
                     EXPECT_EQ(s.TransMode, 7);
                     EXPECT_EQ(s.PC2Width, 500);
                 }},
        ReadCase{"ColourUpperCaseAccepted", "RomanBg,#12AB34\r\nCandBg,#FFFFFF\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(s.RomanBg, MakeColor(0x12, 0xAB, 0x34));
                     EXPECT_EQ(s.CandBg, MakeColor(0xFF, 0xFF, 0xFF));
                 }},
        ReadCase{"ColourOtherFormsIgnored",
                 "RomanBg,#12ab34\r\nMsImeBg,#12AB3\r\nIpaBg,12AB34\r\nBandBg,\"#12ab34\"\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(s.RomanBg, MakeColor(0xFF, 0xA9, 0x53));
                     EXPECT_EQ(s.MsImeBg, MakeColor(0x8F, 0xBC, 0x8F));
                     EXPECT_EQ(s.IpaBg, MakeColor(0x00, 0xBF, 0xFF));
                     EXPECT_EQ(s.BandBg, MakeColor(0xC9, 0xDE, 0xF5));
                 }},
        ReadCase{"FlagSetOnlyByOne",
                 "EiwaFlg,1\r\nAutoPasteFlg,yes\r\nUnderStretchFlg,2\r\nRegCopyFlg,true\r\n",
                 [](const Settings& s) {
                     EXPECT_TRUE(s.EiwaFlg);
                     EXPECT_FALSE(s.AutoPasteFlg);
                     EXPECT_FALSE(s.UnderStretchFlg);
                     EXPECT_FALSE(s.RegCopyFlg);
                 }},
        ReadCase{"FlagOtherTextClears", "EiwaFlg,yes\r\n",
                 [](const Settings& s) { EXPECT_FALSE(s.EiwaFlg); }},
        ReadCase{"FlagEmptyKeepsDefault", "EiwaFlg,\r\nAutoPasteFlg,\r\n",
                 [](const Settings& s) {
                     EXPECT_FALSE(s.EiwaFlg);
                     EXPECT_TRUE(s.AutoPasteFlg);
                 }},
        // Unquoted, a blank separates fields: three fields, so no value.
        ReadCase{"TwoWordFontUnquotedIgnored", "ThaiFont,Angsana New\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.ThaiFont, u"Tahoma"); }},
        ReadCase{"TwoWordFontQuotedAccepted", "ThaiFont,\"Angsana New\"\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.ThaiFont, u"Angsana New"); }},
        ReadCase{"OneWordStringNeedsNoQuotes", "UsrMainFont,Garuda\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UsrMainFont, u"Garuda"); }},
        ReadCase{"DoubledQuoteIsOneQuote", "LastGroup,\"a\"\"b, c\"\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.LastGroup, u"a\"b, c"); }},
        ReadCase{"EmptyStringKeepsDefault", "ThaiFont,\"\"\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.ThaiFont, u"Tahoma"); }},
        // Files without a mark are code page 932; a mark selects its encoding.
        ReadCase{"AnsiFile", "LastGroup,\"\x82\xA0\x82\xA2\x82\xB3\x82\xC2\"\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.LastGroup, u"あいさつ"); }},
        ReadCase{"Utf8MarkedFile", "\xEF\xBB\xBFLastWB,\"\xE0\xB8\x81.txt\"\r\nUnderHeight,300",
                 [](const Settings& s) {
                     EXPECT_EQ(s.LastWB, u"ก.txt");
                     EXPECT_EQ(s.UnderHeight, 300);
                 }},
        ReadCase{"SysTblFlgPicksTheTableFolder", "SysTblFlg,1\r\n",
                 [](const Settings& s) {
                     EXPECT_EQ(TableFolderFor(s, u"C:\\Prog\\Tbl", u"C:\\User\\Tbl"),
                               u"C:\\Prog\\Tbl");
                 }},
        ReadCase{"UserTablesByDefault", "",
                 [](const Settings& s) {
                     EXPECT_EQ(TableFolderFor(s, u"C:\\Prog\\Tbl", u"C:\\User\\Tbl"),
                               u"C:\\User\\Tbl");
                 }}),
    CaseName);

// Which line gives a key its value.
INSTANTIATE_TEST_SUITE_P(
    LineMatching, ReadSettingsTest,
    ::testing::Values(
        ReadCase{"FirstOfTwoWins", "UnderHeight,300\r\nUnderHeight,400\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 300); }},
        ReadCase{"FirstWinsEvenWhenMalformed", "UnderHeight,abc\r\nUnderHeight,400\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 306); }},
        ReadCase{"FirstWinsEvenWhenEmpty", "UnderHeight,\r\nUnderHeight,400\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 296); }},
        ReadCase{"LinesOfOtherFieldCountsSkipped",
                 "UnderHeight,300,1\r\nUnderHeight\r\nUnderHeight,400\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 400); }},
        ReadCase{"KeysAreCaseSensitive", "underheight,300\r\nUNDERHEIGHT,301\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 296); }},
        ReadCase{"BlanksAroundFieldsDropped", "  UnderHeight , 300 \r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 300); }},
        ReadCase{"BlankSeparatesLikeAComma", "UnderHeight 300\r\n",
                 [](const Settings& s) { EXPECT_EQ(s.UnderHeight, 300); }},
        ReadCase{"AnyLineEndingAndNoneAtTheEnd", "TrTimer,100\nPaTimer,200\rBandDev,5",
                 [](const Settings& s) {
                     EXPECT_EQ(s.TrTimer, 100);
                     EXPECT_EQ(s.PaTimer, 200);
                     EXPECT_EQ(s.BandDev, 5);
                 }}),
    CaseName);

// --- Geometry ------------------------------------------------------------------

struct GeometryCase {
    const char* name;
    std::optional<Bytes> file;
    int screenWidth, screenHeight;
    WindowGeometry expected;
};

class FirstShowGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(FirstShowGeometryTest, PlacesTheMainWindow) {
    FakePlatform platform;
    const GeometryCase& c = GetParam();
    EXPECT_EQ(FirstShowGeometry(Load(platform, c.file), c.screenWidth, c.screenHeight),
              c.expected);
}

constexpr WindowGeometry kDefaultOn1280x900{220, 95, 840, 710};

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstShowGeometryTest,
    ::testing::Values(
        GeometryCase{"NoFile", std::nullopt, 1280, 900, kDefaultOn1280x900},
        GeometryCase{"ScreenOf768KeepsTop12", std::nullopt, 1024, 768, {92, 12, 840, 710}},
        GeometryCase{"ScreenOf769CentresVertically", std::nullopt, 1280, 769, {220, 29, 840, 710}},
        GeometryCase{"Saved", "MainLeft,100\r\nMainTop,50\r\nMainWidth,900\r\nMainHeight,720\r\n",
                     1280, 900, {100, 50, 900, 720}},
        GeometryCase{"SavedAtTheCorner", "MainLeft,0\r\nMainTop,0\r\nMainWidth,900\r\nMainHeight,720\r\n",
                     1280, 900, {0, 0, 900, 720}},
        // A top edge above the screen is still a saved position.
        GeometryCase{"NegativeTopKept",
                     "MainLeft,10\r\nMainTop,-6\r\nMainWidth,900\r\nMainHeight,720\r\n", 1280, 900,
                     {10, -6, 900, 720}},
        GeometryCase{"NegativeLeftMeansDefault",
                     "MainLeft,-8\r\nMainTop,50\r\nMainWidth,900\r\nMainHeight,720\r\n", 1280, 900,
                     kDefaultOn1280x900},
        GeometryCase{"NoTop", "MainLeft,100\r\nMainWidth,900\r\nMainHeight,720\r\n", 1280, 900,
                     kDefaultOn1280x900},
        GeometryCase{"NoWidth", "MainLeft,100\r\nMainTop,50\r\nMainHeight,720\r\n", 1280, 900,
                     kDefaultOn1280x900},
        GeometryCase{"NoHeight", "MainLeft,100\r\nMainTop,50\r\nMainWidth,900\r\n", 1280, 900,
                     kDefaultOn1280x900},
        GeometryCase{"EmptyTop", "MainLeft,100\r\nMainTop,\r\nMainWidth,900\r\nMainHeight,720\r\n",
                     1280, 900, kDefaultOn1280x900},
        GeometryCase{"MalformedHeight",
                     "MainLeft,100\r\nMainTop,50\r\nMainWidth,900\r\nMainHeight,7x0\r\n", 1280, 900,
                     kDefaultOn1280x900},
        GeometryCase{"RightEdgeBeyond32Bits",
                     "MainLeft,100\r\nMainTop,50\r\nMainWidth,2147483600\r\nMainHeight,720\r\n",
                     1280, 900, kDefaultOn1280x900},
        GeometryCase{"NeverBelowTheMinimum",
                     "MainLeft,100\r\nMainTop,50\r\nMainWidth,300\r\nMainHeight,-20\r\n", 1280, 900,
                     {100, 50, 680, 500}}),
    CaseName);

TEST(SettingsGeometry, HeldAsRightAndBottomEdgesAndWrittenBackAsSizes) {
    FakePlatform platform;
    Settings s = Load(platform, Bytes("MainLeft,100\r\nMainTop,50\r\nMainWidth,900\r\nMainHeight,720\r\n"));
    EXPECT_EQ(s.MainRight, 1000);
    EXPECT_EQ(s.MainBottom, 770);

    // The user drags the left edge: the right edge stays, the width follows.
    s.MainLeft = 200;
    ASSERT_TRUE(SaveSettings(s, platform, kSys));
    Lines written = WrittenLines(platform);
    ASSERT_GE(written.size(), 4u);
    EXPECT_EQ(Lines(written.begin(), written.begin() + 4),
              (Lines{u"MainLeft,200", u"MainTop,50", u"MainWidth,800", u"MainHeight,720"}));
}

TEST(SettingsGeometry, PartialGeometryCountsAsNoneSaved) {
    FakePlatform platform;
    Settings s = Load(platform, Bytes("MainLeft,100\r\nMainTop,50\r\nMainWidth,900\r\n"));
    EXPECT_EQ(s.MainLeft, -100);
    StoreWindowGeometry(s, FirstShowGeometry(s, 1280, 900));
    ASSERT_TRUE(SaveSettings(s, platform, kSys));
    Lines written = WrittenLines(platform);
    ASSERT_GE(written.size(), 4u);
    EXPECT_EQ(Lines(written.begin(), written.begin() + 4),
              Lines(kDefaultFile.begin(), kDefaultFile.begin() + 4));
}

// --- Fonts chosen by what is installed ---------------------------------------------

struct FontCase {
    const char* name;
    std::vector<std::u16string> installed;
    std::u16string myanmar, lao, khmer;
};

class FontDefaultsTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontDefaultsTest, PicksTheInstalledFace) {
    FakePlatform platform;
    platform.installedFonts = GetParam().installed;
    Settings s;
    LoadDefaults(s, platform);
    EXPECT_EQ(s.MyanmarFont, GetParam().myanmar);
    EXPECT_EQ(s.LaosFont, GetParam().lao);
    EXPECT_EQ(s.KhmerFont, GetParam().khmer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FontDefaultsTest,
    ::testing::Values(
        FontCase{"Neither", {u"Tahoma"}, u"Padauk Book", u"Lao UI", u"Khmer UI"},
        FontCase{"SecondOnly",
                 {u"Myanmar Text", u"DokChampa", u"Khmer OS Battambang"},
                 u"Myanmar Text", u"DokChampa", u"Khmer OS Battambang"},
        FontCase{"BothPrefersFirst",
                 {u"Khmer OS Battambang", u"Khmer UI", u"DokChampa", u"Lao UI", u"Myanmar Text",
                  u"Padauk Book"},
                 u"Padauk Book", u"Lao UI", u"Khmer UI"},
        // Names match exactly: a different case is another font.
        FontCase{"CaseMatters",
                 {u"padauk book", u"Myanmar Text", u"LAO UI", u"khmer os battambang"},
                 u"Myanmar Text", u"Lao UI", u"Khmer UI"}),
    CaseName);

TEST(FontDefaults, TheFileOverridesTheInstalledChoice) {
    FakePlatform platform;
    platform.installedFonts = {u"Myanmar Text"};
    Settings s = Load(platform, Bytes("MyanmarFont,\"Noto Sans Myanmar\"\r\n"));
    EXPECT_EQ(s.MyanmarFont, u"Noto Sans Myanmar");
}

}  // namespace
}  // namespace tess
