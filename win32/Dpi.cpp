#include "win32/Dpi.h"

namespace solvanex::win32 {

Dpi Dpi::OfScreen() {
  const HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return Dpi(dpi);
}

RECT Dpi::Scale(const RECT& rect) const {
  // Edges are scaled, not sizes, so that neighbours scaled alike keep touching.
  return {Scale(rect.left), Scale(rect.top), Scale(rect.right), Scale(rect.bottom)};
}

}  // namespace solvanex::win32
