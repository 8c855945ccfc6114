// The whole keypad: the core's keys and the clinical keys (formulas, conversions, one-value
// functions), with the formula evaluator that '=' needs for the formula letters.
#pragma once

#include <span>
#include <vector>

#include "calculator/Calculator.h"
#include "calculator/Keypad.h"

namespace solvanex {

// Every button of the main window that runs a calculator handler, core keys first.
const std::vector<KeyBinding>& Keypad();

// The clinical formulas as the core's '=' calls them.
FormulaEvaluator ClinicalFormulas();

}  // namespace solvanex
