#include "mainwindow/FormFont.h"

#include "controls/Font.h"

namespace solvanex {

QFont FormFont() {
  // The classic dialog font is what a font description holds until it is changed: the same
  // face as the display line's, so both are drawn by one loaded font.
  TFont dialogFont;
  dialogFont.SetHeight(-kFormFontPixels);
  return dialogFont.ToQFont();
}

}  // namespace solvanex
