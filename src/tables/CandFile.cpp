#include "tables/CandFile.h"

#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "tables/TableFields.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderFields = 2;
constexpr std::size_t kTriggerFields = 10;

constexpr std::u16string_view kSymbolKeys = u"!\"#$%&'()=~|`{+*}<>?_-^\\@[;:],./";
static_assert(kSymbolKeys.size() == 32);

bool IsUpperLetter(char16_t c) { return c >= u'A' && c <= u'Z'; }
bool IsLowerLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
char16_t FoldLetter(char16_t c) { return IsUpperLetter(c) ? static_cast<char16_t>(c + 32) : c; }

bool IsUpperMode(std::u16string_view mode) { return mode == kModeUpper; }

// Equal but for the case of ASCII letters.
bool EqualButLetterCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldLetter(a[i]) != FoldLetter(b[i])) return false;
    }
    return true;
}

bool AnyNonEmpty(const std::vector<std::u16string>& fields, std::size_t from) {
    for (std::size_t i = from; i < fields.size(); ++i) {
        if (!fields[i].empty()) return true;
    }
    return false;
}

struct NameDefaults {
    std::u16string_view candFile, pairedDb, mode;
};
constexpr NameDefaults kNameDefaults[] = {
    {u"CandThai.csv", u"DBThai.csv", kModeLower},
    {u"CandThai2.csv", u"DBThai.csv", kModeLower},
    {u"CandAll.csv", u"DBPhonet.csv", kModeUpper},
};

// A line end inside a value would cut its line in two whatever the quoting.
bool HoldsLineEnd(std::u16string_view value) {
    return value.find_first_of(u"\r\n") != std::u16string_view::npos;
}

bool CanWrite(const CandEditTable& table) {
    if (HoldsLineEnd(table.pairedDb) || HoldsLineEnd(table.mode)) return false;
    for (const CandLine& held : table.lines) {
        if (!held.HasCandidates()) continue;
        if (HoldsLineEnd(held.keyField)) return false;
        for (const std::u16string& code : held.codes) {
            if (HoldsLineEnd(code)) return false;
        }
    }
    return true;
}

std::u16string PathIn(const std::u16string& folder, const std::u16string& fileName) {
    return folder + u"\\" + fileName;
}

}  // namespace

const std::array<char16_t, kKeyLayoutSize> kKeyLayout = {
    // Shifted: rows of 13, 12, 12 and 11 positions; Shift and 0 gives nothing.
    u'!', u'"', u'#', u'$', u'%', u'&', u'\'', u'(', u')', 0, u'=', u'~', u'|',
    u'Q', u'W', u'E', u'R', u'T', u'Y', u'U', u'I', u'O', u'P', u'`', u'{',
    u'A', u'S', u'D', u'F', u'G', u'H', u'J', u'K', u'L', u'+', u'*', u'}',
    u'Z', u'X', u'C', u'V', u'B', u'N', u'M', u'<', u'>', u'?', u'_',
    // Unshifted: rows of 13, 12, 12 and 10 positions.
    u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'0', u'-', u'^', u'\\',
    u'q', u'w', u'e', u'r', u't', u'y', u'u', u'i', u'o', u'p', u'@', u'[',
    u'a', u's', u'd', u'f', u'g', u'h', u'j', u'k', u'l', u';', u':', u']',
    u'z', u'x', u'c', u'v', u'b', u'n', u'm', u',', u'.', u'/',
};

std::u16string KeyField(char16_t key) {
    if (key == 0) return {};
    if (key == u'"') return u"0022";
    return std::u16string(1, key);
}

bool IsModeTriggerKey(std::u16string_view mode, char16_t key) {
    if (key == 0) return false;
    if (IsUpperLetter(key)) return IsUpperMode(mode);
    if (IsLowerLetter(key)) return !IsUpperMode(mode);
    return kSymbolKeys.find(key) != std::u16string_view::npos;
}

bool CandLine::HasCandidates() const {
    for (const std::u16string& code : codes) {
        if (!code.empty()) return true;
    }
    return false;
}

std::vector<CandLine> EmptyCandLines(std::u16string_view mode) {
    const bool upper = IsUpperMode(mode);
    std::vector<CandLine> lines;
    lines.reserve(kKeyLayout.size());
    for (char16_t key : kKeyLayout) {
        if (upper ? IsLowerLetter(key) : IsUpperLetter(key)) continue;
        lines.push_back(CandLine{KeyField(key), {}});
    }
    return lines;
}

