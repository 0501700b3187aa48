#include "wordbook/WordBooks.h"

#include <utility>

#include "lib/DialogScope.h"
#include "lib/FileFailure.h"
#include "lib/PathParts.h"

namespace tess {

namespace {

// What `show` returns, shown under the dialog rule.
template <typename Show>
auto AsDialog(WordBookHost& host, Show show) {
    const DialogScope<WordBookHost> dialog(host);
    return show();
}

// The settings keys of the widths of columns 0 to 6 (column 7 stays 0).
constexpr std::int32_t Settings::*kColumnWidthKeys[7] = {
    &Settings::LVCol1Width, &Settings::LVCol2Width, &Settings::LVCol3Width, &Settings::LVCol4Width,
    &Settings::LVCol5Width, &Settings::LVCol6Width, &Settings::LVCol7Width};

constexpr WordBookAction kAllActions[kWordBookActionCount] = {
    WordBookAction::RegWord,  WordBookAction::ModWord,  WordBookAction::DeleteWB,
    WordBookAction::DeleteWord, WordBookAction::MoveWord, WordBookAction::ChWBProp,
    WordBookAction::CloseWB,  WordBookAction::JumpWord, WordBookAction::ChColor};

}  // namespace

WordBooks::WordBooks(Platform& platform, Settings& settings, WordBookFolders folders)
    : platform_(platform), settings_(settings), folders_(std::move(folders)) {}

void WordBooks::Attach(WordBookPort& port, WordBookHost& host) {
    port_ = &port;
    host_ = &host;
}

// --- Start-up and language ------------------------------------------------------------

void WordBooks::SetUp(const std::u16string& languageName, int langCharset,
                      const std::u16string& bookFolder, const std::u16string& dicFolder) {
    languageName_ = languageName;
    langCharset_ = langCharset;
    curBookFolder_ = bookFolder;
    curDicFolder_ = dicFolder;
    panelWidth_ = kPanelOpenWidth;
    doorOpen_ = true;
    sliding_ = false;
    port_->SetPanelWidth(panelWidth_);
    port_->SetDoorCaption(u"→");
    port_->SetPanelLabelsVisible(true);
    port_->SetPanelButtonsEnabled(true);
    port_->SetPanelSliding(false);
    port_->SetAutoDoorCheck(settings_.AutoDoorFlg);
    port_->SetDictionaryPressed(false);
    ListWordBooks();
}

void WordBooks::ApplySavedColumns() {
    for (int c = 0; c < 7; ++c) {
        int width = settings_.*kColumnWidthKeys[c];
        if (c == kNoColumn) width = ClampNoColumnWidth(width);
        port_->SetWordColumnWidth(c, width);
    }
    port_->SetWordColumnWidth(7, 0);
    port_->SetWordRowHeight(settings_.LVLineHeight);
    list_.SetForeignFirst(settings_.EiwaFlg);
    port_->SetDirectionChecked(settings_.EiwaFlg);
    ShowDirection(false);
}

void WordBooks::LanguageChanged(const std::u16string& languageName, int langCharset,
                                const std::u16string& bookFolder, const std::u16string& dicFolder) {
    languageName_ = languageName;
    langCharset_ = langCharset;
    port_->SetDictionaryPressed(false);
    SwitchFolder(bookFolder);
    curDicFolder_ = dicFolder;
    ShowDirection(false);
}

void WordBooks::OpenDoorIfShut() {
    if (!doorOpen_ && settings_.AutoDoorFlg) DoorClicked();
}

void WordBooks::PressDictionaryAtStartup() {
    if (!settings_.DicFlg) return;
    port_->SetDictionaryPressed(true);
    DictionaryClicked(true);
}

void WordBooks::StoreColumnWidths() {
    for (int c = 0; c < 7; ++c) {
        int width = port_->WordColumnWidth(c);
        if (c == kNoColumn) width = ClampNoColumnWidth(width);
        settings_.*kColumnWidthKeys[c] = width;
    }
}

// --- Folders and the book list ----------------------------------------------------------

void WordBooks::SwitchFolder(const std::u16string& path) {
    curBookFolder_ = path;
    ListWordBooks();
}

void WordBooks::ListWordBooks() {
    CloseWordBook();
    books_.List(platform_, curBookFolder_);
    ShowBookList();
}

void WordBooks::ShowBookList() {
    port_->ShowBookRows(books_.Rows());
    port_->SetStatusText(1, FolderTotalText(curBookFolder_, books_.Total()));
}

void WordBooks::CloseWordBook() {
    list_.Store().Close();
    list_.SetLastPlayedAudio(u"");
    settings_.LastWB.clear();
    port_->SetWordRowCount(0);
    port_->SetWordListEnabled(false);
    SetStage(WordBookStage::NoBook);
    port_->SetStatusText(0, u"");
}

void WordBooks::LoadWordBook(const std::u16string& fileName) {
    if (!platform_.FileExists(curBookFolder_ + u"\\" + fileName)) return;
    port_->SetWordRowCount(0);
    port_->SetWordListEnabled(true);
    const WordBookLoad load = list_.Store().Load(platform_, curBookFolder_, fileName);
    if (load.result != WordBookLoadResult::Loaded) {
        // Not a word book: the list stays empty and no book is open, so no
        // later save can write the empty list over another book.
        list_.SetLastPlayedAudio(u"");
        settings_.LastWB.clear();
        SetStage(WordBookStage::NoBook);
        port_->SetStatusText(0, u"");
        return;
    }
    settings_.LastWB = fileName;
    port_->SetWordRowCount(list_.RowCount());
    port_->SetStatusText(0, WordBookTitlePanel(list_.Store().Book().title));
    if (settings_.LastVisibleFlg && list_.RowCount() > 0)
        port_->ScrollWordRowIntoView(list_.RowCount() - 1);
}

void WordBooks::UpdateBookCount(const std::u16string& fileName) {
    // Every line after the header: the words and the lines kept unread.
    const WordBook& book = list_.Store().Book();
    books_.SetCount(fileName, book.entries.size() + book.keptLines.size());
    ShowBookList();
}

void WordBooks::SelectBookByFileName(const std::u16string& fileName) {
    const std::optional<std::size_t> row = books_.IndexOf(fileName);
    if (!row) return;
    port_->SelectBookRow(row);
    BookClicked(row);
}

void WordBooks::BookClicked(std::optional<std::size_t> row) {
    if (!row || *row >= books_.Rows().size()) return;
    LoadWordBook(books_.Rows()[*row].fileName);
    if (list_.Store().IsOpen()) SetStage(WordBookStage::BookOpened);
    DoorClicked();
}

void WordBooks::BookColumnClicked(int column) {
    if (books_.SortByColumn(column, platform_)) port_->ShowBookRows(books_.Rows());
}

void WordBooks::DictionaryClicked(bool down) {
    if (down) {
        rememberedFolder_ = curBookFolder_;
        settings_.DicFlg = true;
        SwitchFolder(curDicFolder_);
    } else {
        SwitchFolder(rememberedFolder_);
        settings_.DicFlg = false;
        rememberedFolder_.clear();
    }
}

void WordBooks::DoorClicked() {
    if (!settings_.AutoDoorFlg) return;
    platform_.StartTimer(kDoorTimerId, kDoorTimerMs, [this] { DoorTick(); });
}

void WordBooks::DoorTick() {
    port_->SetPanelButtonsEnabled(false);
    const DoorStep step = NextDoorStep(panelWidth_, doorOpen_);
    panelWidth_ = step.width;
    port_->SetPanelWidth(panelWidth_);
    if (!step.done) {
        if (!sliding_) {
            sliding_ = true;
            port_->SetPanelSliding(true);
        }
        return;
    }
    platform_.StopTimer(kDoorTimerId);
    doorOpen_ = !doorOpen_;
    port_->SetPanelLabelsVisible(doorOpen_);
    port_->SetPanelButtonsEnabled(true);
    port_->SetDoorCaption(doorOpen_ ? u"→" : u"←");
    sliding_ = false;
    port_->SetPanelSliding(false);
    port_->RepaintWordList();
}

void WordBooks::AutoDoorClicked(bool checked) { settings_.AutoDoorFlg = checked; }

Lines WordBooks::FolderMenuPaths() {
    return ReadFolderList(platform_, folders_.sysFolder, folders_.thaiBookFolder, curDicFolder_)
        .value_or(Lines{});
}

void WordBooks::FolderChosen(const std::u16string& path) { SwitchFolder(path); }

void WordBooks::BrowseForFolder() {
    const std::optional<std::u16string> chosen =
        AsDialog(*host_, [&] {
            return port_->BrowseForFolder(kBrowseFolderPrompt, curBookFolder_);
        });
    if (!chosen) return;
    const std::u16string path = folders_.sysFolder + u"\\" + kFolderListFile;
    const Lines lines = ReadFolderList(platform_, folders_.sysFolder, folders_.thaiBookFolder,
                                       curDicFolder_)
                            .value_or(Lines{});
    if (std::optional<Lines> updated = FolderListWith(lines, *chosen)) {
        if (!WriteAnsiLines(platform_, path, *updated)) {
            ReportFileFailure(platform_, FileAction::Save, u"", path);
        }
    }
    SwitchFolder(*chosen);
}

void WordBooks::EditFolderList() {
    const std::u16string path = folders_.sysFolder + u"\\" + kFolderListFile;
    if (platform_.FileExists(path)) platform_.ShellOpen(path);
}

// --- The word list ------------------------------------------------------------------------

void WordBooks::WordClicked() {
    if (port_->SelectedWordRow() && list_.Store().IsOpen()) SetStage(WordBookStage::WordClicked);
}

void WordBooks::WordDoubleClicked() {
    const std::optional<std::size_t> row = port_->SelectedWordRow();
    if (!row || *row >= list_.RowCount()) return;
    const WordCopy copy = list_.CopyOf(*row);
    host_->CopyWordIntoAreas(copy);
    if (settings_.MediaPlayerFlg && !copy.audioFile.empty()) {
        PlayAudioFile(copy.audioFile);
    } else {
        list_.SetLastPlayedAudio(u"");
    }
}

void WordBooks::PlayAudioFile(const std::u16string& name) {
    const std::optional<std::u16string> path =
        PlayableAudioPath(platform_, list_.AudioFolder(), name);
    if (!path) return;
    list_.SetLastPlayedAudio(name);
    platform_.ShellOpen(*path);
}

std::u16string WordBooks::AudioBrowseFolder() const {
    const std::u16string& audio = list_.Store().Book().audioFolder;
    if (!audio.empty() && platform_.DirectoryExists(audio)) return audio;
    return curBookFolder_;
}

void WordBooks::WordColumnClicked(int column) {
    if (column == kNoColumn || column < 0 || column >= kWordColumnCount) return;
    if (!list_.Store().IsOpen()) return;
    const std::u16string question = SortQuestion(list_.ColumnCaption(column, languageName_));
    const MessageAnswer answer =
        AsDialog(*host_, [&] {
            return platform_.ShowMessage(question, MessageKind::Question, MessageButtons::YesNo);
        });
    if (answer != MessageAnswer::Yes) return;
    list_.SortByColumn(column, platform_);
    port_->SetWordRowCount(list_.RowCount());
    if (!SaveWordBook()) {
        // The file keeps its order; so does the list.
        LoadWordBook(std::u16string(list_.Store().Book().fileName));
        SetStage(WordBookStage::BookOpened);
    }
}

void WordBooks::DirectionChosen(bool foreignFirst) {
    if (list_.ForeignFirst() == foreignFirst && settings_.EiwaFlg == foreignFirst) return;
    settings_.EiwaFlg = foreignFirst;
    list_.SetForeignFirst(foreignFirst);
    ShowDirection(true);
    if (list_.Store().IsOpen()) {
        // Load it again: the list shows the file as it is now.
        const std::u16string fileName = list_.Store().Book().fileName;
        LoadWordBook(fileName);
        if (list_.Store().IsOpen()) SetStage(WordBookStage::BookOpened);
    }
}

void WordBooks::ShowDirection(bool swapWidths) {
    port_->SetWordColumnCaption(0, list_.ColumnCaption(0, languageName_));
    port_->SetWordColumnCaption(4, list_.ColumnCaption(4, languageName_));
    if (swapWidths) {
        const int first = port_->WordColumnWidth(0);
        port_->SetWordColumnWidth(0, port_->WordColumnWidth(4));
        port_->SetWordColumnWidth(4, first);
    }
}

void WordBooks::ColumnResized(int column, int width) {
    if (column == kNoColumn && ClampNoColumnWidth(width) != width)
        port_->SetWordColumnWidth(column, ClampNoColumnWidth(width));
    if (column == 7 && width != 0) port_->SetWordColumnWidth(7, 0);
}

void WordBooks::JumpWord() {
    if (!ActionEnabled(WordBookAction::JumpWord)) return;
    const std::optional<std::size_t> row =
        AsDialog(*host_, [&] { return port_->RunJumpDialog(list_.RowCount()); });
    if (!row || *row >= list_.RowCount()) return;
    port_->SelectWordRow(*row);
    WordClicked();
}

void WordBooks::ChangeColor() {
    if (!ActionEnabled(WordBookAction::ChColor)) return;
    const std::optional<std::size_t> row = port_->SelectedWordRow();
    if (!row || *row >= list_.RowCount()) return;
    const std::optional<std::u16string> code =
        AsDialog(*host_, [&] { return port_->RunColorDialog(list_.Row(*row).textColor); });
    if (!code) return;
    std::u16string& stored = list_.Store().Book().entries[*row].textColor;
    const std::u16string before = stored;
    stored = *code;
    if (!SaveWordBook()) stored = before;
    port_->RepaintWordList();
}

void WordBooks::CloseBookCommand() {
    CloseWordBook();
    port_->SelectBookRow(std::nullopt);
    if (!doorOpen_) DoorClicked();
    host_->FocusForeignArea();
}

WordBooks::CellFont WordBooks::CellFontOf(CellFontKind kind) const {
    switch (kind) {
        case CellFontKind::Foreign:
            return {settings_.UsrMainFont, langCharset_, settings_.TnMainFontSize};
        case CellFontKind::Phonetic:
            return {settings_.UsrSubFont, kAnsiCharset, settings_.TnSubFontSize};
        case CellFontKind::Japanese:
            break;
    }
    return {kJapaneseCellFont, kShiftJisCharset, settings_.TnJpFontSize};
}

// --- Actions ------------------------------------------------------------------------------------

bool WordBooks::ActionEnabled(WordBookAction action) const {
    return WordBookActionEnabled(action, stage_);
}

void WordBooks::SetStage(WordBookStage stage) {
    stage_ = stage;
    for (WordBookAction action : kAllActions)
        port_->SetWordBookActionEnabled(action, WordBookActionEnabled(action, stage));
    if (host_) host_->WordActionsChanged();
}

void WordBooks::ToggleMediaPlayer() { settings_.MediaPlayerFlg = !settings_.MediaPlayerFlg; }

bool WordBooks::SaveWordBook() {
    if (list_.Store().Save(platform_)) return true;
    ReportFileFailure(platform_, FileAction::Save, u"単語帳",
                      list_.Store().Folder() + u"\\" + list_.Store().Book().fileName);
    return false;
}

// --- Changes of the open book's words ------------------------------------------------------

std::optional<std::size_t> WordBooks::SelectedRow() const {
    const std::optional<std::size_t> row = port_->SelectedWordRow();
    if (!row || *row >= list_.RowCount()) return std::nullopt;
    return row;
}

bool WordBooks::CommitChange() {
    if (SaveWordBook()) return true;
    const std::u16string fileName = list_.Store().Book().fileName;
    LoadWordBook(fileName);
    if (list_.Store().IsOpen()) SetStage(WordBookStage::BookOpened);
    return false;
}

void WordBooks::SelectRow(std::size_t row, bool click) {
    port_->SetWordRowCount(list_.RowCount());
    port_->SelectWordRow(row);
    if (click) WordClicked();
}

bool WordBooks::AppendWord(const WordEntry& entry) {
    if (!list_.Store().IsOpen()) return false;
    std::vector<WordEntry>& entries = list_.Store().Book().entries;
    entries.push_back(entry);
    SelectRow(entries.size() - 1, true);
    const bool saved = CommitChange();
    UpdateBookCount(list_.Store().Book().fileName);
    return saved;
}

bool WordBooks::InsertWord(std::size_t number, const WordEntry& entry) {
    if (!list_.Store().IsOpen()) return false;
    std::vector<WordEntry>& entries = list_.Store().Book().entries;
    if (number < 1 || number > entries.size()) return false;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(number - 1), entry);
    SelectRow(number - 1, false);
    const bool saved = CommitChange();
    UpdateBookCount(list_.Store().Book().fileName);
    return saved;
}

