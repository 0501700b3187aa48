#include "lib/TextConv.h"

#include <gtest/gtest.h>

#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kRtfHead =
    u"{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil\\fcharset";

TEST(BuildRtf, ThaiTextInTahoma) {
    EXPECT_EQ(BuildRtf(222, 18, u"Tahoma", u"กา"),
              kRtfHead + u"222 Tahoma;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs36"
                         u"\\u3585?\\u3634?\\f1\\par}");
}

TEST(BuildRtf, EmptyTextLeavesOnlyTheSizeWordInTheBody) {
    EXPECT_EQ(BuildRtf(0, 10, u"Arial", u""),
              kRtfHead + u"0 Arial;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs20\\f1\\par}");
}

TEST(BuildRtf, CharsetsOutsideTheKnownSetAreWrittenAsZero) {
    struct Case {
        int charset;
        std::u16string written;
    };
    const Case cases[] = {
        {222, u"222"}, {204, u"204"}, {129, u"129"}, {163, u"163"}, {134, u"134"},
        {162, u"162"}, {161, u"161"}, {1, u"1"},     {0, u"0"},     {128, u"0"},
        {136, u"0"},   {238, u"0"},   {255, u"0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildRtf(c.charset, 9, u"F", u""),
                  kRtfHead + c.written + u" F;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs18\\f1\\par}")
            << "charset " << c.charset;
    }
}

TEST(BuildRtf, FontNameIsKeptAsItIs) {
    const std::u16string rtf = BuildRtf(128, 12, u"ＭＳ ゴシック", u"a");
    EXPECT_NE(rtf.find(u"\\fcharset0 ＭＳ ゴシック;}}"), std::u16string::npos);
}

TEST(RtfUnicodeEscape, EveryUnitIsEscapedAsUnsignedDecimal) {
    struct Case {
        std::u16string text;
        std::u16string escaped;
    };
    const Case cases[] = {
        {u"", u""},
        {u"A 1", u"\\u65?\\u32?\\u49?"},
        {u"a\r\nb", u"\\u97?\\u13?\\u10?\\u98?"},
        {u"（", u"\\u65288?"},
        {u"\uFFFF", u"\\u65535?"},
        {std::u16string(1, u'\0'), u"\\u0?"},
        // U+1F600 is the surrogate pair D83D DE00.
        {u"\U0001F600", u"\\u55357?\\u56832?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RtfUnicodeEscape(c.text), c.escaped);
    }
}

TEST(NumericCharacterReferences, OnePerCodeUnit) {
    struct Case {
        std::u16string text;
        std::u16string hex;
        std::u16string dec;
    };
    const Case cases[] = {
        {u"", u"", u""},
        {u"A", u"&#x0041;", u"&#65;"},
        {u"ก", u"&#x0E01;", u"&#3585;"},
        {u"\r\n", u"&#x000D;&#x000A;", u"&#13;&#10;"},
        {u"（", u"&#xFF08;", u"&#65288;"},
        {u"\U0001F600", u"&#xD83D;&#xDE00;", u"&#55357;&#56832;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToHexNcr(c.text), c.hex);
        EXPECT_EQ(ToDecNcr(c.text), c.dec);
    }
}

TEST(CodeValueText, ListsCodesOfTheTrimmedText) {
    struct Case {
        std::u16string text;
        std::u16string listing;
    };
    const Case cases[] = {
        {u"กข", u"/#$0E01/#$0E02"},
        {u"", u""},
        {u"   ", u""},
        {u" \t\r\n", u""},
        // Trimmed at both ends only; blanks inside are listed.
        {u" \ta b\r\n", u"/#$0061/#$0020/#$0062"},
        {u"x ", u"/#$0078"},
        // U+3000 (ideographic space) is no blank for the trim.
        {u"\u3000", u"/#$3000"},
        {u"\U0001F600", u"/#$D83D/#$DE00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodeValueText(c.text), c.listing);
    }
}

TEST(LineBreaks, EncodeKeepsOneMarkPerLineAndDecodeRestoresCrLf) {
    struct Case {
        std::u16string text;
        std::u16string encoded;
        std::u16string roundTrip;
    };
    const Case cases[] = {
        {u"a\r\nb", u"a#$0Db", u"a\r\nb"},
        {u"a\nb", u"ab", u"ab"},
        {u"a\rb", u"a#$0Db", u"a\r\nb"},
        {u"\r\n\r\n", u"#$0D#$0D", u"\r\n\r\n"},
        {u"plain", u"plain", u"plain"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeLineBreaks(c.text), c.encoded);
        EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(c.text)), c.roundTrip);
    }
    // Only the exact upper-case mark is a line break.
    EXPECT_EQ(DecodeLineBreaks(u"#$0d #$0D#$0"), u"#$0d \r\n#$0");
}

TEST(Quotes, RoundTripAndTypedMarksReadBackAsQuotes) {
    EXPECT_EQ(EncodeQuotes(u"say \"hi\""), u"say #$22hi#$22");
    EXPECT_EQ(DecodeQuotes(u"say #$22hi#$22"), u"say \"hi\"");
    EXPECT_EQ(DecodeQuotes(EncodeQuotes(u"\"\"")), u"\"\"");
    // The user typed "#$22" literally: it comes back as a quote.
    EXPECT_EQ(DecodeQuotes(EncodeQuotes(u"#$22")), u"\"");
    EXPECT_EQ(DecodeQuotes(u"#$2"), u"#$2");
}

TEST(DecodeHexEscapes, ResolvesFromTheStartEveryTime) {
    struct Case {
        std::u16string text;
        std::u16string decoded;
    };
    const Case cases[] = {
        {u"#$0E01", u"ก"},
        {u"#$0e01", u"0e01"},
        {u"x#$", u"x"},
        {u"#$0D", u"0D"},
        {u"#$0023$0041", u"A"},
        {u"no marks", u"no marks"},
        {u"", u""},
        {u"a#$0041b#$0042c", u"aAbBc"},
        // Deleting a bad "#$" joins the "#" before it with the "$" after it.
        {u"##$$0041", u"A"},
        {u"##$$", u""},
        // A decoded "#" followed by a decoded "$" forms a new mark.
        {u"#$0023#$00240041", u"A"},
        // Exactly four digits are read; what follows stays.
        {u"#$00410", u"A0"},
        {u"#$004", u"004"},
        {u"#$0E01#$0E32", u"กา"},
        {u"$#", u"$#"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeHexEscapes(c.text), c.decoded) << "case " << (&c - cases);
    }
}

TEST(DecodeHexEscapes, LongTextStaysFast) {
    // Each "#$" of a long run is resolved once, not by rescanning the text.
    std::u16string text;
    for (int i = 0; i < 50000; ++i) text += u"#$0041";
    EXPECT_EQ(DecodeHexEscapes(text), std::u16string(50000, u'A'));
}

TEST(Hex4, UpperCaseFourDigitsOnly) {
    struct Case {
        std::u16string text;
        bool isHex4;
        char16_t code;
    };
    const Case cases[] = {
        {u"0E01", true, u'\u0E01'},
        {u"FFFF", true, u'\uFFFF'},
        {u"0000", true, u'\0'},
        {u"9AF0", true, u'\u9AF0'},
        {u"0e01", false, u'\u0E01'},  // read, but not a code the tables accept
        {u"0E0", false, 0},
        {u"0E012", false, 0},
        {u"", false, 0},
        {u"0G01", false, 0},
        {u" E01", false, 0},
        {u"０E01", false, 0},  // a full-width digit is no digit
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsHex4(c.text), c.isHex4) << "case " << (&c - cases);
        EXPECT_EQ(Hex4ToCode(c.text), c.code) << "case " << (&c - cases);
    }
}

