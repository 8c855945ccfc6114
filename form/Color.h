// Colour values as the window stores them: 32 bits, 0x00BBGGRR for a plain RGB colour (the
// layout of a Windows COLORREF), or 0xFF000000 plus a system-colour index for one of the
// colours of the desktop's palette.
#pragma once

#include <cstdint>

namespace solvanex::form {

using Color = std::uint32_t;

inline constexpr Color clSystemColor = 0xFF000000;

inline constexpr Color clWindow = 0xFF000005;      // background of edit controls
inline constexpr Color clWindowText = 0xFF000008;  // text of edit controls
inline constexpr Color clBtnFace = 0xFF00000F;     // dialog and button background
inline constexpr Color clBlack = 0x00000000;
inline constexpr Color clRed = 0x000000FF;
inline constexpr Color clWhite = 0x00FFFFFF;

// A plain colour from its red, green and blue parts.
inline constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}

inline constexpr bool IsSystemColor(Color color) {
  return (color & clSystemColor) == clSystemColor;
}
inline constexpr std::uint8_t RedOf(Color color) {
  return static_cast<std::uint8_t>(color & 0xFF);
}
inline constexpr std::uint8_t GreenOf(Color color) {
  return static_cast<std::uint8_t>((color >> 8) & 0xFF);
}
inline constexpr std::uint8_t BlueOf(Color color) {
  return static_cast<std::uint8_t>((color >> 16) & 0xFF);
}

}  // namespace solvanex::form
