// The candidate editor (TCEditorFrm, "候補エディタ") and its new-file dialog
// (TNewCeFrm, "候補ファイルの新規作成").
//
// The editor shows a symbol DB on the left and a candidate file's trigger
// keys as a keyboard on the right. The user picks a key, types the row
// numbers of up to nine DB rows into the numbered boxes and presses "登録";
// the row numbers become codes in the key's trigger line of the working
// table, which "上書" or "保存" writes. Every write goes through
// WriteCandFile (the platform's atomic replace); a failed write is reported
// by name and leaves the editor, its modified mark included, as it was.
// After a write the user is asked whether to end the program now, because
// the input tables are read only at start-up.
//
// The view shows the open and save dialogs itself and hands the chosen path
// here; after each call it shows what the state says. While the system
// table folder is in use (SysTblFlg) nothing is ever written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "tables/CandFile.h"
#include "tables/SymbolDbFile.h"

namespace tess {

inline constexpr char16_t kCandEditorCaption[] = u"候補エディタ";
inline constexpr char16_t kNewCandCaption[] = u"候補ファイルの新規作成";
inline constexpr char16_t kCandFileFilter[] = u"候補ファイル(Cand*.csv)|Cand*.csv";
inline constexpr char16_t kPairedDbFilter[] = u"記号データベース(DB*.csv)|DB*.csv";
inline constexpr char16_t kModeLowerCaption[] = u"アルファベット小文字";
inline constexpr char16_t kModeUpperCaption[] = u"アルファベット大文字";

// The command buttons and the other buttons whose state the editor keeps.
enum class CandAction {
    DbExit,     // "閉る" on the left: the window
    DbOpen,     // "開く" on the left: a symbol DB
    Close,      // "閉る" on the right: the candidate file
    Open,       // "開く" on the right
    OverWrite,  // "上書"
    Save,       // "保存"
    New,        // "新規"
    Register,   // "登録"
    Jump,       // "Jump"
    SaveReload  // "保存後再読み込み"
};
inline constexpr int kCandActionCount = 10;
inline constexpr int kCandBoxCount = 9;

// The notice shown before the editor opens while the system tables are in
// use (one Yes button); nothing when `sysTblFlg` is off.
void ShowCandSystemTableNotice(Platform& platform, bool sysTblFlg);

// One button of the trigger keyboard, at a position of kKeyLayout.
struct TriggerButton {
    enum class Colour { Black, Blue, Red };
    bool enabled = false;
    bool bold = false;
    Colour colour = Colour::Black;
};

// Where a trigger button stands in a trigger panel of `width` × `height`
// pixels: every position is laid out; letters of the other case than
// `mode` are hidden (`shown` false) once a file is loaded.
struct TriggerButtonRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool shown = true;
};
// `mode` empty: the plain layout of a window without a file.
std::array<TriggerButtonRect, kKeyLayoutSize> TriggerKeyboardLayout(int width, int height,
                                                                    std::u16string_view mode);

class NewCandDialog;

class CandEditor {
public:
    // `charset` and `glyphFont`: those of the foreign-language area, used
    // until a DB gives its own.
    CandEditor(Platform& platform, std::u16string tblFolder, bool sysTblFlg, int charset,
               std::u16string glyphFont);

    // --- The symbol DB on the left ------------------------------------------------
    // "開く" on the left: the DB list and the status bar are emptied first;
    // `chosenPath` is what the open dialog gave (empty: cancelled). The file
    // is read by its bare name from the table folder.
    void OpenDb(const std::u16string& chosenPath);

    // --- The candidate file -------------------------------------------------------
    // "開く" on the right, after the open dialog (empty: cancelled).
    void Open(const std::u16string& chosenPath);
    // Reads the candidate file of this bare name from the table folder.
    void Load(const std::u16string& candName);
    // Forgets the candidate file and its working table; the DB stays.
    void Discard();
    // "閉る" on the right: asks first while changes are unsaved.
    void CloseFile();
    // "閉る" on the left: true when the window may close (asked first while
    // changes are unsaved).
    bool MayExit();
    // A click on the trigger button at `position` of kKeyLayout.
    void SelectKey(int position);
    void BoxChanged(int box, const std::u16string& text);
    // "登録".
    void Register();
    // "Jump" while box `box` has the keyboard focus (-1: none): the DB row
    // to select and show, or nothing.
    std::optional<int> JumpTarget(int box) const;
    // "上書" and "保存" (the save dialog's path; empty when cancelled). True
    // when the user answered the restart prompt with Yes: end the program.
    bool OverWrite();
    bool SaveAs(const std::u16string& chosenPath);
    // "参照" on the property page, after the open dialog (empty: cancelled).
    void PairedDbChosen(const std::u16string& chosenPath);
    // "保存後再読み込み" with the paired-DB box's text and the mode chooser.
    void SaveAndReload(const std::u16string& pairedBox, bool upperChosen);

