#include "input/CandPopupModel.h"

#include "lib/Blanks.h"

#include <algorithm>

namespace tess {

namespace {

bool ValidCell(int cell) { return cell >= 0 && cell < kCellCount; }

bool Within(int value, int start, int length) { return value >= start && value < start + length; }

}  // namespace

std::u16string DigitLabel(int cell) {
    if (!ValidCell(cell)) return {};
    return std::u16string(1, cell == 9 ? u'0' : static_cast<char16_t>(u'1' + cell));
}

PopupRect PopupCellRect(int cell) {
    return {kCellRowLeft + kCellLeft + kCellPitch * cell, kCellRowTop + kCellTop, kCellWidth,
            kCellHeight};
}

PopupRect PanelRect(InputSide side) {
    return {kPanelLeft, 0, kPanelWidth,
            side == InputSide::Foreign ? kBandPanelHeight : kCandPanelHeight};
}

std::vector<PopupControlPlace> PanelControls(InputSide side) {
    std::vector<PopupControlPlace> controls{
        {PopupControl::CloseButton, {kPanelLeft, 0, kPanelWidth, kCandPanelHeight}, kCloseHint}};
    if (side == InputSide::Foreign) {
        controls.push_back({PopupControl::FsLab, {kPanelLeft + 5, 23, 15, 15}, u""});
        controls.push_back({PopupControl::UpDown, {kPanelLeft + 2, 40, 17, 25}, kUpDownHint});
    }
    return controls;
}

PopupHit HitTestPopup(InputSide side, int x, int y) {
    const int panelHeight = side == InputSide::Foreign ? kBandPanelHeight : kCandPanelHeight;
    if (Within(x, kPanelLeft, kPanelWidth) && Within(y, 0, panelHeight)) {
        return {PopupHit::Panel, -1};
    }
    if (!Within(x, kCellRowLeft, kCellRowWidth) || !Within(y, kCellRowTop, kCellRowHeight)) {
        return {PopupHit::Background, -1};
    }
    const int rowX = x - kCellRowLeft - kCellLeft;
    const int rowY = y - kCellRowTop - kCellTop;
    if (rowX >= 0 && Within(rowY, 0, kCellHeight)) {
        const int cell = rowX / kCellPitch;
        if (ValidCell(cell) && rowX % kCellPitch < kCellWidth) return {PopupHit::Cell, cell};
    }
    return {PopupHit::CellRowGap, -1};
}

PopupPosition PlacePopup(const PopupAnchor& anchor, int width, int height) {
    const int caretTop = anchor.fieldTop + anchor.caretY;
    PopupPosition position;
    position.left = anchor.fieldLeft + anchor.caretX;
    position.top = caretTop - height - kPopupCaretGap;
    if (position.left + width > anchor.screenWidth) {
        position.left = anchor.screenWidth - width - kPopupCaretGap;
    }
    if (position.top < anchor.screenTop) {
        position.top = caretTop + anchor.lineHeight + kPopupCaretGap;
    }
    return position;
}

int ClampBandDev(int bandDev) { return std::clamp(bandDev, kBandDevMin, kBandDevMax); }

std::u16string BandDevLabel(int bandDev) {
    std::u16string digits;
    const long long magnitude = bandDev < 0 ? -static_cast<long long>(bandDev) : bandDev;
    for (long long rest = magnitude; rest > 0 || digits.empty(); rest /= 10) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
    }
    const char16_t sign = bandDev > 0 ? u'+' : bandDev < 0 ? u'-' : u' ';
    return sign + digits;
}

CandPopupModel::CandPopupModel(InputSide side, const CandBuf& buffer, const NameTable& names,
                               int bandDev)
    : side_(side), buffer_(buffer), bandDev_(ClampBandDev(bandDev)) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        japanese_[cell] = LookupName(names, buffer_[cell], NameJapanese);
        english_[cell] = LookupName(names, buffer_[cell], NameEnglish);
        notes_[cell] = LookupName(names, buffer_[cell], NameNote);
    }
}

std::u16string CandPopupModel::CellText(int cell) const {
    // A slot holds one code unit; trimming blanks (up to U+0020) leaves it
    // whole or empty.
    if (!ValidCell(cell) || IsBlank(buffer_[cell])) return {};
    return std::u16string(1, buffer_[cell]);
}

