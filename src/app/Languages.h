// The four languages the pad writes and the six input modes that select them.
//
// Both are data: the mode box lists the modes in InputMode order, and a switch
// to a language copies its row into the language state, the working folders
// and the foreign table's file names. The Thai MS IME mode uses the Thai row
// but keeps the foreign table; the alphanumeric mode selects no language.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/DataFolders.h"
#include "settings/Settings.h"
#include "input/InputModes.h"
#include "platform/platform.h"

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
    // The letters a font must draw to write the language: every consonant,
    // vowel, tone mark and digit its tables type in everyday text. A font
    // that has only some of them (DejaVu has half the Lao letters) shows the
    // rest as empty boxes, so it is no font for the language.
    std::u16string_view scriptLetters;
    // Letters the tables also reach that fewer fonts have (Pali Lao letters,
    // Khmer lunar-date signs, the Myanmar extensions for Shan and Mon): a
    // fallback that has them too is the better one.
    std::u16string_view rareLetters;
    // The fonts that draw the script best (the default first, then those
    // Windows ships, then free fonts many users have) for when the
    // language's own font is not installed or does not draw its letters.
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

// The font the program writes `row`'s language in when `chosen` is the font
// the user picked for it: `chosen` itself when it is installed (or listed in
// `boxItems`, the main window's font box) and draws every letter of the
// script; else an installed font that does (FontForScript); else `chosen`
// when it is installed at all; nothing when no installed font will do (the
// caller keeps the font it has). The choice is never saved: the setting keeps
// the user's font, which comes back once it is installed.
std::optional<std::u16string> LanguageFontInUse(Platform& platform, const LanguageRow& row,
                                                const std::u16string& chosen,
                                                std::span<const std::u16string> boxItems = {});

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
