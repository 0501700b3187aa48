#include "lib/CombiningMarks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tess {
namespace {

std::string Hex(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%04X ", static_cast<unsigned>(c));
        out += buffer;
    }
    return out;
}

TEST(CellDrawText, ALoneMarkStandsOnADottedCircle) {
    struct Case {
        const char* name;
        std::u16string text;
        bool circled;
    };
    const Case cases[] = {
        {"Thai mai han-akat", u"\u0E31", true},
        {"Thai sara i", u"\u0E34", true},
        {"Thai phinthu", u"\u0E3A", true},
        {"Thai mai ek", u"\u0E48", true},
        {"Thai yamakkan", u"\u0E4E", true},
        {"Lao mai kan", u"\u0EB1", true},
        {"Lao mai ek", u"\u0EC8", true},
        {"Khmer sign i", u"\u17B7", true},
        {"Khmer nikahit", u"\u17C6", true},
        {"Khmer coeng", u"\u17D2", true},
        {"Myanmar vowel sign i", u"\u102D", true},
        {"Myanmar dot below", u"\u1037", true},
        {"Myanmar asat", u"\u103A", true},
        {"IPA grave, the first diacritic", u"\u0300", true},
        {"IPA tilde", u"\u0303", true},
        {"IPA syllabic mark", u"\u0329", true},
        {"IPA tie bar", u"\u0361", true},
        {"the last of the diacritics block", u"\u036F", true},
        {"an enclosing mark", u"\u20DD", true},
        {"a mark beyond the BMP", u"\U0001D167", true},
        {"a Thai consonant", u"\u0E01", false},
        {"Thai sara am, a letter", u"\u0E33", false},
        {"Thai sara a", u"\u0E30", false},
        {"Khmer aa, a spacing mark", u"\u17B6", false},
        {"Myanmar aa, a spacing mark", u"\u102C", false},
        {"IPA schwa", u"\u0259", false},
        {"a modifier letter", u"\u02B0", false},
        {"the letter before the diacritics", u"\u02FF", false},
        {"the letter after them", u"\u0370", false},
        {"a Latin letter", u"a", false},
        {"the empty cell", u"", false},
        {"a consonant with its tone mark", u"\u0E01\u0E48", false},
        {"two marks", u"\u0E34\u0E48", false},
        {"a letter beyond the BMP", u"\U0001D400", false},
        {"a lone high surrogate", u"\xD834", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsLoneCombiningMark(c.text), c.circled);
        const std::u16string expected = c.circled ? u"\u25CC" + c.text : c.text;
        EXPECT_EQ(CellDrawText(c.text), expected) << Hex(CellDrawText(c.text));
    }
}

TEST(CellDrawText, EveryDiacriticOfTheIpaBlockIsAMark) {
    for (char16_t c = 0x0300; c <= 0x036F; ++c) {
        EXPECT_TRUE(IsNonspacingMark(c)) << Hex(std::u16string(1, c));
    }
}

}  // namespace
}  // namespace tess
