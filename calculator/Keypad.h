// The keypad as data: one row per button, with its control name, caption, hint and the core
// handler that a click runs. The main window builds and wires its buttons from these rows; the
// key-script runner presses them by name.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "calculator/Calculator.h"

namespace solvanex {

struct KeyBinding {
  std::string_view name;     // control name, e.g. "SpeedButton7", "Egal"
  std::string_view caption;  // button caption, e.g. "7", "="
  std::string_view hint;     // status-bar hint and tooltip; empty for none
  // The click: runs the handler with the button's caption, whose first character the digit,
  // operator and formula handlers read.
  std::function<void(Calculator&, std::string_view caption)> click;
};

// The 27 buttons of the arithmetic calculator and its memory.
const std::vector<KeyBinding>& CoreKeys();

// The row named name, or nullptr.
const KeyBinding* FindKey(std::span<const KeyBinding> keys, std::string_view name);

}  // namespace solvanex
