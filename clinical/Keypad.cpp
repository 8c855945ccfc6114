#include "clinical/Keypad.h"

#include "clinical/ClinicalKeys.h"

namespace solvanex {

const std::vector<KeyBinding>& Keypad() {
  static const std::vector<KeyBinding> keys = [] {
    std::vector<KeyBinding> all = CoreKeys();
    const auto& clinical = ClinicalKeys();
    all.insert(all.end(), clinical.begin(), clinical.end());
    return all;
  }();
  return keys;
}

FormulaEvaluator ClinicalFormulas() { return {}; }

}  // namespace solvanex
