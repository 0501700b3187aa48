// The symbol DB editor (TSymDBFrm, "記号データベース") and its new-file
// dialog (TNewDBFrm, "記号DBの新規作成").
//
// The editor holds one symbol DB file as rows and groups: it opens a file
// by its bare name in the table folder, lets the user add, insert, delete
// and edit rows and change the script name and glyph font, and writes the
// file back ("上書") or under a new name ("保存"). Every write goes through
// WriteSymbolDb (the platform's atomic replace); a write that fails is
// reported by name and changes nothing in the editor. After a write the
// user is asked whether to end the program now, because the input tables
// are read only at start-up.
//
// The view shows the open and save dialogs itself and hands the chosen path
// here; after each call it shows what the state says (the row list when
// RowsRevision changed, the boxes, the choosers, the buttons, the preview).
// While the system table folder is in use (SysTblFlg) the editor can open
// files but never write or create one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "tables/SymbolDbFile.h"

namespace tess {

inline constexpr char16_t kSymbolDbEditorCaption[] = u"記号データベース";
inline constexpr char16_t kNewSymbolDbCaption[] = u"記号DBの新規作成";
inline constexpr char16_t kSymbolDbFilter[] = u"記号DB (DB*.csv)|DB*.csv";

// The editor's command buttons, in their order on the window.
enum class SymbolDbAction { Exit, Open, OverWrite, Save, New, Delete, Insert, Add };
inline constexpr int kSymbolDbActionCount = 8;

// The script names the editor's property page offers, in order.
std::span<const std::u16string_view> SymbolDbEditorScripts();
// The captions of the auxiliary chooser, by class 0, 1, 2.
std::span<const std::u16string_view> SymbolDbAuxCaptions();

// The notice shown before the editor opens while the system tables are in
// use (one Yes button); nothing when `sysTblFlg` is off.
void ShowSystemTableNotice(Platform& platform, bool sysTblFlg);

class NewSymbolDbDialog;

class SymbolDbEditor {
public:
    // `charset` and `glyphFont`: those of the foreign-language area, used
    // until a file gives its own.
    SymbolDbEditor(Platform& platform, std::u16string tblFolder, bool sysTblFlg, int charset,
                   std::u16string glyphFont);

    // --- Commands -----------------------------------------------------------------
    // Back to the state of a window just shown: no file, nothing selected.
    void Reset();
    // "開く" after the open dialog: `chosenPath` is the path the user chose
    // (empty when the dialog was cancelled). The file is read by its bare name
    // from the table folder, wherever the dialog pointed.
    void Open(const std::u16string& chosenPath);
    // Reads the file of this bare name from the table folder into the editor
    // (after Reset, remembering `path` as the file's path).
    void Load(const std::u16string& path);
    // A click in the list left row `index` selected (-1: none; ignored).
    void SelectRow(int index);
    void CodeChanged(const std::u16string& text);
    void EnglishChanged(const std::u16string& text);
    void JapaneseChanged(const std::u16string& text);
    void NoteChanged(const std::u16string& text);
    // The user picked entry `position` of the auxiliary or the group chooser.
    void AuxPicked(int position);
    void GroupPicked(int position);
    // Property page: the script name (as its chooser shows it) and the glyph font.
    void ScriptPicked(const std::u16string& scriptName);
    void FontPicked(const std::u16string& face);
    void Add();
    void Insert();
    // Asks first; true when the row was removed.
    bool Delete();
    // "上書" and "保存" (after the save dialog, with the chosen path; empty
    // when cancelled). True when the user answered the restart prompt with
    // Yes: the program should end now.
    bool OverWrite();
    bool SaveAs(const std::u16string& chosenPath);

    // The new-file dialog ("新規") over the editor's table folder.
    NewSymbolDbDialog MakeNewDialog();

    // --- State ------------------------------------------------------------------
    // The folder the files are read from, where the open and save dialogs start.
    const std::u16string& TableFolder() const { return tblFolder_; }
    // The font chooser's entries: the installed fonts not beginning with "@".
    std::vector<std::u16string> InstalledFonts();
    bool Enabled(SymbolDbAction action) const {
        return enabled_[static_cast<std::size_t>(action)];
    }
    const std::u16string& Path() const { return path_; }
    const SymbolDbHeader& Header() const { return header_; }
    int Charset() const { return charset_; }
    const std::vector<SymbolDbGroup>& Groups() const { return groups_; }
    const std::vector<SymbolDbRow>& Rows() const { return rows_; }
    // Changes whenever rows are added, removed, moved, or a file is read or
    // the editor reset: the view fills its list again.
    std::uint32_t RowsRevision() const { return rowsRevision_; }
    // Changes whenever a field of the selected row changes: the view redraws it.
    std::uint32_t CellsRevision() const { return cellsRevision_; }
    // The row shown in the boxes and selected in the list, or -1.
    int Selected() const { return selected_; }
    // The list's background: grey until a file was read.
    bool ListWhite() const { return listWhite_; }

