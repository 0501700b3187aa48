// The main window's model: it owns the application's state for the whole run
// (settings, folders, the language and the input tables) and holds every
// rule of the main window: the start-up and shut-down sequences, the language
// and input mode switch, the font panel, the function keys and the menu
// commands that belong to no other window. It shows its effects through the
// view's MainWindowPort.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <memory>

#include "app/DataFolders.h"
#include "app/Languages.h"
#include "app/MainWindowPort.h"
#include "app/PadModel.h"
#include "app/SettingsDialogModel.h"
#include "app/SymbolTab.h"
#include "input/InputSession.h"
#include "input/InputTables.h"
#include "input/KeyboardLayouts.h"
#include "input/KeyboardSet.h"
#include "platform/platform.h"
#include "settings/FontLists.h"
#include "settings/Settings.h"
#include "transfer/TransferModel.h"
#include "transfer/TransferPort.h"
#include "tables/ListHtml.h"
#include "wordbook/LegacyConverter.h"
#include "wordbook/WordBooks.h"

namespace tess {

// Virtual-key codes of the function keys the main window sees first.
inline constexpr std::uint16_t kVkF1 = 0x70;
inline constexpr std::uint16_t kVkF9 = 0x78;

// The top bar's buttons: seven glyph buttons (glyph = image `index` of the
// window's 26 × 26 image list), then the "転送" push button. Each one's hint
// names its function key ("F4キー"), when it has one.
struct FunctionButton {
    std::u16string_view caption;
    MainAction action;
};
inline constexpr int kFunctionButtonCount = 7;
std::span<const FunctionButton> FunctionButtons();
inline constexpr FunctionButton kTransferButton{u"転送", MainAction::TransferTxt1};

// The function key of an action (F2 clears, F4 registers a word ... F9
// transfers), the one table the key handler, the buttons' hints and the
// menus read; F1, which moves between the areas, is no action's.
std::optional<std::uint16_t> FunctionKeyOf(MainAction action);
// "F4" for the action of F4; empty for an action without a key.
std::u16string FunctionKeyName(MainAction action);

class MainModel : private WordBookHost, public SettingsDialogHost {
public:
    MainModel(Platform& platform, DataFolders folders);
    ~MainModel();

    // The view attaches itself once its controls exist, before the start-up
    // sequence; every rule below shows its effects through these: the main
    // window's own controls, the areas as the transfer sees them, the
    // directory of fields that take candidates, and the candidate popups.
    void Attach(MainWindowPort& port, TransferPort& transferPort, InputFields& fields,
                CandidatePopupPort& popups, WordBookPort& wordBookPort);

    // What the main window's creation runs, before it is first shown.
    void RunStartupSequence();

    // What the main window's close runs, in order: the transfer timers stop,
    // the start-up keyboard layout comes back, the settings are written. A
    // settings file that could not be written is reported (the old file is
    // whole) and false returned.
    bool RunShutdownSequence();

    // The settings dialog's reset asks that nothing be written at exit.
    void SuppressSettingsSave() { saveSettingsAtExit_ = false; }

    // The settings dialog's "OK". `chosen` is the settings as the dialog's
    // collected controls say (SettingsDialogModel::Choice); only the fields
    // the dialog collects are read. In order: the flags; FontMode, whose
    // change refills the font box (the areas keep their font); the phonetic
    // font and size; the fixed sizes and their lock; the language fonts,
    // the current language's shown in Memo1 at once; the table files; the
    // colours, each shown where it is used; the timers. A changed SysTblFlg
    // or table file needs a restart: the notice is shown, the main window
    // closes and the result is true.
    bool ApplySettingsDialog(const Settings& chosen) override;
    // The settings dialog's reset buttons: the main window closes, which
    // ends the program, and no settings are written.
    void EndWithoutSavingSettings() override;
    void WordListLookChanged(bool rowHeight) override;

