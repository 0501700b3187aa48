#include "transfer/TransferModel.h"

#include <algorithm>

#include "lib/TextConv.h"
#include "lib/FileFailure.h"
#include "lib/TextFile.h"

namespace tess {
namespace {

constexpr char16_t kPadFormName[] = u"PadFrm";

// A negative interval (a hand-edited settings file) runs as the platform's
// shortest one instead of wrapping round to a wait of weeks.
unsigned TimerInterval(std::int32_t ms) { return ms < 0 ? 0u : static_cast<unsigned>(ms); }

}  // namespace

std::u16string TargetCaption(bool held, std::u16string_view title) {
    if (!held) return u"Tessaline";
    std::u16string caption = u"Tessaline    転送先：[ ";
    caption += title;
    caption += u" ]";
    return caption;
}

TransferModel::TransferModel(Platform& platform, Settings& settings, TransferPort& port,
                             std::u16string sysFolder, std::function<std::u16string()> lastPlayedAudio)
    : platform_(platform),
      settings_(settings),
      port_(port),
      sysFolder_(std::move(sysFolder)),
      lastPlayedAudio_(std::move(lastPlayedAudio)) {}

void TransferModel::LanguageChanged(std::u16string name, int charset) {
    languageName_ = std::move(name);
    langCharset_ = charset;
}

TransferModel::~TransferModel() {
    // The callbacks hold this object.
    platform_.StopTimer(kTransTimerId);
    platform_.StopTimer(kPasteTimerId);
}

void TransferModel::ShowTransferMode() {
    port_.ShowTransferModeText(TransferModeDisplay(settings_.TransMode, languageName_));
}

void TransferModel::TRModeClick(int mode) {
    settings_.TransMode = mode;
    ShowTransferMode();
}

void TransferModel::TransferTxt1Execute() {
    ShowTransferMode();

    const InputArea area = SourceAreaOfMode(static_cast<int>(EffectiveTransferMode(settings_.TransMode)));
    port_.FocusArea(area);
    // Entering the area may have changed the mode (AutoTransFlg); the
    // transfer is made in the mode as it is now.
    const TransferMode mode = EffectiveTransferMode(settings_.TransMode);

    const std::u16string whole = port_.AreaText(area);
    const TextSelection selection = port_.AreaSelection(area);
    const bool hadSelection = selection.length > 0;
    const std::u16string text =
        hadSelection ? whole.substr(std::min(selection.start, whole.size()), selection.length)
                     : whole;

    if (!FillClipboard(mode, text)) return;

    // Without a selection the whole text was sent; the caret goes after it,
    // so what comes next (typed, or a word double-clicked in the list) is
    // added there rather than put in place of the sentence. With one, the
    // focus never left the area and the user's selection stands.
    if (!hadSelection) {
        port_.FocusArea(area);
        port_.SelectInArea(area, {whole.size(), 0});
    }
    if (settings_.AutoPasteFlg) StartPaste();
    if (settings_.TransClearFlg) {
        port_.SetAreaText(InputArea::Foreign, u"");
        port_.SetAreaText(InputArea::Phonetic, u"");
    }
}

bool TransferModel::FillClipboard(TransferMode mode, const std::u16string& text) {
    switch (mode) {
        case TransferMode::ForeignRich:
            port_.CopyRichText(RichCopy{RichBuffer::A, text, {}, settings_.UsrMainFont,
                                        langCharset_, settings_.UsrMainFontSize,
                                        RichEditLength(text)});
            return true;
        case TransferMode::ForeignRtf:
        case TransferMode::PhoneticRtf: {
            const bool foreign = mode == TransferMode::ForeignRtf;
            const int charset = foreign ? langCharset_ : 0;
            const int size = foreign ? settings_.UsrMainFontSize : settings_.UsrSubFontSize;
            const std::u16string& font = foreign ? settings_.UsrMainFont : settings_.UsrSubFont;
            if (!WriteWorkRtf(platform_, sysFolder_, charset, size, font, text)) {
                ReportFileFailure(platform_, FileAction::Save, u"ファイル", sysFolder_ + u"\\Work.rtf");
                return false;
            }
            // The buffer loads the document just written to Work.rtf.
            port_.CopyRichText(RichCopy{
                foreign ? RichBuffer::A : RichBuffer::B, text,
                platform_.EncodeCodePage(kAnsiCodePage, BuildRtf(charset, size, font, text)), font,
                charset, size, RichEditLength(text)});
            return true;
        }
        case TransferMode::ForeignHexNcr:
        case TransferMode::PhoneticHexNcr:
            platform_.SetClipboardText(ToHexNcr(text));
            return true;
        case TransferMode::ForeignDecNcr:
        case TransferMode::PhoneticDecNcr:
            platform_.SetClipboardText(ToDecNcr(text));
            return true;
        case TransferMode::ForeignText:
        case TransferMode::PhoneticText:
            break;
    }
    platform_.SetClipboardText(text);
    return true;
}

void TransferModel::OnAreaEntered(InputArea area) {
    if (!settings_.AutoTransFlg) return;
    settings_.TransMode = static_cast<int>(area == InputArea::Foreign ? TransferMode::ForeignRich
                                                                      : TransferMode::PhoneticRtf);
    ShowTransferMode();
}

void TransferModel::OnApplicationActivate() { platform_.StopTimer(kTransTimerId); }

void TransferModel::OnApplicationDeactivate() {
    platform_.StartTimer(kTransTimerId, TimerInterval(settings_.TrTimer),
                         [this] { TransTimerTimer(); });
}

void TransferModel::TransTimerTimer() {
    if (!settings_.AutoPasteFlg) return;
    const WindowId window = platform_.ForegroundWindow();
    std::u16string title = platform_.WindowTitle(window);
    if (title.size() > kMaxTargetTitle) title.resize(kMaxTargetTitle);

    TargetSearchContext context;
    context.mediaPlayerFlg = settings_.MediaPlayerFlg;
    if (context.mediaPlayerFlg && lastPlayedAudio_) context.lastPlayedAudio = lastPlayedAudio_();
    context.currentTarget = targetWindow_;
    if (ExcludeAsTarget(window, title, context) != TargetExclusion::None) return;

    targetWindow_ = window;
    targetTitle_ = std::move(title);
    targetHeld_ = true;
    ShowTargetState();
}

void TransferModel::StartPaste() {
    if (!targetHeld_) return;
    if (platform_.BringToFront(targetWindow_))
        platform_.StartTimer(kPasteTimerId, TimerInterval(settings_.PaTimer),
                             [this] { PasteTimerTimer(); });
    else
        ClearTarget();
}

void TransferModel::PasteTimerTimer() {
    platform_.SendKey(kVkControl, true);
    platform_.SendKey(kVkV, true);
    platform_.SendKey(kVkControl, false);
    platform_.SendKey(kVkV, false);
    platform_.StopTimer(kPasteTimerId);
}

void TransferModel::ClearTarget() {
    targetHeld_ = false;
    targetWindow_ = 0;
    targetTitle_.clear();
    ShowTargetState();
}

void TransferModel::CheckBox3Click(bool checked) {
    settings_.AutoPasteFlg = checked;
    if (!checked) ClearTarget();
}

void TransferModel::ShowTargetState() {
    const std::u16string caption = Caption();
    port_.ShowTarget(TargetIndicator::Main, targetHeld_, caption);
    if (port_.IsFormOpen(kPadFormName))
        port_.ShowTarget(TargetIndicator::Pad, targetHeld_, caption);
}

}  // namespace tess
