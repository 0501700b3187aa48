#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "TempFolder.h"
#include "shared/WildcardCases.h"

namespace tess {
namespace {

using testing::IsDirectory;
using testing::ReadBytes;
using testing::Snapshot;
using testing::TempFolder;
using testing::Wide;
using testing::WriteBytes;

// Bytes a careless text conversion would damage: NUL, high bytes, a lone CR.
const std::string kAwkwardBytes("line\r\n\0\xFF\xFE\x81\x40 end\r", 16);

class Win32PlatformFiles : public ::testing::Test {
protected:
    TempFolder temp;
    Win32Platform platform;
};

TEST_F(Win32PlatformFiles, ExistenceTellsFilesFromFolders) {
    ASSERT_TRUE(WriteBytes(temp.At(u"a.txt"), "x"));
    ASSERT_TRUE(CreateDirectoryW(Wide(temp.At(u"dir")), nullptr));

    struct Case {
        const char16_t* path;
        bool file;
        bool folder;
    };
    for (const Case& c : {Case{u"a.txt", true, false}, Case{u"dir", false, true},
                          Case{u"missing.txt", false, false},
                          Case{u"missing\\a.txt", false, false}}) {
        SCOPED_TRACE(testing::Utf8(c.path));
        EXPECT_EQ(platform.FileExists(temp.At(c.path)), c.file);
        EXPECT_EQ(platform.DirectoryExists(temp.At(c.path)), c.folder);
    }
}

TEST_F(Win32PlatformFiles, CreateDirectoriesMakesEveryMissingParent) {
    ASSERT_TRUE(WriteBytes(temp.At(u"plain.txt"), "x"));

    struct Case {
        const char16_t* path;
        bool created;
    };
    // In order: later rows find what earlier rows made.
    for (const Case& c : {Case{u"one\\two\\three\\four", true},
                          Case{u"one\\two", true},                // already there
                          Case{u"five\\six\\", true},            // trailing separator
                          Case{u"seven/eight/nine", true},       // forward slashes
                          Case{u"plain.txt\\sub\\deeper", false},  // a parent is a file
                          Case{u"plain.txt", false}}) {          // the path is a file
        SCOPED_TRACE(testing::Utf8(c.path));
        EXPECT_EQ(platform.CreateDirectories(temp.At(c.path)), c.created);
        EXPECT_EQ(IsDirectory(temp.At(c.path)), c.created);
    }
    EXPECT_TRUE(IsDirectory(temp.At(u"one\\two\\three")));
    EXPECT_EQ(ReadBytes(temp.At(u"plain.txt")), "x");
}

TEST_F(Win32PlatformFiles, CopyFileToHonoursNoOverwrite) {
    ASSERT_TRUE(WriteBytes(temp.At(u"source.txt"), kAwkwardBytes));

    struct Case {
        const char16_t* destination;
        bool destinationExists;
        bool noOverwrite;
        bool copied;
    };
    for (const Case& c : {Case{u"d1.txt", false, true, true}, Case{u"d2.txt", true, true, false},
                          Case{u"d3.txt", true, false, true},
                          Case{u"d4.txt", false, false, true}}) {
        SCOPED_TRACE(testing::Utf8(c.destination));
        if (c.destinationExists) {
            ASSERT_TRUE(WriteBytes(temp.At(c.destination), "old"));
        }
        EXPECT_EQ(platform.CopyFileTo(temp.At(u"source.txt"), temp.At(c.destination),
                                      c.noOverwrite),
                  c.copied);
        EXPECT_EQ(ReadBytes(temp.At(c.destination)), c.copied ? kAwkwardBytes : "old");
    }

    EXPECT_FALSE(platform.CopyFileTo(temp.At(u"absent.txt"), temp.At(u"d5.txt"), true));
    EXPECT_FALSE(ReadBytes(temp.At(u"d5.txt")).has_value());
}

TEST_F(Win32PlatformFiles, RemoveFileDeletesOnlyWhatIsThere) {
    ASSERT_TRUE(WriteBytes(temp.At(u"gone.txt"), "x"));
    EXPECT_TRUE(platform.RemoveFile(temp.At(u"gone.txt")));
    EXPECT_FALSE(ReadBytes(temp.At(u"gone.txt")).has_value());
    EXPECT_FALSE(platform.RemoveFile(temp.At(u"gone.txt")));
}

TEST_F(Win32PlatformFiles, ReadWholeFileReturnsEveryByte) {
    std::string large(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 + i / 251);

    for (const std::string& contents : {std::string(), kAwkwardBytes, large}) {
        SCOPED_TRACE(contents.size());
        ASSERT_TRUE(WriteBytes(temp.At(u"f.bin"), contents));
        EXPECT_EQ(platform.ReadWholeFile(temp.At(u"f.bin")), contents);
    }
}

TEST_F(Win32PlatformFiles, ReadWholeFileReadsAFileAnotherProgramIsWriting) {
    ASSERT_TRUE(WriteBytes(temp.At(u"log.txt"), kAwkwardBytes));
    HANDLE writer = CreateFileW(Wide(temp.At(u"log.txt")), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform.ReadWholeFile(temp.At(u"log.txt")), kAwkwardBytes);
    CloseHandle(writer);
}

TEST_F(Win32PlatformFiles, ReadWholeFileGivesNothingForMissingFilesAndFolders) {
    ASSERT_TRUE(CreateDirectoryW(Wide(temp.At(u"dir")), nullptr));
    EXPECT_FALSE(platform.ReadWholeFile(temp.At(u"missing.txt")).has_value());
    EXPECT_FALSE(platform.ReadWholeFile(temp.At(u"dir")).has_value());
}

TEST_F(Win32PlatformFiles, ReplaceFileContentsWritesTheNewBytesAndNothingElse) {
    ASSERT_TRUE(WriteBytes(temp.At(u"book.txt"), "old contents, longer than the new ones"));

    EXPECT_TRUE(platform.ReplaceFileContents(temp.At(u"book.txt"), kAwkwardBytes));
    EXPECT_TRUE(platform.ReplaceFileContents(temp.At(u"new.txt"), "fresh"));
    EXPECT_TRUE(platform.ReplaceFileContents(temp.At(u"empty.txt"), ""));

    const testing::TreeSnapshot expected = {
        {u"book.txt", kAwkwardBytes}, {u"new.txt", "fresh"}, {u"empty.txt", ""}};
    EXPECT_EQ(Snapshot(temp.Path()), expected);  // no temporary file left beside them
}

TEST_F(Win32PlatformFiles, ReplaceFileContentsThatFailsLeavesEverythingAsItWas) {
    struct Case {
        const char* name;
        const char16_t* target;
        // Prepares the folder; returns a handle to keep open during the call.
        std::function<HANDLE(const TempFolder&)> prepare;
    };
    const std::vector<Case> cases = {
        {"target is a folder", u"book.txt",
         [](const TempFolder& t) {
             CreateDirectoryW(Wide(t.At(u"book.txt")), nullptr);
             WriteBytes(t.At(u"book.txt\\inner.txt"), "inside");
             return INVALID_HANDLE_VALUE;
         }},
        {"folder missing", u"absent\\book.txt",
         [](const TempFolder&) { return INVALID_HANDLE_VALUE; }},
        {"target read-only", u"book.txt",
         [](const TempFolder& t) {
             WriteBytes(t.At(u"book.txt"), "old");
             SetFileAttributesW(Wide(t.At(u"book.txt")), FILE_ATTRIBUTE_READONLY);
             return INVALID_HANDLE_VALUE;
         }},
        {"target held open by another program", u"book.txt",
         [](const TempFolder& t) {
             WriteBytes(t.At(u"book.txt"), "old");
             return CreateFileW(Wide(t.At(u"book.txt")), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        WriteBytes(folder.At(u"neighbour.txt"), "unrelated");
        const HANDLE held = c.prepare(folder);
        const testing::TreeSnapshot before = Snapshot(folder.Path());

        EXPECT_FALSE(platform.ReplaceFileContents(folder.At(c.target), kAwkwardBytes));
        EXPECT_EQ(Snapshot(folder.Path()), before);

        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    }
}

// The listing table the fake platform is checked against too, on real files.
TEST_F(Win32PlatformFiles, ListFilesMatchesTheSharedListingCases) {
    for (const std::u16string& name : testing::kListingFiles) {
        ASSERT_TRUE(WriteBytes(temp.At(name), "x")) << testing::Utf8(name);
    }
    for (const std::u16string& folder : testing::kListingSubFolders) {
        ASSERT_TRUE(CreateDirectoryW(Wide(temp.At(folder)), nullptr)) << testing::Utf8(folder);
    }

    for (const testing::ListingCase& c : testing::kListingCases) {
        SCOPED_TRACE(testing::Utf8(c.pattern));
        std::vector<std::u16string> listed = platform.ListFiles(temp.Path(), c.pattern);
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, c.names);
    }
    EXPECT_EQ(platform.ListFiles(temp.Path() + u"\\", u"notes.txt"),
              std::vector<std::u16string>{u"notes.txt"});
    EXPECT_TRUE(platform.ListFiles(temp.At(u"no-such-folder"), u"*").empty());
}

}  // namespace
}  // namespace tess
