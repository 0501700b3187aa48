// The four languages the pad writes and the six input modes that select them.
//
// Both are data: the mode box lists the modes in InputMode order, and a switch
// to a language copies its row into the language state, the working folders
// and the foreign table's file names. The Thai MS IME mode uses the Thai row
// but keeps the foreign table; the alphanumeric mode selects no language.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/DataFolders.h"
#include "settings/Settings.h"
#include "input/InputModes.h"
#include "input/InputModes.h"

namespace tess {

// The mode box's items; item i stands for InputMode i + 1.
std::span<const std::u16string_view> InputModeItems();

struct LanguageRow {
    std::u16string_view name;             // LanguageName
    std::u16string_view langToJpCaption;  // first direction radio button, "泰日"
    std::u16string_view jpToLangCaption;  // second one, "日泰"
    int charset;                          // LangCharset
    bool msImePage;                       // TabSheet4 shown
    std::u16string DataFolders::*bookFolder;
    std::u16string DataFolders::*dicFolder;
    std::u16string Settings::*fontSetting;
    std::u16string Settings::*udbSetting;   // the language's symbol DB file
    std::u16string Settings::*candSetting;  // the language's candidate file
    int picture;                            // index of the language picture
    // A letter of the language's script, and the fonts that draw it best
    // (the default first, then those Windows ships) for when the language's
    // own font is not installed.
    std::u16string_view scriptSample;
    std::span<const std::u16string_view> fallbackFonts;
};

// Thai, Myanmar, Lao, Khmer.
std::span<const LanguageRow> LanguageRows();

// The row of the language named `name` (a LanguageState's LanguageName);
// Thai for any other name.
const LanguageRow& LanguageRowNamed(std::u16string_view name);

// The row an input mode selects: Thai for 1 and 2, Myanmar, Lao and Khmer for
// 4 to 6; nullptr for the alphanumeric mode and any value outside 1 to 6.
const LanguageRow* LanguageOfMode(int mode);

// The language state the rest of the program reads (word list captions,
// direction buttons, the fonts' character set).
struct LanguageState {
    std::u16string LanguageName;
    std::u16string LangToJpCaption;
    std::u16string JpToLangCaption;
    int LangCharset = 0;
    bool operator==(const LanguageState&) const = default;
};

LanguageState LanguageStateOf(const LanguageRow& row);

// Thai, the language of every start until the saved input mode is applied.
LanguageState ThaiLanguageState();

}  // namespace tess
