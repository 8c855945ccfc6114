#include "form/Buttons.h"

#include <array>

#include "clinical/Keypad.h"

namespace solvanex::form {

Color ColorOf(KeyColor color) {
  switch (color) {
    case KeyColor::Red:
      return Rgb(255, 0, 0);
    case KeyColor::Blue:
      return Rgb(0, 0, 255);
    case KeyColor::Fuchsia:
      return Rgb(255, 0, 255);
    case KeyColor::Purple:
      return Rgb(128, 0, 128);
    case KeyColor::Teal:
      return Rgb(0, 128, 128);
  }
  return clBlack;
}

namespace {

using enum KeyColor;

constexpr std::array<ButtonLayout, 55> kButtons{{
    {"Retour", Red, {53, 37, 94, 28}, true},
    {"CE", Red, {152, 37, 43, 28}, true},
    {"C", Red, {200, 37, 43, 28}, true},

    {"MC", Red, {8, 72, 36, 28}, true},
    {"SpeedButton7", Blue, {53, 72, 34, 28}, false},
    {"SpeedButton8", Blue, {91, 72, 34, 28}, false},
    {"SpeedButton9", Blue, {130, 72, 34, 28}, false},
    {"Division", Red, {170, 72, 34, 28}, true},
    {"Racine", Blue, {209, 72, 34, 28}, true},
    {"Glycemie", Fuchsia, {248, 72, 38, 28}, true},
    {"Calcemie", Fuchsia, {291, 72, 38, 28}, true},
    {"PO2", Fuchsia, {334, 72, 38, 28}, true},
    {"IMC", Purple, {377, 72, 38, 28}, true},
    {"HbCO", Purple, {420, 72, 38, 28}, true},
    {"SpeedButton17", Purple, {463, 72, 38, 28}, true},
    {"DEB", Teal, {506, 72, 38, 28}, true},

    {"MR", Red, {8, 104, 36, 28}, true},
    {"SpeedButton4", Blue, {53, 104, 34, 28}, false},
    {"SpeedButton5", Blue, {91, 104, 34, 28}, false},
    {"SpeedButton6", Blue, {130, 104, 34, 28}, false},
    {"Multiplication", Red, {170, 104, 34, 28}, true},
    {"PourCent", Blue, {209, 104, 34, 28}, true},
    {"TG", Fuchsia, {248, 104, 38, 28}, true},
    {"Chol", Fuchsia, {291, 104, 38, 28}, true},
    {"H2O", Fuchsia, {334, 104, 38, 28}, true},
    {"Surface", Purple, {377, 104, 38, 28}, true},
    {"LBM", Purple, {420, 104, 38, 28}, true},
    {"SerumPhy", Purple, {463, 104, 38, 28}, true},
    {"LDL", Teal, {506, 104, 38, 28}, true},

    {"MS", Red, {8, 136, 36, 28}, true},
    {"SpeedButton1", Blue, {53, 136, 34, 28}, false},
    {"SpeedButton2", Blue, {91, 136, 34, 28}, false},
    {"SpeedButton3", Blue, {130, 136, 34, 28}, false},
    {"Soustraction", Red, {170, 136, 34, 28}, true},
    {"Inverse", Blue, {209, 136, 34, 28}, true},
    {"Creatinine", Fuchsia, {248, 136, 38, 28}, true},
    {"Uree", Fuchsia, {291, 136, 38, 28}, true},
    {"PID", Fuchsia, {334, 136, 38, 28}, true},
    {"TensionM", Purple, {377, 136, 38, 28}, true},
    {"Alcoolemie", Purple, {420, 136, 38, 28}, true},
    {"SpeedButton19", Purple, {463, 136, 38, 28}, true},
    {"Clearance", Teal, {506, 136, 38, 28}, true},

    {"MP", Red, {8, 168, 36, 28}, true},
    {"SpeedButton0", Blue, {53, 168, 34, 28}, false},
    {"bSigne", Blue, {91, 168, 34, 28}, true},
    {"Virgule", Blue, {130, 168, 34, 28}, false},
    {"Addition", Red, {170, 168, 34, 28}, true},
    {"Egal", Red, {209, 168, 34, 28}, true},
    {"FER", Fuchsia, {248, 168, 38, 28}, true},
    {"Magnesium", Fuchsia, {291, 168, 38, 28}, true},
    {"SpeedButton13", Fuchsia, {334, 168, 38, 28}, true},
    {"CalCorr", Purple, {377, 168, 38, 28}, true},
    {"SpeedButton16", Purple, {420, 168, 38, 28}, true},
    {"SpeedButton20", Purple, {463, 168, 38, 28}, true},
    {"Osmolalite", Teal, {506, 168, 38, 28}, true},
}};

}  // namespace

std::span<const ButtonLayout> ButtonTable() {
  return kButtons;
}

std::vector<FormButton> FormButtons(std::span<const KeyBinding> keys) {
  std::vector<FormButton> buttons;
  buttons.reserve(kButtons.size());
  for (const ButtonLayout& layout : kButtons)
    buttons.push_back({&layout, FindKey(keys, layout.name)});
  return buttons;
}

const std::vector<FormButton>& FormButtons() {
  static const std::vector<FormButton> buttons = FormButtons(Keypad());
  return buttons;
}

int DigitOfCaption(std::string_view caption) {
  if (caption.size() != 1 || caption[0] < '0' || caption[0] > '9') return -1;
  return caption[0] - '0';
}

}  // namespace solvanex::form
