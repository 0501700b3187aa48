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
    bool PanelSliding() const { return sliding_; }
    int PanelWidth() const { return panelWidth_; }

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

    // The font a column's cells are drawn in: the foreign font (UsrMainFont,
    // LangCharset, TnMainFontSize), the phonetic font (UsrSubFont, ANSI,
    // TnSubFontSize) or "ＭＳ Ｐゴシック" (Shift-JIS, TnJpFontSize).
    struct CellFont {
        std::u16string face;
        int charset = 0;
        int sizePt = 0;
    };
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
    const std::u16string& LastPlayedAudio() const { return list_.LastPlayedAudio(); }

    // Writes the open book; a failure is reported (the old file is whole) and false returned.
    bool SaveWordBook();

private:
    void SetStage(WordBookStage stage);
    void ShowBookList();
    void ShowDirection(bool swapWidths);

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
