#include "app/Languages.h"

#include <array>

namespace tess {

namespace {

constexpr std::array<std::u16string_view, 6> kInputModeItems = {
    u"タイ語ﾛｰﾏ字", u"タイ語 MS IME", u"英数", u"ﾐｬﾝﾏｰ語ﾛｰﾏ字", u"ﾗｵｽ語ﾛｰﾏ字", u"ｸﾒｰﾙ語ﾛｰﾏ字",
};

const std::array<LanguageRow, 4> kLanguages = {{
    {u"タイ語", u"泰日", u"日泰", 222, true, &DataFolders::ThaiBookFolder,
     &DataFolders::ThaiDicFolder, &Settings::ThaiFont, &Settings::ThaiUDBFile,
     &Settings::ThaiCandFile, 0},
    {u"ﾐｬﾝﾏｰ語", u"緬日", u"日緬", 0, false, &DataFolders::MyanmarBookFolder,
     &DataFolders::MyanmarDicFolder, &Settings::MyanmarFont, &Settings::MyanmarUDBFile,
     &Settings::MyanmarCandFile, 1},
    {u"ﾗｵｽ語", u"羅日", u"日羅", 0, false, &DataFolders::LaosBookFolder,
     &DataFolders::LaosDicFolder, &Settings::LaosFont, &Settings::LaosUDBFile,
     &Settings::LaosCandFile, 2},
    {u"ｸﾒｰﾙ語", u"柬日", u"日柬", 0, false, &DataFolders::KhmerBookFolder,
     &DataFolders::KhmerDicFolder, &Settings::KhmerFont, &Settings::KhmerUDBFile,
     &Settings::KhmerCandFile, 3},
}};

}  // namespace

std::span<const std::u16string_view> InputModeItems() { return kInputModeItems; }

std::span<const LanguageRow> LanguageRows() { return kLanguages; }

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
