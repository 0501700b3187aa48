#include "lib/FitFontSize.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tess {
namespace {

// Measures by a formula of the size and records what it was asked.
class FakeMeasurer : public TextMeasurer {
public:
    explicit FakeMeasurer(std::function<TextExtent(int)> extentAt) : extentAt_(std::move(extentAt)) {}

    struct Call {
        int charset;
        std::u16string fontName;
        int sizePt;
        std::u16string text;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;

    TextExtent Measure(int charset, const std::u16string& fontName, int sizePt,
                       const std::u16string& text) override {
        calls.push_back({charset, fontName, sizePt, text});
        return extentAt_(sizePt);
    }

private:
    std::function<TextExtent(int)> extentAt_;
};

// An "M" about as high as a 96-dpi font's cell and a little narrower.
TextExtent Typical(int size) { return {size * 9 / 8, size * 4 / 3}; }
TextExtent Wide(int size) { return {size * 2, size}; }

TEST(FitFontSize, FirstSizeFromEightWhereMReachesEitherLimit) {
    struct Case {
        const char* name;
        TextExtent (*extent)(int);
        int maxHeight, maxWidth;
        int size;
    };
    const Case cases[] = {
        // Height 32 is first reached at 24 (4/3 × 24), width 30 only at 27.
        {"the height limit comes first", Typical, 32, 30, 24},
        // Width 30 is reached at 15, height 32 only at 32.
        {"the width limit comes first", Wide, 32, 30, 15},
        {"reaching a limit exactly is enough", Wide, 100, 20, 10},
        {"already at the limit at 8", Typical, 10, 100, 8},
        {"limits below the smallest size", Typical, 0, 0, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMeasurer measurer(c.extent);
        EXPECT_EQ(FitFontSize(measurer, 0, u"Tahoma", c.maxHeight, c.maxWidth), c.size);
    }
}

TEST(FitFontSize, MeasuresTheLetterMInTheGivenFontCountingUp) {
    FakeMeasurer measurer(Wide);
    EXPECT_EQ(FitFontSize(measurer, 222, u"Angsana New", 100, 22), 11);
    const std::vector<FakeMeasurer::Call> expected = {
        {222, u"Angsana New", 8, u"M"}, {222, u"Angsana New", 9, u"M"},
        {222, u"Angsana New", 10, u"M"}, {222, u"Angsana New", 11, u"M"}};
    EXPECT_EQ(measurer.calls, expected);
}

TEST(FitFontSize, StopsWhenTheMeasurerNeverGrows) {
    FakeMeasurer measurer([](int) { return TextExtent{0, 0}; });
    EXPECT_EQ(FitFontSize(measurer, 0, u"Broken", 32, 30), kFitFontMaxSize);
}

TEST(LargestFittingSize, CountsDownToTheFirstSizeThatFits) {
    // Ten pixels a point: 11 pt is 110 pixels wide.
    const std::pair<int, int> cases[] = {{200, 11}, {110, 11}, {109, 10}, {80, 8}, {71, 7}, {10, 7}};
    for (const auto& [room, size] : cases) {
        SCOPED_TRACE(room);
        FakeMeasurer measurer([](int s) { return TextExtent{s * 10, s}; });
        EXPECT_EQ(LargestFittingSize(measurer, 128, u"F", u"text", room, 11, 7), size);
        EXPECT_EQ(measurer.calls.front(), (FakeMeasurer::Call{128, u"F", 11, u"text"}));
    }
}

}  // namespace
}  // namespace tess
