// Fields of a view in memory, for the tests of the input route: the text and
// selection of an edit control, and the directory of open fields.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "input/InputSession.h"

namespace tess::testing {

// A field of a view: the text and selection of an edit control.
class FakeField : public InputField {
public:
    FieldText state;
    int focusCount = 0;
    FieldText Read() const override { return state; }
    void Apply(const InsertOutcome& outcome) override {
        state = FieldText{outcome.text, outcome.caret, 0};
        ++focusCount;
    }
};

class FakeFields : public InputFields {
public:
    std::map<FieldId, FakeField> open;
    InputField* Find(FieldId field) override {
        auto it = open.find(field);
        return it == open.end() ? nullptr : &it->second;
    }
};

// A popup nobody answers: it closes without a choice.
struct UnansweredPopups : CandidatePopupPort {
    int shown = 0;
    std::optional<std::u16string> RunPopup(CandPopupModel&, const PopupLook&, FieldId,
                                           int&) override {
        ++shown;
        return std::nullopt;
    }
};

}  // namespace tess::testing
