#include "settings/Settings.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "lib/FieldSplit.h"
#include "lib/TextFile.h"

namespace tess {
namespace {

// Edges of a record that holds no saved geometry.
constexpr std::int32_t kNoGeometry = -100;

constexpr SettingKey kKeys[] = {
    {u"MainLeft", IntegerKey{&Settings::MainLeft, kNoGeometry, kNoGeometry, INT32_MIN, true}},
    {u"MainTop", IntegerKey{&Settings::MainTop, kNoGeometry, kNoGeometry, INT32_MIN, true}},
    {u"MainWidth", ExtentKey{&Settings::MainRight, &Settings::MainLeft, kNoGeometry}},
    {u"MainHeight", ExtentKey{&Settings::MainBottom, &Settings::MainTop, kNoGeometry}},
    {u"UnderHeight", IntegerKey{&Settings::UnderHeight, 296, 306}},
    {u"FontPanelWidth", IntegerKey{&Settings::FontPanelWidth, 193, 193, 193}},
    {u"LVLineHeight", IntegerKey{&Settings::LVLineHeight, 28, 28}},
    {u"PC2Width", IntegerKey{&Settings::PC2Width, 390, 390}},
    {u"LVCol1Width", IntegerKey{&Settings::LVCol1Width, 150, 150}},
    {u"LVCol2Width", IntegerKey{&Settings::LVCol2Width, 50, 50}},
    {u"LVCol3Width", IntegerKey{&Settings::LVCol3Width, 150, 150}},
    {u"LVCol4Width", IntegerKey{&Settings::LVCol4Width, 150, 150}},
    {u"LVCol5Width", IntegerKey{&Settings::LVCol5Width, 150, 150}},
    {u"LVCol6Width", IntegerKey{&Settings::LVCol6Width, 150, 150}},
    {u"LVCol7Width", IntegerKey{&Settings::LVCol7Width, 100, 100}},
    {u"TrTimer", IntegerKey{&Settings::TrTimer, 250, 250}},
    {u"PaTimer", IntegerKey{&Settings::PaTimer, 250, 250}},
    {u"TransMode", IntegerKey{&Settings::TransMode, 1, 1}},
    {u"InputMode", IntegerKey{&Settings::InputMode, 1, 1}},
    {u"FontMode", IntegerKey{&Settings::FontMode, 0, 0}},
    {u"SearchIndex", IntegerKey{&Settings::SearchIndex, 3, 3}},
    {u"UsrMainFontSize", IntegerKey{&Settings::UsrMainFontSize, 18, 18}},
    {u"UsrSubFontSize", IntegerKey{&Settings::UsrSubFontSize, 16, 16}},
    {u"TnMainFontSize", IntegerKey{&Settings::TnMainFontSize, 15, 15}},
    {u"TnSubFontSize", IntegerKey{&Settings::TnSubFontSize, 14, 14}},
    {u"TnJpFontSize", IntegerKey{&Settings::TnJpFontSize, 12, 12}},
    {u"DispMainFSize", IntegerKey{&Settings::DispMainFSize, 18, 18}},
    {u"DispSubFSize", IntegerKey{&Settings::DispSubFSize, 16, 16}},
    {u"BandDev", IntegerKey{&Settings::BandDev, 0, 0}},
    {u"UsrMainFont", StringKey{&Settings::UsrMainFont, u"Tahoma"}},
    {u"UsrSubFont", StringKey{&Settings::UsrSubFont, u"Segoe UI"}},
    {u"ThaiFont", StringKey{&Settings::ThaiFont, u"Tahoma"}},
    // The three below are refined by LoadDefaults from the installed fonts.
    {u"MyanmarFont", StringKey{&Settings::MyanmarFont, u"Padauk Book"}},
    {u"LaosFont", StringKey{&Settings::LaosFont, u"Lao UI"}},
    {u"KhmerFont", StringKey{&Settings::KhmerFont, u"Khmer UI"}},
    {u"LastGroup", StringKey{&Settings::LastGroup, u""}},
    {u"LastWB", StringKey{&Settings::LastWB, u""}},
    {u"PhUDBFile", StringKey{&Settings::PhUDBFile, u"DBPhonet.csv"}},
    {u"PhCandFile", StringKey{&Settings::PhCandFile, u"CandAll.csv"}},
    {u"GaUDBFile", StringKey{&Settings::GaUDBFile, u"DBThai.csv"}},
    {u"GaCandFile", StringKey{&Settings::GaCandFile, u"CandThai2.csv"}},
    {u"ThaiUDBFile", StringKey{&Settings::ThaiUDBFile, u"DBThai.csv"}},
    {u"ThaiCandFile", StringKey{&Settings::ThaiCandFile, u"CandThai2.csv"}},
    {u"MyanmarUDBFile", StringKey{&Settings::MyanmarUDBFile, u"DBMyanmar.csv"}},
    {u"MyanmarCandFile", StringKey{&Settings::MyanmarCandFile, u"CandMyanmar.csv"}},
    {u"LaosUDBFile", StringKey{&Settings::LaosUDBFile, u"DBLao.csv"}},
    {u"LaosCandFile", StringKey{&Settings::LaosCandFile, u"CandLao.csv"}},
    {u"KhmerUDBFile", StringKey{&Settings::KhmerUDBFile, u"DBKhmer.csv"}},
    {u"KhmerCandFile", StringKey{&Settings::KhmerCandFile, u"CandKhmer.csv"}},
    {u"RomanBg", ColourKey{&Settings::RomanBg, MakeColor(0xFF, 0xA9, 0x53)}},
    {u"MsImeBg", ColourKey{&Settings::MsImeBg, MakeColor(0x8F, 0xBC, 0x8F)}},
    {u"IpaBg", ColourKey{&Settings::IpaBg, MakeColor(0x00, 0xBF, 0xFF)}},
    {u"CandBg", ColourKey{&Settings::CandBg, MakeColor(0xF8, 0xFF, 0xC0)}},
    {u"BandBg", ColourKey{&Settings::BandBg, MakeColor(0xC9, 0xDE, 0xF5)}},
    {u"EiwaFlg", FlagKey{&Settings::EiwaFlg, false}},
    {u"AutoPasteFlg", FlagKey{&Settings::AutoPasteFlg, true}},
    {u"TransClearFlg", FlagKey{&Settings::TransClearFlg, false}},
    {u"ResetInputFlg", FlagKey{&Settings::ResetInputFlg, false}},
    {u"UnderStretchFlg", FlagKey{&Settings::UnderStretchFlg, true}},
    {u"ScroBarsFlg", FlagKey{&Settings::ScroBarsFlg, false}},
    {u"WordWrapFlg", FlagKey{&Settings::WordWrapFlg, false}},
    {u"LastVisibleFlg", FlagKey{&Settings::LastVisibleFlg, false}},
    {u"RegCopyFlg", FlagKey{&Settings::RegCopyFlg, true}},
    {u"RegClearFlg", FlagKey{&Settings::RegClearFlg, true}},
    {u"MediaPlayerFlg", FlagKey{&Settings::MediaPlayerFlg, true}},
    {u"PhTriRevFlg", FlagKey{&Settings::PhTriRevFlg, false}},
    {u"GaTriRevFlg", FlagKey{&Settings::GaTriRevFlg, false}},
    {u"PhOneInpFlg", FlagKey{&Settings::PhOneInpFlg, true}},
    {u"GaOneInpFlg", FlagKey{&Settings::GaOneInpFlg, true}},
    {u"SysTblFlg", FlagKey{&Settings::SysTblFlg, false}},
    {u"TblOWFlg", FlagKey{&Settings::TblOWFlg, true}},
    {u"DicFlg", FlagKey{&Settings::DicFlg, false}},
    {u"DicSearchFlg", FlagKey{&Settings::DicSearchFlg, true}},
    {u"ThaiImeKedFlg", FlagKey{&Settings::ThaiImeKedFlg, true}},
    {u"NoSampleFlg", FlagKey{&Settings::NoSampleFlg, false}},
    {u"AutoDoorFlg", FlagKey{&Settings::AutoDoorFlg, true}},
    {u"DispFSizeLockFlg", FlagKey{&Settings::DispFSizeLockFlg, false}},
    {u"AutoTransFlg", FlagKey{&Settings::AutoTransFlg, false}},
};

// The usual faces of the scripts whose fonts differ between Windows versions:
// the first when installed, else the second when installed, else the first.
struct FontChoice {
    std::u16string Settings::*field;
    std::u16string_view first;
    std::u16string_view second;
};

constexpr FontChoice kFontChoices[] = {
    {&Settings::MyanmarFont, u"Padauk Book", u"Myanmar Text"},
    {&Settings::LaosFont, u"Lao UI", u"DokChampa"},
    {&Settings::KhmerFont, u"Khmer UI", u"Khmer OS Battambang"},
};

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::u16string SettingsPath(const std::u16string& sysFolder) {
    return sysFolder + u"\\" + kSettingsFileName;
}

// Decimal digits with an optional leading minus sign, nothing else: a "+"
// sign, blanks, trailing letters ("12abc") and values beyond 32 bits are all
// malformed rather than partly read, so a damaged line never yields a value
// the user did not save.
std::optional<std::int64_t> ParseInteger(std::u16string_view text) {
    bool negative = !text.empty() && text.front() == u'-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int32_t> ToInt32(std::optional<std::int64_t> value) {
    if (!value || *value < INT32_MIN || *value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::u16string DecimalText(std::int64_t value) {
    std::u16string text;
    for (char c : std::to_string(value)) text.push_back(static_cast<char16_t>(c));
    return text;
}

// Doubled quotes inside the value keep a quote from ending the field early,
// so such a value reads back whole; the reader's splitter undoubles them.
std::u16string QuotedText(const std::u16string& value) {
    std::u16string text = u"\"";
    for (char16_t c : value) {
        if (c == u'"') text.push_back(u'"');
        text.push_back(c);
    }
    text.push_back(u'"');
    return text;
}

// The value of every key as the file gives it: the second field of the first
// two-field line whose first field is the key.
std::unordered_map<std::u16string, std::u16string> FirstValues(const Lines& lines) {
    std::unordered_map<std::u16string, std::u16string> values;
    for (const std::u16string& line : lines) {
        std::vector<std::u16string> fields = SplitTableFields(line);
        if (fields.size() == 2) values.emplace(std::move(fields[0]), std::move(fields[1]));
    }
    return values;
}

bool IsGeometry(const SettingKey& key) {
    if (std::holds_alternative<ExtentKey>(key.rule)) return true;
    const IntegerKey* integer = std::get_if<IntegerKey>(&key.rule);
    return integer && integer->geometry;
}

void ClearGeometry(Settings& settings) {
    settings.MainLeft = settings.MainTop = kNoGeometry;
    settings.MainRight = settings.MainBottom = kNoGeometry;
}

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

void LoadDefaults(Settings& settings, Platform& platform) {
    for (const SettingKey& key : kKeys) {
        std::visit(Overloaded{
                       [&](const IntegerKey& k) { settings.*k.field = k.missing; },
                       [&](const ExtentKey& k) { settings.*k.field = k.missing; },
                       [&](const FlagKey& k) { settings.*k.field = k.missing; },
                       [&](const ColourKey& k) { settings.*k.field = k.missing; },
                       [&](const StringKey& k) { settings.*k.field = std::u16string(k.missing); },
                   },
                   key.rule);
    }
    const std::vector<std::u16string> installed = platform.InstalledFontNames();
    auto isInstalled = [&](std::u16string_view name) {
        return std::find(installed.begin(), installed.end(), name) != installed.end();
    };
    for (const FontChoice& choice : kFontChoices) {
        bool useSecond = !isInstalled(choice.first) && isInstalled(choice.second);
        settings.*choice.field = std::u16string(useSecond ? choice.second : choice.first);
    }
}

void LoadSettings(Settings& settings, Platform& platform, const std::u16string& sysFolder) {
    std::optional<Lines> lines = ReadTextLines(platform, SettingsPath(sysFolder));
    if (!lines) return;
    const auto values = FirstValues(*lines);

    // A rectangle with a missing or unreadable edge would put the window
    // somewhere the user never left it; such a file counts as holding no
    // geometry at all.
    bool geometryWhole = true;
    for (const SettingKey& key : kKeys) {
        auto found = values.find(std::u16string(key.name));
        if (found == values.end() || found->second.empty()) {
            if (IsGeometry(key)) geometryWhole = false;
            continue;
        }
        const std::u16string& value = found->second;
        std::visit(Overloaded{
                       [&](const IntegerKey& k) {
                           std::optional<std::int32_t> parsed = ToInt32(ParseInteger(value));
                           if (!parsed && IsGeometry(key)) geometryWhole = false;
                           settings.*k.field = parsed ? std::max(*parsed, k.minimum) : k.malformed;
                       },
                       [&](const ExtentKey& k) {
                           std::optional<std::int64_t> extent = ParseInteger(value);
                           std::optional<std::int32_t> edge = ToInt32(
                               extent ? std::optional<std::int64_t>(*extent + settings.*k.origin)
                                      : std::nullopt);
                           if (!edge) geometryWhole = false;
                           settings.*k.field = edge ? *edge : k.missing;
                       },
                       [&](const FlagKey& k) { settings.*k.field = value == u"1"; },
                       [&](const ColourKey& k) {
                           if (IsHexColorText(value)) settings.*k.field = HexTextToColor(value);
                       },
                       [&](const StringKey& k) { settings.*k.field = value; },
                   },
                   key.rule);
    }
    if (!geometryWhole) ClearGeometry(settings);
}

bool SaveSettings(const Settings& settings, Platform& platform, const std::u16string& sysFolder) {
    Lines lines;
    lines.reserve(std::size(kKeys));
    for (const SettingKey& key : kKeys) {
        std::u16string value = std::visit(
            Overloaded{
                [&](const IntegerKey& k) { return DecimalText(settings.*k.field); },
                [&](const ExtentKey& k) {
                    return DecimalText(std::int64_t{settings.*k.field} - settings.*k.origin);
                },
                [&](const FlagKey& k) { return std::u16string(settings.*k.field ? u"1" : u"0"); },
                [&](const ColourKey& k) { return ColorToHexText(settings.*k.field); },
                [&](const StringKey& k) { return QuotedText(settings.*k.field); },
            },
            key.rule);
        lines.push_back(std::u16string(key.name) + u"," + value);
    }
    return WriteUtf16Lines(platform, SettingsPath(sysFolder), lines);
}

std::u16string TableFolderFor(const Settings& settings, const std::u16string& sysTblFolder,
                              const std::u16string& userTblFolder) {
    return settings.SysTblFlg ? sysTblFolder : userTblFolder;
}

WindowGeometry FirstShowGeometry(const Settings& settings, int screenWidth, int screenHeight) {
    WindowGeometry g;
    if (settings.MainLeft < 0) {
        g.width = kMainDefaultWidth;
        g.height = kMainDefaultHeight;
        g.left = (screenWidth - g.width) / 2;
        g.top = screenHeight > 768 ? (screenHeight - g.height) / 2 : 12;
    } else {
        // Edges come from the caller as well as from the file; the 64-bit
        // difference keeps a far-off pair from overflowing.
        auto extent = [](std::int32_t from, std::int32_t to) {
            return static_cast<int>(
                std::clamp<std::int64_t>(std::int64_t{to} - from, INT32_MIN, INT32_MAX));
        };
        g.left = settings.MainLeft;
        g.top = settings.MainTop;
        g.width = extent(settings.MainLeft, settings.MainRight);
        g.height = extent(settings.MainTop, settings.MainBottom);
    }
    g.width = std::max(g.width, kMainMinWidth);
    g.height = std::max(g.height, kMainMinHeight);
    return g;
}

void StoreWindowGeometry(Settings& settings, const WindowGeometry& geometry) {
    auto edge = [](int origin, int extent) {
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(std::int64_t{origin} + extent, INT32_MIN, INT32_MAX));
    };
    settings.MainLeft = geometry.left;
    settings.MainTop = geometry.top;
    settings.MainRight = edge(geometry.left, geometry.width);
    settings.MainBottom = edge(geometry.top, geometry.height);
}

}  // namespace tess
