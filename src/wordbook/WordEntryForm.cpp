#include "wordbook/WordEntryForm.h"

#include "lib/Blanks.h"
#include "lib/PathParts.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "wordbook/JumpDialogModel.h"

namespace tess {

namespace {

std::u16string Trimmed(std::u16string_view text) { return std::u16string(TrimBlanks(text)); }

std::u16string NumberText(std::size_t number) { return Utf8ToUtf16(std::to_string(number)); }

}  // namespace

WordEntry EntryFromForm(const EntryForm& form, AudioRule audio) {
    WordEntry entry;
    entry.foreignWord = Trimmed(form.foreign);
    entry.phonetic = Trimmed(form.phonetic);
    entry.kana = Trimmed(form.kana);
    entry.japanese = Trimmed(form.japanese);
    entry.note = EncodeLineBreaks(TrimBlanks(form.note));
    entry.audioFile = audio == AudioRule::AsTyped ? form.audio : Trimmed(form.audio);
    return entry;
}

EntryForm FormFromEntry(const WordEntry& entry) {
    return EntryForm{entry.foreignWord, entry.phonetic, entry.kana, entry.japanese,
                     DecodeLineBreaks(entry.note), entry.audioFile};
}

FormStart RegistrationStart(bool regCopy, std::u16string_view foreignArea,
                            std::u16string_view phoneticArea) {
    FormStart start;
    if (!regCopy) return start;
    if (!foreignArea.empty()) start.form.foreign = EncodeLineBreaks(foreignArea);
    if (!phoneticArea.empty()) start.form.phonetic = std::u16string(phoneticArea);
    start.focus = EntryField::Kana;
    return start;
}

std::u16string ForeignWordLabel(std::u16string_view languageName) {
    return u"■" + std::u16string(languageName) + u"：";
}

std::u16string AudioFileNameOf(std::u16string_view path) { return LeafName(path); }

std::optional<std::u16string> AudioToPlay(std::u16string_view field) {
    const std::u16string_view name = TrimBlanks(field);
    if (name.empty()) return std::nullopt;
    return std::u16string(name);
}

// --- The registration dialog's numbers --------------------------------------------------

std::vector<std::u16string> RegisterNumbers::Items() const {
    std::vector<std::u16string> items;
    items.reserve(rowCount_);
    for (std::size_t number = 1; number <= rowCount_; ++number)
        items.push_back(u" " + NumberText(number));
    return items;
}

std::optional<std::size_t> RegisterNumbers::NumberAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= rowCount_) return std::nullopt;
    return static_cast<std::size_t>(index) + 1;
}

// --- The move dialog's destinations -------------------------------------------------------

std::vector<std::u16string> MoveChoices::Items() const {
    std::vector<std::u16string> items;
    items.reserve(rowCount_);
    for (std::size_t row = 0; row < rowCount_; ++row)
        if (row != ownRow_) items.push_back(NumberText(row + 1));
    return items;
}

std::u16string MoveChoices::OwnNumberText() const {
    return ownRow_ ? NumberText(*ownRow_ + 1) : std::u16string();
}

bool MoveChoices::MoveEnabled() const {
    const std::size_t listed = rowCount_ - (ownRow_ && *ownRow_ < rowCount_ ? 1 : 0);
    return pickedIndex_ >= 0 && static_cast<std::size_t>(pickedIndex_) < listed;
}

std::optional<std::size_t> MoveChoices::RowToMove(std::u16string_view text) const {
    const long long number = IntegerOrMinusOne(text);
    if (number < 1 || static_cast<unsigned long long>(number) > rowCount_) return std::nullopt;
    return static_cast<std::size_t>(number - 1);
}

}  // namespace tess
