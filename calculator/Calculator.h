// The calculator core: one handler per key of the keypad, working on CalculatorState and the
// view. Every calculating key reads its operand by parsing the display text and writes its
// result as display text; the entry keys rebuild the display from the entry register.
// A key that fails raises a CalculatorError and stops at that point: what it changed before
// stays changed. The caller (the window's one error handler, or the key-script runner) shows it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/CalculatorState.h"
#include "calculator/CalculatorView.h"

namespace solvanex {

// What a clinical formula yields at '=': a value, or a message for the display.
struct FormulaOutcome {
  std::optional<double> value;  // the result, already rounded to a double
  std::string message;          // the in-display error message when there is no value
};

// Evaluates a formula letter at '=': letter, first operand x, second operand y, the memory text,
// the choices and the decimal separator (for reading the memory text). May raise
// ConversionError (memory text not a number) or a FloatingPointError.
using FormulaEvaluator =
    std::function<FormulaOutcome(char letter, double x, double y, const std::string& memoryText,
                                 Choices choices, char decimalSeparator)>;

// A one-key function of the displayed number (conversions, one-value clinical functions): the
// extended result, or nothing when no choice is selected.
using DisplayFunction = std::function<std::optional<long double>(double x, Choices choices)>;

// The sixteen formula letters, in the order of their buttons.
inline constexpr std::string_view kFormulaLetters = "PLRSTKEOHMADNIYU";
bool IsFormulaLetter(char c);

class Calculator {
 public:
  // The state starts zeroed; the owner performs CE once its window exists.
  Calculator(CalculatorView& view, char decimalSeparator, FormulaEvaluator formulas = {});
  // It works on the view it was given: a copy would share that view, and the view may belong to
  // the object that holds the calculator, so neither copying nor moving makes sense.
  Calculator(const Calculator&) = delete;
  Calculator& operator=(const Calculator&) = delete;

  // Entry keys.
  void ChiffreClick(char digit);
  void VirguleClick();
  void bSigneClick();
  void RetourClick();
  void CEClick();
  void CClick();

  // Operators, '=' and the one-key arithmetic functions.
  void OperationClick(char op);
  void EgalClick();
  void RacineClick();
  void PourCentClick();
  void InverseClick();

  // Memory.
  void MCClick();
  void MRClick();
  void MSClick();
  void MPClick();

  // Replaces the displayed number by function(number) and marks the entry complete; the pending
  // operation, the entry register and the display colour are left alone.
  void ApplyDisplayFunction(const DisplayFunction& function);

  // Display colour red, then the message as display text.
  void ShowError(std::string_view message);

  // The entry register as display text: sign, integer digits, separator, fraction digits.
  std::string EntryText() const;

  const CalculatorState& State() const { return state_; }
  char DecimalSeparator() const { return decimalSeparator_; }

 private:
  double DisplayedNumber() const;
  std::string Format(double value) const;
  // Applies the pending operator to the accumulator; false when it showed an error message.
  bool ApplyPendingOperator(double y);

  CalculatorView& view_;
  char decimalSeparator_;
  FormulaEvaluator formulas_;
  CalculatorState state_;
};

}  // namespace solvanex