    Settings& settings() override { return settings_; }
    Platform& platform() override { return platform_; }
    const DataFolders& folders() const override { return folders_; }
    const LanguageState& language() const { return language_; }
    // What the main window's font box lists.
    const ItemList& fontBoxItems() const override { return fontBoxItems_; }
    InputTables& tables() { return tables_; }
    // The one input route of every field that takes trigger keys.
    InputSession& input() { return *input_; }
    TransferModel& transfer() { return *transfer_; }
    // Another application became active (false) or this one again (true):
    // the target search runs only meanwhile. After the shut-down sequence,
    // while the window is being destroyed, there is no search to run.
    void ApplicationActivated(bool active);
    KeyboardLayouts& layouts() { return layouts_; }
    // The word list, the word-book panel and their commands.
    WordBooks& wordBooks() { return *wordBooks_; }
    // The symbol tab's grid and controls.
    SymbolTab& symbolTab() { return *symbolTab_; }
    // PadPos: where the PAD was last closed, for the rest of the run.
    PadPosition& padPos() { return padPos_; }

    // --- Focus -------------------------------------------------------------------
    // An input area got the keyboard focus: the keyboard layout first, then
    // the transfer mode (AutoTransFlg).
    void AreaEntered(InputArea area);

    // --- On-screen keyboards --------------------------------------------------------
    // Builds the three keyboards for a tab sheet of this size, once, after
    // the start-up sequence has loaded the tables. Later sizes move no key
    // (only the language picture follows the sheet); a language switch shows
    // the new table's keys on the same romaji keyboard; the MS IME keyboard
    // keeps CAPS and its table through every change.
    void BuildKeyboards(int sheetWidth, int sheetHeight);
    // The cells a page paints; null before BuildKeyboards.
    const KeyboardCells* KeyboardOf(KeyboardPage page) const;
    KeyboardBackground KeyboardBackgroundOf(KeyboardPage page) const;
    std::optional<CellRect> LanguagePictureRect(int sheetWidth, int sheetHeight) const;
    void KeyboardClicked(KeyboardPage page, std::size_t cell);
    // The mouse over the MS IME keyboard; true when a key grew or shrank.
    bool ImeKeyboardHover(std::optional<std::size_t> cell);
    // A key down or up in the foreign area: Shift and Caps Lock switch the
    // MS IME keyboard's table while its page shows.
    void ForeignAreaKey(std::uint16_t virtualKey, bool down);

    // The keyboard tab control lists the MS IME page only for Thai: the
    // phonetic page moves up one place while it is hidden.
    int TabIndexOf(KeyboardPage page) const;
    KeyboardPage PageAtTab(int tabIndex) const;

    // --- Set-up ------------------------------------------------------------------
    // Start-up step 6: captions, fonts, colours and the three boxes.
    void SetUpMainWindow();
    // Refills the font box for FontMode and the language's character set and
    // shows UsrMainFont in it, or "Tahoma" when it is not listed. The areas'
    // font is not changed (the settings dialog calls this too).
    void FillMainFontBox();
    // Start-up step 11: the saved input mode and keyboard page width.
    void ApplyLayoutAndMode();
    // The window's first showing: Memo1 gets the focus.
    void FormShow();

    // --- Languages and input modes ---------------------------------------------------
    // The language switch for an InputMode value (does not change InputMode).
    void SwitchInputMode(int mode);
    // The user picked item `item` of the mode box.
    void ComboBox3Change(int item);
    // The font box's text changed (a pick or each keystroke while typing).
    // A listed or installed name is kept as the language's font setting.
    void ComboBox1Change(const std::u16string& text);
    // The size box's text changed.
    void ComboBox2Change(const std::u16string& text);
    // "下伸び" clicked; `checked` is the box's new state.
    void CheckBox1Click(bool checked);
    // The keyboard page control now shows the page at `tabIndex`.
    void PageControl2Change(int tabIndex);

    // --- Function keys -------------------------------------------------------------
    // A key seen before the focused control (which still receives it): F1
    // moves between the areas, F2 and F4 to F9 run their action when it is
    // enabled. True when the key did something.
    bool FormKeyDown(std::uint16_t virtualKey);
    // A function button, "転送", F2, F4 to F9: runs the action when it is
    // enabled. The windows of the word books, the PAD and the settings are
    // the view's to open.
    void RunAction(MainAction action);
    bool ActionEnabled(MainAction action) const {
        return actionEnabled_[static_cast<int>(action)];
    }
    void SetActionEnabled(MainAction action, bool enabled);
    // "ｸﾘｱ" and F2: both areas emptied, Memo1 focused.
    void AreaClearExecute();

