// A text too wide for its place keeps both ends and leaves out its middle.
#include <gtest/gtest.h>

#include <string>

#include "lib/win32/Win32Helpers.h"

namespace tess {
namespace {

struct ScreenDc {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreatePointFont(u"Tahoma", DEFAULT_CHARSET, 9);
    HGDIOBJ old = SelectObject(dc, font);
    ~ScreenDc() {
        SelectObject(dc, old);
        DeleteObject(font);
        DeleteDC(dc);
    }
    int Width(const std::u16string& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc, W(text), static_cast<int>(text.size()), &size);
        return size.cx;
    }
};

TEST(FitInMiddle, KeepsBothEndsOfATextTooWideAndFits) {
    ScreenDc s;
    const std::u16string path = u"●単語帳フォルダ　C:\\users\\root\\Documents\\Quillory\\Tessaline\\bookA　・・・　[110]";
    const int whole = s.Width(path);
    EXPECT_EQ(FitInMiddle(s.dc, path, whole), path);
    for (int width : {whole - 1, whole / 2, 60}) {
        SCOPED_TRACE(width);
        const std::u16string shown = FitInMiddle(s.dc, path, width);
        EXPECT_LE(s.Width(shown), width);
        const std::size_t gap = shown.find(u'…');
        ASSERT_NE(gap, std::u16string::npos);
        EXPECT_EQ(path.substr(0, gap), shown.substr(0, gap));
        const std::u16string end = shown.substr(gap + 1);
        EXPECT_EQ(path.substr(path.size() - end.size()), end);
        if (width >= whole / 2) {
            EXPECT_EQ(end.substr(end.size() - 5), u"[110]");
        }
    }
}

TEST(FitInMiddle, NeverSplitsASurrogatePair) {
    ScreenDc s;
    const std::u16string text = u"\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600";
    for (int width = 1; width < s.Width(text); width += 3) {
        const std::u16string shown = FitInMiddle(s.dc, text, width);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const bool high = shown[i] >= 0xD800 && shown[i] <= 0xDBFF;
            const bool low = shown[i] >= 0xDC00 && shown[i] <= 0xDFFF;
            if (high) {
                EXPECT_TRUE(i + 1 < shown.size() && shown[i + 1] >= 0xDC00 && shown[i + 1] <= 0xDFFF);
            }
            if (low) {
                EXPECT_TRUE(i > 0 && shown[i - 1] >= 0xD800 && shown[i - 1] <= 0xDBFF);
            }
        }
    }
}

}  // namespace
}  // namespace tess
