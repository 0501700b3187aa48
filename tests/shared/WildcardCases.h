// The same file listing cases for the fake platform (in memory) and the real
// one (a folder under %TEMP%): a folder holding kListingFiles and
// kListingSubFolders, listed with each pattern, gives exactly these names on
// both. The names differ even with case folded as Windows folds it, so they
// can all sit in one real folder.
#pragma once

#include <string>
#include <vector>

namespace tess::testing {

inline const std::vector<std::u16string> kListingFiles = {
    u"Leaf360.txt",
    u"Leaf350.txt",
    u"Leaf360.txta",  // short name LEAF36~1.TXT on a file system that makes one
    u"leaf7.TXT",
    u"notes.txt",
    u"README",
    u"book.utx.bak",
    u"CandThai2.csv",
    u"\u00C4rger.utx",                         // "Ärger.utx": Latin-1
    u"\u0141\u00F3d\u017A.csv",                // "Łódź.csv": Latin Extended-A
    u"\u041F\u0440\u0438\u043C\u0435\u0440.txt",  // "Пример.txt": Cyrillic
    u"\u03A9mega.txt",                         // "Ωmega.txt": Greek
};

// Folders are never listed, whatever their names.
inline const std::vector<std::u16string> kListingSubFolders = {u"Leaf9.txt", u"sub"};

struct ListingCase {
    const char16_t* pattern;
    std::vector<std::u16string> names;  // sorted by code unit
};

inline const std::vector<ListingCase> kListingCases = {
    {u"Leaf*.txt", {u"Leaf350.txt", u"Leaf360.txt", u"leaf7.TXT"}},
    {u"*.txt",
     {u"Leaf350.txt", u"Leaf360.txt", u"leaf7.TXT", u"notes.txt", u"\u03A9mega.txt",
      u"\u041F\u0440\u0438\u043C\u0435\u0440.txt"}},
    {u"*.txta", {u"Leaf360.txta"}},
    {u"Leaf3?0.txt", {u"Leaf350.txt", u"Leaf360.txt"}},
    {u"??????", {u"README"}},  // "?" is exactly one character, never none
    {u"NOTES.TXT", {u"notes.txt"}},
    {u"*.utx", {u"\u00C4rger.utx"}},
    {u"Cand*.csv", {u"CandThai2.csv"}},
    // Letters fold beyond ASCII in the blocks FoldCase names...
    {u"\u00E4RGER.UTX", {u"\u00C4rger.utx"}},
    {u"\u0142\u00D3D\u0179.CSV", {u"\u0141\u00F3d\u017A.csv"}},
    {u"\u043F\u0420\u0418*", {u"\u041F\u0440\u0438\u043C\u0435\u0440.txt"}},
    // ... and nowhere else, though the file system itself would fold Greek.
    {u"\u03C9mega.txt", {}},
    // "*.*" needs a dot: it is not the DOS "every file".
    {u"*.*",
     {u"CandThai2.csv", u"Leaf350.txt", u"Leaf360.txt", u"Leaf360.txta", u"book.utx.bak",
      u"leaf7.TXT", u"notes.txt", u"\u00C4rger.utx", u"\u0141\u00F3d\u017A.csv",
      u"\u03A9mega.txt", u"\u041F\u0440\u0438\u043C\u0435\u0440.txt"}},
    {u"*",
     {u"CandThai2.csv", u"Leaf350.txt", u"Leaf360.txt", u"Leaf360.txta", u"README",
      u"book.utx.bak", u"leaf7.TXT", u"notes.txt", u"\u00C4rger.utx",
      u"\u0141\u00F3d\u017A.csv", u"\u03A9mega.txt", u"\u041F\u0440\u0438\u043C\u0435\u0440.txt"}},
    {u"Leaf9*", {}},  // only the sub-folder
    {u"sub", {}},
    {u"nothing*", {}},
    {u"", {}},
};

}  // namespace tess::testing
