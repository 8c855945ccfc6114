// Colour values as the calculator stores them: 32 bits, 0x00BBGGRR for a plain RGB colour, or
// 0xFF000000 plus a system-colour index for one of the colours of the controls' palette.
#pragma once

#include <QColor>
#include <cstdint>

namespace solvanex {

inline constexpr std::uint32_t clSystemColor = 0xFF000000;

inline constexpr std::uint32_t clWindow = 0xFF000005;      // background of edit controls
inline constexpr std::uint32_t clWindowText = 0xFF000008;  // text of edit controls
inline constexpr std::uint32_t clBtnFace = 0xFF00000F;     // dialog and button background
inline constexpr std::uint32_t clBlack = 0x00000000;
inline constexpr std::uint32_t clRed = 0x000000FF;
inline constexpr std::uint32_t clWhite = 0x00FFFFFF;

// A plain colour from its red, green and blue parts.
inline constexpr std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
}

// The colour to paint with: a system colour is looked up in the classic light palette (the
// nearest palette role), a plain colour is taken as it is.
QColor ToQColor(std::uint32_t color);

}  // namespace solvanex
