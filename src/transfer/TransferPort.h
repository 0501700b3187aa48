// What the transfer needs from the main window, which the main window's view
// implements and the native tests fake.
//
// Focus rule: FocusArea gives an input area the keyboard focus. When the
// focus really moves there, the view's focus-entry handler runs before the
// call returns, as it does for any focus change: the keyboard layout
// handling (KeyboardLayouts) and then TransferModel::OnAreaEntered. So with
// AutoTransFlg set, focusing an area can change TransMode under the caller.
#pragma once

#include <cstddef>
#include <string>

#include "transfer/TransferModes.h"

namespace tess {

// A selection in UTF-16 code units; length 0 is a caret.
struct TextSelection {
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const TextSelection&) const = default;
};

// The two hidden rich-text buffers of the main window: A for the
// foreign-language text, B for the phonetic text.
enum class RichBuffer { A, B };

// Where the target is shown: the main window, or the PAD window while open.
enum class TargetIndicator { Main, Pad };

class TransferPort {
public:
    virtual ~TransferPort() = default;

    // The current language, as the main window keeps it: "タイ語", ... and
    // its font character set (222 for Thai, 0 for the others).
    virtual std::u16string LanguageName() = 0;
    virtual int LangCharset() = 0;

    // The input areas. Memo1 lines end in CR LF.
    virtual std::u16string AreaText(InputArea area) = 0;
    virtual TextSelection AreaSelection(InputArea area) = 0;
    virtual void SelectInArea(InputArea area, TextSelection selection) = 0;
    virtual void SetAreaText(InputArea area, const std::u16string& text) = 0;
    virtual void FocusArea(InputArea area) = 0;

    // The buffer takes `text` in that font, selects all of it and copies it
    // to the clipboard as rich text plus Unicode text, as a rich edit
    // control's own copy does. It need not take the focus.
    virtual void CopyAsRichText(RichBuffer buffer, const std::u16string& text,
                                const std::u16string& fontName, int charset, int sizePt) = 0;

    // The mode display Edit2.
    virtual void ShowTransferModeText(const std::u16string& text) = 0;

    // Shape1 red while `held`, the window background colour otherwise; the
    // window caption `caption`.
    virtual void ShowTarget(TargetIndicator where, bool held, const std::u16string& caption) = 0;

    // True when a window of the program with exactly this component name
    // ("PadFrm", "SearchFrm", ...) is open.
    virtual bool IsFormOpen(const std::u16string& name) = 0;

    // The audio file the word list played last (extension included); empty
    // when none or after the book was closed.
    virtual std::u16string LastPlayedAudioName() = 0;
};

}  // namespace tess
