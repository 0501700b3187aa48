// Symbol DB files (DB*.csv): the characters of one writing system, one row
// per character, in named groups.
//
// A file is lines of comma-separated fields (SplitTableFields), told apart
// only by how many fields they have:
//   header  2 fields, first line only   "<script name>","<glyph font>"
//   group   3 fields, first is "Group"  Group,<number>,"<name>"
//   symbol  6 fields                    <group>,"<code>","<English>","<Japanese>","<aux>","<note>"
// Every other line is ignored by every reader. The code is exactly four
// upper-case hexadecimal digits (IsHex4); a row with any other code shows no
// glyph, is never matched, and is left out when the file is written.
//
// Files are read by their byte-order mark, else as code page 932, and written
// as code page 932 with CR LF after every line through the platform's atomic
// replace, so a row stores its character as a code, and English names reach
// characters outside the code page with "#$XXXX" escapes.
//
// Readers open a file by its bare name in a table folder; writers take the
// full path that the editor's dialogs produce. The script character set of a
// header is CharsetOfScriptName (lib/TextConv.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tess {

struct SymbolDbHeader {
    std::u16string scriptName;
    std::u16string glyphFont;
    bool operator==(const SymbolDbHeader&) const = default;
};

struct SymbolDbGroup {
    std::int32_t number = 0;
    std::u16string name;
    bool operator==(const SymbolDbGroup&) const = default;
};

// One symbol line as the editors hold it.
struct SymbolDbRow {
    std::int32_t rowNumber = 0;  // 1-based among the symbol lines; never stored
    std::int32_t group = 0;
    std::u16string code;         // as read; may be invalid
    std::u16string glyph;        // the character of a valid code, else empty; never stored
    std::u16string englishName;  // as stored, escapes and all
    std::u16string japaneseName;
    // Kept as the text the file holds, so that a file is written back exactly
    // as it was read; the input engine reads it as a number (SymbolInfo).
    std::u16string auxClass;
    std::u16string note;
    bool operator==(const SymbolDbRow&) const = default;
};

struct SymbolDb {
    // Header: both empty when the first line is not a two-field line; the
    // caller then uses DefaultSymbolDbHeader for the file name.
    SymbolDbHeader header;
    bool hasHeader = false;
    std::vector<SymbolDbGroup> groups;  // every group line, in file order
    std::vector<SymbolDbRow> rows;      // every symbol line, in file order
};

// The whole file `folder`\`fileName`; a missing file gives an empty result.
SymbolDb ReadSymbolDb(Platform& platform, const std::u16string& folder,
                      const std::u16string& fileName);

// The header a file of this bare name is read with when it has none:
// DBPhonet.csv 発音記号/Segoe UI, DBThai.csv タイ文字/Tahoma, DBMyanmar.csv
// ミャンマー文字/Padauk Book, DBLao.csv ラオス文字/Lao UI, DBKhmer.csv
// クメール文字/Khmer UI, DBRuss.csv キリル文字/Times New Roman, any other
// name その他/Tahoma. Names compare exactly, case included.
SymbolDbHeader DefaultSymbolDbHeader(std::u16string_view fileName);

// The lines WriteSymbolDb writes: header, every group, every row whose code
// is valid, in the order given. Text fields are quoted, with a quote inside
// doubled; the group number is written as a plain decimal.
std::vector<std::u16string> SymbolDbLines(const SymbolDbHeader& header,
                                          const std::vector<SymbolDbGroup>& groups,
                                          const std::vector<SymbolDbRow>& rows);

// Replaces the file at `path` with SymbolDbLines. False when it could not be
// written; the old file is then untouched.
bool WriteSymbolDb(Platform& platform, const std::u16string& path, const SymbolDbHeader& header,
                   const std::vector<SymbolDbGroup>& groups, const std::vector<SymbolDbRow>& rows);

// The groups of a new file: 0 to 25 "Aのグループ" to "Zのグループ", 26 "その他",
// then the added ones numbered from 27 in the order given.
std::vector<SymbolDbGroup> NewSymbolDbGroups(const std::vector<std::u16string>& addedGroups);

// Writes a new file of the header line and the group lines of
// NewSymbolDbGroups, without rows. False (old file untouched) on failure.
bool CreateSymbolDb(Platform& platform, const std::u16string& path, const SymbolDbHeader& header,
                    const std::vector<std::u16string>& addedGroups);

// What the input engine and the symbol tab learn about one character.
struct SymbolInfo {
    char16_t code = 0;
    std::u16string englishName;  // escapes decoded
    std::u16string japaneseName;
    std::int32_t auxClass = 0;   // TableNumber of the stored text
    std::u16string note;
    bool operator==(const SymbolInfo&) const = default;
};

// The rows a lookup can match: the symbol lines with a valid code, in file
// order, read once so that many characters can be looked up without reading
// or splitting the file again.
class SymbolLookup {
public:
    SymbolLookup() = default;
    static SymbolLookup Load(Platform& platform, const std::u16string& folder,
                             const std::u16string& fileName);
    static SymbolLookup FromLines(const std::vector<std::u16string>& lines);

    // The first row whose code has the character's value; a later row with
    // the same code is never used.
    std::optional<SymbolInfo> Find(char16_t character) const;

    bool empty() const { return rows_.empty(); }

private:
    struct Row {
        char16_t code;
        std::u16string englishName;  // still escaped: decoded only when found
        std::u16string japaneseName;
        std::u16string auxClass;
        std::u16string note;
    };
    std::vector<Row> rows_;
};

// Looks one character up in `folder`\`fileName`; nothing when the file is
// missing or has no row for it.
std::optional<SymbolInfo> LookupSymbol(Platform& platform, const std::u16string& folder,
                                       const std::u16string& fileName, char16_t character);

}  // namespace tess
