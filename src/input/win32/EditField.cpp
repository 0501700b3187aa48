#include "input/win32/EditField.h"

#include <commctrl.h>

#include "input/win32/CandidatePopup.h"

namespace tess {

namespace {

LRESULT CALLBACK TypedCharacterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR data) {
    if (message == WM_CHAR) {
        auto* onChar = reinterpret_cast<std::function<bool(char16_t)>*>(data);
        if (*onChar && (*onChar)(static_cast<char16_t>(wParam))) return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK KeyStrokeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        auto* onKey = reinterpret_cast<std::function<void(unsigned, bool)>*>(data);
        if (*onKey) (*onKey)(static_cast<unsigned>(wParam), message == WM_KEYDOWN);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

FieldText EditField::Read() const {
    FieldText field;
    HWND hwnd = *hwnd_;
    int length = GetWindowTextLengthW(hwnd);
    field.text.assign(static_cast<size_t>(length) + 1, u'\0');
    GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(field.text.data()), length + 1);
    field.text.resize(static_cast<size_t>(length));
    DWORD start = 0, end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    field.selStart = static_cast<int>(start);
    field.selLength = static_cast<int>(end - start);
    return field;
}

void EditField::Apply(const InsertOutcome& outcome) {
    HWND hwnd = *hwnd_;
    // Replacing the selection keeps the scroll position and the undo step.
    SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(outcome.replaceStart),
                 static_cast<LPARAM>(outcome.replaceStart + outcome.replaceLength));
    SendMessageW(hwnd, EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(outcome.inserted.c_str())));
    SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(outcome.caret), static_cast<LPARAM>(outcome.caret));
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
    SetFocus(hwnd);
}

InputField* EditFieldDirectory::Find(FieldId id) {
    auto it = fields_.find(id);
    return it == fields_.end() || !it->second.Handle() ? nullptr : &it->second;
}

std::optional<std::u16string> EditFieldDirectory::RunPopup(CandPopupModel& popup,
                                                           const PopupLook& look, FieldId id,
                                                           int& bandDev) {
    auto it = fields_.find(id);
    HWND field = it == fields_.end() ? nullptr : it->second.Handle();
    HWND owner = field ? GetAncestor(field, GA_ROOT) : GetActiveWindow();
    const PopupPosition position = field ? PopupPositionForCaret(field) : PopupPosition{};
    std::optional<std::u16string> chosen = RunCandidatePopup(owner, popup, look, position, bandDev);
    // Cancelled or not, the user goes on typing where the key came from.
    if (field) SetFocus(field);
    return chosen;
}

void HookTypedCharacters(HWND control, std::function<bool(char16_t)>* onChar) {
    SetWindowSubclass(control, &TypedCharacterProc, 2, reinterpret_cast<DWORD_PTR>(onChar));
}

void HookKeyStrokes(HWND control, std::function<void(unsigned, bool)>* onKey) {
    SetWindowSubclass(control, &KeyStrokeProc, 3, reinterpret_cast<DWORD_PTR>(onKey));
}

}  // namespace tess
