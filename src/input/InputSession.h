// The one route every trigger key takes, from whichever field or on-screen
// key it comes: the trigger step, the side's popup and the insertion into
// the field of the side's requester.
//
// One InputSession lives for the whole run, owned by the main window's
// model; it owns the two requesters. A field that takes trigger keys (the
// main window's two areas, the registration and edit fields, the search box,
// the PAD line) joins by naming its KeySource when a key is typed into it
// and by being findable in the views' InputFields directory under its
// FieldId; it never copies the route.
//
// The popup is shown through CandidatePopupPort: the view runs the popup
// model modally and says what was chosen. Tests drive the same route with a
// fake port.
#pragma once

#include <optional>
#include <string>

#include "input/CandPopupModel.h"
#include "input/InputTables.h"
#include "input/KeyboardLayouts.h"
#include "input/TriggerStep.h"
#include "lib/ColorText.h"
#include "settings/Settings.h"

namespace tess {

// How a side's popup looks: the side's font (UsrSubFont in the ANSI
// character set, or UsrMainFont in the language's) and colour (CandBg or
// BandBg).
struct PopupLook {
    std::u16string face;
    int charset = 0;
    Color background = 0;
    bool operator==(const PopupLook&) const = default;
};

PopupLook PopupLookOf(const Settings& settings, InputSide side, int foreignCharset);

class CandidatePopupPort {
public:
    virtual ~CandidatePopupPort() = default;
    // Shows the popup at the caret of `field`, modally, until the model
    // closes; returns the text it chose to insert, if any. The band popup's
    // size correction is read from and written back to `bandDev`.
    virtual std::optional<std::u16string> RunPopup(CandPopupModel& popup, const PopupLook& look,
                                                   FieldId field, int& bandDev) = 0;
};

class InputSession {
public:
    // `layouts` may be null (no layout switching: a dialog test, say).
    InputSession(InputTables& tables, Settings& settings, InputFields& fields,
                 CandidatePopupPort& popups, KeyboardLayouts* layouts)
        : tables_(tables), settings_(settings), fields_(fields), popups_(popups),
          layouts_(layouts) {}

    // The language's font character set, for the band popup's cells.
    void SetForeignCharset(int charset) { foreignCharset_ = charset; }

    // A character typed into a field. True when the key was taken (a trigger
    // key: its candidate went in, or the popup was shown); false when the
    // field types it as usual. Control characters (Backspace, Enter, Tab...)
    // are never trigger keys.
    bool KeyTyped(const KeySource& source, char16_t key);

    // A key clicked on an on-screen keyboard: the same route; a key that is
    // not a trigger key does nothing.
    void KeyClicked(const KeySource& source, char16_t key) { Carry(source, key); }

    // Text for a side's requester field (a popup's choice, a symbol, a code).
    bool Insert(InputSide side, const std::u16string& text);

    // Text straight into a field, as a key of the MS IME keyboard types into
    // the foreign area; false when the field is not open.
    bool InsertInto(FieldId field, const std::u16string& text);

    const Requesters& requesters() const { return requesters_; }

private:
    bool Carry(const KeySource& source, char16_t key);
    void OfferPopup(InputSide side);

    InputTables& tables_;
    Settings& settings_;
    InputFields& fields_;
    CandidatePopupPort& popups_;
    KeyboardLayouts* layouts_;
    Requesters requesters_;
    int foreignCharset_ = 0;
};

}  // namespace tess