bool WordBooks::ReplaceSelectedWord(const WordEntry& entry) {
    const std::optional<std::size_t> row = SelectedRow();
    if (!row) return false;
    WordEntry& stored = list_.Store().Book().entries[*row];
    const std::u16string color = stored.textColor;
    stored = entry;
    stored.textColor = color;
    port_->ScrollWordRowIntoView(*row);
    port_->RepaintWordList();
    return CommitChange();
}

bool WordBooks::DeleteSelectedWord() {
    const std::optional<std::size_t> row = SelectedRow();
    if (!row) return false;
    std::vector<WordEntry>& entries = list_.Store().Book().entries;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*row));
    port_->SetWordRowCount(entries.size());
    // Nothing is selected now: the word actions wait for the next click.
    SetStage(WordBookStage::BookOpened);
    const bool saved = CommitChange();
    UpdateBookCount(list_.Store().Book().fileName);
    return saved;
}

bool WordBooks::MoveSelectedWord(std::size_t number) {
    const std::optional<std::size_t> row = SelectedRow();
    std::vector<WordEntry>& entries = list_.Store().Book().entries;
    if (!row || number < 1 || number > entries.size()) return false;
    // A copy goes in above word k, then the old place goes: moving down the
    // word lands just above k's word, which has moved up one place.
    const std::size_t target = number - 1;
    WordEntry moved = std::move(entries[*row]);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*row));
    const std::size_t at = target > *row ? target - 1 : target;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(moved));
    SelectRow(at, false);
    return CommitChange();
}

