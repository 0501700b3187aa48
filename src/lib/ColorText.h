// Colours as text: "#RRGGBB" with six upper-case hexadecimal digits, red
// first. The settings file, the word books' text colour field and the colour
// edit boxes all use this one form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// A colour in the platform's layout 0x00BBGGRR: red in the low byte, then
// green, then blue.
using Color = std::uint32_t;

// Not a colour but a request for the platform's system colour for window
// text, which only the views know; they resolve it before drawing. The high
// byte keeps it apart from every 0x00BBGGRR value.
inline constexpr Color kWindowTextColor = 0xFF000008;

inline constexpr Color MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
           (static_cast<Color>(blue) << 16);
}

// "#" and the red, green and blue bytes as six upper-case hexadecimal digits.
// Only the low 24 bits are read: resolve kWindowTextColor first.
std::u16string ColorToHexText(Color color);

// True exactly for 7 characters: "#" and six of "0123456789ABCDEF" (lower-case
// digits fail).
bool IsHexColorText(std::u16string_view text);

// The colour of a text that passes IsHexColorText; kWindowTextColor otherwise.
Color HexTextToColor(std::u16string_view text);

}  // namespace tess
