#include "app/DataFolders.h"

namespace tess {

namespace {

constexpr char16_t kAppSubPath[] = u"\\Quillory\\Tessaline";

// The base folders come without a trailing separator in practice; a root
// such as "C:\" must not give "C:\\Quillory".
std::u16string Below(std::u16string base, std::u16string_view rest) {
    while (!base.empty() && base.back() == u'\\') base.pop_back();
    return base + std::u16string(rest);
}

}  // namespace

DataFolders ComputeDataFolders(Platform& platform) {
    const std::u16string appData = Below(platform.GetEnvironment(u"APPDATA"), kAppSubPath);
    const std::u16string documents = Below(platform.DocumentsFolder(), kAppSubPath);
    const std::u16string programs = Below(platform.GetEnvironment(u"PROGRAMFILES"), kAppSubPath);

    DataFolders f;
    f.ProgramFolder = programs;
    f.HelpFolder = programs + u"\\Help";
    f.SysTblFolder = programs + u"\\Tbl";
    f.SysFolder = appData + u"\\Sys";
    f.UserTblFolder = appData + u"\\Tbl";
    f.UsrFolder = documents + u"\\usr";
    f.ThaiBookFolder = documents + u"\\bookA";
    f.ThaiDicFolder = documents + u"\\bookG";
    f.MyanmarBookFolder = documents + u"\\MyanmarA";
    f.MyanmarDicFolder = documents + u"\\MyanmarG";
    f.LaosBookFolder = documents + u"\\LaosA";
    f.LaosDicFolder = documents + u"\\LaosG";
    f.KhmerBookFolder = documents + u"\\KhmerA";
    f.KhmerDicFolder = documents + u"\\KhmerG";
    f.CurBookFolder = f.ThaiBookFolder;
    f.CurDicFolder = f.ThaiDicFolder;
    f.TextFolder = f.UsrFolder;
    return f;
}

DataFolders InitDataFolders(Platform& platform) {
    DataFolders f = ComputeDataFolders(platform);
    const std::pair<const std::u16string*, const char16_t*> required[] = {
        {&f.SysFolder, u"システムフォルダが作れませんでした。"},
        {&f.UserTblFolder, u"ユーザーテーブルフォルダフォルダが作れませんでした。"},
        {&f.UsrFolder, u"ユーザーテキストフォルダが作れませんでした。"},
        {&f.ThaiBookFolder, u"単語帳フォルダが作れませんでした。"},
        {&f.ThaiDicFolder, u"辞書フォルダが作れませんでした。"},
    };
    for (const auto& [folder, warning] : required) {
        if (!platform.DirectoryExists(*folder) && !platform.CreateDirectories(*folder))
            platform.ShowMessage(warning, MessageKind::Warning, MessageButtons::Yes);
    }
    for (const std::u16string* folder :
         {&f.MyanmarBookFolder, &f.MyanmarDicFolder, &f.LaosBookFolder, &f.LaosDicFolder,
          &f.KhmerBookFolder, &f.KhmerDicFolder}) {
        if (!platform.DirectoryExists(*folder)) platform.CreateDirectories(*folder);
    }
    return f;
}

}  // namespace tess
