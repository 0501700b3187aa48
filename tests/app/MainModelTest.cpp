#include "app/MainModel.h"

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "app/VersionUp.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

class MainModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.PutFile(u"C:\\Program Files\\Quillory\\Tessaline\\Tbl\\DBThai.csv", "shipped");
    }
    std::u16string SettingsPath(const DataFolders& f) { return f.SysFolder + u"\\Morvane_A.rng"; }
    void Start(MainModel& model) {
        model.Attach(port, transferPort, fields, popups, wordBookPort);
        model.RunStartupSequence();
    }
    FakePlatform fake;
    RecordingMainWindowPort port;
    testing::FakeTransferPort transferPort;
    testing::FakeFields fields;
    testing::UnansweredPopups popups;
    testing::FakeWordBookPort wordBookPort;
};

TEST_F(MainModelTest, FirstStartRunsTheVersionUpAndWritesSettingsOnlyAtExit) {
    MainModel model(fake, InitDataFolders(fake));
    Start(model);
    const DataFolders& f = model.folders();
    EXPECT_TRUE(VersionMarkerPresent(fake, f));
    EXPECT_TRUE(fake.FileExists(f.UserTblFolder + u"\\DBThai.csv"));
    EXPECT_EQ(f.TblFolder, f.UserTblFolder);
    EXPECT_FALSE(fake.FileExists(SettingsPath(f)));

    StoreWindowGeometry(model.settings(), {10, 20, 800, 600});
    ASSERT_TRUE(model.RunShutdownSequence());
    auto lines = ReadTextLines(fake, SettingsPath(f));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->at(0), u"MainLeft,10");
    EXPECT_EQ(lines->at(2), u"MainWidth,800");
}

TEST_F(MainModelTest, SettingsReadBeforeTheVersionUpDecideIt) {
    DataFolders f = InitDataFolders(fake);
    // The user kept their own tables and asked for the shipped tables in use.
    WriteAnsiLines(fake, SettingsPath(f), {u"TblOWFlg,0", u"SysTblFlg,1"});
    fake.PutFile(f.UserTblFolder + u"\\DBThai.csv", "edited");
    MainModel model(fake, f);
    Start(model);
    EXPECT_EQ(*fake.ReadWholeFile(f.UserTblFolder + u"\\DBThai.csv"), "edited");
    EXPECT_EQ(model.folders().TblFolder, f.SysTblFolder);
}

TEST_F(MainModelTest, ASecondStartCopiesNothing) {
    DataFolders f = InitDataFolders(fake);
    MainModel first(fake, f);
    Start(first);
    fake.RemoveFile(f.UserTblFolder + u"\\DBThai.csv");
    MainModel second(fake, f);
    Start(second);
    EXPECT_FALSE(fake.FileExists(f.UserTblFolder + u"\\DBThai.csv"));
}

TEST_F(MainModelTest, AResetBeforeClosingLeavesNoSettingsFile) {
    MainModel model(fake, InitDataFolders(fake));
    Start(model);
    model.SuppressSettingsSave();
    EXPECT_TRUE(model.RunShutdownSequence());
    EXPECT_FALSE(fake.FileExists(SettingsPath(model.folders())));
}

TEST_F(MainModelTest, AFailedSettingsWriteIsReportedAndKeepsTheOldFile) {
    DataFolders f = InitDataFolders(fake);
    WriteAnsiLines(fake, SettingsPath(f), {u"MainLeft,5"});
    fake.FailWritesTo(SettingsPath(f));
    MainModel model(fake, f);
    Start(model);
    EXPECT_FALSE(model.RunShutdownSequence());
    EXPECT_EQ(*fake.ReadWholeFile(SettingsPath(f)), "MainLeft,5\r\n");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              u"設定ファイル「" + f.SysFolder + u"\\Morvane_A.rng」を保存できませんでした。ファイルは元のままです。");
}

TEST_F(MainModelTest, ShutdownStopsTheTimersAndGivesBackTheStartupLayoutBeforeSaving) {
    fake.activeLayout = u"00000411";
    MainModel model(fake, InitDataFolders(fake));
    Start(model);
    model.transfer().OnApplicationDeactivate();
    ASSERT_TRUE(fake.TimerRunning(kTransTimerId));
    fake.activeLayout = kThaiKedmaneeLayout;  // mode 2 left the Thai layout on
    fake.FailWritesTo(SettingsPath(model.folders()));
    EXPECT_FALSE(model.RunShutdownSequence());
    EXPECT_FALSE(fake.TimerRunning(kTransTimerId));
    EXPECT_EQ(fake.activeLayout, u"00000411");
    EXPECT_EQ(fake.messages.size(), 1u);
}

// The window is destroyed after the shut-down sequence; Windows tells it then
// that the application lost the activation, and no target search may start.
TEST_F(MainModelTest, ActivationAfterShutdownStartsNoTargetSearch) {
    MainModel model(fake, InitDataFolders(fake));
    Start(model);
    model.ApplicationActivated(false);
    EXPECT_TRUE(fake.TimerRunning(kTransTimerId));
    model.ApplicationActivated(true);
    EXPECT_FALSE(fake.TimerRunning(kTransTimerId));
    ASSERT_TRUE(model.RunShutdownSequence());
    model.ApplicationActivated(false);
    model.ApplicationActivated(true);
    EXPECT_FALSE(fake.TimerRunning(kTransTimerId));
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(MainModelActions, WithNoWordBookOpenRegisteringAndEditingAreDisabled) {
    FakePlatform fake;
    RecordingMainWindowPort port;
    MainModel model(fake, InitDataFolders(fake));
    testing::FakeTransferPort transferPort;
    testing::FakeFields fields;
    testing::UnansweredPopups popups;
    testing::FakeWordBookPort wordBookPort;
    model.Attach(port, transferPort, fields, popups, wordBookPort);
    model.RunStartupSequence();
    for (MainAction action : {MainAction::RegWord, MainAction::ModWord}) {
        EXPECT_FALSE(model.ActionEnabled(action));
        EXPECT_FALSE(port.actions[action]);
    }
    EXPECT_TRUE(model.ActionEnabled(MainAction::TransferTxt1));
    // F4 and F5 do nothing then.
    EXPECT_FALSE(model.FormKeyDown(0x73));
    EXPECT_FALSE(model.FormKeyDown(0x74));
    EXPECT_TRUE(port.opened.empty());
}

}  // namespace
}  // namespace tess
