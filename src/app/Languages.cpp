#include "app/Languages.h"

#include <array>

namespace tess {

namespace {

constexpr std::array<std::u16string_view, 6> kInputModeItems = {
    u"タイ語ﾛｰﾏ字", u"タイ語 MS IME", u"英数", u"ﾐｬﾝﾏｰ語ﾛｰﾏ字", u"ﾗｵｽ語ﾛｰﾏ字", u"ｸﾒｰﾙ語ﾛｰﾏ字",
};

constexpr std::array<std::u16string_view, 3> kThaiFallbacks = {u"Tahoma", u"Leelawadee UI",
                                                                 u"Leelawadee"};
constexpr std::array<std::u16string_view, 3> kMyanmarFallbacks = {u"Padauk Book", u"Myanmar Text",
                                                                  u"Padauk"};
constexpr std::array<std::u16string_view, 3> kLaoFallbacks = {u"Lao UI", u"DokChampa",
                                                              u"Leelawadee UI"};
constexpr std::array<std::u16string_view, 4> kKhmerFallbacks = {
    u"Khmer UI", u"Khmer OS Battambang", u"Leelawadee UI", u"DaunPenh"};

const std::array<LanguageRow, 4> kLanguages = {{
    {u"タイ語", u"泰日", u"日泰", 222, true, &DataFolders::ThaiBookFolder,
     &DataFolders::ThaiDicFolder, &Settings::ThaiFont, &Settings::ThaiUDBFile,
     &Settings::ThaiCandFile, 0, u"\u0E01", kThaiFallbacks},
    {u"ﾐｬﾝﾏｰ語", u"緬日", u"日緬", 0, false, &DataFolders::MyanmarBookFolder,
     &DataFolders::MyanmarDicFolder, &Settings::MyanmarFont, &Settings::MyanmarUDBFile,
     &Settings::MyanmarCandFile, 1, u"\u1000", kMyanmarFallbacks},
    {u"ﾗｵｽ語", u"羅日", u"日羅", 0, false, &DataFolders::LaosBookFolder,
     &DataFolders::LaosDicFolder, &Settings::LaosFont, &Settings::LaosUDBFile,
     &Settings::LaosCandFile, 2, u"\u0E81", kLaoFallbacks},
    {u"ｸﾒｰﾙ語", u"柬日", u"日柬", 0, false, &DataFolders::KhmerBookFolder,
     &DataFolders::KhmerDicFolder, &Settings::KhmerFont, &Settings::KhmerUDBFile,
     &Settings::KhmerCandFile, 3, u"\u1780", kKhmerFallbacks},
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

LanguageState LanguageStateOf(const LanguageRow& row) {
    return LanguageState{std::u16string(row.name), std::u16string(row.langToJpCaption),
                         std::u16string(row.jpToLangCaption), row.charset};
}

LanguageState ThaiLanguageState() { return LanguageStateOf(kLanguages[0]); }

}  // namespace tess
