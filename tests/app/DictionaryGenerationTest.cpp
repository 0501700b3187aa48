#include "app/DictionaryGeneration.h"

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

class DictionaryGenerationTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.WriteSettings({u"DicFlg,1"});
        world.Start();
    }
    bool Run(std::vector<MessageAnswer> answers) {
        world.fake.scriptedAnswers = std::move(answers);
        return RunDictionaryGeneration(world.fake, world.folders, world.model.wordBooks());
    }
    std::optional<Lines> Book(const std::u16string& name) {
        return ReadWordBookLines(world.fake, world.folders.ThaiDicFolder + u"\\" + name);
    }
    MainWindowWorld world;
};

TEST_F(DictionaryGenerationTest, FortyFiveEmptyBooksThenANumberedSetNeverOverwriting) {
    ASSERT_TRUE(Run({MessageAnswer::Yes, MessageAnswer::Yes}));
    EXPECT_EQ(Book(u"T辞書（Alpha）.utx"), (Lines{u"辞書（Alpha）", u"辞書", u""}));
    EXPECT_EQ(Book(u"T辞書（わ）.utx"), (Lines{u"辞書（わ）", u"辞書", u""}));
    EXPECT_EQ(world.wordBookPort.bookRows.size(), 45u);  // listed at once

    // Edited, then a second run: the first set stays, the second is numbered.
    world.fake.PutFile(world.folders.ThaiDicFolder + u"\\T辞書（あ）.utx",
                       EncodeUtf16Lines({u"辞書（あ）", u"辞書", u"", u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\""}));
    ASSERT_TRUE(Run({MessageAnswer::Yes, MessageAnswer::No}));
    EXPECT_EQ(Book(u"T1辞書（あ）.utx"), (Lines{u"辞書（あ）", u"辞書1", u""}));
    EXPECT_EQ(Book(u"T辞書（あ）.utx")->size(), 4u);
    EXPECT_EQ(world.wordBookPort.bookRows.size(), 45u);  // not listed again yet
    EXPECT_EQ(world.fake.ListFiles(world.folders.ThaiDicFolder, u"*.utx").size(), 90u);
}

TEST_F(DictionaryGenerationTest, NoWritesNothingAndAnotherFolderTakesX) {
    EXPECT_FALSE(Run({MessageAnswer::No}));
    EXPECT_TRUE(world.fake.ListFiles(world.folders.ThaiDicFolder, u"*.utx").empty());
    EXPECT_EQ(DictionaryPrefix(world.folders, world.folders.KhmerDicFolder), u"K");
    EXPECT_EQ(DictionaryPrefix(world.folders, world.folders.ThaiBookFolder), u"X");
    EXPECT_EQ(DictionaryLabels().size(), 45u);
}

TEST_F(DictionaryGenerationTest, AFailedWriteStopsAndIsReported) {
    world.fake.FailWritesTo(world.folders.ThaiDicFolder + u"\\T辞書（い）.utx");
    EXPECT_FALSE(Run({MessageAnswer::Yes}));
    EXPECT_TRUE(Book(u"T辞書（あ）.utx"));
    EXPECT_FALSE(Book(u"T辞書（う）.utx"));
    EXPECT_NE(world.fake.messages.back().text.find(u"作成できませんでした"), std::u16string::npos);
}

}  // namespace
}  // namespace tess
