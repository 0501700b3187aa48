// The settings dialog "設定" (view; its rules are SettingsDialogModel's): six
// pages in a tab control, "OK" and "ｷｬﾝｾﾙ", modal over the main window.
#pragma once

#include <windows.h>

#include "app/MainModel.h"

namespace tess {

// The controls' ids; "OK" is IDOK and "ｷｬﾝｾﾙ" IDCANCEL. Ids ending in 0 are
// the first of a row, followed by the others in their model order.
inline constexpr int kSettingsTabsId = 1700;          // PageControl1
inline constexpr int kSettingsCheckId0 = 1710;        // + SettingsCheck
inline constexpr int kSettingsLookBarId0 = 1730;      // + LookBar: TrackBar1 ... TrackBar4
inline constexpr int kSettingsLookValueId0 = 1734;    // + LookBar: their value labels
inline constexpr int kSettingsLookResetId = 1738;     // "初期値に戻す"
inline constexpr int kSettingsResetFileId = 1740;     // "設定ファイルを初期化する"
inline constexpr int kSettingsDeleteAllId = 1741;     // "すべてを削除する"
inline constexpr int kSettingsFontBoxId0 = 1750;      // + FontBox
inline constexpr int kSettingsFontResetId0 = 1755;    // + FontBox: "初期値"
inline constexpr int kSettingsSizeBoxId0 = 1760;      // + SizeBox
inline constexpr int kSettingsFixedResetId0 = 1763;   // "初期値" of ComboBox7, ComboBox8
inline constexpr int kSettingsFixedLabelId0 = 1765;   // "・タイ語など：", "・発音記号："
inline constexpr int kSettingsFontInUseId0 = 1745;   // + FontBox - 1: a language's "使用中："
inline constexpr int kSettingsFileBoxId0 = 1770;      // + box (0 to 9)
inline constexpr int kSettingsFileBrowseId0 = 1780;   // + box: "..."
inline constexpr int kSettingsFileBackId0 = 1790;     // + box: "戻"
inline constexpr int kSettingsColorBoxId0 = 1800;     // + row (0 to 4)
inline constexpr int kSettingsColorPreviewId0 = 1805; // + row
inline constexpr int kSettingsColorChangeId0 = 1810;  // + row: "変更"
inline constexpr int kSettingsColorResetId0 = 1815;   // + row: "初期値"
inline constexpr int kSettingsTimerBarId0 = 1820;     // + TimerBar: TrackBar5, TrackBar6
inline constexpr int kSettingsTimerValueId0 = 1822;   // + TimerBar: their value labels
inline constexpr int kSettingsTimerResetId0 = 1824;   // + TimerBar: "初期値"
inline constexpr int kSettingsPageId0 = 1830;         // + SettingsPage

// Runs the dialog over `owner` until it closes; in the Thai keyboard mode
// with the start-up layout while it shows. "OK" applies what it collected
// to `main`; a table change, the reset and the delete-everything button
// leave the main window closing.
void RunSettingsDialog(HWND owner, MainModel& main);

}  // namespace tess
