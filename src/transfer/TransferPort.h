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

// The hidden rich-text buffers: the main window's A for the
// foreign-language text and B for the phonetic text, and the PAD window's C
// (there while the PAD is open).
enum class RichBuffer { A, B, C };

// What a rich-text buffer copies. Mode 1 gives the buffer the text in a
// font; modes 2 and 11 give it the program's own RTF document (the bytes of
// "Work.rtf"), which holds the same text. Either way the buffer selects just
// the text: a rich edit keeps each line break as one paragraph mark and ends
// with a mark of its own, which the selection must leave out, or a line
// break would follow the text in the target.
struct RichCopy {
    RichBuffer buffer = RichBuffer::A;
    std::u16string text;
    std::string rtf;  // empty: the text in the font below
    std::u16string fontName;
    int charset = 0;
    int sizePt = 0;
    std::size_t selectLength = 0;
    bool operator==(const RichCopy&) const = default;
};

// The length of `text` inside a rich edit: CR LF, a lone CR and a lone LF
// are each one paragraph mark.
std::size_t RichEditLength(const std::u16string& text);

// Where the target is shown: the main window, or the PAD window while open.
enum class TargetIndicator { Main, Pad };

class TransferPort : public virtual InputAreaTexts {
public:

    // The input areas, beside their texts (InputAreaTexts).
    virtual TextSelection AreaSelection(InputArea area) = 0;
    virtual void SelectInArea(InputArea area, TextSelection selection) = 0;
    virtual void FocusArea(InputArea area) = 0;

    // The rich-text modes' one clipboard route: the buffer takes the copy's
    // content, selects [0, selectLength) and copies its selection to the
    // clipboard as rich text plus Unicode text, as a rich edit control's own
    // copy does. It need not take the focus.
    virtual void CopyRichText(const RichCopy& copy) = 0;

    // The mode display Edit2.
    virtual void ShowTransferModeText(const std::u16string& text) = 0;

    // Shape1 red while `held`, the window background colour otherwise; the
    // window caption `caption`.
    virtual void ShowTarget(TargetIndicator where, bool held, const std::u16string& caption) = 0;

    // True when a window of the program with exactly this component name
    // ("PadFrm", "SearchFrm", ...) is open.
    virtual bool IsFormOpen(const std::u16string& name) = 0;
};

}  // namespace tess
