#include "app/TextFileCommands.h"

#include <gtest/gtest.h>

#include "lib/TextFile.h"

namespace tess {
namespace {

TEST(WithCrLfLineEnds, EveryKindOfLineEndBecomesCrLf) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"a\r\nb", u"a\r\nb"},
        {u"a\nb\n", u"a\r\nb\r\n"},
        {u"a\rb", u"a\r\nb"},
        {u"a\n\rb", u"a\r\n\r\nb"},  // LF then CR: two line ends
        {u"\r\r\n", u"\r\n\r\n"},
        {u"", u""},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(WithCrLfLineEnds(text), expected) << Utf16ToUtf8(text);
    }
}

TEST(TextFilePaths, NameFolderAndQuestion) {
    EXPECT_EQ(FileNameOf(u"C:\\a\\b.txt"), u"b.txt");
    EXPECT_EQ(FolderOf(u"C:\\a\\b.txt"), u"C:\\a");
    EXPECT_EQ(FolderOf(u"C:\\b.txt"), u"C:\\");
    EXPECT_EQ(OverwriteQuestion(u"C:\\a\\ก.txt"),
              u"すでに\"ก.txt\"と名前が同じファイルが存在しますが、上書きしますか？");
}

}  // namespace
}  // namespace tess