// --- Books ------------------------------------------------------------------------------------

bool WordBooks::CreateBook(const std::u16string& path, const std::u16string& title,
                           const std::u16string& group, const std::u16string& audioFolder) {
    if (!WriteNewWordBook(platform_, path, title, group, audioFolder)) {
        ReportFileFailure(platform_, FileAction::Create, u"単語帳", path);
        return false;
    }
    ListWordBooks();
    if (FolderPart(path) == curBookFolder_) SelectBookByFileName(LeafName(path));
    return true;
}

bool WordBooks::DeleteOpenBook() {
    if (!list_.Store().IsOpen()) return false;
    const std::u16string path = curBookFolder_ + u"\\" + list_.Store().Book().fileName;
    if (!platform_.FileExists(path)) return false;
    if (!platform_.RecycleFile(path)) {
        ReportFileFailure(platform_, FileAction::Delete, u"単語帳", path);
        return false;
    }
    ListWordBooks();
    port_->SelectBookRow(std::nullopt);
    if (!doorOpen_) DoorClicked();
    host_->FocusForeignArea();
    return true;
}

bool WordBooks::ChangeProperties(const std::u16string& title, const std::u16string& group,
                                 const std::u16string& audioFolder) {
    if (!list_.Store().IsOpen()) return false;
    WordBook& book = list_.Store().Book();
    const std::u16string fileName = book.fileName;
    std::u16string header[3] = {title, group, audioFolder};
    std::swap(book.title, header[0]);
    std::swap(book.group, header[1]);
    std::swap(book.audioFolder, header[2]);
    if (!SaveWordBook()) {
        // The file keeps its header; so does the book.
        std::swap(book.title, header[0]);
        std::swap(book.group, header[1]);
        std::swap(book.audioFolder, header[2]);
        return false;
    }
    ListWordBooks();
    LoadWordBook(fileName);
    return true;
}

