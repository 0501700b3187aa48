#include "transfer/TransferModes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

TEST(TransferModes, DisplayTextsAndMenuCaptionsFollowTheLanguage) {
    struct Case {
        int mode;
        std::u16string display;
        std::u16string caption;
    };
    const std::vector<Case> cases = {
        {1, u"ﾗｵｽ語 ﾘｯﾁ1", u"ﾗｵｽ語　リッチテキスト1　（標準転送）"},
        {2, u"ﾗｵｽ語 ﾘｯﾁ2", u"ﾗｵｽ語　リッチテキスト2"},
        {3, u"ﾗｵｽ語 Uni16", u"ﾗｵｽ語　Unicode16進　数値文字参照"},
        {4, u"ﾗｵｽ語 Uni10", u"ﾗｵｽ語　Unicode10進　数値文字参照"},
        {5, u"ﾗｵｽ語 ﾃｷｽﾄ", u"ﾗｵｽ語　Unicodeテキスト"},
        {11, u"発音記号 ﾘｯﾁ", u"発音記号　リッチテキスト"},
        {12, u"発音記号 Uni16", u"発音記号　Unicode16進　数値文字参照"},
        {13, u"発音記号 Uni10", u"発音記号　Unicode10進　数値文字参照"},
        {14, u"発音記号 ﾃｷｽﾄ", u"発音記号　Unicodeテキスト"},
        {0, u"", u""},
        {6, u"", u""},
        {15, u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(TransferModeDisplay(c.mode, u"ﾗｵｽ語"), c.display);
        EXPECT_EQ(TransferMenuCaption(c.mode, u"ﾗｵｽ語"), c.caption);
        EXPECT_EQ(IsTransferMode(c.mode), !c.display.empty());
    }
}

TEST(TransferModes, TheMenuListsPhoneticModesThenASeparatorThenTheForeignOnes) {
    std::vector<int> modes;
    std::u16string names;
    for (const TransferMenuItem& item : TransferMenuItems()) {
        modes.push_back(item.mode);
        names += item.name;
        names += u' ';
    }
    EXPECT_EQ(modes, (std::vector<int>{11, 12, 13, 14, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(names, u"TRMode11 TRMode12 TRMode13 TRMode14  TRMode01 TRMode02 TRMode03 "
                     u"TRMode04 TRMode05 ");
}

TEST(TransferModes, OpeningTheMenuChecksOnlyTheCurrentMode) {
    for (int transMode : {1, 13, 7, 0}) {
        SCOPED_TRACE(transMode);
        std::vector<int> checked;
        for (const TransferMenuItem& item : TransferMenuItems())
            if (TransferMenuItemChecked(item, transMode)) checked.push_back(item.mode);
        if (IsTransferMode(transMode))
            EXPECT_EQ(checked, std::vector<int>{transMode});
        else
            EXPECT_TRUE(checked.empty());
    }
}

TEST(TransferModes, TheTensDigitChoosesTheSourceAndStrayModesWorkAsModeOne) {
    EXPECT_EQ(SourceAreaOfMode(5), InputArea::Foreign);
    EXPECT_EQ(SourceAreaOfMode(11), InputArea::Phonetic);
    EXPECT_EQ(SourceAreaOfMode(14), InputArea::Phonetic);
    for (int mode : {0, 6, 10, 15, -1})
        EXPECT_EQ(EffectiveTransferMode(mode), TransferMode::ForeignRich) << mode;
    for (int mode : kTransferModes) EXPECT_EQ(static_cast<int>(EffectiveTransferMode(mode)), mode);
}

}  // namespace
}  // namespace tess
