// Candidate files (Cand*.csv): trigger keys and the up to nine characters
// each one offers.
//
// Lines, split by SplitTableFields and told apart by their field count:
//   header   2 fields, first line only  "<paired DB file>",<mode>
//   trigger 10 fields                   "<key>",<code 1>,...,<code 9>
// The mode is "Alphabet_Lower" (letter keys a to z) or "Alphabet_Upper"
// (A to Z). The key is one keyboard character, except the double quote,
// which is written as its code "0022". A code is four upper-case hexadecimal
// digits or empty; a candidate's position is its number.
//
// Encoding as for symbol DB files: read by byte-order mark else code page
// 932, written as code page 932 with CR LF through the atomic replace.
// Readers open a file by bare name in a table folder; writers take a path.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tess {

inline constexpr char16_t kModeLower[] = u"Alphabet_Lower";
inline constexpr char16_t kModeUpper[] = u"Alphabet_Upper";

// The candidate editor's keyboard: the Japanese (JIS) keyboard, 48 shifted
// positions then 47 unshifted ones, row by row, left to right. Position 10
// (Shift and 0) holds no character: 0 here.
inline constexpr std::size_t kKeyLayoutSize = 95;
extern const std::array<char16_t, kKeyLayoutSize> kKeyLayout;

// The key field that stands for a key in a trigger line: the key itself,
// "0022" for the double quote, empty for the empty position.
std::u16string KeyField(char16_t key);

// Whether a key may be a trigger key of a file in this mode: the 26 letters
// of the mode's case and the 32 symbol keys. Digits never are. A mode other
// than the two known ones is taken as "Alphabet_Lower", the mode of every
// file the program cannot place.
bool IsModeTriggerKey(std::u16string_view mode, char16_t key);

// One trigger line as the editor holds it.
struct CandLine {
    std::u16string keyField;                // as written: "0022" for the double quote
    std::array<std::u16string, 9> codes;    // as they stood in the file, possibly invalid
    bool HasCandidates() const;             // at least one non-empty code field
    bool operator==(const CandLine&) const = default;
};

// What the candidate editor works on.
struct CandEditTable {
    std::u16string pairedDb;  // bare name of the symbol DB, may be empty
    std::u16string mode;
    // One line per key-layout position except the letters of the other case
    // (digits and the empty position included), in key-layout order.
    std::vector<CandLine> lines;
};

// The held lines of a mode, all without candidates.
std::vector<CandLine> EmptyCandLines(std::u16string_view mode);

// Reads `folder`\`fileName` for the editor. The header is the first line when
// it has two fields; when its paired DB is empty (or there is none), both
// values come from the file name: CandThai.csv and CandThai2.csv give
// DBThai.csv/Alphabet_Lower, CandAll.csv DBPhonet.csv/Alphabet_Upper, others
// no DB and Alphabet_Lower. Every ten-field line with a candidate is placed on
// the position whose key field it has, or else on the one that differs only
// in a letter's case (taking that position's key); a later line placed on the
// same position replaces an earlier one; a line that fits nowhere is dropped.
// A missing file, or one without lines, gives nothing: the editor then has no
// working table.
std::optional<CandEditTable> ReadCandForEditing(Platform& platform, const std::u16string& folder,
                                 const std::u16string& fileName);

// The lines WriteCandFile writes: the header, then every line with a
// candidate, in the order held. The paired DB and key fields are quoted; a
// mode or code field only when the splitter would not read it back as it is
// (it holds a blank, a control character, a comma or a double quote).
std::vector<std::u16string> CandFileLines(const CandEditTable& table);

// Replaces the file at `path`; false (old file untouched) on failure, and
// without writing when a value to be written holds a CR or LF, which no
// quoting keeps on its line.
bool WriteCandFile(Platform& platform, const std::u16string& path, const CandEditTable& table);

// A new file: the header line alone.
bool CreateCandFile(Platform& platform, const std::u16string& path, const std::u16string& pairedDb,
                    const std::u16string& mode);

// For the list HTML tool: every ten-field line with at least one non-empty
// candidate field, in file order, as its key field and nine code fields.
std::vector<std::array<std::u16string, 10>> ReadCandForRendering(Platform& platform,
                                                                 const std::u16string& folder,
                                                                 const std::u16string& fileName);

// The character a key field stands for: a four-character field is a
// hexadecimal code ("0022" the double quote, lower-case digits read too, a
// field that is not hexadecimal gives 0), any other the field's first
// character. An empty field gives 0.
char16_t KeyOfField(std::u16string_view field);

// For the input engine: every ten-field line whose key field is not empty, in
// file order, the header skipped. A four-character code field gives its
// character (any case; not hexadecimal gives 0), any other gives 0 (none).
// A line without candidates is still an entry.
struct CandEntry {
    char16_t key = 0;
    std::array<char16_t, 9> candidates{};
    bool operator==(const CandEntry&) const = default;
};
std::vector<CandEntry> CandEntriesOfLines(const std::vector<std::u16string>& lines);
std::vector<CandEntry> LoadCandEntries(Platform& platform, const std::u16string& folder,
                                       const std::u16string& fileName);

}  // namespace tess
