#include "app/VersionUp.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "app/DataFolders.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

TEST(VersionMarkerName, Cases) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"3.6", u"Leaf360.txt"},    {u"Ver3.6", u"Leaf360.txt"}, {u"3", u"Leaf300.txt"},
        {u"36", u"Leaf360.txt"},     {u"3.61", u"Leaf361.txt"},   {u" 3.5 ", u"Leaf350.txt"},
        {u"3.6.1", u"Leaf999.txt"},  {u"12.34", u"Leaf999.txt"},  {u"", u"Leaf999.txt"},
        {u"Ver 4", u"Leaf400.txt"},
    };
    for (const auto& [version, name] : cases) EXPECT_EQ(VersionMarkerName(version), name);
    EXPECT_EQ(VersionMarkerName(), u"Leaf360.txt");
}

// A machine with the program installed and nothing of the user's yet.
class VersionUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::u16string prog = u"C:\\Program Files\\Quillory\\Tessaline";
        fake.PutFile(prog + u"\\Sys\\GroupName.txt", "shipped groups");
        fake.PutFile(prog + u"\\Tbl\\DBThai.csv", "shipped thai db");
        fake.PutFile(prog + u"\\Tbl\\CandThai2.csv", "shipped thai cand");
        fake.PutFile(prog + u"\\Tbl\\old\\DBOld.csv", "in a sub-folder");
        fake.PutFile(prog + u"\\bookA\\sample.utx", "shipped sample");
        fake.PutFile(prog + u"\\KhmerG\\dic.utx", "shipped khmer dic");
        folders = InitDataFolders(fake);
    }
    std::u16string Read(const std::u16string& path) {
        auto bytes = fake.ReadWholeFile(path);
        return bytes ? std::u16string(bytes->begin(), bytes->end()) : u"<missing>";
    }
    std::u16string Sys(const char16_t* name) { return folders.SysFolder + u"\\" + name; }

    FakePlatform fake;
    DataFolders folders;
};

TEST_F(VersionUpTest, FirstStartCopiesEverythingAndWritesTheMarker) {
    EXPECT_FALSE(VersionMarkerPresent(fake, folders));
    RunVersionUp(fake, folders, true, false);
    EXPECT_TRUE(VersionMarkerPresent(fake, folders));
    EXPECT_EQ(*fake.ReadWholeFile(Sys(u"Leaf360.txt")), "GF-RD1\r\n");
    EXPECT_EQ(Read(Sys(u"GroupName.txt")), u"shipped groups");
    EXPECT_EQ(Read(folders.UserTblFolder + u"\\DBThai.csv"), u"shipped thai db");
    EXPECT_EQ(Read(folders.ThaiBookFolder + u"\\sample.utx"), u"shipped sample");
    EXPECT_EQ(Read(folders.KhmerDicFolder + u"\\dic.utx"), u"shipped khmer dic");
    // No recursion into sub-folders; no settings file before the first exit.
    EXPECT_FALSE(fake.FileExists(folders.UserTblFolder + u"\\DBOld.csv"));
    EXPECT_FALSE(fake.DirectoryExists(folders.UserTblFolder + u"\\old"));
    EXPECT_FALSE(fake.FileExists(Sys(u"Morvane_A.rng")));
}

TEST_F(VersionUpTest, OlderMarkerAndStaleSettingsAreRemoved) {
    fake.PutFile(Sys(u"Leaf350.txt"), "GF-RD1\r\n");
    fake.PutFile(Sys(u"leaf340.TXT"), "GF-RD1\r\n");
    fake.PutFile(Sys(u"Tessaline.rng"), "old settings");
    fake.PutFile(Sys(u"Leafy.doc"), "not a marker");
    RunVersionUp(fake, folders, true, false);
    EXPECT_EQ(fake.ListFiles(folders.SysFolder, u"Leaf*.txt"),
              std::vector<std::u16string>{u"Leaf360.txt"});
    EXPECT_FALSE(fake.FileExists(Sys(u"Tessaline.rng")));
    EXPECT_TRUE(fake.FileExists(Sys(u"Leafy.doc")));
}

TEST_F(VersionUpTest, UserTablesFollowTblOWFlgAndDeletedOnesComeBack) {
    for (bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite);
        fake.PutFile(folders.UserTblFolder + u"\\DBThai.csv", "edited by the user");
        fake.RemoveFile(folders.UserTblFolder + u"\\CandThai2.csv");
        RunVersionUp(fake, folders, overwrite, false);
        EXPECT_EQ(Read(folders.UserTblFolder + u"\\DBThai.csv"),
                  overwrite ? u"shipped thai db" : u"edited by the user");
        EXPECT_EQ(Read(folders.UserTblFolder + u"\\CandThai2.csv"), u"shipped thai cand");
    }
}

TEST_F(VersionUpTest, SampleBooksAreRefreshedUnlessNoSampleFlgAndOthersNeverTouched) {
    for (bool noSample : {true, false}) {
        SCOPED_TRACE(noSample);
        fake.PutFile(folders.ThaiBookFolder + u"\\sample.utx", "edited sample");
        fake.PutFile(folders.ThaiBookFolder + u"\\mine.utx", "my own book");
        RunVersionUp(fake, folders, true, noSample);
        EXPECT_EQ(Read(folders.ThaiBookFolder + u"\\sample.utx"),
                  noSample ? u"edited sample" : u"shipped sample");
        EXPECT_EQ(Read(folders.ThaiBookFolder + u"\\mine.utx"), u"my own book");
    }
}

TEST_F(VersionUpTest, SystemFilesAlreadyPresentAreNeverReplaced) {
    fake.PutFile(Sys(u"GroupName.txt"), "the user's groups");
    RunVersionUp(fake, folders, true, false);
    EXPECT_EQ(Read(Sys(u"GroupName.txt")), u"the user's groups");
}

