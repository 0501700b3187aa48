#include "lib/PathParts.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

TEST(PathParts, SplitAtTheLastSeparatorOfEitherKind) {
    struct Case {
        std::u16string path, folder, leaf;
    };
    const Case cases[] = {
        {u"C:\\Users\\a\\book.utx", u"C:\\Users\\a", u"book.utx"},
        {u"C:/Users/a/book.utx", u"C:/Users/a", u"book.utx"},
        {u"C:\\Users/a\\b/book.utx", u"C:\\Users/a\\b", u"book.utx"},
        {u"book.utx", u"", u"book.utx"},
        {u"C:\\folder\\", u"C:\\folder", u""},
        {u"\\", u"", u""},
        {u"", u"", u""},
        {u"C:\\単語帳\\タイ語.utx", u"C:\\単語帳", u"タイ語.utx"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderPart(c.path), c.folder);
        EXPECT_EQ(LeafName(c.path), c.leaf);
    }
}

}  // namespace
}  // namespace tess
