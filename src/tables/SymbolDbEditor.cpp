#include "tables/SymbolDbEditor.h"

#include <algorithm>
#include <array>
#include <utility>

#include "lib/Blanks.h"
#include "lib/FileFailure.h"
#include "lib/PathParts.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "lib/WholeNumber.h"
#include "tables/TableFields.h"

namespace tess {

namespace {

constexpr std::array<std::u16string_view, 11> kEditorScripts = {
    u"発音記号",     u"タイ文字",   u"キリル文字", u"ラテン文字", u"ハングル", u"ベトナム文字",
    u"ミャンマー文字", u"ラオス文字", u"クメール文字", u"トルコ語",   u"その他"};

constexpr std::array<std::u16string_view, 3> kAuxCaptions = {
    u"0: 単独で用いられる記号", u"1: 親文字に対する補助記号", u"2: 記号の間に置かれる記号"};

constexpr std::array<NewDbScript, 11> kNewDbScripts = {{
    {u"発音記号", 0, u"Segoe UI", u"\u0254"},
    {u"タイ文字", 222, u"Tahoma", u"\u0E01"},
    {u"キリル文字", 204, u"Times New Roman", u"\u042F"},
    {u"ラテン文字（欧文）", 0, u"Times New Roman", u"A"},
    {u"ハングル", 129, u"GulimChe", u"\u3132"},
    {u"ベトナム文字", 163, u"Times New Roman", u"V"},
    {u"ミャンマー文字", 0, u"Padauk Book", u"\u1000"},
    {u"ラオス文字", 0, u"Lao UI", u"\u0E81"},
    {u"クメール文字", 0, u"Khmer UI", u"\u1798"},
    {u"トルコ語", 162, u"Times New Roman", u"\u015E"},
    {u"その他", 0, u"Times New Roman", u"A"},
}};

constexpr char16_t kRestartPrompt[] =
    u"記号DBファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\r\n"
    u"今、一旦終了しますか？";

std::u16string Quoted(const std::u16string& text) { return u"\"" + text + u"\""; }

std::vector<std::u16string> FontsWithoutVertical(Platform& platform) {
    std::vector<std::u16string> fonts;
    for (std::u16string& face : platform.InstalledFontNames())
        if (face.empty() || face[0] != u'@') fonts.push_back(std::move(face));
    return fonts;
}

}  // namespace

std::span<const std::u16string_view> SymbolDbEditorScripts() { return kEditorScripts; }
std::span<const std::u16string_view> SymbolDbAuxCaptions() { return kAuxCaptions; }
std::span<const NewDbScript> NewDbScripts() { return kNewDbScripts; }

void ShowSystemTableNotice(Platform& platform, bool sysTblFlg) {
    if (!sysTblFlg) return;
    platform.ShowMessage(
        u"　テーブル選択が、システムテーブルになっています。記号DBを開くことはできますが、"
        u"「保存」「上書」「新規」はできません。\r\n"
        u"　記号DBの変更や作成をするには「設定」「全般」で「システムテーブルを用いる」の"
        u"チェックを外します。",
        MessageKind::Information, MessageButtons::Yes);
}

// --- The editor ---------------------------------------------------------------------------

SymbolDbEditor::SymbolDbEditor(Platform& platform, std::u16string tblFolder, bool sysTblFlg,
                               int charset, std::u16string glyphFont)
    : platform_(platform),
      tblFolder_(std::move(tblFolder)),
      sysTblFlg_(sysTblFlg),
      startCharset_(charset),
      startFont_(std::move(glyphFont)) {
    header_.glyphFont = startFont_;
    charset_ = startCharset_;
    Reset();
}

void SymbolDbEditor::Reset() {
    path_.clear();
    SetEnabled(SymbolDbAction::Exit, true);
    SetEnabled(SymbolDbAction::Open, true);
    SetEnabled(SymbolDbAction::OverWrite, false);
    SetEnabled(SymbolDbAction::Save, false);
    SetEnabled(SymbolDbAction::New, !sysTblFlg_);
    SetEnabled(SymbolDbAction::Delete, false);
    SetEnabled(SymbolDbAction::Insert, false);
    SetEnabled(SymbolDbAction::Add, false);
    panel_ = Panel{};
    selected_ = -1;
    groups_.clear();
    rows_.clear();
    ++rowsRevision_;
    listWhite_ = false;
    statusFile_.clear();
    statusFolder_.clear();
    fontChoice_.clear();
}

void SymbolDbEditor::Open(const std::u16string& chosenPath) {
    Reset();
    if (chosenPath.empty()) return;
    Load(chosenPath);
}

void SymbolDbEditor::Load(const std::u16string& path) {
    Reset();
    path_ = path;
    const std::u16string name = LeafName(path);
    if (!platform_.FileExists(InTableFolder(name))) return;
    SymbolDb db = ReadSymbolDb(platform_, tblFolder_, name);
    rows_ = std::move(db.rows);
    groups_ = std::move(db.groups);
    ++rowsRevision_;
    listWhite_ = true;
    panel_.groupEnabled = true;
    panel_.groupChoice = -1;
    SetEnabled(SymbolDbAction::OverWrite, !sysTblFlg_);
    SetEnabled(SymbolDbAction::Save, !sysTblFlg_);
    SetEnabled(SymbolDbAction::New, !sysTblFlg_);
    statusFile_ = Quoted(name);
    header_ = db.header;
    if (header_.scriptName.empty()) header_ = DefaultSymbolDbHeader(name);
    charset_ = CharsetOfScriptName(header_.scriptName);
    if (FontInstalled(header_.glyphFont)) fontChoice_ = header_.glyphFont;
}

int SymbolDbEditor::ScriptChoice() const {
    for (std::size_t i = 0; i < kEditorScripts.size(); ++i)
        if (kEditorScripts[i] == header_.scriptName) return static_cast<int>(i);
    return -1;
}

void SymbolDbEditor::ShowRow(int index) {
    const SymbolDbRow& row = rows_[static_cast<std::size_t>(index)];
    selected_ = index;
    panel_.textsEnabled = true;
    panel_.codeEnabled = true;
    panel_.groupEnabled = true;
    panel_.auxEnabled = true;
    panel_.rowNumber = WholeNumberText(row.rowNumber);
    panel_.code = row.code;
    panel_.englishName = row.englishName;
    panel_.japaneseName = row.japaneseName;
    // The chooser's position is the group number.
    panel_.groupChoice = row.group >= 0 && row.group < static_cast<std::int32_t>(groups_.size())
                             ? row.group
                             : -1;
    if (!row.auxClass.empty()) {
        const std::int32_t aux = TableNumber(row.auxClass);
        panel_.auxChoice =
            aux >= 0 && aux < static_cast<std::int32_t>(kAuxCaptions.size()) ? aux : -1;
    }
    panel_.note = row.note;
    panel_.preview = IsHex4(row.code) ? row.glyph : std::u16string();
    SetEnabled(SymbolDbAction::Delete, true);
    SetEnabled(SymbolDbAction::Insert, true);
    SetEnabled(SymbolDbAction::Add, true);
}

void SymbolDbEditor::SelectRow(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    ShowRow(index);
}

void SymbolDbEditor::CodeChanged(const std::u16string& text) {
    panel_.code = text;
    if (selected_ < 0) return;
    const std::u16string code(TrimBlanks(text));
    if (!IsHex4(code)) {
        panel_.preview.clear();
        return;
    }
    const std::u16string glyph(1, Hex4ToCode(code));
    panel_.preview = glyph;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].code != code) continue;
        if (static_cast<int>(i) != selected_) {
            platform_.ShowMessage(DuplicateCodeMessage(code, rows_[i].rowNumber),
                                  MessageKind::Warning, MessageButtons::Yes);
            return;
        }
        break;
    }
    SymbolDbRow& row = rows_[static_cast<std::size_t>(selected_)];
    row.code = code;
    row.glyph = glyph;
    ++cellsRevision_;
}

