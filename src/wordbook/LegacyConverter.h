// The word-book conversion tool ("単語帳変換ツール"): the word books of older,
// 8-bit or line-per-field programs turned into ".utx" books. Every file of
// the mode's extension in the source folder becomes a new book in the
// destination folder; nothing is ever overwritten, and no word is lost (a
// double quote in any field is stored as "#$22", as the program's own
// writer stores it).
//
//   four-line records (.kwd .twd .rwd .ewd), 8-bit:  title, count, then per
//     word: Japanese, kana, note (the system code page) and the foreign word
//     (the extension's code page)
//   seven-line records (.tud), UTF-16 LE:  title, count, audio folder, then
//     per word: Japanese, foreign word, phonetic, kana, note, audio, colour
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lib/TextFile.h"
#include "platform/platform.h"
#include "wordbook/WordBookFile.h"

namespace tess {

struct ConversionMode {
    std::u16string_view caption;
    std::u16string_view pattern;        // "*.twd"
    std::u16string_view defaultSource;  // "C:\Quillory\Morvane\bookA"
};
std::span<const ConversionMode> ConversionModes();
inline constexpr int kDefaultConversionMode = 1;

// A legacy book as read: header and words. Nothing when the file cannot be
// read, has fewer than two lines, or has an extension no mode reads.
struct LegacyBook {
    std::u16string title;
    std::u16string audioFolder;
    std::vector<WordEntry> entries;
    bool operator==(const LegacyBook&) const = default;
};
std::optional<LegacyBook> ReadLegacyBook(Platform& platform, const std::u16string& path);

// The ".utx" name of a source file: ASCII parentheses made full-width, the
// extension ".utx".
std::u16string ConvertedName(std::u16string_view sourceName);
// The name the book gets in `folder`: the converted name, or, when taken,
// the part before its first "." followed by "(k).utx" for the first free k.
std::u16string FreeOutputName(Platform& platform, const std::u16string& folder,
                              const std::u16string& convertedName);

class LegacyConverter {
public:
    // Starts on the second mode, its default source folder, with the current
    // word-book folder as the destination.
    LegacyConverter(Platform& platform, std::u16string currentFolder);

    int Mode() const { return mode_; }
    // A mode change: its default source folder, the source list filled again.
    void ChooseMode(int row);
    const std::u16string& SourceFolder() const { return sourceFolder_; }
    void SetSourceFolder(std::u16string folder);
    const std::vector<std::u16string>& SourceFiles() const { return sourceFiles_; }
    const std::u16string& InitialDestination() const { return currentFolder_; }

    struct Outcome {
        bool ran = false;                         // false: nothing to do, or no folder
        std::vector<std::u16string> generated;    // the books written, in order
        std::vector<std::u16string> notConverted; // source names that could not be
        std::u16string lastText;                  // the lines of the last book written
    };
    // "変換⇒": the destination folder typed in its box (created after the
    // question when missing), then every source file in list order. At the
    // end the user is told how many files were converted and which were not.
    Outcome Convert(const std::u16string& destination);

private:
    void FillSourceList();

    Platform& platform_;
    std::u16string currentFolder_;
    int mode_ = kDefaultConversionMode;
    std::u16string sourceFolder_;
    std::vector<std::u16string> sourceFiles_;
};

}  // namespace tess
