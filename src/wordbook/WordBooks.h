// The word books of the main window: the open book in the word list, the
// word-book panel with its book list, folders, door and dictionary toggle,
// and the word-book commands of the menus. The views (word list, panel,
// status bar, dialogs) show what it says through WordBookPort; the main
// window's model is its WordBookHost.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "lib/FontLook.h"
#include "lib/TextFile.h"
#include "platform/platform.h"
#include "settings/Settings.h"
#include "wordbook/BookList.h"
#include "wordbook/WordBookPort.h"
#include "wordbook/WordListModel.h"

namespace tess {

inline constexpr int kDoorTimerId = 41;
inline constexpr char16_t kBrowseFolderPrompt[] =
    u"希望するカレントの単語帳フォルダを指定して下さい。";

// The folders the word books move between.
struct WordBookFolders {
    std::u16string sysFolder;       // FolList.txt, GroupName.txt
    std::u16string thaiBookFolder;  // FolList.txt's first line when it is made
};

class WordBooks {
public:
    WordBooks(Platform& platform, Settings& settings, WordBookFolders folders);

    void Attach(WordBookPort& port, WordBookHost& host);
    // The platform the book dialogs ask their questions through.
    Platform& platform() const { return platform_; }

    // --- Start-up and language ------------------------------------------------------
    // The panel's and lists' first state: door open, AutoDoorFlg in its check
    // box, no book open, the book list of the folder current now.
    void SetUp(const std::u16string& languageName, int langCharset,
               const std::u16string& bookFolder, const std::u16string& dicFolder);
    // The column widths (LVCol1Width-LVCol7Width), the row height and the
    // direction from EiwaFlg (captions only: the widths stay as restored).
    void ApplySavedColumns();
    // A language input mode was chosen: the "辞書" toggle shows released
    // (DicFlg keeps its value), the language's ordinary folder is listed and
    // its dictionary folder becomes the one "辞書" switches to.
    void LanguageChanged(const std::u16string& languageName, int langCharset,
                         const std::u16string& bookFolder, const std::u16string& dicFolder);
    // After every mode switch but the alphanumeric one: a shut panel opens
    // when AutoDoorFlg is set.
    void OpenDoorIfShut();
    // Start-up with DicFlg set: "辞書" pressed and its step run.
    void PressDictionaryAtStartup();
    // The widths the settings keep at exit.
    void StoreColumnWidths();

    // --- Folders and the book list ----------------------------------------------------
    void SwitchFolder(const std::u16string& path);
    void ListWordBooks();
    void CloseWordBook();
    void LoadWordBook(const std::u16string& fileName);
    void UpdateBookCount(const std::u16string& fileName);
    void SelectBookByFileName(const std::u16string& fileName);
    const std::u16string& CurrentFolder() const { return curBookFolder_; }
    const std::u16string& DictionaryFolder() const { return curDicFolder_; }

    void BookClicked(std::optional<std::size_t> row);  // ListView2Click
    void BookColumnClicked(int column);                // ListView2ColumnClick
    void DictionaryClicked(bool down);                 // SpeedButton2Click
    void DoorClicked();                                // SpeedButton4Click
    void DoorTick();                                   // DoorTimerTimer
    void AutoDoorClicked(bool checked);                // CheckBox2Click
    bool PanelOpen() const { return doorOpen_; }

    // The folder menu ("変更"): its paths, made afresh each time it opens
    // (the file is created when missing); then the three fixed items.
    Lines FolderMenuPaths();
    void FolderChosen(const std::u16string& path);
    void BrowseForFolder();   // "参照"
    void EditFolderList();    // "このメニューを編集する （最大10フォルダ）"

    // --- The word list ----------------------------------------------------------------------
    WordListModel& List() { return list_; }
    const WordListModel& List() const { return list_; }
    void WordClicked();                       // ListView1Click
    void WordDoubleClicked();                 // ListView1DblClick
    void WordColumnClicked(int column);       // ListView1ColumnClick
    void DirectionChosen(bool foreignFirst);  // RadioButton1Click / RadioButton2Click
    void ColumnResized(int column, int width);
    void JumpWord();     // JumpWordExecute
    void ChangeColor();  // ChColorExecute
    void CloseBookCommand();  // CloseWBExecute
    void PlayAudioFile(const std::u16string& name);
    // Where a word's audio file is browsed for: the book's audio folder when
    // it exists, else the current word-book folder.
    std::u16string AudioBrowseFolder() const;

