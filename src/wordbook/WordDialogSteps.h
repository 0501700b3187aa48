// What the four word dialogs do to the open book ("単語登録", "単語編集",
// "単語削除", "単語移動"), as their views call it. Each change goes through
// the WordBooks operation, which writes the book, renumbers the list,
// counts the book's words again and, after a failed write, reports it and
// reads the book back from its file.
//
// Each step's result says whether the dialog closes. The registration and
// edit dialogs stay open after a failed write, so the typed form is not
// lost (the main window's areas keep their text too); the delete and move
// dialogs close either way.
#pragma once

#include "lib/InputArea.h"

#include <optional>
#include <string>
#include <string_view>

#include "settings/Settings.h"
#include "wordbook/WordBooks.h"
#include "wordbook/WordEntryForm.h"

namespace tess {

// --- Registration ----------------------------------------------------------------------
// The form and focus when the dialog shows (RegCopyFlg: RegistrationStart).
FormStart StartRegistration(const Settings& settings, InputAreaTexts& areas);
// "追加 (F4)" (no number: at the end, the audio field as typed, the new row
// clicked) or "挿入" (above word `aboveNumber`, the audio field trimmed,
// the new row selected only). After a written change RegClearFlg empties
// the main window's areas. True when the word was written.
bool RegisterWord(WordBooks& books, const Settings& settings, InputAreaTexts& areas,
                  const EntryForm& form, std::optional<std::size_t> aboveNumber);

// --- Editing -----------------------------------------------------------------------------
// The selected word as a form; nothing (an empty form) with no word selected.
std::optional<EntryForm> StartEdit(const WordBooks& books);
// "反映 (F4)": the selected word takes the form's six fields, its colour
// stays. True when the dialog closes: written, or no word selected.
bool ApplyEdit(WordBooks& books, const EntryForm& form);

// --- Deleting ----------------------------------------------------------------------------
// The read-only boxes: the selected word's number, foreign word and
// Japanese, whatever the list's direction; all empty with none selected.
struct DeleteTexts {
    std::u16string number;
    std::u16string foreign;
    std::u16string japanese;
    bool operator==(const DeleteTexts&) const = default;
};
DeleteTexts StartDelete(const WordBooks& books);
// "削除": true (the dialog closes) when a word was selected and removed.
bool DeleteWord(WordBooks& books);

// --- Moving ------------------------------------------------------------------------------
MoveChoices StartMove(const WordBooks& books);
// "移動" with the destination box's text: true (the dialog closes) when the
// text names a word of the book; the selected word then stands above it.
bool MoveWord(WordBooks& books, const MoveChoices& choices, std::u16string_view text);

// --- The audio buttons -------------------------------------------------------------------
// "再生": the trimmed field played by PlayAudioFile, whatever MediaPlayerFlg.
void PlayTypedAudio(WordBooks& books, std::u16string_view field);

}  // namespace tess
