// The clinical buttons: the sixteen formula operators, the nine conversions and the three
// one-value functions.
#pragma once

#include <vector>

#include "calculator/Keypad.h"

namespace solvanex {

const std::vector<KeyBinding>& ClinicalKeys();

}  // namespace solvanex
