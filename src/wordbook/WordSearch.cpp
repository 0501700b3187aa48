#include "wordbook/WordSearch.h"

#include <utility>

#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderLines = 3;
constexpr std::size_t kEntryFields = 7;

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

// The entry of a hit: fields 1 to 6 unescaped, the colour as it is.
WordEntry EntryOf(std::array<std::u16string, kEntryFields>&& fields) {
    return WordEntry{DecodeQuotes(fields[0]), DecodeQuotes(fields[1]), DecodeQuotes(fields[2]),
                     DecodeQuotes(fields[3]), DecodeQuotes(fields[4]), DecodeQuotes(fields[5]),
                     std::move(fields[6])};
}

}  // namespace

std::u16string HitNumberText(const SearchHit& hit) {
    std::u16string number = Utf8ToUtf16(std::to_string(hit.number));
    return hit.exact ? u"*" + number : number;
}

void SearchHits::Add(SearchHit hit) {
    (hit.exact ? exact_ : partial_).push_back(std::move(hit));
}

void SearchHits::Clear() {
    exact_.clear();
    partial_.clear();
}

const SearchHit& SearchHits::operator[](std::size_t row) const {
    if (row < exact_.size()) return exact_[exact_.size() - 1 - row];
    return partial_[row - exact_.size()];
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

    // A line of the written shape is compared where it lies; only a hit is
    // decoded. Any other line takes the full comma rules; one that does not
    // give seven fields is no entry and takes no number.
    std::size_t number = 0;
    std::array<QuotedField, kEntryFields> fields;
    while (!lines.AtEnd()) {
        const Utf16LEUnits rest = lines.Rest();
        const std::size_t length = SplitPlainQuotedLine(rest, fields);
        if (length != std::u16string_view::npos) {
            ++number;
            const Match match = Compare(rest, fields[field].pos, fields[field].size, text);
            if (match != Match::None) {
                std::array<std::u16string, kEntryFields> texts;
                for (std::size_t i = 0; i < kEntryFields; ++i)
                    texts[i] = rest.Decode(fields[i].pos, fields[i].size);
                hits.Add(SearchHit{title, number, match == Match::Exact, EntryOf(std::move(texts))});
            }
            lines.Skip(length);
            continue;
        }
        const std::u16string line = lines.NextLine();
        std::vector<std::u16string> parts = SplitWordBookFields(line);
        if (parts.size() != kEntryFields) continue;
        ++number;
        const std::u16string_view stored = parts[field];
        const Match match = Compare(stored, 0, stored.size(), text);
        if (match != Match::None) {
            std::array<std::u16string, kEntryFields> texts;
            for (std::size_t i = 0; i < kEntryFields; ++i) texts[i] = std::move(parts[i]);
            hits.Add(SearchHit{title, number, match == Match::Exact, EntryOf(std::move(texts))});
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
