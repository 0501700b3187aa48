// The font character sets the program names (the LOGFONT values).
#pragma once

namespace tess {

inline constexpr int kAnsiCharset = 0;
inline constexpr int kShiftJisCharset = 128;
inline constexpr int kThaiCharset = 222;

}  // namespace tess
