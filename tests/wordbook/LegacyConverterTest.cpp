#include "wordbook/LegacyConverter.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kSource = u"C:\\Quillory\\Morvane\\bookA";
const std::u16string kDest = u"C:\\Users\\u\\bookA";

class LegacyConverterTest : public ::testing::Test {
protected:
    void SetUp() override { fake.CreateDirectories(kDest); }
    // A four-line file: the Thai word in code page 874, the rest in 932.
    void PutFourLine(const std::u16string& name, const std::u16string& count,
                     const std::vector<std::array<std::u16string, 4>>& words) {
        Bytes bytes = fake.EncodeCodePage(932, u"古い単語帳\r\n" + count + u"\r\n");
        for (const auto& w : words) {
            bytes += fake.EncodeCodePage(932, w[0] + u"\r\n" + w[1] + u"\r\n" + w[2] + u"\r\n");
            bytes += fake.EncodeCodePage(874, w[3] + u"\r\n");
        }
        fake.PutFile(kSource + u"\\" + name, bytes);
    }
    std::optional<WordBookFile> Converted(const std::u16string& name) {
        return ReadWordBookFile(fake, kDest, name);
    }
    FakePlatform fake;
};

TEST_F(LegacyConverterTest, FourLineRecordsTakeEachLineFromItsCodePage) {
    PutFourLine(u"a.twd", u"2", {{u"鶏", u"カイ", u"\"動物\"", u"ไก่"}, {u"卵", u"カイ", u"", u"\"ไข่\""}});
    LegacyConverter converter(fake, kDest);
    const auto outcome = converter.Convert(kDest);
    EXPECT_EQ(outcome.generated, std::vector<std::u16string>{u"a.utx"});
    const auto book = Converted(u"a.utx");
    ASSERT_TRUE(book);
    EXPECT_EQ(book->book.title, u"古い単語帳");
    ASSERT_EQ(book->book.entries.size(), 2u);
    // No word lost: the quoted note is stored as "#$22" and reads back whole.
    EXPECT_EQ(book->book.entries[0], (WordEntry{u"ไก่", u"", u"カイ", u"鶏", u"\"動物\"", u"", u""}));
    EXPECT_EQ(book->book.entries[1].foreignWord, u"ไข่");  // its own quotes removed
    EXPECT_EQ(book->lineCount, 2u);
}

TEST_F(LegacyConverterTest, SevenLineRecordsKeepAudioAndColour) {
    fake.PutFile(u"C:\\Quillory\\Mendrac\\bookA\\b.tud",
                 EncodeUtf16Lines({u"題", u"1", u"D:\\audio", u"鶏", u"ไก่", u"kàj", u"カイ",
                                   u"一#$0D二", u"kai.mp3", u"#FF0000"}));
    LegacyConverter converter(fake, kDest);
    converter.ChooseMode(4);
    ASSERT_EQ(converter.SourceFiles(), std::vector<std::u16string>{u"b.tud"});
    converter.Convert(kDest);
    const auto book = Converted(u"b.utx");
    ASSERT_TRUE(book);
    EXPECT_EQ(book->book.audioFolder, u"D:\\audio");
    EXPECT_EQ(book->book.entries.at(0),
              (WordEntry{u"ไก่", u"kàj", u"カイ", u"鶏", u"一#$0D二", u"kai.mp3", u"#FF0000"}));
}

TEST_F(LegacyConverterTest, ANulInAnOldFileDoesNotCostTheWord) {
    fake.PutFile(u"C:\\Quillory\\Mendrac\\bookA\\n.tud",
                 EncodeUtf16Lines({u"題", u"1", u"", u"鶏", u"ไก่", u"", u"", u"",
                                   std::u16string(u"k\0.mp3", 6), u""}));
    LegacyConverter converter(fake, kDest);
    converter.ChooseMode(4);
    converter.Convert(kDest);
    const auto book = Converted(u"n.utx");
    ASSERT_TRUE(book);
    ASSERT_EQ(book->book.entries.size(), 1u);
    EXPECT_EQ(book->book.entries[0].audioFile, u"k.mp3");
}

TEST_F(LegacyConverterTest, NamesGetFullWidthParenthesesAndAreNeverOverwritten) {
    PutFourLine(u"x(1).twd", u"0", {});
    LegacyConverter converter(fake, kDest);
    EXPECT_EQ(converter.Convert(kDest).generated, std::vector<std::u16string>{u"x（1）.utx"});
    EXPECT_EQ(converter.Convert(kDest).generated, std::vector<std::u16string>{u"x（1）(1).utx"});
    EXPECT_EQ(converter.Convert(kDest).generated, std::vector<std::u16string>{u"x（1）(2).utx"});
    EXPECT_EQ(ConvertedName(u"a.b.twd"), u"a.b.utx");
}

TEST_F(LegacyConverterTest, AModeListsOnlyItsExtension) {
    fake.PutFile(u"C:\\Quillory\\Dovrec\\bookA\\k.kwd", "x");
    fake.PutFile(u"C:\\Quillory\\Dovrec\\bookA\\t.twd", "x");
    LegacyConverter converter(fake, kDest);
    converter.ChooseMode(0);
    EXPECT_EQ(converter.SourceFolder(), u"C:\\Quillory\\Dovrec\\bookA");
    EXPECT_EQ(converter.SourceFiles(), std::vector<std::u16string>{u"k.kwd"});
}

TEST_F(LegacyConverterTest, AShortFileIsNamedAndTheRunGoesOn) {
    fake.PutFile(kSource + u"\\a.twd", fake.EncodeCodePage(932, u"題だけ"));
    PutFourLine(u"b.twd", u"1", {{u"鶏", u"カイ", u"", u"ไก่"}});
    LegacyConverter converter(fake, kDest);
    const auto outcome = converter.Convert(kDest);
    EXPECT_EQ(outcome.notConverted, std::vector<std::u16string>{u"a.twd"});
    EXPECT_EQ(outcome.generated, std::vector<std::u16string>{u"b.utx"});
    ASSERT_FALSE(fake.messages.empty());
    EXPECT_EQ(fake.messages.back().text,
              u"1個のファイルを変換しました。\r\n次のファイルは変換できませんでした：\r\na.twd");
}

TEST_F(LegacyConverterTest, AMissingDestinationIsMadeOnlyAfterYes) {
    PutFourLine(u"a.twd", u"0", {});
    LegacyConverter converter(fake, kDest);
    const std::u16string missing = u"C:\\new\\books";
    EXPECT_FALSE(converter.Convert(missing).ran);  // answered No
    EXPECT_EQ(fake.messages.back().text, u"参照ボタンを用いて別の保存先フォルダを指定して下さい。");
    EXPECT_FALSE(fake.DirectoryExists(missing));
    fake.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(converter.Convert(missing).ran);
    EXPECT_TRUE(fake.FileExists(missing + u"\\a.utx"));
}

}  // namespace
}  // namespace tess