CellFill CandPopupModel::CellFillOf(int cell) const {
    if (cell == highlight_) return CellFill::Highlight;
    return CellText(cell).empty() ? CellFill::Empty : CellFill::Filled;
}

std::u16string CandPopupModel::CellHint(int cell) const {
    return ValidCell(cell) ? notes_[cell] : std::u16string();
}

std::u16string CandPopupModel::JapaneseNameLabel() const {
    const std::u16string prefix =
        side_ == InputSide::Phonetic ? u"日本語名：" : u"日本語名： ";
    return prefix + japanese_[highlight_];
}

std::u16string CandPopupModel::EnglishNameLabel() const {
    return u"Note: " + english_[highlight_];
}

std::vector<PopupLabel> CandPopupModel::Labels(TextMeasurer& measurer) const {
    auto measured = [&measurer](std::u16string text, const FontLook& font, int left, int top) {
        const TextExtent extent = measurer.Measure(font.charset, font.face, font.sizePt, text);
        return PopupLabel{std::move(text), font, {left, top, extent.width, extent.height}};
    };
    std::vector<PopupLabel> labels;
    for (int cell = 0; cell < kCellCount; ++cell) {
        labels.push_back(measured(DigitLabel(cell), kDigitLabelFont,
                                  kDigitLabelLeft + kCellPitch * cell, kDigitLabelTop));
    }
    labels.push_back(
        measured(JapaneseNameLabel(), kJapaneseNameFont, kJapaneseNameLeft, kJapaneseNameTop));
    const int englishLeft = labels.back().rect.Right() + kEnglishNameGap;
    const int room = kNameLabelsRight - englishLeft;
    FontLook font = kEnglishNameFont;
    std::u16string text = EnglishNameLabel();
    PopupLabel english = measured(text, font, englishLeft, kEnglishNameTop);
    while (english.rect.width > room && font.sizePt > kEnglishNameLeastSize) {
        --font.sizePt;
        english = measured(text, font, englishLeft, kEnglishNameTop);
    }
    while (english.rect.width > room && !text.empty()) {
        text.pop_back();
        if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
        english = measured(text + u"…", font, englishLeft, kEnglishNameTop);
    }
    labels.push_back(std::move(english));
    return labels;
}

PopupAction CandPopupModel::UpDownClicked(int position) {
    if (closed_ || side_ != InputSide::Foreign) return {};
    bandDev_ = ClampBandDev(position);
    PopupAction action;
    action.redraw = true;
    return action;
}

int CandPopupModel::CellFontSize(int fittedSize) const {
    return side_ == InputSide::Foreign ? fittedSize + bandDev_ : fittedSize;
}

PopupAction CandPopupModel::Close(std::optional<std::u16string> insert) {
    PopupAction action;
    action.stopTimer = timerRunning_;
    action.insert = std::move(insert);
    action.close = true;
    timerRunning_ = false;
    closed_ = true;
    return action;
}

PopupAction CandPopupModel::KeyDown(int virtualKey) {
    if (closed_) return {};
    PopupAction action;
    switch (virtualKey) {
        case kVkEscape:
        case kVkBack:
            return Close(std::nullopt);
        case kVkReturn:
            // An empty cell still hands over the empty string: it replaces
            // the field's selection.
            return Close(CellText(highlight_));
        case kVkSpace:
        case kVkRight:
            highlight_ = (highlight_ + 1) % kCellCount;
            action.redraw = true;
            return action;
        case kVkLeft:
            highlight_ = (highlight_ + kCellCount - 1) % kCellCount;
            action.redraw = true;
            return action;
        default:
            return action;
    }
}

PopupAction CandPopupModel::KeyPress(char16_t character) {
    if (closed_ || character < u'0' || character > u'9') return {};
    highlight_ = character == u'0' ? 9 : character - u'1';
    std::u16string text = CellText(highlight_);
    if (text.empty()) return Close(std::nullopt);
    return Close(std::move(text));
}

PopupAction CandPopupModel::CellClicked(int cell) {
    if (closed_ || !ValidCell(cell)) return {};
    highlight_ = cell;
    timerRunning_ = true;
    PopupAction action;
    action.startTimer = true;
    action.redraw = true;
    return action;
}

PopupAction CandPopupModel::TimerFired() {
    if (closed_ || !timerRunning_) return {};
    return Close(CellText(highlight_));
}

PopupAction CandPopupModel::CloseClicked() {
    if (closed_) return {};
    return Close(std::nullopt);
}

}  // namespace tess
