#include "wordbook/WordSearch.h"

#include <utility>

#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderLines = 3;
constexpr std::size_t kEntryFields = 7;
constexpr std::size_t kColorField = 6;  // stored as it is

enum class Match { None, Partial, Exact };

// Where `text` (not empty) stands in the `size` units from `pos` of `units`.
template <class Units>
Match Compare(const Units& units, std::size_t pos, std::size_t size, std::u16string_view text) {
    const std::size_t n = text.size();
    if (size < n) return Match::None;
    const char16_t first = text[0];
    for (std::size_t start = pos, last = pos + size - n; start <= last; ++start) {
        if (units[start] != first) continue;
        std::size_t i = 1;
        while (i < n && units[start + i] == text[i]) ++i;
        if (i == n) return size == n ? Match::Exact : Match::Partial;
    }
    return Match::None;
}

// The lines of a file's units by the rules of SplitLines, as the word book
// reader walks them.
class LineWalk {
public:
    explicit LineWalk(const Utf16LEUnits& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    Utf16LEUnits Rest() const { return text_.From(pos_); }

    // Moves past the current line, `length` units long, and its end.
    void Skip(std::size_t length) {
        pos_ += length;
        if (pos_ < text_.size()) {
            pos_ += text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n'
                        ? 2
                        : 1;
        }
    }

    std::u16string NextLine() {
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
        std::u16string line = text_.Decode(pos_, end - pos_);
        Skip(line.size());
        return line;
    }

private:
    Utf16LEUnits text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::u16string HitNumberText(const SearchHit& hit) {
    std::u16string number = Utf8ToUtf16(std::to_string(hit.number));
    return hit.exact ? u"*" + number : number;
}

void SearchHits::Clear() {
    books_.clear();
    exact_.clear();
    partial_.clear();
    fieldsAdded_ = 0;
}

void SearchHits::BeginBook(std::u16string title) { books_.push_back(Book{std::move(title), {}}); }

void SearchHits::BeginHit(std::size_t number, bool exact) {
    Packed hit;
    hit.start = books_.back().texts.size();
    hit.book = static_cast<std::uint32_t>(books_.size() - 1);
    hit.number = static_cast<std::uint32_t>(number);
    hit.exact = exact;
    (exact ? exact_ : partial_).push_back(hit);
    currentExact_ = exact;
    fieldsAdded_ = 0;
}

void SearchHits::AddField(std::u16string_view text, bool unescape) {
    std::u16string& texts = books_.back().texts;
    const std::size_t before = texts.size();
    if (unescape && text.find(u"#$22") != std::u16string_view::npos) {
        texts += DecodeQuotes(text);
    } else {
        texts += text;
    }
    Current().lengths[fieldsAdded_++] = static_cast<std::uint32_t>(texts.size() - before);
}

void SearchHits::AddField(const Utf16LEUnits& units, std::size_t pos, std::size_t count,
                          bool unescape) {
    if (unescape) {
        AddField(units.Decode(pos, count), true);
        return;
    }
    std::u16string& texts = books_.back().texts;
    const std::size_t before = texts.size();
    texts.resize(before + count);
    for (std::size_t i = 0; i < count; ++i) texts[before + i] = units[pos + i];
    Current().lengths[fieldsAdded_++] = static_cast<std::uint32_t>(count);
}

const SearchHits::Packed& SearchHits::At(std::size_t row) const {
    if (row < exact_.size()) return exact_[exact_.size() - 1 - row];
    return partial_[row - exact_.size()];
}

SearchHit SearchHits::operator[](std::size_t row) const {
    const Packed& packed = At(row);
    SearchHit hit;
    const Book& book = books_[packed.book];
    hit.title = book.title;
    hit.number = packed.number;
    hit.exact = packed.exact;
    std::size_t pos = packed.start;
    std::u16string* fields[7] = {&hit.entry.foreignWord, &hit.entry.phonetic, &hit.entry.kana,
                                 &hit.entry.japanese,    &hit.entry.note,     &hit.entry.audioFile,
                                 &hit.entry.textColor};
    for (std::size_t i = 0; i < 7; ++i) {
        fields[i]->assign(book.texts, pos, packed.lengths[i]);
        pos += packed.lengths[i];
    }
    return hit;
}

std::vector<SearchHit> SearchHits::Rows() const {
    std::vector<SearchHit> rows;
    rows.reserve(size());
    for (std::size_t row = 0; row < size(); ++row) rows.push_back((*this)[row]);
    return rows;
}

bool SearchBookBytes(std::string_view bytes, int fieldIndex, std::u16string_view text,
                     SearchHits& hits) {
    LineWalk lines(Utf16LEUnits::OfFile(bytes));
    std::u16string title;
    for (std::size_t i = 0; i < kHeaderLines; ++i) {
        if (lines.AtEnd()) return false;
        std::u16string line = lines.NextLine();
        if (i == 0) title = std::move(line);
    }
    if (text.empty() || fieldIndex < 0 || fieldIndex >= kSearchFieldCount) return true;
    const auto field = static_cast<std::size_t>(fieldIndex);
    hits.BeginBook(std::move(title));

    // A line of the written shape is compared where it lies; only a hit's
    // fields are copied. Any other line takes the full comma rules; one that
    // does not give seven fields is no entry and takes no number.
    std::size_t number = 0;
    std::array<QuotedField, kEntryFields> fields;
    while (!lines.AtEnd()) {
        const Utf16LEUnits rest = lines.Rest();
        const std::size_t length = SplitPlainQuotedLine(rest, fields);
        if (length != std::u16string_view::npos) {
            ++number;
            const Match match = Compare(rest, fields[field].pos, fields[field].size, text);
            if (match != Match::None) {
                hits.BeginHit(number, match == Match::Exact);
                for (std::size_t i = 0; i < kEntryFields; ++i)
                    hits.AddField(rest, fields[i].pos, fields[i].size,
                                  i != kColorField && fields[i].hasNumberSign);
            }
            lines.Skip(length);
            continue;
        }
        const std::u16string line = lines.NextLine();
        const std::vector<std::u16string> parts = SplitWordBookFields(line);
        if (parts.size() != kEntryFields) continue;
        ++number;
        const std::u16string_view stored = parts[field];
        const Match match = Compare(stored, 0, stored.size(), text);
        if (match != Match::None) {
            hits.BeginHit(number, match == Match::Exact);
            for (std::size_t i = 0; i < kEntryFields; ++i) hits.AddField(parts[i], i != kColorField);
        }
    }
    return true;
}

FolderSearch::FolderSearch(Platform& platform, const std::u16string& folder, int fieldIndex,
                           std::u16string text)
    : platform_(platform), folder_(folder), fieldIndex_(fieldIndex), text_(std::move(text)) {
    if (text_.empty() || fieldIndex_ < 0 || fieldIndex_ >= kSearchFieldCount) return;
    if (platform_.DirectoryExists(folder_)) files_ = platform_.ListFiles(folder_, u"*.utx");
}

std::size_t FolderSearch::Step() {
    if (Done()) return 0;
    const std::size_t exactBefore = hits_.ExactCount();
    const std::u16string path = folder_ + u"\\" + files_[next_++];
    if (const std::optional<Bytes> bytes = platform_.ReadWholeFile(path))
        SearchBookBytes(*bytes, fieldIndex_, text_, hits_);
    return hits_.ExactCount() - exactBefore;
}

void FolderSearch::Run() {
    while (!Done()) Step();
}

std::vector<SearchHit> SearchFolder(Platform& platform, const std::u16string& folder,
                                    int fieldIndex, std::u16string_view text) {
    FolderSearch search(platform, folder, fieldIndex, std::u16string(text));
    search.Run();
    return search.Hits().Rows();
}

}  // namespace tess
