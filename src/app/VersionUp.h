// Installing the shipped files into the user's folders, once per program
// version: the version marker in the system folder records that it was done.
#pragma once

#include <string>
#include <string_view>

#include "app/AppIdentity.h"
#include "app/DataFolders.h"
#include "platform/platform.h"

namespace tess {

// The marker file name for a version: "3.6" gives "Leaf360.txt".
std::u16string VersionMarkerName(std::u16string_view version = kProgramVersion);

// Copies every plain file of `source` into `destination` (no sub-folders).
// With noOverwrite a file already in the destination is kept. Nothing is
// reported: a missing folder copies nothing, a failed copy skips that file.
void CopyFolderFiles(Platform& platform, const std::u16string& source,
                     const std::u16string& destination, bool noOverwrite);

// True when the marker of this version is present (nothing to install).
bool VersionMarkerPresent(Platform& platform, const DataFolders& folders);

// The version-up: system files added, user tables replaced (TblOWFlg) or only
// completed, sample word books refreshed unless NoSampleFlg, the marker
// written and the stale markers and "Tessaline.rng" removed.
void RunVersionUp(Platform& platform, const DataFolders& folders, bool tblOWFlg,
                  bool noSampleFlg);

}  // namespace tess
