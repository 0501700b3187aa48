#include "wordbook/WordBookFile.h"

#include <utility>

#include "lib/FieldSplit.h"
#include "lib/TextConv.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderLines = 3;
constexpr std::size_t kEntryFields = 7;

std::u16string InFolder(const std::u16string& folder, const std::u16string& fileName) {
    return folder + u"\\" + fileName;
}

// The conversions only when there is something to convert: a big book is
// mostly fields without quotes, and this keeps loading close to the cost of
// splitting the lines.
std::u16string Unescaped(std::u16string&& field) {
    if (field.find(u"#$22") == std::u16string::npos) return std::move(field);
    return DecodeQuotes(field);
}

void AppendQuoted(std::u16string& line, const std::u16string& field, bool escape) {
    line += u'"';
    if (escape && field.find(u'"') != std::u16string::npos) {
        line += EncodeQuotes(field);
    } else {
        line += field;
    }
    line += u'"';
}

}  // namespace

std::optional<Lines> ReadWordBookLines(Platform& platform, const std::u16string& path) {
    std::optional<Bytes> bytes = platform.ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return SplitLines(DecodeUtf16LE(*bytes));
}

std::optional<WordEntry> ParseWordEntry(std::u16string_view line) {
    std::vector<std::u16string> fields = SplitWordBookFields(line);
    if (fields.size() != kEntryFields) return std::nullopt;
    WordEntry entry;
    entry.foreignWord = Unescaped(std::move(fields[0]));
    entry.phonetic = Unescaped(std::move(fields[1]));
    entry.kana = Unescaped(std::move(fields[2]));
    entry.japanese = Unescaped(std::move(fields[3]));
    entry.note = Unescaped(std::move(fields[4]));
    entry.audioFile = Unescaped(std::move(fields[5]));
    entry.textColor = std::move(fields[6]);
    return entry;
}

std::u16string WordEntryLine(const WordEntry& entry) {
    std::u16string line;
    line.reserve(entry.foreignWord.size() + entry.phonetic.size() + entry.kana.size() +
                 entry.japanese.size() + entry.note.size() + entry.audioFile.size() +
                 entry.textColor.size() + 3 * kEntryFields);
    for (const std::u16string* field : {&entry.foreignWord, &entry.phonetic, &entry.kana,
                                        &entry.japanese, &entry.note, &entry.audioFile}) {
        AppendQuoted(line, *field, true);
        line += u',';
    }
    AppendQuoted(line, entry.textColor, false);
    return line;
}

Lines WordBookLines(const std::u16string& title, const std::u16string& group,
                    const std::u16string& audioFolder, const std::vector<WordEntry>& entries,
                    const std::vector<std::u16string>& keptLines) {
    Lines lines;
    lines.reserve(kHeaderLines + entries.size() + keptLines.size());
    lines.push_back(title);
    lines.push_back(group);
    lines.push_back(audioFolder);
    for (const WordEntry& entry : entries) lines.push_back(WordEntryLine(entry));
    lines.insert(lines.end(), keptLines.begin(), keptLines.end());
    return lines;
}

std::optional<WordBookFile> ReadWordBookFile(Platform& platform, const std::u16string& folder,
                                             const std::u16string& fileName) {
    std::optional<Lines> lines = ReadWordBookLines(platform, InFolder(folder, fileName));
    if (!lines || lines->size() < kHeaderLines) return std::nullopt;
    WordBookFile file;
    file.lineCount = lines->size() - kHeaderLines;
    WordBook& book = file.book;
    book.fileName = fileName;
    book.title = std::move((*lines)[0]);
    book.group = std::move((*lines)[1]);
    book.audioFolder = std::move((*lines)[2]);
    book.entries.reserve(file.lineCount);
    for (std::size_t i = kHeaderLines; i < lines->size(); ++i) {
        if (std::optional<WordEntry> entry = ParseWordEntry((*lines)[i])) {
            book.entries.push_back(std::move(*entry));
        } else {
            book.keptLines.push_back(std::move((*lines)[i]));
        }
    }
    return file;
}

bool WriteNewWordBook(Platform& platform, const std::u16string& path, const std::u16string& title,
                      const std::u16string& group, const std::u16string& audioFolder,
                      const std::vector<WordEntry>& entries,
                      const std::vector<std::u16string>& keptLines) {
    return WriteUtf16Lines(platform, path,
                           WordBookLines(title, group, audioFolder, entries, keptLines));
}

std::u16string WordBookTitlePanel(std::u16string_view title) {
    std::u16string text = u"●タイトル：「";
    text += title;
    text += u"」";
    return text;
}

WordBookLoad WordBookStore::Load(Platform& platform, const std::u16string& folder,
                                 const std::u16string& fileName) {
    if (!platform.FileExists(InFolder(folder, fileName))) return {};

    std::optional<WordBookFile> file = ReadWordBookFile(platform, folder, fileName);
    if (!file) {
        Close();
        return {WordBookLoadResult::NotABook, std::u16string()};
    }
    folder_ = folder;
    book_ = std::move(file->book);
    return {WordBookLoadResult::Loaded, book_.fileName};
}

bool WordBookStore::Save(Platform& platform) const {
    if (!IsOpen()) return true;
    return WriteNewWordBook(platform, InFolder(folder_, book_.fileName), book_.title, book_.group,
                            book_.audioFolder, book_.entries, book_.keptLines);
}

void WordBookStore::Close() {
    folder_.clear();
    book_ = WordBook();
}

}  // namespace tess
