#include "lib/FileFailure.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

TEST(FileFailureText, NamesTheFileAndTheActionAndSaysASavedFileIsWhole) {
    const struct {
        FileAction action;
        std::u16string what;
        std::u16string text;
    } cases[] = {
        {FileAction::Save, u"単語帳",
         u"単語帳「C:\\Books\\Thai.utx」を保存できませんでした。ファイルは元のままです。"},
        {FileAction::Create, u"辞書ファイル", u"辞書ファイル「C:\\Books\\Thai.utx」を作成できませんでした。"},
        {FileAction::Delete, u"単語帳", u"単語帳「C:\\Books\\Thai.utx」を削除できませんでした。"},
        {FileAction::Save, u"", u"「C:\\Books\\Thai.utx」を保存できませんでした。ファイルは元のままです。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileFailureText(c.action, c.what, u"C:\\Books\\Thai.utx"), c.text);
}

TEST(ReportFileFailure, IsAWarningWithTheYesButton) {
    FakePlatform fake;
    ReportFileFailure(fake, FileAction::Create, u"候補ファイル", u"C:\\T\\CandX.csv");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, u"候補ファイル「C:\\T\\CandX.csv」を作成できませんでした。");
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Yes);
}

}  // namespace
}  // namespace tess