    // The edit panel.
    struct Panel {
        std::u16string rowNumber;
        std::u16string code;
        std::u16string englishName;
        std::u16string japaneseName;
        std::u16string note;
        bool codeEnabled = false;
        bool textsEnabled = false;  // English, Japanese and note boxes: white when on
        bool groupEnabled = false;
        int groupChoice = -1;       // position in the group chooser, -1 none
        bool auxEnabled = false;
        int auxChoice = -1;
        // The glyph preview's character; empty paints the preview grey.
        std::u16string preview;
        // Set by 追加 and 挿入: the view puts the cursor in the code box and
        // clears the flag (TakeCodeFocus).
        bool focusCode = false;
    };
    const Panel& panel() const { return panel_; }
    bool TakeCodeFocus();

    // The property page: the script chooser's position (-1: the header's
    // script is not one of its entries) and the font to select there (empty:
    // leave the font chooser as it is).
    int ScriptChoice() const;
    const std::u16string& FontChoice() const { return fontChoice_; }

    // Status bar: panel 1 the file name in double quotes, panel 2 the folder
    // after a save.
    const std::u16string& StatusFile() const { return statusFile_; }
    const std::u16string& StatusFolder() const { return statusFolder_; }

    // The warning shown when `code` is already held by row `rowNumber`.
    static std::u16string DuplicateCodeMessage(std::u16string_view code, int rowNumber);

private:
    void SetEnabled(SymbolDbAction action, bool on) {
        enabled_[static_cast<std::size_t>(action)] = on;
    }
    void ShowRow(int index);
    void ClearRowPanel();
    // Puts a new row of group `group` at `at`, selects it and asks for the
    // cursor in the code box.
    void PlaceNewRow(std::size_t at, std::int32_t group);
    int NewRowGroup() const;
    void Renumber();
    bool Write(const std::u16string& path);
    std::u16string InTableFolder(const std::u16string& path) const;
    bool FontInstalled(const std::u16string& face);

    Platform& platform_;
    std::u16string tblFolder_;
    bool sysTblFlg_;
    int startCharset_;
    std::u16string startFont_;

    std::u16string path_;
    SymbolDbHeader header_;
    int charset_ = 0;
    std::vector<SymbolDbGroup> groups_;
    std::vector<SymbolDbRow> rows_;
    std::uint32_t rowsRevision_ = 0;
    std::uint32_t cellsRevision_ = 0;
    int selected_ = -1;
    bool listWhite_ = false;
    Panel panel_;
    std::u16string fontChoice_;
    std::u16string statusFile_;
    std::u16string statusFolder_;
    bool enabled_[kSymbolDbActionCount] = {};
};

// --- The new-file dialog -----------------------------------------------------------------

struct NewDbScript {
    std::u16string_view name;
    int previewCharset;
    std::u16string_view font;
    std::u16string_view sample;
};
// The dialog's script chooser, in order, with what each sets.
std::span<const NewDbScript> NewDbScripts();
// "Aのグループ" ... "Zのグループ", "その他".
std::vector<std::u16string> FixedSymbolDbGroupNames();

class NewSymbolDbDialog {
public:
    NewSymbolDbDialog(Platform& platform, std::u16string tblFolder);

    const std::u16string& TableFolder() const { return tblFolder_; }
    // The font chooser's entries: the installed fonts not beginning with "@".
    const std::vector<std::u16string>& Fonts() const { return fonts_; }
    // The DB*.csv files in the table folder.
    std::vector<std::u16string> ExistingFiles();

    void ScriptPicked(int position);
    void FontPicked(const std::u16string& face);
    void NameChanged(const std::u16string& text);

    int ScriptChoice() const { return script_; }
    // The font the chooser shows (empty: none selected).
    const std::u16string& FontShown() const { return fontShown_; }
    // The font the new file is written with; the preview is drawn in it.
    const std::u16string& FileFont() const { return fileFont_; }
    int PreviewCharset() const;
    std::u16string Sample() const;
    bool MakeEnabled() const { return makeEnabled_; }

    // "作る" (also Enter in the name box), with the name box and the
    // added-groups box as typed. Warns and returns nothing while the dialog
    // stays open; otherwise the dialog closes, and the result is the name to
    // read into the editor when the user asked for it (empty: do not).
    struct MakeResult {
        bool close = false;
        std::u16string load;
    };
    MakeResult Make(const std::u16string& name, const std::u16string& addedGroups);

private:
    bool FontInstalled(std::u16string_view face) const;

    Platform& platform_;
    std::u16string tblFolder_;
    std::vector<std::u16string> fonts_;
    int script_ = 0;
    std::u16string fontShown_;
    std::u16string fileFont_;
    bool makeEnabled_ = false;
    std::u16string name_;
};

}  // namespace tess
