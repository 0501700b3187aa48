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

#include "app/DataFolders.h"
#include "settings/FontLists.h"
#include "app/Languages.h"
#include "app/MainWindowPort.h"
#include "settings/Settings.h"
#include "input/InputTables.h"
#include "platform/platform.h"

namespace tess {

// Virtual-key codes of the function keys the main window sees first.
inline constexpr std::uint16_t kVkF1 = 0x70;
inline constexpr std::uint16_t kVkF9 = 0x78;

// The top bar's buttons: seven glyph buttons (glyph = image `index` of the
// window's 26 × 26 image list), then the "転送" push button.
struct FunctionButton {
    std::u16string_view caption;
    MainAction action;
    std::u16string_view hint;  // empty: no hint
};
std::span<const FunctionButton> FunctionButtons();
inline constexpr FunctionButton kTransferButton{u"転送", MainAction::TransferTxt1, u"F9キー"};

class MainModel {
public:
    MainModel(Platform& platform, DataFolders folders)
        : platform_(platform), folders_(std::move(folders)) {}

    // The view attaches itself once its controls exist, before the start-up
    // sequence; every rule below shows its effects through it.
    void SetPort(MainWindowPort* port) { port_ = port; }

    // What the main window's creation runs, before it is first shown.
    void RunStartupSequence();

    // What the main window's close runs. False when the settings file could
    // not be written (the caller tells the user; the old file is whole).
    bool RunShutdownSequence();

    // The settings dialog's reset asks that nothing be written at exit.
    void SuppressSettingsSave() { saveSettingsAtExit_ = false; }

    Settings& settings() { return settings_; }
    const DataFolders& folders() const { return folders_; }
    const LanguageState& language() const { return language_; }
    InputTables& tables() { return tables_; }

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
    void ComboBox1Change(const std::u16string& text);
    // The size box's text changed.
    void ComboBox2Change(const std::u16string& text);
    // "下伸び" clicked; `checked` is the box's new state.
    void CheckBox1Click(bool checked);
    // The keyboard page control now shows `page`.
    void PageControl2Change(KeyboardPage page);

    // --- Function keys -------------------------------------------------------------
    // A key seen before the focused control (which still receives it). F1 and
    // F2 are carried out here; for F4 to F9 the enabled action is returned for
    // the view to run. Nothing when the key has no effect or its action is
    // disabled.
    std::optional<MainAction> FormKeyDown(std::uint16_t virtualKey);
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
    // "タイ語 Kedmanee" (true) or "タイ語 Pattachote" (false) chosen.
    void ChooseThaiIme(bool kedmanee);

    // --- Tools and help ---------------------------------------------------------------
    // "コード値チェッカー": Memo1's code values into Edit1.
    void RunCodeValueChecker();
    // "ヘルプ": the help file, when it exists.
    void OpenHelp();

    // --- Edit1's context menu ---------------------------------------------------------
    // "発音記号フォントを変更する" with the font dialog's choice.
    void ChangePhoneticFont(const std::u16string& face, int size);
    // "発音記号フォントを初期値に戻す".
    void ResetPhoneticFont();

private:
    void ApplyLanguage(const LanguageRow& row);
    void SetPhoneticFont(const std::u16string& face, int size);
    void ReportUnwritable(const std::u16string& path);
    int MemoDisplaySize() const;
    int EditDisplaySize() const;

    Platform& platform_;
    DataFolders folders_;
    Settings settings_;
    bool saveSettingsAtExit_ = true;
    MainWindowPort* port_ = nullptr;

    LanguageState language_ = ThaiLanguageState();
    InputTables tables_;
    // What the font box lists and shows, and Memo1's font, as last shown.
    ItemList fontBoxItems_;
    std::u16string fontBoxText_;
    FontSpec memoFont_;
    std::array<bool, kMainActionCount> actionEnabled_ = {true, true, true, true,
                                                        true, true, true, true};
    std::u16string currentTextFile_;
};

}  // namespace tess
