// The font of the window's controls: the classic 8-point dialog font with an 11-pixel character
// height, or, where that Windows font is not installed, the closest sans-serif at that height.
#pragma once

#include <QFont>

namespace solvanex {

inline constexpr int kFormFontPixels = 11;

QFont FormFont();

}  // namespace solvanex
