#include "app/DictionaryGeneration.h"

#include "lib/TextFile.h"
#include "lib/FileFailure.h"
#include "wordbook/WordBookFile.h"

namespace tess {

namespace {

constexpr std::u16string_view kLabels[] = {
    u"（Alpha）", u"（あ）", u"（い）", u"（う）", u"（え）", u"（お）", u"（か）", u"（き）",
    u"（く）",    u"（け）", u"（こ）", u"（さ）", u"（し）", u"（す）", u"（せ）", u"（そ）",
    u"（た）",    u"（ち）", u"（つ）", u"（て）", u"（と）", u"（な）", u"（に）", u"（ぬ）",
    u"（ね）",    u"（の）", u"（は）", u"（ひ）", u"（ふ）", u"（へ）", u"（ほ）", u"（ま）",
    u"（み）",    u"（む）", u"（め）", u"（も）", u"（や）", u"（ゆ）", u"（よ）", u"（ら）",
    u"（り）",    u"（る）", u"（れ）", u"（ろ）", u"（わ）"};

std::u16string Number(int n) { return Utf8ToUtf16(std::to_string(n)); }

}  // namespace

std::span<const std::u16string_view> DictionaryLabels() { return kLabels; }

std::u16string DictionaryPrefix(const DataFolders& folders, const std::u16string& folder) {
    if (folder == folders.ThaiDicFolder) return u"T";
    if (folder == folders.MyanmarDicFolder) return u"M";
    if (folder == folders.LaosDicFolder) return u"L";
    if (folder == folders.KhmerDicFolder) return u"K";
    return u"X";
}

bool RunDictionaryGeneration(Platform& platform, const DataFolders& folders, WordBooks& books) {
    if (platform.ShowMessage(u"この辞書フォルダに一括で空の辞書ファイルを生成します。よろしいですか？",
                             MessageKind::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    const std::u16string folder = books.CurrentFolder();
    const std::u16string prefix = DictionaryPrefix(folders, folder);
    for (std::u16string_view label : kLabels) {
        const std::u16string title = u"辞書" + std::u16string(label);
        // A name that is taken gets the next number: nothing is overwritten.
        int k = 0;
        auto nameFor = [&](int n) {
            return prefix + (n == 0 ? u"" : Number(n)) + title + u".utx";
        };
        while (platform.FileExists(folder + u"\\" + nameFor(k))) ++k;
        const std::u16string path = folder + u"\\" + nameFor(k);
        const std::u16string group = k == 0 ? u"辞書" : u"辞書" + Number(k);
        if (!WriteNewWordBook(platform, path, title, group, u"")) {
            ReportFileFailure(platform, FileAction::Create, u"辞書ファイル", path);
            return false;
        }
    }
    if (platform.ShowMessage(u"生成を完了しました。今すぐ主画面に反映しますか？",
                             MessageKind::Question, MessageButtons::YesNo) == MessageAnswer::Yes)
        books.ListWordBooks();
    return true;
}

}  // namespace tess
