#include "lib/FieldSplit.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <utility>

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

// The quick reader of the written shape against the full word book rules:
// wherever it takes a line, it must give the fields the full rules give;
// and it must take the lines the program writes, or big books load slowly.
struct PlainCase {
    const char* name;
    std::u16string line;
    bool taken;
};

const PlainCase kPlainCases[] = {
    {"AsWritten", u"\"กา\",\"kaː\",\"カー\"", true},
    {"EmptyFields", u"\"\",\"\",\"\"", true},
    {"CommasAndBlanksInside", u"\" a, b \",\"\t\",\", \"", true},
    {"ControlCharactersInside", u"\"\x01\",\"a\x1F" u"b\",\"\x7F\"", true},
    {"EscapesStayText", u"\"#$22\",\"#$0D\",\"#\"", true},
    {"DoubledQuoteAtTheEnd", u"\"a\",\"b\",\"c\"\"", false},
    {"DoubledQuote", u"\"say \"\"hi\"\"\",\"b\",\"c\"", false},
    {"OnlyADoubledQuote", u"\"\"\"\",\"b\",\"c\"", false},
    {"MissingClosingQuote", u"\"a\",\"b\",\"c", false},
    {"MissingClosingQuoteInTheMiddle", u"\"a\",\"b,\"c\"", false},
    {"BlankBeforeTheLine", u" \"a\",\"b\",\"c\"", false},
    {"BlankBeforeAField", u"\"a\", \"b\",\"c\"", false},
    {"TabBeforeAField", u"\"a\",\t\"b\",\"c\"", false},
    {"BlankBeforeAComma", u"\"a\" ,\"b\",\"c\"", false},
    {"BlankAtTheEnd", u"\"a\",\"b\",\"c\" ", false},
    {"TrailingComma", u"\"a\",\"b\",\"c\",", false},
    {"TrailingCommaAfterTwo", u"\"a\",\"b\",", false},
    {"OneFieldMore", u"\"a\",\"b\",\"c\",\"d\"", false},
    {"OneFieldLess", u"\"a\",\"b\"", false},
    {"UnquotedField", u"\"a\",b,\"c\"", false},
    {"UnquotedLine", u"a,b,c", false},
    {"EmptyBetweenCommas", u"\"a\",,\"c\"", false},
    {"TextAfterAClosingQuote", u"\"a\"x,\"b\",\"c\"", false},
    {"QuotedThenQuoted", u"\"a\"\"b\"\"c\"", false},
    {"EmptyLine", u"", false},
    {"OnlyBlanks", u" \t", false},
    {"NulInsideAField", std::u16string(u"\"a\0b\",\"b\",\"c\"", 13), false},
    {"NulAfterTheLastField", std::u16string(u"\"a\",\"b\",\"c\"\0x", 13), false},
    {"NulBeforeTheLine", std::u16string(u"\0\"a\",\"b\",\"c\"", 12), false},
};

void PrintTo(const PlainCase& c, std::ostream* os) { *os << c.name; }

// The units little-endian, as a word book stores them.
Bytes Le(std::u16string_view text) {
    Bytes bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// What the quick reader gives for `text`: the line length and the field
// texts, or nothing; once over the text, once over its stored bytes.
template <std::size_t N>
std::optional<std::pair<std::size_t, Fields>> PlainSplit(std::u16string_view text,
                                                         bool fromBytes) {
    std::array<QuotedField, N> fields;
    const Bytes bytes = Le(text);
    const std::size_t length = fromBytes ? SplitPlainQuotedLine(Utf16LEUnits(bytes), fields)
                                         : SplitPlainQuotedLine(text, fields);
    if (length == std::u16string_view::npos) return std::nullopt;
    Fields texts;
    for (const QuotedField& f : fields) {
        const std::u16string_view field = text.substr(f.pos, f.size);
        EXPECT_EQ(f.hasNumberSign, field.find(u'#') != std::u16string_view::npos);
        texts.emplace_back(field);
    }
    return std::pair{length, texts};
}

class SplitPlainQuotedLineTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(SplitPlainQuotedLineTest, AgreesWithTheWordBookRules) {
    const PlainCase& c = GetParam();
    // The line alone, and followed by each line end and the next line.
    for (const std::u16string_view after : {u"", u"\r\n\"x\",\"y\",\"z\"", u"\r", u"\n\"x\""}) {
        for (const bool fromBytes : {false, true}) {
            SCOPED_TRACE(::testing::PrintToString(std::u16string(after)) +
                         (fromBytes ? " bytes" : " text"));
            const auto split = PlainSplit<3>(c.line + std::u16string(after), fromBytes);
            EXPECT_EQ(split.has_value(), c.taken);
            if (!split) continue;
            EXPECT_EQ(split->first, c.line.size());
            EXPECT_EQ(split->second, SplitWordBookFields(c.line));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, SplitPlainQuotedLineTest, ::testing::ValuesIn(kPlainCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitPlainQuotedLine, TakesAWrittenEntryLine) {
    const std::u16string line =
        u"\"กา\",\"kaː\",\"カー\",\"烏 #$22黒#$22\",\"a#$0Db\",\"ka.mp3\",\"#FF0000\"";
    for (const bool fromBytes : {false, true}) {
        const auto split = PlainSplit<7>(line + u"\r\n", fromBytes);
        ASSERT_TRUE(split);
        EXPECT_EQ(split->first, line.size());
        EXPECT_EQ(split->second, SplitWordBookFields(line));
    }
}

}  // namespace
}  // namespace tess
