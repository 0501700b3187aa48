#include "tables/SymbolDbFile.h"

#include <array>

#include "lib/FieldSplit.h"
#include "lib/TextConv.h"
#include "lib/TextFile.h"
#include "tables/TableFields.h"

namespace tess {

namespace {

constexpr std::size_t kHeaderFields = 2;
constexpr std::size_t kGroupFields = 3;
constexpr std::size_t kSymbolFields = 6;

std::u16string PathIn(const std::u16string& folder, const std::u16string& fileName) {
    return folder + u"\\" + fileName;
}

bool IsGroupLine(const std::vector<std::u16string>& fields) {
    return fields.size() == kGroupFields && fields[0] == u"Group";
}

}  // namespace

SymbolDb ReadSymbolDb(Platform& platform, const std::u16string& folder,
                      const std::u16string& fileName) {
    SymbolDb db;
    const std::optional<Lines> lines = ReadTextLines(platform, PathIn(folder, fileName));
    if (!lines) return db;
    bool first = true;
    for (const std::u16string& line : *lines) {
        std::vector<std::u16string> fields = SplitTableFields(line);
        if (first && fields.size() == kHeaderFields) {
            db.header = {std::move(fields[0]), std::move(fields[1])};
            db.hasHeader = true;
        } else if (IsGroupLine(fields)) {
            db.groups.push_back({TableNumber(fields[1]), std::move(fields[2])});
        } else if (fields.size() == kSymbolFields) {
            SymbolDbRow row;
            row.rowNumber = static_cast<std::int32_t>(db.rows.size()) + 1;
            row.group = TableNumber(fields[0]);
            if (IsHex4(fields[1])) row.glyph.assign(1, Hex4ToCode(fields[1]));
            row.code = std::move(fields[1]);
            row.englishName = std::move(fields[2]);
            row.japaneseName = std::move(fields[3]);
            row.auxClass = std::move(fields[4]);
            row.note = std::move(fields[5]);
            db.rows.push_back(std::move(row));
        }
        first = false;
    }
    return db;
}

SymbolDbHeader DefaultSymbolDbHeader(std::u16string_view fileName) {
    struct Known {
        std::u16string_view file, script, font;
    };
    static constexpr std::array<Known, 6> kKnown = {{
        {u"DBPhonet.csv", u"発音記号", u"Segoe UI"},
        {u"DBThai.csv", u"タイ文字", u"Tahoma"},
        {u"DBMyanmar.csv", u"ミャンマー文字", u"Padauk Book"},
        {u"DBLao.csv", u"ラオス文字", u"Lao UI"},
        {u"DBKhmer.csv", u"クメール文字", u"Khmer UI"},
        {u"DBRuss.csv", u"キリル文字", u"Times New Roman"},
    }};
    for (const Known& known : kKnown) {
        if (known.file == fileName) {
            return {std::u16string(known.script), std::u16string(known.font)};
        }
    }
    return {u"その他", u"Tahoma"};
}

std::vector<std::u16string> SymbolDbLines(const SymbolDbHeader& header,
                                          const std::vector<SymbolDbGroup>& groups,
                                          const std::vector<SymbolDbRow>& rows) {
    std::vector<std::u16string> lines;
    lines.reserve(1 + groups.size() + rows.size());
    lines.push_back(QuoteTableField(header.scriptName) + u"," + QuoteTableField(header.glyphFont));
    for (const SymbolDbGroup& group : groups) {
        lines.push_back(u"Group," + Utf8ToUtf16(std::to_string(group.number)) + u"," +
                        QuoteTableField(group.name));
    }
    for (const SymbolDbRow& row : rows) {
        if (!IsHex4(row.code)) continue;
        lines.push_back(Utf8ToUtf16(std::to_string(row.group)) + u"," + QuoteTableField(row.code) +
                        u"," + QuoteTableField(row.englishName) + u"," +
                        QuoteTableField(row.japaneseName) + u"," + QuoteTableField(row.auxClass) +
                        u"," + QuoteTableField(row.note));
    }
    return lines;
}

bool WriteSymbolDb(Platform& platform, const std::u16string& path, const SymbolDbHeader& header,
                   const std::vector<SymbolDbGroup>& groups, const std::vector<SymbolDbRow>& rows) {
    return WriteAnsiLines(platform, path, SymbolDbLines(header, groups, rows));
}

std::vector<SymbolDbGroup> NewSymbolDbGroups(const std::vector<std::u16string>& addedGroups) {
    std::vector<SymbolDbGroup> groups;
    groups.reserve(27 + addedGroups.size());
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        groups.push_back({letter - u'A', std::u16string(1, letter) + u"のグループ"});
    }
    groups.push_back({26, u"その他"});
    for (const std::u16string& name : addedGroups) {
        groups.push_back({static_cast<std::int32_t>(groups.size()), name});
    }
    return groups;
}

bool CreateSymbolDb(Platform& platform, const std::u16string& path, const SymbolDbHeader& header,
                    const std::vector<std::u16string>& addedGroups) {
    return WriteSymbolDb(platform, path, header, NewSymbolDbGroups(addedGroups), {});
}

SymbolLookup SymbolLookup::FromLines(const std::vector<std::u16string>& lines) {
    SymbolLookup lookup;
    for (const std::u16string& line : lines) {
        std::vector<std::u16string> fields = SplitTableFields(line);
        if (fields.size() != kSymbolFields || !IsHex4(fields[1])) continue;
        lookup.rows_.push_back({Hex4ToCode(fields[1]), std::move(fields[2]), std::move(fields[3]),
                                std::move(fields[4]), std::move(fields[5])});
    }
    return lookup;
}

SymbolLookup SymbolLookup::Load(Platform& platform, const std::u16string& folder,
                                const std::u16string& fileName) {
    const std::optional<Lines> lines = ReadTextLines(platform, PathIn(folder, fileName));
    return lines ? FromLines(*lines) : SymbolLookup();
}

std::optional<SymbolInfo> SymbolLookup::Find(char16_t character) const {
    for (const Row& row : rows_) {
        if (row.code != character) continue;
        // The input engine's escape rule ("#$" with at least five characters
        // after the "#" and a valid code after the "$", else just "#$" goes,
        // repeated from the start) gives exactly what DecodeHexEscapes gives.
        return SymbolInfo{row.code, DecodeHexEscapes(row.englishName), row.japaneseName,
                          TableNumber(row.auxClass), row.note};
    }
    return std::nullopt;
}

std::optional<SymbolInfo> LookupSymbol(Platform& platform, const std::u16string& folder,
                                       const std::u16string& fileName, char16_t character) {
    return SymbolLookup::Load(platform, folder, fileName).Find(character);
}

}  // namespace tess
