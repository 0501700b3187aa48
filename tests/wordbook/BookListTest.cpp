#include "wordbook/BookList.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "wordbook/WordBookFile.h"

namespace tess {
namespace {

const std::u16string kFolder = u"C:\\books";
const std::u16string kSys = u"C:\\sys";

class BookListTest : public ::testing::Test {
protected:
    void Book(const std::u16string& file, const std::u16string& title, const std::u16string& group,
              const Lines& entryLines = {}) {
        Lines lines = {title, group, u""};
        lines.insert(lines.end(), entryLines.begin(), entryLines.end());
        fake.PutFile(kFolder + u"\\" + file, EncodeUtf16Lines(lines));
    }
    std::vector<std::u16string> Titles() {
        std::vector<std::u16string> t;
        for (const BookRow& r : books.Rows()) t.push_back(r.title);
        return t;
    }
    FakePlatform fake;
    BookListModel books;
};

TEST_F(BookListTest, ListsBooksGroupedInTitleOrderAndCountsEveryLineAfterTheThird) {
    Book(u"1.utx", u"beta", u"あいさつ", {u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\"", u"not an entry"});
    Book(u"2.utx", u"Alpha", u"その他");
    Book(u"3.utx", u"alpha2", u"あいさつ");
    fake.PutFile(kFolder + u"\\short.utx", EncodeUtf16Lines({u"only", u"two"}));
    fake.PutFile(kFolder + u"\\other.txt", EncodeUtf16Lines({u"t", u"g", u"a"}));
    books.List(fake, kFolder);
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"alpha2", u"beta", u"Alpha"}));
    EXPECT_EQ(books.Rows()[1].count, 2u);
    EXPECT_EQ(books.Total(), 2u);
    EXPECT_EQ(FolderTotalText(kFolder, books.Total()),
              u"●単語帳フォルダ　C:\\books　・・・　[2]");
}

TEST_F(BookListTest, GroupSortSignIsKeptByTheNextListing) {
    Book(u"1.utx", u"a", u"あいさつ");
    Book(u"2.utx", u"b", u"その他");
    books.List(fake, kFolder);
    ASSERT_TRUE(books.SortByColumn(2, fake));  // descending: "そ" after "あ" in code units
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"b", u"a"}));
    Book(u"3.utx", u"c", u"その他");
    books.List(fake, kFolder);
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"b", u"c", u"a"}));
    ASSERT_TRUE(books.SortByColumn(2, fake));  // ascending again
    EXPECT_EQ(Titles(), (std::vector<std::u16string>{u"a", u"b", u"c"}));
    EXPECT_FALSE(books.SortByColumn(3, fake));  // "個数" does not sort
}

TEST_F(BookListTest, MissingFolderListsNothing) {
    books.List(fake, u"C:\\nowhere");
    EXPECT_TRUE(books.Rows().empty());
    EXPECT_EQ(books.Total(), 0u);
}

TEST(DoorSteps, RunThroughTheExactWidths) {
    auto run = [](int width, bool shutting) {
        std::vector<int> widths;
        for (;;) {
            DoorStep step = NextDoorStep(width, shutting);
            widths.push_back(step.width);
            width = step.width;
            if (step.done) return widths;
        }
    };
    const std::vector<int> shut = run(382, true);
    EXPECT_EQ(shut.front(), 352);
    EXPECT_EQ(shut[shut.size() - 2], 22);
    EXPECT_EQ(shut.back(), 32);
    const std::vector<int> open = run(32, false);
    EXPECT_EQ(open.front(), 62);
    EXPECT_EQ(open[open.size() - 2], 392);
    EXPECT_EQ(open.back(), 382);
}

TEST(FolderList, IsCreatedWhenMissingThenKeepsAtMostTenWithTheNewFirst) {
    FakePlatform fake;
    fake.CreateDirectories(kSys);
    const std::optional<Lines> made = ReadFolderList(fake, kSys, u"C:\\bookA", u"C:\\bookG");
    EXPECT_EQ(made, (Lines{u"C:\\bookA", u"C:\\bookG"}));
    EXPECT_EQ(ReadTextLines(fake, kSys + u"\\FolList.txt"), made);

    EXPECT_EQ(FolderListWith(*made, u"C:\\bookG"), std::nullopt);  // already there
    Lines eleven;
    for (int i = 0; i < 11; ++i) eleven.push_back(u"C:\\f" + std::u16string(1, u'a' + i));
    const std::optional<Lines> added = FolderListWith(eleven, u"C:\\new");
    ASSERT_TRUE(added);
    EXPECT_EQ(added->size(), 10u);
    EXPECT_EQ(added->front(), u"C:\\new");
    EXPECT_EQ(added->back(), u"C:\\fi");
}

TEST(GroupNames, DefaultsWhenMissingAndAnEmptyGroupSelectsNothing) {
    FakePlatform fake;
    const Lines names = ReadGroupNames(fake, kSys);
    EXPECT_EQ(names, (Lines{u"あいさつ", u"その他"}));
    EXPECT_EQ(GroupIndex(names, u"その他"), 1u);
    EXPECT_EQ(GroupIndex(names, u""), std::nullopt);
    EXPECT_EQ(GroupIndex(names, u"旅行"), std::nullopt);
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(BookColumnWidthsFor, EachColumnFitsItsTextsAndTheFileNameGivesWayFirst) {
    struct Case {
        const char* what;
        std::array<int, kBookColumnCount> needs;
        int visible;
        std::array<int, kBookColumnCount> widths;
    };
    const Case cases[] = {
        {"room for all", {150, 100, 90, 40}, 400, {150, 100, 90, 40}},
        {"the file name gives way", {200, 150, 100, 40}, 400, {200, 60, 100, 40}},
        {"then the group, to its designed width", {230, 150, 110, 40}, 360, {206, 24, 90, 40}},
        {"then the title; the list scrolls for the rest", {300, 150, 200, 40}, 200,
         {100, 24, 90, 40}},
        {"a column that needs less than its designed width gets less", {60, 60, 60, 30}, 360,
         {60, 60, 60, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BookColumnWidthsFor(c.needs, c.visible), c.widths);
    }
}

}  // namespace
}  // namespace tess
