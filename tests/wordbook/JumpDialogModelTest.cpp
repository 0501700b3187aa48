#include "wordbook/JumpDialogModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tess {
namespace {

TEST(JumpDialogModel, ListsOneItemPerRow) {
    EXPECT_TRUE(JumpDialogModel(0).Items().empty());
    EXPECT_EQ(JumpDialogModel(3).Items(), (std::vector<std::u16string>{u"1", u"2", u"3"}));
    const std::vector<std::u16string> items = JumpDialogModel(1000).Items();
    ASSERT_EQ(items.size(), 1000u);
    EXPECT_EQ(items[9], u"10");
    EXPECT_EQ(items.back(), u"1000");
}

TEST(JumpDialogModel, JumpsOnlyToANumberOfTheList) {
    struct Case {
        std::u16string text;
        std::optional<int> row;
    };
    const Case cases[] = {
        {u"1", 0},
        {u"3", 2},
        {u"5", 4},
        {u"03", 2},
        {u"+2", 1},
        {u"0", std::nullopt},
        {u"6", std::nullopt},
        {u"-1", std::nullopt},
        {u"", std::nullopt},
        {u"abc", std::nullopt},
        {u"3a", std::nullopt},
        {u" 3", std::nullopt},
        {u"3 ", std::nullopt},
        {u"\uFF13", std::nullopt},  // full-width 3
        {u"-", std::nullopt},
        {u"4294967299", std::nullopt},  // 2^32 + 3 must not wrap round to 3
        {u"99999999999999999999999", std::nullopt},
    };
    const JumpDialogModel model(5);
    for (const Case& c : cases) {
        EXPECT_EQ(model.RowToJump(c.text), c.row) << "text of length " << c.text.size();
    }
    EXPECT_EQ(JumpDialogModel(0).RowToJump(u"1"), std::nullopt);
}

TEST(JumpDialogModel, OkIsEnabledOnlyWhileAListedItemIsPicked) {
    enum class Act { Pick, Type };
    struct Step {
        Act act;
        int index;
        bool okEnabled;
    };
    const Step steps[] = {
        {Act::Pick, 2, true},
        {Act::Type, 0, false},   // typing drops the picked item
        {Act::Pick, 4, true},
        {Act::Pick, -1, false},  // the list's "no item"
        {Act::Pick, 0, true},
        {Act::Pick, 5, false},   // beyond the five rows
    };
    JumpDialogModel model(5);
    EXPECT_FALSE(model.OkEnabled()) << "the box starts empty";
    for (const Step& step : steps) {
        if (step.act == Act::Pick) {
            model.ItemPicked(step.index);
        } else {
            model.TextTyped();
        }
        EXPECT_EQ(model.OkEnabled(), step.okEnabled) << "after index " << step.index;
    }
}

TEST(JumpDialogModel, AnEmptyListNeverEnablesOk) {
    JumpDialogModel model(0);
    model.ItemPicked(0);
    EXPECT_FALSE(model.OkEnabled());
}

}  // namespace
}  // namespace tess
