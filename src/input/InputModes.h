// The input modes (setting InputMode): which language and how it is typed.
#pragma once

namespace tess {

inline constexpr int kModeThaiRomaji = 1;
inline constexpr int kModeThaiMsIme = 2;     // the platform's Thai keyboard layout
inline constexpr int kModeAlphanumeric = 3;  // "英数": plain keys, no conversion
inline constexpr int kModeMyanmarRomaji = 4;
inline constexpr int kModeLaoRomaji = 5;
inline constexpr int kModeKhmerRomaji = 6;

// The modes in which Latin keys are romaji with trigger keys.
constexpr bool IsRomajiMode(int inputMode) {
    return inputMode == kModeThaiRomaji || inputMode == kModeMyanmarRomaji ||
           inputMode == kModeLaoRomaji || inputMode == kModeKhmerRomaji;
}

}  // namespace tess
