// Trigger-key input: what a key typed into an input field does.
//
// Two sides take trigger keys, each with its own tables and buffer in
// InputTables: the phonetic side (IPA, popup TCandFrm) and the foreign side
// (Thai, Myanmar, Lao, Khmer, popup TBandFrm). Every field that takes trigger
// keys runs TriggerStep from its key-press handler and names itself by a
// requester; the step fills the side's buffer, remembers the requester and
// returns what the view has to do, as plain data:
//
//   PassKey     the key is typed into the field as usual;
//   InsertText  insert `text` into the requester's field (one-key input);
//   OpenPopup   show the side's popup modally over the side's buffer.
//
// After InsertText or OpenPopup the key itself never reaches the field, even
// when the popup is cancelled. The chosen or lone candidate goes into the
// field of the side's current requester through InsertPhonetic /
// InsertForeign, which the views reach through the InputFields directory.
#pragma once

#include <optional>
#include <string>

#include "input/InputModes.h"
#include "input/InputTables.h"

namespace tess {

struct Settings;

// The field that asked last, one per side; the popup writes there.
enum Requester : int {
    ReqNone = -1,
    ReqMain = 1,      // main window: Edit1 (phonetic), Memo1 (foreign)
    ReqRegister = 2,  // registration dialog: phonetic symbols / foreign word field
    ReqModify = 3,    // edit dialog: phonetic symbols / foreign word field
    ReqSearch = 4,    // search dialog: SeaEdit, one control for both sides
    ReqPad = 5,       // PAD window: Edit1, one control for both sides
};

enum class InputSide { Phonetic, Foreign };


// Whether the foreign side looks at the input mode. Typed keys in the main
// window and the dialogs apply the gate (outside a romaji mode the Latin
// keys are plain text); the PAD line and on-screen key clicks skip it, since
// the PAD's page and the clicked keyboard already say which side is meant.
// The phonetic side never has a gate.
enum class ModeGate { Apply, Skip };

// Where a key comes from: the side whose tables answer, the requester the
// popup writes back to, and the gate.
struct KeySource {
    InputSide side;
    Requester requester;
    ModeGate gate = ModeGate::Apply;
    bool operator==(const KeySource&) const = default;
};

// The sources of the fields whose side never changes.
inline constexpr KeySource kMainPhoneticKeys{InputSide::Phonetic, ReqMain};
inline constexpr KeySource kMainForeignKeys{InputSide::Foreign, ReqMain};
inline constexpr KeySource kRegisterPhoneticKeys{InputSide::Phonetic, ReqRegister};
inline constexpr KeySource kRegisterForeignKeys{InputSide::Foreign, ReqRegister};
inline constexpr KeySource kModifyPhoneticKeys{InputSide::Phonetic, ReqModify};
inline constexpr KeySource kModifyForeignKeys{InputSide::Foreign, ReqModify};
// A click on a key of the main window's romaji or phonetic keyboard.
inline constexpr KeySource kRomajiKeyboardClick{InputSide::Foreign, ReqMain, ModeGate::Skip};
inline constexpr KeySource kPhoneticKeyboardClick{InputSide::Phonetic, ReqMain, ModeGate::Skip};
// A click on a key of the PAD's romaji or phonetic page.
inline constexpr KeySource kPadRomajiClick{InputSide::Foreign, ReqPad, ModeGate::Skip};
inline constexpr KeySource kPadPhoneticClick{InputSide::Phonetic, ReqPad, ModeGate::Skip};

// The search field takes foreign keys (gated) while its chooser is on the
// foreign word (item 0), phonetic keys on the phonetic symbols (item 1), and
// no trigger keys on any other item.
std::optional<KeySource> SearchFieldKeys(int chooserIndex);
// The PAD line takes foreign keys without the gate on page 0, phonetic keys
// on page 2; on page 1 (MS IME) the Thai layout types the characters.
std::optional<KeySource> PadLineKeys(int pageIndex);

// The flags read at each key press.
struct SideFlags {
    bool triggerReversal = false;  // PhTriRevFlg / GaTriRevFlg: the key itself into slot 10
    bool oneKeyInput = true;       // PhOneInpFlg / GaOneInpFlg: a lone candidate goes in at once
    bool operator==(const SideFlags&) const = default;
};

struct TriggerSettings {
    int inputMode = kModeThaiRomaji;
    SideFlags phonetic;
    SideFlags foreign;
    const SideFlags& Of(InputSide side) const {
        return side == InputSide::Phonetic ? phonetic : foreign;
    }
};

TriggerSettings TriggerSettingsOf(const Settings& settings);

// PhRequester and GaRequester. They stay set after the popup closes; the
// next trigger step of the side overwrites them.
struct Requesters {
    Requester PhRequester = ReqNone;
    Requester GaRequester = ReqNone;
    Requester Of(InputSide side) const {
        return side == InputSide::Phonetic ? PhRequester : GaRequester;
    }
};

struct TriggerResult {
    enum Action { PassKey, InsertText, OpenPopup };
    Action action = PassKey;
    std::u16string text;  // InsertText: the lone candidate
    InputSide side = InputSide::Phonetic;
    Requester requester = ReqNone;
    // True when the key must not reach the field.
    bool KeyTaken() const { return action != PassKey; }
    bool operator==(const TriggerResult&) const = default;
};

// One key press in a field. On a trigger key it fills the side's buffer in
// `tables` (slot 10 = the key when trigger reversal is on) and sets the
// side's requester; any other key changes nothing and passes.
TriggerResult TriggerStep(InputTables& tables, Requesters& requesters,
                          const TriggerSettings& settings, const KeySource& source,
                          char16_t key);

// --- Inserting into a field ---------------------------------------------------

// The fields that receive candidates, as the views know them.
enum class FieldId {
    None,
    MainPhonetic,      // main window, phonetic line
    MainForeign,      // main window, foreign-language area
    RegisterPhonetic,
    RegisterForeign,
    ModifyPhonetic,
    ModifyForeign,
    SearchEdit,     // SeaEdit, both sides
    PadEdit1,       // the PAD line, both sides
};

// The field a side's requester names; None for ReqNone or an unknown value.
FieldId FieldOf(InputSide side, Requester requester);

// A field's text and selection in UTF-16 code units, as the control reports them.
struct FieldText {
    std::u16string text;
    int selStart = 0;
    int selLength = 0;
};

// What an insertion does: the range [replaceStart, replaceStart +
// replaceLength) of the old text is replaced by `inserted` (the view selects
// it and replaces the selection, which keeps the control's scroll position
// and undo), giving `text`; the caret then sits at `caret` with nothing
// selected.
struct InsertOutcome {
    int replaceStart = 0;
    int replaceLength = 0;
    std::u16string inserted;
    std::u16string text;
    int caret = 0;
    bool operator==(const InsertOutcome&) const = default;
};

// The selection (clamped to the text) is replaced by `inserted` and the
// caret ends behind it, in every field on both sides. The main window's
// Edit1 has a rule of its own for an empty field (the inserted text becomes
// its whole text, the caret goes to the end); the general rule gives exactly
// that, whatever stale selection the control reports, so it needs no branch.
InsertOutcome InsertIntoField(const FieldText& field, const std::u16string& inserted);

// One open field of a view.
class InputField {
public:
    virtual ~InputField() = default;
    virtual FieldText Read() const = 0;
    // Carries out the outcome and gives the field the focus.
    virtual void Apply(const InsertOutcome& outcome) = 0;
};

// The views' directory of open fields: a dialog registers its fields while
// it is open. Find returns null for a field that is not open.
class InputFields {
public:
    virtual ~InputFields() = default;
    virtual InputField* Find(FieldId field) = 0;
};

// Write text into the field of the side's current requester; false when the
// requester names no open field (nothing is written then).
bool InsertPhonetic(InputFields& fields, const Requesters& requesters, const std::u16string& text);
bool InsertForeign(InputFields& fields, const Requesters& requesters, const std::u16string& text);
bool InsertForSide(InputFields& fields, const Requesters& requesters, InputSide side,
                   const std::u16string& text);

}  // namespace tess
