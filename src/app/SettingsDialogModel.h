// The settings dialog (TSetteiFrm, "設定"): the user's editor for most
// settings, in six pages.
//
// The dialog starts from the settings as they are (FormCreate). Most
// controls are collected: they change only the dialog's own state, and "OK"
// hands what they show to the main window's model (Choice, then
// MainModel::ApplySettingsDialog). The word list's appearance acts at once:
// "変更する" enables its four track bars, which write their setting and
// redraw the list as they move, and "初期値に戻す" sets all four; "ｷｬﾝｾﾙ"
// does not undo them.
//
// Two buttons end the program: "設定ファイルを初期化する" deletes the
// settings file and asks that none be written at exit, so the next start
// uses every default; "すべてを削除する" (enabled by its check box) also
// deletes the program's own copies of the shipped word books, dictionaries
// and tables and its system files before an uninstallation. Both delete
// only plain files whose names are exactly the program's, in the program's
// own folders; a file that cannot be deleted is named in a message and the
// others are deleted all the same.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/DataFolders.h"
#include "lib/ColorText.h"
#include "platform/platform.h"
#include "settings/FontLists.h"
#include "settings/Settings.h"

namespace tess {

// What the settings dialog needs of the program, and no more: the settings
// it edits, where the files are, what the font boxes list, the word list to
// redraw as its look changes, and what OK and the two reset buttons do.
class SettingsDialogHost {
public:
    virtual ~SettingsDialogHost() = default;
    virtual Platform& platform() = 0;
    virtual Settings& settings() = 0;
    virtual const DataFolders& folders() const = 0;
    virtual const ItemList& fontBoxItems() const = 0;
    // Around the dialog: in the Thai keyboard mode the start-up layout while
    // it shows, the Thai layout again when it closes.
    virtual void DialogShown() = 0;
    virtual void DialogClosed() = 0;
    // A word list track bar moved: its row height, or its fonts.
    virtual void WordListLookChanged(bool rowHeight) = 0;
    // "OK": true when the program closes for a restart.
    virtual bool ApplySettingsDialog(const Settings& chosen) = 0;
    // After a reset button: the program ends without writing the settings.
    virtual void EndWithoutSavingSettings() = 0;
};

inline constexpr char16_t kSettingsDialogCaption[] = u"設定";
inline constexpr int kSettingsDialogWidth = 580;
inline constexpr int kSettingsDialogHeight = 525;

// --- Pages -----------------------------------------------------------------------------

// PageControl1's pages, in their order; the first shows first.
enum class SettingsPage { WordBook, General, Fonts, Files, Colors, Timers };
inline constexpr int kSettingsPageCount = 6;
std::span<const std::u16string_view> SettingsPageCaptions();

// --- Check boxes -------------------------------------------------------------------------

enum class SettingsCheck {
    ResetInput,     // CheckBox2
    LastVisible,    // CheckBox3
    RegCopy,        // CheckBox4
    RegClear,       // CheckBox5
    NoSample,       // CheckBox12
    TransClear,     // CheckBox6
    AutoTrans,      // CheckBox14
    SysTbl,         // CheckBox7
    MediaPlayer,    // CheckBox8
    TblOW,          // CheckBox11
    ThaiFontsOnly,  // CheckBox9 "タイ語フォントのみ": FontMode 1
    SizeLock,       // CheckBox13 "文字サイズを固定する"
    ChangeLook,     // CheckBox1 "変更する": the word list's track bars
    DeleteFiles,    // CheckBox10: enables "すべてを削除する"
};
inline constexpr int kSettingsCheckCount = 14;

// The ten check boxes that show a flag as it is, in page order.
struct FlagCheckRow {
    SettingsCheck check;
    SettingsPage page;
    std::u16string_view caption;
    bool Settings::*flag;
};
std::span<const FlagCheckRow> FlagCheckRows();

// --- Track bars ----------------------------------------------------------------------------

struct TrackBarRow {
    int min, max, tickStep;
    std::int32_t Settings::*setting;
    int initial;  // what "初期値" / "初期値に戻す" sets
};

// The word list's appearance, acting at once: TrackBar1 (vertical, the row
// height), TrackBar2 to TrackBar4 (the sizes of the foreign word, the
// phonetic symbols and the Japanese text).
enum class LookBar { LineHeight, Foreign, Phonetic, Japanese };
inline constexpr int kLookBarCount = 4;
const TrackBarRow& LookBarRow(LookBar bar);

// TrackBar5 (TrTimer) and TrackBar6 (PaTimer), collected.
enum class TimerBar { Search, Paste };
inline constexpr int kTimerBarCount = 2;
const TrackBarRow& TimerBarRow(TimerBar bar);

// --- Font page -----------------------------------------------------------------------------

// ComboBox1 (the phonetic font), ComboBox3 to ComboBox6 (Thai, Myanmar, Lao,
// Khmer). `fallback` is both what a box shows when its setting is not
// listed and what its "初期値" puts in it.
enum class FontBox { Phonetic, Thai, Myanmar, Lao, Khmer };
inline constexpr int kFontBoxCount = 5;
struct FontBoxRow {
    std::u16string_view heading;
    std::u16string Settings::*setting;
    std::u16string_view fallback;
};
const FontBoxRow& FontBoxRowOf(FontBox box);

// ComboBox2 (the phonetic size), ComboBox7 and ComboBox8 (the fixed sizes of
// the two areas); `initial` is what "初期値" puts in the box.
enum class SizeBox { Phonetic, FixedForeign, FixedPhonetic };
inline constexpr int kSizeBoxCount = 3;
struct SizeBoxRow {
    std::int32_t Settings::*setting;
    std::u16string_view initial;
};
const SizeBoxRow& SizeBoxRowOf(SizeBox box);

// The smallest phonetic size the box keeps; a smaller one becomes this.
inline constexpr int kMinPhoneticSize = 8;

// --- File page -------------------------------------------------------------------------------

// Ten boxes, two per row: box 2r is row r's symbol DB file, box 2r + 1 its
// candidate file.
inline constexpr int kFileRowCount = 5;
inline constexpr int kFileBoxCount = 10;
struct FileBoxRow {
    std::u16string Settings::*setting;
    std::u16string_view defaultName;  // what "戻" puts in the box
};
const FileBoxRow& FileBoxRowOf(int box);
// The row captions; rows 2 to 5 are two lines, joined by CR LF.
std::span<const std::u16string_view> FileRowCaptions();
inline constexpr char16_t kSymbolDbColumnCaption[] = u"記号DB";
inline constexpr char16_t kCandidateColumnCaption[] = u"候補ファイル";

// What the "..." of a box offers in the open dialog.
struct FileFilter {
    std::u16string_view name;     // "記号データベース(DB*.csv)"
    std::u16string_view pattern;  // "DB*.csv"
};
FileFilter FileFilterOf(int box);

// --- Colour page --------------------------------------------------------------------------------

inline constexpr int kColorRowCount = 5;
struct ColorRow {
    std::u16string_view caption;
    Color Settings::*setting;
    Color initial;
};
const ColorRow& ColorRowOf(int row);
inline constexpr int kColorPreviewWidth = 80;
inline constexpr int kColorPreviewHeight = 40;

// --- Messages -------------------------------------------------------------------------------------

inline constexpr char16_t kRestartNotice[] =
    u"テーブルファイルが変更されました。\r\n一旦終了しますので、再起動して下さい。";
inline constexpr char16_t kResetQuestion[] =
    u"一旦終了しますので、再起動して下さい。\r\nすべてを初期値に戻す場合「はい」を選んで下さい。";
inline constexpr char16_t kDeleteAllQuestion[] =
    u"　ファイルを削除後、終了しますので、「コントロールパネル」の「プログラムのアンインストール」"
    u"からアンインストールを行なって下さい。\r\n"
    u"　なお再起動するとファイルが生成されるので、完全にアンインストールする場合は再起動しないで"
    u"下さい。\r\n"
    u"　削除をはじめますがよろしいですか？";
// Heads the list of the files that could not be deleted.
inline constexpr char16_t kUndeletedFilesNotice[] = u"次のファイルを削除できませんでした。";

// --- The files the two end buttons delete ------------------------------------------------------

// "設定ファイルを初期化する": the settings file, when it is there.
std::vector<std::u16string> SettingsResetFiles(Platform& platform, const DataFolders& folders);

// "すべてを削除する": in the Thai word-book folder, the Thai dictionary folder
// and the user's table folder, every plain file named exactly like a file
// shipped in ProgramFolder\bookA, ProgramFolder\bookG and SysTblFolder; in
// SysFolder, "Morvane_A.rng", "FolList.txt", "GroupName.txt", "Work.rtf" and
// the version marker. Folders are never listed, names are compared exactly
// (a file the user named differently, even only in case, stays), and a pair
// whose two folders are one is left alone. The other languages' word-book
// folders are not touched.
std::vector<std::u16string> UninstallFiles(Platform& platform, const DataFolders& folders);

// Deletes each path; the ones that could not be deleted, in order.
std::vector<std::u16string> DeleteFiles(Platform& platform, std::span<const std::u16string> paths);

// --- The dialog ---------------------------------------------------------------------------------------

class SettingsDialogModel {
public:
    // FormCreate: every control from the main window's settings; the four
    // word list track bars disabled.
    explicit SettingsDialogModel(SettingsDialogHost& host);

