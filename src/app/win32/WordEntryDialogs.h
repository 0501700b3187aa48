// The registration ("単語登録") and edit ("単語編集") dialogs: the entry form
// of six fields over a strip of buttons. Their rules and steps are
// WordEntryForm's and WordDialogSteps'; the foreign word and phonetic fields
// take trigger keys through the main window's input route, registered in
// its field directory while the dialog is open.
//
// Both are modal, 420 pixels high, at least 640 wide and resizable in width
// (the fields stretch, the audio buttons follow the right edge), in "ＭＳ Ｐ
// ゴシック" at 21 pixels. F4 anywhere in the dialog runs "追加 (F4)" /
// "反映 (F4)"; Enter in a one-line field does nothing; Esc cancels. Each
// dialog remembers its own left, top and width when it closes, for the rest
// of the run; before that it opens 640 wide, centred over its owner.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "input/InputSession.h"
#include "input/KeyboardLayouts.h"
#include "input/win32/EditField.h"
#include "settings/Settings.h"
#include "wordbook/WordBooks.h"
#include "wordbook/WordDialogSteps.h"

namespace tess {

inline constexpr char16_t kRegisterWordCaption[] = u"単語登録";
inline constexpr char16_t kEditWordCaption[] = u"単語編集";
inline constexpr int kEntryDialogWidth = 640;  // the least and the first width
inline constexpr int kEntryDialogHeight = 420;

// The form's fields and buttons; "ｷｬﾝｾﾙ" is IDCANCEL.
inline constexpr int kEntryForeignId = 1101;
inline constexpr int kEntryPhoneticId = 1102;
inline constexpr int kEntryKanaId = 1103;
inline constexpr int kEntryJapaneseId = 1104;
inline constexpr int kEntryNoteId = 1105;
inline constexpr int kEntryAudioId = 1106;
inline constexpr int kEntryBrowseId = 1107;     // "参照"
inline constexpr int kEntryPlayId = 1108;       // "再生"
inline constexpr int kRegisterNumbersId = 1110; // the "No" list
inline constexpr int kRegisterInsertId = 1111;  // "挿入"
inline constexpr int kRegisterAddId = 1112;     // "追加 (F4)"
inline constexpr int kEditApplyId = 1113;       // "反映 (F4)"

// What the dialogs use of the main window.
struct WordEntryDialogContext {
    WordBooks& books;
    Settings& settings;
    InputSession& input;
    EditFieldDirectory& fields;
    KeyboardLayouts& layouts;
    std::u16string languageName;
    int langCharset = 0;
    // Shift and Caps Lock in the foreign word field (the Thai keyboard mode).
    std::function<void(unsigned, bool)> foreignFieldKey;
};

// True when a word was registered / the edit was written.
bool RunRegisterWordDialog(HWND owner, const WordEntryDialogContext& context, InputAreaTexts& areas);
bool RunEditWordDialog(HWND owner, const WordEntryDialogContext& context);

// Where each dialog stood when it last closed in this run.
struct EntryDialogPlace {
    int left = 0;
    int top = 0;
    int width = kEntryDialogWidth;
};
struct EntryDialogPlaces {
    std::optional<EntryDialogPlace> registration, edit;
};
EntryDialogPlaces& RememberedEntryDialogPlaces();

}  // namespace tess
