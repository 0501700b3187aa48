// The file menu's text files: Memo1's lines saved and loaded as UTF-16 LE.
//
// Loading does not look at the byte-order mark the way ReadTextLines does: the
// bytes are always taken as UTF-16 LE (a leading mark FF FE is skipped), so a
// file in another encoding arrives as garbage rather than being converted. The
// user asked for a Unicode file; what they get shows what the file really is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lib/TextFile.h"
#include "platform/platform.h"

namespace tess {


// The text as an edit area holds it: CR LF, a lone CR and a lone LF each
// become CR LF; whether the text ends with a line end is kept.
std::u16string WithCrLfLineEnds(std::u16string_view text);

// The file's text as Memo1 shows it; nothing when the file cannot be read.
std::optional<std::u16string> ReadUtf16TextFile(Platform& platform, const std::u16string& path);

// Replaces the file with the lines of `areaText`, as UTF-16 LE with a
// byte-order mark and CR LF after every line (so an area ending in a line
// end writes no extra empty line). False when the write failed; the old file
// is then whole.
bool WriteUtf16TextFile(Platform& platform, const std::u16string& path,
                        std::u16string_view areaText);

// "C:\a\b.txt" -> "b.txt" and "C:\a"; a file at a drive's root keeps the
// separator ("C:\").
std::u16string FileNameOf(const std::u16string& path);
std::u16string FolderOf(const std::u16string& path);

// The question asked before "上書き保存" replaces an existing file.
std::u16string OverwriteQuestion(const std::u16string& path);

}  // namespace tess
