// The entry form of the registration and edit dialogs ("単語登録",
// "単語編集"): six texts, and the rules by which they become a word book
// entry and back.
//
// Form to entry:
//   foreign word, phonetic symbols, kana, Japanese   blanks (spaces and control
//                                                    characters) trimmed at both ends
//   note         trimmed, then its line breaks become "#$0D" (EncodeLineBreaks)
//   audio file   trimmed, except by "追加", which stores it as typed
//   text colour  empty; editing keeps the stored colour (WordBooks)
// Entry to form (the edit dialog): the note's "#$0D" become line breaks
// again (DecodeLineBreaks); every other field as stored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wordbook/WordBookFile.h"

namespace tess {

// The form's rows, top to bottom.
enum class EntryField { Foreign, Phonetic, Kana, Japanese, Note, Audio };

struct EntryForm {
    std::u16string foreign;
    std::u16string phonetic;
    std::u16string kana;
    std::u16string japanese;
    std::u16string note;  // several lines, CR LF between them
    std::u16string audio;
    bool operator==(const EntryForm&) const = default;
};

enum class AudioRule { Trimmed, AsTyped };

WordEntry EntryFromForm(const EntryForm& form, AudioRule audio);
EntryForm FormFromEntry(const WordEntry& entry);

// What the registration dialog shows first. With RegCopyFlg on, a non-empty
// foreign area comes into the foreign word field through EncodeLineBreaks
// (its lines joined by "#$0D"), a non-empty phonetic line into the phonetic
// field, and the kana field has the focus; with it off the form is empty
// and the foreign word field has the focus.
struct FormStart {
    EntryForm form;
    EntryField focus = EntryField::Foreign;
    bool operator==(const FormStart&) const = default;
};
FormStart RegistrationStart(bool regCopy, std::u16string_view foreignArea,
                            std::u16string_view phoneticArea);

// The first row's label: "■", the language name, "：" ("■タイ語：").
std::u16string ForeignWordLabel(std::u16string_view languageName);

// "参照": the audio field receives the chosen file's name without its folder.
std::u16string AudioFileNameOf(std::u16string_view path);
// "再生": the trimmed audio field, or nothing when that is empty.
std::optional<std::u16string> AudioToPlay(std::u16string_view field);

// The registration dialog's number list ("No" ... "の上に" "挿入"): " 1" to
// " n", each number after one space. With an empty book the list and
// "挿入" are disabled and nothing is selected; otherwise the first number is.
class RegisterNumbers {
public:
    explicit RegisterNumbers(std::size_t rowCount) : rowCount_(rowCount) {}
    std::vector<std::u16string> Items() const;
    bool Enabled() const { return rowCount_ > 0; }
    int FirstIndex() const { return Enabled() ? 0 : -1; }
    // The number (1..n) of the item at `index`; nothing for no item.
    std::optional<std::size_t> NumberAt(int index) const;

private:
    std::size_t rowCount_;
};

// The move dialog's destination box: every number 1 to n but the selected
// word's own, and empty at first. "移動" is enabled only while an item of the
// list is selected: picking one enables it, typing disables it again.
//
// The move step reads the box's text as IntegerOrMinusOne does (the jump
// dialog's reading); a number k from 1 to n moves the word above word k,
// its own number included (which leaves the order as it was); any other
// text does nothing and the dialog stays open.
class MoveChoices {
public:
    MoveChoices(std::size_t rowCount, std::optional<std::size_t> ownRow)
        : rowCount_(rowCount), ownRow_(ownRow) {}
    std::vector<std::u16string> Items() const;
    // The selected word's number for the read-only box; empty with none.
    std::u16string OwnNumberText() const;

    void ItemPicked(int index) { pickedIndex_ = index; }  // -1: none
    void TextTyped() { pickedIndex_ = -1; }
    bool MoveEnabled() const;

    // The 0-based row of the word k the selected word goes above, or nothing.
    std::optional<std::size_t> RowToMove(std::u16string_view text) const;

private:
    std::size_t rowCount_;
    std::optional<std::size_t> ownRow_;
    int pickedIndex_ = -1;
};

}  // namespace tess
