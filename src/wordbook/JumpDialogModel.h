// The jump dialog of the word list (TJumpFrm, "ジャンプ"): the user picks or
// types a word's number and the list selects that row.
//
// The combo box lists "1" to n (n = the rows of the list) and starts empty.
// "OK" is enabled only while an item of the list is selected: picking one
// enables it, typing in the box disables it again (the typed text selects no
// item, even when it reads as one). Enter in the box runs the OK step
// directly, so a typed number jumps although "OK" is disabled.
//
// The OK step reads the box's text as an integer: an optional sign and
// decimal digits, nothing else (no blanks, no full-width digits); any other
// text counts as -1. A number from 1 to n jumps to row number - 1 and closes
// the dialog; anything else does nothing and the dialog stays open.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

inline constexpr char16_t kJumpDialogCaption[] = u"ジャンプ";
inline constexpr int kJumpDialogWidth = 480;
inline constexpr int kJumpDialogHeight = 200;
// Items shown at once when the combo box is dropped down.
inline constexpr int kJumpDropDownItems = 20;

// The text of a number box read as the OK step reads it: an optional sign
// and decimal digits, nothing else; -1 for any other text and for a number
// beyond an int.
long long IntegerOrMinusOne(std::u16string_view text);

class JumpDialogModel {
public:
    explicit JumpDialogModel(int rowCount);

    // "1" to "n".
    std::vector<std::u16string> Items() const;

    // The user picked the item at `index` from the list (-1: none).
    void ItemPicked(int index);
    // The user typed in the box.
    void TextTyped();
    bool OkEnabled() const;

    // The 0-based row the OK step jumps to for the box's text, or nothing
    // when the dialog stays open.
    std::optional<int> RowToJump(std::u16string_view text) const;

private:
    int rowCount_;
    int pickedIndex_ = -1;
};

}  // namespace tess
