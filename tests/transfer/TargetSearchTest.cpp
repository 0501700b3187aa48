#include "transfer/TargetSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

using E = TargetExclusion;

TEST(ExcludeAsTarget, TheTestsInTheirOrder) {
    struct Case {
        WindowId window;
        std::u16string title;
        bool mediaPlayerFlg;
        std::u16string lastAudio;
        WindowId currentTarget;
        E expected;
    };
    const std::vector<Case> cases = {
        {5, u"無題 - メモ帳", true, u"", 0, E::None},
        {5, u"", true, u"", 0, E::None},  // no title is no reason
        {0, u"", false, u"", 5, E::NoWindow},
        {5, u"Program Manager", false, u"", 0, E::ProgramManager},
        {5, u" Program Manager", false, u"", 0, E::None},
        // The held window named like the desktop: the desktop test comes first.
        {5, u"Program Manager", false, u"", 5, E::ProgramManager},
        {5, u"Tessaline", false, u"", 0, E::OwnName},
        {5, u"Windows Media Player", true, u"", 0, E::MediaPlayer},
        {5, u"Windows Media Player", false, u"", 0, E::None},
        {5, u"lesson01", true, u"lesson01.mp3", 0, E::PlayedAudio},
        {5, u"lesson01", false, u"lesson01.mp3", 0, E::None},
        {5, u"lesson01.mp3", true, u"lesson01.mp3", 0, E::None},
        {5, u"a.b", true, u"a.b.wav", 0, E::PlayedAudio},
        {5, u"スタート メニュー", false, u"", 0, E::StartMenu},
        {5, u"  スタート メニュー\t", false, u"", 0, E::StartMenu},
        {5, u"スタート　メニュー", false, u"", 0, E::None},  // ideographic space
        {5, u"Tessaline    転送先：[ 無題 - メモ帳 ]", false, u"", 0, E::OwnWindow},
        {5, u"TessalineX", false, u"", 0, E::OwnWindow},
        {5, u"tessaline", false, u"", 0, E::None},
        {5, u"Tessaline", false, u"", 5, E::OwnName},
        {5, u"無題 - メモ帳", false, u"", 5, E::CurrentTarget},
        {6, u"無題 - メモ帳", false, u"", 5, E::None},
    };
    for (const Case& c : cases) {
        TargetSearchContext context{c.mediaPlayerFlg, c.lastAudio, c.currentTarget};
        EXPECT_EQ(ExcludeAsTarget(c.window, c.title, context), c.expected)
            << "window " << c.window << ", case " << (&c - cases.data());
    }
}

}  // namespace
}  // namespace tess
