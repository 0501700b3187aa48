#include "wordbook/BookList.h"

#include <algorithm>

#include "wordbook/WordBookFile.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderLines = 3;

}  // namespace

std::array<int, kBookColumnCount> BookColumnWidthsFor(std::array<int, kBookColumnCount> needs,
                                                      int visibleWidth) {
    std::array<int, kBookColumnCount> widths = needs;
    int over = -visibleWidth;
    for (int w : widths) over += w;
    // Which column gives way, in order, and how far.
    const std::pair<int, int> yielding[] = {
        {1, kBookFileColumnLeast}, {2, kBookColumnWidths[2]}, {0, kBookColumnWidths[0]}};
    for (auto [column, least] : yielding) {
        if (over <= 0) break;
        const int cut = std::clamp(widths[column] - least, 0, over);
        widths[column] -= cut;
        over -= cut;
    }
    return widths;
}

std::u16string_view BookColumnCaption(int column) {
    static constexpr std::u16string_view kCaptions[kBookColumnCount] = {u"タイトル", u"ファイル名",
                                                                        u"グループ", u"個数"};
    return column >= 0 && column < kBookColumnCount ? kCaptions[column] : std::u16string_view();
}

void BookListModel::List(Platform& platform, const std::u16string& folder) {
    rows_.clear();
    if (platform.DirectoryExists(folder)) {
        for (const std::u16string& name : platform.ListFiles(folder, u"*.utx")) {
            std::optional<Lines> lines = ReadWordBookLines(platform, folder + u"\\" + name);
            if (!lines || lines->size() < kHeaderLines) continue;
            rows_.push_back(BookRow{std::move((*lines)[0]), name, std::move((*lines)[1]),
                                    lines->size() - kHeaderLines});
        }
    }
    // The list keeps its rows in title order as they are added.
    std::stable_sort(rows_.begin(), rows_.end(), [&platform](const BookRow& a, const BookRow& b) {
        return platform.CompareLocale(a.title, b.title) < 0;
    });
    SortBy(2, platform);
}

bool BookListModel::SortByColumn(int column, Platform& platform) {
    if (column < 0 || column > 2) return false;
    signs_[static_cast<std::size_t>(column)] = -signs_[static_cast<std::size_t>(column)];
    SortBy(column, platform);
    return true;
}

void BookListModel::SortBy(int column, Platform& platform) {
    const int sign = signs_[static_cast<std::size_t>(column)];
    auto key = [column, &platform](const BookRow& row) {
        switch (column) {
            case 0: return platform.LowerCase(row.title);
            case 1: return row.fileName;
            default: return row.group;
        }
    };
    // Stable, so rows that compare equal keep their order (one group's books
    // stay in title order).
    std::vector<std::pair<std::u16string, std::size_t>> keys;
    keys.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) keys.emplace_back(key(rows_[i]), i);
    std::stable_sort(keys.begin(), keys.end(), [sign](const auto& a, const auto& b) {
        return sign > 0 ? a.first < b.first : b.first < a.first;
    });
    std::vector<BookRow> sorted;
    sorted.reserve(rows_.size());
    for (const auto& k : keys) sorted.push_back(std::move(rows_[k.second]));
    rows_ = std::move(sorted);
}

void BookListModel::SetCount(const std::u16string& fileName, std::size_t count) {
    for (BookRow& row : rows_)
        if (row.fileName == fileName) row.count = count;
}

std::optional<std::size_t> BookListModel::IndexOf(const std::u16string& fileName) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].fileName == fileName) return i;
    return std::nullopt;
}

std::size_t BookListModel::Total() const {
    std::size_t total = 0;
    for (const BookRow& row : rows_) total += row.count;
    return total;
}

std::u16string FolderTotalText(std::u16string_view folder, std::size_t total) {
    std::u16string text = u"●単語帳フォルダ　";
    text += folder;
    text += u"　・・・　[";
    text += Utf8ToUtf16(std::to_string(total));
    text += u"]";
    return text;
}

DoorStep NextDoorStep(int width, bool shutting) {
    if (shutting) {
        if (width >= 40) return {width - 30, false};
        return {kPanelShutWidth, true};
    }
    if (width <= kPanelOpenWidth) return {width + 30, false};
    return {kPanelOpenWidth, true};
}

std::optional<Lines> ReadFolderList(Platform& platform, const std::u16string& sysFolder,
                                    const std::u16string& thaiBookFolder,
                                    const std::u16string& dicFolder) {
    const std::u16string path = sysFolder + u"\\" + kFolderListFile;
    if (!platform.FileExists(path)) {
        const Lines first = {thaiBookFolder, dicFolder};
        if (!WriteAnsiLines(platform, path, first)) return std::nullopt;
        return first;
    }
    return ReadTextLines(platform, path);
}

std::optional<Lines> FolderListWith(const Lines& lines, const std::u16string& path) {
    if (std::find(lines.begin(), lines.end(), path) != lines.end()) return std::nullopt;
    Lines updated;
    updated.reserve(kMaxFolderListLines);
    updated.push_back(path);
    for (const std::u16string& line : lines) {
        if (updated.size() == kMaxFolderListLines) break;
        updated.push_back(line);
    }
    return updated;
}

Lines ReadGroupNames(Platform& platform, const std::u16string& sysFolder) {
    const std::u16string path = sysFolder + u"\\" + kGroupNameFile;
    if (platform.FileExists(path)) {
        if (std::optional<Lines> lines = ReadTextLines(platform, path)) return *lines;
    }
    return {u"あいさつ", u"その他"};
}

std::optional<std::size_t> GroupIndex(const Lines& names, std::u16string_view group) {
    if (group.empty()) return std::nullopt;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == group) return i;
    return std::nullopt;
}

}  // namespace tess