std::u16string SymbolDbEditor::DuplicateCodeMessage(std::u16string_view code, int rowNumber) {
    return u"すでに\" " + std::u16string(code) + u" \"は、No:" + WholeNumberText(rowNumber) +
           u"に登録されています。";
}

void SymbolDbEditor::EnglishChanged(const std::u16string& text) {
    panel_.englishName = text;
    if (selected_ < 0) return;
    rows_[static_cast<std::size_t>(selected_)].englishName = text;
    ++cellsRevision_;
}

void SymbolDbEditor::JapaneseChanged(const std::u16string& text) {
    panel_.japaneseName = text;
    if (selected_ < 0) return;
    rows_[static_cast<std::size_t>(selected_)].japaneseName = text;
    ++cellsRevision_;
}

void SymbolDbEditor::NoteChanged(const std::u16string& text) {
    panel_.note = text;
    if (selected_ < 0) return;
    rows_[static_cast<std::size_t>(selected_)].note = text;
    ++cellsRevision_;
}

void SymbolDbEditor::AuxPicked(int position) {
    if (position < 0 || position >= static_cast<int>(kAuxCaptions.size())) return;
    panel_.auxChoice = position;
    if (selected_ < 0) return;
    rows_[static_cast<std::size_t>(selected_)].auxClass = WholeNumberText(position);
    ++cellsRevision_;
}

