// Which foreground window the target search may take as the transfer target.
//
// While the program is in the background, the search timer looks at the
// foreground window every TrTimer ms; the last eligible one becomes the
// target. The tests below keep the program's own windows, the shell's and
// the media player that plays the word books' audio from ever becoming it.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace tess {

// The longest title the search reads.
inline constexpr std::size_t kMaxTargetTitle = 254;

// Why a window is not taken; None when it is.
enum class TargetExclusion {
    None,
    NoWindow,        // no foreground window at all
    ProgramManager,  // the desktop: "Program Manager"
    OwnName,         // exactly "Tessaline"
    MediaPlayer,     // "Windows Media Player", while MediaPlayerFlg is set
    PlayedAudio,     // the last played audio name without extension, likewise
    StartMenu,       // "スタート メニュー", blanks around it ignored
    OwnWindow,       // a title beginning with "Tessaline"
    CurrentTarget,   // the window already held
};

struct TargetSearchContext {
    bool mediaPlayerFlg = false;
    std::u16string lastPlayedAudio;  // as the word list played it, extension included
    WindowId currentTarget = 0;      // 0 while none is held
};

// The tests in their order; the first that holds names the reason. A window
// with an empty title is not excluded for that.
//
// Two guards beyond the plain tests: "no window" (a foreground of 0, seen for
// an instant while Windows switches) never replaces a held target; and the
// played-audio test applies only once something was played, since an empty
// name would otherwise exclude every window without a title.
TargetExclusion ExcludeAsTarget(WindowId window, std::u16string_view title,
                                const TargetSearchContext& context);

}  // namespace tess
