#include "wordbook/WordDialogSteps.h"

#include "lib/TextFile.h"

namespace tess {

FormStart StartRegistration(const Settings& settings, InputAreaTexts& areas) {
    if (!settings.RegCopyFlg) return RegistrationStart(false, u"", u"");
    return RegistrationStart(true, areas.AreaText(InputArea::Foreign), areas.AreaText(InputArea::Phonetic));
}

bool RegisterWord(WordBooks& books, const Settings& settings, InputAreaTexts& areas,
                  const EntryForm& form, std::optional<std::size_t> aboveNumber) {
    const bool written =
        aboveNumber ? books.InsertWord(*aboveNumber, EntryFromForm(form, AudioRule::Trimmed))
                    : books.AppendWord(EntryFromForm(form, AudioRule::AsTyped));
    if (written && settings.RegClearFlg) {
        areas.SetAreaText(InputArea::Foreign, u"");
        areas.SetAreaText(InputArea::Phonetic, u"");
    }
    return written;
}

std::optional<EntryForm> StartEdit(const WordBooks& books) {
    const std::optional<std::size_t> row = books.SelectedRow();
    if (!row) return std::nullopt;
    return FormFromEntry(books.List().Row(*row));
}

bool ApplyEdit(WordBooks& books, const EntryForm& form) {
    if (!books.SelectedRow()) return true;
    return books.ReplaceSelectedWord(EntryFromForm(form, AudioRule::Trimmed));
}

DeleteTexts StartDelete(const WordBooks& books) {
    const std::optional<std::size_t> row = books.SelectedRow();
    if (!row) return {};
    const WordEntry& entry = books.List().Row(*row);
    return {Utf8ToUtf16(std::to_string(*row + 1)), entry.foreignWord, entry.japanese};
}

bool DeleteWord(WordBooks& books) {
    if (!books.SelectedRow()) return false;
    books.DeleteSelectedWord();
    return true;
}

MoveChoices StartMove(const WordBooks& books) {
    return MoveChoices(books.List().RowCount(), books.SelectedRow());
}

bool MoveWord(WordBooks& books, const MoveChoices& choices, std::u16string_view text) {
    const std::optional<std::size_t> row = choices.RowToMove(text);
    if (!row) return false;
    books.MoveSelectedWord(*row + 1);
    return true;
}

void PlayTypedAudio(WordBooks& books, std::u16string_view field) {
    if (const std::optional<std::u16string> name = AudioToPlay(field)) books.PlayAudioFile(*name);
}

}  // namespace tess
