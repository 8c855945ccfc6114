// The 55 buttons of the main window as data: where each sits, in which colour its caption is
// drawn and whether its hint also pops up as a tooltip. The caption, the hint and the click come
// from the keypad (clinical/Keypad.h), joined by control name when the window is built.
#pragma once

#include <QRgb>
#include <span>
#include <string_view>

namespace solvanex {

// Caption colours of the keypad, by what the buttons do.
enum class KeyColor {
  Red,      // clearing, memory, operators and '='
  Blue,     // digits, separator, sign change, one-key arithmetic
  Fuchsia,  // conversions and one-value clinical functions
  Purple,   // two-operand clinical formulas
  Teal,     // two-operand clinical formulas, last column
};

QRgb ToRgb(KeyColor color);

struct ButtonLayout {
  std::string_view name;  // control name, also the key into the keypad
  KeyColor color;
  int left;  // client-area pixels at 96 dpi
  int top;
  int width;
  int height;
  bool tooltip;  // the hint also shows as a tooltip
};

// Rows from top to bottom, left to right: the window creates the buttons in this order, so the
// digit buttons are found in it when the digit table is filled.
std::span<const ButtonLayout> ButtonTable();

}  // namespace solvanex