    // --- File menu --------------------------------------------------------------------
    // The text file last opened or saved in this run; empty at start-up.
    const std::u16string& CurrentTextFile() const { return currentTextFile_; }
    // "上書き保存" is enabled exactly while there is a current file.
    bool OverwriteSaveEnabled() const { return !currentTextFile_.empty(); }
    // The open and save dialogs start in folders().TextFolder; these take
    // the path the user chose.
    void OpenTextFile(const std::u16string& path);
    void OverwriteTextFile();
    void SaveTextFileAs(const std::u16string& path);

    // --- Edit menu (their checks show WordWrapFlg and ScroBarsFlg) --------------------
    void ToggleWordWrap();
    void ToggleScrollBars();

    // --- IME menu (the checked item shows ThaiImeKedFlg) -----------------------------
    // "タイ語 Kedmanee" (true) or "タイ語 Pattachote" (false) chosen: the
    // MS IME keyboard shows the other layout's table (shifted while CAPS is
    // down); choosing the checked layout does nothing.
    void ChooseThaiIme(bool kedmanee);

    // --- Tools and help ---------------------------------------------------------------
    // "コード値チェッカー": Memo1's code values into Edit1.
    void RunCodeValueChecker();
    // "ヘルプ": the help file, when it exists.
    void OpenHelp();
    // A web link the user clicked (the about box's support site): only
    // "http://" and "https://" addresses are handed to the shell.
    void OpenLink(const std::u16string& url);
    // "一括辞書ファイル生成", while DicFlg is set.
    void MakeDictionaryBooks();
    // "一覧HTML作成ツール": the system-table notice first (while SysTblFlg is
    // set), then the tool over the table folders.
    ListHtmlModel MakeListHtmlModel() {
        NoticeBeforeListHtml(platform_, settings_);
        return ListHtmlModel(platform_, settings_, folders_.TblFolder, folders_.UserTblFolder);
    }
    // "単語帳変換ツール": converting into the current word-book folder.
    LegacyConverter MakeLegacyConverter() {
        return LegacyConverter(platform_, wordBooks_->CurrentFolder());
    }

    // --- Edit1's context menu ---------------------------------------------------------
    // "発音記号フォントを変更する" with the font dialog's choice.
    void ChangePhoneticFont(const std::u16string& face, int size);
    // "発音記号フォントを初期値に戻す".
    void ResetPhoneticFont();

private:
    // --- WordBookHost ------------------------------------------------------------------
    void CopyWordIntoAreas(const WordCopy& copy) override;
    void FocusForeignArea() override;
    void DialogShown() override;
    void DialogClosed() override;
    void WordActionsChanged() override;

    void ApplyLanguage(const LanguageRow& row);
    // The settings dialog's OK, step by step; the two that return say a
    // restart is needed.
    bool ApplyChosenFlags(const Settings& chosen);
    void ApplyChosenPhoneticFont(const Settings& chosen);
    void ApplyChosenDisplaySizes(const Settings& chosen);
    void ApplyChosenLanguageFonts(const Settings& chosen);
    bool ApplyChosenTables(const Settings& chosen);
    void ApplyChosenColours(const Settings& chosen);
    // The font box's text as UsrMainFont and Memo1's font.
    void ApplyMainFont(const std::u16string& text);
    void SetPhoneticFont(const std::u16string& face, int size);
    void ReportUnwritable(const std::u16string& path);
    int ForeignDisplaySize() const;
    int PhoneticDisplaySize() const;

    void RefreshRomajiKeyboard();
    void SelectKeyboardPage(KeyboardPage page);

    Platform& platform_;
    DataFolders folders_;
    Settings settings_;
    bool saveSettingsAtExit_ = true;
    MainWindowPort* port_ = nullptr;
    KeyboardLayouts layouts_;
    std::unique_ptr<TransferModel> transfer_;
    std::unique_ptr<InputSession> input_;
    std::unique_ptr<WordBooks> wordBooks_;
    std::unique_ptr<SymbolTab> symbolTab_;
    KeyboardSet keyboards_;
    bool imePageVisible_ = true;
    KeyboardPage shownPage_ = KeyboardPage::Romaji;

    LanguageState language_ = ThaiLanguageState();
    InputTables tables_;
    // What the font box lists and shows, and Memo1's font, as last shown.
    ItemList fontBoxItems_;
    std::u16string fontBoxText_;
    FontLook foreignFont_;
    std::array<bool, kMainActionCount> actionEnabled_ = {true, true, true, true,
                                                        true, true, true, true};
    std::u16string currentTextFile_;
    PadPosition padPos_;
};

}  // namespace tess
