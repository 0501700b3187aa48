#include "lib/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kPath = u"C:\\data\\file.txt";

struct ReadCase {
    const char* name;
    Bytes bytes;
    Lines lines;
};

class ReadTextLinesTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTextLinesTest, DecodesByMarkAndSplitsEveryLineEnding) {
    FakePlatform platform;
    platform.PutFile(kPath, GetParam().bytes);
    auto lines = ReadTextLines(platform, kPath);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadTextLinesTest,
    ::testing::Values(
        // No mark: code page 932 ("日本" and a half-width katakana "ｱ").
        ReadCase{"Ansi", Bytes("\x93\xFA\x96\x7B\r\n\xB1\r\n"), {u"日本", u"ｱ"}},
        ReadCase{"Utf8", Bytes("\xEF\xBB\xBF\xE0\xB8\x81\xE0\xB8\xB2\r\nx"), {u"กา", u"x"}},
        ReadCase{"Utf16LE", Bytes("\xFF\xFE\x01\x0E\r\0\n\0a\0", 10), {u"ก", u"a"}},
        ReadCase{"Utf16BE", Bytes("\xFE\xFF\x0E\x01\0\r\0\n\0a", 10), {u"ก", u"a"}},
        // Every line ending, and a last line without terminator.
        ReadCase{"MixedEndings", Bytes("a\r\nb\rc\nd"), {u"a", u"b", u"c", u"d"}},
        // Empty lines are lines; the final terminator adds none.
        ReadCase{"EmptyLines", Bytes("\r\n\r\nz\r\n"), {u"", u"", u"z"}},
        ReadCase{"LoneCrThenLf", Bytes("a\r\r\nb"), {u"a", u"", u"b"}},
        ReadCase{"EmptyFile", Bytes(), {}},
        ReadCase{"MarkOnly", Bytes("\xFF\xFE"), {}},
        // A malformed UTF-8 byte becomes one replacement character, nothing more is lost.
        ReadCase{"BadUtf8", Bytes("\xEF\xBB\xBF" "a\xFF" "b"), {u"a\uFFFDb"}},
        // An odd trailing byte of UTF-16 cannot form a character and is dropped.
        ReadCase{"OddUtf16", Bytes("\xFF\xFE" "a\0b", 5), {u"a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTextLines, MissingFileGivesNothing) {
    FakePlatform platform;
    EXPECT_FALSE(ReadTextLines(platform, kPath).has_value());
}

// Reading a file's units in place gives what decoding it whole gives: the
// mark skipped only at the start, an odd last byte dropped, high bytes kept.
TEST(Utf16LEUnits, HoldWhatDecodeUtf16LEGives) {
    const Bytes cases[] = {
        Bytes(),
        Bytes("\xFF\xFE"),
        Bytes("\xFF"),
        Bytes("\xFF\xFE\x01\x0E\r\0\n\0", 8),
        Bytes("\x01\x0E\xFF\xFE\x80\xFF", 6),
        Bytes("\xFF\xFE\xFF\xFE" "a", 5),
        Bytes("a\0b\0c", 5),
        // 0A bytes that are no LF: the low byte of U+0E0A, a high byte,
        // and the last odd byte.
        Bytes("\n\0\x0A\x0E\r\0\n\0\x01\x0A\n", 11),
        Bytes("\xFF\xFE\n\n\n\0", 6),
    };
    for (const Bytes& bytes : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const std::u16string decoded = DecodeUtf16LE(bytes);
        const Utf16LEUnits units = Utf16LEUnits::OfFile(bytes);
        ASSERT_EQ(units.size(), decoded.size());
        EXPECT_EQ(units.Decode(0, units.size()), decoded);
        for (const char16_t unit : {u'\n', u'\r', u'\u0E0A', u'\u0A0A', u'\u0A01'}) {
            EXPECT_EQ(units.Count(unit), std::count(decoded.begin(), decoded.end(), unit))
                << static_cast<int>(unit);
        }
        for (std::size_t i = 0; i < decoded.size(); ++i) {
            EXPECT_EQ(units[i], decoded[i]);
            EXPECT_EQ(units.From(i).Decode(0, decoded.size() - i), decoded.substr(i));
        }
        EXPECT_EQ(units.From(decoded.size()).size(), 0u);
        EXPECT_EQ(units.From(decoded.size() + 1).size(), 0u);
    }
}

TEST(Utf8, SurrogatePairsRoundTrip) {
    std::u16string text = u"a\U0001F600ก";
    EXPECT_EQ(Utf16ToUtf8(text), "a\xF0\x9F\x98\x80\xE0\xB8\x81");
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    // Overlong forms and encoded surrogates are rejected.
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
}

TEST(TextWriters, AnsiIsCodePage932WithoutMarkAndCrLfAfterEveryLine) {
    FakePlatform platform;
    platform.CreateDirectories(u"C:\\data");
    ASSERT_TRUE(WriteAnsiLines(platform, kPath, {u"日本", u"", u"a"}));
    EXPECT_EQ(*platform.ReadWholeFile(kPath), Bytes("\x93\xFA\x96\x7B\r\n\r\na\r\n"));
}

TEST(TextWriters, AnsiWritesQuestionMarkForCharactersOutsideTheCodePage) {
    FakePlatform platform;
    platform.CreateDirectories(u"C:\\data");
    ASSERT_TRUE(WriteAnsiLines(platform, kPath, {u"aกb"}));
    EXPECT_EQ(*platform.ReadWholeFile(kPath), Bytes("a?b\r\n"));
}

TEST(TextWriters, Utf16IsLittleEndianWithMarkAndCrLfAfterEveryLine) {
    FakePlatform platform;
    platform.CreateDirectories(u"C:\\data");
    ASSERT_TRUE(WriteUtf16Lines(platform, kPath, {u"ก", u"a"}));
    EXPECT_EQ(*platform.ReadWholeFile(kPath),
              Bytes("\xFF\xFE\x01\x0E\r\0\n\0a\0\r\0\n\0", 14));
}

TEST(TextWriters, WrittenFilesReadBackUnchanged) {
    FakePlatform platform;
    platform.CreateDirectories(u"C:\\data");
    Lines lines = {u"タイ語", u"", u"ภาษาไทย \U0001F600"};
    ASSERT_TRUE(WriteUtf16Lines(platform, kPath, lines));
    EXPECT_EQ(*ReadTextLines(platform, kPath), lines);
    Lines ansi = {u"記号DB", u"Group,0,\"Aのグループ\""};
    ASSERT_TRUE(WriteAnsiLines(platform, kPath, ansi));
    EXPECT_EQ(*ReadTextLines(platform, kPath), ansi);
}

TEST(TextWriters, AFailedWriteLeavesTheOldFileWhole) {
    FakePlatform platform;
    platform.PutFile(kPath, "old\r\n");
    platform.FailWritesTo(kPath);
    EXPECT_FALSE(WriteUtf16Lines(platform, kPath, {u"new"}));
    EXPECT_FALSE(WriteAnsiLines(platform, kPath, {u"new"}));
    EXPECT_EQ(*platform.ReadWholeFile(kPath), "old\r\n");
}

}  // namespace
}  // namespace tess
