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

// One run of the program: it starts in the restored client area `start`
// with what the settings saved, is shown at the client height `during` (the
// frame dragged, maximised, minimised: the pane the flag names keeps its
// height, the layout gives the other the rest) and closes with the restored
// client area `end`. Returns what it saves.
SavedPanes RunOnce(const SavedPanes& saved, bool underStretch, int width, int start, int during,
                   int end) {
    PaneSizes sizes;
    sizes.underStretch = underStretch;
    sizes.fontPanelWidth = saved.fontPanelWidth;
    sizes.keyboardWidth = saved.keyboardWidth;
    sizes = WithLowerHeight(sizes, start, kStatus, saved.underHeight);
    const MainLayout shown = LayOutMainWindow(width, during, kStatus, sizes);
    EXPECT_GE(shown.lowerPane.Height(), 0);
    return PanesToSave(sizes, width, end, kStatus);
}

TEST(MainLayout, TheSmallestWindowShowsEveryPanelWholeAndRowsBelow) {
    constexpr int kStatus = 22;
    for (int fontWidth : {kMinFontPanelWidth, 320}) {
        for (bool stretch : {true, false}) {
            SCOPED_TRACE(fontWidth);
            PaneSizes sizes;
            sizes.fontPanelWidth = fontWidth;
            sizes.underStretch = stretch;
            const ClientSize least = MinimumClientSize(sizes, kStatus);
            // The default lower height or a larger one saved (a lower pane the
            // user dragged smaller stays as small as they made it).
            for (int saved : {296, 2000}) {
                const PaneSizes started = WithLowerHeight(sizes, least.height, kStatus, saved);
                const MainLayout m = LayOutMainWindow(least.width, least.height, kStatus, started);
                EXPECT_EQ(m.stretchPanel.right, least.width);  // 下伸び's panel ends at the edge
                EXPECT_EQ(m.fontPanel.Width(), fontWidth);
                EXPECT_GE(m.inputPane.Height(), kMinInputHeight);
                EXPECT_GE(m.lowerPane.Height(), kMinShownLowerHeight) << saved;
                EXPECT_EQ(m.statusBar.bottom, least.height);
            }
        }
    }
}

TEST(PaneSizes, RestartsAfterAnyResizeGiveTheSameLayout) {
    struct Case {
        const char* name;
        bool underStretch;
        int start, during, end;  // client heights
    };
    const Case cases[] = {
        {"the frame dragged 58 pixels taller", true, 652, 710, 710},
        {"the frame dragged taller, lower pane fixed", false, 652, 710, 710},
        {"closed while maximised", true, 652, 860, 652},
        {"closed while minimised", true, 652, 0, 652},
        {"the frame dragged smaller", true, 652, 560, 560},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SavedPanes saved{296, 193, 390};
        saved = RunOnce(saved, c.underStretch, 824, c.start, c.during, c.end);
        const SavedPanes first = saved;
        // Four more starts and closes in the same restored rectangle.
        for (int run = 0; run < 4; ++run) saved = RunOnce(saved, c.underStretch, 824, c.end, c.end, c.end);
        EXPECT_EQ(saved, first);
        PaneSizes sizes;
        sizes = WithLowerHeight(sizes, c.end, kStatus, saved.underHeight);
        const MainLayout m = LayOutMainWindow(824, c.end, kStatus, sizes);
        EXPECT_GE(m.inputPane.Height(), kMinInputHeight);
        EXPECT_GE(m.lowerPane.Height(), kMinLowerHeight);
        EXPECT_GT(saved.underHeight, 0);
    }
}

TEST(PaneSizes, ASavedHeightNeverSqueezesAPaneBelowItsMinimum) {
    const int heights[] = {-8, 0, 30, 296, 480, 5000};
    for (int under : heights) {
        SCOPED_TRACE(under);
        PaneSizes sizes = WithLowerHeight(PaneSizes{}, 652, kStatus, under);
        const MainLayout m = LayOutMainWindow(824, 652, kStatus, sizes);
        EXPECT_GE(m.inputPane.Height(), kMinInputHeight);
        EXPECT_GE(m.lowerPane.Height(), kMinLowerHeight);
    }
}

}  // namespace
}  // namespace tess
