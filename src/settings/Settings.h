// The user's preferences: one record whose fields carry the key names of the
// settings file "Morvane_A.rng" in the system folder.
//
// The record is filled with defaults and then from the file once at start-up,
// changed in memory during the run and written back once at exit. Every key,
// its type, its default and its fallback for a malformed value are described
// once, in the table returned by SettingKeys(); loading and saving both walk
// that table, so the order of the keys in the file lives in one place.
//
// File format: one line per key, "Key,value", CR LF after every line.
// Integers are decimal text, flags "1" or "0", colours "#RRGGBB" (upper-case
// hexadecimal, red first), strings between double quotes. The file is written
// as UTF-16 LE with a byte-order mark so that names outside code page 932 (a
// Thai word book name) survive; files without a mark are read as code page 932.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "lib/ColorText.h"
#include "platform/platform.h"

namespace tess {

inline constexpr char16_t kSettingsFileName[] = u"Morvane_A.rng";

struct Settings {
    // Main window geometry. MainLeft below 0 means that no geometry is saved.
    // The file stores a width and a height (keys "MainWidth" and "MainHeight");
    // in memory they are held as the right and bottom edges, so that moving
    // the left or top edge alone never changes the other side.
    std::int32_t MainLeft = 0;
    std::int32_t MainTop = 0;
    std::int32_t MainRight = 0;   // key "MainWidth": MainLeft + width
    std::int32_t MainBottom = 0;  // key "MainHeight": MainTop + height

    std::int32_t UnderHeight = 0;
    std::int32_t FontPanelWidth = 0;
    std::int32_t LVLineHeight = 0;
    std::int32_t PC2Width = 0;
    // Word list columns "外国語", "No", "発音記号", "発音カナ", "日本語", "備考",
    // "音声ファイル".
    std::int32_t LVCol1Width = 0;
    std::int32_t LVCol2Width = 0;
    std::int32_t LVCol3Width = 0;
    std::int32_t LVCol4Width = 0;
    std::int32_t LVCol5Width = 0;
    std::int32_t LVCol6Width = 0;
    std::int32_t LVCol7Width = 0;
    std::int32_t TrTimer = 0;
    std::int32_t PaTimer = 0;
    std::int32_t TransMode = 0;
    std::int32_t InputMode = 0;
    std::int32_t FontMode = 0;
    std::int32_t SearchIndex = 0;
    std::int32_t UsrMainFontSize = 0;
    std::int32_t UsrSubFontSize = 0;
    std::int32_t TnMainFontSize = 0;
    std::int32_t TnSubFontSize = 0;
    std::int32_t TnJpFontSize = 0;
    std::int32_t DispMainFSize = 0;
    std::int32_t DispSubFSize = 0;
    std::int32_t BandDev = 0;

    std::u16string UsrMainFont;
    std::u16string UsrSubFont;
    std::u16string ThaiFont;
    std::u16string MyanmarFont;
    std::u16string LaosFont;
    std::u16string KhmerFont;
    std::u16string LastGroup;
    std::u16string LastWB;
    std::u16string PhUDBFile;
    std::u16string PhCandFile;
    std::u16string GaUDBFile;
    std::u16string GaCandFile;
    std::u16string ThaiUDBFile;
    std::u16string ThaiCandFile;
    std::u16string MyanmarUDBFile;
    std::u16string MyanmarCandFile;
    std::u16string LaosUDBFile;
    std::u16string LaosCandFile;
    std::u16string KhmerUDBFile;
    std::u16string KhmerCandFile;

    Color RomanBg = 0;
    Color MsImeBg = 0;
    Color IpaBg = 0;
    Color CandBg = 0;
    Color BandBg = 0;