    NewCandDialog MakeNewDialog();

    // --- State ----------------------------------------------------------------------
    const std::u16string& TableFolder() const { return tblFolder_; }
    bool Enabled(CandAction action) const { return enabled_[static_cast<std::size_t>(action)]; }

    // The DB shown on the left.
    const std::u16string& DbPath() const { return dbPath_; }
    const SymbolDbHeader& DbHeader() const { return dbHeader_; }
    int DbCharset() const { return dbCharset_; }
    const std::vector<SymbolDbGroup>& DbGroups() const { return dbGroups_; }
    const std::vector<SymbolDbRow>& DbRows() const { return dbRows_; }
    // Changes whenever the DB list is emptied or read.
    std::uint32_t DbRevision() const { return dbRevision_; }

    const std::u16string& CandName() const { return candName_; }
    const std::u16string& Mode() const { return mode_; }
    bool HasTable() const { return table_.has_value(); }
    const std::optional<CandEditTable>& Table() const { return table_; }
    bool Modified() const { return modified_; }

    const std::array<TriggerButton, kKeyLayoutSize>& Buttons() const { return buttons_; }
    // The mode the keyboard is laid out for; empty for the plain layout.
    const std::u16string& LayoutMode() const { return layoutMode_; }

    const std::array<std::u16string, kCandBoxCount>& Boxes() const { return boxes_; }
    // The glyph a box's preview shows; empty paints it grey.
    std::u16string BoxGlyph(int box) const;

    // プロパティ2: the paired-DB box and the mode chooser (0 lower, 1 upper,
    // -1 none).
    const std::u16string& PairedBox() const { return pairedBox_; }
    int ModeChoice() const { return modeChoice_; }

    // Status bar: `記号DB："name"`, `候補File："name"`, the table folder.
    const std::array<std::u16string, 3>& Status() const { return status_; }

private:
    void SetEnabled(CandAction action, bool on) { enabled_[static_cast<std::size_t>(action)] = on; }
    void ReadDb(const std::u16string& name);
    void PlainKeyboard();
    void Recolour();
    const CandLine* LineOf(char16_t key) const;
    CandLine* LineOf(char16_t key);
    const SymbolDbRow* RowNumbered(std::u16string_view text) const;
    void EmptyBoxes();
    bool Write(const std::u16string& path);
    bool RestartPrompt();
    CandEditTable TableToWrite() const;

    Platform& platform_;
    std::u16string tblFolder_;
    bool sysTblFlg_;

    std::u16string dbPath_;
    SymbolDbHeader dbHeader_;
    int dbCharset_ = 0;
    std::vector<SymbolDbGroup> dbGroups_;
    std::vector<SymbolDbRow> dbRows_;
    std::uint32_t dbRevision_ = 0;

    std::u16string candName_;
    std::u16string pairedDb_;
    std::u16string mode_;
    std::optional<CandEditTable> table_;
    bool modified_ = false;

    std::array<TriggerButton, kKeyLayoutSize> buttons_{};
    std::u16string layoutMode_;
    int selectedKey_ = -1;
    std::array<std::u16string, kCandBoxCount> boxes_{};
    std::u16string pairedBox_;
    int modeChoice_ = -1;
    std::array<std::u16string, 3> status_{};
    bool enabled_[kCandActionCount] = {};
};

// --- The new-file dialog -------------------------------------------------------------

class NewCandDialog {
public:
    NewCandDialog(Platform& platform, std::u16string tblFolder);

    const std::u16string& TableFolder() const { return tblFolder_; }
    // The DB*.csv and Cand*.csv files of the table folder.
    std::vector<std::u16string> DbFiles();
    std::vector<std::u16string> CandFiles();

    // Whenever the name box or the paired-DB box changes.
    void TextsChanged(const std::u16string& name, const std::u16string& pairedDb);
    bool MakeEnabled() const { return makeEnabled_; }

    // "作　る" with the boxes as typed and the radio buttons' choice. Warns
    // and returns {false, ""} while the dialog stays open; otherwise the
    // dialog closes, and `load` is the name to load into the editor when the
    // user asked for it.
    struct MakeResult {
        bool close = false;
        std::u16string load;
    };
    MakeResult Make(const std::u16string& name, const std::u16string& pairedDb, bool upper);

private:
    Platform& platform_;
    std::u16string tblFolder_;
    bool makeEnabled_ = false;
};

}  // namespace tess
