// Edit controls as the input route sees them: fields that candidates are
// written into, the directory the route finds them in, the popup port that
// opens a candidate popup at a field's caret, and the hooks that hand each
// typed character to the route before the control sees it.
#pragma once

#include <windows.h>

#include <functional>
#include <map>

#include "input/InputSession.h"
#include "input/TriggerStep.h"

namespace tess {

class EditField : public InputField {
public:
    // `hwnd` is read at each call: a control that is recreated stays found.
    explicit EditField(HWND* hwnd) : hwnd_(hwnd) {}
    FieldText Read() const override;
    void Apply(const InsertOutcome& outcome) override;
    HWND Handle() const { return *hwnd_; }

private:
    HWND* hwnd_;
};

// The open fields of every window, by FieldId; a window registers its
// fields while it is open. It also shows the candidate popups: at the caret
// of the asking field, modal over that field's window, and the field has
// the focus again when the popup closes.
class EditFieldDirectory : public InputFields, public CandidatePopupPort {
public:
    void Register(FieldId id, HWND* hwnd) { fields_.insert_or_assign(id, EditField(hwnd)); }
    void Unregister(FieldId id) { fields_.erase(id); }

    InputField* Find(FieldId id) override;
    std::optional<std::u16string> RunPopup(CandPopupModel& popup, const PopupLook& look,
                                           FieldId field, int& bandDev) override;

private:
    std::map<FieldId, EditField> fields_;
};

// Runs `onChar` for every character typed into the control before the
// control sees it; when it returns true the character is taken (the trigger
// key never reaches the field).
void HookTypedCharacters(HWND control, std::function<bool(char16_t)>* onChar);

// Runs `onKey(virtualKey, down)` for every key press and release in the
// control (the control still gets them).
void HookKeyStrokes(HWND control, std::function<void(unsigned, bool)>* onKey);

}  // namespace tess
