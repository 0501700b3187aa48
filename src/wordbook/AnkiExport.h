// A word book written out for Anki's text import.
//
// The file is UTF-8 without a byte-order mark, LF after every line:
//
//   #separator:tab
//   #html:false
//   #columns:外国語<TAB>発音記号<TAB>発音カナ<TAB>日本語<TAB>備考<TAB>音声
//   one line per entry, the six fields joined by tabs
//
// Anki reads the header lines as its import settings: the fields are plain
// text (a "<" stays a "<"), separated by tabs, and the column names let it
// map them onto a note type's fields. The text colour is not written.
//
// A field is the entry's text with the book's notation undone: the quote is
// already a quote in memory, and each "#$0D" becomes a line break (LF). A
// field that holds a tab, a double quote or a line break, or begins with a
// number sign (which would make its line read as a comment), is written
// between double quotes with each quote inside doubled; every other field is
// written as it is. The audio field is a sound reference "[sound:<name>]",
// or empty when the entry names no audio file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "wordbook/WordBookFile.h"

namespace tess {

// The file name the save dialog offers: the book's file name with ".txt" in
// place of its extension ("Thai01.utx" gives "Thai01.txt").
std::u16string AnkiExportFileName(std::u16string_view bookFileName);

// One field as it is written (see above).
std::u16string AnkiField(std::u16string_view text);

// The whole file.
Bytes AnkiExportBytes(const WordBook& book);

// The audio files of the book that can be copied: the names that
// PlayableAudioPath accepts in `audioFolder`, once each, in entry order.
std::vector<std::u16string> AnkiAudioFiles(Platform& platform, const std::u16string& audioFolder,
                                           const WordBook& book);

// The export, once the user has chosen `target` in the save dialog:
//  1. The file is written through the atomic replace. A failure is reported
//     naming the file (an old file stays whole) and the export ends: false.
//  2. When some of the book's audio files (AnkiAudioFiles) are not yet in the
//     target's folder, a Yes/No question offers to copy them there. On Yes
//     each is copied through the atomic replace; a file of that name already
//     there is left as it is. The files that could not be copied are named
//     in one warning.
bool ExportWordBookToAnki(Platform& platform, const WordBook& book,
                          const std::u16string& audioFolder, const std::u16string& target);

}  // namespace tess