    // The font a column's cells are drawn in: the foreign font (UsrMainFont,
    // LangCharset, TnMainFontSize), the phonetic font (UsrSubFont, ANSI,
    // TnSubFontSize) or "ＭＳ Ｐゴシック" (Shift-JIS, TnJpFontSize).
    using CellFont = FontLook;
    CellFont CellFontOf(CellFontKind kind) const;
    // The phonetic column's background (CandBg, as Edit1's).
    Color PhoneticBackground() const { return settings_.CandBg; }
    int RowHeight() const { return settings_.LVLineHeight; }

    // --- Actions and menu states --------------------------------------------------------------
    bool ActionEnabled(WordBookAction action) const;
    // "音声ファイルをWMPで再生する" (checked) and "一括辞書ファイル生成" (enabled).
    bool MediaPlayerChecked() const { return settings_.MediaPlayerFlg; }
    bool DictionaryGenerationEnabled() const { return settings_.DicFlg; }
    void ToggleMediaPlayer();
    // The foreign font changed: the list draws its cells again.
    void FontsChanged() {
        if (port_) port_->RepaintWordList();
    }
    // LVLineHeight changed: the list measures its rows again and redraws.
    void RowHeightChanged() {
        if (!port_) return;
        port_->SetWordRowHeight(settings_.LVLineHeight);
        port_->RepaintWordList();
    }
    const std::u16string& LastPlayedAudio() const { return list_.LastPlayedAudio(); }

    // Writes the open book; a failure is reported (the old file is whole) and false returned.
    bool SaveWordBook();

    // --- Changes of the open book's words (registration, edit, move, delete) ---------
    // Each writes the book. When the write fails it is reported and the book
    // is read again from its file, so the list shows what the file holds;
    // the result is then false.
    // "追加": at the end; the new row selected and clicked.
    bool AppendWord(const WordEntry& entry);
    // "挿入": above the word numbered `number` (1..n); selected, not clicked.
    bool InsertWord(std::size_t number, const WordEntry& entry);
    // "反映": the selected word takes the entry's six fields, keeping its colour.
    bool ReplaceSelectedWord(const WordEntry& entry);
    bool DeleteSelectedWord();
    // "移動": the selected word goes above the word numbered `number`; its own
    // number leaves the order as it was. False for a number outside 1..n.
    bool MoveSelectedWord(std::size_t number);
    std::optional<std::size_t> SelectedRow() const;

    // --- Books (new, delete, properties, group names) ----------------------------------
    // A new empty book at `path`, listed and opened when it lies in the
    // current folder. False (reported) when it could not be written.
    bool CreateBook(const std::u16string& path, const std::u16string& title,
                    const std::u16string& group, const std::u16string& audioFolder);
    // The open book's file to the Recycle Bin, the list made again, the rest
    // of the close command. False when the file is not there (nothing changes).
    bool DeleteOpenBook();
    // The open book's header; the book list made again and the book shown
    // again (no row selected, the word actions off until a click).
    bool ChangeProperties(const std::u16string& title, const std::u16string& group,
                          const std::u16string& audioFolder);
    Lines GroupNames() const;
    // "GroupName.txt" as stored; nothing when the file is not there (the
    // group editor then starts empty).
    std::optional<Lines> StoredGroupNames() const;
    // "GroupName.txt" written; a failure is reported and false returned.
    bool SaveGroupNames(const Lines& names);

    // --- A search hit to edit ------------------------------------------------------------
    // "この単語を編集する": the dictionary folder first when the hit came from
    // it and "辞書" is up; the first book of that title opened as a click
    // would; the word of that number selected and clicked. False when there
    // is no such book or word.
    bool OpenWordForEdit(bool fromDictionary, const std::u16string& title, std::size_t number);

private:
    void SetStage(WordBookStage stage);
    void ShowBookList();
    void ShowDirection(bool swapWidths);
    // Saves, or reads the book again after a failed save; the result of the save.
    bool CommitChange();
    void SelectRow(std::size_t row, bool click);

    Platform& platform_;
    Settings& settings_;
    WordBookFolders folders_;
    WordBookPort* port_ = nullptr;
    WordBookHost* host_ = nullptr;

    std::u16string languageName_;
    int langCharset_ = 0;
    std::u16string curBookFolder_, curDicFolder_, rememberedFolder_;
    WordListModel list_;
    BookListModel books_;
    WordBookStage stage_ = WordBookStage::NoBook;
    int panelWidth_ = kPanelOpenWidth;
    bool doorOpen_ = true;  // the door caption "→"
    bool sliding_ = false;
};

}  // namespace tess
