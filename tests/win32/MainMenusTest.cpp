// The main window's menu bar: the items a function key also runs name the
// key after a tab, as Windows menus do, and no other item names one.
#include "app/win32/MainMenus.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tess {
namespace {

// Every item of every popup, by id, as its text reads.
std::map<UINT, std::u16string> ItemTexts(HMENU bar) {
    std::map<UINT, std::u16string> texts;
    for (int p = 0; p < GetMenuItemCount(bar); ++p) {
        HMENU popup = GetSubMenu(bar, p);
        for (int i = 0; popup && i < GetMenuItemCount(popup); ++i) {
            wchar_t text[128] = {};
            if (GetMenuStringW(popup, i, text, 128, MF_BYPOSITION) <= 0) continue;
            texts[GetMenuItemID(popup, i)] = reinterpret_cast<const char16_t*>(text);
        }
    }
    return texts;
}

TEST(MainMenus, ItemsWithAFunctionKeyNameIt) {
    MainMenus menus = CreateMainMenus();
    const std::map<UINT, std::u16string> texts = ItemTexts(menus.bar);
    const std::map<UINT, std::u16string> keyed = {
        {kMenuWbSearch, u"単語帳検索\tF6"},
        {kMenuWbRegWord, u"単語登録\tF4"},
        {kMenuWbModWord, u"単語編集\tF5"},
        {kMenuOptionSettings, u"設定(&S)\tF8"},
    };
    for (const auto& [id, text] : keyed) {
        ASSERT_TRUE(texts.count(id)) << id;
        EXPECT_EQ(texts.at(id), text);
    }
    for (const auto& [id, text] : texts) {
        if (keyed.count(id)) continue;
        const std::size_t tab = text.find(u'\t');
        // The edit menu's shortcuts are Ctrl keys; nothing else has an F key.
        if (tab != std::u16string::npos) {
            EXPECT_EQ(text.substr(tab + 1, 5), u"Ctrl+") << id;
        }
    }
    DestroyMenu(menus.bar);
}

}  // namespace
}  // namespace tess
