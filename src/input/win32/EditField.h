// An edit control as a field that candidates are written into, and the
// key handler that runs the trigger step for it.
#pragma once

#include <windows.h>

#include <functional>

#include "input/TriggerStep.h"

namespace tess {

class EditField : public InputField {
public:
    // `hwnd` is read at each call: a control that is recreated stays found.
    explicit EditField(HWND* hwnd) : hwnd_(hwnd) {}
    FieldText Read() const override;
    void Apply(const InsertOutcome& outcome) override;

private:
    HWND* hwnd_;
};

// Runs `onChar` for every character typed into the control before the
// control sees it; when it returns true the character is taken (the trigger
// key never reaches the field).
void HookTypedCharacters(HWND control, std::function<bool(char16_t)>* onChar);

// Runs `onKey(virtualKey, down)` for every key press and release in the
// control (the control still gets them).
void HookKeyStrokes(HWND control, std::function<void(unsigned, bool)>* onKey);

}  // namespace tess
