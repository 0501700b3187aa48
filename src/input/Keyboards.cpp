#include "input/Keyboards.h"

#include "input/KeyboardLayouts.h"
#include "lib/Charsets.h"
#include "lib/Blanks.h"

namespace tess {
namespace {

// Key buttons per row of the JIS keyboard and the index of each row's first
// key; the labels follow the same rows, with label 47 beyond the last key.
constexpr std::array<int, 4> kRowFirstKey = {0, 13, 25, 37};
constexpr std::array<int, 4> kRowKeyCount = {13, 12, 12, 10};

constexpr std::u16string_view kRomajiKeys =
    u"1234567890-^\\"
    u"qwertyuiop@["
    u"asdfghjkl;:]"
    u"zxcvbnm,./";
constexpr std::u16string_view kPhoneticKeys =
    u"1234567890-^\\"
    u"QWERTYUIOP@["
    u"ASDFGHJKL;:]"
    u"ZXCVBNM,./";
// The shifted characters over the keys; 0 where a label has none.
constexpr std::array<char16_t, kKeyLabelCount> kTriggerLabels = {
    u'!', u'"', u'#', u'$', u'%', u'&', u'\'', u'(', u')', 0, u'=', u'~', u'|',  //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u'`', u'{',                                   //
    0, 0, 0, 0, 0, 0, 0, 0, 0, u'+', u'*', u'}',                                //
    0, 0, 0, 0, 0, 0, 0, u'<', u'>', u'?', u'_'};
static_assert(kRomajiKeys.size() == kKeyButtonCount);
static_assert(kPhoneticKeys.size() == kKeyButtonCount);

constexpr char16_t kTahoma[] = u"Tahoma";
// The form's own font, for the few controls with Japanese captions.
constexpr char16_t kFormFont[] = u"ＭＳ Ｐゴシック";
constexpr int kFormFontSize = 12;

constexpr int kPlainKeySize = 12;
constexpr int kRomajiTriggerSize = 14;
constexpr int kPhoneticTriggerSize = 13;
constexpr int kMsImeLabelSize = 11;
constexpr int kMsImeKeySize = 16;
constexpr int kListButtonSize = 10;

constexpr int kHoverShift = 5;

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// n / d rounded to the nearest integer, halves to the even one (d > 0).
int RoundHalfEven(long long n, long long d) {
    long long q = n / d;
    long long r = n % d;
    if (r < 0) {
        r += d;
        --q;
    }
    if (2 * r > d || (2 * r == d && (q % 2 != 0))) ++q;
    return static_cast<int>(q);
}

// The main window's keyboards have a band in their colour over dark grey;
// the PAD's pages are wholly in it.
KeyboardBackground BackgroundIn(Color color, KeyboardHost host) {
    if (host == KeyboardHost::Pad) return {color, kKeyboardBandHeight, color};
    return {color};
}

// The extension is what follows the last dot of the file name part.
std::u16string ChangeExtension(const std::u16string& name, std::u16string_view ext) {
    const auto pos = name.find_last_of(u".\\:");
    if (pos != std::u16string::npos && name[pos] == u'.')
        return name.substr(0, pos) + std::u16string(ext);
    return name + std::u16string(ext);
}

}  // namespace

// --- Geometry --------------------------------------------------------------------

// Every "trunc(f × k)" of the layout rules is done in integers (k × 7 / 10
// for trunc(0.7 k)): the result is the exact mathematical truncation, with
// no floating-point rounding at multiples of ten.
KeyGeometry TriggerKeyboardGeometry(int sheetWidth, int sheetHeight) {
    KeyGeometry g;
    g.leftMargin = 12;
    g.topMargin = 8;
    g.keyWidth = (sheetWidth - 16) / 13;
    g.rowPitch = (sheetHeight - 16) / 4;
    g.labelHeight = g.rowPitch * 4 / 10;
    g.keyHeight = g.rowPitch * 6 / 10;
    const int k = g.keyWidth;
    g.rowOffsets = {0, k * 5 / 10, k * 7 / 10, k * 12 / 10};
    return g;
}

KeyGeometry MsImeKeyboardGeometry(int sheetWidth, int sheetHeight) {
    KeyGeometry g;
    g.leftMargin = 2;
    g.topMargin = 4;
    g.keyWidth = (sheetWidth - 16) / 13;
    g.rowPitch = (sheetHeight - 8) / 4;
    g.labelHeight = g.rowPitch * 4 / 10;
    g.keyHeight = g.rowPitch * 6 / 10;
    const int k = g.keyWidth;
    g.rowOffsets = {0, k * 13 / 10, k * 14 / 10, k * 2};
    return g;
}

// --- Cells -------------------------------------------------------------------------

std::optional<std::size_t> KeyboardCells::HitTest(int x, int y) const {
    if (hovered_ && cells_[*hovered_].rect.Contains(x, y)) return hovered_;
    for (std::size_t i = cells_.size(); i-- > 0;)
        if (cells_[i].rect.Contains(x, y)) return i;
    return std::nullopt;
}

void KeyboardCells::LayOutKeys(const KeyGeometry& g, bool phoneticRowOne, bool lettersGrow,
                               const std::u16string& keyCaptions) {
    labelAt_ = cells_.size();
    for (int row = 0; row < 4; ++row) {
        const int count = kRowKeyCount[row] + (row == 3 ? 1 : 0);
        for (int pos = 0; pos < count; ++pos) {
            KeyCell label;
            label.kind = CellKind::KeyLabel;
            label.index = kRowFirstKey[row] + pos;
            label.flat = true;
            label.rect = {g.leftMargin + g.rowOffsets[row] + g.keyWidth * pos,
                          g.topMargin + row * g.rowPitch, g.keyWidth, g.labelHeight};
            cells_.push_back(label);
        }
    }
    keyButtonAt_ = cells_.size();
    for (int row = 0; row < 4; ++row) {
        int top = g.topMargin + g.labelHeight + row * g.rowPitch;
        if (row == 0 && !phoneticRowOne) top = g.topMargin + g.rowPitch / 3;
        for (int pos = 0; pos < kRowKeyCount[row]; ++pos) {
            KeyCell key;
            key.kind = CellKind::KeyButton;
            key.index = kRowFirstKey[row] + pos;
            key.text = std::u16string(1, keyCaptions[key.index]);
            key.rect = {g.leftMargin + g.rowOffsets[row] + g.keyWidth * pos, top, g.keyWidth,
                        g.keyHeight};
            if (lettersGrow && IsAsciiLetter(keyCaptions[key.index])) {
                // A letter has no shifted character: the key takes most of the
                // empty label slot above it, its bottom edge one pixel lower.
                const int bottom = key.rect.top + key.rect.height + 1;
                key.rect.height = g.rowPitch * 7 / 10;
                key.rect.top = bottom - key.rect.height;
                cells_[labelAt_ + key.index].rect.height = g.rowPitch * 3 / 10;
            }
            cells_.push_back(key);
        }
    }
}

// --- Romaji and phonetic keyboards ----------------------------------------------------

TriggerKeyboard::TriggerKeyboard(InputSide side, int sheetWidth, int sheetHeight,
                                 const CandTable& table, Settings& settings, KeyboardHost host)
    : side_(side),
      table_(table),
      settings_(settings),
      host_(host),
      geometry_(TriggerKeyboardGeometry(sheetWidth, sheetHeight)) {
    const bool phonetic = side == InputSide::Phonetic;
    const std::u16string captions(phonetic ? kPhoneticKeys : kRomajiKeys);
    LayOutKeys(geometry_, phonetic, true, captions);
    const CellFont plain{kTahoma, kPlainKeySize, false, kAnsiCharset};
    for (int i = 0; i < kKeyLabelCount; ++i) {
        KeyCell& label = MutableLabel(i);
        if (kTriggerLabels[i] != 0) label.text = std::u16string(1, kTriggerLabels[i]);
        label.font = plain;
    }
    for (int i = 0; i < kKeyButtonCount; ++i) MutableKey(i).font = plain;

    const KeyGeometry& g = geometry_;
    const int k = g.keyWidth;
    const int r = g.rowPitch;
    if (host_ == KeyboardHost::MainWindow) {
        const CellFont form{kFormFont, kFormFontSize, false, kShiftJisCharset};
        oneInputAt_ = cells_.size();
        cells_.push_back({CellKind::OneInputBox, 0, {3, 3 * r + 10, 33, 17}, u"直", form});
        reversalAt_ = cells_.size();
        cells_.push_back({CellKind::ReversalBox, 0, {4, 3 * r + 10 + 28, 33, 17}, u"復", form});
    }
    // Right of row 4, where the JIS keyboard has its right Shift.
    cells_.push_back({CellKind::ListButton,
                      0,
                      {12 + k * 12 / 10 + 10 * k + 4, 8 + g.labelHeight + 3 * r + 3, k * 15 / 10,
                       g.keyHeight - 2},
                      u"一覧",
                      {kFormFont, kListButtonSize, false, kShiftJisCharset}});
    ShowTriggerKeys();
    ShowFlags();
}

void TriggerKeyboard::ShowTriggerKeys() {
    for (int i = 0; i < kKeyLabelCount; ++i) {
        KeyCell& label = MutableLabel(i);
        label.enabled = !label.text.empty() && IsTriggerKey(table_, label.text[0]);
    }
    const bool romaji = side_ == InputSide::Foreign;
    for (int i = 0; i < kKeyButtonCount; ++i) {
        KeyCell& key = MutableKey(i);
        key.enabled = IsTriggerKey(table_, key.text[0]);
        // Set back as well as up: after a language switch a key that lost its
        // trigger line must not stay bold.
        key.font.bold = key.enabled && romaji;
        key.font.sizePt = !key.enabled ? kPlainKeySize
                          : romaji     ? kRomajiTriggerSize
                                       : kPhoneticTriggerSize;
    }
}

bool& TriggerKeyboard::OneInputFlag() {
    return side_ == InputSide::Foreign ? settings_.GaOneInpFlg : settings_.PhOneInpFlg;
}

bool& TriggerKeyboard::ReversalFlag() {
    return side_ == InputSide::Foreign ? settings_.GaTriRevFlg : settings_.PhTriRevFlg;
}

void TriggerKeyboard::ShowFlags() {
    if (oneInputAt_) cells_[*oneInputAt_].down = OneInputFlag();
    if (reversalAt_) cells_[*reversalAt_].down = ReversalFlag();
}

KeyboardClick TriggerKeyboard::Click(std::size_t cell) {
    if (cell >= cells_.size() || !cells_[cell].enabled) return {};
    KeyCell& c = cells_[cell];
    switch (c.kind) {
        case CellKind::KeyButton:
        case CellKind::KeyLabel:
            if (c.text.empty() || !IsTriggerKey(table_, c.text[0])) return {};
            return {KeyboardClick::Action::TriggerKey, side_, c.text[0], {}};
        case CellKind::OneInputBox:
        case CellKind::ReversalBox:
            c.down = !c.down;
            (c.kind == CellKind::OneInputBox ? OneInputFlag() : ReversalFlag()) = c.down;
            return {KeyboardClick::Action::FlagChanged, side_, 0, {}};
        case CellKind::ListButton:
            return {KeyboardClick::Action::OpenCandList, side_, 0, {}};
        case CellKind::CapsButton:
            break;
    }
    return {};
}

KeyboardBackground TriggerKeyboard::Background() const {
    return BackgroundIn(side_ == InputSide::Foreign ? settings_.RomanBg : settings_.IpaBg, host_);
}

std::optional<CellRect> TriggerKeyboard::PictureRect(int sheetWidth, int sheetHeight) const {
    if (side_ != InputSide::Foreign || host_ == KeyboardHost::Pad ||
        sheetHeight < kFlagPictureMinSheetHeight)
        return std::nullopt;
    return CellRect{(sheetWidth - kFlagPictureWidth) / 2,
                    kKeyboardBandHeight +
                        (sheetHeight - kKeyboardBandHeight - kFlagPictureHeight) / 2,
                    kFlagPictureWidth, kFlagPictureHeight};
}

// --- MS IME keyboard ------------------------------------------------------------------

MsImeKeyboard::MsImeKeyboard(int sheetWidth, int sheetHeight, int charset, Settings& settings,
                             Platform& platform, KeyboardHost host)
    : settings_(settings),
      platform_(platform),
      host_(host),
      geometry_(MsImeKeyboardGeometry(sheetWidth, sheetHeight)) {
    LayOutKeys(geometry_, false, false, std::u16string(MsImeKeyCaps()));
    for (int i = 0; i < kKeyLabelCount; ++i)
        MutableLabel(i).font = {kTahoma, kMsImeLabelSize, false, charset};
    for (int i = 0; i < kKeyButtonCount; ++i)
        MutableKey(i).font = {kTahoma, kMsImeKeySize, false, charset};

    const KeyGeometry& g = geometry_;
    capsAt_ = cells_.size();
    cells_.push_back({CellKind::CapsButton,
                      0,
                      {2, 4 + g.labelHeight + 3 * g.rowPitch - g.keyHeight / 10,
                       g.keyWidth * 19 / 10, g.keyHeight * 115 / 100},
                      u"CAPS",
                      {kFormFont, kFormFontSize, false, kShiftJisCharset}});
    ShowThaiKeys(ChosenThaiLayout(settings_), false);
}

void MsImeKeyboard::ShowThaiKeys(ThaiLayout layout, bool shifted) {
    const std::u16string_view caps = MsImeKeyCaps();
    for (int i = 0; i < kKeyLabelCount; ++i) {
        KeyCell& label = MutableLabel(i);
        label.text = i < kKeyButtonCount ? std::u16string(1, caps[i]) : std::u16string();
        label.enabled = false;
    }
    const std::u16string_view table = ThaiKeyTable(layout, shifted);
    for (int i = 0; i < kKeyButtonCount; ++i) {
        KeyCell& key = MutableKey(i);
        const char16_t c = table[i];
        key.text = c ? std::u16string(1, c) : std::u16string();
        key.enabled = c != 0;
        key.textColor = IsThaiCombiningMark(c) ? kKeyTextBlue : kKeyTextBlack;
    }
    shownLayout_ = layout;
    shownShifted_ = shifted;
}

void MsImeKeyboard::SetCaps(bool down) {
    capsDown_ = down;
    cells_[capsAt_].down = down;
    ShowThaiKeys(ChosenThaiLayout(settings_), down);
}

KeyboardClick MsImeKeyboard::Click(std::size_t cell) {
    if (cell >= cells_.size() || !cells_[cell].enabled) return {};
    const KeyCell& c = cells_[cell];
    if (c.kind == CellKind::CapsButton) {
        SetCaps(!capsDown_);
        return {KeyboardClick::Action::CapsChanged, InputSide::Foreign, 0, {}};
    }
    if (c.kind != CellKind::KeyButton) return {};
    // A key showing only blanks inserts nothing.
    if (TrimBlanks(c.text).empty()) return {};
    return {KeyboardClick::Action::InsertText, InputSide::Foreign, 0, c.text};
}

bool MsImeKeyboard::Hover(std::optional<std::size_t> cell) {
    if (cell && (*cell >= cells_.size() || cells_[*cell].kind != CellKind::KeyButton ||
                 !cells_[*cell].enabled))
        cell.reset();
    if (cell == hovered_) return false;
    if (hovered_) {
        KeyCell& left = cells_[*hovered_];
        left.rect.width = RoundHalfEven(left.rect.width * 10LL, 13);
        left.rect.height = RoundHalfEven(left.rect.height * 10LL, 13);
        left.font.sizePt = RoundHalfEven(left.font.sizePt * 2LL, 3);
        left.rect.left += kHoverShift;
        left.rect.top += kHoverShift;
    }
    hovered_ = cell;
    if (cell) {
        KeyCell& entered = cells_[*cell];
        entered.rect.width = entered.rect.width * 13 / 10;
        entered.rect.height = entered.rect.height * 13 / 10;
        entered.rect.left -= kHoverShift;
        entered.rect.top -= kHoverShift;
        entered.font.sizePt = entered.font.sizePt * 3 / 2;
    }
    return true;
}

void MsImeKeyboard::KeyDown(std::uint16_t virtualKey) {
    if (virtualKey == kVkShift && !platform_.CapsLockOn())
        ShowThaiKeys(ChosenThaiLayout(settings_), true);
    else if (virtualKey == kVkCapital)
        SetCaps(platform_.CapsLockOn());
}

void MsImeKeyboard::KeyUp(std::uint16_t virtualKey) {
    if (virtualKey == kVkShift && !platform_.CapsLockOn())
        ShowThaiKeys(ChosenThaiLayout(settings_), false);
    else if (virtualKey == kVkCapital)
        SetCaps(platform_.CapsLockOn());
}

ThaiLayout MsImeKeyboard::ImeMenuChecked() const { return ChosenThaiLayout(settings_); }

std::optional<std::u16string> MsImeKeyboard::ChooseImeLayout(ThaiLayout layout) {
    if (layout == ImeMenuChecked()) return std::nullopt;
    settings_.ThaiImeKedFlg = layout == ThaiLayout::Kedmanee;
    ShowThaiKeys(layout, capsDown_);
    return MsImePageCaption(layout);
}

KeyboardBackground MsImeKeyboard::Background() const {
    return BackgroundIn(settings_.MsImeBg, host_);
}

// --- Free functions -----------------------------------------------------------------

std::u16string MsImePageCaption(ThaiLayout layout) {
    return layout == ThaiLayout::Kedmanee ? u"MS IME (Kedmanee)" : u"MS IME (Pattachote)";
}

bool OpenCandList(Platform& platform, const std::u16string& tblFolder,
                  const std::u16string& candFile) {
    const std::u16string page = tblFolder + u"\\" + ChangeExtension(candFile, u".html");
    if (!platform.FileExists(page)) return false;
    platform.ShellOpen(page);
    return true;
}

const std::u16string& CandFileOfSide(const Settings& settings, InputSide side) {
    return side == InputSide::Foreign ? settings.GaCandFile : settings.PhCandFile;
}

}  // namespace tess
