#include "app/MainLayout.h"

#include <algorithm>

namespace tess {

int InitialInputHeight(int clientHeight, int statusBarHeight, int lowerHeight) {
    return std::max(kMinKeyboardHeight,
                    clientHeight - kTopBarHeight - statusBarHeight - kSplitterSize - lowerHeight);
}

MainLayout LayOutMainWindow(int clientWidth, int clientHeight, int statusBarHeight,
                            const PaneSizes& sizes) {
    MainLayout m;
    const int w = std::max(clientWidth, 0);
    const int h = std::max(clientHeight, 0);

    m.topBar = {0, 0, w, kTopBarHeight};
    m.topLeftPanel = {0, 0, std::min(kTopLeftPanelWidth, w), kTopBarHeight};
    m.topSplitter = {m.topLeftPanel.right, 0, m.topLeftPanel.right + kSplitterSize, kTopBarHeight};
    const int fontWidth = std::max(sizes.fontPanelWidth, kMinFontPanelWidth);
    m.fontPanel = {m.topSplitter.right, 0, m.topSplitter.right + fontWidth, kTopBarHeight};
    m.stretchPanel = {m.fontPanel.right, 0, m.fontPanel.right + kStretchPanelWidth, kTopBarHeight};

    m.statusBar = {0, std::max(kTopBarHeight, h - statusBarHeight), w, h};
    const int middleTop = kTopBarHeight;
    const int middleBottom = m.statusBar.top;
    const int middle = std::max(0, middleBottom - middleTop - kSplitterSize);

    // One pane keeps its height, the other takes the rest; the lower pane
    // never goes below its minimum while there is room for it.
    int inputHeight, lowerHeight;
    if (sizes.underStretch) {
        inputHeight = std::clamp(sizes.inputHeight, 0, std::max(0, middle - kMinLowerHeight));
        lowerHeight = middle - inputHeight;
    } else {
        lowerHeight = std::clamp(sizes.lowerHeight, std::min(kMinLowerHeight, middle), middle);
        inputHeight = middle - lowerHeight;
    }
    m.inputPane = {0, middleTop, w, middleTop + inputHeight};
    m.paneSplitter = {0, m.inputPane.bottom, w, m.inputPane.bottom + kSplitterSize};
    m.lowerPane = {0, m.paneSplitter.bottom, w, m.paneSplitter.bottom + lowerHeight};

    const int keyboardWidth = std::clamp(sizes.keyboardWidth, kMinKeyboardWidth, kMaxKeyboardWidth);
    const Rect& p = m.inputPane;
    m.richStrip = {0, p.top, kRichStripWidth, p.bottom};
    m.keyboardPages = {std::max(kRichStripWidth, w - keyboardWidth), p.top, w, p.bottom};
    m.keyboardSplitter = {std::max(kRichStripWidth, m.keyboardPages.left - kSplitterSize), p.top,
                          m.keyboardPages.left, p.bottom};
    m.phoneticLine = {kRichStripWidth, p.top, m.keyboardSplitter.left,
                      std::min(p.bottom, p.top + kPhoneticLineHeight)};
    m.foreignArea = {kRichStripWidth, m.phoneticLine.bottom, m.keyboardSplitter.left, p.bottom};
    return m;
}

ClientSize MinimumClientSize(const PaneSizes& sizes, int statusBarHeight) {
    const int fontWidth = std::max(sizes.fontPanelWidth, kMinFontPanelWidth);
    return {kTopLeftPanelWidth + kSplitterSize + fontWidth + kStretchPanelWidth,
            kTopBarHeight + kMinInputHeight + kSplitterSize + kMinShownLowerHeight +
                statusBarHeight};
}

PaneSizes WithLowerHeight(PaneSizes sizes, int clientHeight, int statusBarHeight, int underHeight) {
    const int middle = std::max(0, clientHeight - kTopBarHeight - statusBarHeight - kSplitterSize);
    const int most = std::max(0, middle - kMinInputHeight);
    const int lower = std::clamp(underHeight, std::min(kMinLowerHeight, most), most);
    sizes.lowerHeight = lower;
    sizes.inputHeight = middle - lower;
    return sizes;
}

SavedPanes PanesToSave(const PaneSizes& sizes, int normalClientWidth, int normalClientHeight,
                       int statusBarHeight) {
    const MainLayout m =
        LayOutMainWindow(normalClientWidth, normalClientHeight, statusBarHeight, sizes);
    return {m.lowerPane.Height(), m.fontPanel.Width(), m.keyboardPages.Width()};
}

int ModeDisplayFontSize(TextMeasurer& measurer, const std::u16string& text) {
    // Shift_JIS: the half-width katakana of the display texts.
    return LargestFittingSize(measurer, 128, kModeDisplayFont, text, kModeDisplayTextRoom,
                              kModeDisplayLargestSize, kModeDisplaySmallestSize);
}

}  // namespace tess
