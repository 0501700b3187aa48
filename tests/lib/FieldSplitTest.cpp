#include "lib/FieldSplit.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

using Fields = std::vector<std::u16string>;

struct SplitCase {
    const char* name;
    std::u16string line;
    Fields fields;
};

std::string CaseName(const ::testing::TestParamInfo<SplitCase>& info) {
    return info.param.name;
}

// Lines on which both splitters agree.
const SplitCase kCommonCases[] = {
    {"BlankLine", u"", {}},
    {"OnlyBlanks", u" \t ", {}},
    {"Plain", u"Group,3,\"Aのグループ\"", {u"Group", u"3", u"Aのグループ"}},
    {"QuotedCommaAndBlanks", u"\"a, b\",\" c \"", {u"a, b", u" c "}},
    {"DoubledQuote", u"\"say \"\"hi\"\"\",x", {u"say \"hi\"", u"x"}},
    {"OnlyADoubledQuote", u"\"\"\"\"", {u"\""}},
    {"EmptyQuoted", u"\"\",\"\"", {u"", u""}},
    {"UnquotedBlanksSplit", u"ThaiFont,Times New Roman", {u"ThaiFont", u"Times", u"New", u"Roman"}},
    {"BlanksAroundCommas", u"  a  ,\t b ,c  ", {u"a", u"b", u"c"}},
    {"EmptyBetweenCommas", u"a,,b", {u"a", u"", u"b"}},
    {"LeadingComma", u",a", {u"", u"a"}},
    {"TrailingComma", u"a,b,", {u"a", u"b", u""}},
    {"OnlyAComma", u",", {u"", u""}},
    // Only a comma that is the last character adds a field.
    {"TrailingCommaThenBlank", u"a,b, ", {u"a", u"b"}},
    {"TextAfterClosingQuote", u"\"ab\"cd,e", {u"ab", u"cd", u"e"}},
    {"QuotedThenQuoted", u"\"a\" \"b\"", {u"a", u"b"}},
    {"StrayQuoteSplitsARow", u"1,\"0E01\",\"ko \"kai\"\",\"\",\"0\",\"\"",
     {u"1", u"0E01", u"ko ", u"kai\"\"", u"", u"0", u""}},
    {"MissingClosingQuote", u"a,\"b, c", {u"a", u"b, c"}},
    {"MissingClosingQuoteAfterDoubled", u"\"b\"\"", {u"b\""}},
    {"QuoteInsideUnquotedField", u"a\"b,c", {u"a\"b", u"c"}},
    {"ControlCharactersSeparate", u"a\x01" u"b\x1F" u"c", {u"a", u"b", u"c"}},
    {"NonAsciiIsNoBlank", u"ก\u3000ข", {u"ก\u3000ข"}},
};

class SplitTableFieldsTest : public ::testing::TestWithParam<SplitCase> {};
class SplitWordBookFieldsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTableFieldsTest, Splits) {
    EXPECT_EQ(SplitTableFields(GetParam().line), GetParam().fields);
}

TEST_P(SplitWordBookFieldsTest, Splits) {
    EXPECT_EQ(SplitWordBookFields(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Common, SplitTableFieldsTest, ::testing::ValuesIn(kCommonCases),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Common, SplitWordBookFieldsTest, ::testing::ValuesIn(kCommonCases),
                         CaseName);

// A NUL is a blank for the tables but ends a word book line.
INSTANTIATE_TEST_SUITE_P(
    Nul, SplitTableFieldsTest,
    ::testing::Values(SplitCase{"Separates", std::u16string(u"a\0b,c", 5), {u"a", u"b", u"c"}},
                      SplitCase{"InsideQuotesIsText", std::u16string(u"\"a\0b\"", 5),
                                {std::u16string(u"a\0b", 3)}},
                      SplitCase{"Leading", std::u16string(u"\0a", 2), {u"a"}}),
    CaseName);
INSTANTIATE_TEST_SUITE_P(
    Nul, SplitWordBookFieldsTest,
    ::testing::Values(SplitCase{"EndsTheLine", std::u16string(u"a\0b,c", 5), {u"a"}},
                      SplitCase{"EndsAQuotedField", std::u16string(u"\"a\0b\",c", 7), {u"a"}},
                      SplitCase{"Leading", std::u16string(u"\0a,b", 4), {}},
                      SplitCase{"AfterTrailingComma", std::u16string(u"a,\0", 3), {u"a", u""}}),
    CaseName);

TEST(SplitWordBookFields, EntryLineAsWritten) {
    EXPECT_EQ(SplitWordBookFields(u"\"กา\",\"kaː\",\"カー\",\"烏\",\"a, \"\"b\"\"\",\"ka.mp3\",\"#FF0000\""),
              (Fields{u"กา", u"kaː", u"カー", u"烏", u"a, \"b\"", u"ka.mp3", u"#FF0000"}));
    // Stored "#$22" and "#$0D" are left for the word book to decode.
    EXPECT_EQ(SplitWordBookFields(u"\"#$22x#$22\",\"a#$0Db\",\"\",\"\",\"\",\"\",\"\""),
              (Fields{u"#$22x#$22", u"a#$0Db", u"", u"", u"", u"", u""}));
}

TEST(SplitWordBookFields, CommaAfterTheSeventhFieldMakesEight) {
    const Fields fields =
        SplitWordBookFields(u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"\",");
    EXPECT_EQ(fields, (Fields{u"a", u"b", u"c", u"d", u"e", u"f", u"", u""}));
}

}  // namespace
}  // namespace tess
