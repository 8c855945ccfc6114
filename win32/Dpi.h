// The fixed layout is given in pixels at 96 dpi; at another resolution every position, size and
// font height is scaled by the screen's dots per inch, as the Qt window is scaled by its device
// pixel ratio.
#pragma once

#include <windows.h>

namespace solvanex::win32 {

class Dpi {
 public:
  explicit Dpi(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}
  // The resolution of the primary screen.
  static Dpi OfScreen();

  int Value() const { return dpi_; }
  int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  RECT Scale(const RECT& rect) const;

 private:
  int dpi_;
};

}  // namespace solvanex::win32
