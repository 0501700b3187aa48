#include "input/TriggerStep.h"

#include <algorithm>

#include "settings/Settings.h"

namespace tess {

std::optional<KeySource> SearchFieldKeys(int chooserIndex) {
    switch (chooserIndex) {
        case 0: return KeySource{InputSide::Foreign, ReqSearch, ModeGate::Apply};
        case 1: return KeySource{InputSide::Phonetic, ReqSearch, ModeGate::Apply};
        default: return std::nullopt;
    }
}

std::optional<KeySource> PadLineKeys(int pageIndex) {
    switch (pageIndex) {
        case 0: return KeySource{InputSide::Foreign, ReqPad, ModeGate::Skip};
        case 2: return KeySource{InputSide::Phonetic, ReqPad, ModeGate::Skip};
        default: return std::nullopt;
    }
}

TriggerSettings TriggerSettingsOf(const Settings& settings) {
    TriggerSettings result;
    result.inputMode = settings.InputMode;
    result.phonetic = SideFlags{settings.PhTriRevFlg, settings.PhOneInpFlg};
    result.foreign = SideFlags{settings.GaTriRevFlg, settings.GaOneInpFlg};
    return result;
}

TriggerResult TriggerStep(InputTables& tables, Requesters& requesters,
                          const TriggerSettings& settings, const KeySource& source,
                          char16_t key) {
    const bool phonetic = source.side == InputSide::Phonetic;
    TriggerResult result;
    result.side = source.side;

    if (!phonetic && source.gate == ModeGate::Apply && !IsRomajiMode(settings.inputMode)) {
        return result;
    }
    const CandTable& table = phonetic ? tables.PhCandTable : tables.GaCandTable;
    if (!IsTriggerKey(table, key)) return result;

    CandBuf& buffer = phonetic ? tables.PhCandBuf : tables.GaCandBuf;
    LookupCandidates(table, key, buffer);
    const SideFlags& flags = settings.Of(source.side);
    if (flags.triggerReversal) buffer[9] = key;
    (phonetic ? requesters.PhRequester : requesters.GaRequester) = source.requester;
    result.requester = source.requester;

    // With trigger reversal the key itself sits in slot 10, so a lone
    // candidate is no longer alone and the popup opens.
    const std::u16string single = flags.oneKeyInput ? SingleCandidate(buffer) : std::u16string();
    if (!single.empty()) {
        result.action = TriggerResult::InsertText;
        result.text = single;
    } else {
        result.action = TriggerResult::OpenPopup;
    }
    return result;
}

FieldId FieldOf(InputSide side, Requester requester) {
    const bool phonetic = side == InputSide::Phonetic;
    switch (requester) {
        case ReqMain: return phonetic ? FieldId::MainPhonetic : FieldId::MainForeign;
        case ReqRegister: return phonetic ? FieldId::RegisterPhonetic : FieldId::RegisterForeign;
        case ReqModify: return phonetic ? FieldId::ModifyPhonetic : FieldId::ModifyForeign;
        case ReqSearch: return FieldId::SearchEdit;
        case ReqPad: return FieldId::PadEdit1;
        default: return FieldId::None;
    }
}

InsertOutcome InsertIntoField(const FieldText& field, const std::u16string& inserted) {
    const int size = static_cast<int>(field.text.size());
    // A control can report a selection past the end (text changed behind its
    // back); clamp it rather than cut out of range.
    const int start = std::clamp(field.selStart, 0, size);
    const int length = std::clamp(field.selLength, 0, size - start);
    InsertOutcome outcome;
    outcome.replaceStart = start;
    outcome.replaceLength = length;
    outcome.inserted = inserted;
    outcome.text = field.text;
    outcome.text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length),
                         inserted);
    outcome.caret = start + static_cast<int>(inserted.size());
    return outcome;
}

bool InsertForSide(InputFields& fields, const Requesters& requesters, InputSide side,
                   const std::u16string& text) {
    const FieldId id = FieldOf(side, requesters.Of(side));
    InputField* field = id == FieldId::None ? nullptr : fields.Find(id);
    if (field == nullptr) return false;
    field->Apply(InsertIntoField(field->Read(), text));
    return true;
}

bool InsertPhonetic(InputFields& fields, const Requesters& requesters, const std::u16string& text) {
    return InsertForSide(fields, requesters, InputSide::Phonetic, text);
}

bool InsertForeign(InputFields& fields, const Requesters& requesters, const std::u16string& text) {
    return InsertForSide(fields, requesters, InputSide::Foreign, text);
}

}  // namespace tess