    // FormShow and FormClose: in the Thai keyboard mode the start-up layout
    // while the dialog shows, the Thai layout again when it closes.
    void FormShow();
    void FormClose();

    // What the font boxes and the size boxes list.
    const ItemList& FontItems() const { return fontItems_; }
    const ItemList& SizeItems() const { return sizeItems_; }

    // --- Check boxes and what they enable --------------------------------------------
    bool Checked(SettingsCheck check) const { return checks_[static_cast<int>(check)]; }
    void SetChecked(SettingsCheck check, bool checked);
    // The four word list track bars.
    bool LookBarsEnabled() const { return Checked(SettingsCheck::ChangeLook); }
    // The fixed sizes' two labels, two boxes and two "初期値" buttons.
    bool FixedSizesEnabled() const { return Checked(SettingsCheck::SizeLock); }
    // "すべてを削除する".
    bool DeleteAllEnabled() const { return Checked(SettingsCheck::DeleteFiles); }

    // --- The word list's appearance (at once) ------------------------------------------
    int LookPosition(LookBar bar) const;
    // The bar moved: while the bars are enabled the setting takes the
    // position and the word list shows it (the row height measured again
    // for TrackBar1). False when the bars are disabled (nothing changes).
    bool MoveLookBar(LookBar bar, int position);
    // "初期値に戻す": 28, 15, 14, 12, enabled or not.
    void ResetLook();

