#include "wordbook/BookDialogModels.h"

#include <string>
#include <utility>

#include "lib/Blanks.h"

namespace tess {

GroupChoices FillGroupCombo(const WordBooks& books, std::u16string_view group) {
    GroupChoices choices{books.GroupNames(), std::nullopt};
    choices.selected = GroupIndex(choices.names, group);
    return choices;
}

namespace {

std::u16string Trimmed(std::u16string_view text) { return std::u16string(TrimBlanks(text)); }

// The selected item's text; empty when nothing (or no item) is selected.
std::u16string GroupText(const GroupChoices& groups, std::optional<std::size_t> index) {
    if (!index || *index >= groups.names.size()) return {};
    return groups.names[*index];
}

}  // namespace

// --- A new book ----------------------------------------------------------------------------

std::u16string BookFileNameFor(std::u16string_view title) {
    std::u16string name;
    name.reserve(title.size() + 4);
    for (char16_t c : title) {
        const bool forbidden = c < u' ' || std::u16string_view(u"\\/:*?\"<>|").find(c) !=
                                               std::u16string_view::npos;
        name += forbidden ? u'_' : c;
    }
    return name + u".utx";
}

std::u16string ReplaceBookQuestion(std::u16string_view path) {
    return u"「" + std::u16string(path) +
           u"」は既にあります。\n置き換えると、この単語帳の単語はすべて失われます。"
           u"置き換えますか？";
}

NewBookDialogModel::NewBookDialogModel(WordBooks& books, Settings& settings)
    : books_(books), settings_(settings) {
    RefillGroups();
}

void NewBookDialogModel::RefillGroups() { groups_ = FillGroupCombo(books_, settings_.LastGroup); }

void NewBookDialogModel::GroupPicked(std::optional<std::size_t> index) {
    groups_.selected = index && *index < groups_.names.size() ? index : std::nullopt;
    const std::u16string text = GroupText(groups_, groups_.selected);
    if (!text.empty()) settings_.LastGroup = text;
}

void NewBookDialogModel::TitleChanged(std::u16string_view title) {
    createEnabled_ = !TrimBlanks(title).empty();
}

std::u16string NewBookDialogModel::BrowseStart() const {
    const WordBookStore& store = books_.List().Store();
    const std::u16string& audio = store.Book().audioFolder;
    if (store.IsOpen() && !audio.empty() && books_.platform().DirectoryExists(audio)) return audio;
    return books_.CurrentFolder();
}

std::optional<NewBookDialogModel::SaveOffer> NewBookDialogModel::CreatePressed(
    std::u16string_view title, std::optional<std::size_t> group, std::u16string_view audioFolder) {
    title_ = Trimmed(title);
    group_ = GroupText(groups_, group);
    audioFolder_ = Trimmed(audioFolder);
    if (!group || *group >= groups_.names.size()) {
        books_.platform().ShowMessage(kNoGroupWarning, MessageKind::Warning, MessageButtons::Ok);
        return std::nullopt;
    }
    if (title_.empty()) return std::nullopt;
    return SaveOffer{books_.CurrentFolder(), BookFileNameFor(title_)};
}

NewBookDialogModel::SaveResult NewBookDialogModel::PathChosen(const std::u16string& path) {
    Platform& platform = books_.platform();
    if (platform.FileExists(path) &&
        platform.ShowMessage(ReplaceBookQuestion(path), MessageKind::Question,
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
        return SaveResult::Declined;
    }
    return books_.CreateBook(path, title_, group_, audioFolder_) ? SaveResult::Created
                                                                 : SaveResult::Failed;
}

// --- Deleting the open book ----------------------------------------------------------------

DeleteBookDialogModel::DeleteBookDialogModel(WordBooks& books) : books_(books) {
    const WordBook& book = books.List().Store().Book();
    title_ = book.title;
    fileName_ = book.fileName;
}

bool DeleteBookDialogModel::OkCloses() const {
    return !fileName_.empty() &&
           books_.platform().FileExists(books_.CurrentFolder() + u"\\" + fileName_);
}

bool DeleteBookDialogModel::DeleteBook() { return books_.DeleteOpenBook(); }

// --- The open book's properties ------------------------------------------------------------

BookPropertiesDialogModel::BookPropertiesDialogModel(WordBooks& books) : books_(books) {
    const WordBook& book = books.List().Store().Book();
    title_ = book.title;
    audioFolder_ = book.audioFolder;
    groups_ = FillGroupCombo(books, book.group);
}

bool BookPropertiesDialogModel::ChangePressed(std::u16string_view title,
                                              std::optional<std::size_t> group,
                                              std::u16string_view audioFolder) {
    const std::u16string trimmed = Trimmed(title);
    if (trimmed.empty()) {
        books_.platform().ShowMessage(kNoTitleWarning, MessageKind::Warning, MessageButtons::Ok);
        return false;
    }
    return books_.ChangeProperties(trimmed, GroupText(groups_, group), Trimmed(audioFolder));
}

// --- The group names -----------------------------------------------------------------------

GroupNamesDialogModel::GroupNamesDialogModel(std::optional<Lines> stored)
    : names_(std::move(stored).value_or(Lines{})) {}

std::u16string GroupNamesDialogModel::CountText() const {
    std::u16string text = u"個数： ";
    for (char c : std::to_string(names_.size())) text += static_cast<char16_t>(c);
    return text + u"個";
}

void GroupNamesDialogModel::NameTyped(std::u16string_view text) { typed_ = Trimmed(text); }

void GroupNamesDialogModel::NameClicked(std::optional<std::size_t> index) {
    selected_ = index && *index < names_.size() ? index : std::nullopt;
}

GroupNamesDialogModel::Buttons GroupNamesDialogModel::ButtonStates() const {
    Buttons buttons;
    const bool room = names_.size() < kMaxGroupNames;
    buttons.add = !typed_.empty() && room;
    if (selected_) {
        buttons.insert = room;
        buttons.remove = names_.size() > 1;
        buttons.up = *selected_ > 0;
        buttons.down = *selected_ + 1 < names_.size();
    }
    return buttons;
}

bool GroupNamesDialogModel::AddPressed() {
    if (typed_.empty() || names_.size() >= kMaxGroupNames) return false;
    names_.push_back(typed_);
    return true;
}

bool GroupNamesDialogModel::InsertPressed() {
    if (typed_.empty() || names_.size() >= kMaxGroupNames || !selected_) return false;
    names_.insert(names_.begin() + static_cast<std::ptrdiff_t>(*selected_), typed_);
    ++*selected_;
    return true;
}

bool GroupNamesDialogModel::DeletePressed(Platform& platform) {
    if (!selected_ || names_.size() <= kMinGroupNames) {
        platform.ShowMessage(kNoZeroGroupsWarning, MessageKind::Warning, MessageButtons::Ok);
        return false;
    }
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    selected_.reset();
    return true;
}

bool GroupNamesDialogModel::UpPressed() {
    if (!selected_ || *selected_ == 0) return false;
    std::swap(names_[*selected_], names_[*selected_ - 1]);
    --*selected_;
    return true;
}

bool GroupNamesDialogModel::DownPressed() {
    if (!selected_ || *selected_ + 1 >= names_.size()) return false;
    std::swap(names_[*selected_], names_[*selected_ + 1]);
    ++*selected_;
    return true;
}

bool GroupNamesDialogModel::UpdatePressed(WordBooks& books, const std::function<void()>& saved) {
    Platform& platform = books.platform();
    if (names_.size() < kMinGroupNames) {
        platform.ShowMessage(kTooFewGroupsWarning, MessageKind::Warning, MessageButtons::Ok);
        return false;
    }
    if (!books.SaveGroupNames(names_)) return false;
    if (saved) saved();
    platform.ShowMessage(kGroupNamesSavedNotice, MessageKind::Information, MessageButtons::Ok);
    return true;
}

}  // namespace tess
