#include "wordbook/AnkiExport.h"

#include <optional>
#include <set>
#include <string>

#include "lib/PathParts.h"
#include "lib/TextFile.h"
#include "wordbook/WordListModel.h"

namespace tess {

namespace {

constexpr char16_t kHeader[] =
    u"#separator:tab\n"
    u"#html:false\n"
    u"#columns:外国語\t発音記号\t発音カナ\t日本語\t備考\t音声\n";

// "#$0D" (and any CR LF, CR or LF left in the text) as one LF.
std::u16string WithLineBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 4) == u"#$0D") {
            out += u'\n';
            i += 3;
        } else if (text[i] == u'\r') {
            out += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::u16string Quoted(std::u16string_view text) {
    std::u16string out = u"\"";
    for (char16_t c : text) {
        if (c == u'"') out += u'"';
        out += c;
    }
    out += u'"';
    return out;
}

}  // namespace

std::u16string AnkiExportFileName(std::u16string_view bookFileName) {
    const std::size_t dot = bookFileName.rfind(u'.');
    return std::u16string(bookFileName.substr(0, dot)) + u".txt";
}

std::u16string AnkiField(std::u16string_view text) {
    std::u16string field = WithLineBreaks(text);
    const bool quote = field.find_first_of(u"\t\"\n") != std::u16string::npos ||
                       (!field.empty() && field.front() == u'#');
    return quote ? Quoted(field) : field;
}

Bytes AnkiExportBytes(const WordBook& book) {
    std::u16string text = kHeader;
    for (const WordEntry& e : book.entries) {
        for (const std::u16string* field : {&e.foreignWord, &e.phonetic, &e.kana, &e.japanese,
                                            &e.note}) {
            text += AnkiField(*field);
            text += u'\t';
        }
        if (!e.audioFile.empty()) text += AnkiField(u"[sound:" + e.audioFile + u"]");
        text += u'\n';
    }
    return Utf16ToUtf8(text);
}

std::vector<std::u16string> AnkiAudioFiles(Platform& platform, const std::u16string& audioFolder,
                                           const WordBook& book) {
    std::vector<std::u16string> names;
    std::set<std::u16string> seen;
    for (const WordEntry& e : book.entries) {
        if (!PlayableAudioPath(platform, audioFolder, e.audioFile)) continue;
        if (seen.insert(platform.LowerCase(e.audioFile)).second) names.push_back(e.audioFile);
    }
    return names;
}

bool ExportWordBookToAnki(Platform& platform, const WordBook& book,
                          const std::u16string& audioFolder, const std::u16string& target) {
    const bool existed = platform.FileExists(target);
    if (!platform.ReplaceFileContents(target, AnkiExportBytes(book))) {
        platform.ShowMessage(u"「" + target + u"」を書き出せませんでした。" +
                                 (existed ? u"ファイルは元のままです。" : u""),
                             MessageKind::Warning, MessageButtons::Yes);
        return false;
    }

    const std::u16string folder = FolderPart(target);
    std::vector<std::u16string> pending;
    for (const std::u16string& name : AnkiAudioFiles(platform, audioFolder, book)) {
        if (!platform.FileExists(folder + u"\\" + name)) pending.push_back(name);
    }
    if (pending.empty()) return true;
    const std::u16string question = u"音声ファイル（" + Utf8ToUtf16(std::to_string(pending.size())) +
                                    u"個）を「" + folder + u"」にコピーしますか？";
    if (platform.ShowMessage(question, MessageKind::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return true;
    }

    std::u16string failed;
    for (const std::u16string& name : pending) {
        const std::u16string to = folder + u"\\" + name;
        const std::optional<std::u16string> from = PlayableAudioPath(platform, audioFolder, name);
        const std::optional<Bytes> bytes = from ? platform.ReadWholeFile(*from) : std::nullopt;
        if (!bytes || !platform.ReplaceFileContents(to, *bytes)) failed += u"\r\n" + to;
    }
    if (!failed.empty()) {
        platform.ShowMessage(u"次の音声ファイルをコピーできませんでした。" + failed,
                             MessageKind::Warning, MessageButtons::Yes);
    }
    return true;
}

}  // namespace tess
