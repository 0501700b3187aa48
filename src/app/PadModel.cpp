#include "app/PadModel.h"

#include <algorithm>
#include <string>

#include "app/MainModel.h"
#include "input/InputModes.h"
#include "input/KeyboardLayouts.h"
#include "input/TriggerStep.h"
#include "lib/Blanks.h"
#include "lib/Charsets.h"
#include "lib/WholeNumber.h"

namespace tess {

// The pages are asked of the keyboard set by their numbers.
static_assert(static_cast<int>(PadPage::Romaji) == KeyboardSet::kRomaji &&
              static_cast<int>(PadPage::MsIme) == KeyboardSet::kMsIme &&
              static_cast<int>(PadPage::Phonetic) == KeyboardSet::kPhonetic);

namespace {

constexpr char16_t kRomajiPageSuffix[] = u"ローマ字";
constexpr char16_t kPhoneticPageCaption[] = u"発音記号";
constexpr char16_t kEnter = u'\r';

}  // namespace

PadModel::PadModel(MainModel& main, TransferPort& transferPort, PadPort& port)
    : main_(main), transferPort_(transferPort), port_(port) {}

PadModel::~PadModel() = default;

// --- Life ------------------------------------------------------------------------------

void PadModel::Open() {
    WordBooks& books = main_.wordBooks();
    if (books.List().Store().IsOpen()) books.CloseWordBook();
    port_.HideMainWindow();
}

void PadModel::Create(int sheetWidth, int sheetHeight) {
    Settings& s = main_.settings();
    const LanguageState& language = main_.language();

    // 1. CheckBox1 shows the automatic paste.
    port_.SetAutoPasteCheck(s.AutoPasteFlg);

    // 2. and 3. The line in the foreign area's font, larger; the buffer in
    //    the same font at the transfer's size, taken from the main window's.
    bufferFont_ = FontLook{s.UsrMainFont, language.LangCharset, s.UsrMainFontSize};
    port_.SetLineText(u"");
    port_.SetLineFont(FontLook{s.UsrMainFont, language.LangCharset, kPadLineFontSize});
    port_.SetLineBackground(std::nullopt);
    // The line takes romaji as keys, never as Japanese composition.
    port_.DisableLineIme();

    // 4. The size box.
    port_.SetSizeBoxItems(FillNumberItems(kPadFontSizeFirst, kPadFontSizeLast));
    port_.SetSizeBoxText(WholeNumberText(bufferFont_.sizePt));
    clearChecked_ = true;
    port_.SetClearCheck(true);

    // 5. The pages and their keyboards, built for the PAD's own page size.
    InputTables& tables = main_.tables();
    port_.SetPageCaption(PadPage::Romaji, language.LanguageName + kRomajiPageSuffix);
    port_.SetPageCaption(PadPage::MsIme, MsImePageCaption(ChosenThaiLayout(s)));
    port_.SetPageCaption(PadPage::Phonetic, kPhoneticPageCaption);
    keyboards_.Build(sheetWidth, sheetHeight, tables, s, main_.platform(), KeyboardHost::Pad);
}

void PadModel::Show() {
    const Settings& s = main_.settings();
    const PadPosition& pos = main_.padPos();
    port_.PlaceWindow(kPadWindowWidth, kPadWindowHeight,
                      pos.left < 0 ? std::nullopt : std::optional<PadPosition>(pos));
    port_.SetCaption(kPadCaption);
    port_.ShowTarget(main_.transfer().TargetHeld());
    // The Myanmar, Lao and Khmer modes have no Thai keyboard to offer.
    imePageVisible_ = s.InputMode <= kModeAlphanumeric;
    port_.SetImePageVisible(imePageVisible_);
    page_ = PadPage::Romaji;
    port_.SelectPage(page_);
    port_.Present();
    port_.FocusLine();
}

void PadModel::Close() {
    Settings& s = main_.settings();
    main_.padPos() = port_.WindowPosition();
    if (s.InputMode == kModeThaiRomaji) main_.layouts().RestoreStartupLayout();
    else if (s.InputMode == kModeThaiMsIme) main_.layouts().ActivateThaiLayout();
    // The main window's box runs its own click handler when it must change.
    if (port_.MainAutoPasteChecked() != s.AutoPasteFlg) {
        port_.SetMainAutoPasteCheck(s.AutoPasteFlg);
        main_.transfer().CheckBox3Click(s.AutoPasteFlg);
    }
    port_.ShowMainWindow();
}

// --- Pages ---------------------------------------------------------------------------------

int PadModel::TabIndexOf(PadPage page) const {
    const int index = static_cast<int>(page);
    return !imePageVisible_ && page == PadPage::Phonetic ? index - 1 : index;
}

PadPage PadModel::PageAtTab(int tabIndex) const {
    if (!imePageVisible_ && tabIndex >= 1) ++tabIndex;
    return static_cast<PadPage>(std::clamp(tabIndex, 0, 2));
}

void PadModel::ApplyPageFonts() {
    const Settings& s = main_.settings();
    const bool phonetic = page_ == PadPage::Phonetic;
    const std::u16string& face = phonetic ? s.UsrSubFont : s.UsrMainFont;
    const int charset = phonetic ? kAnsiCharset : main_.language().LangCharset;
    bufferFont_ = FontLook{face, charset, bufferFont_.sizePt};
    port_.SetLineFont(FontLook{face, charset, kPadLineFontSize});
    port_.SetLineBackground(phonetic ? std::optional<Color>(s.CandBg) : std::nullopt);
    port_.DisableLineIme();
}

void PadModel::PageChanged(int tabIndex) {
    page_ = PageAtTab(tabIndex);
    ApplyPageFonts();
    if (page_ == PadPage::MsIme) main_.layouts().ActivateThaiLayout();
    else main_.layouts().RestoreStartupLayout();
    port_.FocusLine();
}

// --- The line --------------------------------------------------------------------------------

void PadModel::LineEntered() {
    if (page_ == PadPage::MsIme) main_.layouts().ActivateThaiLayout();
    else main_.layouts().RestoreStartupLayout();
}

bool PadModel::LineKeyPressed(char16_t key) {
    if (key == kEnter && !TrimBlanks(port_.LineText()).empty()) {
        PadTransfer();
        return true;
    }
    // The page says which side the keys are for; the MS IME page types
    // through the Thai layout.
    const std::optional<KeySource> source = PadLineKeys(static_cast<int>(page_));
    return source && main_.input().KeyTyped(*source, key);
}

void PadModel::LineKeyStroke(std::uint16_t virtualKey, bool down) {
    if (page_ != PadPage::MsIme || !keyboards_.Ime()) return;
    if (down) keyboards_.Ime()->KeyDown(virtualKey);
    else keyboards_.Ime()->KeyUp(virtualKey);
    port_.RepaintKeyboard(PadPage::MsIme);
}

bool PadModel::FormKeyDown(std::uint16_t virtualKey) {
    if (virtualKey != kVkF9) return false;
    PadTransfer();
    return true;
}

// --- Panel1 ------------------------------------------------------------------------------------

void PadModel::PadTransfer() {
    port_.FocusLine();
    const std::u16string line = port_.LineText();
    const TextSelection selection = port_.LineSelection();
    const bool hadSelection = selection.length > 0;
    const std::u16string text =
        hadSelection ? line.substr(std::min(selection.start, line.size()), selection.length)
                     : line;

    transferPort_.CopyRichText(RichCopy{RichBuffer::C, text, {}, bufferFont_.face,
                                        bufferFont_.charset, bufferFont_.sizePt,
                                        RichEditLength(text)});

    // The whole line went: the line shows so. A selection stays as it was.
    if (!hadSelection) {
        port_.FocusLine();
        port_.SelectInLine({0, line.size()});
    }
    if (main_.settings().AutoPasteFlg) main_.transfer().StartPaste();
    if (clearChecked_) {
        port_.SetLineText(u"");
        port_.FocusLine();
    }
}

void PadModel::AutoPasteClicked(bool checked) {
    main_.settings().AutoPasteFlg = checked;
    if (!checked) main_.transfer().ClearTarget();
}

void PadModel::ClearBoxClicked(bool checked) { clearChecked_ = checked; }

void PadModel::FontSizeChanged(const std::u16string& text) {
    // Text on its way to a number ("", "-") and sizes no font has leave the
    // size as it was.
    const std::optional<int> size = ReadWholeNumber(text);
    if (size && *size > 0) bufferFont_.sizePt = *size;
}

// --- Keyboards ------------------------------------------------------------------------------------

const KeyboardCells* PadModel::KeyboardOf(PadPage page) const {
    return keyboards_.Of(static_cast<int>(page));
}

KeyboardBackground PadModel::KeyboardBackgroundOf(PadPage page) const {
    return keyboards_.BackgroundOf(static_cast<int>(page));
}

void PadModel::KeyboardClicked(PadPage page, std::size_t cell) {
    const KeyboardClick click = keyboards_.Click(static_cast<int>(page), cell);
    switch (click.action) {
        case KeyboardClick::Action::TriggerKey:
            main_.input().KeyClicked(
                click.side == InputSide::Phonetic ? kPadPhoneticClick : kPadRomajiClick, click.key);
            break;
        case KeyboardClick::Action::InsertText:
            // A Thai key types into the PAD's line.
            main_.input().InsertInto(FieldId::PadEdit1, click.text);
            break;
        case KeyboardClick::Action::OpenCandList:
            OpenCandList(main_.platform(), main_.folders().TblFolder,
                         CandFileOfSide(main_.settings(), click.side));
            break;
        default:
            break;
    }
    port_.RepaintKeyboard(page);
}

bool PadModel::ImeKeyboardHover(std::optional<std::size_t> cell) {
    return keyboards_.Ime() && keyboards_.Ime()->Hover(cell);
}

}  // namespace tess
