#include "lib/FileFailure.h"

namespace tess {

std::u16string FileFailureText(FileAction action, std::u16string_view what, const std::u16string& path) {
    std::u16string text(what);
    text += u"「" + path + u"」を";
    switch (action) {
        case FileAction::Save: text += u"保存できませんでした。ファイルは元のままです。"; break;
        case FileAction::Create: text += u"作成できませんでした。"; break;
        case FileAction::Delete: text += u"削除できませんでした。"; break;
    }
    return text;
}

void ReportFileFailure(Platform& platform, FileAction action, std::u16string_view what,
                       const std::u16string& path) {
    platform.ShowMessage(FileFailureText(action, what, path), MessageKind::Warning, MessageButtons::Yes);
}

}  // namespace tess