Lines WordBooks::GroupNames() const { return ReadGroupNames(platform_, folders_.sysFolder); }

std::optional<Lines> WordBooks::StoredGroupNames() const {
    const std::u16string path = folders_.sysFolder + u"\\" + kGroupNameFile;
    if (!platform_.FileExists(path)) return std::nullopt;
    return ReadTextLines(platform_, path).value_or(Lines{});
}

bool WordBooks::SaveGroupNames(const Lines& names) {
    const std::u16string path = folders_.sysFolder + u"\\" + kGroupNameFile;
    if (WriteAnsiLines(platform_, path, names)) return true;
    ReportFileFailure(platform_, FileAction::Save, u"", path);
    return false;
}

bool WordBooks::OpenWordForEdit(bool fromDictionary, const std::u16string& title,
                                std::size_t number) {
    if (fromDictionary && !settings_.DicFlg) {
        port_->SetDictionaryPressed(true);
        DictionaryClicked(true);
    }
    std::optional<std::size_t> bookRow;
    for (std::size_t i = 0; i < books_.Rows().size(); ++i) {
        if (books_.Rows()[i].title == title) {
            bookRow = i;
            break;
        }
    }
    if (!bookRow) return false;
    port_->SelectBookRow(bookRow);
    BookClicked(bookRow);
    if (number < 1 || number > list_.RowCount()) return false;
    port_->ShowWordListPage();
    port_->SelectWordRow(number - 1);
    WordClicked();
    return true;
}

}  // namespace tess
