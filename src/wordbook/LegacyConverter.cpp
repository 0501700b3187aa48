#include "wordbook/LegacyConverter.h"

#include <algorithm>

#include "lib/PathParts.h"
#include "lib/TextConv.h"

namespace tess {

namespace {

constexpr ConversionMode kModes[] = {
    {u"Dovrec　(*.kwd)　　→　Pellaun  (*.utx)", u"*.kwd", u"C:\\Quillory\\Dovrec\\bookA"},
    {u"Morvane　(*.twd)　　→　　Tessaline  (*.utx)", u"*.twd", u"C:\\Quillory\\Morvane\\bookA"},
    {u"Vetrin　(*.rwd)　　→　　Sarnold  (*.utx)", u"*.rwd", u"C:\\Quillory\\Vetrin\\bookA"},
    {u"Brisquel　(*.ewd)　　→　　Ostrel  (*.utx)", u"*.ewd", u"C:\\Quillory\\Fennick\\FrenchA"},
    {u"Mendrac　(*.tud)　　→　　Tessalune  (*.utx)", u"*.tud", u"C:\\Quillory\\Mendrac\\bookA"},
};

std::u16string LowerExtension(std::u16string_view name) {
    const std::size_t dot = name.rfind(u'.');
    std::u16string ext(dot == std::u16string_view::npos ? u"" : name.substr(dot));
    for (char16_t& c : ext)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
    return ext;
}

// The code page of the foreign word of a four-line file; 0: not one.
unsigned ForeignCodePage(std::u16string_view extension) {
    if (extension == u".kwd") return 949;
    if (extension == u".twd") return 874;
    if (extension == u".rwd") return 1251;
    if (extension == u".ewd") return 1252;
    return 0;
}

// The count line: a decimal number, anything else 0.
long long CountOf(std::u16string_view line) {
    if (line.empty() || line.size() > 9) return 0;
    long long n = 0;
    for (char16_t c : line) {
        if (c < u'0' || c > u'9') return 0;
        n = n * 10 + (c - u'0');
    }
    return n;
}

// A line of the old file, NULs left out: they are not text, and a word book
// line ends at its first NUL, so one kept would lose the word.
std::u16string LineOr(const Lines& lines, std::size_t i) {
    if (i >= lines.size()) return {};
    std::u16string line = lines[i];
    std::erase(line, u'\0');
    return line;
}

}  // namespace

std::span<const ConversionMode> ConversionModes() { return kModes; }

std::optional<LegacyBook> ReadLegacyBook(Platform& platform, const std::u16string& path) {
    const std::u16string extension = LowerExtension(LeafName(path));
    const unsigned foreignPage = ForeignCodePage(extension);
    if (foreignPage == 0 && extension != u".tud") return std::nullopt;
    const std::optional<Bytes> bytes = platform.ReadWholeFile(path);
    if (!bytes) return std::nullopt;

    LegacyBook book;
    if (foreignPage == 0) {
        const Lines lines = SplitLines(DecodeUtf16LE(*bytes));
        if (lines.size() < 2) return std::nullopt;
        book.title = LineOr(lines, 0);
        book.audioFolder = LineOr(lines, 2);
        const long long count = CountOf(lines[1]);
        // Records only as far as the file has lines; a record cut short
        // keeps the fields it has.
        for (long long r = 0; r < count; ++r) {
            const std::size_t at = 3 + static_cast<std::size_t>(r) * 7;
            if (at >= lines.size()) break;
            book.entries.push_back(WordEntry{LineOr(lines, at + 1), LineOr(lines, at + 2),
                                             LineOr(lines, at + 3), LineOr(lines, at),
                                             LineOr(lines, at + 4), LineOr(lines, at + 5),
                                             LineOr(lines, at + 6)});
        }
        return book;
    }
    // The file decoded twice; each line taken from the decoding that names it.
    const Lines system = SplitLines(platform.DecodeCodePage(kAnsiCodePage, *bytes));
    const Lines foreign = SplitLines(platform.DecodeCodePage(foreignPage, *bytes));
    if (system.size() < 2) return std::nullopt;
    book.title = LineOr(system, 0);
    const long long count = CountOf(system[1]);
    for (long long r = 0; r < count; ++r) {
        const std::size_t at = 2 + static_cast<std::size_t>(r) * 4;
        if (at >= system.size()) break;
        std::u16string word = LineOr(foreign, at + 3);
        ReplaceAll(word, u"\"", u"");
        book.entries.push_back(WordEntry{word, u"", LineOr(system, at + 1), LineOr(system, at),
                                         LineOr(system, at + 2), u"", u""});
    }
    return book;
}

std::u16string ConvertedName(std::u16string_view sourceName) {
    std::u16string name(sourceName);
    std::replace(name.begin(), name.end(), u'(', u'（');
    std::replace(name.begin(), name.end(), u')', u'）');
    const std::size_t dot = name.rfind(u'.');
    if (dot != std::u16string::npos) name.erase(dot);
    return name + u".utx";
}

std::u16string FreeOutputName(Platform& platform, const std::u16string& folder,
                              const std::u16string& convertedName) {
    if (!platform.FileExists(folder + u"\\" + convertedName)) return convertedName;
    const std::u16string stem = convertedName.substr(0, convertedName.find(u'.'));
    for (int k = 1;; ++k) {
        const std::u16string name = stem + u"(" + Utf8ToUtf16(std::to_string(k)) + u").utx";
        if (!platform.FileExists(folder + u"\\" + name)) return name;
    }
}

LegacyConverter::LegacyConverter(Platform& platform, std::u16string currentFolder)
    : platform_(platform), currentFolder_(std::move(currentFolder)) {
    ChooseMode(kDefaultConversionMode);
}

void LegacyConverter::ChooseMode(int row) {
    if (row < 0 || row >= static_cast<int>(std::size(kModes))) return;
    mode_ = row;
    SetSourceFolder(std::u16string(kModes[row].defaultSource));
}

void LegacyConverter::SetSourceFolder(std::u16string folder) {
    sourceFolder_ = std::move(folder);
    FillSourceList();
}

void LegacyConverter::FillSourceList() {
    sourceFiles_.clear();
    if (platform_.DirectoryExists(sourceFolder_))
        sourceFiles_ = platform_.ListFiles(sourceFolder_, std::u16string(kModes[mode_].pattern));
}

LegacyConverter::Outcome LegacyConverter::Convert(const std::u16string& destination) {
    Outcome outcome;
    if (sourceFiles_.empty()) return outcome;
    if (!platform_.DirectoryExists(destination)) {
        if (platform_.ShowMessage(u"保存先フォルダが存在しません。新たに生成しますか？",
                                  MessageKind::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
            platform_.ShowMessage(u"参照ボタンを用いて別の保存先フォルダを指定して下さい。",
                                  MessageKind::Information, MessageButtons::Ok);
            return outcome;
        }
        if (!platform_.CreateDirectories(destination)) {
            platform_.ShowMessage(
                u"保存先フォルダの生成に失敗しました。参照ボタンを用いて別のフォルダを指定することをお勧めします。",
                MessageKind::Information, MessageButtons::Ok);
            return outcome;
        }
    }
    outcome.ran = true;
    // Why a file was not converted, beside its name in the summary: a book
    // that could not be written is named, so the user knows where to look.
    std::vector<std::u16string> reasons;
    for (const std::u16string& name : sourceFiles_) {
        const std::optional<LegacyBook> book = ReadLegacyBook(platform_, sourceFolder_ + u"\\" + name);
        if (!book) {
            outcome.notConverted.push_back(name);
            reasons.emplace_back();
            continue;
        }
        const std::u16string output = FreeOutputName(platform_, destination, ConvertedName(name));
        const Lines lines = WordBookLines(book->title, u"", book->audioFolder, book->entries);
        if (!WriteUtf16Lines(platform_, destination + u"\\" + output, lines)) {
            outcome.notConverted.push_back(name);
            reasons.push_back(u"（「" + destination + u"\\" + output + u"」を保存できませんでした）");
            continue;
        }
        outcome.generated.push_back(output);
        outcome.lastText.clear();
        for (const std::u16string& line : lines) outcome.lastText += line + u"\r\n";
    }
    std::u16string summary = Utf8ToUtf16(std::to_string(outcome.generated.size())) +
                             u"個のファイルを変換しました。";
    if (!outcome.notConverted.empty()) {
        summary += u"\r\n次のファイルは変換できませんでした：";
        for (std::size_t i = 0; i < outcome.notConverted.size(); ++i)
            summary += u"\r\n" + outcome.notConverted[i] + reasons[i];
    }
    platform_.ShowMessage(summary, outcome.notConverted.empty() ? MessageKind::Information
                                                                : MessageKind::Warning,
                          MessageButtons::Ok);
    return outcome;
}

}  // namespace tess
