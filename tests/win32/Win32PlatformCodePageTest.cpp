#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Platform.h"
#include "../shared/CodePageCases.h"

namespace tess {
namespace {

TEST(Win32PlatformCodePages, DecodeAndEncodeAgreeWithTheSharedTable) {
    Win32Platform platform;
    for (const testing::CodePageCase& c : testing::kCodePageCases) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(platform.DecodeCodePage(c.codePage, c.bytes), std::u16string(c.text));
        EXPECT_EQ(platform.EncodeCodePage(c.codePage, c.text), std::string(c.bytes));
    }
}

TEST(Win32PlatformCodePages, CharactersTheCodePageLacksBecomeQuestionMarks) {
    Win32Platform platform;
    struct Case {
        unsigned codePage;
        const char16_t* text;
        const char* bytes;
    };
    for (const Case& c : {
             Case{1252, u"a\u0E01b", "a?b"},          // Thai in Western
             Case{874, u"\u65E5\u0E01", "?\xA1"},      // Japanese in Thai
             Case{932, u"x\u0E01\u0E02y", "x??y"},     // Thai in Japanese
             Case{1251, u"\u00E9\u0416", "?\xC6"},     // é in Cyrillic
             Case{1252, u"\u0101\u0142", "??"},        // letters Windows would "best fit" to a, l
         }) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(platform.EncodeCodePage(c.codePage, c.text), std::string(c.bytes));
    }
}

TEST(Win32PlatformCodePages, EmptyStaysEmpty) {
    Win32Platform platform;
    for (const testing::CodePageCase& c : testing::kCodePageCases) {
        EXPECT_EQ(platform.DecodeCodePage(c.codePage, ""), u"");
        EXPECT_EQ(platform.EncodeCodePage(c.codePage, u""), "");
    }
}

}  // namespace
}  // namespace tess