void SymbolDbEditor::ClearRowPanel() {
    selected_ = -1;
    panel_.rowNumber.clear();
    panel_.code.clear();
    panel_.englishName.clear();
    panel_.japaneseName.clear();
    panel_.note.clear();
    panel_.codeEnabled = false;
    panel_.textsEnabled = false;
    panel_.auxChoice = -1;
    panel_.auxEnabled = false;
    panel_.preview.clear();
    SetEnabled(SymbolDbAction::Delete, false);
    SetEnabled(SymbolDbAction::Insert, false);
}

void SymbolDbEditor::GroupPicked(int position) {
    if (position < 0 || position >= static_cast<int>(groups_.size())) return;
    if (selected_ >= 0) ClearRowPanel();
    panel_.groupChoice = position;
    SetEnabled(SymbolDbAction::Add, true);
}

void SymbolDbEditor::ScriptPicked(const std::u16string& scriptName) {
    header_.scriptName = scriptName;
    charset_ = CharsetOfScriptName(scriptName);
}

void SymbolDbEditor::FontPicked(const std::u16string& face) {
    header_.glyphFont = face;
    fontChoice_ = face;
}

int SymbolDbEditor::NewRowGroup() const {
    // The group chooser's position; a selected row whose group number the
    // chooser cannot show lends its own.
    if (panel_.groupChoice >= 0) return panel_.groupChoice;
    if (selected_ >= 0) return rows_[static_cast<std::size_t>(selected_)].group;
    return 0;
}

void SymbolDbEditor::Renumber() {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i].rowNumber = static_cast<std::int32_t>(i + 1);
}

void SymbolDbEditor::PlaceNewRow(std::size_t at, std::int32_t group) {
    SymbolDbRow row;
    row.group = group;
    row.auxClass = u"0";
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    Renumber();
    ++rowsRevision_;
    panel_.auxChoice = -1;
    ShowRow(static_cast<int>(at));
    panel_.focusCode = true;
}

void SymbolDbEditor::Add() {
    if (!Enabled(SymbolDbAction::Add)) return;
    const std::int32_t g = NewRowGroup();
    std::size_t at = rows_.size();
    if (selected_ >= 0) {
        // After the run of rows of the selected row's group that it starts.
        const std::int32_t own = rows_[static_cast<std::size_t>(selected_)].group;
        at = static_cast<std::size_t>(selected_);
        while (at < rows_.size() && rows_[at].group == own) ++at;
    } else if (!rows_.empty()) {
        std::optional<std::size_t> lastOfGroup;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].group == g) lastOfGroup = i;
        if (lastOfGroup) {
            at = *lastOfGroup + 1;
        } else {
            // Before the first row of the lowest group above g that has rows.
            std::optional<std::int32_t> next;
            for (const SymbolDbRow& row : rows_)
                if (row.group > g && (!next || row.group < *next)) next = row.group;
            if (next)
                for (std::size_t i = 0; i < rows_.size(); ++i)
                    if (rows_[i].group == *next) {
                        at = i;
                        break;
                    }
        }
    }
    PlaceNewRow(at, g);
}

