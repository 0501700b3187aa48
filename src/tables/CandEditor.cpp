#include "tables/CandEditor.h"

#include <algorithm>
#include <utility>

#include "lib/Blanks.h"
#include "lib/FileFailure.h"
#include "lib/PathParts.h"
#include "lib/TextConv.h"

namespace tess {

namespace {

constexpr char16_t kRestartPrompt[] =
    u"候補ファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\r\n"
    u"今一旦終了しますか？";
constexpr char16_t kUnsavedNote[] = u"\r\n\r\n　保存する場合は「いいえ」の後、「上書」ボタンを押して下さい。";

// The keyboard's rows: shifted positions first, then unshifted ones.
constexpr int kShiftedRows[4] = {13, 12, 12, 11};
constexpr int kUnshiftedRows[4] = {13, 12, 12, 10};

bool IsDigitKey(char16_t key) { return key >= u'0' && key <= u'9'; }
bool IsUpperLetter(char16_t key) { return key >= u'A' && key <= u'Z'; }
bool IsLowerLetter(char16_t key) { return key >= u'a' && key <= u'z'; }

// Whether `key` is a letter of the case `mode` does not use.
bool OtherCaseLetter(char16_t key, std::u16string_view mode) {
    return mode == kModeUpper ? IsLowerLetter(key) : IsUpperLetter(key);
}

bool Ask(Platform& platform, const std::u16string& question) {
    return platform.ShowMessage(question, MessageKind::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void Warn(Platform& platform, const std::u16string& text) {
    platform.ShowMessage(text, MessageKind::Warning, MessageButtons::Yes);
}

}  // namespace

void ShowCandSystemTableNotice(Platform& platform, bool sysTblFlg) {
    if (!sysTblFlg) return;
    platform.ShowMessage(
        u"　テーブル選択が、システムテーブルになっています。候補ファイルを開くことはできますが、"
        u"「保存」「上書」「新規」はできません。\r\n"
        u"　候補ファイルの変更や作成をするには「設定」「全般」で「システムテーブルを用いる」の"
        u"チェックを外します。",
        MessageKind::Information, MessageButtons::Yes);
}

std::array<TriggerButtonRect, kKeyLayoutSize> TriggerKeyboardLayout(int width, int height,
                                                                    std::u16string_view mode) {
    const int w = (width - 28) / 13;
    const int h = (height - 57) / 4;
    const int offsets[4] = {0, w / 2, w * 7 / 10, w * 12 / 10};
    std::array<TriggerButtonRect, kKeyLayoutSize> rects{};
    int position = 0;
    for (int shifted = 1; shifted >= 0; --shifted) {
        const int* rows = shifted ? kShiftedRows : kUnshiftedRows;
        for (int r = 0; r < 4; ++r) {
            const int rowTop = 36 + r * h;
            for (int k = 0; k < rows[r]; ++k, ++position) {
                TriggerButtonRect& rect = rects[static_cast<std::size_t>(position)];
                const char16_t key = kKeyLayout[static_cast<std::size_t>(position)];
                rect.left = 16 + offsets[r] + k * w;
                rect.width = w;
                rect.top = shifted ? rowTop : rowTop + h * 4 / 10;
                rect.height = shifted ? h * 4 / 10 : h * 5 / 10;
                if (mode.empty() || !(IsUpperLetter(key) || IsLowerLetter(key))) continue;
                if (OtherCaseLetter(key, mode)) {
                    rect.height = h / 10;
                    rect.shown = false;
                } else {
                    rect.top = rowTop;
                    rect.height = h * 9 / 10;
                }
            }
        }
    }
    return rects;
}

CandEditor::CandEditor(Platform& platform, std::u16string tblFolder, bool sysTblFlg, int charset,
                       std::u16string glyphFont)
    : platform_(platform), tblFolder_(std::move(tblFolder)), sysTblFlg_(sysTblFlg) {
    dbCharset_ = charset;
    dbHeader_.glyphFont = std::move(glyphFont);
    SetEnabled(CandAction::DbExit, true);
    SetEnabled(CandAction::DbOpen, true);
    SetEnabled(CandAction::Open, true);
    SetEnabled(CandAction::New, !sysTblFlg_);
    SetEnabled(CandAction::SaveReload, !sysTblFlg_);
    PlainKeyboard();
}

// --- The symbol DB ---------------------------------------------------------------------

void CandEditor::ReadDb(const std::u16string& name) {
    SymbolDb db = ReadSymbolDb(platform_, tblFolder_, name);
    dbRows_ = std::move(db.rows);
    dbGroups_ = std::move(db.groups);
    dbHeader_ = db.header;
    if (dbHeader_.scriptName.empty()) dbHeader_ = DefaultSymbolDbHeader(name);
    dbCharset_ = CharsetOfScriptName(dbHeader_.scriptName);
    ++dbRevision_;
    status_[0] = u"記号DB：\"" + name + u"\"";
    status_[2] = tblFolder_;
}

void CandEditor::OpenDb(const std::u16string& chosenPath) {
    dbRows_.clear();
    dbGroups_.clear();
    dbPath_.clear();
    ++dbRevision_;
    status_ = {};
    if (chosenPath.empty()) return;
    dbPath_ = chosenPath;
    const std::u16string name = LeafName(chosenPath);
    if (platform_.FileExists(tblFolder_ + u"\\" + name)) ReadDb(name);
}

const SymbolDbRow* CandEditor::RowNumbered(std::u16string_view text) const {
    if (text.empty()) return nullptr;
    for (const SymbolDbRow& row : dbRows_) {
        const std::string number = std::to_string(row.rowNumber);
        if (std::equal(number.begin(), number.end(), text.begin(), text.end())) return &row;
    }
    return nullptr;
}

// --- The candidate file ---------------------------------------------------------------------

void CandEditor::PlainKeyboard() {
    for (TriggerButton& button : buttons_) button = TriggerButton{};
    layoutMode_.clear();
    selectedKey_ = -1;
}

void CandEditor::Recolour() {
    for (std::size_t p = 0; p < buttons_.size(); ++p) {
        TriggerButton& button = buttons_[p];
        if (static_cast<int>(p) == selectedKey_) {
            button.colour = TriggerButton::Colour::Red;
        } else {
            button.colour = button.bold ? TriggerButton::Colour::Blue : TriggerButton::Colour::Black;
        }
    }
}

const CandLine* CandEditor::LineOf(char16_t key) const {
    if (!table_ || key == 0) return nullptr;
    const std::u16string field = KeyField(key);
    for (const CandLine& line : table_->lines)
        if (line.keyField == field) return &line;
    return nullptr;
}

CandLine* CandEditor::LineOf(char16_t key) {
    return const_cast<CandLine*>(std::as_const(*this).LineOf(key));
}

void CandEditor::EmptyBoxes() { boxes_ = {}; }

void CandEditor::Open(const std::u16string& chosenPath) {
    if (chosenPath.empty()) return;
    Discard();
    Load(LeafName(chosenPath));
    SetEnabled(CandAction::Jump, true);
}

void CandEditor::Load(const std::u16string& candName) {
    candName_ = candName;
    std::optional<CandEditTable> read = ReadCandForEditing(platform_, tblFolder_, candName);
    if (read) {
        pairedDb_ = read->pairedDb;
        mode_ = read->mode;
        bool readDb = dbPath_.empty();
        if (!readDb && LeafName(dbPath_) != pairedDb_) {
            readDb = Ask(platform_, u"すでに\"" + LeafName(dbPath_) +
                                        u"\"が記号DBにロードされていますが、この候補ファイルに設定"
                                        u"されれている記号DBファイルは\"" +
                                        pairedDb_ + u"\"です。ロードしますか？");
        }
        if (readDb && !pairedDb_.empty() && platform_.FileExists(tblFolder_ + u"\\" + pairedDb_)) {
            dbRows_.clear();
            dbGroups_.clear();
            dbPath_ = tblFolder_ + u"\\" + pairedDb_;
            ReadDb(pairedDb_);
        }
        table_ = std::move(*read);
        for (std::size_t p = 0; p < buttons_.size(); ++p) {
            const char16_t key = kKeyLayout[p];
            TriggerButton& button = buttons_[p];
            button.enabled = !IsDigitKey(key) && !OtherCaseLetter(key, mode_);
            const CandLine* line = LineOf(key);
            button.bold = button.enabled && line && line->HasCandidates();
        }
        layoutMode_ = mode_ == kModeUpper ? kModeUpper : kModeLower;
        Recolour();
    }
    pairedBox_ = pairedDb_;
    modeChoice_ = mode_ == kModeUpper ? 1 : 0;
    EmptyBoxes();
    SetEnabled(CandAction::Close, true);
    SetEnabled(CandAction::OverWrite, !sysTblFlg_);
    SetEnabled(CandAction::Save, !sysTblFlg_);
    status_[1] = u"候補File：\"" + candName_ + u"\"";
}

void CandEditor::Discard() {
    candName_.clear();
    pairedDb_.clear();
    mode_.clear();
    table_.reset();
    modified_ = false;
    EmptyBoxes();
    for (CandAction action : {CandAction::Jump, CandAction::OverWrite, CandAction::Save,
                              CandAction::Close})
        SetEnabled(action, false);
    pairedBox_.clear();
    modeChoice_ = -1;
    PlainKeyboard();
    status_[1].clear();
}

void CandEditor::CloseFile() {
    if (modified_ &&
        !Ask(platform_, std::u16string(u"　候補が変更されましたが、まだ保存されていません。ファイルを保存"
                                       u"せずに候補ファイルを閉じてもよろしいですか？") +
                            kUnsavedNote))
        return;
    Discard();
}

bool CandEditor::MayExit() {
    return !modified_ ||
           Ask(platform_, std::u16string(u"　候補が変更されましたが、まだ保存されていません。ファイルを"
                                         u"保存せずに候補エディタを終了してもよろしいですか？") +
                              kUnsavedNote);
}

void CandEditor::SelectKey(int position) {
    if (position < 0 || position >= static_cast<int>(buttons_.size())) return;
    if (!buttons_[static_cast<std::size_t>(position)].enabled) return;
    selectedKey_ = position;
    Recolour();
    SetEnabled(CandAction::Register, true);
    EmptyBoxes();
    const CandLine* line = LineOf(kKeyLayout[static_cast<std::size_t>(position)]);
    if (!line || !line->HasCandidates()) return;
    for (int i = 0; i < kCandBoxCount; ++i) {
        const std::u16string& code = line->codes[static_cast<std::size_t>(i)];
        if (code.empty()) continue;
        for (const SymbolDbRow& row : dbRows_) {
            if (row.code == code) {
                const std::string number = std::to_string(row.rowNumber);
                boxes_[static_cast<std::size_t>(i)] = std::u16string(number.begin(), number.end());
                break;
            }
        }
    }
}

void CandEditor::BoxChanged(int box, const std::u16string& text) {
    if (box < 0 || box >= kCandBoxCount) return;
    boxes_[static_cast<std::size_t>(box)] = text;
}

std::u16string CandEditor::BoxGlyph(int box) const {
    if (box < 0 || box >= kCandBoxCount) return {};
    const SymbolDbRow* row = RowNumbered(boxes_[static_cast<std::size_t>(box)]);
    return row ? row->glyph : std::u16string();
}

void CandEditor::Register() {
    if (selectedKey_ < 0) return;
    const std::size_t position = static_cast<std::size_t>(selectedKey_);
    CandLine* line = LineOf(kKeyLayout[position]);
    if (!line) return;  // the empty position, or no working table
    for (int i = 0; i < kCandBoxCount; ++i) {
        const SymbolDbRow* row = RowNumbered(boxes_[static_cast<std::size_t>(i)]);
        line->codes[static_cast<std::size_t>(i)] = row ? row->code : std::u16string();
    }
    buttons_[position].bold = line->HasCandidates();
    Recolour();
    modified_ = true;
}

std::optional<int> CandEditor::JumpTarget(int box) const {
    if (box < 0 || box >= kCandBoxCount) return std::nullopt;
    const std::u16string& text = boxes_[static_cast<std::size_t>(box)];
    if (text.empty() || text.size() > 9) return std::nullopt;
    long number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        number = number * 10 + (c - u'0');
    }
    if (number == 0 || number > static_cast<long>(dbRows_.size())) return std::nullopt;
    return static_cast<int>(number - 1);
}

CandEditTable CandEditor::TableToWrite() const {
    // Without a working table (a file that was missing or empty) the file
    // gets the header line alone, as a new file does.
    CandEditTable table = table_ ? *table_ : CandEditTable{};
    table.pairedDb = pairedDb_;
    table.mode = mode_.empty() ? std::u16string(kModeLower) : mode_;
    return table;
}

bool CandEditor::Write(const std::u16string& path) {
    if (WriteCandFile(platform_, path, TableToWrite())) return true;
    ReportFileFailure(platform_, FileAction::Save, u"候補ファイル", path);
    return false;
}

bool CandEditor::RestartPrompt() { return Ask(platform_, kRestartPrompt); }

bool CandEditor::OverWrite() {
    if (sysTblFlg_ || candName_.empty()) return false;
    const std::u16string path = tblFolder_ + u"\\" + candName_;
    if (!platform_.FileExists(path) || !Write(path)) return false;
    modified_ = false;
    return RestartPrompt();
}

bool CandEditor::SaveAs(const std::u16string& chosenPath) {
    if (sysTblFlg_ || chosenPath.empty()) return false;
    const bool bare = chosenPath.find_first_of(u"\\/") == std::u16string::npos;
    const std::u16string path = bare ? tblFolder_ + u"\\" + chosenPath : chosenPath;
    if (!Write(path)) return false;
    candName_ = LeafName(chosenPath);
    status_[1] = u"候補File：\"" + candName_ + u"\"";
    modified_ = false;
    return RestartPrompt();
}

void CandEditor::PairedDbChosen(const std::u16string& chosenPath) {
    if (chosenPath.empty()) return;
    pairedDb_ = LeafName(chosenPath);
    pairedBox_ = pairedDb_;
}

void CandEditor::SaveAndReload(const std::u16string& pairedBox, bool upperChosen) {
    if (sysTblFlg_) return;
    pairedDb_ = std::u16string(TrimBlanks(pairedBox));
    mode_ = upperChosen ? kModeUpper : kModeLower;
    const std::u16string name = candName_;
    const bool exists = !name.empty() && platform_.FileExists(tblFolder_ + u"\\" + name);
    if (exists && !Write(tblFolder_ + u"\\" + name)) return;
    Discard();
    if (!exists) return;
    Load(name);
    platform_.ShowMessage(u"候補ファイルのプロパティを変更し再読み込みしました。",
                          MessageKind::Information, MessageButtons::Yes);
}

NewCandDialog CandEditor::MakeNewDialog() { return NewCandDialog(platform_, tblFolder_); }

// --- The new-file dialog ------------------------------------------------------------------

NewCandDialog::NewCandDialog(Platform& platform, std::u16string tblFolder)
    : platform_(platform), tblFolder_(std::move(tblFolder)) {}

std::vector<std::u16string> NewCandDialog::DbFiles() {
    return platform_.ListFiles(tblFolder_, u"DB*.csv");
}

std::vector<std::u16string> NewCandDialog::CandFiles() {
    return platform_.ListFiles(tblFolder_, u"Cand*.csv");
}

void NewCandDialog::TextsChanged(const std::u16string& name, const std::u16string& pairedDb) {
    makeEnabled_ = !TrimBlanks(name).empty() && !TrimBlanks(pairedDb).empty();
}

NewCandDialog::MakeResult NewCandDialog::Make(const std::u16string& name,
                                              const std::u16string& pairedDb, bool upper) {
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string::npos || name.substr(dot) != u".csv") {
        Warn(platform_, u"拡張子は\"csv\"でなくてはなりません。");
        return {};
    }
    if (name.compare(0, 4, u"Cand") != 0) {
        Warn(platform_, u"ﾌｧｲﾙ名の最初の4文字は\"Cand\"でなくてはなりません。");
        return {};
    }
    const std::u16string path = tblFolder_ + u"\\" + name;
    if (platform_.FileExists(path)) {
        Warn(platform_, u"同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。");
        return {};
    }
    if (!CreateCandFile(platform_, path, std::u16string(TrimBlanks(pairedDb)),
                        upper ? kModeUpper : kModeLower)) {
        ReportFileFailure(platform_, FileAction::Create, u"候補ファイル", path);
        return {};
    }
    MakeResult result;
    result.close = true;
    if (platform_.FileExists(path) &&
        Ask(platform_, u"空の候補ファイル\"" + name + u"\"を生成しました。候補エディタで読み込みますか？"))
        result.load = name;
    return result;
}

}  // namespace tess
