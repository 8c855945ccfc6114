// The light colours the calculator's windows were drawn for: grey button faces, white edit
// fields, black texts. The caption colours of the keypad (red, blue, fuchsia, purple, teal) are
// only readable on such faces, so the main window, its error boxes and the About box keep this
// palette whatever the desktop's colour scheme; the system colours of the controls (window,
// button face, window text) are read from it too.
#pragma once

#include <QPalette>

namespace solvanex {

QPalette ClassicPalette();

}  // namespace solvanex
