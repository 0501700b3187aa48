// The fake platform stands in for Windows in every native test, so it must
// behave as the real one does where the program relies on it.
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include "platform/Wildcard.h"
#include "shared/CodePageCases.h"

namespace tess {
namespace {

TEST(FakeCodePages, DecodeAndEncodeTheSharedCases) {
    FakePlatform platform;
    for (const auto& c : testing::kCodePageCases) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(platform.DecodeCodePage(c.codePage, c.bytes), c.text);
        EXPECT_EQ(platform.EncodeCodePage(c.codePage, c.text), c.bytes);
    }
}

TEST(FakeCodePages, UnconvertibleCharactersBecomeQuestionMarks) {
    FakePlatform platform;
    // One "?" per UTF-16 unit, as WideCharToMultiByte writes: two for a
    // character outside the basic plane.
    EXPECT_EQ(platform.EncodeCodePage(932, u"aก\U0001F600b"), "a???b");
    EXPECT_EQ(platform.EncodeCodePage(874, u"กé"), "\xA1?");
    // No look-alikes: "ā" has none of its own in either code page.
    EXPECT_EQ(platform.EncodeCodePage(932, u"\u0101"), "?");
    // Of the characters 932 holds twice, the bytes Windows writes.
    EXPECT_EQ(platform.EncodeCodePage(932, u"\u2252\u2170"), "\x81\xE0\xFA\x40");
    // Other code pages still convert.
    EXPECT_EQ(platform.EncodeCodePage(1251, u"\u0416\u0E01"), "\xC6?");
}

TEST(FakeCodePages, InvalidBytesReadAsWindowsReadsThem) {
    FakePlatform platform;
    struct Case {
        std::string_view bytes;
        std::u16string_view text;
    };
    using namespace std::literals;
    for (const Case& c : {
             // A lead byte takes the byte after it, the pair being no character.
             Case{"a\x81 b"sv, u"a\u30FBb"sv},
             // A lead byte at the very end, or before a NUL, stands alone.
             Case{"a\x93"sv, u"a\u30FB"sv},
             Case{"\x93\0z"sv, u"\u30FB\0z"sv},
             // Bytes no character starts with keep a character of their own.
             Case{"\x80\xA0\xFD\xFF"sv, u"\u0080\uF8F0\uF8F1\uF8F3"sv},
         }) {
        EXPECT_EQ(platform.DecodeCodePage(932, std::string(c.bytes)), c.text) << c.bytes;
    }
    // Code page 874 reads every byte as one character.
    EXPECT_EQ(platform.DecodeCodePage(874, "\xDB\xA1\xFF"), u"\uF8C1\u0E01\uF8C8");
}

TEST(FakeFiles, CopyWithNoOverwriteLeavesAnExistingFileAlone) {
    FakePlatform platform;
    platform.PutFile(u"C:\\a\\src.txt", "new");
    platform.PutFile(u"C:\\b\\dst.txt", "old");
    EXPECT_FALSE(platform.CopyFileTo(u"C:\\a\\src.txt", u"C:\\b\\dst.txt", true));
    EXPECT_EQ(*platform.ReadWholeFile(u"C:\\b\\dst.txt"), "old");
    EXPECT_TRUE(platform.CopyFileTo(u"C:\\a\\src.txt", u"C:\\b\\dst.txt", false));
    EXPECT_EQ(*platform.ReadWholeFile(u"C:\\b\\dst.txt"), "new");
    EXPECT_TRUE(platform.CopyFileTo(u"C:\\a\\src.txt", u"C:\\b\\other.txt", true));
    EXPECT_FALSE(platform.CopyFileTo(u"C:\\a\\none.txt", u"C:\\b\\x.txt", false));
}

TEST(FakeFiles, PathsAreCaseInsensitiveAndFoldersNeedParents) {
    FakePlatform platform;
    EXPECT_FALSE(platform.ReplaceFileContents(u"C:\\no\\such\\f.txt", "x"));
    EXPECT_TRUE(platform.CreateDirectories(u"C:\\No\\Such"));
    EXPECT_TRUE(platform.DirectoryExists(u"c:\\no"));
    EXPECT_TRUE(platform.ReplaceFileContents(u"C:\\no\\such\\f.txt", "x"));
    EXPECT_TRUE(platform.FileExists(u"C:\\NO\\SUCH\\F.TXT"));
    // A file in the way of a folder.
    EXPECT_FALSE(platform.CreateDirectories(u"C:\\no\\such\\f.txt\\deeper"));
}

TEST(FakeFiles, ListFilesMatchesPatternInOneFolderOnly) {
    FakePlatform platform;
    platform.PutFile(u"C:\\s\\Leaf360.txt", "");
    platform.PutFile(u"C:\\s\\leaf350.TXT", "");
    platform.PutFile(u"C:\\s\\Leaf360.txta", "");
    platform.PutFile(u"C:\\s\\notes.txt", "");
    platform.PutFile(u"C:\\s\\sub\\Leaf1.txt", "");
    auto names = platform.ListFiles(u"C:\\s", u"Leaf*.txt");
    EXPECT_EQ(names, (std::vector<std::u16string>{u"leaf350.TXT", u"Leaf360.txt"}));
}

struct WildcardCase {
    const char16_t* pattern;
    const char16_t* name;
    bool matches;
};

TEST(Wildcard, Cases) {
    const WildcardCase cases[] = {
        {u"*.utx", u"book.utx", true},     {u"*.utx", u"book.utx.bak", false},
        {u"DB*.csv", u"dbthai.CSV", true}, {u"DB*.csv", u"CandThai.csv", false},
        {u"a?c", u"abc", true},            {u"a?c", u"ac", false},
        {u"*", u"", true},                 {u"*a*b*", u"xxaxxbxx", true},
        {u"*a*b", u"ba", false},           {u"Leaf*.txt", u"Leaf.txt", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches)
            << std::string(c.pattern, c.pattern + std::char_traits<char16_t>::length(c.pattern));
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(FakeTimers, FireInTimeOrderAndStopFromTheirOwnCallback) {
    FakePlatform platform;
    std::vector<std::string> log;
    platform.StartTimer(1, 250, [&] { log.push_back("search@" + std::to_string(platform.now)); });
    platform.StartTimer(2, 100, [&] {
        log.push_back("paste@" + std::to_string(platform.now));
        platform.StopTimer(2);
    });
    platform.AdvanceTime(600);
    EXPECT_EQ(log, (std::vector<std::string>{"paste@100", "search@250", "search@500"}));
    EXPECT_TRUE(platform.TimerRunning(1));
    EXPECT_FALSE(platform.TimerRunning(2));
    // Restarting counts the interval from now.
    platform.StartTimer(1, 250, [&] { log.push_back("again@" + std::to_string(platform.now)); });
    platform.AdvanceTime(300);
    EXPECT_EQ(log.back(), "again@850");
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

// As Windows answers: installed families only, in their order, no vertical
// names, and a family counts only when it has every character of the sample.
TEST(FakeFonts, FamiliesWithGlyphsAreTheInstalledOnesCoveringTheWholeSample) {
    FakePlatform platform;
    platform.installedFonts = {u"Noto Sans Thai", u"@Noto Sans Thai", u"Segoe UI",
                               u"Leelawadee UI"};
    platform.fontGlyphCoverage = {{u"Noto Sans Thai", u"\u0E01\u0E02"},
                                  {u"@Noto Sans Thai", u"\u0E01\u0E02"},
                                  {u"Segoe UI", u"A"},
                                  {u"Leelawadee UI", u"\u0E01\u0E81"},
                                  {u"Not Installed", u"\u0E01"}};
    struct Case {
        std::u16string sample;
        std::vector<std::u16string> families;
    };
    const Case cases[] = {
        {u"\u0E01", {u"Noto Sans Thai", u"Leelawadee UI"}},
        {u"\u0E01\u0E81", {u"Leelawadee UI"}},
        {u"A", {u"Segoe UI"}},
        {u"\u1780", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.sample[0]));
        EXPECT_EQ(platform.FontFamiliesWithGlyphs(c.sample), c.families);
    }
}

}  // namespace
}  // namespace tess
