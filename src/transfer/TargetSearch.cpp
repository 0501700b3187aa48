#include "transfer/TargetSearch.h"

#include "lib/Blanks.h"

namespace tess {
namespace {

// Drops the extension: what follows the last dot of the file name part.
std::u16string_view WithoutExtension(std::u16string_view name) {
    const auto pos = name.find_last_of(u".\\:");
    if (pos != std::u16string_view::npos && name[pos] == u'.') return name.substr(0, pos);
    return name;
}

}  // namespace

TargetExclusion ExcludeAsTarget(WindowId window, std::u16string_view title,
                                const TargetSearchContext& context) {
    if (window == 0) return TargetExclusion::NoWindow;
    if (title == u"Program Manager") return TargetExclusion::ProgramManager;
    if (title == u"Tessaline") return TargetExclusion::OwnName;
    if (context.mediaPlayerFlg && title == u"Windows Media Player")
        return TargetExclusion::MediaPlayer;
    if (context.mediaPlayerFlg && !context.lastPlayedAudio.empty() &&
        title == WithoutExtension(context.lastPlayedAudio))
        return TargetExclusion::PlayedAudio;
    if (TrimBlanks(title) == u"スタート メニュー") return TargetExclusion::StartMenu;
    if (title.starts_with(u"Tessaline")) return TargetExclusion::OwnWindow;
    if (window == context.currentTarget) return TargetExclusion::CurrentTarget;
    return TargetExclusion::None;
}

}  // namespace tess
