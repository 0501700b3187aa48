// The one wording of a file the program could not save, make or remove, and
// the one way it is shown: a warning with the "はい" button. Every write goes
// through Platform::ReplaceFileContents, which replaces a file whole or not
// at all, so a failed save also says that the file on disk is as it was.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace tess {

enum class FileAction { Save, Create, Delete };

// `what` names the file ("単語帳", "記号DBファイル"; empty for a bare name):
//   単語帳「C:\…\Thai.utx」を保存できませんでした。ファイルは元のままです。
//   辞書ファイル「…」を作成できませんでした。
std::u16string FileFailureText(FileAction action, std::u16string_view what, const std::u16string& path);

void ReportFileFailure(Platform& platform, FileAction action, std::u16string_view what,
                       const std::u16string& path);

}  // namespace tess
