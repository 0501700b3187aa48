// Where the main window's parts go for a given client size: the top bar, the
// input pane (phonetic line over the foreign-language area, keyboard pages on
// the right), the splitter, the lower pane and the status bar.
#pragma once

#include <string>

#include "lib/FitFontSize.h"

namespace tess {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

inline constexpr int kTopBarHeight = 66;
inline constexpr int kTopLeftPanelWidth = 560;
inline constexpr int kSplitterSize = 4;
inline constexpr int kStretchPanelWidth = 56;
inline constexpr int kRichStripWidth = 8;
inline constexpr int kPhoneticLineHeight = 34;
inline constexpr int kMinKeyboardWidth = 60;
inline constexpr int kMaxKeyboardWidth = 390;
inline constexpr int kMinKeyboardHeight = 254;
inline constexpr int kMinLowerHeight = 80;
inline constexpr int kMinFontPanelWidth = 193;

// The transfer mode display (Edit2): 80 pixels wide with a sunken edge,
// its text in "ＭＳ Ｐゴシック" 11 pt, smaller when a language's longer text
// would not fit ("ﾐｬﾝﾏｰ語 ﾘｯﾁ1").
inline constexpr int kModeDisplayWidth = 80;
inline constexpr int kModeDisplayTextRoom = kModeDisplayWidth - 4 - 4;  // edges and margins
inline constexpr char16_t kModeDisplayFont[] = u"ＭＳ Ｐゴシック";
inline constexpr int kModeDisplayLargestSize = 11;
inline constexpr int kModeDisplaySmallestSize = 7;
// The size the mode display shows `text` at.
int ModeDisplayFontSize(TextMeasurer& measurer, const std::u16string& text);

// The sizes the user can change (splitters, settings) and the flag that says
// which pane takes the spare height.
struct PaneSizes {
    int fontPanelWidth = kMinFontPanelWidth;
    int keyboardWidth = kMaxKeyboardWidth;   // PageControl2
    int lowerHeight = 296;                   // PageControl1 (UnderHeight)
    int inputHeight = 0;                     // the input pane, when it keeps its height
    bool underStretch = true;                // UnderStretchFlg
};

struct MainLayout {
    Rect topBar, topLeftPanel, topSplitter, fontPanel, stretchPanel;
    Rect inputPane, richStrip, phoneticLine, foreignArea, keyboardSplitter, keyboardPages;
    Rect paneSplitter, lowerPane, statusBar;
};

// The input pane's height at the first layout, from the design proportions:
// what is left once the lower pane has its height.
int InitialInputHeight(int clientHeight, int statusBarHeight, int lowerHeight);

MainLayout LayOutMainWindow(int clientWidth, int clientHeight, int statusBarHeight,
                            const PaneSizes& sizes);

// The smallest input pane a start leaves: the phonetic line and the
// keyboards' minimum.
inline constexpr int kMinInputHeight = kMinKeyboardHeight;

// The lower pane at the window's smallest: its tabs, the word-book panel's
// two rows of controls, the lists' headers and three rows under them.
inline constexpr int kMinShownLowerHeight = 190;

// The smallest client area that shows every control whole: the top bar's
// panels side by side (the font panel as wide as the user made it, so the
// font box, the language chooser and 下伸び stay reachable), and the input
// pane at its minimum over a lower pane that still shows rows.
struct ClientSize {
    int width = 0, height = 0;
    bool operator==(const ClientSize&) const = default;
};
ClientSize MinimumClientSize(const PaneSizes& sizes, int statusBarHeight);

// The pane sizes for the saved lower-pane height (UnderHeight) in a client
// area of this height: the lower pane takes it, within what leaves both
// panes their minimum, and the input pane the rest. Whatever was saved, a
// start never makes a pane smaller than its minimum.
PaneSizes WithLowerHeight(PaneSizes sizes, int clientHeight, int statusBarHeight, int underHeight);

// What the settings keep of the panes (UnderHeight, FontPanelWidth,
// PC2Width): the sizes they have in the window's restored (normal) client
// area, also while it is maximised or minimised, so that the next start in
// that restored rectangle shows the same layout.
struct SavedPanes {
    int underHeight = 0;
    int fontPanelWidth = 0;
    int keyboardWidth = 0;
    bool operator==(const SavedPanes&) const = default;
};
SavedPanes PanesToSave(const PaneSizes& sizes, int normalClientWidth, int normalClientHeight,
                       int statusBarHeight);

}  // namespace tess