TEST_F(VersionUpTest, AFailedCopyDoesNotStopTheOthers) {
    fake.FailWritesTo(folders.UserTblFolder + u"\\CandThai2.csv");
    RunVersionUp(fake, folders, true, false);
    EXPECT_FALSE(fake.FileExists(folders.UserTblFolder + u"\\CandThai2.csv"));
    EXPECT_TRUE(fake.FileExists(folders.UserTblFolder + u"\\DBThai.csv"));
    EXPECT_TRUE(VersionMarkerPresent(fake, folders));
}

TEST(CopyFolderFiles, MissingFoldersCopyNothing) {
    FakePlatform fake;
    fake.PutFile(u"C:\\src\\a.txt", "a");
    CopyFolderFiles(fake, u"C:\\src", u"C:\\nowhere", false);
    CopyFolderFiles(fake, u"C:\\none", u"C:\\src", false);
    EXPECT_EQ(fake.AllFiles(), std::vector<std::u16string>{u"C:\\src\\a.txt"});
}

TEST(CopyFolderFiles, CopiesEveryFileWhateverItsNameButNoSubFolder) {
    FakePlatform fake;
    fake.CreateDirectories(u"C:\\dst");
    const char16_t* const names[] = {u"README", u"GroupName.txt", u"book.utx.bak", u".hidden",
                                      u"trailing."};
    for (const char16_t* name : names) fake.PutFile(u"C:\\src\\" + std::u16string(name), "x");
    fake.PutFile(u"C:\\src\\sub\\inner", "x");
    CopyFolderFiles(fake, u"C:\\src", u"C:\\dst", true);
    for (const char16_t* name : names) {
        SCOPED_TRACE(std::string(name, name + std::char_traits<char16_t>::length(name)));
        EXPECT_TRUE(fake.FileExists(u"C:\\dst\\" + std::u16string(name)));
    }
    EXPECT_EQ(fake.ListFiles(u"C:\\dst", u"*").size(), std::size(names));
    EXPECT_FALSE(fake.DirectoryExists(u"C:\\dst\\sub"));
}

TEST(DataFolders, DerivedFromTheThreeBaseFolders) {
    FakePlatform fake;
    fake.environment[u"APPDATA"] = u"C:\\Users\\u\\AppData\\Roaming";
    fake.environment[u"PROGRAMFILES"] = u"D:\\Apps\\";
    fake.documentsFolder = u"C:\\Users\\u\\Documents";
    DataFolders f = ComputeDataFolders(fake);
    EXPECT_EQ(f.ProgramFolder, u"D:\\Apps\\Quillory\\Tessaline");
    EXPECT_EQ(f.HelpFolder, u"D:\\Apps\\Quillory\\Tessaline\\Help");
    EXPECT_EQ(f.SysTblFolder, u"D:\\Apps\\Quillory\\Tessaline\\Tbl");
    EXPECT_EQ(f.SysFolder, u"C:\\Users\\u\\AppData\\Roaming\\Quillory\\Tessaline\\Sys");
    EXPECT_EQ(f.UserTblFolder, u"C:\\Users\\u\\AppData\\Roaming\\Quillory\\Tessaline\\Tbl");
    EXPECT_EQ(f.UsrFolder, u"C:\\Users\\u\\Documents\\Quillory\\Tessaline\\usr");
    EXPECT_EQ(f.KhmerDicFolder, u"C:\\Users\\u\\Documents\\Quillory\\Tessaline\\KhmerG");
    EXPECT_EQ(f.CurBookFolder, f.ThaiBookFolder);
    EXPECT_EQ(f.CurDicFolder, f.ThaiDicFolder);
    EXPECT_EQ(f.TextFolder, f.UsrFolder);
}

TEST(DataFolders, FirstStartCreatesElevenFoldersButNotTheProgramOnes) {
    FakePlatform fake;
    DataFolders f = InitDataFolders(fake);
    for (const auto* folder :
         {&f.SysFolder, &f.UserTblFolder, &f.UsrFolder, &f.ThaiBookFolder, &f.ThaiDicFolder,
          &f.MyanmarBookFolder, &f.MyanmarDicFolder, &f.LaosBookFolder, &f.LaosDicFolder,
          &f.KhmerBookFolder, &f.KhmerDicFolder})
        EXPECT_TRUE(fake.DirectoryExists(*folder)) << std::string(folder->begin(), folder->end());
    EXPECT_FALSE(fake.DirectoryExists(f.ProgramFolder));
    EXPECT_FALSE(fake.DirectoryExists(f.HelpFolder));
    EXPECT_TRUE(fake.messages.empty());
}

TEST(DataFolders, AFolderThatCannotBeMadeIsReportedAndStartUpGoesOn) {
    FakePlatform fake;
    DataFolders expected = ComputeDataFolders(fake);
    // A file where the user text folder should be makes it impossible.
    fake.PutFile(expected.UsrFolder, "in the way");
    DataFolders f = InitDataFolders(fake);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, u"ユーザーテキストフォルダが作れませんでした。");
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Yes);
    EXPECT_TRUE(fake.DirectoryExists(f.ThaiDicFolder));
}

TEST(DataFolders, MissingLanguageFoldersAreNotReported) {
    FakePlatform fake;
    DataFolders expected = ComputeDataFolders(fake);
    fake.PutFile(expected.LaosBookFolder, "in the way");
    fake.PutFile(expected.KhmerDicFolder, "in the way");
    InitDataFolders(fake);
    EXPECT_TRUE(fake.messages.empty());
}

}  // namespace
}  // namespace tess
