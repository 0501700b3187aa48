#include "platform/Wildcard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "shared/WildcardCases.h"

namespace tess {
namespace {

std::string Hex(char16_t c) {
    char text[8];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

std::string Ascii(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? std::string(1, static_cast<char>(c)) : Hex(c);
    return out;
}

TEST(FoldCase, LowerPartnersOfTheFoldedBlocksOnly) {
    struct Case {
        char16_t in;
        char16_t out;
    };
    const Case cases[] = {
        // ASCII: letters only.
        {u'A', u'a'}, {u'Z', u'z'}, {u'a', u'a'}, {u'@', u'@'}, {u'[', u'['}, {u'1', u'1'},
        // Latin-1: À..Þ but not ×; ß and ÿ stay.
        {0xC0, 0xE0}, {0xDE, 0xFE}, {0xD7, 0xD7}, {0xDF, 0xDF}, {0xE0, 0xE0}, {0xFF, 0xFF},
        // Latin Extended-A: even pairs, odd pairs, Ÿ, and the letters without a partner.
        {0x100, 0x101}, {0x101, 0x101}, {0x132, 0x133}, {0x136, 0x137}, {0x139, 0x13A},
        {0x147, 0x148}, {0x14A, 0x14B}, {0x176, 0x177}, {0x178, 0xFF}, {0x179, 0x17A},
        {0x17D, 0x17E}, {0x130, 0x130}, {0x131, 0x131}, {0x138, 0x138}, {0x149, 0x149},
        {0x17F, 0x17F},
        // Cyrillic: Ѐ..Џ and А..Я.
        {0x400, 0x450}, {0x40F, 0x45F}, {0x410, 0x430}, {0x42F, 0x44F}, {0x430, 0x430},
        // Everything else compares exactly.
        {0x391, 0x391}, {0xFF21, 0xFF21}, {0x0E01, 0x0E01},
    };
    for (const Case& c : cases) EXPECT_EQ(FoldCase(c.in), c.out) << Hex(c.in);
}

// The listing table of both platforms, through the matcher alone and through
// the fake platform's listing.
TEST(WildcardListing, SharedCasesMatchTheSameNames) {
    FakePlatform platform;
    for (const std::u16string& name : testing::kListingFiles)
        platform.PutFile(u"C:\\list\\" + name, "x");
    for (const std::u16string& folder : testing::kListingSubFolders)
        ASSERT_TRUE(platform.CreateDirectories(u"C:\\list\\" + folder));

    for (const testing::ListingCase& c : testing::kListingCases) {
        SCOPED_TRACE(Ascii(c.pattern));
        std::vector<std::u16string> matched;
        for (const std::u16string& name : testing::kListingFiles)
            if (WildcardMatch(c.pattern, name)) matched.push_back(name);
        std::sort(matched.begin(), matched.end());
        EXPECT_EQ(matched, c.names);

        std::vector<std::u16string> listed = platform.ListFiles(u"C:\\list", c.pattern);
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, c.names);
    }
}

}  // namespace
}  // namespace tess