    bool EiwaFlg = false;
    bool AutoPasteFlg = false;
    bool TransClearFlg = false;
    bool ResetInputFlg = false;
    bool UnderStretchFlg = false;
    bool ScroBarsFlg = false;
    bool WordWrapFlg = false;
    bool LastVisibleFlg = false;
    bool RegCopyFlg = false;
    bool RegClearFlg = false;
    bool MediaPlayerFlg = false;
    bool PhTriRevFlg = false;
    bool GaTriRevFlg = false;
    bool PhOneInpFlg = false;
    bool GaOneInpFlg = false;
    bool SysTblFlg = false;
    bool TblOWFlg = false;
    bool DicFlg = false;
    bool DicSearchFlg = false;
    bool ThaiImeKedFlg = false;
    bool NoSampleFlg = false;
    bool AutoDoorFlg = false;
    bool DispFSizeLockFlg = false;
    bool AutoTransFlg = false;

    bool operator==(const Settings&) const = default;
};

// --- The key table -----------------------------------------------------------
// `missing` applies when the key is absent or its value empty; `malformed`
// when an integer value does not parse.

struct IntegerKey {
    std::int32_t Settings::*field;
    std::int32_t missing;
    std::int32_t malformed;
    // Parsed values below this are raised to it.
    std::int32_t minimum = INT32_MIN;
    // One of the four window geometry keys: see LoadSettings.
    bool geometry = false;
};

// A width or height in the file, held in memory as the far edge:
// field = origin + value on reading, value = field - origin on writing.
// Always part of the geometry.
struct ExtentKey {
    std::int32_t Settings::*field;
    std::int32_t Settings::*origin;
    std::int32_t missing;
};

struct FlagKey {
    bool Settings::*field;
    bool missing;
};

struct ColourKey {
    Color Settings::*field;
    Color missing;
};

struct StringKey {
    std::u16string Settings::*field;
    std::u16string_view missing;
};

struct SettingKey {
    std::u16string_view name;
    std::variant<IntegerKey, ExtentKey, FlagKey, ColourKey, StringKey> rule;
};

// Every key, in the order the file is written.
std::span<const SettingKey> SettingKeys();

// --- Loading and saving --------------------------------------------------------

// Every key's default. MyanmarFont, LaosFont and KhmerFont take the first of
// their two usual faces that is installed (exact, case-sensitive name), or the
// first when neither is.
void LoadDefaults(Settings& settings, Platform& platform);

// Reads sysFolder\Morvane_A.rng over the current values; a missing or
// unreadable file changes nothing. For each key the first line that splits
// (SplitTableFields) into exactly two fields, the first equal to the key
// (case-sensitive), gives the value; an absent key or an empty value keeps the
// current value. Integers that do not parse take the key's malformed value;
// colours that are not "#RRGGBB" in upper case are ignored; a flag is set
// exactly by "1" and cleared by any other text; strings are taken as they are.
// Geometry is kept only when all four keys are present and parse; otherwise
// the record says that no geometry is saved (all four edges -100).
void LoadSettings(Settings& settings, Platform& platform, const std::u16string& sysFolder);

// Replaces sysFolder\Morvane_A.rng with every key in table order, as UTF-16 LE
// with a byte-order mark, through the platform's atomic replace. False when the
// write failed; the old file is then untouched.
bool SaveSettings(const Settings& settings, Platform& platform, const std::u16string& sysFolder);

// The folder the input tables come from: the shipped read-only tables when
// SysTblFlg is set, else the user's own copies.
std::u16string TableFolderFor(const Settings& settings, const std::u16string& sysTblFolder,
                              const std::u16string& userTblFolder);

// --- Main window geometry ------------------------------------------------------

inline constexpr int kMainDefaultWidth = 840;
inline constexpr int kMainDefaultHeight = 710;
inline constexpr int kMainMinWidth = 680;
inline constexpr int kMainMinHeight = 500;

struct WindowGeometry {
    int left, top, width, height;
    bool operator==(const WindowGeometry&) const = default;
};

// Where the main window appears when first shown on a screen of the given
// size: the saved rectangle, or, when MainLeft is below 0, 840 × 710 centred
// horizontally, at top 12 (or centred vertically on screens taller than 768).
// Never smaller than 680 × 500.
WindowGeometry FirstShowGeometry(const Settings& settings, int screenWidth, int screenHeight);

// Records the live window's rectangle in the record before SaveSettings.
void StoreWindowGeometry(Settings& settings, const WindowGeometry& geometry);

}  // namespace tess
