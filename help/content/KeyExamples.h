// Worked examples computed by the program itself: each example is a key sequence run on a
// fresh calculator with the clinical keypad, and the help page shows what the display then
// shows. No result in the help is typed by hand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace solvanex::helpcontent {

// One step as the reader performs it: a number typed, or one button pressed.
struct KeyStep {
  std::string label;                  // what the page shows: "1,75", "P", "MS", "="
  std::vector<std::string> controls;  // the buttons clicked, by control name
};

// What the reader sees after the last step.
struct KeyOutcome {
  std::string display;   // the display text
  bool red = false;      // the display shows an error message
  std::string errorBox;  // the error box a step raised (the sequence stops there), or empty
};

// A number typed digit by digit with the separator key; a leading '-' is the sign key, pressed
// after the digits. The number is written with ',' as in the display: "1,75", "-2".
// Throws std::invalid_argument for any other character.
KeyStep TypeNumber(std::string_view number);
KeyStep Press(std::string_view label, std::string_view control);

// The item names of the choice groups, selected as the reader would before keying.
inline constexpr std::string_view kChooseConventional = "RadioGroup1=0";
inline constexpr std::string_view kChooseInternational = "RadioGroup1=1";
inline constexpr std::string_view kChooseMale = "RadioGroup2=0";
inline constexpr std::string_view kChooseFemale = "RadioGroup2=1";

// Runs the choices, then the steps, on a calculator as after start-up with ',' as the decimal
// separator. Throws std::invalid_argument for a control that the keypad does not have.
KeyOutcome RunKeys(const std::vector<std::string_view>& choices, const std::vector<KeyStep>& steps);

}  // namespace solvanex::helpcontent
