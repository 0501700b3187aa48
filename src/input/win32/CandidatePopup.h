// TCandFrm (the phonetic candidate list) and TBandFrm (the foreign candidate
// band): borderless, topmost, modal popups of 420 x 92 over a side's buffer.
// One view serves both; CandPopupModel holds their rules.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "input/CandPopupModel.h"
#include "input/InputSession.h"

namespace tess {

// Shows the popup at `position` (screen), runs it modally over `owner` and
// returns the text to insert, if any. `bandDev` is read and written back
// (the band popup's size correction).
std::optional<std::u16string> RunCandidatePopup(HWND owner, CandPopupModel& model,
                                                const PopupLook& look, PopupPosition position,
                                                int& bandDev);

// Where the popup goes for the caret of an edit control.
PopupPosition PopupPositionForCaret(HWND field);

}  // namespace tess