void SymbolDbEditor::Insert() {
    if (!Enabled(SymbolDbAction::Insert) || selected_ < 0) return;
    PlaceNewRow(static_cast<std::size_t>(selected_), NewRowGroup());
}

bool SymbolDbEditor::Delete() {
    if (!Enabled(SymbolDbAction::Delete) || selected_ < 0) return false;
    const SymbolDbRow& row = rows_[static_cast<std::size_t>(selected_)];
    const std::u16string question = u"■番　号：　" + WholeNumberText(row.rowNumber) + u"\r\n" +
                                    u"■日本語名：　「" + row.japaneseName + u"」　　\r\n" +
                                    u"■英語名：　\"" + row.englishName + u"\" \r\n" +
                                    u"を削除しますがよろしいですか？";
    if (platform_.ShowMessage(question, MessageKind::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    rows_.erase(rows_.begin() + selected_);
    Renumber();
    ++rowsRevision_;
    // The boxes go on showing the removed row, but nothing typed there has a
    // row to go to until another row is selected.
    selected_ = -1;
    panel_.codeEnabled = false;
    panel_.textsEnabled = false;
    panel_.auxEnabled = false;
    SetEnabled(SymbolDbAction::Delete, false);
    SetEnabled(SymbolDbAction::Insert, false);
    return true;
}

std::u16string SymbolDbEditor::InTableFolder(const std::u16string& path) const {
    // A bare name (a file just created) is relative to the table folder.
    if (path.find_first_of(u"\\/") != std::u16string::npos) return path;
    return tblFolder_ + u"\\" + path;
}

std::vector<std::u16string> SymbolDbEditor::InstalledFonts() {
    return FontsWithoutVertical(platform_);
}

NewSymbolDbDialog SymbolDbEditor::MakeNewDialog() { return NewSymbolDbDialog(platform_, tblFolder_); }

bool SymbolDbEditor::FontInstalled(const std::u16string& face) {
    if (face.empty()) return false;
    const std::vector<std::u16string> fonts = FontsWithoutVertical(platform_);
    return std::find(fonts.begin(), fonts.end(), face) != fonts.end();
}

bool SymbolDbEditor::Write(const std::u16string& path) {
    if (!WriteSymbolDb(platform_, path, header_, groups_, rows_)) {
        ReportFileFailure(platform_, FileAction::Save, u"記号DBファイル", path);
        return false;
    }
    return true;
}

bool SymbolDbEditor::OverWrite() {
    if (!Enabled(SymbolDbAction::OverWrite) || path_.empty()) return false;
    // The file the list was read from: a path the open dialog found outside
    // the table folder named a file that was never shown, and is not replaced.
    const std::u16string target = tblFolder_ + u"\\" + LeafName(path_);
    if (!platform_.FileExists(target)) return false;
    if (!Write(target)) return false;
    return platform_.ShowMessage(kRestartPrompt, MessageKind::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

bool SymbolDbEditor::SaveAs(const std::u16string& chosenPath) {
    if (!Enabled(SymbolDbAction::Save) || chosenPath.empty()) return false;
    const std::u16string target = InTableFolder(chosenPath);
    if (!Write(target)) return false;
    path_ = chosenPath;
    statusFile_ = Quoted(LeafName(target));
    statusFolder_ = FolderPart(target);
    return platform_.ShowMessage(kRestartPrompt, MessageKind::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

bool SymbolDbEditor::TakeCodeFocus() { return std::exchange(panel_.focusCode, false); }

// --- The new-file dialog -----------------------------------------------------------------

std::vector<std::u16string> FixedSymbolDbGroupNames() {
    std::vector<std::u16string> names;
    for (const SymbolDbGroup& group : NewSymbolDbGroups({})) names.push_back(group.name);
    return names;
}

NewSymbolDbDialog::NewSymbolDbDialog(Platform& platform, std::u16string tblFolder)
    : platform_(platform), tblFolder_(std::move(tblFolder)), fonts_(FontsWithoutVertical(platform)) {
    ScriptPicked(0);
}

std::vector<std::u16string> NewSymbolDbDialog::ExistingFiles() {
    return platform_.ListFiles(tblFolder_, u"DB*.csv");
}

bool NewSymbolDbDialog::FontInstalled(std::u16string_view face) const {
    return std::find(fonts_.begin(), fonts_.end(), face) != fonts_.end();
}

void NewSymbolDbDialog::ScriptPicked(int position) {
    if (position < 0 || position >= static_cast<int>(kNewDbScripts.size())) return;
    script_ = position;
    const NewDbScript& script = kNewDbScripts[static_cast<std::size_t>(position)];
    fileFont_ = std::u16string(script.font);
    // The chooser shows the font, or Tahoma when it is not installed; the
    // file keeps the script's font until the user picks one.
    if (FontInstalled(script.font)) {
        fontShown_ = fileFont_;
    } else if (FontInstalled(u"Tahoma")) {
        fontShown_ = u"Tahoma";
    } else {
        fontShown_.clear();
    }
    NameChanged(name_);
}

void NewSymbolDbDialog::FontPicked(const std::u16string& face) {
    if (face.empty()) return;
    fileFont_ = face;
    fontShown_ = face;
    NameChanged(name_);
}

void NewSymbolDbDialog::NameChanged(const std::u16string& text) {
    name_ = text;
    makeEnabled_ = !TrimBlanks(text).empty() && script_ >= 0 && !fileFont_.empty();
}

int NewSymbolDbDialog::PreviewCharset() const {
    return kNewDbScripts[static_cast<std::size_t>(script_)].previewCharset;
}

std::u16string NewSymbolDbDialog::Sample() const {
    return std::u16string(kNewDbScripts[static_cast<std::size_t>(script_)].sample);
}

NewSymbolDbDialog::MakeResult NewSymbolDbDialog::Make(const std::u16string& name,
                                                      const std::u16string& addedGroups) {
    auto warn = [&](const char16_t* text) {
        platform_.ShowMessage(text, MessageKind::Warning, MessageButtons::Yes);
        return MakeResult{};
    };
    const std::u16string_view typed(name);
    const auto dot = typed.rfind(u'.');
    if (dot == std::u16string_view::npos || typed.substr(dot) != u".csv")
        return warn(u"拡張子は\"csv\"でなくてはなりません。");
    if (typed.substr(0, 2) != u"DB")
        return warn(u"ﾌｧｲﾙ名の最初の2文字は\"DB\"でなくてはなりません。");
    const std::u16string path = tblFolder_ + u"\\" + name;
    if (platform_.FileExists(path))
        return warn(u"同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。");

    // One group per line; a final line end adds no empty group.
    const std::vector<std::u16string> added = SplitLines(addedGroups);
    const SymbolDbHeader header{std::u16string(kNewDbScripts[static_cast<std::size_t>(script_)].name),
                                fileFont_};
    if (!CreateSymbolDb(platform_, path, header, added) || !platform_.FileExists(path)) {
        ReportFileFailure(platform_, FileAction::Create, u"記号DBファイル", path);
        return MakeResult{};
    }
    MakeResult result;
    result.close = true;
    if (platform_.ShowMessage(u"空の記号DBファイル\"" + name + u"\"を生成しました。記号DBで読み込みますか？",
                              MessageKind::Question, MessageButtons::YesNo) == MessageAnswer::Yes)
        result.load = name;
    return result;
}

}  // namespace tess
