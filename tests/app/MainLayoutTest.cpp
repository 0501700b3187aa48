#include "app/MainLayout.h"

#include <gtest/gtest.h>

namespace tess {
namespace {

constexpr int kStatus = 20;

TEST(MainLayout, DesignSizeFitsEveryPart) {
    PaneSizes sizes;
    sizes.inputHeight = InitialInputHeight(652, kStatus, sizes.lowerHeight);
    MainLayout m = LayOutMainWindow(824, 652, kStatus, sizes);
    EXPECT_EQ(m.topBar, (Rect{0, 0, 824, 66}));
    EXPECT_EQ(m.fontPanel, (Rect{564, 0, 757, 66}));
    EXPECT_EQ(m.lowerPane.Height(), 296);
    EXPECT_EQ(m.statusBar, (Rect{0, 632, 824, 652}));
    EXPECT_EQ(m.keyboardPages, (Rect{434, 66, 824, m.inputPane.bottom}));
    EXPECT_GE(m.inputPane.Height(), kMinKeyboardHeight);
    // The panes and the splitter tile the middle exactly.
    EXPECT_EQ(m.inputPane.bottom, m.paneSplitter.top);
    EXPECT_EQ(m.paneSplitter.bottom, m.lowerPane.top);
    EXPECT_EQ(m.lowerPane.bottom, m.statusBar.top);
    EXPECT_EQ(m.foreignArea.top, m.phoneticLine.bottom);
    EXPECT_EQ(m.foreignArea.right, m.keyboardSplitter.left);
}

TEST(MainLayout, TheStretchFlagDecidesWhichPaneTakesSpareHeight) {
    PaneSizes sizes;
    sizes.inputHeight = 270;
    sizes.lowerHeight = 296;
    sizes.underStretch = true;
    MainLayout tall = LayOutMainWindow(824, 852, kStatus, sizes);
    EXPECT_EQ(tall.inputPane.Height(), 270);
    EXPECT_EQ(tall.lowerPane.Height(), 852 - 66 - kStatus - kSplitterSize - 270);
    sizes.underStretch = false;
    tall = LayOutMainWindow(824, 852, kStatus, sizes);
    EXPECT_EQ(tall.lowerPane.Height(), 296);
    EXPECT_EQ(tall.inputPane.Height(), 852 - 66 - kStatus - kSplitterSize - 296);
}

TEST(MainLayout, SizesAreHeldToTheirLimits) {
    PaneSizes sizes;
    sizes.keyboardWidth = 500;
    sizes.fontPanelWidth = 100;
    sizes.lowerHeight = 10;
    sizes.underStretch = false;
    MainLayout m = LayOutMainWindow(824, 652, kStatus, sizes);
    EXPECT_EQ(m.keyboardPages.Width(), kMaxKeyboardWidth);
    EXPECT_EQ(m.fontPanel.Width(), kMinFontPanelWidth);
    EXPECT_EQ(m.lowerPane.Height(), kMinLowerHeight);
    sizes.keyboardWidth = 10;
    EXPECT_EQ(LayOutMainWindow(824, 652, kStatus, sizes).keyboardPages.Width(), kMinKeyboardWidth);
}

TEST(MainLayout, ATinyWindowGivesNoNegativeSizes) {
    PaneSizes sizes;
    sizes.inputHeight = 300;
    MainLayout m = LayOutMainWindow(50, 40, kStatus, sizes);
    for (const Rect& r : {m.inputPane, m.lowerPane, m.foreignArea, m.phoneticLine, m.keyboardPages}) {
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
    }
}

}  // namespace
}  // namespace tess
