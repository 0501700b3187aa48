#include "app/Languages.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "settings/FontLists.h"

namespace tess {

namespace {

constexpr std::array<std::u16string_view, 6> kInputModeItems = {
    u"タイ語ﾛｰﾏ字", u"タイ語 MS IME", u"英数", u"ﾐｬﾝﾏｰ語ﾛｰﾏ字", u"ﾗｵｽ語ﾛｰﾏ字", u"ｸﾒｰﾙ語ﾛｰﾏ字",
};

constexpr std::array<std::u16string_view, 5> kThaiFallbacks = {
    u"Tahoma", u"Leelawadee UI", u"Leelawadee", u"Noto Sans Thai", u"Garuda"};
constexpr std::array<std::u16string_view, 4> kMyanmarFallbacks = {
    u"Padauk Book", u"Myanmar Text", u"Padauk", u"Noto Sans Myanmar"};
constexpr std::array<std::u16string_view, 6> kLaoFallbacks = {
    u"Lao UI", u"DokChampa", u"Leelawadee UI", u"Phetsarath OT", u"Saysettha OT", u"Noto Sans Lao"};
constexpr std::array<std::u16string_view, 5> kKhmerFallbacks = {
    u"Khmer UI", u"Khmer OS Battambang", u"Leelawadee UI", u"DaunPenh", u"Noto Sans Khmer"};

// A set of letters made at compile time from runs of code points, so the
// rows below are constants that any code may read, at any time.
struct LetterRun {
    char16_t from, to;
};
struct LetterSet {
    std::array<char16_t, 160> chars{};
    std::size_t size = 0;
    constexpr std::u16string_view View() const { return {chars.data(), size}; }
};
consteval LetterSet Letters(std::initializer_list<LetterRun> runs) {
    LetterSet set;
    for (LetterRun run : runs)
        for (char16_t c = run.from; c <= run.to; ++c) set.chars[set.size++] = c;
    return set;
}

// The letters of each script's block that its tables type; Lao leaves out
// the unassigned points, Khmer the two deprecated independent vowels and the
// unassigned points.
constexpr LetterSet kThaiLetters = Letters({{0x0E01, 0x0E3A}, {0x0E3F, 0x0E5B}});
constexpr LetterSet kLaoLetters =
    Letters({{0x0E81, 0x0E82}, {0x0E84, 0x0E84}, {0x0E87, 0x0E88}, {0x0E8A, 0x0E8A},
             {0x0E8D, 0x0E8D}, {0x0E94, 0x0E97}, {0x0E99, 0x0E9F}, {0x0EA1, 0x0EA3},
             {0x0EA5, 0x0EA5}, {0x0EA7, 0x0EA7}, {0x0EAA, 0x0EAB}, {0x0EAD, 0x0EB9},
             {0x0EBB, 0x0EBD}, {0x0EC0, 0x0EC4}, {0x0EC6, 0x0EC6}, {0x0EC8, 0x0ECD},
             {0x0ED0, 0x0ED9}, {0x0EDC, 0x0EDD}});
constexpr LetterSet kLaoRareLetters =
    Letters({{0x0E86, 0x0E86}, {0x0E89, 0x0E89}, {0x0E8C, 0x0E8C}, {0x0E8E, 0x0E93},
             {0x0E98, 0x0E98}, {0x0EA0, 0x0EA0}, {0x0EA8, 0x0EA9}, {0x0EAC, 0x0EAC},
             {0x0EBA, 0x0EBA}, {0x0ECE, 0x0ECE}, {0x0EDE, 0x0EDF}});
constexpr LetterSet kKhmerLetters =
    Letters({{0x1780, 0x17A2}, {0x17A5, 0x17A7}, {0x17A9, 0x17B3}, {0x17B6, 0x17D2},
             {0x17D4, 0x17DD}, {0x17E0, 0x17E9}});
constexpr LetterSet kKhmerRareLetters = Letters({{0x17F0, 0x17F9}});
constexpr LetterSet kMyanmarLetters = Letters({{0x1000, 0x104F}});
constexpr LetterSet kMyanmarRareLetters = Letters({{0x1050, 0x109F}});

constexpr std::array<LanguageRow, 4> kLanguages = {{
    {u"タイ語", u"泰日", u"日泰", 222, true, &DataFolders::ThaiBookFolder,
     &DataFolders::ThaiDicFolder, &Settings::ThaiFont, &Settings::ThaiUDBFile,
     &Settings::ThaiCandFile, 0, kThaiLetters.View(), u"", kThaiFallbacks},
    {u"ﾐｬﾝﾏｰ語", u"緬日", u"日緬", 0, false, &DataFolders::MyanmarBookFolder,
     &DataFolders::MyanmarDicFolder, &Settings::MyanmarFont, &Settings::MyanmarUDBFile,
     &Settings::MyanmarCandFile, 1, kMyanmarLetters.View(), kMyanmarRareLetters.View(),
     kMyanmarFallbacks},
    {u"ﾗｵｽ語", u"羅日", u"日羅", 0, false, &DataFolders::LaosBookFolder,
     &DataFolders::LaosDicFolder, &Settings::LaosFont, &Settings::LaosUDBFile,
     &Settings::LaosCandFile, 2, kLaoLetters.View(), kLaoRareLetters.View(), kLaoFallbacks},
    {u"ｸﾒｰﾙ語", u"柬日", u"日柬", 0, false, &DataFolders::KhmerBookFolder,
     &DataFolders::KhmerDicFolder, &Settings::KhmerFont, &Settings::KhmerUDBFile,
     &Settings::KhmerCandFile, 3, kKhmerLetters.View(), kKhmerRareLetters.View(), kKhmerFallbacks},
}};

}  // namespace

std::span<const std::u16string_view> InputModeItems() { return kInputModeItems; }

std::span<const LanguageRow> LanguageRows() { return kLanguages; }

const LanguageRow& LanguageRowNamed(std::u16string_view name) {
    for (const LanguageRow& row : kLanguages)
        if (row.name == name) return row;
    return kLanguages[0];
}

const LanguageRow* LanguageOfMode(int mode) {
    switch (mode) {
        case kModeThaiRomaji:
        case kModeThaiMsIme: return &kLanguages[0];
        case kModeMyanmarRomaji: return &kLanguages[1];
        case kModeLaoRomaji: return &kLanguages[2];
        case kModeKhmerRomaji: return &kLanguages[3];
        default: return nullptr;
    }
}

std::optional<std::u16string> LanguageFontInUse(Platform& platform, const LanguageRow& row,
                                                const std::u16string& chosen,
                                                std::span<const std::u16string> boxItems) {
    const bool installed = std::find(boxItems.begin(), boxItems.end(), chosen) != boxItems.end() ||
                           FontInstalled(platform, chosen);
    if (installed && platform.FontHasGlyphs(chosen, row.scriptLetters)) return chosen;
    if (auto drawing = FontForScript(platform, row.scriptLetters, row.rareLetters, row.fallbackFonts))
        return drawing;
    if (installed) return chosen;
    return std::nullopt;
}

LanguageState LanguageStateOf(const LanguageRow& row) {
    return LanguageState{std::u16string(row.name), std::u16string(row.langToJpCaption),
                         std::u16string(row.jpToLangCaption), row.charset};
}

LanguageState ThaiLanguageState() { return LanguageStateOf(kLanguages[0]); }

}  // namespace tess