    // --- Font page ------------------------------------------------------------------------
    const std::u16string& FontText(FontBox box) const { return fontTexts_[static_cast<int>(box)]; }
    void SetFontText(FontBox box, const std::u16string& text);
    // The font the main window would write a language in with the box's
    // font chosen, when that is another one (the chosen font is missing or
    // lacks letters of the script); empty when it is the chosen one, for the
    // phonetic box, and when no installed font draws the script.
    std::u16string FontInUse(FontBox box) const;
    // "初期値" beside a font box; the phonetic one also sets its size box to "14".
    void ResetFont(FontBox box);
    const std::u16string& SizeText(SizeBox box) const { return sizeTexts_[static_cast<int>(box)]; }
    // The box's text changed; what it must show now (the phonetic size box
    // turns a size below 8 into "8"; the others show what was typed).
    std::u16string SetSizeText(SizeBox box, const std::u16string& text);
    // "初期値" beside a fixed size box: "18" or "16".
    void ResetSize(SizeBox box);

    // --- File page ------------------------------------------------------------------------------
    const std::u16string& FileText(int box) const { return fileTexts_[box]; }
    void SetFileText(int box, const std::u16string& text);
    // The open dialog's choice: its name without the folder.
    void FileChosen(int box, const std::u16string& path);
    // "戻".
    void ResetFile(int box);
    // Where the open dialogs start (TblFolder).
    const std::u16string& TableFolder() const;

    // --- Colour page -------------------------------------------------------------------------------
    const std::u16string& ColorText(int row) const { return colorTexts_[row]; }
    Color Preview(int row) const { return previews_[row]; }
    // Typed text; the preview follows only a valid "#RRGGBB". True when it did.
    bool SetColorText(int row, const std::u16string& text);
    // Where "変更"'s colour dialog starts: the setting, not the preview.
    Color ColorDialogStart(int row) const;
    // The colour dialog's OK: preview and text.
    void ColorChosen(int row, Color color);
    // "初期値": preview and text take the row's initial colour.
    void ResetColor(int row);

    // --- Timer page -------------------------------------------------------------------------------------
    int TimerPosition(TimerBar bar) const { return timers_[static_cast<int>(bar)]; }
    void SetTimerPosition(TimerBar bar, int position);
    // "初期値": 250.
    void ResetTimer(TimerBar bar);

    // --- OK -------------------------------------------------------------------------------------------------
    // The settings as the collected controls say, over the current ones: the
    // flags, FontMode (1 when "タイ語フォントのみ" is checked and it was 0, 0
    // when unchecked and it was 1), the fonts, the sizes (a text that is no
    // number keeps the current size; the fixed sizes only while they are
    // locked), the table files, the colours of the previews and the timers.
    Settings Choice() const;
    // "OK": the choice applied by the main window. True when the program
    // now ends for a restart.
    bool Ok();

    // --- The two end buttons ---------------------------------------------------------------------------------
    // "設定ファイルを初期化する". True when the user said Yes: the settings
    // file is deleted, none is written at exit and the main window closes.
    bool ResetSettingsFile();
    // "すべてを削除する", while enabled. True when the user said Yes: the
    // program's files are deleted, no settings are written at exit and the
    // main window closes.
    bool DeleteAll();

private:
    // Deletes, names what could not be deleted, and ends the program
    // without writing the settings.
    void DeleteAndEnd(const std::vector<std::u16string>& paths);

    SettingsDialogHost& host_;
    Platform& platform_;
    ItemList fontItems_, sizeItems_;
    std::array<bool, kSettingsCheckCount> checks_{};
    std::array<std::u16string, kFontBoxCount> fontTexts_;
    std::array<std::u16string, kSizeBoxCount> sizeTexts_;
    std::array<std::u16string, kFileBoxCount> fileTexts_;
    std::array<std::u16string, kColorRowCount> colorTexts_;
    std::array<Color, kColorRowCount> previews_{};
    std::array<int, kTimerBarCount> timers_{};
};

}  // namespace tess
