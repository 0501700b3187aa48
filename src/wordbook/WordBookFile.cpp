#include "wordbook/WordBookFile.h"

#include <array>
#include <utility>

#include "lib/FieldSplit.h"
#include "lib/TextConv.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderLines = 3;
constexpr std::size_t kEntryFields = 7;
constexpr std::size_t kColorField = 6;  // field 7, stored as it is

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

using EntryFields = std::array<QuotedField, kEntryFields>;

std::u16string FieldText(std::u16string_view line, const QuotedField& field) {
    return std::u16string(line.substr(field.pos, field.size));
}

std::u16string FieldText(const Utf16LEUnits& line, const QuotedField& field) {
    return line.Decode(field.pos, field.size);
}

// The entry of a line that SplitPlainQuotedLine took. Fields 1 to 6 carry
// the quote escape, and only one with a number sign can hold it.
template <class Units>
WordEntry PlainEntry(const Units& line, const EntryFields& fields) {
    auto text = [&](std::size_t i) {
        std::u16string field = FieldText(line, fields[i]);
        if (i != kColorField && fields[i].hasNumberSign) return Unescaped(std::move(field));
        return field;
    };
    return WordEntry{text(0), text(1), text(2), text(3), text(4), text(5), text(6)};
}

// An entry by the full comma rules, for lines of any other shape.
std::optional<WordEntry> ParseByCommaRules(std::u16string_view line) {
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

// Fields 1 to 6 keep a double quote as "#$22". The colour field is stored
// as it is, but a hand-edited one can hold a double quote (never a valid
// colour): it is written doubled, as the comma rules read it, so the line
// still splits into its seven fields and the word is not lost.
void AppendQuoted(std::u16string& line, const std::u16string& field, bool escape) {
    line += u'"';
    if (field.find(u'"') == std::u16string::npos) {
        line += field;
    } else if (escape) {
        line += EncodeQuotes(field);
    } else {
        for (char16_t c : field) {
            if (c == u'"') line += u'"';
            line += c;
        }
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
    EntryFields fields;
    if (SplitPlainQuotedLine(line, fields) == line.size()) return PlainEntry(line, fields);
    return ParseByCommaRules(line);
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
    // One pass over the bytes as they were read, with no decoded copy of the
    // whole text and none of each line: a line of the shape the program
    // writes is split where it lies and its fields go straight into the
    // entry; any other line is decoded and takes the full comma rules.
    const std::optional<Bytes> bytes = platform.ReadWholeFile(InFolder(folder, fileName));
    if (!bytes) return std::nullopt;

    WordBookFile file;
    WordBook& book = file.book;
    Utf16LineCursor lines(Utf16LEUnits::OfFile(*bytes));
    for (std::u16string* header : {&book.title, &book.group, &book.audioFolder}) {
        if (lines.AtEnd()) return std::nullopt;
        *header = lines.NextLine();
    }
    book.fileName = fileName;

    // Room for a line after every LF (a book written with CR alone grows
    // as it goes), so that a big book is not moved around while it loads.
    book.entries.reserve(lines.Rest().Count(u'\n') + 1);
    EntryFields fields;
    while (!lines.AtEnd()) {
        const Utf16LEUnits rest = lines.Rest();
        const std::size_t length = SplitPlainQuotedLine(rest, fields);
        if (length != std::u16string_view::npos) {
            book.entries.push_back(PlainEntry(rest, fields));
            lines.Skip(length);
            continue;
        }
        std::u16string line = lines.NextLine();
        if (std::optional<WordEntry> entry = ParseByCommaRules(line)) {
            book.entries.push_back(std::move(*entry));
        } else {
            book.keptLines.push_back(std::move(line));
        }
    }
    file.lineCount = book.entries.size() + book.keptLines.size();
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
