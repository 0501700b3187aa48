// What reading the shipped tables in data/Tbl must give, as short digests: the
// native data test and the Windows test under Wine both compare against these
// values, so the two code-page paths (iconv natively, MultiByteToWideChar on
// Windows) are held to the same result.
//
// When a shipped table changes on purpose, the native data test prints the
// new values to paste here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "input/InputTables.h"
#include "tables/CandFile.h"
#include "tables/SymbolDbFile.h"

namespace tess::testing {

// 64-bit FNV-1a over UTF-16 code units and numbers, each value closed by a
// separator that no code unit of a field can fake in that position.
class Digest {
public:
    Digest& Add(std::u16string_view text) {
        for (char16_t c : text) Unit(c);
        return End();
    }
    Digest& Add(std::int64_t number) {
        for (int i = 0; i < 4; ++i) Unit(static_cast<char16_t>((number >> (16 * i)) & 0xFFFF));
        return End();
    }
    std::uint64_t Value() const { return hash_; }

private:
    void Byte(unsigned char b) {
        hash_ ^= b;
        hash_ *= 0x100000001B3ull;
    }
    void Unit(char16_t c) {
        Byte(static_cast<unsigned char>(c & 0xFF));
        Byte(static_cast<unsigned char>(c >> 8));
    }
    Digest& End() {
        Byte(0xA5);
        Byte(0x5A);
        ++fields_;
        Byte(static_cast<unsigned char>(fields_));
        return *this;
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
    unsigned fields_ = 0;
};

inline std::uint64_t DigestOf(const SymbolDb& db) {
    Digest d;
    d.Add(db.hasHeader).Add(db.header.scriptName).Add(db.header.glyphFont);
    for (const SymbolDbGroup& g : db.groups) d.Add(g.number).Add(g.name);
    for (const SymbolDbRow& r : db.rows) {
        d.Add(r.rowNumber).Add(r.group).Add(r.code).Add(r.glyph).Add(r.englishName);
        d.Add(r.japaneseName).Add(r.auxClass).Add(r.note);
    }
    return d.Value();
}

inline std::uint64_t DigestOf(const CandEditTable& table) {
    Digest d;
    d.Add(table.pairedDb).Add(table.mode);
    for (const CandLine& line : table.lines) {
        d.Add(line.keyField);
        for (const std::u16string& code : line.codes) d.Add(code);
    }
    return d.Value();
}

inline std::uint64_t DigestOf(const CandTable& cands, const NameTable& names) {
    Digest d;
    for (const CandRecord& r : cands) {
        d.Add(r.key);
        for (char16_t c : r.candidates) d.Add(c);
    }
    for (const TUDB& n : names) {
        d.Add(n.code).Add(n.japaneseName).Add(n.englishName).Add(n.auxClass).Add(n.note);
    }
    return d.Value();
}

struct SymbolDbDigest {
    const char16_t* file;
    std::size_t rows;
    std::uint64_t hash;
};

struct CandFileDigest {
    const char16_t* file;
    std::size_t linesWithCandidates;
    std::uint64_t hash;
};

// The pairs the settings name by default, loaded as the input engine loads them.
struct InputTablesDigest {
    const char16_t* candFile;
    const char16_t* dbFile;
    std::size_t records;
    std::size_t names;
    std::uint64_t hash;
};

inline constexpr SymbolDbDigest kShippedSymbolDbs[] = {
    {u"DBKhmer.csv", 146, 0x80B7F0DBA4075ECFull},
    {u"DBLao.csv", 83, 0x3B80E8A59349AFADull},
    {u"DBMyanmar.csv", 160, 0x78E24F159F659B0Aull},
    {u"DBPhonet.csv", 203, 0xD129D8F9CDBD72D6ull},
    {u"DBRuss.csv", 96, 0xDCF67AB38BE56D1Aull},
    {u"DBThai.csv", 87, 0xF24FC0C5CFA744CDull},
};

inline constexpr CandFileDigest kShippedCandFiles[] = {
    {u"CandAll.csv", 44, 0x0FDC04B68E418C73ull},
    {u"CandKhmer.csv", 39, 0xE7741417FC640B7Dull},
    {u"CandLao.csv", 35, 0x3C7F6CE9ECD55686ull},
    {u"CandMyanmar.csv", 36, 0xC7F85E6358514A90ull},
    {u"CandThai.csv", 25, 0x0EC792BDD27360CEull},
    {u"CandThai2.csv", 34, 0xC71C88C8A9F79D3Aull},
};

inline constexpr InputTablesDigest kShippedInputTables[] = {
    {u"CandAll.csv", u"DBPhonet.csv", 45, 203, 0x127FA5B88DBF6D67ull},
    {u"CandThai2.csv", u"DBThai.csv", 35, 87, 0x6C2ECE2A6D5DED36ull},
    {u"CandMyanmar.csv", u"DBMyanmar.csv", 37, 160, 0x8824550A8F5D3151ull},
    {u"CandLao.csv", u"DBLao.csv", 36, 83, 0x4AC918599C1F8037ull},
    {u"CandKhmer.csv", u"DBKhmer.csv", 40, 140, 0xD2479482029A3323ull},
};

}  // namespace tess::testing
