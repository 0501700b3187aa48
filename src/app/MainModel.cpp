#include "app/MainModel.h"

#include <algorithm>
#include <string>

#include "app/DictionaryGeneration.h"
#include "lib/FileFailure.h"
#include "app/SettingsDialogModel.h"
#include "app/TextFileCommands.h"
#include "app/VersionUp.h"
#include "lib/Charsets.h"
#include "lib/TextConv.h"
#include "lib/WholeNumber.h"

namespace tess {

// The pages are asked of the keyboard set by their numbers.
static_assert(static_cast<int>(KeyboardPage::Romaji) == KeyboardSet::kRomaji &&
              static_cast<int>(KeyboardPage::MsIme) == KeyboardSet::kMsIme &&
              static_cast<int>(KeyboardPage::Phonetic) == KeyboardSet::kPhonetic);

namespace {

constexpr std::array<FunctionButton, kFunctionButtonCount> kFunctionButtons = {{
    {u"閉る", MainAction::Close},
    {u"ｸﾘｱ", MainAction::AreaClear},
    {u"登録", MainAction::RegWord},
    {u"編集", MainAction::ModWord},
    {u"検索", MainAction::SearchWord},
    {u"PAD", MainAction::PadMode},
    {u"設定", MainAction::Option},
}};

struct FunctionKey {
    std::uint16_t virtualKey;
    MainAction action;
};
constexpr std::array<FunctionKey, 7> kFunctionKeys = {{
    {kVkF1 + 1, MainAction::AreaClear},
    {kVkF1 + 3, MainAction::RegWord},
    {kVkF1 + 4, MainAction::ModWord},
    {kVkF1 + 5, MainAction::SearchWord},
    {kVkF1 + 6, MainAction::PadMode},
    {kVkF1 + 7, MainAction::Option},
    {kVkF9, MainAction::TransferTxt1},
}};

// The smallest size the size box accepts; smaller entries are raised to it.
constexpr int kMinMainFontSize = 8;
// Keyboard pages wider than this keep their designed width.
constexpr int kMaxKeyboardPagesWidth = 390;

// The MS IME keyboard shows Thai characters in the Thai character set.

constexpr char16_t kPhoneticDefaultFont[] = u"Segoe UI";
constexpr int kPhoneticDefaultSize = 16;

std::u16string ImePageCaption(bool kedmanee) {
    return kedmanee ? u"MS IME (Kedmanee)" : u"MS IME (Pattachote)";
}

}  // namespace

std::span<const FunctionButton> FunctionButtons() { return kFunctionButtons; }

std::optional<std::uint16_t> FunctionKeyOf(MainAction action) {
    for (const FunctionKey& key : kFunctionKeys)
        if (key.action == action) return key.virtualKey;
    return std::nullopt;
}

std::u16string FunctionKeyName(MainAction action) {
    const std::optional<std::uint16_t> key = FunctionKeyOf(action);
    if (!key) return {};
    const int number = *key - kVkF1 + 1;
    std::u16string name = u"F";
    if (number >= 10) name += static_cast<char16_t>(u'0' + number / 10);
    name += static_cast<char16_t>(u'0' + number % 10);
    return name;
}

MainModel::MainModel(Platform& platform, DataFolders folders)
    : platform_(platform), folders_(std::move(folders)), layouts_(platform_, settings_) {
    wordBooks_ = std::make_unique<WordBooks>(
        platform_, settings_, WordBookFolders{folders_.SysFolder, folders_.ThaiBookFolder});
}

MainModel::~MainModel() = default;

void MainModel::Attach(MainWindowPort& port, TransferPort& transferPort, InputFields& fields,
                       CandidatePopupPort& popups, WordBookPort& wordBookPort) {
    port_ = &port;
    wordBooks_->Attach(wordBookPort, *this);
    transfer_ = std::make_unique<TransferModel>(platform_, settings_, transferPort, folders_.SysFolder,
                                                [this] { return wordBooks_->LastPlayedAudio(); });
    transfer_->LanguageChanged(language_.LanguageName, language_.LangCharset);
    input_ = std::make_unique<InputSession>(tables_, settings_, fields, popups, &layouts_);
    symbolTab_ = std::make_unique<SymbolTab>(platform_, settings_, *input_, layouts_);
}

void MainModel::RunStartupSequence() {
    // 1. Every setting and run-time value to its default; the layout active
    //    now is the one given back at exit.
    LoadDefaults(settings_, platform_);
    layouts_.RecordStartupLayout();
    saveSettingsAtExit_ = true;
    language_ = ThaiLanguageState();
    transfer_->LanguageChanged(language_.LanguageName, language_.LangCharset);
    currentTextFile_.clear();

    // 2. The settings file over the defaults; the table folder follows SysTblFlg.
    LoadSettings(settings_, platform_, folders_.SysFolder);
    folders_.TblFolder = TableFolderFor(settings_, folders_.SysTblFolder, folders_.UserTblFolder);

    // 3. The shipped files, once per program version, with the TblOWFlg and
    //    NoSampleFlg the user left with the previous version.
    if (!VersionMarkerPresent(platform_, folders_))
        RunVersionUp(platform_, folders_, settings_.TblOWFlg, settings_.NoSampleFlg);

    // 4. and 5. The phonetic and the foreign-language input tables.
    tables_.LoadPhoneticTables(platform_, folders_.TblFolder, settings_.PhCandFile,
                               settings_.PhUDBFile);
    tables_.LoadForeignTables(platform_, folders_.TblFolder, settings_.GaCandFile,
                              settings_.GaUDBFile);

    // 6. Captions, fonts, colours and the boxes from the settings.
    SetUpMainWindow();

    // 7. The view creates the function-key buttons from FunctionButtons();
    //  8. it builds the on-screen keyboards once the tables are loaded.
    //  9. and the symbol tab's controls, all cells empty.
    // 10. The word books of the folder current now; no book is open, so
    //     registering and editing a word are off.
    wordBooks_->SetUp(language_.LanguageName, language_.LangCharset, folders_.CurBookFolder, folders_.CurDicFolder);

    // 11. The saved input mode, which selects the language.
    ApplyLayoutAndMode();
}

void MainModel::ApplicationActivated(bool active) {
    if (!transfer_) return;
    if (active) transfer_->OnApplicationActivate();
    else transfer_->OnApplicationDeactivate();
}

bool MainModel::RunShutdownSequence() {
    // The timers stop with the transfer model and the door; the open book's
    // name stays in LastWB and the column widths go with the settings.
    transfer_.reset();
    platform_.StopTimer(kDoorTimerId);
    wordBooks_->StoreColumnWidths();
    layouts_.RestoreLayoutAtExit();
    if (!saveSettingsAtExit_) return true;
    if (SaveSettings(settings_, platform_, folders_.SysFolder)) return true;
    ReportFileFailure(platform_, FileAction::Save, u"設定ファイル",
                      folders_.SysFolder + u"\\" + kSettingsFileName);
    return false;
}

// --- The settings dialog's OK ---------------------------------------------------------

bool MainModel::ApplySettingsDialog(const Settings& chosen) {
    bool restartNeeded = ApplyChosenFlags(chosen);
    // The font box's list; the areas keep their font.
    if (chosen.FontMode != settings_.FontMode) {
        settings_.FontMode = chosen.FontMode;
        FillMainFontBox();
    }
    ApplyChosenPhoneticFont(chosen);
    ApplyChosenDisplaySizes(chosen);
    ApplyChosenLanguageFonts(chosen);
    restartNeeded = ApplyChosenTables(chosen) || restartNeeded;
    ApplyChosenColours(chosen);
    // The timers: the search timer runs only while another application is
    // active and the paste timer is one-shot; both take their interval from
    // here when they start next.
    settings_.TrTimer = chosen.TrTimer;
    settings_.PaTimer = chosen.PaTimer;

    if (!restartNeeded) return false;
    platform_.ShowMessage(kRestartNotice, MessageKind::Information, MessageButtons::Yes);
    port_->CloseWindow();
    return true;
}

bool MainModel::ApplyChosenFlags(const Settings& chosen) {
    Settings& s = settings_;
    for (bool Settings::*flag : {&Settings::ResetInputFlg, &Settings::LastVisibleFlg,
                                 &Settings::RegCopyFlg, &Settings::RegClearFlg,
                                 &Settings::NoSampleFlg, &Settings::TransClearFlg,
                                 &Settings::AutoTransFlg, &Settings::MediaPlayerFlg,
                                 &Settings::TblOWFlg})
        s.*flag = chosen.*flag;
    // The table folder follows SysTblFlg only at the next start.
    if (chosen.SysTblFlg == s.SysTblFlg) return false;
    s.SysTblFlg = chosen.SysTblFlg;
    return true;
}

void MainModel::ApplyChosenPhoneticFont(const Settings& chosen) {
    // RichBufferB takes them at its next copy; a locked display size stays.
    Settings& s = settings_;
    if (chosen.UsrSubFont != s.UsrSubFont) {
        s.UsrSubFont = chosen.UsrSubFont;
        port_->SetPhoneticAreaFont(FontLook{s.UsrSubFont, 0, PhoneticDisplaySize()});
    }
    if (chosen.UsrSubFontSize != s.UsrSubFontSize) {
        s.UsrSubFontSize = chosen.UsrSubFontSize;
        if (!s.DispFSizeLockFlg)
            port_->SetPhoneticAreaFont(FontLook{s.UsrSubFont, 0, s.UsrSubFontSize});
    }
}

void MainModel::ApplyChosenDisplaySizes(const Settings& chosen) {
    Settings& s = settings_;
    if (chosen.DispFSizeLockFlg) {
        s.DispFSizeLockFlg = true;
    } else if (s.DispFSizeLockFlg) {
        s.DispFSizeLockFlg = false;
        foreignFont_.sizePt = s.UsrMainFontSize;
        port_->SetForeignFont(foreignFont_);
        port_->SetPhoneticAreaFont(FontLook{s.UsrSubFont, 0, s.UsrSubFontSize});
    }
    if (!s.DispFSizeLockFlg) return;
    s.DispMainFSize = chosen.DispMainFSize;
    s.DispSubFSize = chosen.DispSubFSize;
    if (foreignFont_.sizePt != s.DispMainFSize) {
        foreignFont_.sizePt = s.DispMainFSize;
        port_->SetForeignFont(foreignFont_);
    }
    port_->SetPhoneticAreaFont(FontLook{s.UsrSubFont, 0, s.DispSubFSize});
}

void MainModel::ApplyChosenLanguageFonts(const Settings& chosen) {
    // The current language's goes into the font box and Memo1 when the box
    // lists it, changed or not.
    const LanguageRow* current = LanguageOfMode(settings_.InputMode);
    for (const LanguageRow& row : LanguageRows()) {
        std::u16string& font = settings_.*row.fontSetting;
        font = chosen.*row.fontSetting;
        if (&row != current || SelectItemByText(fontBoxItems_, font) < 0) continue;
        const std::u16string shown = font;
        port_->SetFontBoxText(shown);
        ComboBox1Change(shown);
    }
}

bool MainModel::ApplyChosenTables(const Settings& chosen) {
    // Loaded only at the next start.
    bool changed = false;
    for (std::u16string Settings::*file :
         {&Settings::PhUDBFile, &Settings::PhCandFile, &Settings::ThaiUDBFile,
          &Settings::ThaiCandFile, &Settings::MyanmarUDBFile, &Settings::MyanmarCandFile,
          &Settings::LaosUDBFile, &Settings::LaosCandFile, &Settings::KhmerUDBFile,
          &Settings::KhmerCandFile}) {
        if (chosen.*file == settings_.*file) continue;
        settings_.*file = chosen.*file;
        changed = true;
    }
    return changed;
}

void MainModel::ApplyChosenColours(const Settings& chosen) {
    // Each where it shows; the candidate band reads BandBg when it opens.
    auto colour = [&](Color Settings::*setting) {
        if (chosen.*setting == settings_.*setting) return false;
        settings_.*setting = chosen.*setting;
        return true;
    };
    if (colour(&Settings::RomanBg)) port_->RepaintKeyboard(KeyboardPage::Romaji);
    if (colour(&Settings::MsImeBg)) port_->RepaintKeyboard(KeyboardPage::MsIme);
    if (colour(&Settings::IpaBg)) port_->RepaintKeyboard(KeyboardPage::Phonetic);
    if (colour(&Settings::CandBg)) {
        port_->SetPhoneticBackground(settings_.CandBg);
        wordBooks_->FontsChanged();
    }
    colour(&Settings::BandBg);
}

// --- Set-up ------------------------------------------------------------------------

int MainModel::ForeignDisplaySize() const {
    return settings_.DispFSizeLockFlg ? settings_.DispMainFSize : settings_.UsrMainFontSize;
}

int MainModel::PhoneticDisplaySize() const {
    return settings_.DispFSizeLockFlg ? settings_.DispSubFSize : settings_.UsrSubFontSize;
}

void MainModel::SetUpMainWindow() {
    // The IME menu's two captions are fixed; the MS IME page names the layout.
    port_->SetImePageCaption(ImePageCaption(settings_.ThaiImeKedFlg));
    // The transfer and paste timers stay stopped until they are needed; the
    // TRMode01-05 captions are made each time the menu opens.
    transfer_->ShowTransferMode();
    port_->SetAutoPasteCheck(settings_.AutoPasteFlg);
    CheckBox1Click(settings_.UnderStretchFlg);

    FillMainFontBox();
    port_->SetSizeBoxItems(FillNumberItems(9, 60));
    port_->SetSizeBoxText(WholeNumberText(settings_.UsrMainFontSize));
    port_->SetModeBoxItems(ItemList(InputModeItems().begin(), InputModeItems().end()));
    port_->SetDirectionCaptions(language_.LangToJpCaption, language_.JpToLangCaption);

    port_->SetAreaText(InputArea::Phonetic, u"");
    port_->SetAreaText(InputArea::Foreign, u"");
    foreignFont_ = FontLook{settings_.UsrMainFont, language_.LangCharset, ForeignDisplaySize()};
    port_->SetForeignFont(foreignFont_);
    port_->SetPhoneticAreaFont(FontLook{settings_.UsrSubFont, 0, PhoneticDisplaySize()});
    port_->SetPhoneticBackground(settings_.CandBg);
    port_->SetForeignWordWrap(settings_.WordWrapFlg);
    port_->SetForeignScrollBars(settings_.ScroBarsFlg);
    // The hidden rich buffers take their font, charset and size with each
    // transfer (RichCopy), so none is set here.

    port_->SetLowerPaneHeight(settings_.UnderHeight);
    port_->SetFontPanelWidth(settings_.FontPanelWidth);
}

void MainModel::FillMainFontBox() {
    fontBoxItems_ = FillFontBox(platform_, settings_.FontMode, language_.LangCharset);
    port_->SetFontBoxItems(fontBoxItems_);
    fontBoxText_ =
        SelectItemByText(fontBoxItems_, settings_.UsrMainFont) >= 0 ? settings_.UsrMainFont
                                                                    : u"Tahoma";
    port_->SetFontBoxText(fontBoxText_);
}

void MainModel::ApplyLayoutAndMode() {
    const int mode = settings_.InputMode;
    port_->SelectModeBoxItem(mode >= kModeThaiMsIme && mode <= kModeKhmerRomaji ? mode - 1 : 0);
    SwitchInputMode(mode);
    SelectKeyboardPage(mode == kModeThaiMsIme ? KeyboardPage::MsIme : KeyboardPage::Romaji);
    if (settings_.PC2Width <= kMaxKeyboardPagesWidth)
        port_->SetKeyboardPagesWidth(settings_.PC2Width);
    // The word list's widths, row height and direction; the symbol tab
    // shows the Thai category whatever the language; "辞書" pressed with
    // DicFlg.
    wordBooks_->ApplySavedColumns();
    symbolTab_->StartUp(folders_.TblFolder);
    port_->RefreshSymbolTab(true);
    wordBooks_->PressDictionaryAtStartup();
}

void MainModel::SelectKeyboardPage(KeyboardPage page) {
    if (page == KeyboardPage::MsIme && !imePageVisible_) return;
    shownPage_ = page;
    port_->SelectKeyboardPage(page);
}

void MainModel::FormShow() { port_->Focus(InputArea::Foreign, false); }

// --- Languages and input modes -----------------------------------------------------

void MainModel::ApplyLanguage(const LanguageRow& row) {
    language_ = LanguageStateOf(row);
    input_->SetForeignCharset(language_.LangCharset);
    transfer_->LanguageChanged(language_.LanguageName, language_.LangCharset);
    imePageVisible_ = row.msImePage;
    port_->SetRomajiPageCaption(language_.LanguageName + u"ローマ字");
    port_->SetImePageVisible(row.msImePage);
    port_->SetDirectionCaptions(language_.LangToJpCaption, language_.JpToLangCaption);
    // The transfer modes' items, made each time their menu opens, read
    // LanguageName then.

    // The "辞書" toggle shows released and the language's folder is listed.
    folders_.CurBookFolder = folders_.*row.bookFolder;
    folders_.CurDicFolder = folders_.*row.dicFolder;
    wordBooks_->LanguageChanged(language_.LanguageName, language_.LangCharset,
                                folders_.CurBookFolder,
                                folders_.CurDicFolder);

    // The language's own font when it is installed and draws the script.
    // When it is missing or lacks letters, an installed font that draws them
    // all, so the text never shows as empty boxes; the setting keeps its
    // name, and the font comes back once it is installed. When no installed
    // font will do, the box keeps what it shows. UsrMainFont and Memo1
    // follow the box.
    const std::optional<std::u16string> shown =
        LanguageFontInUse(platform_, row, settings_.*row.fontSetting, fontBoxItems_);
    if (shown) {
        fontBoxText_ = *shown;
        port_->SetFontBoxText(*shown);
    }
    ApplyMainFont(std::u16string(fontBoxText_));
    // The symbol tab's cells fit the new language's font.
    symbolTab_->SetLanguageCharset(language_.LangCharset);
    port_->RefreshSymbolTab(true);
}

void MainModel::SwitchInputMode(int mode) {
    const LanguageRow* row = LanguageOfMode(mode);
    if (row) {
        ApplyLanguage(*row);
        // The Thai MS IME mode types through the platform's Thai layout, so
        // the foreign table in use (perhaps another language's) stays.
        if (mode != kModeThaiMsIme) {
            settings_.GaUDBFile = settings_.*row->udbSetting;
            settings_.GaCandFile = settings_.*row->candSetting;
            tables_.LoadForeignTables(platform_, folders_.TblFolder, settings_.GaCandFile,
                                      settings_.GaUDBFile);
            RefreshRomajiKeyboard();
        }
        port_->ShowLanguagePicture(row->picture);
    }
    // Every mode then shows the transfer mode (the language name may have
    // changed); every mode but the alphanumeric one opens a shut word-book
    // panel when AutoDoorFlg is set.
    transfer_->ShowTransferMode();
    if (mode != kModeAlphanumeric) wordBooks_->OpenDoorIfShut();
}

void MainModel::RefreshRomajiKeyboard() {
    if (!keyboards_.Romaji()) return;
    keyboards_.Romaji()->ShowTriggerKeys();
    port_->RepaintKeyboard(KeyboardPage::Romaji);
}

void MainModel::ComboBox3Change(int item) {
    auto switchTo = [this](int mode) {
        settings_.InputMode = mode;
        SwitchInputMode(mode);
    };
    switch (item) {
        case 0:
            // Also when Thai romaji is already on: picking it reloads the Thai
            // table (after the user edited it, say). A stored mode below 1 is
            // left alone.
            if (settings_.InputMode >= kModeThaiRomaji) switchTo(kModeThaiRomaji);
            SelectKeyboardPage(KeyboardPage::Romaji);
            break;
        case 1:
            if (settings_.InputMode != kModeThaiMsIme) switchTo(kModeThaiMsIme);
            SelectKeyboardPage(KeyboardPage::MsIme);
            break;
        case 2:
            if (settings_.InputMode != kModeAlphanumeric) switchTo(kModeAlphanumeric);
            break;
        case 3:
        case 4:
        case 5:
            if (settings_.InputMode != item + 1) switchTo(item + 1);
            SelectKeyboardPage(KeyboardPage::Romaji);
            break;
        default:
            break;
    }
    port_->Focus(InputArea::Foreign, false);
}

void MainModel::ComboBox1Change(const std::u16string& text) {
    // A font the user picks (or types out in full) becomes the language's
    // own: it comes back with the language and never follows into another.
    // The partial names typed on the way are not kept.
    if (SelectItemByText(fontBoxItems_, text) >= 0 || FontInstalled(platform_, text))
        settings_.*LanguageRowNamed(language_.LanguageName).fontSetting = text;
    ApplyMainFont(text);
}

void MainModel::ApplyMainFont(const std::u16string& text) {
    fontBoxText_ = text;
    settings_.UsrMainFont = text;
    foreignFont_.face = text;
    foreignFont_.charset = language_.LangCharset;
    port_->SetForeignFont(foreignFont_);
    wordBooks_->FontsChanged();
    port_->RefreshSymbolTab(false);
}

// --- The word books' host ---------------------------------------------------------------

void MainModel::CopyWordIntoAreas(const WordCopy& copy) {
    // ResetInputFlg: the word replaces what the areas hold; otherwise it goes
    // in at the caret, and the rest stays.
    if (!copy.phonetic.empty()) {
        if (settings_.ResetInputFlg) {
            port_->Focus(InputArea::Phonetic, false);
            port_->SetAreaText(InputArea::Phonetic, copy.phonetic);
            port_->Focus(InputArea::Phonetic, true);
        } else {
            port_->InsertAtCaret(InputArea::Phonetic, copy.phonetic);
        }
    }
    if (!copy.foreign.empty()) {
        port_->Focus(InputArea::Foreign, false);
        if (settings_.ResetInputFlg) {
            port_->SetAreaText(InputArea::Foreign, copy.foreign);
            port_->Focus(InputArea::Foreign, true);
        } else {
            port_->InsertAtCaret(InputArea::Foreign, copy.foreign);
        }
    }
}

void MainModel::FocusForeignArea() { port_->Focus(InputArea::Foreign, false); }

void MainModel::EndWithoutSavingSettings() {
    SuppressSettingsSave();
    // The "閉る" action: the main window closes, which ends the program.
    RunAction(MainAction::Close);
}

void MainModel::WordListLookChanged(bool rowHeight) {
    if (rowHeight) wordBooks_->RowHeightChanged();
    else wordBooks_->FontsChanged();
}

void MainModel::DialogShown() { layouts_.DialogShown(); }

void MainModel::DialogClosed() { layouts_.DialogClosed(); }

void MainModel::WordActionsChanged() {
    SetActionEnabled(MainAction::RegWord, wordBooks_->ActionEnabled(WordBookAction::RegWord));
    SetActionEnabled(MainAction::ModWord, wordBooks_->ActionEnabled(WordBookAction::ModWord));
}

void MainModel::ComboBox2Change(const std::u16string& text) {
    int size = ReadWholeNumber(text).value_or(foreignFont_.sizePt);
    if (size < kMinMainFontSize) {
        size = kMinMainFontSize;
        port_->SetSizeBoxText(WholeNumberText(size));
    }
    settings_.UsrMainFontSize = size;
    if (!settings_.DispFSizeLockFlg) {
        foreignFont_.sizePt = size;
        port_->SetForeignFont(foreignFont_);
    }
}

void MainModel::CheckBox1Click(bool checked) {
    settings_.UnderStretchFlg = checked;
    port_->SetUnderStretch(checked);
}

void MainModel::PageControl2Change(int tabIndex) {
    shownPage_ = PageAtTab(tabIndex);
    port_->Focus(shownPage_ == KeyboardPage::Phonetic ? InputArea::Phonetic : InputArea::Foreign,
                 false);
}

int MainModel::TabIndexOf(KeyboardPage page) const {
    const int index = static_cast<int>(page);
    return !imePageVisible_ && page == KeyboardPage::Phonetic ? index - 1 : index;
}

KeyboardPage MainModel::PageAtTab(int tabIndex) const {
    if (!imePageVisible_ && tabIndex >= 1) ++tabIndex;
    return static_cast<KeyboardPage>(std::clamp(tabIndex, 0, 2));
}

// --- Focus and keyboards -------------------------------------------------------------

void MainModel::AreaEntered(InputArea area) {
    if (area == InputArea::Foreign) layouts_.ForeignAreaEntered(settings_.InputMode);
    else if (area == InputArea::Phonetic) layouts_.PlainFieldEntered(settings_.InputMode);
    else return;
    transfer_->OnAreaEntered(area);
}

void MainModel::BuildKeyboards(int sheetWidth, int sheetHeight) {
    if (keyboards_.Built()) return;
    keyboards_.Build(sheetWidth, sheetHeight, tables_, settings_, platform_, KeyboardHost::MainWindow);
    keyboards_.Romaji()->ShowTriggerKeys();
    keyboards_.Phonetic()->ShowTriggerKeys();
    keyboards_.Ime()->ShowThaiKeys(ChosenThaiLayout(settings_), false);
}

const KeyboardCells* MainModel::KeyboardOf(KeyboardPage page) const {
    return keyboards_.Of(static_cast<int>(page));
}

KeyboardBackground MainModel::KeyboardBackgroundOf(KeyboardPage page) const {
    return keyboards_.BackgroundOf(static_cast<int>(page));
}

std::optional<CellRect> MainModel::LanguagePictureRect(int sheetWidth, int sheetHeight) const {
    if (!keyboards_.Romaji()) return std::nullopt;
    return keyboards_.Romaji()->PictureRect(sheetWidth, sheetHeight);
}

void MainModel::KeyboardClicked(KeyboardPage page, std::size_t cell) {
    const KeyboardClick click = keyboards_.Click(static_cast<int>(page), cell);
    switch (click.action) {
        case KeyboardClick::Action::TriggerKey:
            input_->KeyClicked(click.side == InputSide::Phonetic ? kPhoneticKeyboardClick
                                                                 : kRomajiKeyboardClick,
                               click.key);
            break;
        case KeyboardClick::Action::InsertText:
            // A Thai key of the MS IME keyboard types into the foreign area.
            input_->InsertInto(FieldId::MainForeign, click.text);
            break;
        case KeyboardClick::Action::OpenCandList:
            OpenCandList(platform_, folders_.TblFolder, CandFileOfSide(settings_, click.side));
            break;
        default:
            break;
    }
    port_->RepaintKeyboard(page);
}

bool MainModel::ImeKeyboardHover(std::optional<std::size_t> cell) {
    return keyboards_.Ime() && keyboards_.Ime()->Hover(cell);
}

void MainModel::ForeignAreaKey(std::uint16_t virtualKey, bool down) {
    if (!keyboards_.Ime() || shownPage_ != KeyboardPage::MsIme) return;
    if (down) keyboards_.Ime()->KeyDown(virtualKey);
    else keyboards_.Ime()->KeyUp(virtualKey);
    port_->RepaintKeyboard(KeyboardPage::MsIme);
}

// --- Function keys -------------------------------------------------------------------

void MainModel::SetActionEnabled(MainAction action, bool enabled) {
    actionEnabled_[static_cast<int>(action)] = enabled;
    port_->SetActionEnabled(action, enabled);
}

bool MainModel::FormKeyDown(std::uint16_t virtualKey) {
    auto run = [this](MainAction action) {
        if (!ActionEnabled(action)) return false;
        RunAction(action);
        return true;
    };
    switch (virtualKey) {
        case kVkF1: {
            const InputArea next =
                port_->FocusedArea() == InputArea::Foreign ? InputArea::Phonetic : InputArea::Foreign;
            port_->Focus(next, true);
            return true;
        }
        default:
            for (const FunctionKey& key : kFunctionKeys)
                if (key.virtualKey == virtualKey) return run(key.action);
            return false;
    }
}

void MainModel::RunAction(MainAction action) {
    if (!ActionEnabled(action)) return;
    switch (action) {
        case MainAction::Close: port_->CloseWindow(); break;
        case MainAction::AreaClear: AreaClearExecute(); break;
        case MainAction::TransferTxt1: transfer_->TransferTxt1Execute(); break;
        case MainAction::RegWord:
        case MainAction::ModWord:
        case MainAction::SearchWord:
        case MainAction::PadMode:
        case MainAction::Option: port_->OpenWindowFor(action); break;
    }
}

void MainModel::AreaClearExecute() {
    port_->SetAreaText(InputArea::Phonetic, u"");
    port_->SetAreaText(InputArea::Foreign, u"");
    port_->Focus(InputArea::Foreign, false);
}

// --- File menu -------------------------------------------------------------------------

void MainModel::ReportUnwritable(const std::u16string& path) {
    ReportFileFailure(platform_, FileAction::Save, u"ファイル", path);
}

void MainModel::OpenTextFile(const std::u16string& path) {
    folders_.TextFolder = FolderOf(path);
    currentTextFile_ = path;
    std::optional<std::u16string> text = ReadUtf16TextFile(platform_, path);
    if (!text) {
        platform_.ShowMessage(u"ファイル「" + path + u"」を読み込めませんでした。",
                              MessageKind::Warning, MessageButtons::Ok);
        return;
    }
    port_->SetAreaText(InputArea::Foreign, *text);
}

void MainModel::OverwriteTextFile() {
    // The file may have been moved or deleted since it was opened: then there
    // is nothing to overwrite, and nothing is written.
    if (currentTextFile_.empty() || !platform_.FileExists(currentTextFile_)) return;
    if (platform_.ShowMessage(OverwriteQuestion(currentTextFile_), MessageKind::Question,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (!WriteUtf16TextFile(platform_, currentTextFile_, port_->AreaText(InputArea::Foreign)))
        ReportUnwritable(currentTextFile_);
}

void MainModel::SaveTextFileAs(const std::u16string& path) {
    folders_.TextFolder = FolderOf(path);
    currentTextFile_ = path;
    if (!WriteUtf16TextFile(platform_, path, port_->AreaText(InputArea::Foreign))) ReportUnwritable(path);
}

// --- Edit and IME menus ------------------------------------------------------------------

void MainModel::ToggleWordWrap() {
    settings_.WordWrapFlg = !settings_.WordWrapFlg;
    port_->SetForeignWordWrap(settings_.WordWrapFlg);
}

void MainModel::ToggleScrollBars() {
    settings_.ScroBarsFlg = !settings_.ScroBarsFlg;
    port_->SetForeignScrollBars(settings_.ScroBarsFlg);
}

void MainModel::ChooseThaiIme(bool kedmanee) {
    if (kedmanee == settings_.ThaiImeKedFlg) return;
    const ThaiLayout layout = kedmanee ? ThaiLayout::Kedmanee : ThaiLayout::Pattachote;
    if (keyboards_.Ime()) {
        keyboards_.Ime()->ChooseImeLayout(layout);
        port_->RepaintKeyboard(KeyboardPage::MsIme);
    } else {
        settings_.ThaiImeKedFlg = kedmanee;
    }
    port_->SetImePageCaption(ImePageCaption(kedmanee));
}

// --- Tools and help -------------------------------------------------------------------------

void MainModel::RunCodeValueChecker() {
    const std::u16string codes = CodeValueText(port_->AreaText(InputArea::Foreign));
    if (codes.empty()) return;
    platform_.ShowMessage(u"結果は発音記号入力エリアに表示します。", MessageKind::Information,
                          MessageButtons::Ok);
    port_->SetAreaText(InputArea::Phonetic, codes);
}

void MainModel::OpenHelp() {
    const std::u16string help = folders_.HelpFolder + u"\\Tessaline.chm";
    if (platform_.FileExists(help)) platform_.ShellOpen(help);
}

void MainModel::MakeDictionaryBooks() {
    if (!wordBooks_->DictionaryGenerationEnabled()) return;
    const DialogLayoutScope layout(layouts_);
    RunDictionaryGeneration(platform_, folders_, *wordBooks_);
}

void MainModel::OpenLink(const std::u16string& url) {
    if (url.starts_with(u"https://") || url.starts_with(u"http://")) platform_.ShellOpen(url);
}

// --- Phonetic font -------------------------------------------------------------------------

void MainModel::SetPhoneticFont(const std::u16string& face, int size) {
    settings_.UsrSubFontSize = size;
    settings_.UsrSubFont = face;
    // While the display sizes are locked Edit1 keeps DispSubFSize; the new
    // size shows once the lock is released.
    port_->SetPhoneticAreaFont(FontLook{face, 0, PhoneticDisplaySize()});
}

void MainModel::ChangePhoneticFont(const std::u16string& face, int size) {
    SetPhoneticFont(face, size);
}

void MainModel::ResetPhoneticFont() { SetPhoneticFont(kPhoneticDefaultFont, kPhoneticDefaultSize); }

}  // namespace tess
