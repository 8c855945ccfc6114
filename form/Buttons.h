// The 55 buttons of the main window as data: where each sits, in which colour its caption is
// drawn and whether its hint also pops up as a tooltip. The caption, the hint and the click come
// from the keypad (clinical/Keypad.h), joined by control name in FormButtons().
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "calculator/Keypad.h"
#include "form/Color.h"
#include "form/Geometry.h"

namespace solvanex::form {

// Caption colours of the keypad, by what the buttons do.
enum class KeyColor {
  Red,      // clearing, memory, operators and '='
  Blue,     // digits, separator, sign change, one-key arithmetic
  Fuchsia,  // conversions and one-value clinical functions
  Purple,   // two-operand clinical formulas
  Teal,     // two-operand clinical formulas, last column
};

// The caption colour as a plain 0x00BBGGRR colour.
Color ColorOf(KeyColor color);

struct ButtonLayout {
  std::string_view name;  // control name, also the key into the keypad
  KeyColor color;
  Rect rect;     // client-area pixels at 96 dpi
  bool tooltip;  // the hint also shows as a tooltip
};

// Rows from top to bottom, left to right: the window creates the buttons in this order, so the
// digit buttons are found in it when the digit table is filled.
std::span<const ButtonLayout> ButtonTable();

// One button of the window: its place joined with its keypad row.
struct FormButton {
  const ButtonLayout* layout;
  const KeyBinding* binding;  // nullptr when the keypad has no row of that name

  std::string_view Name() const { return layout->name; }
  std::string_view Caption() const { return binding != nullptr ? binding->caption : ""; }
  std::string_view Hint() const { return binding != nullptr ? binding->hint : ""; }
  Color CaptionColor() const { return ColorOf(layout->color); }
  // A tooltip only where the layout asks for one and there is a hint to show.
  bool ShowsTooltip() const { return layout->tooltip && !Hint().empty(); }
};

// Every row of ButtonTable(), in its order, joined with the row of keys of the same name.
std::vector<FormButton> FormButtons(std::span<const KeyBinding> keys);
// The same, joined with the whole keypad of the calculator and its clinical keys.
const std::vector<FormButton>& FormButtons();

// The digit a caption stands for (a caption of one character '0' to '9'), or -1: the digit
// table is filled from the captions.
int DigitOfCaption(std::string_view caption);

}  // namespace solvanex::form