TEST(CharsetOfScriptName, KnownScriptsAndEverythingElse) {
    struct Case {
        std::u16string name;
        int charset;
    };
    const Case cases[] = {
        {u"タイ文字", 222},   {u"キリル文字", 204}, {u"ハングル", 129},
        {u"ベトナム文字", 163}, {u"発音記号", 0},     {u"ラテン文字", 0},
        {u"ミャンマー文字", 0}, {u"その他", 0},       {u"", 0},
        {u"タイ文字 ", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharsetOfScriptName(c.name), c.charset) << "case " << (&c - cases);
    }
}

TEST(ReplaceAll, ReplacesUntilNoOccurrenceIsLeft) {
    struct Case {
        std::u16string text;
        std::u16string find;
        std::u16string replacement;
        std::u16string result;
    };
    const Case cases[] = {
        {u"*12*3*", u"*", u"", u"123"},
        {u"a\"b\"", u"\"", u"", u"ab"},
        {u"(x)(y)", u"(", u"（", u"（x)（y)"},
        {u"", u"*", u"", u""},
        {u"abc", u"x", u"y", u"abc"},
        // A shrinking replacement is looked at again with its neighbours.
        {u"abb", u"ab", u"a", u"a"},
        {u"aabb", u"ab", u"", u""},
        // An empty search text changes nothing.
        {u"abc", u"", u"x", u"abc"},
        // A replacement containing the search text is not searched again.
        {u"a*b*", u"*", u"**", u"a**b**"},
        {u"xx", u"x", u"xx", u"xxxx"},
        // Nor is one that would feed itself with its neighbours.
        {u"aaba", u"aba", u"baab", u"abaab"},
    };
    for (const Case& c : cases) {
        std::u16string text = c.text;
        ReplaceAll(text, c.find, c.replacement);
        EXPECT_EQ(text, c.result);
    }
}

TEST(WriteWorkRtf, WritesTheDocumentAsOneAnsiLine) {
    FakePlatform platform;
    const std::u16string sys = u"C:\\Users\\user\\AppData\\Sys";
    ASSERT_TRUE(platform.CreateDirectories(sys));
    ASSERT_TRUE(WriteWorkRtf(platform, sys, 222, 18, u"ＭＳ", u"กา"));

    const std::optional<Bytes> bytes = platform.ReadWholeFile(sys + u"\\Work.rtf");
    ASSERT_TRUE(bytes.has_value());
    // The font name in code page 932; the rest is ASCII.
    EXPECT_EQ(*bytes,
              "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil"
              "\\fcharset222 \x82\x6C\x82\x72;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs36"
              "\\u3585?\\u3634?\\f1\\par}\r\n");

    // A later transfer replaces the file whole.
    ASSERT_TRUE(WriteWorkRtf(platform, sys, 0, 9, u"A", u""));
    EXPECT_EQ(platform.ReadWholeFile(sys + u"\\Work.rtf"),
              std::optional<Bytes>(
                  "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil"
                  "\\fcharset0 A;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs18\\f1\\par}\r\n"));
}

TEST(WriteWorkRtf, FailedWriteIsReportedAndKeepsTheOldFile) {
    FakePlatform platform;
    const std::u16string path = u"C:\\Sys\\Work.rtf";
    platform.PutFile(path, "old");
    platform.FailWritesTo(path);
    EXPECT_FALSE(WriteWorkRtf(platform, u"C:\\Sys", 222, 18, u"Tahoma", u"ก"));
    EXPECT_EQ(platform.ReadWholeFile(path), std::optional<Bytes>("old"));
}

}  // namespace
}  // namespace tess
