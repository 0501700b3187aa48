#include "input/InputSession.h"

namespace tess {

PopupLook PopupLookOf(const Settings& settings, InputSide side, int foreignCharset) {
    if (side == InputSide::Phonetic) return {settings.UsrSubFont, 0, settings.CandBg};
    return {settings.UsrMainFont, foreignCharset, settings.BandBg};
}

bool InputSession::KeyTyped(const KeySource& source, char16_t key) {
    if (key < u' ') return false;
    return Carry(source, key);
}

bool InputSession::Carry(const KeySource& source, char16_t key) {
    const TriggerResult result =
        TriggerStep(tables_, requesters_, TriggerSettingsOf(settings_), source, key);
    switch (result.action) {
        case TriggerResult::PassKey: return false;
        case TriggerResult::InsertText: Insert(result.side, result.text); return true;
        case TriggerResult::OpenPopup: OfferPopup(result.side); return true;
    }
    return false;
}

void InputSession::OfferPopup(InputSide side) {
    const bool phonetic = side == InputSide::Phonetic;
    CandPopupModel popup(side, phonetic ? tables_.PhCandBuf : tables_.GaCandBuf,
                         phonetic ? tables_.PhNameTable : tables_.GaNameTable, settings_.BandDev);
    // The popup takes the keys through a field of its own that never types
    // Thai: in the Thai keyboard mode the start-up layout comes back while it
    // shows, so digits pick candidates. The asking field's focus handler
    // brings the Thai layout back when the popup closes.
    if (layouts_) layouts_->PlainFieldEntered(settings_.InputMode);
    const FieldId field = FieldOf(side, requesters_.Of(side));
    const std::optional<std::u16string> chosen = popups_.RunPopup(
        popup, PopupLookOf(settings_, side, foreignCharset_), field, settings_.BandDev);
    if (chosen) Insert(side, *chosen);
}

bool InputSession::Insert(InputSide side, const std::u16string& text) {
    return InsertForSide(fields_, requesters_, side, text);
}

bool InputSession::InsertInto(FieldId id, const std::u16string& text) {
    InputField* field = fields_.Find(id);
    if (field == nullptr) return false;
    field->Apply(InsertIntoField(field->Read(), text));
    return true;
}

}  // namespace tess
