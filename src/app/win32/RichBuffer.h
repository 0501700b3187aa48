// The hidden rich edits that render a rich text transfer: the text in its
// font, or an RTF document, put on the clipboard as the rich edit copies it.
#pragma once

#include <windows.h>

#include "transfer/TransferPort.h"

namespace tess {

// Fills RICH with the copy's text in its font (or loads its RTF document)
// and copies exactly that text, without the buffer's last paragraph mark.
void CopyThroughRichBuffer(HWND rich, const RichCopy& copy);

}  // namespace tess
