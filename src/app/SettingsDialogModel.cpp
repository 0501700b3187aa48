#include "app/SettingsDialogModel.h"

#include <algorithm>
#include <string>

#include "app/Languages.h"
#include "app/VersionUp.h"
#include "lib/PathParts.h"
#include "lib/TextFile.h"
#include "lib/WholeNumber.h"

namespace tess {

namespace {

constexpr std::array<std::u16string_view, kSettingsPageCount> kPageCaptions = {
    u"単語帳", u"全般", u"フォント", u"ファイル", u"色", u"タイマー設定",
};

constexpr std::array<FlagCheckRow, 10> kFlagChecks = {{
    {SettingsCheck::ResetInput, SettingsPage::WordBook,
     u"リセットインプット　（ダブルクリック時に入力エリアをクリアする）", &Settings::ResetInputFlg},
    {SettingsCheck::LastVisible, SettingsPage::WordBook,
     u"最下行表示　（単語帳をロードしたとき最下行を表示する）", &Settings::LastVisibleFlg},
    {SettingsCheck::RegCopy, SettingsPage::WordBook,
     u"単語登録時コピー　（単語登録の際、主画面からコピーする）", &Settings::RegCopyFlg},
    {SettingsCheck::RegClear, SettingsPage::WordBook,
     u"単語登録後クリア　（単語登録後、主画面をクリアする）", &Settings::RegClearFlg},
    {SettingsCheck::NoSample, SettingsPage::WordBook,
     u"サンプル単語帳の更新不要　（バージョンアップ時）", &Settings::NoSampleFlg},
    {SettingsCheck::TransClear, SettingsPage::General,
     u"転送後クリア　（文字転送後入力エリアをクリアする）", &Settings::TransClearFlg},
    {SettingsCheck::AutoTrans, SettingsPage::General,
     u"オート転送モード（転送対象を自動で判断する）", &Settings::AutoTransFlg},
    {SettingsCheck::SysTbl, SettingsPage::General, u"システムテーブルを用いる（読み込み専用）",
     &Settings::SysTblFlg},
    {SettingsCheck::MediaPlayer, SettingsPage::General,
     u"音声ファイルを再生する　（WindowsMediaPlayerを用い再生する）", &Settings::MediaPlayerFlg},
    {SettingsCheck::TblOW, SettingsPage::General,
     u"バージョンアップ時にユーザーテーブルも書換える", &Settings::TblOWFlg},
}};

constexpr std::array<TrackBarRow, kLookBarCount> kLookBars = {{
    {20, 99, 4, &Settings::LVLineHeight, 28},
    {8, 50, 4, &Settings::TnMainFontSize, 15},
    {8, 50, 4, &Settings::TnSubFontSize, 14},
    {8, 50, 4, &Settings::TnJpFontSize, 12},
}};

constexpr std::array<TrackBarRow, kTimerBarCount> kTimerBars = {{
    {10, 500, 50, &Settings::TrTimer, 250},
    {10, 500, 50, &Settings::PaTimer, 250},
}};

constexpr std::array<FontBoxRow, kFontBoxCount> kFontBoxes = {{
    {u"■発音記号：", &Settings::UsrSubFont, u"Segoe UI"},
    {u"■タイ語：", &Settings::ThaiFont, u"Tahoma"},
    {u"■ミャンマー語：", &Settings::MyanmarFont, u"Padauk Book"},
    {u"■ラオス語：", &Settings::LaosFont, u"Lao UI"},
    {u"■クメール語：", &Settings::KhmerFont, u"Khmer UI"},
}};

// The phonetic "初期値" size: 14, not the 16 of the settings' default.
constexpr std::array<SizeBoxRow, kSizeBoxCount> kSizeBoxes = {{
    {&Settings::UsrSubFontSize, u"14"},
    {&Settings::DispMainFSize, u"18"},
    {&Settings::DispSubFSize, u"16"},
}};

constexpr std::array<FileBoxRow, kFileBoxCount> kFileBoxes = {{
    {&Settings::PhUDBFile, u"DBPhonet.csv"},
    {&Settings::PhCandFile, u"CandAll.csv"},
    {&Settings::ThaiUDBFile, u"DBThai.csv"},
    {&Settings::ThaiCandFile, u"CandThai2.csv"},
    {&Settings::MyanmarUDBFile, u"DBMyanmar.csv"},
    {&Settings::MyanmarCandFile, u"CandMyanmar.csv"},
    {&Settings::LaosUDBFile, u"DBLao.csv"},
    {&Settings::LaosCandFile, u"CandLao.csv"},
    {&Settings::KhmerUDBFile, u"DBKhmer.csv"},
    {&Settings::KhmerCandFile, u"CandKhmer.csv"},
}};

constexpr std::array<std::u16string_view, kFileRowCount> kFileRowCaptions = {
    u"１．発音記号",
    u"２．タイ語\r\n　ﾛｰﾏ字入力",
    u"３．ﾐｬﾝﾏｰ語\r\n　ﾛｰﾏ字入力",
    u"４．ラオス語\r\n　ﾛｰﾏ字入力",
    u"５．ｸﾒｰﾙ語\r\n　ﾛｰﾏ字入力",
};

constexpr std::array<ColorRow, kColorRowCount> kColorRows = {{
    {u"１．文字PAD　ローマ字入力", &Settings::RomanBg, MakeColor(0xFF, 0xA9, 0x53)},
    {u"２．文字PAD　MS IME", &Settings::MsImeBg, MakeColor(0x8F, 0xBC, 0x8F)},
    {u"３．文字PAD　発音記号", &Settings::IpaBg, MakeColor(0x00, 0xBF, 0xFF)},
    {u"４．発音記号　背景", &Settings::CandBg, MakeColor(0xF8, 0xFF, 0xC0)},
    {u"５．タイ語　候補背景", &Settings::BandBg, MakeColor(0xC9, 0xDE, 0xF5)},
}};

// The system files the delete-everything button removes besides the
// settings file and the version marker.
constexpr std::array<std::u16string_view, 3> kSystemFiles = {u"FolList.txt", u"GroupName.txt",
                                                             u"Work.rtf"};

// What a font box shows for a setting: the setting when listed, else the
// box's fallback.
std::u16string ShownFont(const ItemList& items, const std::u16string& setting,
                         std::u16string_view fallback) {
    return SelectItemByText(items, setting) >= 0 ? setting : std::u16string(fallback);
}

bool SameFolder(Platform& platform, const std::u16string& a, const std::u16string& b) {
    auto trimmed = [](std::u16string path) {
        while (!path.empty() && (path.back() == u'\\' || path.back() == u'/')) path.pop_back();
        return path;
    };
    return platform.LowerCase(trimmed(a)) == platform.LowerCase(trimmed(b));
}

// The plain files of `folder` whose names are exactly one of `names`, as
// paths. The folder's own listing decides: it holds no sub-folders, and a
// name that differs only in case is another name.
template <typename Names>
void AddExactFiles(Platform& platform, const std::u16string& folder, const Names& names,
                   std::vector<std::u16string>& paths) {
    for (const std::u16string& name : platform.ListFiles(folder, u"*")) {
        if (name.empty() || name == u"." || name == u"..") continue;
        if (name.find_first_of(u"\\/:") != std::u16string::npos) continue;
        if (std::find(names.begin(), names.end(), name) == names.end()) continue;
        paths.push_back(folder + u"\\" + name);
    }
}

}  // namespace

// --- Tables -------------------------------------------------------------------------------

std::span<const std::u16string_view> SettingsPageCaptions() { return kPageCaptions; }
std::span<const FlagCheckRow> FlagCheckRows() { return kFlagChecks; }
const TrackBarRow& LookBarRow(LookBar bar) { return kLookBars[static_cast<int>(bar)]; }
const TrackBarRow& TimerBarRow(TimerBar bar) { return kTimerBars[static_cast<int>(bar)]; }
const FontBoxRow& FontBoxRowOf(FontBox box) { return kFontBoxes[static_cast<int>(box)]; }
const SizeBoxRow& SizeBoxRowOf(SizeBox box) { return kSizeBoxes[static_cast<int>(box)]; }
const FileBoxRow& FileBoxRowOf(int box) { return kFileBoxes[box]; }
std::span<const std::u16string_view> FileRowCaptions() { return kFileRowCaptions; }
const ColorRow& ColorRowOf(int row) { return kColorRows[row]; }

FileFilter FileFilterOf(int box) {
    if (box % 2 == 0) return {u"記号データベース(DB*.csv)", u"DB*.csv"};
    return {u"候補ファイル(Cand*.csv)", u"Cand*.csv"};
}

// --- The end buttons' files ---------------------------------------------------------------

std::vector<std::u16string> SettingsResetFiles(Platform& platform, const DataFolders& folders) {
    std::vector<std::u16string> paths;
    const std::array<std::u16string, 1> names = {kSettingsFileName};
    AddExactFiles(platform, folders.SysFolder, names, paths);
    return paths;
}

std::vector<std::u16string> UninstallFiles(Platform& platform, const DataFolders& folders) {
    struct Pair {
        std::u16string shipped, own;
    };
    const Pair pairs[] = {
        {folders.ProgramFolder + u"\\bookA", folders.ThaiBookFolder},
        {folders.ProgramFolder + u"\\bookG", folders.ThaiDicFolder},
        {folders.SysTblFolder, folders.UserTblFolder},
    };
    std::vector<std::u16string> paths;
    for (const Pair& pair : pairs) {
        // The shipped folder itself is never emptied.
        if (SameFolder(platform, pair.shipped, pair.own)) continue;
        AddExactFiles(platform, pair.own, platform.ListFiles(pair.shipped, u"*"), paths);
    }
    std::vector<std::u16string> system = {kSettingsFileName};
    system.insert(system.end(), kSystemFiles.begin(), kSystemFiles.end());
    system.push_back(VersionMarkerName());
    AddExactFiles(platform, folders.SysFolder, system, paths);
    return paths;
}

std::vector<std::u16string> DeleteFiles(Platform& platform, std::span<const std::u16string> paths) {
    std::vector<std::u16string> failed;
    for (const std::u16string& path : paths)
        if (!platform.RemoveFile(path)) failed.push_back(path);
    return failed;
}

// --- The dialog ---------------------------------------------------------------------------

SettingsDialogModel::SettingsDialogModel(SettingsDialogHost& host)
    : host_(host),
      platform_(host.platform()),
      fontItems_(FillFontBox(platform_, 0, 0)),
      sizeItems_(FillNumberItems(9, 60)) {
    const Settings& s = host_.settings();
    for (const FlagCheckRow& row : kFlagChecks) checks_[static_cast<int>(row.check)] = s.*row.flag;
    checks_[static_cast<int>(SettingsCheck::ThaiFontsOnly)] = s.FontMode == 1;
    checks_[static_cast<int>(SettingsCheck::SizeLock)] = s.DispFSizeLockFlg;

    for (int i = 0; i < kFontBoxCount; ++i)
        fontTexts_[i] = ShownFont(fontItems_, s.*kFontBoxes[i].setting, kFontBoxes[i].fallback);
    for (int i = 0; i < kSizeBoxCount; ++i) sizeTexts_[i] = WholeNumberText(s.*kSizeBoxes[i].setting);
    for (int i = 0; i < kFileBoxCount; ++i) fileTexts_[i] = s.*kFileBoxes[i].setting;
    for (int i = 0; i < kColorRowCount; ++i) {
        previews_[i] = s.*kColorRows[i].setting;
        colorTexts_[i] = ColorToHexText(previews_[i]);
    }
    // A track bar holds a position inside its range.
    for (int i = 0; i < kTimerBarCount; ++i) {
        const TrackBarRow& bar = kTimerBars[i];
        timers_[i] = std::clamp(static_cast<int>(s.*bar.setting), bar.min, bar.max);
    }
}

void SettingsDialogModel::FormShow() { host_.DialogShown(); }

void SettingsDialogModel::FormClose() { host_.DialogClosed(); }

void SettingsDialogModel::SetChecked(SettingsCheck check, bool checked) {
    checks_[static_cast<int>(check)] = checked;
}

// --- The word list's appearance ------------------------------------------------------------

int SettingsDialogModel::LookPosition(LookBar bar) const {
    const TrackBarRow& row = LookBarRow(bar);
    return std::clamp(static_cast<int>(host_.settings().*row.setting), row.min, row.max);
}

bool SettingsDialogModel::MoveLookBar(LookBar bar, int position) {
    if (!LookBarsEnabled()) return false;
    const TrackBarRow& row = LookBarRow(bar);
    host_.settings().*row.setting = std::clamp(position, row.min, row.max);
    host_.WordListLookChanged(bar == LookBar::LineHeight);
    return true;
}

void SettingsDialogModel::ResetLook() {
    for (const TrackBarRow& row : kLookBars) host_.settings().*row.setting = row.initial;
    host_.WordListLookChanged(true);
}

// --- Font page ---------------------------------------------------------------------------------

void SettingsDialogModel::SetFontText(FontBox box, const std::u16string& text) {
    fontTexts_[static_cast<int>(box)] = text;
}

std::u16string SettingsDialogModel::FontInUse(FontBox box) const {
    if (box == FontBox::Phonetic) return {};
    const LanguageRow& row = LanguageRows()[static_cast<int>(box) - static_cast<int>(FontBox::Thai)];
    const std::u16string& chosen = FontText(box);
    const std::optional<std::u16string> inUse =
        LanguageFontInUse(platform_, row, chosen, host_.fontBoxItems());
    return inUse && *inUse != chosen ? *inUse : std::u16string();
}

void SettingsDialogModel::ResetFont(FontBox box) {
    fontTexts_[static_cast<int>(box)] = FontBoxRowOf(box).fallback;
    if (box == FontBox::Phonetic) ResetSize(SizeBox::Phonetic);
}

std::u16string SettingsDialogModel::SetSizeText(SizeBox box, const std::u16string& text) {
    std::u16string& shown = sizeTexts_[static_cast<int>(box)];
    shown = text;
    if (box == SizeBox::Phonetic &&
        ReadWholeNumber(text).value_or(host_.settings().UsrSubFontSize) < kMinPhoneticSize)
        shown = WholeNumberText(kMinPhoneticSize);
    return shown;
}

void SettingsDialogModel::ResetSize(SizeBox box) {
    sizeTexts_[static_cast<int>(box)] = SizeBoxRowOf(box).initial;
}

// --- File page -----------------------------------------------------------------------------------

void SettingsDialogModel::SetFileText(int box, const std::u16string& text) { fileTexts_[box] = text; }

void SettingsDialogModel::FileChosen(int box, const std::u16string& path) {
    fileTexts_[box] = LeafName(path);
}

void SettingsDialogModel::ResetFile(int box) { fileTexts_[box] = kFileBoxes[box].defaultName; }

const std::u16string& SettingsDialogModel::TableFolder() const { return host_.folders().TblFolder; }

// --- Colour page -----------------------------------------------------------------------------------

bool SettingsDialogModel::SetColorText(int row, const std::u16string& text) {
    colorTexts_[row] = text;
    if (!IsHexColorText(text)) return false;
    previews_[row] = HexTextToColor(text);
    return true;
}

Color SettingsDialogModel::ColorDialogStart(int row) const {
    return host_.settings().*kColorRows[row].setting;
}

void SettingsDialogModel::ColorChosen(int row, Color color) {
    previews_[row] = color & 0xFFFFFF;
    colorTexts_[row] = ColorToHexText(previews_[row]);
}

void SettingsDialogModel::ResetColor(int row) { ColorChosen(row, kColorRows[row].initial); }

// --- Timer page --------------------------------------------------------------------------------------

void SettingsDialogModel::SetTimerPosition(TimerBar bar, int position) {
    const TrackBarRow& row = TimerBarRow(bar);
    timers_[static_cast<int>(bar)] = std::clamp(position, row.min, row.max);
}

void SettingsDialogModel::ResetTimer(TimerBar bar) {
    timers_[static_cast<int>(bar)] = TimerBarRow(bar).initial;
}

// --- OK --------------------------------------------------------------------------------------------------

Settings SettingsDialogModel::Choice() const {
    Settings chosen = host_.settings();
    for (const FlagCheckRow& row : kFlagChecks) chosen.*row.flag = Checked(row.check);

    if (Checked(SettingsCheck::ThaiFontsOnly) && chosen.FontMode == 0) chosen.FontMode = 1;
    else if (!Checked(SettingsCheck::ThaiFontsOnly) && chosen.FontMode == 1) chosen.FontMode = 0;

    for (int i = 0; i < kFontBoxCount; ++i) chosen.*kFontBoxes[i].setting = fontTexts_[i];

    auto sizeOf = [&](SizeBox box) {
        std::int32_t Settings::*setting = SizeBoxRowOf(box).setting;
        return ReadWholeNumber(SizeText(box)).value_or(chosen.*setting);
    };
    chosen.UsrSubFontSize = sizeOf(SizeBox::Phonetic);
    chosen.DispFSizeLockFlg = Checked(SettingsCheck::SizeLock);
    if (chosen.DispFSizeLockFlg) {
        // A size below one point draws nothing: such a text keeps the size.
        for (SizeBox box : {SizeBox::FixedForeign, SizeBox::FixedPhonetic}) {
            std::int32_t Settings::*setting = SizeBoxRowOf(box).setting;
            const int size = sizeOf(box);
            if (size >= 1) chosen.*setting = size;
        }
    }

    for (int i = 0; i < kFileBoxCount; ++i) chosen.*kFileBoxes[i].setting = fileTexts_[i];
    for (int i = 0; i < kColorRowCount; ++i) chosen.*kColorRows[i].setting = previews_[i];
    for (int i = 0; i < kTimerBarCount; ++i) chosen.*kTimerBars[i].setting = timers_[i];
    return chosen;
}

bool SettingsDialogModel::Ok() { return host_.ApplySettingsDialog(Choice()); }

// --- The two end buttons ------------------------------------------------------------------------------------

void SettingsDialogModel::DeleteAndEnd(const std::vector<std::u16string>& paths) {
    const std::vector<std::u16string> failed = DeleteFiles(platform_, paths);
    if (!failed.empty()) {
        std::u16string text = kUndeletedFilesNotice;
        for (const std::u16string& path : failed) text += u"\r\n" + path;
        platform_.ShowMessage(text, MessageKind::Warning, MessageButtons::Ok);
    }
    host_.EndWithoutSavingSettings();
}

bool SettingsDialogModel::ResetSettingsFile() {
    if (platform_.ShowMessage(kResetQuestion, MessageKind::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    DeleteAndEnd(SettingsResetFiles(platform_, host_.folders()));
    return true;
}

bool SettingsDialogModel::DeleteAll() {
    if (!DeleteAllEnabled()) return false;
    if (platform_.ShowMessage(kDeleteAllQuestion, MessageKind::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    DeleteAndEnd(UninstallFiles(platform_, host_.folders()));
    return true;
}

}  // namespace tess
