#include "input/InputTables.h"

#include <algorithm>

#include "lib/Blanks.h"
#include "lib/TextFile.h"
#include "tables/CandFile.h"
#include "tables/SymbolDbFile.h"

namespace tess {

namespace {

void FillCandTable(const std::vector<CandEntry>& entries, CandTable& table) {
    // Every record comes from one line, so a table sized by CountFileLines
    // holds them all; the bound matters only if the file changed in between.
    const std::size_t count = std::min(entries.size(), table.size());
    for (std::size_t i = 0; i < count; ++i) {
        table[i] = CandRecord{entries[i].key, entries[i].candidates, 0};
    }
}

// Steps shared by both areas: size and fill the candidate table, then the
// name table for exactly the characters it can offer. The candidate file is
// read once for both its line count and its records, which is what
// CountFileLines and LoadCandTable would each read.
void LoadArea(Platform& platform, const std::u16string& folder, const std::u16string& candFile,
              const std::u16string& udbFile, CandTable& cands, NameTable& names) {
    const std::optional<Lines> lines = ReadTextLines(platform, folder + u"\\" + candFile);
    cands = CandTable(lines ? lines->size() : 0);
    if (lines) FillCandTable(CandEntriesOfLines(*lines), cands);
    const std::u16string chars = CollectCandChars(cands);
    names = NameTable(chars.size());
    LoadNameTable(platform, folder, chars, udbFile, names);
}

}  // namespace

void InputTables::LoadPhoneticTables(Platform& platform, const std::u16string& tblFolder,
                                     const std::u16string& phCandFile,
                                     const std::u16string& phUdbFile) {
    LoadArea(platform, tblFolder, phCandFile, phUdbFile, PhCandTable, PhNameTable);
}

void InputTables::LoadForeignTables(Platform& platform, const std::u16string& tblFolder,
                                    const std::u16string& gaCandFile,
                                    const std::u16string& gaUdbFile) {
    LoadArea(platform, tblFolder, gaCandFile, gaUdbFile, GaCandTable, GaNameTable);
}

int CountFileLines(Platform& platform, const std::u16string& folder, const std::u16string& file) {
    const std::optional<Lines> lines = ReadTextLines(platform, folder + u"\\" + file);
    return lines ? static_cast<int>(lines->size()) : 0;
}

void LoadCandTable(Platform& platform, const std::u16string& folder, const std::u16string& file,
                   CandTable& table) {
    FillCandTable(LoadCandEntries(platform, folder, file), table);
}

std::u16string CollectCandChars(const CandTable& table) {
    std::u16string chars;
    for (const CandRecord& record : table) {
        for (char16_t candidate : record.candidates) {
            if (candidate != 0 && chars.find(candidate) == std::u16string::npos) {
                chars += candidate;
            }
        }
    }
    return chars;
}

void LoadNameTable(Platform& platform, const std::u16string& folder, const std::u16string& chars,
                   const std::u16string& dbFile, NameTable& names) {
    const std::optional<Lines> lines = ReadTextLines(platform, folder + u"\\" + dbFile);
    if (!lines) return;
    const SymbolLookup db = SymbolLookup::FromLines(*lines);
    std::size_t next = 0;
    for (char16_t c : chars) {
        if (next == names.size()) break;
        std::optional<SymbolInfo> info = db.Find(c);
        if (!info) continue;
        names[next++] = TUDB{info->code, std::move(info->japaneseName),
                             std::move(info->englishName), info->auxClass, std::move(info->note)};
    }
}

bool IsTriggerKey(const CandTable& table, char16_t key) {
    for (const CandRecord& record : table) {
        if (record.key != key) continue;
        return std::any_of(record.candidates.begin(), record.candidates.end(),
                           [](char16_t c) { return c != 0; });
    }
    return false;
}

void LookupCandidates(const CandTable& table, char16_t key, CandBuf& buffer) {
    buffer.fill(0);
    // With duplicate keys the last record wins: the first match from the end.
    for (auto record = table.rbegin(); record != table.rend(); ++record) {
        if (record->key == key) {
            std::copy(record->candidates.begin(), record->candidates.end(), buffer.begin());
            return;
        }
    }
}

std::u16string SingleCandidate(const CandBuf& buffer) {
    std::u16string single;
    int counted = 0;
    for (char16_t c : buffer) {
        if (!IsBlank(c)) {
            ++counted;
            single.assign(1, c);
        }
    }
    return counted == 1 ? single : std::u16string();
}

std::u16string LookupName(const NameTable& names, char16_t character, int kind) {
    if (character == 0) return {};
    for (const TUDB& record : names) {
        if (record.code != character) continue;
        switch (kind) {
            case NameJapanese: return record.japaneseName;
            case NameEnglish: return record.englishName;
            case NameNote: return record.note;
            default: return {};
        }
    }
    return {};
}

}  // namespace tess