std::optional<CandEditTable> ReadCandForEditing(Platform& platform, const std::u16string& folder,
                                                const std::u16string& fileName) {
    const std::optional<Lines> lines = ReadTextLines(platform, PathIn(folder, fileName));
    if (!lines || lines->empty()) return std::nullopt;

    CandEditTable table;
    const std::vector<std::u16string> first = SplitTableFields(lines->front());
    if (first.size() == kHeaderFields) {
        table.pairedDb = first[0];
        table.mode = first[1];
    }
    if (table.pairedDb.empty()) {
        table.mode = kModeLower;
        for (const NameDefaults& known : kNameDefaults) {
            if (known.candFile == fileName) {
                table.pairedDb = known.pairedDb;
                table.mode = known.mode;
            }
        }
    }

    table.lines = EmptyCandLines(table.mode);
    for (const std::u16string& line : *lines) {
        std::vector<std::u16string> fields = SplitTableFields(line);
        if (fields.size() != kTriggerFields || !AnyNonEmpty(fields, 1)) continue;
        CandLine* place = nullptr;
        for (CandLine& held : table.lines) {
            if (held.keyField == fields[0]) {
                place = &held;
                break;
            }
        }
        if (!place) {
            // A file whose mode was changed still has its letters in the old
            // case: they move to the keys of the new one.
            for (CandLine& held : table.lines) {
                if (EqualButLetterCase(held.keyField, fields[0])) {
                    place = &held;
                    break;
                }
            }
        }
        if (!place) continue;
        for (std::size_t i = 0; i < place->codes.size(); ++i) {
            place->codes[i] = std::move(fields[i + 1]);
        }
    }
    return table;
}

std::vector<std::u16string> CandFileLines(const CandEditTable& table) {
    std::vector<std::u16string> lines;
    lines.push_back(QuoteTableField(table.pairedDb) + u"," + PlainTableField(table.mode));
    for (const CandLine& held : table.lines) {
        if (!held.HasCandidates()) continue;
        std::u16string line = QuoteTableField(held.keyField);
        for (const std::u16string& code : held.codes) {
            line += u',';
            line += PlainTableField(code);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool WriteCandFile(Platform& platform, const std::u16string& path, const CandEditTable& table) {
    if (!CanWrite(table)) return false;
    return WriteAnsiLines(platform, path, CandFileLines(table));
}

bool CreateCandFile(Platform& platform, const std::u16string& path, const std::u16string& pairedDb,
                    const std::u16string& mode) {
    return WriteCandFile(platform, path, CandEditTable{pairedDb, mode, {}});
}

std::vector<std::array<std::u16string, 10>> ReadCandForRendering(Platform& platform,
                                                                 const std::u16string& folder,
                                                                 const std::u16string& fileName) {
    std::vector<std::array<std::u16string, 10>> result;
    const std::optional<Lines> lines = ReadTextLines(platform, PathIn(folder, fileName));
    if (!lines) return result;
    for (const std::u16string& line : *lines) {
        std::vector<std::u16string> fields = SplitTableFields(line);
        if (fields.size() != kTriggerFields || !AnyNonEmpty(fields, 1)) continue;
        std::array<std::u16string, 10>& out = result.emplace_back();
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = std::move(fields[i]);
    }
    return result;
}

char16_t KeyOfField(std::u16string_view field) {
    if (field.empty()) return 0;
    if (field.size() == 4) return Hex4ToCode(field);
    return field[0];
}

std::vector<CandEntry> CandEntriesOfLines(const std::vector<std::u16string>& lines) {
    std::vector<CandEntry> entries;
    for (const std::u16string& line : lines) {
        const std::vector<std::u16string> fields = SplitTableFields(line);
        if (fields.size() != kTriggerFields || fields[0].empty()) continue;
        CandEntry& entry = entries.emplace_back();
        entry.key = KeyOfField(fields[0]);
        for (std::size_t i = 0; i < entry.candidates.size(); ++i) {
            const std::u16string& code = fields[i + 1];
            entry.candidates[i] = code.size() == 4 ? Hex4ToCode(code) : 0;
        }
    }
    return entries;
}

std::vector<CandEntry> LoadCandEntries(Platform& platform, const std::u16string& folder,
                                       const std::u16string& fileName) {
    const std::optional<Lines> lines = ReadTextLines(platform, PathIn(folder, fileName));
    return lines ? CandEntriesOfLines(*lines) : std::vector<CandEntry>();
}

}  // namespace tess
