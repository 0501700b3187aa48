#include "input/KeyboardLayouts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

using Names = std::vector<std::u16string>;

struct Fixture {
    FakePlatform fake;
    Settings settings;
    KeyboardLayouts layouts{fake, settings};
    Fixture() {
        LoadDefaults(settings, fake);
        fake.activeLayout = u"00000411";
        layouts.RecordStartupLayout();
    }
};

TEST(ActivateThaiLayout, EveryWindowsFromMajorVersion5On) {
    struct Case {
        int os;
        bool kedmanee;
        Names activated;
    };
    const std::vector<Case> cases = {
        {4, true, {}},
        {5, true, {u"0000041E"}},
        {6, true, {u"0000041E"}},
        {10, true, {u"0000041E"}},
        {10, false, {u"0001041E"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.os);
        Fixture f;
        f.fake.osMajorVersion = c.os;
        f.settings.ThaiImeKedFlg = c.kedmanee;
        f.layouts.ActivateThaiLayout();
        EXPECT_EQ(f.fake.activatedLayouts, c.activated);
    }
}

TEST(ActivateThaiLayout, LeavesAnActiveThaiLayoutAndAMissingOneAlone) {
    Fixture f;
    f.layouts.ActivateThaiLayout();
    f.layouts.ActivateThaiLayout();
    EXPECT_EQ(f.fake.activatedLayouts, Names{u"0000041E"});

    Fixture g;
    g.fake.loadableLayouts.erase(u"0000041E");
    g.layouts.ActivateThaiLayout();
    EXPECT_EQ(g.fake.activeLayout, u"00000411");
}

TEST(RestoreStartupLayout, LoadsTheLayoutRecordedAtStartUp) {
    Fixture f;
    EXPECT_EQ(f.layouts.StartupLayout(), u"00000411");
    f.layouts.ActivateThaiLayout();
    f.layouts.RestoreStartupLayout();
    EXPECT_EQ(f.fake.activeLayout, u"00000411");

    // Nothing recorded: nothing to restore.
    FakePlatform fake;
    Settings settings;
    KeyboardLayouts unrecorded(fake, settings);
    unrecorded.RestoreStartupLayout();
    EXPECT_TRUE(fake.activatedLayouts.empty());
}

TEST(RestoreLayoutAtExit, OnlyWhenAnotherLayoutIsActive) {
    Fixture f;
    f.layouts.RestoreLayoutAtExit();
    EXPECT_TRUE(f.fake.activatedLayouts.empty());
    f.layouts.ActivateThaiLayout();
    f.layouts.RestoreLayoutAtExit();
    EXPECT_EQ(f.fake.activatedLayouts, (Names{u"0000041E", u"00000411"}));
}

TEST(LayoutFocusMoments, TheInputModeDecidesWhichLayoutAFieldGets) {
    enum Moment { Memo1, Edit1, DialogShown, DialogClosed };
    struct Case {
        Moment moment;
        int inputMode;
        const char16_t* expected;  // the active layout after, from Thai being active
    };
    // Thai is active before each moment, so "00000411" means the start-up
    // layout was given back and "0000041E" that Thai stayed or came.
    const std::vector<Case> cases = {
        {Memo1, 1, u"00000411"},        {Memo1, 4, u"00000411"},
        {Memo1, 6, u"00000411"},        {Memo1, 2, u"0000041E"},
        {Memo1, 3, u"0000041E"},        {Edit1, 2, u"00000411"},
        {Edit1, 1, u"0000041E"},        {DialogShown, 2, u"00000411"},
        {DialogShown, 5, u"0000041E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.moment << " mode " << c.inputMode);
        Fixture f;
        f.fake.activeLayout = u"0000041E";
        if (c.moment == Memo1) f.layouts.ForeignAreaEntered(c.inputMode);
        if (c.moment == Edit1) f.layouts.PlainFieldEntered(c.inputMode);
        if (c.moment == DialogShown) f.layouts.DialogShown(c.inputMode);
        EXPECT_EQ(f.fake.activeLayout, c.expected);
    }
    // From the start-up layout: a dialog closing in mode 2 brings Thai back,
    // and Memo1 in mode 2 activates it.
    for (int mode : {2, 1}) {
        Fixture f;
        f.layouts.DialogClosed(mode);
        EXPECT_EQ(f.fake.activeLayout, mode == 2 ? u"0000041E" : u"00000411");
        Fixture g;
        g.layouts.ForeignAreaEntered(mode);
        EXPECT_EQ(g.fake.activeLayout, mode == 2 ? u"0000041E" : u"00000411");
    }
}

TEST(LayoutFocusMoments, TheDialogsForeignWordFieldTakesThaiOnlyInMode2) {
    // Shown in mode 2, the dialog has the start-up layout; its foreign word
    // field brings Thai, the kana field the start-up layout again, and the
    // closing brings Thai back. Other modes never switch.
    for (int mode : {1, 2, 3, 4}) {
        SCOPED_TRACE(mode);
        Fixture f;
        f.fake.activeLayout = mode == 2 ? u"0000041E" : u"00000411";
        f.layouts.DialogShown(mode);
        f.layouts.ForeignWordFieldEntered(mode);
        f.layouts.PlainFieldEntered(mode);
        f.layouts.ForeignWordFieldEntered(mode);
        f.layouts.DialogClosed(mode);
        EXPECT_EQ(f.fake.activatedLayouts,
                  mode == 2 ? (Names{u"00000411", u"0000041E", u"00000411", u"0000041E"})
                            : Names{});
    }
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(DialogLayoutScope, HoldsTheDialogRuleForItsLifeInTheModeOfEachMoment) {
    struct Case {
        int modeAtOpen, modeAtClose;
        Names during, after;  // layouts activated while the scope lives, and at its end
    };
    const Case cases[] = {
        {2, 2, {u"00000411"}, {u"00000411", u"0000041E"}},
        {1, 1, {}, {}},
        // A dialog that changed the mode (the settings dialog): the mode at
        // its close decides.
        {2, 1, {u"00000411"}, {u"00000411"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.modeAtOpen << " to " << c.modeAtClose);
        Fixture f;
        f.fake.activeLayout = u"0000041E";
        f.settings.InputMode = c.modeAtOpen;
        {
            const DialogLayoutScope layout(f.layouts);
            EXPECT_EQ(f.fake.activatedLayouts, c.during);
            f.settings.InputMode = c.modeAtClose;
        }
        EXPECT_EQ(f.fake.activatedLayouts, c.after);
    }
}

}  // namespace
}  // namespace tess
