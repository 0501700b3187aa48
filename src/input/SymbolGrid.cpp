#include "input/SymbolGrid.h"

#include <algorithm>

#include "tables/SymbolDbFile.h"

namespace tess {

namespace {

// Cells first..last take the code points from `code` on.
struct CellSpan {
    int first;
    int last;
    char16_t code;
};

// Punc
constexpr CellSpan kPunc[] = {{0, 0, 0x00B7}, {1, 1, 0x2010}, {2, 23, 0x2012}, {24, 68, 0x2032}, {70, 72, 0x00A6}, {73, 73, 0x00AB}, {74, 74, 0x00BB}, {75, 75, 0x00AC}, {76, 76, 0x00AF}, {77, 77, 0x00B4}, {78, 78, 0x00B6}, {79, 79, 0x00B8}, {80, 80, 0x00A1}, {81, 81, 0x00BF}, {83, 84, 0x2934}};
// Latin
constexpr CellSpan kLatin[] = {{0, 25, 0x0041}, {27, 28, 0x0023}, {31, 31, 0x0040}, {32, 32, 0x0060}, {33, 33, 0x002B}, {34, 34, 0x002A}, {35, 35, 0x005B}, {36, 36, 0x005D}, {37, 37, 0x0022}, {38, 38, 0x0027}, {39, 39, 0x007E}, {40, 48, 0x0031}, {49, 49, 0x0030}, {51, 51, 0x002C}, {52, 52, 0x002E}, {53, 53, 0x003B}, {54, 54, 0x003A}, {55, 56, 0x0028}, {57, 57, 0x0021}, {58, 58, 0x003F}, {59, 59, 0x002F}, {60, 85, 0x0061}, {87, 88, 0x0025}, {91, 91, 0x003C}, {92, 92, 0x003E}, {93, 93, 0x003D}, {94, 94, 0x002D}, {95, 95, 0x007B}, {96, 96, 0x007D}, {97, 97, 0x007C}, {98, 98, 0x005F}, {99, 99, 0x005C}};
// Cmb1
constexpr CellSpan kCmb1[] = {{0, 78, 0x0300}};
// Cmb2
constexpr CellSpan kCmb2[] = {{0, 31, 0x0350}};
// Thai
constexpr CellSpan kThai[] = {{0, 45, 0x0E01}, {48, 51, 0x0E48}, {54, 54, 0x0E2F}, {55, 56, 0x0E46}, {57, 57, 0x0E4C}, {58, 58, 0x0E3F}, {60, 69, 0x0E30}, {70, 75, 0x0E40}, {80, 89, 0x0E50}, {94, 94, 0x0E3A}, {95, 97, 0x0E4D}, {98, 99, 0x0E5A}};
// Mya1
constexpr CellSpan kMya1[] = {{0, 32, 0x1000}, {34, 38, 0x1036}, {40, 49, 0x1021}, {51, 52, 0x104A}, {54, 57, 0x103B}, {60, 70, 0x102B}, {72, 72, 0x103F}, {74, 98, 0x1075}};
// Mya2
constexpr CellSpan kMya2[] = {{0, 9, 0x1040}, {10, 19, 0x1050}, {20, 29, 0x1090}, {31, 39, 0x1065}, {40, 43, 0x104C}, {45, 55, 0x105A}, {57, 63, 0x106E}, {64, 65, 0x108E}, {66, 71, 0x109A}, {72, 99, 0xAA60}};
// Laos
constexpr CellSpan kLaos[] = {{0, 1, 0x0E81}, {2, 2, 0x0E84}, {3, 4, 0x0E87}, {5, 5, 0x0EAA}, {6, 6, 0x0E8A}, {7, 7, 0x0E8D}, {8, 11, 0x0E94}, {12, 18, 0x0E99}, {19, 21, 0x0EA1}, {22, 22, 0x0EA5}, {23, 23, 0x0EA7}, {24, 24, 0x0EAB}, {25, 26, 0x0EAD}, {28, 28, 0x0EAF}, {29, 29, 0x0EC6}, {30, 31, 0x0EBC}, {33, 36, 0x0EC8}, {38, 38, 0x0ECC}, {40, 49, 0x0EB0}, {50, 50, 0x0EBB}, {51, 53, 0x0EC0}, {54, 54, 0x0ECD}, {55, 56, 0x0EC3}, {80, 88, 0x0ED1}, {89, 89, 0x0ED0}, {91, 92, 0x0EDC}, {94, 95, 0x0EDE}};
// Khm1
constexpr CellSpan kKhm1[] = {{0, 28, 0x1780}, {29, 32, 0x179F}, {34, 35, 0x179D}, {37, 38, 0x17A3}, {40, 54, 0x17A5}, {56, 57, 0x17B4}, {59, 59, 0x17DB}, {60, 75, 0x17B6}, {77, 97, 0x17C6}, {98, 99, 0x17DC}};
// Khm2
constexpr CellSpan kKhm2[] = {{0, 8, 0x17E1}, {9, 9, 0x17E0}, {20, 28, 0x17F1}, {29, 29, 0x17F0}, {60, 91, 0x19E0}};
// ローマ数字
constexpr CellSpan kRomanNumerals[] = {{0, 11, 0x2160}, {20, 31, 0x2170}, {40, 59, 0x2474}, {60, 85, 0x249C}, {92, 92, 0x002E}, {93, 94, 0x0028}, {95, 95, 0x005B}, {96, 96, 0x005D}, {97, 97, 0x007B}, {98, 98, 0x007D}};
// 囲み数字
constexpr CellSpan kCircledNumbers[] = {{0, 19, 0x2460}, {20, 34, 0x3251}, {35, 49, 0x32B1}, {50, 59, 0x24F5}, {60, 69, 0x2776}, {70, 79, 0x24EB}, {80, 89, 0x278A}, {90, 99, 0x2780}};
// 囲み英字
constexpr CellSpan kCircledLatin[] = {{0, 25, 0x24B6}, {40, 40, 0x24EA}, {60, 85, 0x24D0}};
// 算数記号
constexpr CellSpan kArithmetic[] = {{0, 0, 0x00B1}, {1, 1, 0x00D7}, {2, 2, 0x00F7}, {3, 3, 0x00B5}, {4, 4, 0x0025}, {5, 6, 0x2030}, {7, 7, 0x00B0}, {8, 8, 0x203B}, {20, 20, 0x00BD}, {21, 22, 0x2153}, {23, 23, 0x00BC}, {24, 24, 0x00BE}, {25, 30, 0x2155}, {31, 31, 0x2150}, {32, 35, 0x215B}, {36, 37, 0x2151}, {38, 38, 0x215F}, {39, 39, 0x2189}, {60, 60, 0x00B9}, {61, 62, 0x00B2}, {63, 68, 0x2074}, {69, 69, 0x2070}, {70, 74, 0x207A}, {75, 75, 0x2071}, {76, 76, 0x207F}, {77, 77, 0x00AA}, {78, 78, 0x00BA}, {80, 88, 0x2081}, {89, 89, 0x2080}, {90, 94, 0x208A}, {95, 99, 0x2090}};
// ギリシア文字
constexpr CellSpan kGreek[] = {{0, 16, 0x0391}, {18, 24, 0x03A3}, {60, 84, 0x03B1}};
// 矢 印
constexpr CellSpan kArrows[] = {{0, 99, 0x2190}};
// 飾り文字Ⅰ
constexpr CellSpan kDingbats1[] = {{0, 95, 0x2701}};
// 飾り文字Ⅱ
constexpr CellSpan kDingbats2[] = {{0, 94, 0x2761}};
// 幾何学図形
constexpr CellSpan kGeometric[] = {{0, 95, 0x25A0}};
// シンボルⅠ
constexpr CellSpan kSymbols1[] = {{0, 95, 0x2600}};
// シンボルⅡ
constexpr CellSpan kSymbols2[] = {{0, 95, 0x2660}};
// 数学記号Ⅰ
constexpr CellSpan kMath1[] = {{0, 95, 0x2200}};
// 数学記号Ⅱ
constexpr CellSpan kMath2[] = {{0, 95, 0x2260}};
// 数学記号Ⅲ
constexpr CellSpan kMath3[] = {{0, 63, 0x22C0}};
// ラテン補足Ⅰ
constexpr CellSpan kLatinSupplement1[] = {{0, 5, 0x00C0}, {6, 11, 0x00E0}, {12, 12, 0x00AA}, {13, 13, 0x00C6}, {14, 14, 0x00E6}, {15, 15, 0x00A9}, {16, 16, 0x00D0}, {17, 17, 0x00F0}, {18, 18, 0x00A1}, {19, 19, 0x00BF}, {20, 22, 0x00C8}, {24, 24, 0x00CB}, {25, 25, 0x00A2}, {26, 28, 0x00E8}, {30, 30, 0x00EB}, {31, 31, 0x00A8}, {32, 32, 0x00B9}, {33, 33, 0x00C7}, {34, 34, 0x00E7}, {35, 35, 0x00B8}, {36, 36, 0x00DE}, {37, 37, 0x00FE}, {38, 38, 0x00A7}, {39, 39, 0x00B6}, {40, 42, 0x00CC}, {44, 44, 0x00CF}, {45, 45, 0x00A3}, {46, 48, 0x00EC}, {50, 50, 0x00EF}, {51, 51, 0x00B0}, {52, 52, 0x00B2}, {53, 53, 0x00D1}, {54, 54, 0x00F1}, {55, 55, 0x00DF}, {56, 56, 0x00AB}, {57, 57, 0x00B7}, {58, 58, 0x00BB}, {59, 59, 0x00B5}, {60, 64, 0x00D2}, {65, 65, 0x00A4}, {66, 70, 0x00F2}, {71, 71, 0x00AF}, {72, 72, 0x00BA}, {73, 73, 0x00D8}, {74, 74, 0x00F8}, {75, 75, 0x00AE}, {76, 76, 0x00A6}, {77, 79, 0x00BC}, {80, 82, 0x00D9}, {83, 83, 0x00AD}, {84, 84, 0x00DC}, {85, 85, 0x00A5}, {86, 88, 0x00F9}, {89, 89, 0x00B7}, {90, 90, 0x00FC}, {91, 91, 0x00B4}, {92, 92, 0x00B3}, {93, 93, 0x00DD}, {94, 94, 0x00FD}, {95, 95, 0x00FF}, {96, 96, 0x00B1}, {97, 97, 0x00D7}, {98, 98, 0x00F7}, {99, 99, 0x00AC}};

std::span<const CellSpan> SpansOf(SymbolSet set) {
    switch (set) {
        case SymbolSet::Punc: return kPunc;
        case SymbolSet::Latin: return kLatin;
        case SymbolSet::Cmb1: return kCmb1;
        case SymbolSet::Cmb2: return kCmb2;
        case SymbolSet::Thai: return kThai;
        case SymbolSet::Mya1: return kMya1;
        case SymbolSet::Mya2: return kMya2;
        case SymbolSet::Laos: return kLaos;
        case SymbolSet::Khm1: return kKhm1;
        case SymbolSet::Khm2: return kKhm2;
        case SymbolSet::RomanNumerals: return kRomanNumerals;
        case SymbolSet::CircledNumbers: return kCircledNumbers;
        case SymbolSet::CircledLatin: return kCircledLatin;
        case SymbolSet::Arithmetic: return kArithmetic;
        case SymbolSet::Greek: return kGreek;
        case SymbolSet::Arrows: return kArrows;
        case SymbolSet::Dingbats1: return kDingbats1;
        case SymbolSet::Dingbats2: return kDingbats2;
        case SymbolSet::Geometric: return kGeometric;
        case SymbolSet::Symbols1: return kSymbols1;
        case SymbolSet::Symbols2: return kSymbols2;
        case SymbolSet::Math1: return kMath1;
        case SymbolSet::Math2: return kMath2;
        case SymbolSet::Math3: return kMath3;
        case SymbolSet::LatinSupplement1: return kLatinSupplement1;
    }
    return {};
}

constexpr SymbolCategory kCategories[] = {
    {u"Punc", u"句読点", SymbolSet::Punc, u""},
    {u"Latin", u"ラテン基礎", SymbolSet::Latin, u""},
    {u"Cmb1", u"組合せ記号1", SymbolSet::Cmb1, u""},
    {u"Cmb2", u"組合せ記号2", SymbolSet::Cmb2, u""},
    {u"Thai", u"タイ語", SymbolSet::Thai, u"DBThai.csv"},
    {u"Mya1", u"ミャンマー語1", SymbolSet::Mya1, u"DBMyanmar.csv"},
    {u"Mya2", u"ミャンマー語2", SymbolSet::Mya2, u"DBMyanmar.csv"},
    {u"Laos", u"ラオス語", SymbolSet::Laos, u"DBLao.csv"},
    {u"Khm1", u"クメール語1", SymbolSet::Khm1, u"DBKhmer.csv"},
    {u"Khm2", u"クメール語2", SymbolSet::Khm2, u"DBKhmer.csv"},
};

constexpr std::u16string_view kLibraryItems[] = {
    u"記号ライブラリ", u"ローマ数字", u"囲み数字",   u"囲み英字",   u"算数記号",   u"ギリシア文字",
    u"矢 印",         u"飾り文字Ⅰ", u"飾り文字Ⅱ", u"幾何学図形", u"シンボルⅠ", u"シンボルⅡ",
    u"数学記号Ⅰ",     u"数学記号Ⅱ", u"数学記号Ⅲ", u"ラテン補足Ⅰ"};

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

}  // namespace

std::array<char16_t, kSymbolCellCount> SymbolSetCells(SymbolSet set) {
    std::array<char16_t, kSymbolCellCount> cells{};
    for (const CellSpan& span : SpansOf(set))
        for (int cell = span.first; cell <= span.last; ++cell)
            cells[static_cast<std::size_t>(cell)] =
                static_cast<char16_t>(span.code + (cell - span.first));
    return cells;
}

std::span<const SymbolCategory> SymbolCategories() { return kCategories; }

std::span<const std::u16string_view> SymbolLibraryItems() { return kLibraryItems; }

std::optional<SymbolSet> LibrarySet(int item) {
    if (item < 1 || item > 15) return std::nullopt;
    return static_cast<SymbolSet>(static_cast<int>(SymbolSet::RomanNumerals) + item - 1);
}

char16_t CellClassOfNote(std::u16string_view note) {
    if (note.find(u"母音") != std::u16string_view::npos) return u'R';
    if (note.find(u"子音") != std::u16string_view::npos) return u'B';
    if (note.find(u"声調") != std::u16string_view::npos) return u'G';
    if (note.find(u"鍵となる") != std::u16string_view::npos) return u'M';
    return 0;
}

Color CellClassColor(char16_t cellClass) {
    switch (cellClass) {
        case u'R': return MakeColor(255, 0, 0);
        case u'B': return MakeColor(0, 0, 255);
        case u'G': return MakeColor(0, 255, 0);
        case u'M': return MakeColor(255, 0, 255);
        default: return MakeColor(0, 0, 0);
    }
}

std::optional<char16_t> CodeFieldCharacter(std::u16string_view text) {
    // Trimmed first: a blank typed around the code does not spoil it.
    while (!text.empty() && text.front() <= u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() <= u' ') text.remove_suffix(1);
    if (text.size() != 4) return std::nullopt;
    unsigned code = 0;
    for (char16_t c : text) {
        const char16_t* digit = std::char_traits<char16_t>::find(kHexDigits, 16, c);
        if (!digit) return std::nullopt;
        code = code * 16 + static_cast<unsigned>(digit - kHexDigits);
    }
    return static_cast<char16_t>(code);
}

SymbolGridGeometry SymbolGridGeometryFor(int scrollBoxWidth) {
    // Integer division towards zero, as the layout has always done.
    return SymbolGridGeometry{(scrollBoxWidth - 31) / 20};
}

void SymbolGrid::Clear() { cells_.fill(SymCell{}); }

void SymbolGrid::Fill(SymbolSet set) {
    const std::array<char16_t, kSymbolCellCount> chars = SymbolSetCells(set);
    for (std::size_t i = 0; i < chars.size(); ++i) cells_[i].text = chars[i];
}

void SymbolGrid::ClickCategory(int button, Platform& platform, const std::u16string& tableFolder) {
    if (button < 0 || button >= static_cast<int>(std::size(kCategories))) return;
    if (pressed_ == button) {
        pressed_ = -1;
        Clear();
        return;
    }
    pressed_ = button;
    annotated_ = false;
    Clear();
    const SymbolCategory& category = kCategories[button];
    Fill(category.set);
    if (!category.dbFile.empty()) {
        // LoadSymbolNames: the DB read once, each cell looked up in it.
        const SymbolLookup lookup =
            SymbolLookup::Load(platform, tableFolder, std::u16string(category.dbFile));
        for (SymCell& cell : cells_) {
            if (!cell.text) continue;
            if (std::optional<SymbolInfo> info = lookup.Find(cell.text)) {
                cell.englishName = std::move(info->englishName);
                cell.japaneseName = std::move(info->japaneseName);
                cell.note = std::move(info->note);
                cell.cellClass = CellClassOfNote(cell.note);
            }
        }
        annotated_ = true;
    }
    lastCell_ = -1;
}

void SymbolGrid::ChooseLibrary(int item) {
    annotated_ = false;
    Clear();
    lastCell_ = -1;
    if (std::optional<SymbolSet> set = LibrarySet(item)) Fill(*set);
    pressed_ = -1;
}

std::optional<std::u16string> SymbolGrid::ClickCell(int cell, int* previous) {
    if (cell < 0 || cell >= kSymbolCellCount) return std::nullopt;
    const SymCell& c = cells_[static_cast<std::size_t>(cell)];
    if (!c.text) return std::nullopt;
    if (previous) *previous = lastCell_;
    lastCell_ = cell;
    return std::u16string(1, c.text);
}

void SymbolGrid::SetSizeDev(int value) { sizeDev_ = std::clamp(value, -5, 5); }

std::u16string SymbolGrid::Hint(int cell) const {
    const SymCell& c = cells_[static_cast<std::size_t>(cell)];
    std::u16string hint = c.japaneseName + u"  " + c.note + u"  [";
    for (int shift = 12; shift >= 0; shift -= 4) hint += kHexDigits[(c.text >> shift) & 0xF];
    hint += u"]";
    return hint;
}

}  // namespace tess
