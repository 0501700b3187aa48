#include "tables/TableFields.h"

#include <gtest/gtest.h>

#include "tables/TableFixtures.h"

namespace tess {
namespace {

TEST(TableNumber, DecimalIntegersElseZero) {
    struct Case {
        const char16_t* field;
        std::int32_t value;
    };
    for (const Case& c : {
             Case{u"0", 0}, Case{u"2", 2}, Case{u"27", 27}, Case{u"-3", -3}, Case{u"+4", 4},
             Case{u"007", 7}, Case{u"2147483647", 2147483647},
             Case{u"-2147483648", -2147483647 - 1},
             // Out of range, or not a plain decimal: 0.
             Case{u"2147483648", 0}, Case{u"-2147483649", 0}, Case{u"99999999999999999999", 0},
             Case{u"", 0}, Case{u"-", 0}, Case{u" 1", 0}, Case{u"1 ", 0}, Case{u"0x1B", 0},
             Case{u"1.0", 0}, Case{u"\uFF11", 0},  // a full-width digit
         }) {
        SCOPED_TRACE(testing::U8(c.field));
        EXPECT_EQ(TableNumber(c.field), c.value);
    }
}

TEST(QuoteTableField, DoublesQuotesInside) {
    EXPECT_EQ(QuoteTableField(u""), u"\"\"");
    EXPECT_EQ(QuoteTableField(u"a, b"), u"\"a, b\"");
    EXPECT_EQ(QuoteTableField(u"\"x\"\""), u"\"\"\"x\"\"\"\"\"");
}

}  // namespace
}  // namespace tess
