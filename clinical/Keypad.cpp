#include "clinical/Keypad.h"

#include "clinical/ClinicalKeys.h"
#include "clinical/Formulas.h"

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

FormulaEvaluator ClinicalFormulas() {
  return [](char letter, double x, double y, const std::string& memoryText, Choices choices,
            char decimalSeparator) {
    return EvaluateFormula(letter, x, y, memoryText, choices.unitSystem, choices.sex,
                           decimalSeparator);
  };
}

}  // namespace solvanex
