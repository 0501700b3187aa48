#include "wordbook/WordListModel.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "lib/TextConv.h"
#include "lib/TextFile.h"

namespace tess {

namespace {

// The field a column shows for the direction; nullptr for the number column.
const std::u16string* FieldOf(const WordEntry& e, int column, bool foreignFirst) {
    switch (column) {
        case 0: return foreignFirst ? &e.foreignWord : &e.japanese;
        case 2: return &e.phonetic;
        case 3: return &e.kana;
        case 4: return foreignFirst ? &e.japanese : &e.foreignWord;
        case 5: return &e.note;
        case 6: return &e.audioFile;
        case 7: return &e.textColor;
        default: return nullptr;
    }
}

bool HasAudioExtension(std::u16string_view name) {
    static constexpr std::u16string_view kExtensions[] = {u".mp3", u".wav", u".wma", u".m4a",
                                                          u".aac", u".ogg", u".flac", u".mid"};
    const std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos) return false;
    std::u16string ext(name.substr(dot));
    for (char16_t& c : ext)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 0x20);
    return std::find(std::begin(kExtensions), std::end(kExtensions), ext) != std::end(kExtensions);
}

}  // namespace

int ClampNoColumnWidth(int width) {
    return std::clamp(width, kMinNoColumnWidth, kMaxNoColumnWidth);
}

std::u16string SortQuestion(std::u16string_view caption) {
    std::u16string text = u"項目「";
    text += caption;
    text += u"」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？";
    return text;
}

bool WordBookActionEnabled(WordBookAction action, WordBookStage stage) {
    switch (stage) {
        case WordBookStage::NoBook: return false;
        case WordBookStage::WordClicked: return true;
        case WordBookStage::BookOpened:
            switch (action) {
                case WordBookAction::ModWord:
                case WordBookAction::DeleteWord:
                case WordBookAction::MoveWord:
                case WordBookAction::ChColor: return false;
                default: return true;
            }
    }
    return false;
}

std::optional<std::u16string> PlayableAudioPath(Platform& platform,
                                                const std::u16string& audioFolder,
                                                const std::u16string& name) {
    if (name.empty() || audioFolder.empty()) return std::nullopt;
    if (name.find_first_of(u"\\/:") != std::u16string::npos) return std::nullopt;
    if (name.find(u"..") != std::u16string::npos) return std::nullopt;
    if (!HasAudioExtension(name)) return std::nullopt;
    std::u16string path = audioFolder;
    if (path.back() != u'\\') path += u'\\';
    path += name;
    if (!platform.FileExists(path)) return std::nullopt;
    return path;
}

std::u16string WordListModel::ColumnCaption(int column, std::u16string_view languageName) const {
    switch (column) {
        case 0: return foreignFirst_ ? std::u16string(languageName) : u"日本語";
        case 1: return u"No";
        case 2: return u"発音記号";
        case 3: return u"発音カナ";
        case 4: return foreignFirst_ ? u"日本語" : std::u16string(languageName);
        case 5: return u"備考";
        case 6: return u"音声ファイル";
        case 7: return u"文字色";
        default: return {};
    }
}

CellFontKind WordListModel::FontOf(int column) const {
    if (column == 2) return CellFontKind::Phonetic;
    if ((column == 0 && foreignFirst_) || (column == 4 && !foreignFirst_))
        return CellFontKind::Foreign;
    return CellFontKind::Japanese;
}

std::u16string WordListModel::CellText(std::size_t row, int column) const {
    if (column == kNoColumn) return Utf8ToUtf16(std::to_string(row + 1));
    const std::u16string* field = FieldOf(Row(row), column, foreignFirst_);
    return field ? *field : std::u16string();
}

Color WordListModel::TextColorOf(std::size_t row) const {
    return HexTextToColor(Row(row).textColor);
}

bool WordListModel::SortByColumn(int column, Platform& platform) {
    if (column == kNoColumn || column < 0 || column >= kWordColumnCount) return false;
    int& sign = signs_[static_cast<std::size_t>(column)];
    sign = -sign;

    std::vector<WordEntry>& entries = store_.Book().entries;
    // The foreign word sorts without case in whichever column shows it;
    // every other column compares its text as it is.
    const bool foldCase = FontOf(column) == CellFontKind::Foreign;
    std::vector<std::u16string> folded;
    if (foldCase) {
        folded.reserve(entries.size());
        for (const WordEntry& e : entries) folded.push_back(platform.LowerCase(e.foreignWord));
    }
    // Sort (key, position) pairs, then move each entry once: entries are
    // seven strings, too heavy to shuffle inside the sort.
    std::vector<std::pair<std::u16string_view, std::uint32_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.emplace_back(foldCase ? std::u16string_view(folded[i])
                                   : std::u16string_view(*FieldOf(entries[i], column, foreignFirst_)),
                          static_cast<std::uint32_t>(i));
    }
    if (sign > 0) {
        std::sort(keys.begin(), keys.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
    } else {
        std::sort(keys.begin(), keys.end(),
                  [](const auto& a, const auto& b) { return b.first < a.first; });
    }
    std::vector<WordEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& key : keys) sorted.push_back(std::move(entries[key.second]));
    entries = std::move(sorted);
    return true;
}

WordCopy WordListModel::CopyOf(std::size_t row) const {
    const WordEntry& e = Row(row);
    return WordCopy{e.phonetic, DecodeLineBreaks(e.foreignWord), e.audioFile};
}

std::u16string WordListModel::AudioFolder() const {
    const WordBook& book = store_.Book();
    return book.audioFolder.empty() ? store_.Folder() : book.audioFolder;
}

}  // namespace tess
