// The input engine's tables: for each input area a candidate table (trigger
// key -> nine candidates, from a candidate file) and a name table (names of
// the characters the candidate table can offer, from a symbol DB file), and
// the candidate buffer the area's popup reads.
//
// The phonetic tables serve the phonetic area (IPA), the foreign tables the
// foreign-language area (Thai, Myanmar, Lao or Khmer). The main window owns
// one InputTables for the whole run.
//
// Every lookup is a linear scan from the first record, and the answers
// depend on it: with two records for one key, IsTriggerKey judges by the
// first and LookupCandidates delivers the last.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tess {

// One trigger line of a candidate file. Key 0 marks a record the file did not
// fill; candidate 0 marks an empty position (a candidate's position is its
// number). Eleven code units, the last never used.
struct CandRecord {
    char16_t key = 0;
    std::array<char16_t, 9> candidates{};
    char16_t spare = 0;
    bool operator==(const CandRecord&) const = default;
};
static_assert(sizeof(CandRecord) == 11 * sizeof(char16_t));

// The loaded entry of one character; code 0 in an empty record.
struct TUDB {
    char16_t code = 0;
    std::u16string japaneseName;
    std::u16string englishName;  // name escapes decoded
    std::int32_t auxClass = 0;   // loaded, not used by the engine
    std::u16string note;
    bool operator==(const TUDB&) const = default;
};

// Sized to the candidate file's line count, every line counted; the records
// of the file fill it from the front and the rest stay all zero.
using CandTable = std::vector<CandRecord>;
// Sized to the number of distinct candidate characters; the characters found
// in the symbol DB are packed at the front, the rest stay empty.
using NameTable = std::vector<TUDB>;
// Slots 1 to 9 (indexes 0 to 8): the candidates of the last trigger key of
// the area; slot 10 (index 9): that key when trigger reversal is on, else 0.
using CandBuf = std::array<char16_t, 10>;

enum NameKind : int { NameJapanese = 0, NameEnglish = 1, NameNote = 2 };

struct InputTables {
    CandTable PhCandTable;
    NameTable PhNameTable;
    CandTable GaCandTable;
    NameTable GaNameTable;
    CandBuf PhCandBuf{};
    CandBuf GaCandBuf{};

    // Rebuild one area's pair, each table replaced whole, from the named
    // files in the table folder in use (the folder is passed instead of
    // being made the process's current folder). Missing files give empty
    // tables; nothing is reported.
    void LoadPhoneticTables(Platform& platform, const std::u16string& tblFolder,
                            const std::u16string& phCandFile, const std::u16string& phUdbFile);
    void LoadForeignTables(Platform& platform, const std::u16string& tblFolder,
                           const std::u16string& gaCandFile, const std::u16string& gaUdbFile);
};

// The number of lines of `folder`\`file` (blank and malformed lines
// included, a last line without terminator counted), 0 when it cannot be read.
int CountFileLines(Platform& platform, const std::u16string& folder, const std::u16string& file);

// Fills `table` (already sized) from the front with the trigger lines of
// the candidate file, in file order. Records beyond what the file gives are
// left alone; lines beyond the table's size are dropped.
void LoadCandTable(Platform& platform, const std::u16string& folder, const std::u16string& file,
                   CandTable& table);

// The distinct non-zero candidates of the table, in order of first
// appearance, record by record, candidate 1 to 9.
std::u16string CollectCandChars(const CandTable& table);

// Fills `names` (already sized to chars.size()) from the front with the
// characters of `chars` that the symbol DB has, in that order; a character
// without a row takes no record. A missing DB leaves `names` as it is.
void LoadNameTable(Platform& platform, const std::u16string& folder, const std::u16string& chars,
                   const std::u16string& dbFile, NameTable& names);

// True when the first record with this key has at least one candidate.
bool IsTriggerKey(const CandTable& table, char16_t key);

// Clears all ten slots, then copies the candidates of every record with this
// key into slots 1 to 9: the last such record wins.
void LookupCandidates(const CandTable& table, char16_t key, CandBuf& buffer);

// The one slot (of all ten) holding a character above U+0020, as a
// one-character string; empty when there are none or several.
std::u16string SingleCandidate(const CandBuf& buffer);

// The name of the first record for the character; empty for character 0, an
// unknown character or a kind other than the three NameKind values.
std::u16string LookupName(const NameTable& names, char16_t character, int kind);

}  // namespace tess
